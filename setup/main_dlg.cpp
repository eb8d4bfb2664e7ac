// The wizard's pages, their transitions, the install step and the registry entries.
#include "setup/main_dlg.h"

#include <windows.h>

#include "resources/resource_ids.h"
#include "setup/destination_rules.h"
#include "setup/inst_utils.h"
#include "setup/main_dlg_layout.h"
#include "setup/registry.h"
#include "setup/running_copies.h"
#include "ui/application.h"
#include "ui/image.h"
#include "ui/image_box.h"
#include "ui/message_seam.h"
#include "ui/panel.h"

namespace setup {
namespace {

constexpr uint8_t kNoPage = 255;
constexpr uint8_t kFinishPage = 4;
constexpr uint8_t kPastFinish = 5;
constexpr COLORREF kTopColor = RGB(255, 255, 255);
constexpr COLORREF kTitleColor = RGB(0, 0, 128);
constexpr int kTitleFontHeight = -15;
constexpr int kNoticeFontHeight = -9;
constexpr UINT kShowNormal = 5;

// The wait cursor for one scope.
class WaitCursor {
  public:
    WaitCursor() : old_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(old_); }

  private:
    HCURSOR old_;
};

}  // namespace

TMainDlgForm::TMainDlgForm(TAttachedFiles& archive) : archive_(archive) {
    ui::FormDesign design;
    design.caption = kSetupTitle;
    design.client_width = 492;
    design.client_height = 351;
    design.border = ui::BorderStyle::Single;
    design.border_icons = ui::icon::kSystemMenu;
    design.position = ui::FormPosition::ScreenCenter;
    Create(design, dlg::kLayout);

    TopLbl = Find<ui::Label>(dlg::kTopLbl);
    PgCtrl = Find<ui::PageControl>(dlg::kPgCtrl);
    LicenseMemo = Find<ui::Memo>(dlg::kLicenseMemo);
    LicenseRadBtn2 = Find<ui::RadioButton>(dlg::kLicenseRadBtn2);
    DestDirEdt = Find<ui::Edit>(dlg::kDestDirEdt);
    BackBtn = Find<ui::Button>(dlg::kBackBtn);
    NextBtn = Find<ui::Button>(dlg::kNextBtn);
    CancelBtn = Find<ui::Button>(dlg::kCancelBtn);

    // Creation: caption, the white top panel, logos, and the page numbers as sheet tags.
    if (auto* top = Find<ui::Panel>(dlg::kTopPanel)) {
        top->SetColor(kTopColor);
    }
    TopLbl->SetFont("Arial", kTitleFontHeight, true);
    TopLbl->SetTextColor(kTitleColor);
    Find<ui::Label>(dlg::kWelcomeLbl2)->SetFont("Arial", kNoticeFontHeight);
    Find<ui::ImageBox>(dlg::kLogoImage)->SetBitmap(ui::LoadBitmapResource(KORVALITH_SETUP_LOGO));
    Find<ui::ImageBox>(dlg::kLogoSmallImage)
        ->SetBitmap(ui::LoadBitmapResource(KORVALITH_SETUP_LOGO_SMALL));
    for (int page = 0; page < kPageCount; ++page) {
        FindControl(dlg::kSheets[page])->SetTag(page);
    }

    BackBtn->OnClick = [this](ui::Control&) { BackBtnClick(); };
    NextBtn->OnClick = [this](ui::Control&) { NextBtnClick(); };
    CancelBtn->OnClick = [this](ui::Control&) { CancelBtnClick(); };
    OnCloseQuery = [this](ui::Form&) { return FormCloseQuery(); };

    DestDirLstBx = std::make_unique<TDirectoryListBox>(*Find<ui::ListBox>(dlg::kDestDirLstBx));
    DestDirCmbBx = std::make_unique<TDriveComboBox>(*Find<ui::ComboBox>(dlg::kDestDirCmbBx));
    DestDirLstBx->OnChange = [this] {
        DestDirCmbBx->SetDrive(DestDirLstBx->Drive());
        DestDirLstBxChange();
    };
    DestDirCmbBx->OnChange = [this](char drive) { DestDirLstBx->SetDrive(drive); };

    // Default destination: the recorded folder, else under the program-files folder.
    const std::optional<std::string> mainDir =
        ReadRegString(HKEY_CURRENT_USER, kSettingsKey, kMainDirValue, true);
    const std::optional<std::string> programFiles =
        mainDir ? std::nullopt
                : ReadRegString(HKEY_LOCAL_MACHINE, kWindowsKey, kProgramFilesValue, false);
    DestDir = DefaultDestination(mainDir, programFiles);
    DestDirEdt->SetText(DestDir);
    DestDirLstBx->SetDirectory(DestDir);
    DestDirCmbBx->SetDrive(DestDirLstBx->Drive());

    GoToPage(kNoPage, 0);
    DirListReady = true;
}

TMainDlgForm::~TMainDlgForm() { Destroy(); }

int TMainDlgForm::VisiblePage() const {
    ui::Page* page = PgCtrl->ActivePage();
    return page ? page->Tag() : 0;
}

void TMainDlgForm::BackBtnClick() {
    const int page = VisiblePage();
    if (page > 0) {
        GoToPage(static_cast<uint8_t>(page), static_cast<uint8_t>(page - 1));
    }
}

void TMainDlgForm::NextBtnClick() {
    const int page = VisiblePage();
    GoToPage(static_cast<uint8_t>(page), static_cast<uint8_t>(page + 1));
}

