// The walk through a browser page's forms for its focused password field.
#pragma once

#include "target/caret_scan.h"
#include "ui/handles.h"

#include <windows.h>
#include <mshtml.h>

#include <functional>
#include <optional>

namespace korvalith {

struct FocusedPasswordInput {
    ui::ComRef<IHTMLInputElement> input;
    BoxRect rect;
};

// Looks at every element of every form for a text-edit input of type "password" that is the
// page's active element and whose box `locate` finds on screen. Any failing call, or a form
// or element without its interface, ends the walk with nothing found.
std::optional<FocusedPasswordInput> FindFocusedPasswordInput(
    IHTMLDocument2* document, const std::function<std::optional<BoxRect>()>& locate);

}  // namespace korvalith
