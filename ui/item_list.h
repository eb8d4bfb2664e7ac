// What a list box and a drop-down list share: string items with data, one selection, owner draw.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// What an owner-drawn item paint gets.
struct DrawItemArgs {
    HDC dc;
    RECT rect;
    int index;  // -1: empty list (focus rectangle only)
    bool selected;
    bool focused;
};

// The messages one kind of system list answers; LISTBOX and COMBOBOX name the same requests
// differently.
struct ItemListMessages {
    UINT resetContent;
    UINT addString;
    UINT setItemData;
    UINT getCount;
    UINT getTextLen;
    UINT getText;
    UINT getItemData;
    UINT getCurSel;
    UINT setCurSel;
    LRESULT error;
};

class ItemList : public Control {
  public:
    void Clear();
    int Add(const std::string& text, LPARAM data = 0);
    int Count() const;
    std::string ItemText(int index) const;
    LPARAM ItemData(int index) const;
    int ItemIndex() const;
    // Selects without firing OnChange (as the system control does).
    void SetItemIndex(int index);

    std::function<void(Control& sender)> OnChange;  // selection changed by the user
    std::function<void(Control& sender, const DrawItemArgs& item)> OnDrawItem;  // owner draw

  protected:
    explicit ItemList(const ItemListMessages& messages) : messages_(messages) {}

    // WM_DRAWITEM handed to OnDrawItem; false when there is none.
    bool ReflectDrawItem(LPARAM lp, LRESULT& result);

  private:
    const ItemListMessages& messages_;
};

}  // namespace ui
