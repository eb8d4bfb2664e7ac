// INI integers, stored values to settings, and the version flags with the default font name.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "shell/ini_value.h"
#include "shell/options_record.h"
#include "shell/version_rules.h"

namespace {

TEST(IniInteger, DecimalOrHexadecimalElseTheFallback) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"49232", 49232},
        {"$C050", 49232},
        {"0xC050", 49232},
        {"0Xc050", 49232},
        {"$c050", 49232},
        {"0", 0},
        {"-5", -5},
        {"+7", 7},
        {"0x0", 0},
        {"$FFFFFFFF", -1},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        // No integer: the fallback 99.
        {"", 99},
        {"junk", 99},
        {"$", 99},
        {"0x", 99},
        {"12a", 99},
        {"$C05G", 99},
        {"0xC050 ", 99},
        {" 5", 99},
        {"2147483648", 99},
        {"$100000000", 99},
        {"-", 99},
        {"1.5", 99},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniIntegerOr(c.text, 99), c.value) << '"' << c.text << '"';
    }
}

TEST(OptionsFromStored, AbsentValuesGetDefaultsAndWideOnesKeepTheirLowBits) {
    const struct {
        StoredOptionValues stored;
        uint8_t pasLen;
        bool popupWnd;
        uint16_t hotKey;
    } cases[] = {
        {{}, 3, true, 49232},
        {{0, 0, 0}, 0, false, 0},
        {{256, 2, 65616}, 0, true, 80},
        {{7, -1, 0xC050}, 7, true, 49232},
        {{2, std::nullopt, std::nullopt}, 2, true, 49232},
    };
    for (const auto& c : cases) {
        for (bool showIntro : {false, true}) {
            const TKorvalithOptions o = OptionsFromStored(c.stored, showIntro);
            EXPECT_EQ(o.PasLen, c.pasLen);
            EXPECT_EQ(o.PopupWnd, c.popupWnd);
            EXPECT_EQ(o.HotKey, c.hotKey);
            EXPECT_EQ(o.ShowIntro, showIntro);
        }
    }
}

TEST(VersionRules, FlagsAndFontNameFollowPlatformAndMajorVersion) {
    constexpr uint32_t kWindows9x = 1;
    const struct {
        uint32_t major;
        uint32_t platform;
        bool nt5;
        bool win6;
        const char* font;
    } cases[] = {
        {4, kPlatformNt, false, false, "MS Sans Serif"},  // NT 4
        {4, kWindows9x, false, false, "MS Sans Serif"},   // 98, Me
        {5, kPlatformNt, true, false, "MS Shell Dlg 2"},  // 2000, XP
        {6, kPlatformNt, true, true, "MS Shell Dlg 2"},   // Vista, 7
        {10, kPlatformNt, true, true, "MS Shell Dlg 2"},
        {6, kWindows9x, false, true, "MS Sans Serif"},
    };
    for (const auto& c : cases) {
        const VersionFlags flags = FlagsFromVersion(c.major, c.platform);
        EXPECT_EQ(flags.nt5OrLater, c.nt5) << c.major << "/" << c.platform;
        EXPECT_EQ(flags.windows6OrLater, c.win6) << c.major << "/" << c.platform;
        EXPECT_STREQ(DefaultFontNameFor(flags.nt5OrLater), c.font);
    }
}

}  // namespace
