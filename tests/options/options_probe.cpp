// Looks into a running Korvalith's Options dialog from outside, for the Options scripts. One
// command per run; results on stdout, exit code 0 when the dialog and the control were found.
//   field                the hot key field's centre on the screen: "X Y"
//   hotkey               the hot key field's current value (HKM_GETHOTKEY), in decimal
//   check                the check box's place in the dialog's client area: "L T W H"
//   click CAPTION        clicks that push button of the dialog
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/wine/probe_support.h"

namespace {

using probe::ClassOf;

constexpr char kOptionsCaption[] = "Korvalith Options";
constexpr char kCheckPrefix[] = "Display the Korvalith button";

struct Search {
    bool (*match)(HWND, const char*);
    const char* arg;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (!s->match(w, s->arg)) return TRUE;
    s->found = w;
    return FALSE;
}

HWND FindChild(HWND parent, bool (*match)(HWND, const char*), const char* arg) {
    Search s{match, arg, nullptr};
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool IsHotKeyField(HWND w, const char*) { return _stricmp(ClassOf(w).c_str(), HOTKEY_CLASSA) == 0; }

bool IsCheckBox(HWND w, const char*) {
    if (_stricmp(ClassOf(w).c_str(), "BUTTON") != 0) return false;
    const LONG type = GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_AUTOCHECKBOX || probe::Caption(w).rfind(kCheckPrefix, 0) == 0;
}

bool IsButtonCaptioned(HWND w, const char* caption) {
    return _stricmp(ClassOf(w).c_str(), "BUTTON") == 0 && probe::Caption(w) == caption;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    HWND dialog = FindWindowA(nullptr, kOptionsCaption);
    if (!dialog || !IsWindowVisible(dialog)) return 1;
    if (cmd == "field") {
        HWND field = FindChild(dialog, IsHotKeyField, nullptr);
        if (!field) return 1;
        RECT r{};
        GetWindowRect(field, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    if (cmd == "hotkey") {
        HWND field = FindChild(dialog, IsHotKeyField, nullptr);
        if (!field) return 1;
        std::printf("%lu\n", static_cast<unsigned long>(SendMessageA(field, HKM_GETHOTKEY, 0, 0)));
        return 0;
    }
    if (cmd == "check") {
        HWND check = FindChild(dialog, IsCheckBox, nullptr);
        if (!check) return 1;
        RECT r{};
        GetWindowRect(check, &r);
        POINT corner{r.left, r.top};
        ScreenToClient(dialog, &corner);
        std::printf("%ld %ld %ld %ld\n", corner.x, corner.y, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == "click" && argc > 2) {
        HWND button = FindChild(dialog, IsButtonCaptioned, argv[2]);
        if (!button) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
        return 0;
    }
    return 2;
}
