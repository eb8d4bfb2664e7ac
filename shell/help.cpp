// The help manager over "hhctrl.ocx", loaded at run time from the system folder.
#include "shell/help.h"

#include <shellapi.h>

#include "shell/help_placement.h"
#include "ui/message_seam.h"

namespace {

// Commands of the HTML Help interface.
constexpr UINT HH_DISPLAY_TOPIC = 0;
constexpr UINT HH_DISPLAY_TOC = 1;
constexpr UINT HH_GET_WIN_HANDLE = 6;
constexpr UINT HH_SYNC = 9;

constexpr char kControlName[] = "hhctrl.ocx";
constexpr char kEntryPoint[] = "HtmlHelpA";
constexpr char kMainWindowType[] = "default_wnd";
constexpr char kIntroWindowType[] = "simple_wnd";
constexpr char kHelpExt[] = ".chm";
constexpr char kDownloadPage[] = "https://www.microsoft.com/en-us/download/details.aspx?id=21138";

constexpr char kNoControlText[] =
    "Unable to initialize HTML Help Control. Possibly HTML Help Control is either not properly "
    "installed on your computer or not properly configured.\rWe recommend you visit our site for "
    "the latest version of HTML Help Control.\rDo you wish to download this latest version of "
    "HTML Help Control right now?";

std::string ProgramHelpFileName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    const size_t dot = name.rfind('.');
    const size_t slash = name.rfind('\\');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.resize(dot);
    return name + kHelpExt;
}

// The control from the system folder only: a bare name would also find a file of that name
// in the program's folder or the current folder.
std::string ControlPath() {
    char folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(folder) + "\\" + kControlName;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

RECT GetWorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace

THelpManager::THelpManager() : help_file_name_(ProgramHelpFileName()) {}

bool THelpManager::EnsureHelp() {
    using ui::MessageButton;
    if (!help_library_) {
        const std::string path = ControlPath();
        HMODULE library = path.empty() ? nullptr : LoadLibraryA(path.c_str());
        if (library) {
            html_help_proc_ = reinterpret_cast<HtmlHelpFn>(
                reinterpret_cast<void*>(GetProcAddress(library, kEntryPoint)));
            if (html_help_proc_)
                help_library_ = library;
            else
                FreeLibrary(library);
        }
    }
    if (!help_library_) {
        if (ui::AskUser(ui::MessageKind::Warning, kNoControlText,
                        MessageButton::Yes | MessageButton::No) == MessageButton::Yes)
            ShellExecuteA(nullptr, "open", kDownloadPage, nullptr, nullptr, SW_SHOWNORMAL);
        return false;
    }
    if (!FileExists(help_file_name_)) {
        ui::AskUser(ui::MessageKind::Warning,
                    "Cannot find the Help file\r\"" + help_file_name_ +
                        "\".\rYou might have to reinstall it.",
                    static_cast<unsigned>(MessageButton::Ok));
        return false;
    }
    return true;
}

HWND THelpManager::HtmlHelp(const std::string& file, UINT command, DWORD_PTR data) const {
    return html_help_proc_(GetDesktopWindow(), file.c_str(), command, data);
}

HWND THelpManager::HelpWindow(const char* windowType) const {
    return HtmlHelp(help_file_name_, HH_GET_WIN_HANDLE, reinterpret_cast<DWORD_PTR>(windowType));
}

void THelpManager::HideIntroductionWindow() const {
    HWND intro = HelpWindow(kIntroWindowType);
    if (intro && IsWindowVisible(intro)) ShowWindow(intro, SW_HIDE);
}

void THelpManager::ShowMaximized(HWND wnd) const { ShowWindow(wnd, SW_SHOWMAXIMIZED); }

void THelpManager::ShowContents() {
    if (!EnsureHelp()) return;
    HideIntroductionWindow();
    HtmlHelp(help_file_name_, HH_DISPLAY_TOC, 0);
    ShowMaximized(HelpWindow(kMainWindowType));
}

void THelpManager::ShowTopic(const std::string& page) {
    if (!EnsureHelp()) return;
    HideIntroductionWindow();
    const std::string topic = help_file_name_ + "::/" + page;
    HtmlHelp(topic, HH_DISPLAY_TOPIC, 0);
    HtmlHelp(help_file_name_ + ">" + kMainWindowType, HH_SYNC,
             reinterpret_cast<DWORD_PTR>(topic.c_str()));
    ShowMaximized(HelpWindow(kMainWindowType));
}

void THelpManager::ShowIntroduction() {
    if (!EnsureHelp()) return;
    HtmlHelp(help_file_name_ + ">" + kIntroWindowType, HH_DISPLAY_TOPIC, 0);
    const RECT area = GetWorkArea();
    const WindowPlace place = IntroWindowPlace({area.left, area.top, area.right, area.bottom});
    SetWindowPos(HelpWindow(kIntroWindowType), HWND_TOP, place.left, place.top, place.width,
                 place.height, SWP_SHOWWINDOW);
}

THelpManager& HelpManager() {
    static THelpManager manager;
    return manager;
}
