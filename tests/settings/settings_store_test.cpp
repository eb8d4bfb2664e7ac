// The settings store in its three modes. tests/settings/settings_wine_test.sh runs each suite in
// the prefix it needs: RegistryMode on Windows XP, IniDocumentsMode on Windows 7, PortableMode
// from a removable drive D: (with a CD-ROM as E:) on both.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "common/paths.h"
#include "shell/settings.h"
#include "shell/windows_version.h"

namespace {

constexpr char kKey[] = "Software\\Ostrevane\\Korvalith";

void DeleteSettingsKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }

bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

DWORD ValueCount() {
    HKEY key = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
    }
    return count;
}

// The value as "type:number" (REG_DWORD is 4), or "absent".
std::string RegValue(const char* name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, &value, &size) !=
        ERROR_SUCCESS) {
        return "absent";
    }
    return std::to_string(type) + ":" + std::to_string(value);
}

void SetRegDword(const char* name, DWORD value) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string DocumentsIni() { return GetSpecialFolder(kCsidlPersonal) + "\\Korvalith.ini"; }

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

constexpr char kDefaultsFile[] = "[General]\r\nPasLen=3\r\nPopupWnd=1\r\nHotKey=49232\r\n";

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitWindowsVersion();
        DeleteSettingsKey();
        std::remove(DocumentsIni().c_str());
        Settings = {};
    }
};

// Windows XP, program on a fixed disk.
class RegistryMode : public SettingsTest {};

TEST_F(RegistryMode, VersionFlagsAndFontOfWindowsXP) {
    EXPECT_TRUE(IsNT5OrLater);
    EXPECT_FALSE(IsWindows6OrLater);
    EXPECT_STREQ(DefaultUiFontName(), "MS Shell Dlg 2");
    EXPECT_FALSE(UseIniFile());
}

TEST_F(RegistryMode, FirstStartCreatesTheKeyAndItsSaveEndsTheIntroduction) {
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 3);
    EXPECT_TRUE(Settings.PopupWnd);
    EXPECT_EQ(Settings.HotKey, 49232);
    EXPECT_TRUE(Settings.ShowIntro);
    EXPECT_TRUE(SettingsKeyExists());
    EXPECT_EQ(ValueCount(), 0u);

    SaveOptions();
    EXPECT_EQ(RegValue("PasLen"), "4:3");
    EXPECT_EQ(RegValue("PopupWnd"), "4:1");
    EXPECT_EQ(RegValue("HotKey"), "4:49232");
    EXPECT_EQ(RegValue("ShowIntro"), "4:0");
    EXPECT_TRUE(Settings.ShowIntro) << "saving does not change the flag in memory";
    EXPECT_EQ(GetFileAttributesA(DocumentsIni().c_str()), INVALID_FILE_ATTRIBUTES);

    LoadOptions();  // the second start
    EXPECT_FALSE(Settings.ShowIntro);
}

TEST_F(RegistryMode, StoredIntegersKeepTheirLowBits) {
    SetRegDword("PasLen", 256);
    SetRegDword("PopupWnd", 2);
    SetRegDword("HotKey", 65616);
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 0);
    EXPECT_TRUE(Settings.PopupWnd);
    EXPECT_EQ(Settings.HotKey, 80);
    SaveOptions();
    EXPECT_EQ(RegValue("PasLen"), "4:0");
    EXPECT_EQ(RegValue("PopupWnd"), "4:1");
    EXPECT_EQ(RegValue("HotKey"), "4:80");
}

TEST_F(RegistryMode, StoredClassSevenLoadsAsSeven) {
    SetRegDword("PasLen", 7);
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 7);
}

TEST_F(RegistryMode, ValueOfAnotherTypeReadsAsAbsent) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "PasLen", REG_SZ, "1", 2), ERROR_SUCCESS);
    SetRegDword("PopupWnd", 0);
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 3);
    EXPECT_FALSE(Settings.PopupWnd);
}

// Windows 7, program on a fixed disk.
class IniDocumentsMode : public SettingsTest {};

TEST_F(IniDocumentsMode, VersionFlagsAndIniPathOfWindows7) {
    EXPECT_TRUE(IsNT5OrLater);
    EXPECT_TRUE(IsWindows6OrLater);
    EXPECT_FALSE(RunsFromRemovableDrive());
    EXPECT_TRUE(UseIniFile());
    EXPECT_EQ(GetIniFileName(), DocumentsIni());
}

