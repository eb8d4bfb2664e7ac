// The command-line rule: exact switches, one argument only.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Case {
    std::vector<std::string_view> args;
    StartMode mode;
};

TEST(StartModeFromArgs, OnlyASingleExactSwitchCounts) {
    const Case cases[] = {
        {{}, StartMode::Normal},
        {{"-ui"}, StartMode::Uninstall},
        {{"-intro"}, StartMode::Intro},
        {{"-UI"}, StartMode::Normal},
        {{"-Intro"}, StartMode::Normal},
        {{"-ui", "x"}, StartMode::Normal},
        {{"-intro", "-intro"}, StartMode::Normal},
        {{"x", "-ui"}, StartMode::Normal},
        {{"/ui"}, StartMode::Normal},
        {{"-ui "}, StartMode::Normal},
        {{""}, StartMode::Normal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end())));
        EXPECT_EQ(StartModeFromArgs(c.args), c.mode);
    }
}

}  // namespace
