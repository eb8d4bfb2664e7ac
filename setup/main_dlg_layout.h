// Layout of the setup wizard: controls, positions (96-dpi pixels) and parents.
#pragma once

#include "setup/wizard_texts.h"
#include "ui/layout.h"

namespace setup::dlg {

enum : int {
    kTopPanel = 1,
    kTopLbl,
    kLogoSmallImage,
    kLeftPanel,
    kLogoImage,
    kLeftBevel,
    kPgCtrl,
    kWelcomeTabSheet,
    kWelcomeLbl1,
    kWelcomeLbl2,
    kLicenseTabSheet,
    kLicenseLbl,
    kLicenseMemo,
    kLicenseRadBtn1,
    kLicenseRadBtn2,
    kDestDirTabSheet,
    kDestDirLbl,
    kDestDirEdt,
    kDestDirLstBx,
    kDestDirCmbBx,
    kStartTabSheet,
    kStartLbl,
    kFinishTabSheet,
    kFinishLbl,
    kBottomBevelPanel,
    kBottomBevel,
    kBottomPanel,
    kBackBtn,
    kNextBtn,
    kCancelBtn,
};

// The sheets in page order; their tags are the page numbers.
constexpr int kSheets[kPageCount] = {kWelcomeTabSheet, kLicenseTabSheet, kDestDirTabSheet,
                                     kStartTabSheet, kFinishTabSheet};

using ui::ControlKind;
namespace f = ui::flag;
constexpr int kForm = ui::kFormParent;

constexpr ui::ControlSpec kLayout[] = {
    {ControlKind::Panel, kTopPanel, "TopPanel", kForm, 0, 0, 492, 46, "",
     f::kInnerRaised | f::kOuterLowered},
    {ControlKind::Label, kTopLbl, "TopLbl", kTopPanel, 20, 14, 300, 18, "",
     f::kAutoSize | f::kTransparent},
    {ControlKind::Image, kLogoSmallImage, "LogoSmallImage", kTopPanel, 440, 6, 34, 34, "", 0},
    {ControlKind::Panel, kLeftPanel, "LeftPanel", kForm, 0, 46, 123, 301, "", 0},
    {ControlKind::Image, kLogoImage, "LogoImage", kLeftPanel, 1, 0, 120, 260, "", 0},
    {ControlKind::Bevel, kLeftBevel, "LeftBevel", kLeftPanel, 121, 0, 2, 301, "", 0},
    {ControlKind::PageControl, kPgCtrl, "PgCtrl", kForm, 120, 41, 375, 268, "", 0},
    {ControlKind::Page, kWelcomeTabSheet, "WelcomeTabSheet", kPgCtrl, 0, 0, 375, 268, "", 0},
    {ControlKind::Label, kWelcomeLbl1, "WelcomeLbl1", kWelcomeTabSheet, 12, 27, 349, 115,
     kWelcomeText, f::kWordWrap},
    {ControlKind::Label, kWelcomeLbl2, "WelcomeLbl2", kWelcomeTabSheet, 12, 170, 338, 70,
     kLegalNotice, f::kWordWrap},
    {ControlKind::Page, kLicenseTabSheet, "LicenseTabSheet", kPgCtrl, 0, 0, 375, 268, "", 0},
    {ControlKind::Label, kLicenseLbl, "LicenseLbl", kLicenseTabSheet, 12, 7, 300, 13, kLicenseLabel,
     f::kAutoSize},
    {ControlKind::Memo, kLicenseMemo, "LicenseMemo", kLicenseTabSheet, 12, 25, 345, 188, "",
     f::kReadOnly | f::kVScroll},
    {ControlKind::RadioButton, kLicenseRadBtn1, "LicenseRadBtn1", kLicenseTabSheet, 12, 218, 282,
     17, kAcceptLicense, f::kChecked},
    {ControlKind::RadioButton, kLicenseRadBtn2, "LicenseRadBtn2", kLicenseTabSheet, 12, 237, 302,
     17, kDeclineLicense, 0},
    {ControlKind::Page, kDestDirTabSheet, "DestDirTabSheet", kPgCtrl, 0, 0, 375, 268, "", 0},
    {ControlKind::Label, kDestDirLbl, "DestDirLbl", kDestDirTabSheet, 11, 7, 300, 13, kDestDirLabel,
     f::kAutoSize},
    {ControlKind::Edit, kDestDirEdt, "DestDirEdt", kDestDirTabSheet, 11, 26, 345, 21, "", 0},
    {ControlKind::ListBox, kDestDirLstBx, "DestDirLstBx", kDestDirTabSheet, 11, 48, 345, 174, "",
     f::kVScroll | f::kWantReturn},
    {ControlKind::ComboBox, kDestDirCmbBx, "DestDirCmbBx", kDestDirTabSheet, 11, 225, 345, 19, "",
     0},
    {ControlKind::Page, kStartTabSheet, "StartTabSheet", kPgCtrl, 0, 0, 375, 268, "", 0},
    {ControlKind::Label, kStartLbl, "StartLbl", kStartTabSheet, 11, 7, 345, 58, kStartText,
     f::kWordWrap},
    {ControlKind::Page, kFinishTabSheet, "FinishTabSheet", kPgCtrl, 0, 0, 375, 268, "", 0},
    {ControlKind::Label, kFinishLbl, "FinishLbl", kFinishTabSheet, 11, 7, 345, 150, kFinishText,
     f::kWordWrap},
    {ControlKind::Panel, kBottomBevelPanel, "BottomBevelPanel", kForm, 0, 306, 492, 2, "", 0},
    {ControlKind::Bevel, kBottomBevel, "BottomBevel", kBottomBevelPanel, 1, 0, 491, 2, "", 0},
    {ControlKind::Panel, kBottomPanel, "BottomPanel", kForm, 0, 307, 492, 44, "", 0},
    {ControlKind::Button, kBackBtn, "BackBtn", kBottomPanel, 210, 12, 85, 22, kBackCaption, 0},
    {ControlKind::Button, kNextBtn, "NextBtn", kBottomPanel, 295, 12, 85, 22, kNextCaption,
     f::kDefault},
    {ControlKind::Button, kCancelBtn, "CancelBtn", kBottomPanel, 392, 12, 85, 22, kCancelCaption,
     f::kCancel},
};

}  // namespace setup::dlg
