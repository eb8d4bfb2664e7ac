// The uninstaller under Wine: a copy of the probe program stands in for the installed program
// file, with a hand-made install log beside it, and runs Uninstall with preset answers.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/instance.h"

namespace {

constexpr char kProgramName[] = "Korvalith.exe";
constexpr char kConfirmText[] =
    "Are you sure that you want to completely remove Korvalith from your computer?";
constexpr char kDoneText[] = "Uninstallation complete.";
constexpr char kSettingsKey[] = "Software\\Ostrevane\\Korvalith";
constexpr char kCompanyKey[] = "Software\\Ostrevane";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Korvalith";
constexpr DWORD kScriptEndWaitMs = 15000;

std::string ThisFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.rfind('\\') + 1);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void MakeDirs(const std::string& folder) {
    for (size_t i = 3; i <= folder.size(); ++i)
        if (i == folder.size() || folder[i] == '\\')
            CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
}

// Deletes a folder tree left by an earlier run of the same case.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    RemoveDirectoryA(folder.c_str());
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}

// Waits for a process and handles this thread's messages meanwhile, so that a window of the
// test can answer the close request the uninstaller sends.
void WaitPumping(HANDLE process) {
    for (;;) {
        DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, 30000, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
}

bool WaitUntil(DWORD ms, const auto& done) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

struct Asked {
    int kind;
    unsigned buttons;
    std::string text;
};

// One case: a root folder C:\ut\<name>\ with the program folder and a temporary folder in it.
struct UninstallCase {
    std::string root;
    std::string app;  // program folder, with its backslash
    std::string tmp;  // the temporary folder the uninstaller is given
    std::string program() const { return app + kProgramName; }
    std::string log() const { return app + "Install.log"; }

    UninstallCase(const std::string& name, const std::string& appName = "Korvalith")
        : root("C:\\ut\\" + name + "\\"), app(root + appName + "\\"), tmp(root + "tmp\\") {
        RemoveTree(root);
        MakeDirs(app);
        MakeDirs(tmp);
        EXPECT_TRUE(
            CopyFileA((ThisFolder() + "uninstall_probe.exe").c_str(), program().c_str(), FALSE));
    }

    void Log(const std::vector<std::string>& lines) const {
        std::string text;
        for (const std::string& l : lines) text += l + "\r\n";
        WriteText(log(), text);
    }

    // Runs the program copy with the answer; holdProgram keeps its file from being deleted
    // until Release(), so the script stays visible in the temporary folder meanwhile.
    std::vector<Asked> Run(const char* answer, bool holdProgram = false,
                           const std::string& tmpValue = {}) {
        if (holdProgram)
            hold = CreateFileA(program().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        const std::string tmpDir = tmpValue.empty() ? tmp : tmpValue;
        SetEnvironmentVariableA("TMP", tmpDir.c_str());
        SetEnvironmentVariableA("TEMP", tmpDir.c_str());
        const std::string report = root + "report.txt";
        std::string line = "\"";
        line += program() + "\" " + answer + " \"" + report + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   app.c_str(), &si, &pi));
        WaitPumping(pi.hProcess);
        DWORD code = 99;
        GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        std::vector<Asked> asked;
        std::istringstream in(ReadText(report));
        for (std::string l; std::getline(in, l);) {
            Asked a{};
            size_t p1 = l.find('|'), p2 = l.find('|', p1 + 1);
            a.kind = std::stoi(l.substr(0, p1));
            a.buttons = std::stoul(l.substr(p1 + 1, p2 - p1 - 1));
            a.text = l.substr(p2 + 1);
            asked.push_back(a);
        }
        DeleteFileA(report.c_str());
        return asked;
    }

    void Release() {
        if (hold != INVALID_HANDLE_VALUE) CloseHandle(hold);
        hold = INVALID_HANDLE_VALUE;
    }

    // After the program has ended the script deletes the program file, the folder and itself.
    void ExpectScriptFinishes(const std::string& scriptFolder) {
        Release();
        EXPECT_TRUE(WaitUntil(
            kScriptEndWaitMs,
            [&] { return !Exists(program()) && !Exists(app) && FilesIn(scriptFolder).empty(); }))
            << "left: program " << Exists(program()) << ", folder " << Exists(app) << ", scripts "
            << FilesIn(scriptFolder).size();
    }

    ~UninstallCase() { Release(); }

    HANDLE hold = INVALID_HANDLE_VALUE;
};

