// Construction, window-handle work, timers and destruction of the main window.
#include "board/main_form.h"

#include "board/board_bitmaps.h"
#include "board/check_button_look.h"
#include "board/main_layout.h"
#include "board/main_form_layout.h"
#include "core/selection.h"
#include "resources/resource_ids.h"
#include "ui/application.h"

namespace board {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kNavy = 0x800000;
constexpr int kSmallIconSize = 16;
constexpr int kPopupBitmapSize = 16;

constexpr const char* kCopyHint = "Copy the password to the Windows clipboard";
constexpr const char* kHelpHint = "Help";
constexpr const char* kAboutHint = "About Korvalith";
constexpr const char* kWebHint = "Korvalith on the Web";

enum TrayMenuItem : int { kOptionsMenuItem = 1, kHelpMenuItem, kCloseMenuItem };

ui::FormDesign MainDesign() {
    ui::FormDesign d;
    d.caption = kMainCaption;
    d.client_width = kDesignedClientWidth;
    d.client_height = kDesignedClientHeight;
    d.border = ui::BorderStyle::Single;
    d.border_icons = ui::icon::kSystemMenu;
    d.position = ui::FormPosition::ScreenCenter;
    d.scaled = false;
    d.key_preview = true;
    d.font = ui::FontSpec{"MS Sans Serif", -11, false};
    d.use_default_font_name = true;
    return d;
}

void SetGlyph(ui::BitmapButton* button, const char* name, int images) {
    if (ui::BitmapHandle glyph = ui::LoadBitmapResource(name)) {
        button->SetGlyph(std::move(glyph), images);
    }
}

}  // namespace

TMainForm::TMainForm(MainFormHooks hooks) : hooks_(std::move(hooks)) {
    Create(MainDesign(), layout::kMainForm);
    SetCaption(kMainCaption);
    FindControls();
    DesignControls();
    FitSmallScreen();
    if (hooks_.installHotKey) hooks_.installHotKey(*this);
    SetCurrentCategory(kNoCategory);
    CatPanel->SetColor(kCategoryPanelColour);
    Board = Adopt(std::make_unique<TPaintPanel>());
    Board->Create(Handle(), kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight);
    Board->SetHoverColumn(-1);
    Board->OnToggle = [this] { OnBoardToggle(); };
    SelectStoredLengthClass();
    CreateCategoryButtons();
    ui::Application::Instance().SetTitle(kMainCaption);
    smallIcon_.Reset(static_cast<HICON>(
        LoadImageA(ui::Application::Instance().Module(), MAKEINTRESOURCEA(KORVALITH_ICON_PROGRAM),
                   IMAGE_ICON, kSmallIconSize, kSmallIconSize, LR_DEFAULTCOLOR)));
    popupBitmap_ = ui::DibSection::Create(kPopupBitmapSize, kPopupBitmapSize);
    BuildSysTrayMenu();
}

TMainForm::~TMainForm() {
    popupBitmap_ = ui::DibSection();
    smallIcon_.Reset();
    if (hooks_.destroying) hooks_.destroying(*this);
    // The handle work below must still reach this class's OnDestroyHandle.
    Destroy();
}

void TMainForm::FindControls() {
    CatPanel = Find<ui::Panel>(kCatPanel);
    PassLenRadBtns = {Find<ui::RadioButton>(kPassLen8), Find<ui::RadioButton>(kPassLen11),
                      Find<ui::RadioButton>(kPassLen21), Find<ui::RadioButton>(kPassLen33)};
    StatusPanel = Find<ui::Panel>(kStatusPanel);
    PasEdt = Find<ui::Edit>(kPasEdt);
    CopyBtn = Find<ui::BitmapButton>(kCopyBtn);
    InsBtn = Find<ui::Button>(kInsBtn);
    HelpBtn = Find<ui::BitmapButton>(kHelpBtn);
    AboutBtn = Find<ui::BitmapButton>(kAboutBtn);
    WebBtn = Find<ui::BitmapButton>(kWebBtn);
    OptionsBtn = Find<ui::BitmapButton>(kOptionsBtn);
    InitPanel = Find<ui::Panel>(kInitPanel);
    InitLbl = Find<ui::Label>(kInitLbl);
}

