// The shared path helpers on Windows: special folders, reachable folders, the temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/paths.h"

namespace {

std::string CurrentFolder() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

std::string WindowsFolder() {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    return buffer;
}

TEST(GetSpecialFolder, GivesTheFolderWithoutTrailingBackslash) {
    for (int csidl : {kCsidlPersonal, kCsidlStartup}) {
        const std::string folder = GetSpecialFolder(csidl);
        ASSERT_GT(folder.size(), 3u) << csidl;
        EXPECT_EQ(folder[1], ':');
        EXPECT_NE(folder.back(), '\\');
    }
    EXPECT_TRUE(DirectoryIsReachable(GetSpecialFolder(kCsidlPersonal)));
}

TEST(GetSpecialFolder, UnknownFolderGivesEmptyText) { EXPECT_EQ(GetSpecialFolder(0x7F), ""); }

TEST(DirectoryIsReachable, OnlyExistingAbsoluteFoldersAndTheCurrentFolderStays) {
    SetCurrentDirectoryA("C:\\");
    const std::string windows = WindowsFolder();
    std::string shouted = windows;
    CharUpperA(shouted.data());
    const struct {
        std::string path;
        bool reachable;
    } cases[] = {
        {windows, true},
        {windows + "\\", true},
        {shouted, true},
        {"C:\\", true},
        {"windows", false},  // relative, though C:\windows exists
        {"C:\\no such folder here", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryIsReachable(c.path), c.reachable) << '"' << c.path << '"';
        EXPECT_EQ(CurrentFolder(), "C:\\") << "after \"" << c.path << '"';
    }
}

class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GetEnvironmentVariableA("TMP", tmp_, sizeof tmp_);
        GetEnvironmentVariableA("TEMP", temp_, sizeof temp_);
    }
    void TearDown() override {
        SetEnvironmentVariableA("TMP", tmp_);
        SetEnvironmentVariableA("TEMP", temp_);
    }
    char tmp_[MAX_PATH] = {};
    char temp_[MAX_PATH] = {};
};

TEST_F(TempDirTest, IsTheTemporaryFolderWithBackslash) {
    char expected[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, expected);
    const std::string dir = GetTempDir();
    EXPECT_EQ(dir, expected);
    EXPECT_EQ(dir.back(), '\\');
}

TEST_F(TempDirTest, FallsBackToTheDocumentsFolderWhenTheTemporaryFolderIsMissing) {
    SetEnvironmentVariableA("TMP", "C:\\missing temp folder");
    SetEnvironmentVariableA("TEMP", "C:\\missing temp folder");
    EXPECT_EQ(GetTempDir(), GetSpecialFolder(kCsidlPersonal) + "\\");
}

}  // namespace
