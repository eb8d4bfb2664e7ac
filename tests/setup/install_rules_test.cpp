// Install log rules, logged folder creation, install conditions, member lookup and retries.
#include <gtest/gtest.h>

#include <set>

#include "setup/ansi_case.h"
#include "setup/install_log.h"
#include "setup/install_rules.h"
#include "setup/path_rules.h"

namespace {

using setup::InstallLog;

class LogFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        setup::ResetInstallLogState();
        InstallLog.emplace();
    }
    void TearDown() override { setup::ResetInstallLogState(); }
    std::vector<std::string> Lines() const { return InstallLog->Lines(); }
};

TEST_F(LogFixture, SameLineInAnyLetterCaseIsKeptOnce) {
    setup::LogAction("File Copy: C:\\Program Files\\Korvalith\\Korvalith.exe");
    setup::LogAction("File Copy: C:\\Program Files\\Korvalith\\Korvalith.exe");
    setup::LogAction("FILE COPY: c:\\program files\\korvalith\\korvalith.EXE");
    setup::LogAction("File Copy: C:\\Program Files\\Korvalith\\Korvalith.chm");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"File Copy: C:\\Program Files\\Korvalith\\Korvalith.exe",
                                        "File Copy: C:\\Program Files\\Korvalith\\Korvalith.chm"}));
}

TEST_F(LogFixture, SuspensionNestsAndNoLogMeansNothingIsKept) {
    setup::SuspendLog();
    setup::SuspendLog();
    setup::LogAction("File Copy: a");
    setup::ResumeLog();
    setup::LogAction("File Copy: b");
    setup::ResumeLog();
    setup::LogAction("File Copy: c");
    EXPECT_EQ(Lines(), std::vector<std::string>{"File Copy: c"});
    InstallLog.reset();
    setup::LogAction("File Copy: d");
    EXPECT_FALSE(InstallLog);
}

TEST_F(LogFixture, AnEarlierLogStaysInFrontAndOnlyNewLinesAreAppended) {
    InstallLog->LoadText("Made Dir: C:\\K\\\r\nFile Copy: C:\\K\\Korvalith.exe\r\nother\nlast");
    setup::LogAction("file copy: c:\\k\\korvalith.exe");
    setup::LogAction("Made Dir: C:\\K\\Sub\\");
    EXPECT_EQ(InstallLog->SaveText(),
              "Made Dir: C:\\K\\\r\nFile Copy: C:\\K\\Korvalith.exe\r\nother\r\nlast\r\n"
              "Made Dir: C:\\K\\Sub\\\r\n");
}

