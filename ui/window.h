// Base of every window object of the layer: binding through GWLP_USERDATA and message routing.
#pragma once

#include <windows.h>

namespace ui {

// Notifications the layer delivers to a window object's WndProc when the mouse pointer
// enters or leaves its window (tracked with TrackMouseEvent on real pointer moves).
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }

    // The object of a window made by this layer (own class or subclassed control), else null.
    static Window* FromHandle(HWND wnd);

    // Every message of the window arrives here. Overrides handle what they want and pass the
    // rest to the base class's WndProc, which forwards to the named handlers below and then
    // to the default processing (DefWindowProc, or the control's own class procedure).
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);

    // Notifications that a parent window received about this window (WM_COMMAND, WM_NOTIFY,
    // WM_DRAWITEM, WM_CTLCOLOR...), passed on to the child's object. True: handled, result set.
    virtual bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // Colour behind children that draw "transparently" (labels, check boxes); null: system face.
    virtual HBRUSH BackgroundBrush() const { return nullptr; }
    virtual COLORREF BackgroundColor() const { return GetSysColor(COLOR_BTNFACE); }

    bool MouseInside() const { return mouse_inside_; }

  protected:
    Window() = default;

    // Registers (once) one of the layer's own classes; all share one window procedure.
    static const char* OwnClass(const char* name, UINT class_style = CS_DBLCLKS,
                                HBRUSH background = nullptr);
    // Makes a window of an own class; the object is bound at WM_NCCREATE.
    bool CreateOwn(const char* class_name, DWORD ex_style, DWORD style, const char* text, int x,
                   int y, int w, int h, HWND parent, HMENU menu_or_id);
    // Makes a standard control (BUTTON, EDIT, ...) and subclasses it to this object.
    bool CreateStandard(const char* class_name, DWORD ex_style, DWORD style, const char* text,
                        int x, int y, int w, int h, HWND parent, int id);
    // Destroys the window now (messages until then still reach this object).
    void DestroyHandle();
    // The default processing of a message: the subclassed control's procedure or DefWindowProc.
    LRESULT DefaultHandler(UINT msg, WPARAM wp, LPARAM lp);

    // Named handlers the base WndProc forwards to; true means "handled, result set".
    virtual bool OnPaintMessage(LRESULT& result) { return false; }
    virtual bool OnPrintClient(HDC dc, LRESULT& result) { return false; }
    virtual bool OnEraseBackground(HDC dc, LRESULT& result) { return false; }
    virtual void OnDestroy() {}
    // After the window is gone; the handle is already cleared.
    virtual void OnHandleLost() {}

    // Sends CM_MOUSEENTER/CM_MOUSELEAVE from real pointer moves when set.
    bool track_mouse_ = false;

  private:
    static LRESULT CALLBACK OwnProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT Route(Window* self, HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    void TrackPointer(UINT msg);
    static bool ReflectToChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;  // set for subclassed standard controls
    bool mouse_inside_ = false;
};

}  // namespace ui
