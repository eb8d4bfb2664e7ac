// Forms built from layout tables: placement, Enter/Escape, radio groups, modal results and
// the message dialog, run under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/ui_test_support.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/message_dialog.h"
#include "ui/panel.h"
#include "ui/radio_button.h"

namespace {

using ui::ControlKind;
namespace flag = ui::flag;

enum : int { kPanel = 1, kInnerLbl, kNameEdt, kRadA, kRadB, kRadC, kRadOther, kOkBtn, kCancelBtn };

constexpr ui::ControlSpec kLayout[] = {
    {ControlKind::Panel, kPanel, "SidePanel", ui::kFormParent, 2, 2, 81, 120, "",
     flag::kInnerRaised | flag::kOuterLowered},
    {ControlKind::Label, kInnerLbl, "InnerLbl", kPanel, 5, 10, 60, 13, "Inner", flag::kTransparent},
    {ControlKind::Edit, kNameEdt, "NameEdt", ui::kFormParent, 90, 10, 120, 21, "", 0},
    {ControlKind::RadioButton, kRadA, "ARadBtn", ui::kFormParent, 90, 40, 50, 17, "A", 0},
    {ControlKind::RadioButton, kRadB, "BRadBtn", ui::kFormParent, 90, 60, 50, 17, "B", 0},
    {ControlKind::RadioButton, kRadC, "CRadBtn", ui::kFormParent, 90, 80, 50, 17, "C", 0},
    {ControlKind::RadioButton, kRadOther, "OtherRadBtn", kPanel, 5, 40, 60, 17, "O",
     flag::kChecked},
    {ControlKind::Button, kOkBtn, "OKBtn", ui::kFormParent, 150, 130, 75, 25, "OK", flag::kDefault},
    {ControlKind::Button, kCancelBtn, "CancelBtn", ui::kFormParent, 230, 130, 75, 25, "Cancel",
     flag::kCancel},
};

class TestForm : public ui::Form {
  public:
    TestForm() {
        ui::FormDesign d;
        d.caption = "Layout probe";
        d.client_width = 320;
        d.client_height = 170;
        Create(d, kLayout);
        Find<ui::Button>(kOkBtn)->OnClick = [this](ui::Control&) { ++ok_clicks; };
        Find<ui::Button>(kCancelBtn)->OnClick = [this](ui::Control&) { ++cancel_clicks; };
        for (int id : {kRadA, kRadB, kRadC, kRadOther})
            Find<ui::RadioButton>(id)->OnClick = [this](ui::Control& s) {
                radio_clicks.push_back(s.Id());
            };
    }
    int ok_clicks = 0;
    int cancel_clicks = 0;
    std::vector<int> radio_clicks;
};

TEST(FormLayout, CreatesEachControlAtItsDesignedPlaceAndParent) {
    TestForm form;
    ASSERT_NE(form.Handle(), nullptr);
    EXPECT_EQ(form.ClientWidth(), 320);
    EXPECT_EQ(form.ClientHeight(), 170);
    for (const ui::ControlSpec& desc : kLayout) {
        SCOPED_TRACE(desc.name);
        ui::Control* c = form.FindControl(desc.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(form.FindControl(desc.name), c);
        const RECT r = c->Bounds();
        EXPECT_EQ(r.left, desc.left);
        EXPECT_EQ(r.top, desc.top);
        EXPECT_EQ(r.right - r.left, desc.width);
        EXPECT_EQ(r.bottom - r.top, desc.height);
        HWND parent = desc.parent == ui::kFormParent ? form.Handle()
                                                     : form.FindControl(desc.parent)->Handle();
        EXPECT_EQ(GetParent(c->Handle()), parent);
        EXPECT_EQ(c->Caption(), desc.caption);
    }
    EXPECT_NE(form.Find<ui::Panel>(kPanel), nullptr);
    EXPECT_EQ(form.Find<ui::Panel>(kNameEdt), nullptr);  // an edit is no panel
    EXPECT_EQ(form.DefaultButton(), form.Find<ui::Button>(kOkBtn));
    EXPECT_EQ(form.CancelButton(), form.Find<ui::Button>(kCancelBtn));
}

TEST(FormKeys, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    struct Case {
        const char* what;
        int focus;
        WPARAM key;
        bool preview_consumes;
        int ok, cancel;
    };
    const Case kCases[] = {
        {"Enter in the edit", kNameEdt, VK_RETURN, false, 1, 0},
        {"Escape in the edit", kNameEdt, VK_ESCAPE, false, 0, 1},
        {"Enter on a focused push button presses that one", kCancelBtn, VK_RETURN, false, 0, 1},
        {"Escape on the default button", kOkBtn, VK_ESCAPE, false, 0, 1},
        {"key preview consumes Enter", kNameEdt, VK_RETURN, true, 0, 0},
        {"other keys press nothing", kNameEdt, 'A', false, 0, 0},
    };
    TestForm form;
    form.Show();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        form.ok_clicks = form.cancel_clicks = 0;
        form.SetKeyPreview(c.preview_consumes);
        form.OnKeyDown = [&](ui::Form&, WORD key, unsigned) { return key == c.key; };
        HWND target = form.FindControl(c.focus)->Handle();
        SetFocus(target);
        MSG msg{target, WM_KEYDOWN, c.key, 1, GetTickCount(), {}};
        ui::Application::Instance().ProcessMessage(msg);
        ui_test::Pump(20);
        EXPECT_EQ(form.ok_clicks, c.ok);
        EXPECT_EQ(form.cancel_clicks, c.cancel);
    }
}

TEST(RadioButton, CheckingInCodeClicksOnceAndUnchecksSiblingsOnly) {
    TestForm form;
    auto* a = form.Find<ui::RadioButton>(kRadA);
    auto* b = form.Find<ui::RadioButton>(kRadB);
    auto* c = form.Find<ui::RadioButton>(kRadC);
    auto* other = form.Find<ui::RadioButton>(kRadOther);
    EXPECT_TRUE(other->Checked());  // checked by its layout flag, without a click
    EXPECT_TRUE(form.radio_clicks.empty());

    a->SetChecked(true);
    EXPECT_EQ(form.radio_clicks, std::vector<int>{kRadA});
    b->SetChecked(true);
    EXPECT_EQ(form.radio_clicks, (std::vector<int>{kRadA, kRadB}));
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(SendMessageA(a->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(other->Checked());  // another parent, another group

    b->SetChecked(true);  // already checked: no click
    EXPECT_EQ(form.radio_clicks.size(), 2u);

    form.Show();
    SendMessageA(c->Handle(), BM_CLICK, 0, 0);  // as the user clicks
    EXPECT_EQ(form.radio_clicks, (std::vector<int>{kRadA, kRadB, kRadC}));
    EXPECT_TRUE(c->Checked());
    EXPECT_FALSE(b->Checked());
}

enum : int { kPages = 1, kPage0, kPage1, kPage0Lbl, kPage1Memo };
constexpr ui::ControlSpec kPagedLayout[] = {
    {ControlKind::PageControl, kPages, "PgCtrl", ui::kFormParent, 10, 10, 200, 150, "", 0},
    {ControlKind::Page, kPage0, "FirstTabSheet", kPages, 0, 0, 0, 0, "", 0},
    {ControlKind::Page, kPage1, "SecondTabSheet", kPages, 0, 0, 0, 0, "", 0},
    {ControlKind::Label, kPage0Lbl, "FirstLbl", kPage0, 5, 5, 150, 40, "one\rtwo", flag::kWordWrap},
    {ControlKind::Memo, kPage1Memo, "TextMemo", kPage1, 5, 5, 180, 100, "",
     flag::kReadOnly | flag::kVScroll},
};

TEST(PageControl, ShowsExactlyOnePageAndMemoLoadsAFile) {
    ui::Form form;
    ui::FormDesign d;
    d.client_width = 220;
    d.client_height = 170;
    form.Create(d, kPagedLayout);
    auto* pages = form.Find<ui::PageControl>(kPages);
    auto* first = form.Find<ui::Page>(kPage0);
    auto* second = form.Find<ui::Page>(kPage1);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(second->PageIndex(), 1);
    EXPECT_EQ(second->Width(), 200);  // a page fills its container
    pages->SetActivePageIndex(1);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(pages->ActivePageIndex(), 1);

    // "\r" breaks the label's line; the caption reads back as given.
    auto* label = form.Find<ui::Label>(kPage0Lbl);
    EXPECT_EQ(label->Caption(), "one\rtwo");
    char shown[32] = {};
    GetWindowTextA(label->Handle(), shown, sizeof shown);
    EXPECT_STREQ(shown, "one\r\ntwo");

    auto* memo = form.Find<ui::Memo>(kPage1Memo);
    EXPECT_TRUE(memo->Empty());
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    lstrcatA(path, "ui_memo_probe.txt");
    HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, "first\nsecond\nthird", 18, &written, nullptr);
    CloseHandle(f);
    EXPECT_TRUE(memo->LoadFromFile(path));
    EXPECT_EQ(memo->LineCount(), 3);
    DeleteFileA(path);
    EXPECT_FALSE(memo->LoadFromFile(path));
    EXPECT_EQ(memo->LineCount(), 3);  // a failed load leaves the text
}

// The timer procedure of the modal tests presses this button while its form is shown.
HWND g_press = nullptr;
bool g_owner_was_disabled = false;
HWND g_owner = nullptr;

void CALLBACK PressButton(HWND, UINT, UINT_PTR id, DWORD) {
    if (g_owner) g_owner_was_disabled = !IsWindowEnabled(g_owner);
    if (g_press && IsWindowVisible(g_press)) SendMessageA(g_press, BM_CLICK, 0, 0);
}

TEST(FormModal, ReturnsTheResultOfThePressedButtonOnceTheCloseQueryAgrees) {
    struct Case {
        const char* what;
        int press;
        int vetoes;
        int expected;
    };
    const Case kCases[] = {
        {"OK", kOkBtn, 0, ui::kMrOk},
        {"Cancel", kCancelBtn, 0, ui::kMrCancel},
        {"OK after one vetoed close", kOkBtn, 1, ui::kMrOk},
    };
    TestForm owner;
    owner.Show();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        TestForm dialog;
        dialog.Find<ui::Button>(kOkBtn)->SetModalResult(ui::kMrOk);
        dialog.Find<ui::Button>(kCancelBtn)->SetModalResult(ui::kMrCancel);
        int queries = 0;
        dialog.OnCloseQuery = [&](ui::Form&) { return ++queries > c.vetoes; };
        g_press = dialog.FindControl(c.press)->Handle();
        g_owner = owner.Handle();
        g_owner_was_disabled = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, PressButton);
        const int result = dialog.ShowModal();
        KillTimer(nullptr, timer);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(queries, c.vetoes + 1);
        EXPECT_FALSE(dialog.Visible());
        EXPECT_TRUE(g_owner_was_disabled);
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    }
    g_press = g_owner = nullptr;
}

