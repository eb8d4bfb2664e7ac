// Runs the uninstaller with preset answers and writes every question it asked to a report
// file, one "kind|text" line each. Usage: uninstall_probe <yes|no> <report file>.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/uninstall.h"
#include "ui/message_seam.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const ui::MessageButton answer =
        std::strcmp(argv[1], "yes") == 0 ? ui::MessageButton::Yes : ui::MessageButton::No;
    ui::PresetMessageSeam seam({answer});
    {
        ui::ScopedMessageSeam installed(&seam);
        Uninstall();
    }
    FILE* report = std::fopen(argv[2], "wb");
    if (!report) return 3;
    for (const ui::MessageRequest& r : seam.asked)
        std::fprintf(report, "%d|%u|%s\n", static_cast<int>(r.kind), r.buttons, r.text.c_str());
    std::fclose(report);
    return 0;
}
