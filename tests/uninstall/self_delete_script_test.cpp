// The self-delete script's text: six CR LF lines, paths readable literally by the interpreter.
#include "shell/self_delete_script.h"

#include <gtest/gtest.h>

namespace {

TEST(SelfDeleteScript, SixLinesWithQuotedPaths) {
    EXPECT_EQ(SelfDeleteScript(R"(C:\Program Files\Korvalith\Korvalith.exe)",
                               R"(C:\Program Files\Korvalith\)", {}, R"(C:\Temp\Korvalith0.bat)"),
              "@echo off\r\n"
              ":1\r\n"
              "del \"C:\\Program Files\\Korvalith\\Korvalith.exe\"\r\n"
              "if exist \"C:\\Program Files\\Korvalith\\Korvalith.exe\" goto 1\r\n"
              "rmdir \"C:\\Program Files\\Korvalith\\\"\r\n"
              "del \"C:\\Temp\\Korvalith0.bat\"\r\n");
}

TEST(BatchQuoted, DoublesPercentAndLeavesOtherSpecialCharacters) {
    struct Case {
        const char* path;
        const char* quoted;
    } const cases[] = {
        {R"(C:\Tools 100%\Korvalith\)", R"("C:\Tools 100%%\Korvalith\")"},
        {R"(C:\%TEMP%\x)", R"("C:\%%TEMP%%\x")"},
        {R"(C:\%%)", R"("C:\%%%%")"},
        {R"(C:\A & B ^ (x) !y!\)", R"("C:\A & B ^ (x) !y!\")"},
        {"C:\\caf\xE9\\", "\"C:\\caf\xE9\\\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(BatchQuoted(c.path), c.quoted);
}

TEST(SelfDeleteScript, FoldersAboveAreRemovedInTheirOrderBeforeTheScriptsOwnDelete) {
    EXPECT_EQ(SelfDeleteScript(R"(C:\A 1%\B\K\K.exe)", R"(C:\A 1%\B\K\)",
                               {R"(C:\A 1%\B\)", R"(C:\A 1%\)"}, R"(C:\T%\K0.bat)"),
              "@echo off\r\n"
              ":1\r\n"
              "del \"C:\\A 1%%\\B\\K\\K.exe\"\r\n"
              "if exist \"C:\\A 1%%\\B\\K\\K.exe\" goto 1\r\n"
              "rmdir \"C:\\A 1%%\\B\\K\\\"\r\n"
              "rmdir \"C:\\A 1%%\\B\\\"\r\n"
              "rmdir \"C:\\A 1%%\\\"\r\n"
              "del \"C:\\T%%\\K0.bat\"\r\n");
}

}  // namespace
