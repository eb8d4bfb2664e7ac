// Drive items ("c: [label]") from the system's logical drives.
#include "setup/drive_list.h"

#include <windows.h>

#include <cctype>
#include <string>

namespace setup {
namespace {

std::string DriveText(char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    std::string text = std::string(1, static_cast<char>(std::tolower(letter))) + ":";
    if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) {
        char label[MAX_PATH + 1] = {};
        if (GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                  nullptr, 0) &&
            label[0]) {
            text += std::string(" [") + label + "]";
        }
    }
    return text;
}

}  // namespace

TDriveComboBox::TDriveComboBox(ui::ComboBox& combo) : combo_(combo) {
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (drives & (1u << i)) {
            const char letter = static_cast<char>('A' + i);
            combo_.Add(DriveText(letter), letter);
        }
    }
    combo_.OnChange = [this](ui::Control&) {
        if (OnChange && Drive() != '\0') {
            OnChange(Drive());
        }
    };
}

void TDriveComboBox::SetDrive(char drive) {
    const int upper = std::toupper(static_cast<unsigned char>(drive));
    for (int i = 0; i < combo_.Count(); ++i) {
        if (combo_.ItemData(i) == upper) {
            combo_.SetItemIndex(i);
            return;
        }
    }
}

char TDriveComboBox::Drive() const {
    const int i = combo_.ItemIndex();
    return i < 0 ? '\0' : static_cast<char>(combo_.ItemData(i));
}

}  // namespace setup
