// Single-select list box: items, selection, change/double-click callbacks, optional owner draw.
#pragma once

#include "ui/item_list.h"

namespace ui {

class ListBox : public ItemList {
  public:
    ListBox();

    void SetItemHeight(int height);
    int TopIndex() const;
    void SetTopIndex(int index);

    void SetWantReturn(bool want) { want_return_ = want; }
    bool WantsReturn() const override { return want_return_; }

    std::function<void(Control& sender)> OnDblClick;  // an item double-clicked

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;

  private:
    bool want_return_ = false;
};

}  // namespace ui
