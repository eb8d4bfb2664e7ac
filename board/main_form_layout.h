// The designed layout of the main window (96-dpi pixels, not scaled).
#pragma once

#include "ui/layout.h"

namespace board {

enum MainFormControl : int {
    kCatPanel = 1,
    kPassLen8,
    kPassLen11,
    kPassLen21,
    kPassLen33,
    kStatusPanel,
    kPasEdt,
    kCopyBtn,
    kInsBtn,
    kHelpBtn,
    kAboutBtn,
    kWebBtn,
    kOptionsBtn,
    kInitPanel,
    kInitLbl,
    kPassLenLbl,
    kPasLbl,
};

namespace layout {
using ui::ControlKind;
namespace f = ui::flag;
constexpr std::uint32_t kBevelRaisedLowered = f::kInnerRaised | f::kOuterLowered;

constexpr ui::ControlSpec kMainForm[] = {
    {ControlKind::Panel, kCatPanel, "CatPanel", ui::kFormParent, 2, 2, 81, 452, "",
     kBevelRaisedLowered},
    {ControlKind::RadioButton, kPassLen8, "PassLen_8_10_RadBtn", ui::kFormParent, 234, 462, 51, 17,
     "8..10", 0},
    {ControlKind::RadioButton, kPassLen11, "PassLen_11_20_RadBtn", ui::kFormParent, 286, 462, 55,
     17, "11..20", 0},
    {ControlKind::RadioButton, kPassLen21, "PassLen_21_32_RadBtn", ui::kFormParent, 343, 462, 55,
     17, "21..32", 0},
    {ControlKind::RadioButton, kPassLen33, "PassLen_33_64_RadBtn", ui::kFormParent, 399, 462, 55,
     17, "33..64", 0},
    {ControlKind::Panel, kStatusPanel, "StatusPanel", ui::kFormParent, 467, 460, 194, 19, "",
     kBevelRaisedLowered | f::kAlignLeft},
    {ControlKind::Edit, kPasEdt, "PasEdt", ui::kFormParent, 158, 483, 503, 21, "", f::kReadOnly},
    {ControlKind::BitmapButton, kCopyBtn, "CopyBtn", ui::kFormParent, 637, 483, 24, 22, "",
     f::kShowHint},
    {ControlKind::Button, kInsBtn, "InsBtn", ui::kFormParent, 665, 460, 70, 45, "", f::kDefault},
    {ControlKind::BitmapButton, kHelpBtn, "HelpBtn", ui::kFormParent, 2, 457, 26, 26, "",
     f::kShowHint},
    {ControlKind::BitmapButton, kAboutBtn, "AboutBtn", ui::kFormParent, 29, 457, 26, 26, "",
     f::kShowHint},
    {ControlKind::BitmapButton, kWebBtn, "WebBtn", ui::kFormParent, 56, 457, 26, 26, "",
     f::kShowHint},
    {ControlKind::BitmapButton, kOptionsBtn, "OptionsBtn", ui::kFormParent, 2, 484, 26, 26, "",
     f::kShowHint},
    {ControlKind::Panel, kInitPanel, "InitPanel", ui::kFormParent, 89, 2, 651, 451, "",
     f::kInnerLowered},
    {ControlKind::Label, kInitLbl, "InitLbl", kInitPanel, 45, 112, 576, 273, "", f::kTransparent},
    {ControlKind::Label, kPassLenLbl, "PassLenLbl", ui::kFormParent, 100, 463, 126, 13,
     "Required password length:", f::kAutoSize},
    {ControlKind::Label, kPasLbl, "PasLbl", ui::kFormParent, 100, 486, 49, 13,
     "Password:", f::kAutoSize},
};
}  // namespace layout

}  // namespace board
