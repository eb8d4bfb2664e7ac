// Asking the user a question through a replaceable seam, so that logic runs headless in tests.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace ui {

enum class MessageKind { Confirmation, Warning, Error, Information };

// Buttons are bits, so a set of them is one unsigned value (MessageButton::Yes | ...).
enum class MessageButton : unsigned {
    None = 0,
    Yes = 1u << 0,
    No = 1u << 1,
    Ok = 1u << 2,
    Cancel = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
};

constexpr unsigned operator|(MessageButton a, MessageButton b) {
    return static_cast<unsigned>(a) | static_cast<unsigned>(b);
}
constexpr unsigned operator|(unsigned a, MessageButton b) { return a | static_cast<unsigned>(b); }
constexpr bool HasButton(unsigned set, MessageButton b) {
    return (set & static_cast<unsigned>(b)) != 0;
}

struct MessageRequest {
    MessageKind kind = MessageKind::Information;
    std::string caption;  // empty: the application's title
    std::string text;     // "\r" breaks a line
    unsigned buttons = static_cast<unsigned>(MessageButton::Ok);
    MessageButton default_button = MessageButton::None;  // None: no default button
    MessageButton escape_button = MessageButton::None;   // None: picked by EscapeAnswer
};

// The button that Escape (and closing the dialog) answers when the caller named none:
// Cancel, else No, else Abort, else Ok, else Ignore, else the first button of the set.
constexpr MessageButton EscapeAnswer(const MessageRequest& r) {
    if (r.escape_button != MessageButton::None) return r.escape_button;
    constexpr MessageButton kOrder[] = {MessageButton::Cancel, MessageButton::No,
                                        MessageButton::Abort, MessageButton::Ok,
                                        MessageButton::Ignore};
    for (MessageButton b : kOrder)
        if (HasButton(r.buttons, b)) return b;
    for (unsigned bit = 1; bit != 0 && bit <= r.buttons; bit <<= 1)
        if (r.buttons & bit) return static_cast<MessageButton>(bit);
    return MessageButton::None;
}

class MessageSeam {
  public:
    virtual ~MessageSeam() = default;
    virtual MessageButton Ask(const MessageRequest& request) = 0;
};

namespace detail {
inline MessageSeam*& InstalledSeam() {
    static MessageSeam* seam = nullptr;
    return seam;
}
}  // namespace detail

// Installs a seam and returns the one it replaces. The Windows UI layer installs the real
// dialog when its application object is made; tests install a PresetMessageSeam.
inline MessageSeam* SetMessageSeam(MessageSeam* seam) {
    MessageSeam* old = detail::InstalledSeam();
    detail::InstalledSeam() = seam;
    return old;
}
inline MessageSeam* CurrentMessageSeam() { return detail::InstalledSeam(); }

// Asks through the installed seam; without one the answer is the Escape answer.
inline MessageButton AskUser(const MessageRequest& request) {
    MessageSeam* seam = CurrentMessageSeam();
    return seam ? seam->Ask(request) : EscapeAnswer(request);
}
inline MessageButton AskUser(MessageKind kind, const std::string& text, unsigned buttons,
                             MessageButton default_button = MessageButton::None,
                             MessageButton escape_button = MessageButton::None,
                             const std::string& caption = {}) {
    return AskUser(MessageRequest{kind, caption, text, buttons, default_button, escape_button});
}

// Answers from a queue of preset buttons (the Escape answer once it is empty) and keeps
// every request, for tests.
class PresetMessageSeam : public MessageSeam {
  public:
    explicit PresetMessageSeam(std::deque<MessageButton> answers = {})
        : answers_(std::move(answers)) {}
    MessageButton Ask(const MessageRequest& request) override {
        asked.push_back(request);
        if (answers_.empty()) return EscapeAnswer(request);
        MessageButton b = answers_.front();
        answers_.pop_front();
        return b;
    }
    void Push(MessageButton b) { answers_.push_back(b); }
    std::vector<MessageRequest> asked;

  private:
    std::deque<MessageButton> answers_;
};

// Installs a seam for one scope and puts the previous one back.
class ScopedMessageSeam {
  public:
    explicit ScopedMessageSeam(MessageSeam* seam) : old_(SetMessageSeam(seam)) {}
    ScopedMessageSeam(const ScopedMessageSeam&) = delete;
    ScopedMessageSeam& operator=(const ScopedMessageSeam&) = delete;
    ~ScopedMessageSeam() { SetMessageSeam(old_); }

  private:
    MessageSeam* old_;
};

}  // namespace ui
