// A stand-in for the HTML Help control, installed into a test prefix's system folder: it
// records what it is asked and makes one plain window per window type, as the control would.
#include <windows.h>

#include <map>
#include <string>

namespace {

constexpr UINT HH_DISPLAY_TOPIC = 0;
constexpr UINT HH_DISPLAY_TOC = 1;
constexpr UINT HH_GET_WIN_HANDLE = 6;
constexpr UINT HH_SYNC = 9;
constexpr char kDefaultType[] = "default_wnd";
constexpr char kWindowClass[] = "FakeHtmlHelpWindow";

std::string calls;
std::map<std::string, HWND> windows;

bool FileExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// "file.chm::/page.htm>type": the file, and the window type (the default one when none).
void SplitHelpTarget(const std::string& desc, std::string& file, std::string& type) {
    const size_t arrow = desc.find('>');
    type = arrow == std::string::npos ? kDefaultType : desc.substr(arrow + 1);
    file = desc.substr(0, std::min(arrow, desc.find("::")));
}

HWND WindowFor(const std::string& type) {
    auto it = windows.find(type);
    if (it != windows.end() && IsWindow(it->second)) return it->second;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, kWindowClass, ("fake " + type).c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                             300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    windows[type] = w;
    return w;
}

}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI
    HtmlHelpA(HWND caller, LPCSTR desc, UINT command, DWORD_PTR data) {
    const bool textData = command == HH_GET_WIN_HANDLE || command == HH_SYNC;
    calls += std::to_string(command) + "|" + (desc ? desc : "") + "|" +
             (textData && data ? reinterpret_cast<const char*>(data) : std::to_string(data)) +
             (caller == GetDesktopWindow() ? "" : "|not the desktop") + "\n";
    std::string file, type;
    SplitHelpTarget(desc ? desc : "", file, type);
    switch (command) {
        case HH_DISPLAY_TOPIC:
        case HH_DISPLAY_TOC: {
            if (!FileExists(file)) return nullptr;
            HWND w = WindowFor(type);
            ShowWindow(w, SW_SHOWNORMAL);
            return w;
        }
        case HH_GET_WIN_HANDLE: {
            auto it = windows.find(reinterpret_cast<const char*>(data));
            return it == windows.end() ? nullptr : it->second;
        }
        default:
            return nullptr;
    }
}

// For the test: the calls so far, one "command|file|data" line each, and a fresh start.
extern "C" __declspec(dllexport) const char* FakeHelpCalls() { return calls.c_str(); }
extern "C" __declspec(dllexport) void FakeHelpReset() { calls.clear(); }
