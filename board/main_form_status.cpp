// The main window's refresh: introduction, password line and status line; category and length
// changes; the reset before each showing.
#include "board/main_form.h"

#include "board/main_layout.h"
#include "core/derive.h"
#include "core/selection.h"
#include "core/wipe.h"

namespace board {

bool TMainForm::TargetPresent() const { return hooks_.targetPresent && hooks_.targetPresent(); }

int TMainForm::SelectedLengthClass() const {
    std::array<bool, 4> checked{};
    for (size_t i = 0; i < checked.size(); ++i) checked[i] = PassLenRadBtns[i]->Checked();
    return LengthClassFromChecks(checked);
}

// Setting a caption repaints its control: the timer refresh runs every 1.5 s, also hidden.
void TMainForm::SetTextIfChanged(ui::Control& control, const std::string& text) {
    std::string old = control.Caption();
    if (old != text) control.SetCaption(text);
    WipeString(old);
}

void TMainForm::UpdateStatus() {
    SetTextIfChanged(*InitLbl, IntroText(TargetPresent()));
    const int category = CurrentCategory();
    InitPanel->SetVisible(category < 0);
    Board->SetVisible(category >= 0 && category < kCategoryCount);
    const int count = SelectedCount();
    if (!PasswordExists(count)) {
        PasEdt->SetEnabled(false);
        SetTextIfChanged(*PasEdt, kSelectMoreText);
        CopyBtn->SetEnabled(false);
        InsBtn->SetEnabled(false);
        SetTextIfChanged(*StatusPanel, StatusSentence(count, false, 0));
        return;
    }
    PasEdt->SetEnabled(true);
    std::string password = DerivePassword(SelectionMap(), SelectedLengthClass());
    SetTextIfChanged(*PasEdt, password);
    const int length = static_cast<int>(password.size());
    WipeString(password);
    SetTextIfChanged(*StatusPanel, StatusSentence(count, ShowLength(), length));
    CopyBtn->SetEnabled(true);
    InsBtn->SetEnabled(true);
}

void TMainForm::SelectCategory(ui::Control& sender) {
    SetCurrentCategory(sender.Tag());
    UpdateStatus();
    Board->PaintNow();
}

void TMainForm::PassLenRadBtnClick(ui::Control& /*sender*/) {
    const auto lengthClass = static_cast<uint8_t>(SelectedLengthClass());
    if (hooks_.setStoredLengthClass) {
        hooks_.setStoredLengthClass(lengthClass);
    } else {
        ownLengthClass_ = lengthClass;
    }
    StatusAfterLengthChange(statusTimer_);
    UpdateStatus();
    if (hooks_.saveSettings) hooks_.saveSettings();
}

void TMainForm::OnBoardToggle() {
    StatusAfterPictureClick(statusTimer_);
    UpdateStatus();
}

void TMainForm::PrepareForShow() {
    const bool target = TargetPresent();
    CopyBtn->SetHeight(PasEdt->Height());
    InsBtn->SetCaption(InsertCaption(target));
    PasEdt->SetWidth(PasswordLineWidth(target, PasEdt->Left(), CopyBtn->Left(), CopyBtn->Width()));
    CopyBtn->SetVisible(target);
    ClearSelection();
    SetCurrentCategory(kNoCategory);
    UpdateStatus();
    for (int i = kCategoryCount - 1; i >= 0; --i) {
        if (CategoryButtons[i]->Down()) CategoryButtons[i]->SetDown(false);
    }
}

std::string TMainForm::PasswordText() const { return PasEdt->Text(); }

}  // namespace board