constexpr int kConfirmation = 0, kError = 2, kInformation = 3;
constexpr unsigned kYesNo = 1 | 2, kOk = 4;

void ExpectCompleted(const std::vector<Asked>& asked) {
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, kConfirmation);
    EXPECT_EQ(asked[0].buttons, kYesNo);
    EXPECT_EQ(asked[0].text, kConfirmText);
    EXPECT_EQ(asked[1].kind, kInformation);
    EXPECT_EQ(asked[1].buttons, kOk);
    EXPECT_EQ(asked[1].text, kDoneText);
}

// The walk goes backwards: a file listed after the program line is deleted before the script
// is written, one listed before it afterwards. Both are named like the script would be, so
// the script's name shows which of them was still there when it was written.
TEST(Uninstall, WalksBackwardsAroundTheProgramLine) {
    UninstallCase c("order");
    MakeDirs(c.app + "sub\\");
    MakeDirs(c.app + "full\\");
    for (const char* f :
         {"a.txt", "b.txt", "sub\\c.txt", "ignored1.txt", "ignored2.txt", "full\\kept.txt"})
        WriteText(c.app + f, "x");
    WriteText(c.tmp + "Korvalith0.bat", "x");  // listed before the program line
    WriteText(c.tmp + "Korvalith1.bat", "x");  // listed after it
    c.Log({
        "Made Dir: " + c.app,
        "File Copy: " + c.tmp + "Korvalith0.bat",
        "File Copy: " + c.app + "a.txt",
        "Made Dir: " + c.app + "full\\",
        "File Copy: " + c.app + "missing.txt",
        "File Copy: " + c.program(),
        "file copy: " + c.app + "ignored1.txt",
        " File Copy: " + c.app + "ignored2.txt",
        "Made Dir: " + c.app + "sub\\",
        "File Copy: " + c.app + "sub\\c.txt",
        "File Copy: " + c.app + "b.txt",
        "File Copy: " + c.tmp + "Korvalith1.bat",
    });
    ExpectCompleted(c.Run("yes", true));

    // Korvalith1.bat was gone when the script was written, Korvalith0.bat was not.
    EXPECT_EQ(FilesIn(c.tmp), std::vector<std::string>{"Korvalith1.bat"});
    const std::string script = ReadText(c.tmp + "Korvalith1.bat");
    EXPECT_NE(script.find("del \"" + c.program() + "\"\r\n"), std::string::npos) << script;
    for (const char* f : {"a.txt", "b.txt", "sub\\c.txt", "sub"})
        EXPECT_FALSE(Exists(c.app + f)) << f;
    for (const char* f : {"ignored1.txt", "ignored2.txt", "full\\kept.txt"})
        EXPECT_TRUE(Exists(c.app + f)) << f;
    EXPECT_FALSE(Exists(c.log()));
    EXPECT_TRUE(Exists(c.program()));  // still held by the test

    // The folder keeps what the log did not list, so the script cannot remove it.
    c.Release();
    EXPECT_TRUE(WaitUntil(kScriptEndWaitMs,
                          [&] { return !Exists(c.program()) && FilesIn(c.tmp).empty(); }));
    EXPECT_TRUE(Exists(c.app + "full\\kept.txt"));
}

TEST(Uninstall, ProgramLineInAnotherLetterCaseStartsTheScript) {
    UninstallCase c("case");
    std::string upper = c.program();
    CharUpperA(upper.data());
    c.Log({"Made Dir: " + c.app, "File Copy: " + upper});
    ExpectCompleted(c.Run("yes", true));
    EXPECT_EQ(FilesIn(c.tmp), std::vector<std::string>{"Korvalith0.bat"});
    c.ExpectScriptFinishes(c.tmp);
}

TEST(Uninstall, WithoutTheProgramLineNoScriptAndTheProgramStays) {
    UninstallCase c("noprogram");
    WriteText(c.app + "Korvalith.chm", "x");
    c.Log({"Made Dir: " + c.app, "File Copy: " + c.app + "Korvalith.chm"});
    ExpectCompleted(c.Run("yes"));
    EXPECT_TRUE(FilesIn(c.tmp).empty());
    EXPECT_FALSE(Exists(c.app + "Korvalith.chm"));
    EXPECT_FALSE(Exists(c.log()));
    Sleep(300);
    EXPECT_TRUE(Exists(c.program()));
    EXPECT_TRUE(Exists(c.app));
}

