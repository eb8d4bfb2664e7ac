// Access to the program's HTML Help file through the system's HTML Help control.
#pragma once

#include <windows.h>

#include <string>

class THelpManager {
  public:
    THelpManager();
    THelpManager(const THelpManager&) = delete;
    THelpManager& operator=(const THelpManager&) = delete;

    // Loads the control on first use (again after a failure) and checks that the help file
    // exists; tells the user what is missing and returns false otherwise.
    bool EnsureHelp();
    // The contents, maximised in the main help window.
    void ShowContents();
    // One page of the help file by its name inside it ("about.htm"), maximised.
    void ShowTopic(const std::string& page);
    // The default topic in the narrow introduction window, centred on the work area.
    void ShowIntroduction();

    const std::string& HelpFileName() const { return help_file_name_; }

  private:
    using HtmlHelpFn = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

    HWND HtmlHelp(const std::string& file, UINT command, DWORD_PTR data) const;
    HWND HelpWindow(const char* windowType) const;
    void HideIntroductionWindow() const;
    void ShowMaximized(HWND wnd) const;

    // Not freed when the manager goes: help windows of the control may still be open.
    HMODULE help_library_ = nullptr;
    HtmlHelpFn html_help_proc_ = nullptr;
    std::string help_file_name_;
};

// The one help manager, made on first use and kept until the program ends.
THelpManager& HelpManager();
