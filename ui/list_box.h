// Single-select list box: items, selection, change/double-click callbacks, optional owner draw.
#pragma once

#include <string>
#include <vector>

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

class ListBox : public Control {
  public:
    ListBox() = default;

    void Clear();
    int Add(const std::string& text, LPARAM data = 0);
    int Count() const;
    std::string ItemText(int index) const;
    LPARAM ItemData(int index) const;
    int ItemIndex() const;
    // Selects without firing OnChange (as the system control does).
    void SetItemIndex(int index);
    void SetItemHeight(int height);
    int TopIndex() const;
    void SetTopIndex(int index);

    void SetWantReturn(bool want) { want_return_ = want; }
    bool WantsReturn() const override { return want_return_; }

    std::function<void(Control& sender)> OnChange;    // selection changed by the user
    std::function<void(Control& sender)> OnDblClick;  // an item double-clicked
    std::function<void(Control& sender, const DrawItemArgs& item)> OnDrawItem;  // owner draw

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;

  private:
    bool want_return_ = false;
};

}  // namespace ui
