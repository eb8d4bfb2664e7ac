// Message dialog: icon, text and a row of buttons on a small modal form.
#include "ui/message_dialog.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text.h"

namespace ui {
namespace {

struct ButtonInfo {
    MessageButton button;
    const char* caption;
    int result;
};

// Row order of the buttons, with their captions and modal results.
constexpr ButtonInfo kButtons[] = {
    {MessageButton::Yes, "&Yes", kMrYes},
    {MessageButton::No, "&No", kMrNo},
    {MessageButton::Ok, "OK", kMrOk},
    {MessageButton::Cancel, "Cancel", kMrCancel},
    {MessageButton::Abort, "&Abort", kMrAbort},
    {MessageButton::Retry, "&Retry", kMrRetry},
    {MessageButton::Ignore, "&Ignore", kMrIgnore},
};

// Geometry of the dialog, in pixels.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kMaxTextWidth = 420;
constexpr int kMinTextWidth = 120;

LPCSTR IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Confirmation:
            return IDI_QUESTION;
        case MessageKind::Warning:
            return IDI_WARNING;
        case MessageKind::Error:
            return IDI_ERROR;
        case MessageKind::Information:
            return IDI_INFORMATION;
    }
    return IDI_INFORMATION;
}

// The kind's icon in a STATIC control.
class IconView : public Control {
  public:
    void SetIcon(HICON icon) {
        SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height, const std::string&,
                         std::uint32_t flags, int id) override {
        return CreateStandard("STATIC", 0, BaseStyle(flags, false) | SS_ICON, "", left, top, width,
                              height, parent, id);
    }
};

class MessageForm : public Form {
  public:
    explicit MessageForm(const MessageRequest& request) : request_(request) {}

    MessageButton Run() {
        Build();
        const int result = ShowModal();
        for (const ButtonInfo& b : kButtons)
            if (b.result == result && HasButton(request_.buttons, b.button)) return b.button;
        return EscapeAnswer(request_);  // closed by the title bar or the end of the loop
    }

  private:
    void Build() {
        const std::string caption =
            request_.caption.empty() ? Application::Instance().Title() : request_.caption;
        std::vector<const ButtonInfo*> row;
        for (const ButtonInfo& b : kButtons)
            if (HasButton(request_.buttons, b.button)) row.push_back(&b);
        if (row.empty()) row.push_back(&kButtons[2]);  // a dialog always has a way out: OK

        FormDesign design;
        design.caption = caption.c_str();
        design.border = BorderStyle::Dialog;
        design.class_name = "KorvalithMessageDialog";
        design.stay_on_top = true;
        Create(design);

        const SIZE text = MeasureText();
        const int row_width = static_cast<int>(row.size()) * kButtonWidth +
                              static_cast<int>(row.size() - 1) * kButtonGap;
        const int content_width = kIconSize + kIconGap + text.cx;
        const int width = std::max(content_width, row_width) + 2 * kMargin;
        const int text_height = std::max<int>(text.cy, kIconSize);
        const int buttons_top = kMargin + text_height + kMargin;
        SetClientSize(width, buttons_top + kButtonHeight + kMargin);
        CenterOnScreen();

        auto icon = std::make_unique<IconView>();
        icon->Create(Handle(), kMargin, kMargin, kIconSize, kIconSize);
        icon->SetIcon(LoadIconA(nullptr, IconOf(request_.kind)));
        Adopt(std::move(icon));

        auto label = std::make_unique<Label>();
        label->Create(Handle(), kMargin + kIconSize + kIconGap, kMargin, text.cx, text.cy,
                      request_.text, flag::kWordWrap);
        Adopt(std::move(label));

        const MessageButton escape = EscapeAnswer(request_);
        int x = (width - row_width) / 2;
        for (const ButtonInfo* b : row) {
            const bool is_default = b->button == request_.default_button;
            auto button = std::make_unique<Button>();
            button->Create(Handle(), x, buttons_top, kButtonWidth, kButtonHeight, b->caption,
                           is_default ? flag::kDefault : 0);
            button->SetModalResult(b->result);
            Button* p = Adopt(std::move(button));
            if (is_default) {
                SetDefaultButton(p);
                SetActiveControl(p);
            }
            if (b->button == escape) SetCancelButton(p);
            x += kButtonWidth + kButtonGap;
        }
    }

    SIZE MeasureText() const {
        WindowDC dc(Handle());
        SelectGuard font(dc.Get(), Font());
        std::string t = NormalizeLineBreaks(request_.text);
        RECT r{0, 0, kMaxTextWidth, 0};
        DrawTextA(dc.Get(), t.c_str(), static_cast<int>(t.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        return SIZE{std::max<LONG>(r.right, kMinTextWidth), r.bottom};
    }

    MessageRequest request_;
};

class DialogSeam : public MessageSeam {
  public:
    MessageButton Ask(const MessageRequest& request) override { return ShowMessageDialog(request); }
};

}  // namespace

MessageButton ShowMessageDialog(const MessageRequest& request) {
    MessageForm form(request);
    return form.Run();
}

MessageSeam& DialogMessageSeam() {
    static DialogSeam seam;
    return seam;
}

const char* MessageButtonCaption(MessageButton b) {
    for (const ButtonInfo& info : kButtons)
        if (info.button == b) return info.caption;
    return "";
}

}  // namespace ui
