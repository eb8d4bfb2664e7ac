// The Options dialog: the global hot key and the popup-button switch.
#include "shell/options_form.h"

#include <commctrl.h>

#include "shell/settings.h"
#include "ui/button.h"
#include "ui/dpi.h"
#include "ui/label.h"

namespace {

enum : int {
    kHotKeyLbl = 1,
    kHotKey,
    kHotkeyLbl2,
    kBevel1,
    kPopupWndLbl,
    kBevel2,
    kOKBtn,
    kCancelBtn,
    kPopupWndChk,
};

constexpr const char kCaption[] = "Korvalith Options";
constexpr const char kHotKeyText[] = "Korvalith Hot Key:";
constexpr const char kHotKeyHelp[] =
    "Whenever you need to enter a password in a software or a Web page, click in the password "
    "box, then press the above hot key to display Korvalith.";
constexpr const char kPopupWndCaption[] = "Display the Korvalith button next to\rpassword boxes";
constexpr const char kPopupWndHelp[] =
    "Korvalith will automatically detect most password boxes. When the above option is "
    "checked, and you click in a password box, Korvalith will display a small popup window "
    "next to that box. Click the popup window to display Korvalith. This is an alternative "
    "way to display Korvalith when you need to enter a password.";

using ui::ControlKind;
namespace flag = ui::flag;

// Tab order: hot key field, check box (made at run time, placed second), OK, Cancel.
constexpr ui::ControlSpec kLayout[] = {
    {ControlKind::Label, kHotKeyLbl, "HotKeyLbl", ui::kFormParent, 10, 10, 111, 13, kHotKeyText,
     0},
    {ControlKind::HotKey, kHotKey, "HotKey", ui::kFormParent, 10, 30, 200, 19, "", 0},
    {ControlKind::Label, kHotkeyLbl2, "HotkeyLbl2", ui::kFormParent, 10, 55, 297, 39, kHotKeyHelp,
     flag::kWordWrap},
    {ControlKind::Bevel, kBevel1, "Bevel1", ui::kFormParent, 10, 105, 300, 2, "", 0},
    {ControlKind::Label, kPopupWndLbl, "PopupWndLbl", ui::kFormParent, 10, 152, 300, 80, "",
     flag::kWordWrap},
    {ControlKind::Bevel, kBevel2, "Bevel2", ui::kFormParent, 10, 241, 300, 2, "", 0},
    {ControlKind::Button, kOKBtn, "OKBtn", ui::kFormParent, 150, 253, 75, 25, "OK",
     flag::kDefault},
    {ControlKind::Button, kCancelBtn, "CancelBtn", ui::kFormParent, 235, 253, 75, 25, "Cancel",
     flag::kCancel},
};

constexpr int kCheckLeft = 10, kCheckTop = 119, kCheckWidth = 300, kCheckHeight = 30;

}  // namespace

bool TCheckBoxEx::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                                  const std::string& caption, std::uint32_t flags, int id) {
    return ui::CheckBox::CreateWindowFor(parent, left, top, width, height, caption,
                                         flags | ui::flag::kMultiLine, id);
}

TOptionsForm::TOptionsForm() {
    ui::FormDesign design;
    design.caption = kCaption;
    design.client_width = 321;
    design.client_height = 286;
    design.border = ui::BorderStyle::Dialog;
    design.border_icons = ui::icon::kSystemMenu;
    design.position = ui::FormPosition::ScreenCenter;
    design.scaled = true;
    design.use_default_font_name = true;
    Create(design, kLayout);
    FormCreate();
}

TOptionsForm::~TOptionsForm() { Destroy(); }

void TOptionsForm::FormCreate() {
    // The label keeps the classic dialog face whatever the form's default font is.
    if (auto* label = Find<ui::Label>(kHotKeyLbl)) {
        label->SetFont(ui::FontSpec{"MS Sans Serif", Scale(-11), true});
    }
    hot_key_ = Find<ui::HotKeyField>(kHotKey);
    // No modifier, Shift alone and Alt alone are not accepted, and nothing is put in their place.
    hot_key_->SetRules(HKCOMB_NONE | HKCOMB_S | HKCOMB_A, 0);
    hot_key_->SetValue(Settings.HotKey);

    auto chk = std::make_unique<TCheckBoxEx>();
    chk->Create(Handle(), ui::ScaleToScreen(kCheckLeft), ui::ScaleToScreen(kCheckTop),
                ui::ScaleToScreen(kCheckWidth), ui::ScaleToScreen(kCheckHeight), kPopupWndCaption,
                0, kPopupWndChk);
    chk->SetName("PopupWndChk");
    chk->SetFontBold(true);
    popup_wnd_chk_ = Adopt(std::move(chk));
    if (Settings.PopupWnd) popup_wnd_chk_->SetChecked(true);
    // Second in the tab order, right after the hot key field.
    SetWindowPos(popup_wnd_chk_->Handle(), hot_key_->Handle(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    Find<ui::Label>(kPopupWndLbl)->SetCaption(kPopupWndHelp);

    auto* ok = Find<ui::Button>(kOKBtn);
    ok->SetModalResult(ui::kMrOk);
    ok->OnClick = [this](ui::Control&) { OKBtnClick(); };
    Find<ui::Button>(kCancelBtn)->SetModalResult(ui::kMrCancel);
    SetActiveControl(hot_key_);
}

void TOptionsForm::OKBtnClick() {
    Settings.HotKey = hot_key_->Value();
    Settings.PopupWnd = popup_wnd_chk_->Checked();
    SaveOptions();
}

void ShowOptionsDialog() {
    TOptionsForm form;
    form.ShowModal();
}
