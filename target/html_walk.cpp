// Forms by index, their elements by index, and the active element read for every candidate.
#include "target/html_walk.h"

#include "target/bstr.h"

namespace korvalith {
namespace {

constexpr char kPasswordType[] = "password";

// Thrown inside the walk for a failing call or a missing interface; caught at its end.
struct WalkFailed {};

void Check(HRESULT hr) {
    if (FAILED(hr)) throw WalkFailed{};
}

// The item at an integer index, asked for as (name = index, index = empty string).
template <typename Collection>
ui::ComRef<IDispatch> ItemAt(Collection* c, long i) {
    VARIANT name;
    VariantInit(&name);
    name.vt = VT_I4;
    name.lVal = i;
    VARIANT index;
    VariantInit(&index);
    index.vt = VT_BSTR;
    index.bstrVal = SysAllocString(L"");
    ui::ComRef<IDispatch> item;
    const HRESULT hr = c->item(name, index, item.Put());
    VariantClear(&index);
    Check(hr);
    return item;
}

// The cast of an item that must support the interface: ends the walk when it does not.
template <typename T>
ui::ComRef<T> Cast(IUnknown* item, REFIID iid) {
    ui::ComRef<T> out;
    Check(item->QueryInterface(iid, out.PutVoid()));
    return out;
}

// The query of an element that may lack the interface: none when it does.
template <typename T>
ui::ComRef<T> Query(IUnknown* item, REFIID iid) {
    ui::ComRef<T> out;
    if (FAILED(item->QueryInterface(iid, out.PutVoid()))) out.Reset();
    return out;
}

bool IsPasswordInput(IHTMLInputElement* input) {
    Bstr type;
    Check(input->get_type(type.Put()));
    return BstrToAnsi(type.Get()) == kPasswordType;
}

// One candidate: when the page's active element is this very input and its box is found.
std::optional<FocusedPasswordInput> MatchActive(
    IHTMLDocument2* document, IHTMLInputElement* candidate,
    const std::function<std::optional<BoxRect>()>& locate) {
    ui::ComRef<IHTMLElement> active;
    Check(document->get_activeElement(active.Put()));
    if (!active) return std::nullopt;
    ui::ComRef<IHTMLInputElement> input =
        Query<IHTMLInputElement>(active.Get(), IID_IHTMLInputElement);
    if (!input || input.Get() != candidate) return std::nullopt;
    const std::optional<BoxRect> box = locate();
    if (!box) return std::nullopt;
    return FocusedPasswordInput{std::move(input), *box};
}

std::optional<FocusedPasswordInput> WalkForm(
    IHTMLDocument2* document, IHTMLFormElement* form,
    const std::function<std::optional<BoxRect>()>& locate) {
    long count = 0;
    Check(form->get_length(&count));
    for (long j = 0; j < count; ++j) {
        ui::ComRef<IDispatch> item = ItemAt(form, j);
        if (!item) continue;
        ui::ComRef<IHTMLElement> element = Cast<IHTMLElement>(item.Get(), IID_IHTMLElement);
        VARIANT_BOOL textEdit = VARIANT_FALSE;
        Check(element->get_isTextEdit(&textEdit));
        if (textEdit == VARIANT_FALSE) continue;
        ui::ComRef<IHTMLInputElement> input =
            Query<IHTMLInputElement>(element.Get(), IID_IHTMLInputElement);
        if (!input || !IsPasswordInput(input.Get())) continue;
        if (auto found = MatchActive(document, input.Get(), locate)) return found;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FocusedPasswordInput> FindFocusedPasswordInput(
    IHTMLDocument2* document, const std::function<std::optional<BoxRect>()>& locate) {
    try {
        ui::ComRef<IHTMLElementCollection> forms;
        Check(document->get_forms(forms.Put()));
        if (!forms) return std::nullopt;
        long count = 0;
        Check(forms->get_length(&count));
        for (long i = 0; i < count; ++i) {
            ui::ComRef<IDispatch> item = ItemAt(forms.Get(), i);
            if (!item) continue;
            ui::ComRef<IHTMLFormElement> form =
                Cast<IHTMLFormElement>(item.Get(), IID_IHTMLFormElement);
            if (auto found = WalkForm(document, form.Get(), locate)) return found;
        }
    } catch (const WalkFailed&) {
    }
    return std::nullopt;
}

}  // namespace korvalith
