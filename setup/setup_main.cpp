// Entry of the setup program korvalith10: archive check, backdrop, wizard, then clean-up.
#include <windows.h>
#include <objbase.h>

#include "setup/attach_files.h"
#include "setup/dll_safety.h"
#include "setup/inst_utils.h"
#include "setup/main_frm.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    setup::RestrictDllSearchToSystem();
    OleInitialize(nullptr);
    setup::InitInstUtils();

    // The application object also installs the message dialog that every question uses.
    ui::Application& app = ui::Application::Instance();
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (icon) {
        app.SetIcon(icon);
    }
    app.SetTitle(setup::kSetupTitle);
    {
        setup::TAttachedFiles archive;
        if (!setup::SetupCorrupt) {
            setup::TMainForm backdrop(archive);
            app.SetMainForm(&backdrop);
            backdrop.ShowMaximized();
            app.Run();
            app.SetMainForm(nullptr);
        }
    }
    setup::ResetInstallLogState();
    OleUninitialize();
    return 0;
}