TEST_F(LogFixture, ForceDirsLogsParentsFirstAndNothingForExistingFolders) {
    std::set<std::string> existing = {"C:", "C:\\"};
    std::vector<std::string> made;
    const setup::FolderOps ops{[&](const std::string& f) { return existing.contains(f); },
                               [&](const std::string& f) {
                                   made.push_back(f);
                                   existing.insert(f);
                               }};
    setup::ForceDirsLogged("C:\\X\\Y\\", ops);
    EXPECT_EQ(made, (std::vector<std::string>{"C:\\X\\", "C:\\X\\Y\\"}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Made Dir: C:\\X\\", "Made Dir: C:\\X\\Y\\"}));
    setup::ForceDirsLogged("C:\\X\\Y\\", ops);
    setup::ForceDirsLogged("", ops);
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(LogFixture, ForceDirsLogsEvenWhenTheCreationFails) {
    const setup::FolderOps ops{[](const std::string& f) { return f == "D:" || f == "D:\\"; },
                               [](const std::string&) {}};
    setup::ForceDirsLogged("D:\\A\\", ops);
    EXPECT_EQ(Lines(), std::vector<std::string>{"Made Dir: D:\\A\\"});
}

TEST(PathRules, JoinAndParents) {
    EXPECT_EQ(setup::JoinPath("", "Korvalith.exe"), "Korvalith.exe");
    EXPECT_EQ(setup::JoinPath("C:\\K", "Korvalith.exe"), "C:\\K\\Korvalith.exe");
    EXPECT_EQ(setup::JoinPath("C:\\K\\", "a"), "C:\\K\\a");
    EXPECT_EQ(setup::JoinPath("C:\\K/", "a"), "C:\\K\\a");
    EXPECT_EQ(setup::ParentFolder("C:\\X\\Y\\"), "C:\\X\\");
    EXPECT_EQ(setup::ParentFolder("C:\\"), "C:");
    EXPECT_EQ(setup::ParentFolder("rel\\"), "");
    EXPECT_EQ(setup::FolderOfPath("C:\\K\\Sub\\a.txt"), "C:\\K\\Sub\\");
}

TEST(InstallCondition, EachConditionAgainstMissingOlderEqualAndNewerTargets) {
    constexpr double kEntry = 40965.5;
    struct Case {
        int condition;
        bool missing, older, equal, newer;
    };
    constexpr Case cases[] = {
        {setup::icIfMissing, true, false, false, false},
        {setup::icIfOlder, true, true, false, false},
        {setup::icIfDateDiffers, true, true, false, true},
        {setup::icIfExists, false, true, true, true},
        {setup::icAlways, true, true, true, true},
        {7, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        EXPECT_EQ(setup::ShouldInstall(c.condition, std::nullopt, kEntry), c.missing);
        EXPECT_EQ(setup::ShouldInstall(c.condition, kEntry - 0.1, kEntry), c.older);
        EXPECT_EQ(setup::ShouldInstall(c.condition, kEntry, kEntry), c.equal);
        EXPECT_EQ(setup::ShouldInstall(c.condition, kEntry + 0.1, kEntry), c.newer);
    }
}

std::vector<setup::TAttachedFile> Members(std::initializer_list<const char*> names) {
    std::vector<setup::TAttachedFile> out;
    uint32_t offset = 100;
    for (const char* n : names) {
        out.push_back({n, 0, 0.0, offset++, 1});
    }
    return out;
}

TEST(MemberLookup, PatternsMatchWithoutRegardToLetterCase) {
    const auto files =
        Members({"Korvalith.exe", "Help\\a.chm", "help\\B.chm", "Helper.txt", "Korvalith.exe"});
    std::vector<uint32_t> checked;
    auto check = [&](bool verdict) {
        return [&checked, verdict](const setup::TAttachedFile& f) {
            checked.push_back(f.Offset);
            return verdict;
        };
    };
    EXPECT_TRUE(setup::ForEachMatch(files, "KORVALITH.EXE", check(true)));
    EXPECT_EQ(checked, std::vector<uint32_t>{100});  // the first match only
    checked.clear();
    EXPECT_FALSE(setup::ForEachMatch(files, "korvalith.exe", check(false)));
    checked.clear();
    EXPECT_TRUE(setup::ForEachMatch(files, "HELP\\", check(true)));
    EXPECT_EQ(checked, (std::vector<uint32_t>{101, 102}));
    checked.clear();
    EXPECT_FALSE(setup::ForEachMatch(files, "help\\", check(false)));
    EXPECT_FALSE(setup::ForEachMatch(files, "missing.txt", check(true)));
    EXPECT_EQ(setup::FindMember(files, "korvalith.EXE")->Offset, 104u);  // the later one wins
    EXPECT_EQ(setup::FindMember(files, "nope"), nullptr);
}

// A clock the attempts move forward, and a scripted user.
struct RetryScript {
    uint32_t now = 0xFFFFFF00;  // near the wrap of the 32-bit tick count
    uint32_t attemptCost = 100;
    int attempts = 0;
    int succeedAt = -1;
    std::vector<setup::TRetryAnswer> answers;
    int asked = 0;

    bool Run() {
        return setup::RunAttempts(
            [&] {
                now += attemptCost;
                return ++attempts == succeedAt;
            },
            [&] { return now; }, [&] { return answers.at(static_cast<size_t>(asked++)); });
    }
};

TEST(ExtractRetries, SilentForASecondThenAskedOnEveryFailure) {
    struct Case {
        const char* what;
        int succeedAt;
        std::vector<setup::TRetryAnswer> answers;
        bool result;
        int attempts, asked;
    };
    using A = setup::TRetryAnswer;
    const Case cases[] = {
        {"first attempt works", 1, {}, true, 1, 0},
        {"works within the second", 5, {}, true, 5, 0},
        {"abort", -1, {A::Abort}, false, 10, 1},
        {"ignore", -1, {A::Ignore}, true, 10, 1},
        {"retry fails then abort", -1, {A::Retry, A::Retry, A::Abort}, false, 12, 3},
        {"retry works", 11, {A::Retry}, true, 11, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RetryScript s;
        s.succeedAt = c.succeedAt;
        s.answers = c.answers;
        EXPECT_EQ(s.Run(), c.result);
        EXPECT_EQ(s.attempts, c.attempts);
        EXPECT_EQ(s.asked, c.asked);
    }
}

}  // namespace
