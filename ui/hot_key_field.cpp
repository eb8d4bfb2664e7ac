// Hot key field over the common controls' msctls_hotkey32.
#include "ui/hot_key_field.h"

#include <commctrl.h>

namespace ui {

bool HotKeyField::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                                  const std::string&, std::uint32_t flags, int id) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
    return CreateStandard(HOTKEY_CLASSA, WS_EX_CLIENTEDGE, BaseStyle(flags, true), "", left, top,
                          width, height, parent, id);
}

Shortcut HotKeyField::Value() const {
    return ShortcutFromHotKey(
        static_cast<std::uint16_t>(SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0)));
}

void HotKeyField::SetValue(Shortcut s) {
    SendMessageA(Handle(), HKM_SETHOTKEY, HotKeyFromShortcut(s), 0);
}

void HotKeyField::SetRules(WORD invalid, WORD replacement_modifiers) {
    SendMessageA(Handle(), HKM_SETRULES, invalid, MAKELPARAM(replacement_modifiers, 0));
}

}  // namespace ui
