// The target program of the Wine tests: shows one kind of box in its own top-level window,
// gives it the focus and reports on stdout what the box holds.
//
//   target_app <kind> [limit=N] [text=INITIAL] [active=FIELD] [noframe] [caret0]
//
// Prints "ready top=<hex> box=<hex>" once the box has the focus, "box <kind> = <text>" when the
// box's text changes or the registered message "KorvalithTargetAppReport" arrives, and
// "field <name> = <value>" for the page's fields.
#include "tests/target/page_window.h"

#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kTopClass[] = "KorvalithTargetTop";
constexpr char kTypingClassText[] = "KorvalithTypingBox";
constexpr int kTopWidth = 400;
constexpr int kTopHeight = 240;
constexpr int kBoxId = 100;

enum class Box { Edit, Typing, Page, Plain };

struct Kind {
    const char* name;
    const char* top_class;  // null: the program's own top-level class
    const char* box_class;
    DWORD box_style;
    Box box;
    bool show_top = true;
    bool enabled = true;
};

constexpr DWORD kEditStyle = WS_BORDER | ES_AUTOHSCROLL;

const Kind kKinds[] = {
    {"edit", nullptr, "EDIT", kEditStyle, Box::Edit},
    {"multiline", nullptr, "EDIT", WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, Box::Edit},
    {"password", nullptr, "EDIT", kEditStyle | ES_PASSWORD, Box::Edit},
    {"limit", nullptr, "EDIT", kEditStyle, Box::Edit},
    {"richedit20w", nullptr, "RichEdit20W", WS_BORDER, Box::Edit},
    {"richedit50w", nullptr, "RICHEDIT50W", kEditStyle, Box::Edit},
    {"button", nullptr, "BUTTON", BS_PUSHBUTTON, Box::Plain},
    {"listbox", nullptr, "LISTBOX", WS_BORDER | LBS_NOTIFY, Box::Plain},
    {"opwindow-button", "OpWindow", "BUTTON", BS_PUSHBUTTON, Box::Plain},
    {"opwindow-listbox", "OpWindow", "LISTBOX", WS_BORDER | LBS_NOTIFY, Box::Plain},
    {"mozilla", nullptr, "MozillaWindowClass", 0, Box::Typing},
    {"webview", nullptr, "WebViewWindowClass", 0, Box::Typing},
    {"tray", "Shell_TrayWnd", "EDIT", kEditStyle, Box::Edit},
    {"desktop", "Progman", "EDIT", kEditStyle, Box::Edit},
    {"invisible", nullptr, "EDIT", kEditStyle, Box::Edit, false},
    {"disabled", nullptr, "EDIT", kEditStyle, Box::Edit, true, false},
    {"page", nullptr, "Internet Explorer_Server", 0, Box::Page},
};

struct Options {
    const Kind* kind = nullptr;
    int limit = -1;  // -1: leave the class's default limit
    std::string text;
    target_app::PageOptions page;
};

const Kind* FindKind(const char* name) {
    for (const Kind& k : kKinds)
        if (std::strcmp(k.name, name) == 0) return &k;
    return nullptr;
}

Options g_options;
HWND g_top = nullptr;
HWND g_box = nullptr;
std::string g_typed;  // the text of a typing box
UINT g_report_msg = 0;

void Print(const std::string& line) {
    const std::string out = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), DWORD(out.size()), &written, nullptr);
}

std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s.push_back(char(c));
    return s;
}

void ReportBox() {
    std::string text;
    if (g_options.kind->box == Box::Typing) {
        text = g_typed;
    } else {
        const int n = GetWindowTextLengthA(g_box);
        text.resize(size_t(n) + 1);
        GetWindowTextA(g_box, text.data(), n + 1);
        text.resize(size_t(n));
    }
    Print(std::string("box ") + g_options.kind->name + " = " + text);
}

void ReportField(const target_app::FakeField& f) {
    Print(std::string("field ") + f.Layout().name + " = " + Narrow(f.Value()));
}

void ReportAll() {
    if (g_options.kind->box != Box::Page) return ReportBox();
    for (const target_app::FakeField* f : target_app::PageDocument(g_box)->Fields())
        ReportField(*f);
}

// A box that keeps typed characters, as a browser's content window does, with a caret after
// the last one. It answers EM_GETLIMITTEXT with 0 (the default processing).
LRESULT CALLBACK TypingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CHAR:
            if (wp >= 32 && wp < 256) {
                g_typed.push_back(char(wp));
                ReportBox();
                InvalidateRect(wnd, nullptr, TRUE);
            }
            return 0;
        case WM_SETFOCUS:
            CreateCaret(wnd, nullptr, 1, 14);
            SetCaretPos(4, 4);
            ShowCaret(wnd);
            return 0;
        case WM_KILLFOCUS:
            DestroyCaret();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            TextOutA(dc, 4, 4, g_typed.c_str(), int(g_typed.size()));
            EndPaint(wnd, &ps);
            return 0;
        }
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

