// The uninstaller: install log replay, self-delete script, registry clean-up.
#include "shell/uninstall.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "shell/instance.h"
#include "shell/self_delete_script.h"
#include "shell/temp_name.h"
#include "shell/uninstall_walk.h"
#include "ui/handles.h"
#include "ui/message_seam.h"

namespace {

constexpr char kConfirmText[] =
    "Are you sure that you want to completely remove Korvalith from your computer?";
constexpr char kDoneText[] = "Uninstallation complete.";
constexpr char kSettingsKey[] = "Software\\Ostrevane\\Korvalith";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvalith";
constexpr char kScriptExt[] = ".bat";

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

bool SameFileName(std::string_view a, std::string_view b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

bool ReadTextFile(const std::string& path, std::string& text) {
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.HighPart != 0) return false;
    text.resize(size.LowPart);
    DWORD read = 0;
    return ReadFile(file.Get(), text.data(), size.LowPart, &read, nullptr) && read == size.LowPart;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The command interpreter reads a batch file in the console's (OEM) code page, not in the
// ANSI one the paths are in.
std::string AnsiToOem(std::string text) {
    CharToOemBuffA(text.c_str(), text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool SurvivesOemCodePage(const std::string& path) {
    std::string back = AnsiToOem(path);
    OemToCharBuffA(back.c_str(), back.data(), static_cast<DWORD>(back.size()));
    return back == path;
}

// The path as the script can name it: itself when every character exists in the OEM code
// page, else its short form, which the file system spells in plain characters.
std::string ScriptablePath(const std::string& path) {
    if (SurvivesOemCodePage(path)) return path;
    char shortPath[MAX_PATH] = {};
    DWORD n = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return path;
    return shortPath;
}

void RunHidden(const std::string& commandLine, const std::string& folder) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, folder.c_str(), &startup, &process))
        return;
    ui::KernelHandle processHandle(process.hProcess);
    ui::KernelHandle threadHandle(process.hThread);
    WaitForInputIdle(process.hProcess, INFINITE);
}

// Writes the script that deletes the program file once it is free, then its folder, the
// emptied folders above it and the script itself, and starts it hidden.
void StartSelfDeleteScript(const std::string& programPath,
                           const std::vector<std::string>& foldersAbove) {
    const std::string scriptPath = GetUniqueTempFileName(kScriptExt);
    // The script file must exist before its short name can be asked for.
    if (!WriteTextFile(scriptPath, {})) return;
    std::vector<std::string> scriptableFolders;
    for (const std::string& folder : foldersAbove)
        scriptableFolders.push_back(ScriptablePath(folder));
    const std::string text =
        SelfDeleteScript(ScriptablePath(programPath), ScriptablePath(FolderOf(programPath)),
                         scriptableFolders, ScriptablePath(scriptPath));
    WriteTextFile(scriptPath, AnsiToOem(text));
    // Quoted, so that a temporary folder with blanks still names the script. It runs in its own
    // folder: one inherited from the uninstaller may be the program folder, which a process
    // working in it keeps from being removed.
    RunHidden("\"" + scriptPath + "\"", FolderOf(scriptPath));
}

void TakeStep(const UninstallStep& step, const std::string& programPath,
              const std::vector<std::string>& foldersAbove) {
    switch (step.action) {
        case UninstallAction::DeleteFile:
            DeleteFileA(step.path.c_str());
            break;
        case UninstallAction::RemoveFolder:
            RemoveDirectoryA(step.path.c_str());
            break;
        case UninstallAction::StartSelfDelete:
            // The running file's own spelling: the log may write it in another letter case.
            StartSelfDeleteScript(programPath, foldersAbove);
            break;
    }
}

}  // namespace

void Uninstall() {
    using ui::MessageButton;
    using ui::MessageKind;
    if (ui::AskUser(MessageKind::Confirmation, kConfirmText, MessageButton::Yes | MessageButton::No,
                    MessageButton::Yes) != MessageButton::Yes)
        return;
    CloseRunningInstance();

    const std::string programPath = ProgramPath();
    const std::string logPath = FolderOf(programPath) + std::string(kInstallLogName);
    std::string logText;
    if (!ReadTextFile(logPath, logText)) {
        ui::AskUser(MessageKind::Error,
                    "Cannot open install log file (\"" + logPath + "\").\rUnable to uninstall.",
                    static_cast<unsigned>(MessageButton::Ok));
        return;
    }
    const std::vector<UninstallStep> steps =
        PlanUninstall(SplitLines(logText), programPath, SameFileName);
    const std::vector<std::string> foldersAbove =
        FoldersAboveProgram(steps, FolderOf(programPath), SameFileName);
    for (const UninstallStep& step : steps) TakeStep(step, programPath, foldersAbove);
    DeleteFileA(logPath.c_str());

    SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
    ui::AskUser(MessageKind::Information, kDoneText, static_cast<unsigned>(MessageButton::Ok));
}
