// Uncopyable, movable owners of Win32 handles and select-and-restore guards for device contexts.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

// One owner template for every handle released by a single call; the traits name the call
// and the value that means "nothing owned".
template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) Reset(o.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    Type Release() { return std::exchange(h_, Traits::Invalid()); }
    void Reset(Type h = Traits::Invalid()) {
        Type old = std::exchange(h_, h);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

  private:
    Type h_ = Traits::Invalid();
};

namespace traits {
template <typename T, auto CloseFn>
struct NullInvalid {
    using Type = T;
    static constexpr T Invalid() { return nullptr; }
    static void Close(T h) { CloseFn(h); }
};
// Plain wrappers: the address of an imported function is no template argument.
inline void DestroyWnd(HWND h) { DestroyWindow(h); }
inline void DeleteGdi(HGDIOBJ h) { DeleteObject(h); }
inline void DestroyIco(HICON h) { DestroyIcon(h); }
inline void DestroyMnu(HMENU h) { DestroyMenu(h); }
inline void CloseKey(HKEY h) { RegCloseKey(h); }
inline void UnloadModule(HMODULE h) { FreeLibrary(h); }
inline void CloseKernel(HANDLE h) { CloseHandle(h); }
struct File {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
}  // namespace traits

using WindowHandle = UniqueHandle<traits::NullInvalid<HWND, traits::DestroyWnd>>;
using BitmapHandle = UniqueHandle<traits::NullInvalid<HBITMAP, traits::DeleteGdi>>;
using FontHandle = UniqueHandle<traits::NullInvalid<HFONT, traits::DeleteGdi>>;
using BrushHandle = UniqueHandle<traits::NullInvalid<HBRUSH, traits::DeleteGdi>>;
using PenHandle = UniqueHandle<traits::NullInvalid<HPEN, traits::DeleteGdi>>;
using IconHandle = UniqueHandle<traits::NullInvalid<HICON, traits::DestroyIco>>;
using MenuHandle = UniqueHandle<traits::NullInvalid<HMENU, traits::DestroyMnu>>;
using KeyHandle = UniqueHandle<traits::NullInvalid<HKEY, traits::CloseKey>>;
using ModuleHandle = UniqueHandle<traits::NullInvalid<HMODULE, traits::UnloadModule>>;
// Kernel objects whose "none" is NULL (events, processes, threads, mappings).
using KernelHandle = UniqueHandle<traits::NullInvalid<HANDLE, traits::CloseKernel>>;
// Files from CreateFileA, whose "none" is INVALID_HANDLE_VALUE.
using FileHandle = UniqueHandle<traits::File>;

// A device context from GetDC, released with ReleaseDC on the window it came from.
class WindowDC {
  public:
    explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& o) noexcept
        : wnd_(std::exchange(o.wnd_, nullptr)), dc_(std::exchange(o.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(wnd_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND wnd_;
    HDC dc_;
};

// A memory device context from CreateCompatibleDC, freed with DeleteDC.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatible_with = nullptr) : dc_(CreateCompatibleDC(compatible_with)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    MemoryDC(MemoryDC&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
    MemoryDC& operator=(MemoryDC&&) = delete;
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
  public:
    explicit PaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(wnd_, &ps_); }
    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return ps_.rcPaint; }

  private:
    HWND wnd_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// Selects a GDI object into a DC and puts the previous one back on destruction.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (old_) SelectObject(dc_, old_);
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// Background mode, text colour and background colour, each restored on destruction.
class BkModeGuard {
  public:
    BkModeGuard(HDC dc, int mode) : dc_(dc), old_(SetBkMode(dc, mode)) {}
    BkModeGuard(const BkModeGuard&) = delete;
    BkModeGuard& operator=(const BkModeGuard&) = delete;
    ~BkModeGuard() { SetBkMode(dc_, old_); }

  private:
    HDC dc_;
    int old_;
};

class TextColorGuard {
  public:
    TextColorGuard(HDC dc, COLORREF c) : dc_(dc), old_(SetTextColor(dc, c)) {}
    TextColorGuard(const TextColorGuard&) = delete;
    TextColorGuard& operator=(const TextColorGuard&) = delete;
    ~TextColorGuard() { SetTextColor(dc_, old_); }

  private:
    HDC dc_;
    COLORREF old_;
};

class BkColorGuard {
  public:
    BkColorGuard(HDC dc, COLORREF c) : dc_(dc), old_(SetBkColor(dc, c)) {}
    BkColorGuard(const BkColorGuard&) = delete;
    BkColorGuard& operator=(const BkColorGuard&) = delete;
    ~BkColorGuard() { SetBkColor(dc_, old_); }

  private:
    HDC dc_;
    COLORREF old_;
};

// A counted COM reference: Release on destruction, never copied (Share() adds a reference).
template <typename T>
class ComRef {
  public:
    ComRef() = default;
    explicit ComRef(T* p) : p_(p) {}  // takes over one reference
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComRef& operator=(ComRef&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~ComRef() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: drops what is held and hands the slot to the callee.
    T** Put() {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset(T* p = nullptr) {
        T* old = std::exchange(p_, p);
        if (old) old->Release();
    }
    T* Detach() { return std::exchange(p_, nullptr); }
    ComRef Share() const {
        if (p_) p_->AddRef();
        return ComRef(p_);
    }

  private:
    T* p_ = nullptr;
};

// Holds the clipboard open for one scope.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

}  // namespace ui