TEST(Uninstall, AnswerNoChangesNothingAndSendsNoCloseRequest) {
    UninstallCase c("answerno");
    WriteText(c.app + "a.txt", "x");
    c.Log({"File Copy: " + c.app + "a.txt", "File Copy: " + c.program()});
    const auto asked = c.Run("no");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, kConfirmText);
    EXPECT_TRUE(Exists(c.app + "a.txt"));
    EXPECT_TRUE(Exists(c.log()));
    EXPECT_TRUE(FilesIn(c.tmp).empty());
}

TEST(Uninstall, UnreadableLogShowsTheErrorAndTouchesNothing) {
    struct Variant {
        const char* name;
        bool lockLog;
    } const variants[] = {{"nolog", false}, {"lockedlog", true}};
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        UninstallCase c(v.name);
        WriteText(c.app + "a.txt", "x");
        HANDLE lock = INVALID_HANDLE_VALUE;
        if (v.lockLog) {
            c.Log({"File Copy: " + c.app + "a.txt", "File Copy: " + c.program()});
            lock =
                CreateFileA(c.log().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        }
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, &key), ERROR_SUCCESS);
        RegCloseKey(key);
        const auto asked = c.Run("yes");
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[1].kind, kError);
        EXPECT_EQ(asked[1].buttons, kOk);
        EXPECT_EQ(asked[1].text,
                  "Cannot open install log file (\"" + c.log() + "\").\rUnable to uninstall.");
        EXPECT_TRUE(Exists(c.app + "a.txt"));
        EXPECT_EQ(Exists(c.log()), v.lockLog);
        EXPECT_TRUE(FilesIn(c.tmp).empty());
        EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kSettingsKey, &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }
}

TEST(Uninstall, ScriptTakesTheFirstFreeNumber) {
    UninstallCase c("freename");
    WriteText(c.tmp + "Korvalith0.bat", "zero");
    WriteText(c.tmp + "Korvalith1.bat", "one");
    c.Log({"File Copy: " + c.program()});
    ExpectCompleted(c.Run("yes", true));
    EXPECT_TRUE(Exists(c.tmp + "Korvalith2.bat"));
    EXPECT_EQ(ReadText(c.tmp + "Korvalith0.bat"), "zero");
    EXPECT_EQ(ReadText(c.tmp + "Korvalith1.bat"), "one");
    c.Release();
    EXPECT_TRUE(WaitUntil(kScriptEndWaitMs, [&] { return !Exists(c.tmp + "Korvalith2.bat"); }));
    EXPECT_EQ(FilesIn(c.tmp).size(), 2u);
}

std::string DocumentsFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path);
    std::string s = path;
    if (!s.empty() && s.back() != '\\') s += '\\';
    return s;
}

TEST(Uninstall, MissingTemporaryFolderPutsTheScriptIntoTheDocuments) {
    UninstallCase c("notmp");
    const std::string documents = DocumentsFolder();
    for (const std::string& f : FilesIn(documents))
        if (f.rfind("Korvalith", 0) == 0) DeleteFileA((documents + f).c_str());
    c.Log({"File Copy: " + c.program()});
    ExpectCompleted(c.Run("yes", true, c.root + "does not exist\\"));
    EXPECT_TRUE(Exists(documents + "Korvalith0.bat"));
    c.ExpectScriptFinishes(documents);
}

// The folders between the case's root and its program folder, outermost first, as the setup
// logs the folders it makes.
std::vector<std::string> FoldersBetween(const UninstallCase& c) {
    std::vector<std::string> folders;
    for (size_t i = c.root.size(); i + 1 < c.app.size(); ++i)
        if (c.app[i] == '\\') folders.push_back(c.app.substr(0, i + 1));
    return folders;
}

