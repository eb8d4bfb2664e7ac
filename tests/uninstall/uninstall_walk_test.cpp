// The backward walk over the install log: which action each line gives, and in what order.
#include "shell/uninstall_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

constexpr std::string_view kProgram = R"(C:\Program Files\Korvalith\Korvalith.exe)";

std::vector<UninstallStep> Plan(const std::vector<std::string>& lines) {
    return PlanUninstall(lines, kProgram, SameIgnoringAsciiCase);
}

using A = UninstallAction;

TEST(PlanUninstall, WalksBackwardsAndStartsTheScriptAtTheProgramLine) {
    const std::vector<std::string> log = {
        R"(Made Dir: C:\Program Files\Korvalith\)",
        R"(File Copy: C:\Program Files\Korvalith\Korvalith.chm)",
        R"(File Copy: C:\Program Files\Korvalith\Korvalith.exe)",
        R"(File Copy: C:\Startup\Korvalith.lnk)",
    };
    const std::vector<UninstallStep> expected = {
        {A::DeleteFile, R"(C:\Startup\Korvalith.lnk)"},
        {A::StartSelfDelete, std::string(kProgram)},
        {A::DeleteFile, R"(C:\Program Files\Korvalith\Korvalith.chm)"},
        {A::RemoveFolder, R"(C:\Program Files\Korvalith\)"},
    };
    EXPECT_EQ(Plan(log), expected);
}

TEST(PlanUninstall, ProgramLineInAnotherCaseCountsAndOnlyTheLastListedStartsTheScript) {
    const std::vector<std::string> log = {
        R"(File Copy: c:\program files\korvalith\korvalith.exe)",
        R"(File Copy: C:\a.txt)",
        R"(File Copy: C:\PROGRAM FILES\KORVALITH\KORVALITH.EXE)",
    };
    const std::vector<UninstallStep> expected = {
        {A::StartSelfDelete, R"(C:\PROGRAM FILES\KORVALITH\KORVALITH.EXE)"},
        {A::DeleteFile, R"(C:\a.txt)"},
    };
    EXPECT_EQ(Plan(log), expected);
}

TEST(PlanUninstall, IgnoresLinesOfOtherKinds) {
    const std::vector<std::string> log = {
        R"(file copy: C:\a.txt)",  R"(File copy: C:\b.txt)",
        R"( File Copy: C:\c.txt)", R"(File Copy:C:\d.txt)",
        R"(made dir: C:\e\)",      R"(  Made Dir: C:\f\)",
        R"(Made Dir:C:\g\)",       "",
        "Something else",          R"(File Copy: C:\kept.txt)",
    };
    const std::vector<UninstallStep> expected = {{A::DeleteFile, R"(C:\kept.txt)"}};
    EXPECT_EQ(Plan(log), expected);
}

TEST(PlanUninstall, WithoutTheProgramLineNoScript) {
    const std::vector<std::string> log = {
        R"(Made Dir: C:\Program Files\Korvalith\)",
        R"(File Copy: C:\Program Files\Korvalith\Korvalith.chm)",
        R"(File Copy: C:\Program Files\Korvalith\Korvalith.exe.bak)",
    };
    auto steps = Plan(log);
    EXPECT_EQ(steps.size(), 3u);
    EXPECT_TRUE(std::ranges::none_of(
        steps, [](const UninstallStep& s) { return s.action == A::StartSelfDelete; }));
}

TEST(PlanUninstall, PathIsTheRestOfTheLineAfterThePrefix) {
    const std::vector<std::string> log = {"File Copy: ", "Made Dir: C:\\x y\\ ",
                                          "File Copy:  C:\\z"};
    const std::vector<UninstallStep> expected = {
        {A::DeleteFile, " C:\\z"}, {A::RemoveFolder, "C:\\x y\\ "}, {A::DeleteFile, ""}};
    EXPECT_EQ(Plan(log), expected);
}

// Which of the walk's folders the script must remove after the program's folder: those that
// hold it, innermost first, each once, with a trailing backslash.
TEST(FoldersAboveProgram, KeepsTheFoldersHoldingTheProgramFolderInnermostFirst) {
    constexpr std::string_view kFolder = R"(C:\Tools 100%\Sub\Korvalith\)";
    struct Case {
        const char* name;
        std::vector<std::string> folders;  // RemoveFolder steps, in walk order
        std::vector<std::string> above;
    } const cases[] = {
        {"none", {}, {}},
        {"only the program folder", {R"(C:\Tools 100%\Sub\Korvalith\)"}, {}},
        {"walk order",
         {R"(C:\Tools 100%\Sub\Korvalith\)", R"(C:\Tools 100%\Sub\)", R"(C:\Tools 100%\)"},
         {R"(C:\Tools 100%\Sub\)", R"(C:\Tools 100%\)"}},
        {"outermost listed first",
         {R"(C:\Tools 100%\)", R"(C:\Tools 100%\Sub\)"},
         {R"(C:\Tools 100%\Sub\)", R"(C:\Tools 100%\)"}},
        {"without backslash, other case, twice",
         {R"(c:\tools 100%)", R"(C:\TOOLS 100%\)"},
         {R"(c:\tools 100%\)"}},
        {"a name that only starts alike", {R"(C:\Tools 10\)", R"(C:\Tools 100%\Su\)"}, {}},
        {"inside the program folder", {R"(C:\Tools 100%\Sub\Korvalith\Data\)"}, {}},
        {"elsewhere", {R"(C:\Other\)", R"(D:\Tools 100%\)"}, {}},
        {"empty path", {""}, {}},
    };
    for (const Case& c : cases) {
        std::vector<UninstallStep> steps = {{A::DeleteFile, R"(C:\Tools 100%\a.txt)"},
                                            {A::StartSelfDelete, std::string(kProgram)}};
        for (const std::string& folder : c.folders) steps.push_back({A::RemoveFolder, folder});
        EXPECT_EQ(FoldersAboveProgram(steps, kFolder, SameIgnoringAsciiCase), c.above) << c.name;
    }
}
}  // namespace

namespace {

TEST(SplitLines, BreaksAtEveryKindOfLineEnd) {
    struct Case {
        std::string_view text;
        std::vector<std::string> lines;
    } const cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
        {"\r\n", {""}},
        {" File Copy: x \r\n", {" File Copy: x "}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(std::string(c.text));
}

}  // namespace
