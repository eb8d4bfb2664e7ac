// Page container without tabs: its pages are panels, exactly one shown at a time.
#pragma once

#include <vector>

#include "ui/panel.h"

namespace ui {

// A page of a PageControl; made with the page control's window as parent, it joins it.
class Page : public Panel {
  public:
    Page() = default;
    int PageIndex() const;

  protected:
    const char* ClassName() const override { return "KorvalithPage"; }
    void AfterCreate() override;
};

class PageControl : public CustomControl {
  public:
    PageControl() = default;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    Page* PageAt(int index) const;
    Page* ActivePage() const { return active_; }
    int ActivePageIndex() const;
    // Shows this page and hides the others (null: none shown).
    void SetActivePage(Page* page);
    void SetActivePageIndex(int index);

    // Pages register themselves when their window is made.
    void AddPage(Page* page);
    void RemovePage(Page* page);

  protected:
    const char* ClassName() const override { return "KorvalithPageControl"; }

  private:
    std::vector<Page*> pages_;
    Page* active_ = nullptr;
};

}  // namespace ui
