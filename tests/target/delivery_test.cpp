// Password delivery read back from the target program: window text, keystrokes, the page's
// field, the limit messages, the vanished box and the clipboard fallback.
#include "target/delivery.h"
#include "target/delivery_messages.h"
#include "target/keystrokes.h"
#include "tests/target/target_process.h"
#include "ui/message_seam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvalith {
namespace {

using target_test::PumpFor;
using target_test::TargetProcess;

// Tracks the target as the hot key does, then detaches as the main window's showing does.
class DeliveryTest : public testing::Test {
  protected:
    void Track(TargetProcess& target) {
        ASSERT_TRUE(target.Ready());
        ASSERT_TRUE(target.WaitForeground());
        PumpFor(100);
        tracker_.TrackTarget(false);
        tracker_.DetachInput();
        ASSERT_EQ(tracker_.State().TargetBoxWnd, target.Box());
    }
    InsertOutcome Insert(const std::string& password) {
        ui::ScopedMessageSeam scoped(&seam_);
        return InsertPassword(tracker_, StringPassword(password), hooks_);
    }

    TargetTracker tracker_{nullptr};
    ui::PresetMessageSeam seam_;
    std::vector<std::string> copied_;
    int hidden_ = 0;
    DeliveryHooks hooks_{[this](const std::string& s) { copied_.push_back(s); },
                         [this] { ++hidden_; }};
};

TEST_F(DeliveryTest, WindowTextReplacesWhatTheBoxHeld) {
    TargetProcess target("edit text=old");
    Track(target);
    EXPECT_EQ(Insert("Abcdef1234XY"), InsertOutcome::Delivered);
    EXPECT_EQ(target.WaitLine("box edit = "), "Abcdef1234XY");
    EXPECT_EQ(hidden_, 1);
    EXPECT_TRUE(copied_.empty());
    EXPECT_TRUE(seam_.asked.empty());
    EXPECT_EQ(tracker_.State().TargetBoxWnd, nullptr);
    EXPECT_EQ(tracker_.State().TargetTopWnd, nullptr);
}

TEST_F(DeliveryTest, BoxWithoutLimitGetsKeystrokesAfterItsText) {
    TargetProcess target("mozilla text=ab");
    Track(target);
    const std::string password = "Xy3ZqR9Lm!";
    EXPECT_EQ(Insert(password), InsertOutcome::Delivered);
    PumpFor(300);
    target.RequestReport();
    std::optional<std::string> last;
    while (auto line = target.WaitLine("box mozilla = ", 1000)) last = line;
    EXPECT_EQ(last, "ab" + password);
    EXPECT_EQ(hidden_, 1);
}

TEST_F(DeliveryTest, PageFieldValueIsSet) {
    TargetProcess target("page");
    Track(target);
    ASSERT_TRUE(tracker_.State().TargetInput);
    EXPECT_EQ(Insert("Pq7Rs8Tu9V"), InsertOutcome::Delivered);
    EXPECT_EQ(target.WaitLine("field "), "pass2 = Pq7Rs8Tu9V");
    EXPECT_FALSE(tracker_.State().TargetInput);
}

struct LimitCase {
    const char* name;
    int limit;
    size_t length;
};

const LimitCase kLimitCases[] = {
    {"SixBelowAnyClass", 6, 20},
    {"NineBelowTheShortestMaximum", 9, 10},
    {"TwelveAShorterClassFits", 12, 20},
};

class DeliveryLimitTest : public DeliveryTest, public testing::WithParamInterface<LimitCase> {};

TEST_P(DeliveryLimitTest, TooSmallALimitDeliversNothing) {
    const LimitCase& c = GetParam();
    TargetProcess target("limit limit=" + std::to_string(c.limit));
    Track(target);
    const std::string password(c.length, 'k');
    EXPECT_EQ(Insert(password), InsertOutcome::LimitTooSmall);
    ASSERT_EQ(seam_.asked.size(), 1u);
    EXPECT_EQ(seam_.asked[0].kind, ui::MessageKind::Information);
    EXPECT_EQ(seam_.asked[0].text, LimitMessage(c.limit, c.length).value());
    target.RequestReport();
    EXPECT_EQ(target.WaitLine("box limit = "), "");
    EXPECT_EQ(hidden_, 0);
    EXPECT_EQ(tracker_.State().TargetBoxWnd, target.Box());
}

INSTANTIATE_TEST_SUITE_P(Limits, DeliveryLimitTest, testing::ValuesIn(kLimitCases),
                         [](const testing::TestParamInfo<LimitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DeliveryTest, LimitOfExactlyThePasswordsLengthIsDelivered) {
    TargetProcess target("limit limit=12");
    Track(target);
    EXPECT_EQ(Insert("ExactlyTwelv"), InsertOutcome::Delivered);
    EXPECT_EQ(target.WaitLine("box limit = "), "ExactlyTwelv");
    EXPECT_TRUE(seam_.asked.empty());
}

TEST_F(DeliveryTest, ClosedTargetAsksAndYesCopies) {
    TargetProcess target("edit");
    Track(target);
    const HWND top = tracker_.State().TargetTopWnd;
    const HWND box = tracker_.State().TargetBoxWnd;
    target.Close();
    seam_.Push(ui::MessageButton::Yes);
    EXPECT_EQ(Insert("Copied4You8"), InsertOutcome::Copied);
    ASSERT_EQ(seam_.asked.size(), 1u);
    EXPECT_EQ(seam_.asked[0].kind, ui::MessageKind::Confirmation);
    EXPECT_EQ(seam_.asked[0].text, kNoInsertQuestion);
    EXPECT_EQ(seam_.asked[0].buttons, ui::MessageButton::Yes | ui::MessageButton::No);
    EXPECT_EQ(copied_, std::vector<std::string>{"Copied4You8"});
    EXPECT_EQ(hidden_, 1);
    EXPECT_EQ(tracker_.State().TargetBoxWnd, box);
    EXPECT_EQ(tracker_.State().TargetTopWnd, top);
}

TEST_F(DeliveryTest, ClosedTargetAndNoKeepsEverything) {
    TargetProcess target("edit");
    Track(target);
    const HWND box = tracker_.State().TargetBoxWnd;
    target.Close();
    seam_.Push(ui::MessageButton::No);
    EXPECT_EQ(Insert("Kept4Later9"), InsertOutcome::Declined);
    EXPECT_EQ(seam_.asked.size(), 1u);
    EXPECT_TRUE(copied_.empty());
    EXPECT_EQ(hidden_, 0);
    EXPECT_EQ(tracker_.State().TargetBoxWnd, box);
}

TEST_F(DeliveryTest, NoTargetBoxCopiesWithoutAsking) {
    EXPECT_EQ(Insert("NoBox12345"), InsertOutcome::Copied);
    EXPECT_EQ(copied_, std::vector<std::string>{"NoBox12345"});
    EXPECT_EQ(hidden_, 1);
    EXPECT_TRUE(seam_.asked.empty());
}

bool CapsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

void PressCapsLock() {
    keybd_event(VK_CAPITAL, 0, 0, 0);
    keybd_event(VK_CAPITAL, 0, KEYEVENTF_KEYUP, 0);
    PumpFor(150);
}

// Caps Lock's state does not cross processes reliably under Wine, so the box here belongs to
// the typing program itself.
TEST(TypePassword, CapsLockOnStillGivesTheRightCaseAndStaysOn) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 300, 60,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    SetForegroundWindow(edit);
    SetFocus(edit);
    PumpFor(200);
    if (!CapsLockOn()) PressCapsLock();
    ASSERT_TRUE(CapsLockOn());

    const std::string password = "AbC xyZ-9!@#";
    TypePassword(StringPassword(password));
    PumpFor(300);
    char text[64] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_EQ(std::string(text), password);
    EXPECT_TRUE(CapsLockOn());

    PressCapsLock();
    DestroyWindow(edit);
}

}  // namespace
}  // namespace korvalith
