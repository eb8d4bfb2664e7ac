// The Options dialog: the global hot key and the popup-button switch.
#pragma once

#include <memory>

#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/hot_key_field.h"

// A check box whose caption breaks at its line breaks and sits at the top of the control.
class TCheckBoxEx : public ui::CheckBox {
protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

class TOptionsForm : public ui::Form {
public:
    TOptionsForm();
    ~TOptionsForm() override;

    ui::HotKeyField* HotKey() const { return hot_key_; }
    TCheckBoxEx* PopupWndChk() const { return popup_wnd_chk_; }

private:
    void FormCreate();
    void OKBtnClick();

    ui::HotKeyField* hot_key_ = nullptr;
    TCheckBoxEx* popup_wnd_chk_ = nullptr;
};

// Shows the dialog modally and destroys it when it closes.
void ShowOptionsDialog();
