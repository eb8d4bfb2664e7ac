// Drop-down list (combo box without edit): items, selection, change callback, optional owner draw.
#pragma once

#include "ui/item_list.h"

namespace ui {

class ComboBox : public ItemList {
  public:
    ComboBox();

    void SetItemHeight(int height);

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    // height is the height of the closed box; the drop-down list gets room for 8 items.
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

}  // namespace ui