void TMainForm::DesignControls() {
    for (ui::RadioButton* radio : PassLenRadBtns) {
        radio->OnClick = [this](ui::Control& sender) { PassLenRadBtnClick(sender); };
    }
    StatusPanel->SetFont("Arial", -11, true);
    InsBtn->SetFont("Arial", -19, true);
    InsBtn->OnClick = [this](ui::Control& sender) { InsBtnClick(sender); };
    InitPanel->SetColor(kWhite);
    InitLbl->SetFont("Arial", -16, true);
    InitLbl->SetTextColor(kNavy);

    CopyBtn->SetHint(kCopyHint);
    HelpBtn->SetHint(kHelpHint);
    AboutBtn->SetHint(kAboutHint);
    WebBtn->SetHint(kWebHint);
    OptionsBtn->SetHint("Options");
    SetGlyph(CopyBtn, KORVALITH_GLYPH_COPY, 2);
    SetGlyph(HelpBtn, KORVALITH_GLYPH_HELP, 1);
    SetGlyph(AboutBtn, KORVALITH_GLYPH_ABOUT, 1);
    SetGlyph(WebBtn, KORVALITH_GLYPH_WEB, 1);
    SetGlyph(OptionsBtn, KORVALITH_GLYPH_OPTIONS, 1);
    for (ui::BitmapButton* button : {CopyBtn, HelpBtn, AboutBtn, WebBtn, OptionsBtn}) {
        button->SetShowHint(true);
        button->OnClick = [this](ui::Control& sender) { ButtonClick(sender); };
    }

    OnKeyDown = [this](ui::Form&, WORD key, unsigned shift) { return FormKeyDown(key, shift); };
    OnTimer = [this](ui::Form&, UINT_PTR id) { OnTimerTick(id); };
    OnClose = [this](ui::Form&, ui::CloseAction& action) {
        action = ui::CloseAction::Hide;
        if (hooks_.formClose) hooks_.formClose(*this, action);
    };
}

void TMainForm::FitSmallScreen() {
    if (!IsSmallScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Rect bounds = SmallScreenBounds({work.left, work.top, work.right, work.bottom});
    SetBorderStyle(ui::BorderStyle::Sizeable);
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
}

void TMainForm::SelectStoredLengthClass() {
    const uint8_t stored = hooks_.storedLengthClass ? hooks_.storedLengthClass() : ownLengthClass_;
    // Checking fires PassLenRadBtnClick, which stores the class and saves the settings.
    PassLenRadBtns[NormalizeStoredLengthClass(stored)]->SetChecked(true);
}

void TMainForm::CreateCategoryButtons() {
    const int panelWidth = CatPanel->Width();
    for (int i = 0; i < kCategoryCount; ++i) {
        auto* button = Adopt(std::make_unique<TCheckButton>());
        const Rect r = CategoryButtonRect(i, panelWidth);
        button->Create(CatPanel->Handle(), r.left, r.top, r.Width(), r.Height(),
                       kCategoryCaptions[i]);
        button->SetTag(i);
        button->SetGroup(&CategoryButtons);
        button->OnClick = [this](ui::Control& sender) { SelectCategory(sender); };
        CategoryButtons[i] = button;
    }
}

void TMainForm::BuildSysTrayMenu() {
    sysTrayMenu_.AddItem(kOptionsMenuItem, "&Options...", [this] { OptionsMenuItemClick(); });
    sysTrayMenu_.AddItem(kHelpMenuItem, "&Help", [this] { HelpMenuItemClick(); });
    sysTrayMenu_.AddItem(kCloseMenuItem, "&Close", [this] { CloseMenuItemClick(); });
}

void TMainForm::OnCreateHandle() {
    SetTimer(Handle(), kBlinkTimerId, kBlinkPeriodMs, nullptr);
    SetTimer(Handle(), kTrackTimerId, kTrackPeriodMs, nullptr);
    SetTimer(Handle(), kStatusTimerId, kStatusPeriodMs, nullptr);
    if (hooks_.handleCreated) hooks_.handleCreated(*this);
}

void TMainForm::OnDestroyHandle() {
    if (hooks_.handleDestroying) hooks_.handleDestroying(*this);
    KillTimer(Handle(), kStatusTimerId);
    KillTimer(Handle(), kTrackTimerId);
    KillTimer(Handle(), kBlinkTimerId);
}

void TMainForm::RestartStatusTimer() {
    KillTimer(Handle(), kStatusTimerId);
    SetTimer(Handle(), kStatusTimerId, kStatusPeriodMs, nullptr);
}

void TMainForm::OnTimerTick(UINT_PTR id) {
    if (ui::Application::Instance().Terminated()) return;
    switch (id) {
        case kBlinkTimerId: {
            const int category = CurrentCategory();
            if (Board && category >= 0 && category < kCategoryCount && IsWindowVisible(Handle())) {
                Board->BlinkStep();
            }
            break;
        }
        case kTrackTimerId:
            if (hooks_.trackTarget) hooks_.trackTarget(*this);
            break;
        case kStatusTimerId:
            StatusAfterTick();
            UpdateStatus();
            break;
        default:
            break;
    }
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (hooks_.wndProc && hooks_.wndProc(*this, msg, wp, lp, result)) return result;
    return ui::Form::WndProc(msg, wp, lp);
}

}  // namespace board
