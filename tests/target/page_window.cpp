// The browser page window of the target program.
#include "tests/target/page_window.h"

#include <oleacc.h>

namespace target_app {
namespace {

constexpr char kPageClass[] = "Internet Explorer_Server";
constexpr COLORREF kPageColour = RGB(236, 236, 236);
constexpr COLORREF kFieldColour = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = RGB(122, 122, 122);
// The caret stands this far inside the field's frame, so the top line is 4 rows above it.
constexpr int kCaretInset = 4;
constexpr int kCaretHeight = 14;

const std::vector<FieldLayout> kFields = {
    {"user", "text", 0, {20, 20, 220, 44}},
    {"pass1", "password", 0, {20, 60, 220, 84}},
    {"pass2", "password", 1, {20, 100, 240, 124}},
    {"loose", "password", -1, {20, 140, 220, 164}},
};

struct Page {
    PageOptions options;
    FakeDocument* document = nullptr;
};

Page* PageOf(HWND wnd) { return reinterpret_cast<Page*>(GetWindowLongPtrA(wnd, GWLP_USERDATA)); }

UINT HtmlGetObjectMsg() {
    static const UINT msg = RegisterWindowMessageA("WM_HTML_GETOBJECT");
    return msg;
}

void Paint(HWND wnd, Page& page) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    RECT client;
    GetClientRect(wnd, &client);
    HBRUSH pageBrush = CreateSolidBrush(kPageColour);
    HBRUSH fieldBrush = CreateSolidBrush(kFieldColour);
    HBRUSH frameBrush = CreateSolidBrush(kFrameColour);
    FillRect(dc, &client, pageBrush);
    for (const FakeField* f : page.document->Fields()) {
        const bool hidden = f == page.document->Active() && !page.options.draw_active_frame;
        if (hidden) continue;
        FillRect(dc, &f->Layout().frame, fieldBrush);
        FrameRect(dc, &f->Layout().frame, frameBrush);
    }
    DeleteObject(frameBrush);
    DeleteObject(fieldBrush);
    DeleteObject(pageBrush);
    EndPaint(wnd, &ps);
}

void PlaceCaret(HWND wnd, Page& page) {
    CreateCaret(wnd, nullptr, 1, kCaretHeight);
    POINT at{0, 0};
    if (!page.options.caret_at_origin && page.document->Active()) {
        const RECT& frame = page.document->Active()->Layout().frame;
        at = {frame.left + kCaretInset, frame.top + kCaretInset};
    }
    SetCaretPos(at.x, at.y);
    ShowCaret(wnd);
}

LRESULT CALLBACK PageProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    Page* page = PageOf(wnd);
    if (page && msg == HtmlGetObjectMsg())
        return LresultFromObject(IID_IHTMLDocument2, wp,
                                 static_cast<IHTMLDocument2*>(page->document));
    switch (msg) {
        case WM_PAINT:
            if (page) Paint(wnd, *page);
            return 0;
        case WM_SETFOCUS:
            if (page) PlaceCaret(wnd, *page);
            return 0;
        case WM_KILLFOCUS:
            DestroyCaret();
            return 0;
        case WM_NCDESTROY:
            if (page) {
                page->document->Release();
                delete page;
                SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
            }
            break;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

const std::vector<FieldLayout>& PageFields() { return kFields; }

HWND CreatePageWindow(HWND parent, const PageOptions& options,
                      std::function<void(const FakeField&)> changed) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PageProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    wc.lpszClassName = kPageClass;
    RegisterClassA(&wc);
    auto* page = new Page{options, nullptr};
    page->document = new FakeDocument(
        kFields, options.active.empty() ? nullptr : options.active.c_str(), std::move(changed));
    RECT client;
    GetClientRect(parent, &client);
    return CreateWindowExA(0, kPageClass, "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                           client.bottom, parent, nullptr, wc.hInstance, page);
}

FakeDocument* PageDocument(HWND page) {
    Page* p = PageOf(page);
    return p ? p->document : nullptr;
}

}  // namespace target_app
