// Drop-down list (combo box without edit): items, selection, change callback, optional owner draw.
#pragma once

#include "ui/list_box.h"

namespace ui {

class ComboBox : public Control {
  public:
    ComboBox() = default;

    void Clear();
    int Add(const std::string& text, LPARAM data = 0);
    int Count() const;
    std::string ItemText(int index) const;
    LPARAM ItemData(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);  // no OnChange
    void SetItemHeight(int height);

    std::function<void(Control& sender)> OnChange;
    std::function<void(Control& sender, const DrawItemArgs& item)> OnDrawItem;

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    // height is the height of the closed box; the drop-down list gets room for 8 items.
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

}  // namespace ui
