// Win32 bodies of the setup's file operations.
#include "setup/inst_utils.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <iterator>

#include "setup/ansi_case.h"
#include "setup/day_date.h"
#include "ui/handles.h"

namespace setup {
namespace {

UINT g_closeMessage = 0;

std::string SystemUpper(std::string_view text) {
    std::string out(text);
    if (!out.empty()) {
        CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
    }
    return out;
}

const std::string& TempPrefix() {
    static const std::string prefix = TempPrefixOf(kSetupTitle);
    return prefix;
}

// Calls fn for every entry of the folder (a path with a final "\"), "." and ".." left out.
template <typename Fn>
void ForEachEntry(const std::string& folder, Fn fn) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") {
            fn(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::wstring Wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring out(n > 0 ? static_cast<size_t>(n) : 1u, L'\0');
    if (n > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
    }
    return out;
}

}  // namespace

void InitInstUtils() {
    SetAnsiUpperCase(SystemUpper);
    g_closeMessage = RegisterWindowMessageA("WM_CLOSEKORVALITH");
}

UINT CloseMessage() { return g_closeMessage; }

void ForceDirsLogged(const std::string& folder) {
    static const FolderOps kWin32Folders{
        [](const std::string& f) { return DirectoryIsReachable(f); },
        [](const std::string& f) { CreateDirectoryA(f.c_str(), nullptr); }};
    setup::ForceDirsLogged(folder, kWin32Folders);
}

void CreateShortcut(const std::string& linkFile, const std::string& target,
                    const std::string& arguments, const std::string& workingFolder,
                    const std::string& iconFile, int iconIndex) {
    ui::ComRef<IShellLinkA> link;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                     link.PutVoid());
    if (link) {
        link->SetPath(target.c_str());
        link->SetArguments(arguments.c_str());
        link->SetWorkingDirectory(workingFolder.c_str());
        if (!iconFile.empty()) {
            link->SetIconLocation(iconFile.c_str(), iconIndex);
        }
    }
    ForceDirsLogged(FolderOfPath(linkFile));
    if (link) {
        ui::ComRef<IPersistFile> file;
        link->QueryInterface(IID_IPersistFile, file.PutVoid());
        if (file) {
            file->Save(Wide(linkFile).c_str(), TRUE);
        }
    }
    LogAction(std::string(kFileCopyPrefix) + linkFile);
}

std::string MakeTempFileName() {
    const std::string dir = GetTempDir();
    for (unsigned n = 0;; ++n) {
        std::string path = dir + TempPrefix() + std::to_string(n) + ".tmp";
        if (!FileExists(path)) {
            return path;
        }
    }
}

void DeleteTempFiles() {
    const std::string dir = GetTempDir();
    ForEachEntry(dir, [&](const std::string& name, bool isFolder) {
        if (name.compare(0, TempPrefix().size(), TempPrefix()) != 0) {
            return;
        }
        if (isFolder) {
            DeleteTree(dir + name);
        } else {
            DeleteFileA((dir + name).c_str());
        }
    });
}

void DeleteTree(std::string folder) {
    AddBackslash(folder);
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        if (isFolder) {
            DeleteTree(folder + name);
        } else {
            DeleteFileA((folder + name).c_str());
        }
    });
    RemoveDirectoryA(folder.c_str());
}

std::string GetCurDir() {
    char buf[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    std::string dir = n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
    AddBackslash(dir);
    return dir;
}

bool FileExists(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

double GetFileDate(const std::string& path, bool lastWrite) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        FILETIME local{};
        WORD dosDate = 0;
        WORD dosTime = 0;
        if (FileTimeToLocalFileTime(lastWrite ? &data.ftLastWriteTime : &data.ftCreationTime,
                                    &local) &&
            FileTimeToDosDateTime(&local, &dosDate, &dosTime)) {
            if (auto date =
                    DayCountFromDosDateTime((static_cast<uint32_t>(dosDate) << 16) | dosTime)) {
                return *date;
            }
        }
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DayCountFromCivil(
        {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds});
}

void SetFileDateFromDayCount(const std::string& path, double date) {
    const uint32_t dos = DosDateTimeFromDayCount(date);
    FILETIME local{};
    FILETIME utc{};
    if (dos == 0 ||
        !DosDateTimeToFileTime(static_cast<WORD>(dos >> 16), static_cast<WORD>(dos & 0xFFFF),
                               &local) ||
        !LocalFileTimeToFileTime(&local, &utc)) {
        return;
    }
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        SetFileTime(file.Get(), nullptr, nullptr, &utc);
    }
}

void BeginInstallLog(const std::string& destFolder) {
    InstallLog.emplace();
    InstallLogPath = JoinPath(destFolder, kLogFileName);
    if (FileExists(InstallLogPath)) {
        std::ifstream in(InstallLogPath, std::ios::binary);
        if (in) {
            InstallLog->LoadText(
                std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        }
    }
    InstallRan = true;
}

void SaveInstallLog() {
    if (!InstallLog) {
        return;
    }
    std::ofstream out(InstallLogPath, std::ios::binary | std::ios::trunc);
    const std::string text = InstallLog->SaveText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace setup