// The script deletes the program file once the program has ended, then the folder, the logged
// folders above it and itself, also when the names hold characters the command interpreter
// treats specially: "%" (expanded even between quotes in a batch file), "&", "^", "(", ")",
// "!" and a letter outside ASCII.
TEST(Uninstall, ScriptRemovesTheProgramAndItsFolderAfterTheEnd) {
    std::vector<std::pair<std::string, std::string>> folders = {
        {"plain", "Korvalith"},
        {"spaces", "Program Files\\My Korvalith"},
        {"percent", "Tools 100%\\Korvalith %TEMP% %1"},
        {"special", "A & B ^ (x) !y! ; ,=\\Korvalith"},
    };
    if (GetACP() == 1252) folders.push_back({"accent", "Caf\xE9 \xC9t\xE9\\Korvalith"});
    for (const auto& [name, appName] : folders) {
        SCOPED_TRACE(name);
        UninstallCase c(name, appName);
        // The folders' own lines fail during the walk; the script removes them at its end.
        std::vector<std::string> log;
        for (const std::string& folder : FoldersBetween(c)) log.push_back("Made Dir: " + folder);
        log.push_back("Made Dir: " + c.app);
        log.push_back("File Copy: " + c.program());
        c.Log(log);
        ExpectCompleted(c.Run("yes", true));
        ASSERT_EQ(FilesIn(c.tmp).size(), 1u);
        c.ExpectScriptFinishes(c.tmp);
        for (const std::string& folder : FoldersBetween(c))
            EXPECT_FALSE(Exists(folder)) << "logged folder above stays: " << folder;
        EXPECT_TRUE(Exists(c.root));  // not logged: the setup did not make it
    }
}

// A logged folder above the program folder that still holds something else is left alone by
// the script too.
TEST(Uninstall, ScriptKeepsALoggedFolderAboveThatHoldsOtherFiles) {
    UninstallCase c("abovekept", "Tools\\Korvalith");
    const std::string tools = c.root + "Tools\\";
    WriteText(tools + "notes.txt", "mine");
    c.Log({"Made Dir: " + tools, "Made Dir: " + c.app, "File Copy: " + c.program()});
    ExpectCompleted(c.Run("yes", true));
    c.ExpectScriptFinishes(c.tmp);
    EXPECT_EQ(ReadText(tools + "notes.txt"), "mine");
}

// The temporary folder itself may have blanks and special characters in its name.
TEST(Uninstall, ScriptRunsFromATemporaryFolderWithSpecialCharacters) {
    UninstallCase c("specialtmp");
    const std::string tmp = c.root + "My Temp 50% & (1)\\";
    MakeDirs(tmp);
    c.Log({"File Copy: " + c.program()});
    ExpectCompleted(c.Run("yes", true, tmp));
    ASSERT_EQ(FilesIn(tmp).size(), 1u);
    c.tmp = tmp;
    c.ExpectScriptFinishes(tmp);
}

TEST(Uninstall, DeletesBothRegistryKeysAndKeepsTheCompanyKey) {
    UninstallCase c("registry");
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Sub").c_str(), &key),
              ERROR_SUCCESS);
    RegSetValueExA(key, "X", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, kUninstallKey, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    c.Log({});
    ExpectCompleted(c.Run("yes"));
    EXPECT_NE(RegOpenKeyA(HKEY_CURRENT_USER, kSettingsKey, &key), ERROR_SUCCESS);
    EXPECT_NE(RegOpenKeyA(HKEY_LOCAL_MACHINE, kUninstallKey, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kCompanyKey, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// A marked window stands in for a running copy: it gets the close request only once the
// user has confirmed.
struct MarkedWindow {
    static inline int closeRequests = 0;
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == CloseRequestMsg()) {
            ++closeRequests;
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    }
    MarkedWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "UninstallTestMarked";
        RegisterClassA(&wc);
        wnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              wc.hInstance, nullptr);
        SetInstanceMarker(wnd);
        closeRequests = 0;
    }
    ~MarkedWindow() { DestroyWindow(wnd); }
    HWND wnd;
};

TEST(Uninstall, AsksARunningCopyToCloseOnlyAfterConfirmation) {
    MarkedWindow running;
    UninstallCase c("closerequest");
    c.Log({});
    c.Run("no");
    EXPECT_EQ(MarkedWindow::closeRequests, 0);
    c.Run("yes");
    EXPECT_EQ(MarkedWindow::closeRequests, 1);
}

}  // namespace
