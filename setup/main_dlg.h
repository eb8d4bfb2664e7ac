// The setup wizard TMainDlgForm: Welcome, License, Destination, Ready and Finish pages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "setup/attach_files.h"
#include "setup/drive_list.h"
#include "setup/folder_list.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/radio_button.h"

namespace setup {

class TMainDlgForm : public ui::Form {
  public:
    explicit TMainDlgForm(TAttachedFiles& archive);
    ~TMainDlgForm() override;

    void BackBtnClick();
    void NextBtnClick();
    void CancelBtnClick();
    bool FormCloseQuery();
    void DestDirLstBxChange();
    void GoToPage(uint8_t from, uint8_t to);
    ui::Page* FindPage(int page) const;
    void WriteRegistry();

    std::string DestDir;
    bool CanQuit = false;
    bool DirListReady = false;

  private:
    int VisiblePage() const;
    // Each returns false when the transition ends there (the page stays).
    bool EnterLicensePage(uint8_t from);
    bool EnterDestinationPage(uint8_t from);
    void InstallStep();
    void CloseWizard(int result);

    TAttachedFiles& archive_;
    ui::Label* TopLbl = nullptr;
    ui::PageControl* PgCtrl = nullptr;
    ui::Memo* LicenseMemo = nullptr;
    ui::RadioButton* LicenseRadBtn2 = nullptr;
    ui::Edit* DestDirEdt = nullptr;
    ui::Button* BackBtn = nullptr;
    ui::Button* NextBtn = nullptr;
    ui::Button* CancelBtn = nullptr;
    std::unique_ptr<TDirectoryListBox> DestDirLstBx;
    std::unique_ptr<TDriveComboBox> DestDirCmbBx;
};

}  // namespace setup
