// The backdrop: a one-shot timer opens the wizard from within the running message loop.
#include "setup/main_frm.h"

#include <windows.h>

#include "setup/inst_utils.h"
#include "setup/main_dlg.h"

namespace setup {
namespace {

constexpr COLORREF kBackdropColor = RGB(0, 144, 0);
constexpr UINT_PTR kWizardTimer = 1;
constexpr UINT kWizardDelayMs = 10;

}  // namespace

TMainForm::TMainForm(TAttachedFiles& archive) : archive_(archive) {
    ui::FormDesign design;
    design.caption = "";
    design.border = ui::BorderStyle::None;
    design.border_icons = 0;
    design.position = ui::FormPosition::Designed;
    design.color = kBackdropColor;
    Create(design);
    OnTimer = [this](ui::Form&, UINT_PTR id) {
        if (id == kWizardTimer) {
            RunWizard();
        }
    };
    SetTimer(Handle(), kWizardTimer, kWizardDelayMs, nullptr);
    EnableWindow(Handle(), FALSE);
}

TMainForm::~TMainForm() { Destroy(); }

void TMainForm::ShowMaximized() { ShowWindow(Handle(), SW_SHOWMAXIMIZED); }

void TMainForm::RunWizard() {
    KillTimer(Handle(), kWizardTimer);
    {
        TMainDlgForm wizard(archive_);
        wizard.ShowModal();
        if (InstallRan) {
            wizard.WriteRegistry();
            SaveInstallLog();
        }
    }
    Close();
}

}  // namespace setup
