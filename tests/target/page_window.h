// The target program's browser page: an "Internet Explorer_Server" window that draws its
// fields, holds a caret in the focused one and hands out its document.
#pragma once

#include "tests/target/fake_page.h"

#include <windows.h>

#include <string>

namespace target_app {

struct PageOptions {
    std::string active = "pass2";   // the focused field's name, empty for none
    bool draw_active_frame = true;  // false: the focused field's frame is not drawn
    bool caret_at_origin = false;   // the caret stands at (0, 0) of the window
};

// The fields as the page lays them out, in client pixels of the page window.
const std::vector<FieldLayout>& PageFields();

// Registers the class and makes the page as a child filling `parent`.
HWND CreatePageWindow(HWND parent, const PageOptions& options,
                      std::function<void(const FakeField&)> changed);

// The page's document, for reports.
FakeDocument* PageDocument(HWND page);

}  // namespace target_app
