// The main window's password line, status line, length classes, keys, copy and layout.
#include <string>

#include "board/clipboard.h"
#include "board/status_line.h"
#include "core/derive.h"
#include "core/selection.h"
#include "main_form_fixture.h"
#include "ui/keys.h"

namespace board::test {
namespace {

using MainWindowTest = MainFormTest;

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The DWORD a registered clipboard format holds, or -1 when it is absent.
long long ClipboardDword(const char* formatName) {
    long long value = -1;
    const UINT format = RegisterClipboardFormatA(formatName);
    if (!OpenClipboard(nullptr)) return value;
    if (HANDLE data = GetClipboardData(format)) {
        if (const DWORD* p = static_cast<const DWORD*>(GlobalLock(data))) {
            value = *p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return value;
}

TEST_F(MainWindowTest, FourPicturesMakeThePasswordThreeDoNot) {
    PressCategory(0);
    Press(0, 0);
    Press(1, 0);
    PressCategory(5);
    Press(7, 7);
    EXPECT_FALSE(form_->PasEdt->Enabled());
    EXPECT_FALSE(form_->CopyBtn->Enabled());
    EXPECT_FALSE(form_->InsBtn->Enabled());
    EXPECT_EQ(form_->PasEdt->Text(), kSelectMoreText);
    EXPECT_EQ(form_->StatusPanel->Caption(), " Pictures selected: 3");
    // Even with the length sentence due, three pictures show the count.
    SetShowLength(true);
    form_->UpdateStatus();
    EXPECT_EQ(form_->StatusPanel->Caption(), " Pictures selected: 3");

    Press(3, 2);
    EXPECT_TRUE(form_->PasEdt->Enabled());
    EXPECT_TRUE(form_->CopyBtn->Enabled());
    EXPECT_TRUE(form_->InsBtn->Enabled());
    EXPECT_EQ(form_->PasEdt->Text(), DerivePassword(SelectionMap(), form_->SelectedLengthClass()));
    EXPECT_EQ(form_->StatusPanel->Caption(), " Pictures selected: 4");
    // Switching categories keeps the selection and the sentence.
    PressCategory(0);
    EXPECT_EQ(SelectedCount(), 4);
    EXPECT_TRUE(form_->PasEdt->Enabled());
}

TEST_F(MainWindowTest, LengthClassChangeShowsTheLengthAndSavesTheSettings) {
    PressCategory(6);
    for (int column = 0; column < 5; ++column) Press(column, 3);
    for (int radio : {0, 1, 2, 3}) {
        const int saves = log_.saves;
        form_->PassLenRadBtns[radio]->SetChecked(true);
        EXPECT_EQ(log_.saves, saves + 1) << radio;
        EXPECT_EQ(log_.storedClass, radio);
        EXPECT_EQ(form_->SelectedLengthClass(), radio);
        const std::string password = form_->PasEdt->Text();
        EXPECT_EQ(password, DerivePassword(SelectionMap(), radio));
        const LengthRange range = kLengthClasses[radio];
        EXPECT_GE(static_cast<int>(password.size()), range.min);
        EXPECT_LE(static_cast<int>(password.size()), range.max);
        EXPECT_EQ(form_->StatusPanel->Caption(),
                  " Actual password length: " + std::to_string(password.size()));
    }
    // The status timer alternates the sentences.
    SendMessageA(form_->Handle(), WM_TIMER, kStatusTimerId, 0);
    EXPECT_EQ(form_->StatusPanel->Caption(), " Pictures selected: 5");
    SendMessageA(form_->Handle(), WM_TIMER, kStatusTimerId, 0);
    EXPECT_NE(form_->StatusPanel->Caption().find("length"), std::string::npos);
    // A picture click brings the count first.
    Press(7, 0);
    EXPECT_EQ(form_->StatusPanel->Caption(), " Pictures selected: 6");
}

TEST_F(MainWindowTest, EscapeClosesOnlyWithoutModifiersAndF1OpensHelp) {
    EXPECT_FALSE(form_->FormKeyDown(VK_ESCAPE, ui::kCtrl));
    EXPECT_FALSE(form_->FormKeyDown(VK_ESCAPE, ui::kShift | ui::kAlt));
    EXPECT_TRUE(form_->Visible());
    const int help = log_.helpShown;
    EXPECT_FALSE(form_->FormKeyDown(VK_F1, ui::kCtrl));
    EXPECT_EQ(log_.helpShown, help);
    PostMessageA(form_->PasEdt->Handle(), WM_KEYDOWN, VK_F1, 0);
    Pump();
    EXPECT_EQ(log_.helpShown, help + 1);
    // A real key message through the loop's key preview.
    PostMessageA(form_->PasEdt->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(form_->Visible());
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
}

TEST_F(MainWindowTest, CopyButtonPutsThePasswordOnTheClipboard) {
    PressCategory(3);
    for (int row = 0; row < 4; ++row) Press(row, row);
    form_->ButtonClick(*form_->CopyBtn);
    EXPECT_EQ(ClipboardText(), form_->PasEdt->Text());
    EXPECT_EQ(ClipboardDword("ExcludeClipboardContentFromMonitorProcessing"), 0);
    EXPECT_EQ(ClipboardDword("CanIncludeInClipboardHistory"), 0);
    EXPECT_TRUE(form_->Visible());
    EXPECT_FALSE(form_->CopyBtn->Focused());
}

TEST_F(MainWindowTest, PreparationFollowsThePresenceOfATargetBox) {
    struct Case {
        bool target;
        const char* caption;
        bool copyShown;
        int pasWidth;
    };
    const Case cases[] = {{true, "Insert", true, 477}, {false, "Copy", false, 503}};
    for (const Case& c : cases) {
        log_.target = c.target;
        PressCategory(1);
        Press(2, 2);
        form_->PrepareForShow();
        EXPECT_EQ(form_->InsBtn->Caption(), c.caption);
        EXPECT_EQ(form_->CopyBtn->Visible(), c.copyShown);
        EXPECT_EQ(form_->PasEdt->Width(), c.pasWidth);
        EXPECT_EQ(form_->CopyBtn->Height(), form_->PasEdt->Height());
        EXPECT_EQ(form_->InitLbl->Caption(), IntroText(c.target));
        EXPECT_EQ(SelectedCount(), 0);
        EXPECT_EQ(CurrentCategory(), kNoCategory);
    }
    log_.target = false;
}

TEST_F(MainWindowTest, TheDesignedLayoutOnALargeScreen) {
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    EXPECT_EQ(client.right, 743);
    EXPECT_EQ(client.bottom, 511);
    EXPECT_EQ(form_->Board->Left(), 89);
    EXPECT_EQ(form_->Board->Width(), 651);
    EXPECT_EQ(form_->Board->Height(), 451);
    EXPECT_EQ(form_->CategoryButtons[7]->Top(), 56 * 7 + 3);
    EXPECT_EQ(form_->CategoryButtons[7]->Width(), 74);
    EXPECT_EQ(form_->CategoryButtons[3]->Caption(), "Characters");
    EXPECT_EQ(form_->Caption(), "Korvalith");
}

// A window built from a stored class: normalised, selected, saved once.
TEST(MainWindowConstruction, SelectsAndSavesTheStoredLengthClass) {
    struct Case {
        uint8_t stored;
        int selected;
    };
    for (const Case& c : {Case{1, 1}, Case{7, 3}, Case{0, 0}}) {
        HookLog log;
        log.storedClass = c.stored;
        TMainForm form(RecordingHooks(log));
        EXPECT_EQ(log.saves, 1) << int(c.stored);
        EXPECT_EQ(log.storedClass, c.selected);
        EXPECT_TRUE(form.PassLenRadBtns[c.selected]->Checked());
        EXPECT_EQ(form.SelectedLengthClass(), c.selected);
    }
}

}  // namespace
}  // namespace board::test
