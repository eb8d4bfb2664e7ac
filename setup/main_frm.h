// TMainForm: the dark green backdrop that covers the screen while the wizard runs over it.
#pragma once

#include "setup/attach_files.h"
#include "ui/form.h"

namespace setup {

class TMainForm : public ui::Form {
  public:
    explicit TMainForm(TAttachedFiles& archive);
    ~TMainForm() override;

    // Shows the backdrop maximized (no border, so it covers the screen).
    void ShowMaximized();

  private:
    void RunWizard();

    TAttachedFiles& archive_;
};

}  // namespace setup
