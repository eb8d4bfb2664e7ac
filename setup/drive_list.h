// The destination page's drive list: every drive letter of the system; choosing one reports it.
#pragma once

#include <functional>

#include "ui/combo_box.h"

namespace setup {

class TDriveComboBox {
  public:
    explicit TDriveComboBox(ui::ComboBox& combo);
    TDriveComboBox(const TDriveComboBox&) = delete;
    TDriveComboBox& operator=(const TDriveComboBox&) = delete;

    // Selects the drive's item without reporting it.
    void SetDrive(char drive);
    char Drive() const;

    std::function<void(char drive)> OnChange;

  private:
    ui::ComboBox& combo_;
};

}  // namespace setup
