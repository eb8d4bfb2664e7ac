// Base of all child controls: bounds, visibility, caption, font, hint, tag and click callback.
#pragma once

#include <functional>
#include <string>

#include "ui/font.h"
#include "ui/keys.h"
#include "ui/layout.h"
#include "ui/window.h"

namespace ui {

class Form;

// The window id of a control is its layout id plus this base, so that no control collides
// with IDOK/IDCANCEL, which the dialog manager sends on its own.
constexpr int kControlIdBase = 1000;

class Control : public Window {
  public:
    ~Control() override;

    // Makes the control's window as a child of parent, at pixel coordinates (already scaled).
    // flags are the layout flags of ui/layout.h; id is the layout id (0: none).
    bool Create(HWND parent, int left, int top, int width, int height,
                const std::string& caption = {}, std::uint32_t flags = 0, int id = 0);

    int Id() const { return id_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    std::uint32_t Flags() const { return flags_; }

    // Bounds relative to the parent's client area.
    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const;
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const;
    int Height() const;
    void SetWidth(int w);
    void SetHeight(int h);

    void SetVisible(bool visible);
    bool Visible() const;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void SetEnabled(bool enabled);
    bool Enabled() const;

    virtual void SetCaption(const std::string& caption);
    virtual std::string Caption() const;

    // The control's own font; until one is set, it uses its form's font.
    void SetFont(const FontSpec& desc);
    void SetFont(const std::string& name, int height, bool bold = false);
    void SetFontBold(bool bold);
    HFONT Font() const { return font_ ? font_.Get() : inherited_font_; }
    bool HasOwnFont() const { return static_cast<bool>(font_); }
    // Called by the form when its font changes (controls without an own font follow it).
    void SetInheritedFont(HFONT font);

    // Hover hint, shown after the application's hint pause while the pointer rests here.
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    const std::string& Hint() const { return hint_; }
    void SetShowHint(bool show) { show_hint_ = show; }
    bool ShowHint() const { return show_hint_; }

    void SetFocus();
    bool Focused() const;
    // Redraws now (invalidate and update).
    virtual void Repaint();
    void Invalidate();

    // The top-level form this control sits on, if it is one of ours.
    Form* ParentForm() const;

    // Whether Enter (VK_RETURN) belongs to this control instead of the default button.
    virtual bool WantsReturn() const { return false; }
    // A push button that Enter presses while it has the focus.
    virtual bool IsPushButton() const { return false; }
    // Runs the control's click: the OnClick callback (buttons also set the modal result).
    virtual void Click();

    // Callbacks, set by the form that uses the control.
    std::function<void(Control& sender)> OnClick;
    // Keys pressed while the control has the focus; true consumes the key.
    std::function<bool(Control& sender, WORD key, unsigned shift)> OnKeyDown;

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    Control();
    // Each control kind makes its window here (CreateOwn or CreateStandard).
    virtual bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                                 const std::string& caption, std::uint32_t flags, int id) = 0;
    // After the window exists and the font is applied.
    virtual void AfterCreate() {}
    // Applies Font() to the window (WM_SETFONT by default).
    virtual void ApplyFont();
    // Common window styles from the layout flags (WS_CHILD, WS_VISIBLE, WS_DISABLED, tab stop).
    static DWORD BaseStyle(std::uint32_t flags, bool tab_stop);
    // Answers a reflected WM_CTLCOLORSTATIC or WM_CTLCOLORBTN of a button-class control with
    // its parent's background, so that the caption does not sit on a grey box over a coloured
    // form. False when the message is another one or the parent has no background brush.
    bool ReflectParentBackground(UINT msg, WPARAM wp, LRESULT& result) const;

  private:
    int id_ = 0;
    int tag_ = 0;
    std::uint32_t flags_ = 0;
    std::string name_;
    std::string hint_;
    bool show_hint_ = false;
    FontHandle font_;
    HFONT inherited_font_ = nullptr;
};

}  // namespace ui
