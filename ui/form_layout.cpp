// The control factory behind layout tables: one control class per kind.
#include "ui/bevel.h"
#include "ui/bitmap_button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/hot_key_field.h"
#include "ui/image_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/radio_button.h"

namespace ui {
namespace {

std::unique_ptr<Control> NewControl(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel:
            return std::make_unique<Panel>();
        case ControlKind::Label:
            return std::make_unique<Label>();
        case ControlKind::Edit:
            return std::make_unique<Edit>();
        case ControlKind::Memo:
            return std::make_unique<Memo>();
        case ControlKind::Button:
            return std::make_unique<Button>();
        case ControlKind::BitmapButton:
            return std::make_unique<BitmapButton>();
        case ControlKind::RadioButton:
            return std::make_unique<RadioButton>();
        case ControlKind::CheckBox:
            return std::make_unique<CheckBox>();
        case ControlKind::HotKey:
            return std::make_unique<HotKeyField>();
        case ControlKind::ListBox:
            return std::make_unique<ListBox>();
        case ControlKind::ComboBox:
            return std::make_unique<ComboBox>();
        case ControlKind::PageControl:
            return std::make_unique<PageControl>();
        case ControlKind::Page:
            return std::make_unique<Page>();
        case ControlKind::Bevel:
            return std::make_unique<BevelLine>();
        case ControlKind::Image:
            return std::make_unique<ImageBox>();
    }
    return std::make_unique<Panel>();
}

}  // namespace

Control* Form::MakeControl(const ControlSpec& desc) { return Adopt(NewControl(desc.kind)); }

}  // namespace ui
