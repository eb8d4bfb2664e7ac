// The path text rules: trailing backslash, drive part and extension.
#include <gtest/gtest.h>

#include <string>

#include "common/path_text.h"

namespace {

TEST(AddBackslash, EndsEveryNonEmptyPathWithOneBackslash) {
    const struct {
        const char* path;
        const char* result;
    } cases[] = {
        {"", ""},
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:/", "C:\\"},
        {"C:\\dir", "C:\\dir\\"},
        {"dir/sub/", "dir/sub\\"},
        {"\\\\srv\\share", "\\\\srv\\share\\"},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        AddBackslash(path);
        EXPECT_EQ(path, c.result) << '"' << c.path << '"';
    }
}

TEST(DrivePart, IsTheLetterWithColonOrTheServerAndShare) {
    const struct {
        const char* path;
        const char* drive;
    } cases[] = {
        {"D:\\Korvalith\\Korvalith.exe", "D:"},
        {"d:", "d:"},
        {"\\\\server\\share\\dir\\Korvalith.exe", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"//server/share/x", "//server/share"},
        {"\\\\server", ""},
        {"\\\\\\x", ""},
        {"relative\\file.exe", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrivePart(c.path), c.drive) << '"' << c.path << '"';
    }
}

TEST(ChangeFileExt, ReplacesOnlyTheLastNamesExtension) {
    const struct {
        const char* path;
        const char* result;
    } cases[] = {
        {"D:\\Korvalith.exe", "D:\\Korvalith.ini"},
        {"D:\\tools\\other.name.exe", "D:\\tools\\other.name.ini"},
        {"D:\\dir.x\\prog", "D:\\dir.x\\prog.ini"},
        {"prog", "prog.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChangeFileExt(c.path, ".ini"), c.result) << '"' << c.path << '"';
    }
}

}  // namespace
