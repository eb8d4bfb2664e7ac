// Memo: multi-line edit (read-only by flag) whose lines can be loaded from a file.
#pragma once

#include "ui/edit.h"

namespace ui {

class Memo : public Edit {
  public:
    Memo() = default;

    // Replaces the text with the file's contents (any line ends); false if unreadable,
    // leaving the memo as it was.
    bool LoadFromFile(const std::string& path);
    void SetCaption(const std::string& text) override;
    bool Empty() const;
    int LineCount() const;
    void SetWantReturn(bool want) { want_return_ = want; }
    bool WantsReturn() const override { return want_return_; }

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;

  private:
    bool want_return_ = false;
};

}  // namespace ui
