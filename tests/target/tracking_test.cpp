// Target tracking against the target program running as a second process: which foreground
// windows and focused boxes are taken, their rectangles, and the browser page's field.
#include "target/target_tracker.h"
#include "target/bstr.h"
#include "tests/target/target_process.h"

#include <gtest/gtest.h>

#include <string>

namespace korvalith {
namespace {

using target_test::PumpFor;
using target_test::TargetProcess;

enum class Expect { NoBox, WindowRect, WindowRectOneWider, PageNoElement, PageField };

struct TrackCase {
    const char* name;
    const char* args;
    Expect expect;
};

const TrackCase kTrackCases[] = {
    {"Edit", "edit", Expect::WindowRect},
    {"MultiLineEdit", "multiline", Expect::WindowRect},
    {"PasswordEdit", "password", Expect::WindowRect},
    {"EditLimitedTo6", "limit limit=6", Expect::WindowRect},
    {"RichEdit20W", "richedit20w", Expect::WindowRectOneWider},
    {"CapitalRICHEDIT50W", "richedit50w", Expect::WindowRect},
    {"ButtonInOrdinaryWindow", "button", Expect::NoBox},
    {"ListBoxInOrdinaryWindow", "listbox", Expect::NoBox},
    {"ButtonInOpWindow", "opwindow-button", Expect::WindowRect},
    {"ListBoxInOpWindow", "opwindow-listbox", Expect::WindowRect},
    {"MozillaWindowClass", "mozilla", Expect::WindowRect},
    {"WebViewWindowClass", "webview", Expect::WindowRect},
    {"Taskbar", "tray", Expect::NoBox},
    {"Desktop", "desktop", Expect::NoBox},
    {"InvisibleForeground", "invisible", Expect::NoBox},
    {"DisabledForeground", "disabled", Expect::NoBox},
    {"PagePasswordFieldInSecondForm", "page", Expect::PageField},
    {"PageTextField", "page active=user", Expect::PageNoElement},
    {"PagePasswordFieldOutsideAnyForm", "page active=loose", Expect::PageNoElement},
    {"PagePasswordFieldWithoutFrameOnScreen", "page noframe", Expect::PageNoElement},
    {"PageCaretAtOrigin", "page caret0", Expect::NoBox},
};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// The strip beside the focused field's right border: the page draws "pass2" with its frame
// at (20, 100)-(240, 124) in its client area.
RECT PageFieldStrip(HWND page) {
    POINT origin{0, 0};
    ClientToScreen(page, &origin);
    return {origin.x + 240, origin.y + 100, origin.x + 240, origin.y + 124};
}

class TrackTargetTest : public testing::TestWithParam<TrackCase> {};

TEST_P(TrackTargetTest, DecidesTheTargetBox) {
    const TrackCase& c = GetParam();
    TargetProcess target(c.args);
    ASSERT_TRUE(target.Ready());
    // Every kind, the invisible and the disabled one too, is the foreground window here.
    ASSERT_TRUE(target.WaitForeground());
    PumpFor(100);

    TargetTracker tracker(nullptr);
    tracker.TrackTarget(false);
    const TargetState& s = tracker.State();

    RECT window{};
    GetWindowRect(target.Box(), &window);
    switch (c.expect) {
        case Expect::NoBox:
            EXPECT_EQ(s.TargetBoxWnd, nullptr);
            EXPECT_TRUE(SameRect(s.TargetRect, RECT{})) << Show(s.TargetRect);
            break;
        case Expect::WindowRect:
            EXPECT_EQ(s.TargetBoxWnd, target.Box());
            EXPECT_TRUE(SameRect(s.TargetRect, window)) << Show(s.TargetRect);
            break;
        case Expect::WindowRectOneWider:
            EXPECT_EQ(s.TargetBoxWnd, target.Box());
            window.right += 1;
            EXPECT_TRUE(SameRect(s.TargetRect, window)) << Show(s.TargetRect);
            break;
        case Expect::PageNoElement:
            EXPECT_EQ(s.TargetBoxWnd, target.Box());
            EXPECT_TRUE(SameRect(s.TargetRect, RECT{})) << Show(s.TargetRect);
            break;
        case Expect::PageField:
            EXPECT_EQ(s.TargetBoxWnd, target.Box());
            EXPECT_TRUE(SameRect(s.TargetRect, PageFieldStrip(target.Box())))
                << Show(s.TargetRect) << " expected " << Show(PageFieldStrip(target.Box()));
            break;
    }
    EXPECT_EQ(bool(s.TargetInput), c.expect == Expect::PageField);
    if (c.expect != Expect::NoBox) {
        EXPECT_EQ(s.TargetTopWnd, target.Top());
        EXPECT_EQ(s.AttachedThreadId, GetWindowThreadProcessId(target.Top(), nullptr));
    }
    tracker.ClearTarget();
    EXPECT_EQ(tracker.State().AttachedThreadId, 0u);
}

INSTANTIATE_TEST_SUITE_P(Boxes, TrackTargetTest, testing::ValuesIn(kTrackCases),
                         [](const testing::TestParamInfo<TrackCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(TrackTarget, PageFieldIsTheFocusedPasswordInput) {
    TargetProcess target("page");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(target.WaitForeground());
    PumpFor(100);
    TargetTracker tracker(nullptr);
    tracker.TrackTarget(false);
    ASSERT_TRUE(tracker.State().TargetInput);
    Bstr value(AnsiToBstr("marker"));
    ASSERT_EQ(tracker.State().TargetInput->put_value(value.Get()), S_OK);
    EXPECT_EQ(target.WaitLine("field "), "pass2 = marker");
}

TEST(TrackTarget, WindowsOfTheOwnThreadAreRefused) {
    HWND own = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 60,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(own, nullptr);
    SetForegroundWindow(own);
    SetFocus(own);
    PumpFor(200);
    ASSERT_EQ(GetForegroundWindow(), own);
    TargetTracker tracker(nullptr);
    tracker.TrackTarget(false);
    EXPECT_EQ(tracker.State().TargetTopWnd, nullptr);
    EXPECT_EQ(tracker.State().TargetBoxWnd, nullptr);
    DestroyWindow(own);
}

TEST(TrackTarget, UnchangedScreenWritesNothingTheSecondTime) {
    TargetProcess target("password");
    ASSERT_TRUE(target.Ready());
    ASSERT_TRUE(target.WaitForeground());
    int placements = 0;
    int hovers = 0;
    TargetTracker tracker(nullptr, {[&] { ++placements; }, [&] { ++hovers; }});
    tracker.TrackTarget(true);
    tracker.TrackTarget(true);
    EXPECT_EQ(placements, 1);
    EXPECT_EQ(hovers, 2);
    // Without popup mode neither hook runs.
    target.Close();
    PumpFor(200);
    tracker.TrackTarget(false);
    EXPECT_EQ(placements, 1);
    EXPECT_EQ(hovers, 2);
}

}  // namespace
}  // namespace korvalith