// What the message dialog test's timer saw and does.
struct DialogProbe {
    std::string caption;
    std::string press;  // a button caption, or "" to press Escape
    std::vector<std::string> buttons;
    bool done = false;
};
DialogProbe g_probe;

BOOL CALLBACK CollectButton(HWND wnd, LPARAM) {
    char cls[32] = {}, text[64] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) {
        GetWindowTextA(wnd, text, sizeof text);
        g_probe.buttons.push_back(text);
    }
    return TRUE;
}

BOOL CALLBACK PressNamed(HWND wnd, LPARAM) {
    char text[64] = {};
    GetWindowTextA(wnd, text, sizeof text);
    if (g_probe.press == text) {
        SendMessageA(wnd, BM_CLICK, 0, 0);
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (g_probe.done) return;
    HWND dlg = FindWindowA("KorvalithMessageDialog", g_probe.caption.c_str());
    if (!dlg || !IsWindowVisible(dlg)) return;
    g_probe.done = true;
    EnumChildWindows(dlg, CollectButton, 0);
    if (g_probe.press.empty())
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    else
        EnumChildWindows(dlg, PressNamed, 0);
}

TEST(MessageDialog, ShowsNoAndAbortAndReturnsThePressedOne) {
    using B = ui::MessageButton;
    struct Case {
        const char* press;
        B expected;
    };
    const Case kCases[] = {{"&Abort", B::Abort}, {"&No", B::No}, {"", B::No}};
    ui::Application::Instance();  // installs the real dialog as the seam
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.press);
        g_probe = DialogProbe{"Quit setup?", c.press, {}, false};
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerDialog);
        const B answer = ui::AskUser(ui::MessageKind::Confirmation,
                                     "Setup is not complete.\rTo quit, click Abort.",
                                     B::No | B::Abort, B::None, B::No, "Quit setup?");
        KillTimer(nullptr, timer);
        EXPECT_TRUE(g_probe.done);
        EXPECT_EQ(g_probe.buttons, (std::vector<std::string>{"&No", "&Abort"}));
        EXPECT_EQ(answer, c.expected);
    }
}

}  // namespace
