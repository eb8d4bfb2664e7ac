// Form: a top-level window built from a layout table, with key preview, default and cancel
// buttons, close query and close action, modal showing and show/hide hooks.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/layout.h"
#include "ui/window.h"

namespace ui {

enum class BorderStyle { None, Single, Dialog, Sizeable };
enum class FormPosition { Designed, ScreenCenter };
enum class CloseAction { None, Hide, Free };

// Border icons.
namespace icon {
constexpr unsigned kSystemMenu = 1u << 0;
constexpr unsigned kMinimize = 1u << 1;
constexpr unsigned kMaximize = 1u << 2;
}  // namespace icon

// How a form looks before its controls are added; sizes in 96-dpi pixels.
struct FormDesign {
    const char* caption = "";
    int client_width = 300;
    int client_height = 200;
    BorderStyle border = BorderStyle::Single;
    unsigned border_icons = icon::kSystemMenu;
    FormPosition position = FormPosition::ScreenCenter;
    int left = 0, top = 0;  // for FormPosition::Designed
    bool scaled = false;    // scale positions, sizes and font height to the screen's dpi
    bool key_preview = false;
    bool stay_on_top = false;
    bool tool_window = false;                    // no taskbar button, small caption
    FontSpec font{"MS Sans Serif", -11, false};  // the name is replaced by DefaultFontName()
    bool use_default_font_name = true;
    COLORREF color = CLR_INVALID;              // CLR_INVALID: the system's button face
    const char* class_name = "KorvalithForm";  // window class, so that tests can find a form
    HWND owner = nullptr;                      // null: the application window
};

class Form : public Window {
  public:
    Form();
    ~Form() override;

    // Makes the window (hidden, owned by the application window), then its controls from the
    // layout table, in table order. OnCreateHandle runs once the window exists, before the
    // controls are made.
    bool Create(const FormDesign& design, std::span<const ControlSpec> layout = {});
    // Adds controls from another table (ids must not repeat).
    void AddControls(std::span<const ControlSpec> layout);
    // Takes over a control made at run time (Create it with a parent handle of this form).
    template <typename T>
    T* Adopt(std::unique_ptr<T> control) {
        T* p = control.get();
        owned_.push_back(std::move(control));
        return p;
    }
    // Destroys the window now; derived forms whose OnDestroyHandle matters call this in their
    // destructor (a base destructor cannot reach their overrides any more).
    void Destroy();

    // Controls by layout id or name; Find<T> casts to the kind asked for (null if another).
    Control* FindControl(int id) const;
    Control* FindControl(const std::string& name) const;
    template <typename T>
    T* Find(int id) const {
        return dynamic_cast<T*>(FindControl(id));
    }
    template <typename T>
    T* Find(const std::string& name) const {
        return dynamic_cast<T*>(FindControl(name));
    }
    const std::vector<Control*>& Controls() const { return controls_; }

    // Design pixels (96 dpi) to this form's pixels: scaled when the design says so.
    int Scale(int n) const;
    int Dpi() const { return dpi_; }

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }
    HBRUSH BackgroundBrush() const override { return brush_.Get(); }
    COLORREF BackgroundColor() const override { return color_; }
    // The form font, used by every control without an own font.
    void SetFont(const FontSpec& desc);
    void SetFontName(const std::string& name);
    const FontSpec& FontSpecValue() const { return font_spec_; }
    HFONT Font() const { return font_.Get(); }

    void SetBorderStyle(BorderStyle border);
    // Outer bounds in screen pixels.
    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);
    void CenterOnScreen();

    void Show();
    // Shows the form maximized (a borderless form then covers the screen).
    void ShowMaximized();
    void Hide();
    bool Visible() const;
    // A disabled form takes no mouse or keyboard input.
    void SetEnabled(bool enabled);
    bool Enabled() const;
    // The close sequence: close query (may veto), OnClose with the action (Hide by default,
    // Free for the main form, which ends the message loop), then the action. On a modal form
    // it only sets the modal result to cancel; the modal loop then runs the sequence.
    void Close();
    bool CloseQuery();

    // Shows the form modally: other windows of the application are disabled and a nested
    // loop runs until a modal result is set and the close query agrees; returns the result.
    int ShowModal();
    void SetModalResult(int result) { modal_result_ = result; }
    int ModalResultValue() const { return modal_result_; }
    bool IsModal() const { return modal_; }

    void SetKeyPreview(bool on) { key_preview_ = on; }
    bool KeyPreview() const { return key_preview_; }
    // The buttons Enter and Escape press; set from the layout flags kDefault and kCancel.
    void SetDefaultButton(Button* b) { default_button_ = b; }
    void SetCancelButton(Button* b) { cancel_button_ = b; }
    Button* DefaultButton() const { return default_button_; }
    Button* CancelButton() const { return cancel_button_; }

    // The control that has (or gets back on activation) the focus; null: the form itself.
    void SetActiveControl(Control* c);
    Control* ActiveControl() const;

    // Key handling of the application's loop for keys of this form's windows: key preview,
    // then Enter/Escape for the default/cancel button. True: the key is consumed.
    bool PreviewKey(const MSG& msg);

    // Callbacks.
    // Key preview (only when KeyPreview is on); true consumes the key.
    std::function<bool(Form& sender, WORD key, unsigned shift)> OnKeyDown;
    // May the form close? false vetoes.
    std::function<bool(Form& sender)> OnCloseQuery;
    std::function<void(Form& sender, CloseAction& action)> OnClose;
    std::function<void(Form& sender)> OnShow;
    std::function<void(Form& sender)> OnHide;
    // WM_TIMER of the form's window, by timer id.
    std::function<void(Form& sender, UINT_PTR id)> OnTimer;

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    // Right after the window exists (before the layout's controls) and right before it goes.
    virtual void OnCreateHandle() {}
    virtual void OnDestroyHandle() {}
    void OnDestroy() override;
    bool OnEraseBackground(HDC dc, LRESULT& result) override;

  private:
    Control* MakeControl(const ControlSpec& desc);
    void RunCloseSequence(bool for_modal);
    void OnShowWindow(bool shown);
    void OnActivate(WPARAM wp);
    void ApplyFontToControls();

    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> controls_;  // layout controls in table order
    FontSpec font_spec_;
    FontHandle font_;
    COLORREF color_;
    BrushHandle brush_;
    int dpi_ = 96;
    bool scaled_ = false;
    bool key_preview_ = false;
    bool modal_ = false;
    int modal_result_ = 0;
    Button* default_button_ = nullptr;
    Button* cancel_button_ = nullptr;
    HWND focus_ = nullptr;
    bool destroying_ = false;
};

}  // namespace ui
