// Memo: multi-line edit with text loaded from a file.
#include "ui/memo.h"

#include <fstream>
#include <iterator>

#include "ui/text.h"

namespace ui {

bool Memo::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                           const std::string& caption, std::uint32_t flags, int id) {
    want_return_ = (flags & flag::kWantReturn) != 0;
    DWORD style = BaseStyle(flags, true) | ES_MULTILINE | ES_AUTOVSCROLL;
    if (flags & flag::kReadOnly) style |= ES_READONLY;
    if (flags & flag::kVScroll) style |= WS_VSCROLL;
    if (want_return_) style |= ES_WANTRETURN;
    return CreateStandard("EDIT", WS_EX_CLIENTEDGE, style, NormalizeLineBreaks(caption).c_str(),
                          left, top, width, height, parent, id);
}

void Memo::SetCaption(const std::string& text) { Control::SetCaption(NormalizeLineBreaks(text)); }

bool Memo::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    // A multi-line edit without a limit holds any file we show.
    SendMessageA(Handle(), EM_LIMITTEXT, 0, 0);
    SetCaption(text);
    return true;
}

bool Memo::Empty() const { return GetWindowTextLengthA(Handle()) == 0; }

int Memo::LineCount() const {
    if (Empty()) return 0;
    return static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
}

}  // namespace ui
