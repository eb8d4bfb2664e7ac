// Hot key field: the system's hot key control, read and written as a 16-bit shortcut.
#pragma once

#include "ui/control.h"
#include "ui/shortcut.h"

namespace ui {

class HotKeyField : public Control {
  public:
    HotKeyField() = default;

    Shortcut Value() const;
    void SetValue(Shortcut s);
    // HKM_SETRULES: invalid combinations (HKCOMB_...) and the modifiers put in their place.
    void SetRules(WORD invalid, WORD replacement_modifiers);

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

}  // namespace ui
