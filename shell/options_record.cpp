// How stored integers become the program's settings.
#include "shell/options_record.h"

TKorvalithOptions OptionsFromStored(const StoredOptionValues& stored, bool showIntro) {
    TKorvalithOptions options{};
    options.PasLen = stored.pasLen ? static_cast<uint8_t>(*stored.pasLen & 0xFF) : kDefaultPasLen;
    options.PopupWnd = stored.popupWnd ? *stored.popupWnd != 0 : kDefaultPopupWnd;
    options.HotKey =
        stored.hotKey ? static_cast<uint16_t>(*stored.hotKey & 0xFFFF) : kDefaultHotKey;
    options.ShowIntro = showIntro;
    return options;
}
