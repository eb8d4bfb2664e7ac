// Design-time layout tables: which controls a form has, where (96-dpi pixels) and how.
#pragma once

#include <cstdint>

namespace ui {

enum class ControlKind {
    Panel,
    Label,
    Edit,
    Memo,
    Button,
    BitmapButton,
    RadioButton,
    CheckBox,
    HotKey,
    ListBox,
    ComboBox,
    PageControl,
    Page,
    Bevel,
    Image,
};

// Style flags of a layout row; each kind reads the ones that apply to it.
namespace flag {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kHidden = 1u << 0;
constexpr std::uint32_t kDisabled = 1u << 1;
constexpr std::uint32_t kDefault = 1u << 2;      // button: Enter presses it
constexpr std::uint32_t kCancel = 1u << 3;       // button: Escape presses it
constexpr std::uint32_t kReadOnly = 1u << 4;     // edit, memo
constexpr std::uint32_t kInnerRaised = 1u << 5;  // panel bevels
constexpr std::uint32_t kInnerLowered = 1u << 6;
constexpr std::uint32_t kOuterRaised = 1u << 7;
constexpr std::uint32_t kOuterLowered = 1u << 8;
constexpr std::uint32_t kAlignLeft = 1u << 9;     // panel caption, label text
constexpr std::uint32_t kTransparent = 1u << 10;  // label: parent's colour behind the text
constexpr std::uint32_t kWordWrap = 1u << 11;     // label
constexpr std::uint32_t kAutoSize = 1u << 12;     // label: sized to its text
constexpr std::uint32_t kChecked = 1u << 13;      // radio button, check box
constexpr std::uint32_t kShowHint = 1u << 14;     // any control with a hint
constexpr std::uint32_t kVScroll = 1u << 15;      // memo, list box
constexpr std::uint32_t kMultiLine = 1u << 16;    // check box caption breaks (and sits on top)
constexpr std::uint32_t kOwnerDraw = 1u << 17;    // list box, combo box: OnDrawItem paints
constexpr std::uint32_t kNoTabStop = 1u << 18;
constexpr std::uint32_t kWantReturn = 1u << 19;  // memo, list box: Enter goes to the control
}  // namespace flag

// Parent id of controls placed directly on the form.
constexpr int kFormParent = 0;

// One row of a form's layout table. Ids are the form's own small numbers (1 and up);
// rows are created in table order, which is also the tab order, and a parent row must come
// before its children.
struct ControlSpec {
    ControlKind kind;
    int id;
    const char* name;
    int parent;
    int left, top, width, height;
    const char* caption;
    std::uint32_t flags;
};

// n pixels at 96 dpi in pixels at dpi, rounded half away from zero as Win32 MulDiv does.
constexpr int ScaleFrom96(int n, int dpi) {
    long long p = static_cast<long long>(n) * dpi;
    long long q = p >= 0 ? (p + 48) / 96 : -((-p + 48) / 96);
    return static_cast<int>(q);
}

}  // namespace ui
