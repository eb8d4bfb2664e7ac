// The help manager against a recording stand-in of the HTML Help control placed in the system
// folder (and a decoy of it beside the program, which a load by bare name would find first).
// Run by help_run.sh, which sets up the folders; "--gtest_filter=WithoutControl.*" runs the
// cases for a system without the control.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/help.h"
#include "ui/message_seam.h"

namespace {

using ui::MessageButton;
using ui::MessageKind;

constexpr char kNoControlText[] =
    "Unable to initialize HTML Help Control. Possibly HTML Help Control is either not properly "
    "installed on your computer or not properly configured.\rWe recommend you visit our site for "
    "the latest version of HTML Help Control.\rDo you wish to download this latest version of "
    "HTML Help Control right now?";

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string HelpFile() {
    std::string p = ProgramPath();
    return p.substr(0, p.rfind('.')) + ".chm";
}

HMODULE Control() { return GetModuleHandleA("hhctrl.ocx"); }

std::string Calls() {
    auto fn = reinterpret_cast<const char* (*)()>(
        reinterpret_cast<void*>(GetProcAddress(Control(), "FakeHelpCalls")));
    return fn ? fn() : "";
}

void ResetCalls() {
    auto fn = reinterpret_cast<void (*)()>(
        reinterpret_cast<void*>(GetProcAddress(Control(), "FakeHelpReset")));
    if (fn) fn();
}

HWND HelpWindow(const char* type) {
    return FindWindowA("FakeHtmlHelpWindow", (std::string("fake ") + type).c_str());
}

class WithControl : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(HelpManager().EnsureHelp());
        ResetCalls();
    }
    ui::PresetMessageSeam seam;
    ui::ScopedMessageSeam installed{&seam};
};

TEST_F(WithControl, LoadsTheControlFromTheSystemFolderOnly) {
    char loaded[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetModuleFileNameA(Control(), loaded, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(lstrcmpiA(loaded, (std::string(system) + "\\hhctrl.ocx").c_str()), 0) << loaded;
    EXPECT_EQ(HelpManager().HelpFileName(), HelpFile());
}

TEST_F(WithControl, IntroductionOpensTheDefaultTopicCentredOnTheWorkArea) {
    HelpManager().ShowIntroduction();
    const std::string f = HelpFile();
    EXPECT_EQ(Calls(), "0|" + f + ">simple_wnd|0\n6|" + f + "|simple_wnd\n");
    HWND intro = HelpWindow("simple_wnd");
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(IsWindowVisible(intro));
    RECT area{}, r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(intro, &r);
    EXPECT_EQ(r.left, area.left + (area.right - area.left - 600) / 2);
    EXPECT_EQ(r.top, area.top + 20);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, area.bottom - area.top - 40);
    EXPECT_TRUE(seam.asked.empty());
}

TEST_F(WithControl, TopicHidesTheIntroductionAndOpensMaximisedInSync) {
    HelpManager().ShowIntroduction();
    ResetCalls();
    HelpManager().ShowTopic("about.htm");
    const std::string f = HelpFile();
    EXPECT_EQ(Calls(), "6|" + f + "|simple_wnd\n0|" + f + "::/about.htm|0\n9|" + f +
                           ">default_wnd|" + f + "::/about.htm\n6|" + f + "|default_wnd\n");
    EXPECT_FALSE(IsWindowVisible(HelpWindow("simple_wnd")));
    ASSERT_NE(HelpWindow("default_wnd"), nullptr);
    EXPECT_TRUE(IsZoomed(HelpWindow("default_wnd")));
}

TEST_F(WithControl, ContentsOpenMaximised) {
    HelpManager().ShowIntroduction();
    ResetCalls();
    HelpManager().ShowContents();
    const std::string f = HelpFile();
    EXPECT_EQ(Calls(), "6|" + f + "|simple_wnd\n1|" + f + "|0\n6|" + f + "|default_wnd\n");
    EXPECT_FALSE(IsWindowVisible(HelpWindow("simple_wnd")));
    EXPECT_TRUE(IsZoomed(HelpWindow("default_wnd")));
    EXPECT_TRUE(IsWindowVisible(HelpWindow("default_wnd")));
}

TEST_F(WithControl, MissingHelpFileIsReportedEveryTimeAndNothingIsShown) {
    const std::string f = HelpFile();
    const std::string moved = f + ".away";
    ASSERT_TRUE(MoveFileA(f.c_str(), moved.c_str()));
    HelpManager().ShowContents();
    HelpManager().ShowTopic("about.htm");
    HelpManager().ShowIntroduction();
    MoveFileA(moved.c_str(), f.c_str());
    EXPECT_EQ(Calls(), "");
    ASSERT_EQ(seam.asked.size(), 3u);
    for (const ui::MessageRequest& r : seam.asked) {
        EXPECT_EQ(r.kind, MessageKind::Warning);
        EXPECT_EQ(r.buttons, static_cast<unsigned>(MessageButton::Ok));
        EXPECT_EQ(r.text,
                  "Cannot find the Help file\r\"" + f + "\".\rYou might have to reinstall it.");
    }
}

TEST(WithoutControl, EveryRequestWarnsAgainAndTheProgramGoesOn) {
    ui::PresetMessageSeam seam({MessageButton::No, MessageButton::No, MessageButton::No});
    ui::ScopedMessageSeam installed(&seam);
    HelpManager().ShowContents();
    HelpManager().ShowTopic("about.htm");
    HelpManager().ShowIntroduction();
    EXPECT_EQ(Control(), nullptr) << "the decoy beside the program was loaded";
    ASSERT_EQ(seam.asked.size(), 3u);
    for (const ui::MessageRequest& r : seam.asked) {
        EXPECT_EQ(r.kind, MessageKind::Warning);
        EXPECT_EQ(r.buttons, MessageButton::Yes | MessageButton::No);
        EXPECT_EQ(r.text, kNoControlText);
    }
}

}  // namespace
