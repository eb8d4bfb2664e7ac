// Page container without tabs: shows one page (panel) at a time.
#include "ui/page_control.h"

#include <algorithm>

namespace ui {

void Page::AfterCreate() {
    Panel::AfterCreate();
    if (auto* owner = dynamic_cast<PageControl*>(Window::FromHandle(GetParent(Handle()))))
        owner->AddPage(this);
}

int Page::PageIndex() const {
    auto* owner = dynamic_cast<PageControl*>(Window::FromHandle(GetParent(Handle())));
    if (!owner) return -1;
    for (int i = 0; i < owner->PageCount(); ++i)
        if (owner->PageAt(i) == this) return i;
    return -1;
}

Page* PageControl::PageAt(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

int PageControl::ActivePageIndex() const {
    for (int i = 0; i < PageCount(); ++i)
        if (pages_[static_cast<std::size_t>(i)] == active_) return i;
    return -1;
}

void PageControl::AddPage(Page* page) {
    pages_.push_back(page);
    // A new page fills the container; the first one is shown, later ones wait hidden.
    page->SetBounds(0, 0, ClientWidth(), ClientHeight());
    if (!active_)
        active_ = page;
    else
        page->SetVisible(false);
}

void PageControl::RemovePage(Page* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (active_ == page) active_ = nullptr;
}

void PageControl::SetActivePage(Page* page) {
    active_ = page;
    if (page) page->SetVisible(true);
    for (Page* p : pages_)
        if (p != page) p->SetVisible(false);
}

void PageControl::SetActivePageIndex(int index) { SetActivePage(PageAt(index)); }

}  // namespace ui