TEST_F(IniDocumentsMode, FirstStartUsesDefaultsAndItsSaveWritesTheFile) {
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 3);
    EXPECT_TRUE(Settings.PopupWnd);
    EXPECT_EQ(Settings.HotKey, 49232);
    EXPECT_FALSE(Settings.ShowIntro);
    SaveOptions();
    EXPECT_EQ(ReadText(DocumentsIni()), kDefaultsFile);
    EXPECT_FALSE(SettingsKeyExists());

    Settings.PasLen = 1;
    Settings.PopupWnd = false;
    Settings.HotKey = 0;
    SaveOptions();
    Settings = {};
    LoadOptions();  // the second start
    EXPECT_EQ(Settings.PasLen, 1);
    EXPECT_FALSE(Settings.PopupWnd);
    EXPECT_EQ(Settings.HotKey, 0);
    EXPECT_FALSE(Settings.ShowIntro);
}

TEST_F(IniDocumentsMode, FileValuesAreReadByTheIntegerRules) {
    const struct {
        const char* body;
        uint8_t pasLen;
        bool popupWnd;
        uint16_t hotKey;
    } cases[] = {
        {"PasLen=256\r\nPopupWnd=2\r\nHotKey=$C050\r\n", 0, true, 49232},
        {"HotKey=0xC050\r\nPasLen=7\r\n", 7, true, 49232},
        {"HotKey=junk\r\nPasLen=\r\nPopupWnd=yes\r\n", 3, true, 49232},
        {"HotKey=65616\r\nPopupWnd=0\r\n", 3, false, 80},
        {"HotKey=0\r\nPasLen=-1\r\n", 255, true, 0},
    };
    for (const auto& c : cases) {
        WriteText(DocumentsIni(), std::string("[General]\r\n") + c.body);
        LoadOptions();
        EXPECT_EQ(Settings.PasLen, c.pasLen) << c.body;
        EXPECT_EQ(Settings.PopupWnd, c.popupWnd) << c.body;
        EXPECT_EQ(Settings.HotKey, c.hotKey) << c.body;
    }
    WriteText(DocumentsIni(), "[Other]\r\nPasLen=1\r\n");
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 3) << "keys outside \"General\" are not read";
}

TEST_F(IniDocumentsMode, PopupWndTwoIsWrittenBackAsOne) {
    WriteText(DocumentsIni(), "[General]\r\nPasLen=2\r\nPopupWnd=2\r\nHotKey=$C050\r\n");
    LoadOptions();
    SaveOptions();
    EXPECT_EQ(ReadText(DocumentsIni()), "[General]\r\nPasLen=2\r\nPopupWnd=1\r\nHotKey=49232\r\n");
}

// The program file on D:, a drive reporting "removable"; E: reports a CD-ROM.
class PortableMode : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        std::remove(BesideIni().c_str());
    }
    static std::string BesideIni() {
        return ProgramPath().substr(0, ProgramPath().size() - 4) + ".ini";
    }
};

TEST_F(PortableMode, DriveTypesDecideTheMode) {
    EXPECT_TRUE(IsRemovableDrive("D:\\settings_test.exe"));
    EXPECT_TRUE(IsRemovableDrive("e:\\any\\file"));
    EXPECT_FALSE(IsRemovableDrive("C:\\windows\\notepad.exe"));
    EXPECT_FALSE(IsRemovableDrive("relative\\path.exe"));
    EXPECT_TRUE(RunsFromRemovableDrive());
    EXPECT_TRUE(UseIniFile());
    EXPECT_EQ(GetIniFileName(), BesideIni());
}

TEST_F(PortableMode, SettingsTravelBesideTheProgramAndTheRegistryIsLeftAlone) {
    SetRegDword("PasLen", 1);  // a host computer's registry entry, which must not count
    LoadOptions();
    EXPECT_EQ(Settings.PasLen, 3);
    EXPECT_FALSE(Settings.ShowIntro);
    SaveOptions();
    EXPECT_EQ(ReadText(BesideIni()), kDefaultsFile);
    EXPECT_EQ(GetFileAttributesA(DocumentsIni().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ValueCount(), 1u);
    EXPECT_EQ(RegValue("PasLen"), "4:1");

    Settings.HotKey = 0x4041;
    SaveOptions();
    Settings = {};
    LoadOptions();  // the second start
    EXPECT_EQ(Settings.HotKey, 0x4041);
    DeleteSettingsKey();
}

}  // namespace
