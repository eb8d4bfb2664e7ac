// The wizard's decisions: destination proposals, folder list contents, closing running copies.
#include <gtest/gtest.h>

#include <set>

#include "setup/close_running.h"
#include "setup/destination_rules.h"
#include "setup/folder_tree.h"
#include "setup/path_rules.h"

namespace {

TEST(Destination, DefaultsAndProposals) {
    EXPECT_EQ(
        setup::DefaultDestination(std::string("D:\\Tools\\K"), std::string("C:\\Program Files")),
        "D:\\Tools\\K");
    EXPECT_EQ(setup::DefaultDestination(std::nullopt, std::string("C:\\Program Files")),
              "C:\\Program Files\\Korvalith");
    EXPECT_EQ(setup::DefaultDestination(std::nullopt, std::nullopt), "Korvalith");

    struct Case {
        const char* chosen;
        const char* proposed;
    };
    constexpr Case cases[] = {
        {"C:\\", "C:\\Korvalith"},
        {"C:\\Program Files", "C:\\Program Files\\Korvalith"},
        {"D:\\PROGRAM FILES", "D:\\PROGRAM FILES\\Korvalith"},
        {"C:\\Program Files\\Other", "C:\\Program Files\\Other"},
        {"C:\\Tools", "C:\\Tools"},
        {"C:\\Program Files (x86)", "C:\\Program Files (x86)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(setup::ProposedDestination(c.chosen), c.proposed);
    }
    EXPECT_EQ(setup::ProgramCommandLine("C:\\Program Files\\Korvalith", "-ui"),
              "\"C:\\Program Files\\Korvalith\\Korvalith.exe\" -ui");
    EXPECT_EQ(setup::TempPrefixOf("Korvalith 1.0 - Setup"), "~KorvalithSetup");
}

TEST(FolderList, PathFromTheRootThenSortedSubfolders) {
    const auto items = setup::BuildFolderItems("C:\\Program Files\\", {"zeta", "Alpha", "beta"});
    std::vector<std::string> texts, paths;
    for (const auto& i : items) {
        texts.push_back(i.Text);
        paths.push_back(i.Path);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"C:\\", "  Program Files", "    Alpha", "    beta",
                                               "    zeta"}));
    EXPECT_EQ(paths,
              (std::vector<std::string>{"C:\\", "C:\\Program Files", "C:\\Program Files\\Alpha",
                                        "C:\\Program Files\\beta", "C:\\Program Files\\zeta"}));
    const auto root = setup::BuildFolderItems("C:", {"Windows"});
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[1].Path, "C:\\Windows");
}

TEST(FolderList, ClimbsToTheNearestExistingFolderAndChangesDrives) {
    const std::set<std::string> existing = {"C:\\", "C:\\Program Files"};
    auto reachable = [&](const std::string& p) { return existing.contains(p); };
    EXPECT_EQ(setup::NearestReachable("C:\\Program Files\\Korvalith\\Sub", reachable),
              "C:\\Program Files");
    EXPECT_EQ(setup::NearestReachable("C:\\Program Files\\", reachable), "C:\\Program Files");
    EXPECT_EQ(setup::NearestReachable("C:\\Nope", reachable), "C:\\");
    EXPECT_EQ(setup::NearestReachable("Q:\\Nope", reachable), "");
    EXPECT_EQ(setup::NearestReachable("Korvalith", reachable), "");
    EXPECT_EQ(setup::OnDrive("C:\\Program Files", 'D'), "D:\\Program Files");
    EXPECT_EQ(setup::OnDrive("C:\\", 'E'), "E:\\");
}

// Marked windows that go away once asked, or only after several requests.
struct FakeCopies {
    std::vector<uintptr_t> marked;
    std::vector<int> requestsNeeded;
    uint32_t now = 0;
    int sent = 0;
    std::vector<bool> answers;
    int asked = 0;

    setup::CloseOps Ops() {
        return {
            [this] { return marked; },
            [this](uintptr_t w) {
                ++sent;
                for (size_t i = 0; i < marked.size(); ++i) {
                    if (marked[i] == w && --requestsNeeded[i] <= 0) {
                        marked.erase(marked.begin() + static_cast<ptrdiff_t>(i));
                        requestsNeeded.erase(requestsNeeded.begin() + static_cast<ptrdiff_t>(i));
                        return;
                    }
                }
            },
            [this] { return now; }, [this] { now += 50; },
            [this] { return answers.at(static_cast<size_t>(asked++)); }};
    }
};

TEST(CloseRunning, EveryMarkedWindowIsAskedAndAStubbornOneIsTheUsersCall) {
    struct Case {
        const char* what;
        std::vector<int> requestsNeeded;
        std::vector<bool> answers;
        bool result;
        int sent, asked;
    };
    const Case cases[] = {
        {"none running", {}, {}, true, 0, 0},
        {"two close at once", {1, 1}, {}, true, 2, 0},
        {"one needs a second request, user retries", {2}, {true}, true, 2, 1},
        {"never closes, user gives up", {99}, {true, false}, false, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeCopies f;
        for (size_t i = 0; i < c.requestsNeeded.size(); ++i) {
            f.marked.push_back(100 + i);
        }
        f.requestsNeeded = c.requestsNeeded;
        f.answers = c.answers;
        EXPECT_EQ(setup::CloseRunningCopies(f.Ops()), c.result);
        EXPECT_EQ(f.sent, c.sent);
        EXPECT_EQ(f.asked, c.asked);
    }
}

}  // namespace
