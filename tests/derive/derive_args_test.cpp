// The command line of korvalith-derive: pictures by index or by caption, class, and the errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/derive/derive_args.h"

namespace {

using Action = DeriveCommand::Action;

TEST(DeriveArgs, AcceptedCommandLines) {
    const struct {
        std::vector<std::string> args;
        int lengthClass;
        std::vector<int> pictures;
    } cases[] = {
        {{"0", "1", "2", "3"}, 3, {0, 1, 2, 3}},
        {{"--class", "0", "511", "64", "8", "7"}, 0, {7, 8, 64, 511}},
        {{"5", "6", "--class=2", "7", "8"}, 2, {5, 6, 7, 8}},
        {{"animals:0,3", "SPORTS:7,7", "Cars:1,0", "cHaRaCtErS:0,0"}, 3, {3, 128 + 8, 192, 511}},
        {{"names:2,5", "0", "1", "2", "--class", "1"}, 1, {0, 1, 2, 384 + 21}},
    };
    for (const auto& c : cases) {
        const DeriveCommand command = ParseDeriveArgs(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        ASSERT_EQ(command.action, Action::Derive) << command.error;
        EXPECT_EQ(command.lengthClass, c.lengthClass);
        std::vector<int> selected;
        for (int k = 0; k < kPictureCount; ++k) {
            if (command.selection[k] != 0) {
                selected.push_back(k);
            }
        }
        EXPECT_EQ(selected, c.pictures);
    }
}

TEST(DeriveArgs, RejectedCommandLinesNameTheOffendingArgument) {
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"0", "1", "2"}, "3 given"},
        {{}, "0 given"},
        {{"0", "1", "2", "animals:0,0"}, "'animals:0,0'"},
        {{"0", "1", "2", "512"}, "'512'"},
        {{"0", "1", "2", "-1"}, "'-1'"},
        {{"0", "1", "2", "3x"}, "'3x'"},
        {{"0", "1", "2", "99999999999"}, "'99999999999'"},
        {{"0", "1", "2", "birds:1,1"}, "'birds:1,1'"},
        {{"0", "1", "2", "food:8,0"}, "'food:8,0'"},
        {{"0", "1", "2", "food:1"}, "'food:1'"},
        {{"0", "1", "2", "food:1,"}, "'food:1,'"},
        {{"0", "1", "2", "3", "--clas", "2"}, "'--clas'"},
        {{"0", "1", "2", "3", "--class", "4"}, "'4'"},
        {{"0", "1", "2", "3", "--class=x"}, "'x'"},
        {{"0", "1", "2", "3", "--class"}, "'--class'"},
    };
    for (const auto& c : cases) {
        const DeriveCommand command = ParseDeriveArgs(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(command.action, Action::Fail);
        EXPECT_NE(command.error.find(c.named), std::string::npos) << command.error;
        EXPECT_EQ(command.error.find('\n'), std::string::npos);
    }
}

TEST(DeriveArgs, HelpWinsOverEverythingElse) {
    EXPECT_EQ(ParseDeriveArgs({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseDeriveArgs({"0", "-h"}).action, Action::Help);
}

}  // namespace
