// The popup button beside the target program's password edit: made, placed and shown
// without taking the foreground; its hint after the pause and gone after five seconds.
#include "target/popup_button.h"
#include "tests/target/target_process.h"

#include <gtest/gtest.h>

namespace korvalith {
namespace {

using target_test::PumpFor;
using target_test::TargetProcess;

class PopupTest : public testing::Test {
  protected:
    uint32_t tick_ = 100000;
    PopupButton popup_{nullptr,
                       nullptr,
                       LoadIconA(nullptr, IDI_APPLICATION),
                       {[] {}, [this] { return tick_; }, [] { return 500u; }}};
    TargetTracker tracker_{
        nullptr, {[this] { popup_.Place(tracker_.State()); }, [this] { popup_.HoverStep(); }}};
};

TEST_F(PopupTest, PasswordEditGetsTheButtonAtItsRight) {
    TargetProcess target("password");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(target.WaitForeground());
    tracker_.TrackTarget(true);
    ASSERT_NE(popup_.Button(), nullptr);
    PumpFor(100);
    RECT box{}, button{};
    GetWindowRect(target.Box(), &box);
    GetWindowRect(popup_.Button()->Handle(), &button);
    EXPECT_TRUE(IsWindowVisible(popup_.Button()->Handle()));
    EXPECT_EQ(button.left, box.right + 1);
    EXPECT_EQ(button.top, box.top + (box.bottom - box.top - 18) / 2);
    EXPECT_EQ(button.right - button.left, 18);
    EXPECT_EQ(button.bottom - button.top, 18);
    EXPECT_EQ(GetForegroundWindow(), target.Top());
}

TEST_F(PopupTest, NormalEditGetsNoButtonAndAnExistingOneGoes) {
    {
        TargetProcess password("password");
        ASSERT_TRUE(password.Ready());
        ASSERT_TRUE(password.WaitForeground());
        tracker_.TrackTarget(true);
        ASSERT_NE(popup_.Button(), nullptr);
    }
    TargetProcess target("edit");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(target.WaitForeground());
    tracker_.TrackTarget(true);
    EXPECT_EQ(tracker_.State().TargetBoxWnd, target.Box());
    EXPECT_EQ(popup_.Button(), nullptr);
}

TEST_F(PopupTest, HintAfterThePauseBesideTheButtonUntilFiveSeconds) {
    TargetProcess target("password");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(target.WaitForeground());
    tracker_.TrackTarget(true);
    ASSERT_NE(popup_.Button(), nullptr);
    RECT button{};
    GetWindowRect(popup_.Button()->Handle(), &button);
    SetCursorPos(button.left + 9, button.top + 9);
    PumpFor(100);

    tracker_.TrackTarget(true);
    EXPECT_TRUE(popup_.Button()->Hovered);
    EXPECT_EQ(popup_.Button()->HintWnd, nullptr);
    tick_ += 400;
    tracker_.TrackTarget(true);
    EXPECT_EQ(popup_.Button()->HintWnd, nullptr);
    tick_ += 100;
    tracker_.TrackTarget(true);
    ASSERT_NE(popup_.Button()->HintWnd, nullptr);
    RECT hint{};
    GetWindowRect(popup_.Button()->HintWnd->Handle(), &hint);
    EXPECT_EQ(hint.left, button.right + 3);
    EXPECT_EQ(hint.top, button.bottom + 3);
    EXPECT_EQ(GetForegroundWindow(), target.Top());
    tick_ += 4500;
    tracker_.TrackTarget(true);
    EXPECT_EQ(popup_.Button()->HintWnd, nullptr);
    SetCursorPos(0, 0);
}

}  // namespace
}  // namespace korvalith
