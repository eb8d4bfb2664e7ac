// Portable helpers of the window layer: shortcut forms and texts, line breaks, the message seam.
#include <gtest/gtest.h>

#include "ui/layout.h"
#include "ui/message_seam.h"
#include "ui/shortcut.h"
#include "ui/text.h"

namespace {

TEST(Shortcut, ConvertsBetweenHotKeyAndShortcutForms) {
    struct Case {
        std::uint16_t hot_key;
        ui::Shortcut shortcut;
    };
    constexpr Case kCases[] = {
        {0x0650, 0x4000 | 0x8000 | 'P'},  // Ctrl+Alt+P
        {0x0170, 0x2000 | 0x70},          // Shift+F1
        {0x0000, 0},
        {0x0600, 0},  // modifiers without a key are no shortcut
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ui::ShortcutFromHotKey(c.hot_key), c.shortcut) << std::hex << c.hot_key;
        if (c.hot_key & 0xFF) {
            EXPECT_EQ(ui::HotKeyFromShortcut(c.shortcut), c.hot_key) << std::hex << c.shortcut;
        }
    }
}

TEST(Shortcut, TextNamesModifiersInOrderThenTheKey) {
    struct Case {
        ui::Shortcut shortcut;
        const char* text;
    };
    const Case kCases[] = {
        {0x4000 | 0x8000 | 'P', "Ctrl+Alt+P"},
        {0x2000 | 0x4000 | 0x8000 | '7', "Shift+Ctrl+Alt+7"},
        {0x70 + 4, "F5"},
        {0x4000 | 0x21, "Ctrl+PgUp"},
        {0x8000 | 0x63, "Alt+Num 3"},
        {0, ""},
    };
    for (const Case& c : kCases) EXPECT_EQ(ui::ShortcutToText(c.shortcut), c.text);
}

TEST(Text, LoneCarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(ui::NormalizeLineBreaks("a\rb"), "a\r\nb");
    EXPECT_EQ(ui::NormalizeLineBreaks("a\r\nb\nc\r\r"), "a\r\nb\r\nc\r\n\r\n");
    EXPECT_EQ(ui::NormalizeLineBreaks(""), "");
}

TEST(Layout, ScalesLikeMulDiv) {
    EXPECT_EQ(ui::ScaleFrom96(10, 120), 13);  // 12.5 rounds away from zero
    EXPECT_EQ(ui::ScaleFrom96(300, 120), 375);
    EXPECT_EQ(ui::ScaleFrom96(-11, 120), -14);
    EXPECT_EQ(ui::ScaleFrom96(119, 96), 119);
}

TEST(MessageSeam, EscapeAnswerPrefersTheCancelLikeButton) {
    using B = ui::MessageButton;
    struct Case {
        unsigned buttons;
        B escape;
        B expected;
    };
    const Case kCases[] = {
        {B::Yes | B::No, B::None, B::No},
        {B::No | B::Abort, B::None, B::No},
        {B::Abort | B::Retry | B::Ignore, B::None, B::Abort},
        {static_cast<unsigned>(B::Ok), B::None, B::Ok},
        {B::Ok | B::Cancel, B::None, B::Cancel},
        {B::Yes | B::No, B::Yes, B::Yes},
    };
    for (const Case& c : kCases) {
        ui::MessageRequest r;
        r.buttons = c.buttons;
        r.escape_button = c.escape;
        EXPECT_EQ(ui::EscapeAnswer(r), c.expected) << c.buttons;
    }
}

TEST(MessageSeam, PresetSeamAnswersInOrderAndRecordsRequests) {
    using B = ui::MessageButton;
    ui::PresetMessageSeam seam({B::Yes});
    {
        ui::ScopedMessageSeam scope(&seam);
        EXPECT_EQ(ui::AskUser(ui::MessageKind::Information, "first", B::Yes | B::No), B::Yes);
        // Out of answers: the Escape answer.
        EXPECT_EQ(ui::AskUser(ui::MessageKind::Confirmation, "second", B::No | B::Abort), B::No);
    }
    ASSERT_EQ(seam.asked.size(), 2u);
    EXPECT_EQ(seam.asked[1].text, "second");
    EXPECT_EQ(seam.asked[1].kind, ui::MessageKind::Confirmation);
    EXPECT_EQ(ui::CurrentMessageSeam(), nullptr);
}

}  // namespace