LRESULT CALLBACK TopProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == g_report_msg && g_report_msg != 0) {
        ReportAll();
        return 0;
    }
    switch (msg) {
        case WM_SETFOCUS:
            if (g_box) SetFocus(g_box);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kBoxId && HIWORD(wp) == EN_CHANGE) ReportBox();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

void RegisterClasses() {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = TopProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    for (const char* name : {kTopClass, "OpWindow", "Shell_TrayWnd", "Progman"}) {
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    wc.lpfnWndProc = TypingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    for (const char* name : {"MozillaWindowClass", "WebViewWindowClass", kTypingClassText}) {
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    // A class named with the capitals Windows gives msftedit's control: an edit underneath.
    WNDCLASSA edit{};
    GetClassInfoA(nullptr, "EDIT", &edit);
    edit.hInstance = inst;
    edit.lpszClassName = "RICHEDIT50W";
    RegisterClassA(&edit);
    LoadLibraryA("riched20.dll");
}

bool ParseOptions(int argc, char** argv) {
    if (argc < 2 || !(g_options.kind = FindKind(argv[1]))) return false;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("limit=", 0) == 0)
            g_options.limit = std::atoi(a.c_str() + 6);
        else if (a.rfind("text=", 0) == 0)
            g_options.text = a.substr(5);
        else if (a.rfind("active=", 0) == 0)
            g_options.page.active = a.substr(7);
        else if (a == "noframe")
            g_options.page.draw_active_frame = false;
        else if (a == "caret0")
            g_options.page.caret_at_origin = true;
        else
            return false;
    }
    return true;
}

void CreateBox() {
    const Kind& k = *g_options.kind;
    RECT client;
    GetClientRect(g_top, &client);
    if (k.box == Box::Page) {
        g_box = target_app::CreatePageWindow(g_top, g_options.page, ReportField);
        return;
    }
    g_box = CreateWindowExA(
        0, k.box_class, g_options.text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | k.box_style,
        20, 20, client.right - 40, k.box_style & ES_MULTILINE ? 100 : 24, g_top,
        reinterpret_cast<HMENU>(INT_PTR{kBoxId}), GetModuleHandleA(nullptr), nullptr);
    if (k.box == Box::Typing) g_typed = g_options.text;
    if (std::strcmp(k.box_class, "RichEdit20W") == 0)
        SendMessageA(g_box, EM_SETEVENTMASK, 0, ENM_CHANGE);
    if (g_options.limit >= 0) SendMessageA(g_box, EM_LIMITTEXT, WPARAM(g_options.limit), 0);
    if (k.box == Box::Plain && std::strcmp(k.box_class, "LISTBOX") == 0)
        SendMessageA(g_box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
}

}  // namespace

int main(int argc, char** argv) {
    if (!ParseOptions(argc, argv)) {
        Print("usage: target_app <kind> [limit=N] [text=T] [active=FIELD] [noframe] [caret0]");
        return 2;
    }
    CoInitialize(nullptr);
    // Held so that the marshaler does not read the page interfaces' library for every stub.
    constexpr GUID kMshtmlTypeLib = {
        0x3050F1C5, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
    ITypeLib* typelib = nullptr;
    if (g_options.kind->box == Box::Page)
        LoadRegTypeLib(kMshtmlTypeLib, 4, 0, LOCALE_NEUTRAL, &typelib);
    g_report_msg = RegisterWindowMessageA("KorvalithTargetAppReport");
    RegisterClasses();
    const Kind& k = *g_options.kind;
    g_top = CreateWindowExA(0, k.top_class ? k.top_class : kTopClass,
                            (std::string("Target ") + k.name).c_str(), WS_OVERLAPPEDWINDOW, 100,
                            100, kTopWidth, kTopHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    CreateBox();
    if (k.show_top) {
        ShowWindow(g_top, SW_SHOW);
        UpdateWindow(g_top);
    }
    SetForegroundWindow(g_top);
    SetFocus(g_box);
    if (!k.enabled) EnableWindow(g_top, FALSE);
    char ready[80];
    std::snprintf(ready, sizeof ready, "ready top=%llx box=%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(g_top)),
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(g_box)));
    Print(ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (typelib) typelib->Release();
    CoUninitialize();
    return 0;
}
