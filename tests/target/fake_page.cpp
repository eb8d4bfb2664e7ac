// The page's COM objects: only the calls that target tracking and delivery make are served.
#include "tests/target/fake_page.h"

#include <cstring>

namespace target_app {
namespace {

BSTR WideBstr(const std::wstring& s) { return SysAllocStringLen(s.data(), UINT(s.size())); }

std::wstring Widen(const char* s) {
    std::wstring w;
    for (; *s; ++s) w.push_back(wchar_t(static_cast<unsigned char>(*s)));
    return w;
}

}  // namespace

FakeField::FakeField(const FieldLayout& layout, std::function<void(const FakeField&)> changed)
    : layout_(layout), changed_(std::move(changed)) {}

HRESULT FakeField::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLElement) {
        *out = static_cast<IHTMLElement*>(this);
    } else if (iid == IID_IHTMLInputElement) {
        *out = static_cast<IHTMLInputElement*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG FakeField::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT FakeField::get_isTextEdit(VARIANT_BOOL* p) {
    *p = VARIANT_TRUE;
    return S_OK;
}

HRESULT FakeField::get_type(BSTR* p) {
    *p = WideBstr(Widen(layout_.type));
    return S_OK;
}

HRESULT FakeField::get_maxLength(LONG* p) {
    *p = max_length_;
    return S_OK;
}

HRESULT FakeField::get_value(BSTR* p) {
    *p = WideBstr(value_);
    return S_OK;
}

HRESULT FakeField::put_value(BSTR v) {
    value_.assign(v ? v : L"", v ? SysStringLen(v) : 0);
    if (changed_) changed_(*this);
    return S_OK;
}

FakeCollection::FakeCollection(std::vector<IDispatch*> items) : items_(std::move(items)) {
    for (IDispatch* d : items_) d->AddRef();
}

FakeCollection::~FakeCollection() {
    for (IDispatch* d : items_) d->Release();
}

HRESULT FakeCollection::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLElementCollection) {
        *out = static_cast<IHTMLElementCollection*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FakeCollection::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT FakeCollection::get_length(LONG* p) {
    *p = Length();
    return S_OK;
}

HRESULT FakeCollection::ItemAt(const VARIANT& name, IDispatch** out) const {
    *out = nullptr;
    VARIANT index;
    VariantInit(&index);
    if (FAILED(VariantChangeType(&index, const_cast<VARIANT*>(&name), 0, VT_I4))) return S_OK;
    if (index.lVal >= 0 && index.lVal < Length()) {
        *out = items_[size_t(index.lVal)];
        (*out)->AddRef();
    }
    return S_OK;
}

HRESULT FakeCollection::item(VARIANT name, VARIANT, IDispatch** out) { return ItemAt(name, out); }

HRESULT FakeForm::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLFormElement) {
        *out = static_cast<IHTMLFormElement*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FakeForm::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT FakeForm::get_length(LONG* p) {
    *p = fields_.Length();
    return S_OK;
}

HRESULT FakeForm::item(VARIANT name, VARIANT, IDispatch** out) { return fields_.ItemAt(name, out); }

FakeDocument::FakeDocument(const std::vector<FieldLayout>& layouts, const char* active,
                           std::function<void(const FakeField&)> changed) {
    int forms = 0;
    for (const FieldLayout& s : layouts) {
        fields_.push_back(new FakeField(s, changed));
        if (s.form + 1 > forms) forms = s.form + 1;
        if (active && std::strcmp(s.name, active) == 0) active_ = fields_.back();
    }
    std::vector<IDispatch*> formList;
    for (int f = 0; f < forms; ++f) {
        std::vector<IDispatch*> members;
        for (FakeField* field : fields_)
            if (field->Layout().form == f) members.push_back(static_cast<IHTMLElement*>(field));
        formList.push_back(new FakeForm(members));
    }
    forms_ = new FakeCollection(formList);
    for (IDispatch* form : formList) form->Release();
}

FakeDocument::~FakeDocument() {
    forms_->Release();
    for (FakeField* f : fields_) f->Release();
}

HRESULT FakeDocument::QueryInterface(REFIID iid, void** out) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IHTMLDocument ||
        iid == IID_IHTMLDocument2) {
        *out = static_cast<IHTMLDocument2*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FakeDocument::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT FakeDocument::get_forms(IHTMLElementCollection** p) {
    *p = forms_;
    forms_->AddRef();
    return S_OK;
}

HRESULT FakeDocument::get_activeElement(IHTMLElement** p) {
    *p = active_;
    if (active_) active_->AddRef();
    return S_OK;
}

}  // namespace target_app
