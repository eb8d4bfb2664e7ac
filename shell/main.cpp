// Entry point of the password program: the uninstaller, a silent second copy, or the hidden
// main window with its tray icon until the program is told to end.
#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "board/board_bitmaps.h"
#include "board/main_form.h"
#include "resources/resource_ids.h"
#include "shell/command_line.h"
#include "shell/help.h"
#include "shell/instance.h"
#include "shell/main_hooks.h"
#include "shell/settings.h"
#include "shell/uninstall.h"
#include "shell/windows_version.h"
#include "target/activation.h"
#include "ui/application.h"
#include "ui/font.h"

namespace {

constexpr char kUninstallTitle[] = "Uninstall Korvalith";

// The utility layer's start: version flags, default font name, close message.
void InitUtilities() {
    InitWindowsVersion();
    ui::SetDefaultFontName(DefaultUiFontName());
    CloseRequestMsg();
}

StartMode ModeFromCommandLine() {
    std::vector<std::string_view> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    return StartModeFromArgs(args);
}

HICON ProgramIcon(int id) { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

int RunNormally(StartMode mode) {
    ui::Application& app = ui::Application::Instance();
    LoadOptions();
    // Read before the main window's first save writes it back.
    const bool showIntro = Settings.ShowIntro;

    korvalith::Activation activation(SettingsForActivation());
    board::TMainForm* form = nullptr;
    auto mainForm = std::make_unique<board::TMainForm>(MainWindowHooks(activation, form));
    form = mainForm.get();
    // The main form is never shown by the start: the program waits in the notification area.
    app.SetMainForm(form);
    app.SetIcon(ProgramIcon(KORVALITH_ICON_PROGRAM));
    if (mode == StartMode::Intro && showIntro) HelpManager().ShowIntroduction();
    const int exitCode = app.Run();
    app.SetMainForm(nullptr);
    form = nullptr;
    mainForm.reset();
    return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitUtilities();
    const StartMode mode = ModeFromCommandLine();
    if (mode == StartMode::Uninstall) {
        ui::Application& app = ui::Application::Instance();
        app.SetIcon(ProgramIcon(KORVALITH_ICON_UNINSTALL));
        app.SetTitle(kUninstallTitle);
        Uninstall();
        return 0;
    }
    if (FindRunningInstance()) return 0;
    // The board's shared scratch bitmap lives for the whole run, its image cache until the end.
    board::CreateScratchBitmap();
    const int exitCode = RunNormally(mode);
    board::FreeBoardBitmaps();
    return exitCode;
}