void TMainDlgForm::CancelBtnClick() { Close(); }

bool TMainDlgForm::FormCloseQuery() {
    if (CanQuit) {
        return true;
    }
    const ui::MessageButton answer = ui::AskUser(ui::MessageKind::Confirmation, kQuitQuestion,
                                                 ui::MessageButton::No | ui::MessageButton::Abort,
                                                 ui::MessageButton::None, ui::MessageButton::No);
    if (answer == ui::MessageButton::Abort) {
        CanQuit = true;
        return true;
    }
    return false;
}

void TMainDlgForm::DestDirLstBxChange() {
    if (!DirListReady) {
        return;
    }
    DestDirEdt->SetText(ProposedDestination(DestDirLstBx->Directory()));
}

ui::Page* TMainDlgForm::FindPage(int page) const {
    for (int i = 0; i < PgCtrl->PageCount(); ++i) {
        if (PgCtrl->PageAt(i)->Tag() == page) {
            return PgCtrl->PageAt(i);
        }
    }
    return nullptr;
}

void TMainDlgForm::CloseWizard(int result) {
    CanQuit = true;
    SetModalResult(result);
}

bool TMainDlgForm::EnterLicensePage(uint8_t from) {
    if (from != 0 || !LicenseMemo->Empty()) {
        return true;
    }
    NextBtn->SetEnabled(false);
    CancelBtn->SetEnabled(false);
    bool extracted;
    std::string temp;
    {
        WaitCursor wait;
        SuspendLog();
        temp = MakeTempFileName();
        extracted = archive_.ExtractFile(nullptr, kLicenseFileName, temp);
        ResumeLog();
    }
    if (!extracted) {
        CloseWizard(ui::kMrCancel);
        return false;
    }
    LicenseMemo->LoadFromFile(temp);
    DeleteFileA(temp.c_str());
    return true;
}

bool TMainDlgForm::EnterDestinationPage(uint8_t from) {
    if (from != 1 || !LicenseRadBtn2->Checked()) {
        return true;
    }
    const ui::MessageButton answer = ui::AskUser(ui::MessageKind::Information, kDeclineQuestion,
                                                 ui::MessageButton::Yes | ui::MessageButton::No,
                                                 ui::MessageButton::Yes, ui::MessageButton::No);
    if (answer == ui::MessageButton::Yes) {
        CloseWizard(ui::kMrCancel);
    }
    return false;
}

void TMainDlgForm::GoToPage(uint8_t from, uint8_t to) {
    ui::Control* focus = nullptr;
    switch (to) {
        case 1:
            if (!EnterLicensePage(from)) {
                return;
            }
            focus = LicenseMemo;
            break;
        case 2:
            if (!EnterDestinationPage(from)) {
                return;
            }
            focus = DestDirEdt;
            break;
        case 3:
            if (from == 2) {
                DestDir = DestDirEdt->Text();
            }
            focus = NextBtn;
            break;
        case kFinishPage:
            // A copy that will not close keeps the wizard on the Ready page.
            if (!CloseRunningKorvalith()) {
                return;
            }
            break;
        case kPastFinish:
            WinExec(ProgramCommandLine(DestDir, "-intro").c_str(), kShowNormal);
            CloseWizard(ui::kMrOk);
            return;
        default:
            break;
    }

    BackBtn->SetVisible(to != 0);
    BackBtn->SetEnabled(to < kFinishPage);
    BackBtn->SetCaption(kBackCaption);
    NextBtn->SetEnabled(true);
    NextBtn->SetCaption(to == kFinishPage ? kFinishCaption : kNextCaption);
    CancelBtn->SetEnabled(to != kFinishPage);
    CancelBtn->SetCaption(kCancelCaption);
    if (to < kPageCount) {
        TopLbl->SetCaption(kPageTitles[to]);
    }
    PgCtrl->SetActivePage(FindPage(to));
    if (focus) {
        focus->SetFocus();
    } else {
        SetActiveControl(nullptr);
    }

    if (to == kFinishPage) {
        InstallStep();
    }
}

void TMainDlgForm::InstallStep() {
    BeginInstallLog(DestDir);
    archive_.ClearCopyList(0);
    archive_.ClearCopyList(1);
    archive_.QueueFiles(kProgramFileName, DestDir, 0, icIfDateDiffers);
    archive_.QueueFiles(kHelpFileName, DestDir, 1, icIfDateDiffers);
    if (archive_.CopyLists) {
        for (const auto& list : *archive_.CopyLists) {
            for (const TFileToInstall& item : list) {
                if (!item.Logged) {
                    SuspendLog();
                }
                const bool copied = archive_.ExtractFile(item.Entry, "", item.DestPath);
                if (!item.Logged) {
                    ResumeLog();
                }
                if (!copied) {
                    return;  // Abort: the rest and the shortcut are skipped
                }
            }
        }
    }
    const std::string startup =
        GetSpecialFolder(kCsidlStartup, ui::Application::Instance().Handle());
    if (!startup.empty()) {
        CreateShortcut(JoinPath(startup, kShortcutFileName), JoinPath(DestDir, kProgramFileName),
                       "", DestDir, "", 0);
    }
}

void TMainDlgForm::WriteRegistry() {
    WriteRegString(HKEY_CURRENT_USER, kSettingsKey, kMainDirValue, DestDir);
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Korvalith");
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString",
                   ProgramCommandLine(DestDir, "-ui"));
}

}  // namespace setup
