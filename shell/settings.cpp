// The settings store: registry mode under HKEY_CURRENT_USER, INI mode beside the program or in
// the documents folder. Failures are silent: defaults apply, saving stops at the first failure.
#include "shell/settings.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "common/paths.h"
#include "shell/ini_value.h"
#include "shell/registry_key.h"
#include "shell/windows_version.h"

TKorvalithOptions Settings = {kDefaultPasLen, kDefaultPopupWnd, kDefaultHotKey, false};

namespace {

constexpr char kPasLenName[] = "PasLen";
constexpr char kPopupWndName[] = "PopupWnd";
constexpr char kHotKeyName[] = "HotKey";
constexpr char kShowIntroName[] = "ShowIntro";
constexpr DWORD kIniValueSize = 256;

// The Win32 registry calls take the key without its leading backslash.
const char* RegistrySubKey() { return kSettingsKeyName + 1; }

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD got =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0) {
            return {};
        }
        if (got < buffer.size()) {
            return std::string(buffer.data(), got);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The profile functions look for a name without a folder in the Windows folder; ".\" keeps such a
// name relative to the current folder.
std::string ProfilePath(const std::string& file) {
    return file.find_first_of("\\/:") == std::string::npos ? ".\\" + file : file;
}

std::optional<int32_t> ReadIniInteger(const std::string& file, const char* name) {
    char text[kIniValueSize] = {};
    GetPrivateProfileStringA(kIniSection, name, "", text, kIniValueSize, file.c_str());
    return ParseIniInteger(text);
}

void LoadFromIni() {
    const std::string file = ProfilePath(GetIniFileName());
    const StoredOptionValues stored{ReadIniInteger(file, kPasLenName),
                                    ReadIniInteger(file, kPopupWndName),
                                    ReadIniInteger(file, kHotKeyName)};
    Settings = OptionsFromStored(stored, false);
}

void SaveToIni() {
    const std::string file = ProfilePath(GetIniFileName());
    const std::pair<const char*, unsigned> values[] = {
        {kPasLenName, Settings.PasLen},
        {kPopupWndName, Settings.PopupWnd ? 1u : 0u},
        {kHotKeyName, Settings.HotKey},
    };
    for (const auto& [name, value] : values) {
        if (!WritePrivateProfileStringA(kIniSection, name, std::to_string(value).c_str(),
                                        file.c_str())) {
            return;
        }
    }
}

void LoadFromRegistry() {
    RegistryKey key;
    key.Create(HKEY_CURRENT_USER, RegistrySubKey());
    const StoredOptionValues stored{key.ReadDword(kPasLenName), key.ReadDword(kPopupWndName),
                                    key.ReadDword(kHotKeyName)};
    Settings = OptionsFromStored(stored, !key.HasValue(kShowIntroName));
}

void SaveToRegistry() {
    RegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, RegistrySubKey())) {
        return;
    }
    // In order, stopping at the first failure, like the INI file.
    const std::pair<const char*, DWORD> values[] = {
        {kPasLenName, Settings.PasLen},
        {kPopupWndName, Settings.PopupWnd ? 1u : 0u},
        {kHotKeyName, Settings.HotKey},
        {kShowIntroName, 0},
    };
    for (const auto& [name, value] : values) {
        if (!key.WriteDword(name, value)) {
            return;
        }
    }
}

}  // namespace

bool IsRemovableDrive(const std::string& path) {
    std::string root = DrivePart(path);
    if (root.empty()) {
        return false;
    }
    AddBackslash(root);
    const UINT type = GetDriveTypeA(root.c_str());
    return type == DRIVE_REMOVABLE || type == DRIVE_CDROM;
}

bool RunsFromRemovableDrive() { return IsRemovableDrive(ProgramPath()); }

bool UseIniFile() { return RunsFromRemovableDrive() || IsWindows6OrLater; }

std::string GetIniFileName() {
    if (RunsFromRemovableDrive()) {
        return ChangeFileExt(ProgramPath(), ".ini");
    }
    std::string folder = GetSpecialFolder(kCsidlPersonal);
    AddBackslash(folder);
    return folder + kIniFileName;
}

void LoadOptions() {
    if (UseIniFile()) {
        LoadFromIni();
    } else {
        LoadFromRegistry();
    }
}

void SaveOptions() {
    if (UseIniFile()) {
        SaveToIni();
    } else {
        SaveToRegistry();
    }
}
