// A hand-written HTML document for the target program: forms, fields and the focused field.
#pragma once

#include "tests/target/mshtml_stubs.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace target_app {

struct FieldLayout {
    const char* name;
    const char* type;  // "text" or "password"
    int form;          // index of its form, or -1 for none
    RECT frame;        // the frame the page draws, client pixels
};

// One input field: both IHTMLElement and IHTMLInputElement of one object.
class FakeField final : public StubIHTMLElement, public StubIHTMLInputElement {
  public:
    FakeField(const FieldLayout& layout, std::function<void(const FakeField&)> changed);

    const FieldLayout& Layout() const { return layout_; }
    const std::wstring& Value() const { return value_; }
    void SetMaxLength(long n) { max_length_ = n; }

    // IUnknown, shared by both interfaces so that every route gives the same identity.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_isTextEdit(VARIANT_BOOL* p) override;
    HRESULT STDMETHODCALLTYPE get_type(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE get_maxLength(LONG* p) override;
    HRESULT STDMETHODCALLTYPE get_value(BSTR* p) override;
    HRESULT STDMETHODCALLTYPE put_value(BSTR v) override;

  private:
    FieldLayout layout_;
    std::function<void(const FakeField&)> changed_;
    std::wstring value_;
    long max_length_ = 2147483647;
    ULONG refs_ = 1;
};

// The elements of one form, or the document's list of forms.
class FakeCollection final : public StubIHTMLElementCollection {
  public:
    explicit FakeCollection(std::vector<IDispatch*> items);  // takes a reference to each
    ~FakeCollection();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
    HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** out) override;

    // The item for an integer "name", as both collections and forms answer it.
    HRESULT ItemAt(const VARIANT& name, IDispatch** out) const;
    LONG Length() const { return LONG(items_.size()); }

  private:
    std::vector<IDispatch*> items_;
    ULONG refs_ = 1;
};

class FakeForm final : public StubIHTMLFormElement {
  public:
    explicit FakeForm(std::vector<IDispatch*> fields) : fields_(std::move(fields)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
    HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** out) override;

  private:
    FakeCollection fields_;
    ULONG refs_ = 1;
};

class FakeDocument final : public StubIHTMLDocument2 {
  public:
    // The fields as laid out; `active` names the focused one (may be null).
    FakeDocument(const std::vector<FieldLayout>& layouts, const char* active,
                 std::function<void(const FakeField&)> changed);
    ~FakeDocument();

    const std::vector<FakeField*>& Fields() const { return fields_; }
    FakeField* Active() const { return active_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE get_forms(IHTMLElementCollection** p) override;
    HRESULT STDMETHODCALLTYPE get_activeElement(IHTMLElement** p) override;

  private:
    std::vector<FakeField*> fields_;
    FakeCollection* forms_ = nullptr;
    FakeField* active_ = nullptr;
    ULONG refs_ = 1;
};

}  // namespace target_app
