#include "toolkit/MessageForm.h"

#include <algorithm>

#include "toolkit/DesignScale.h"
#include "toolkit/Fonts.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/SystemWindows.h"

namespace {

struct TButtonKind {
    unsigned flag;
    const char* caption;
    int result;
};

// In the order they stand in a box.
const TButtonKind kButtons[] = {
    {mbYes, "&Ja", mrYes},
    {mbNo, "&Nein", mrNo},
    {mbOK, "OK", mrOk},
    {mbCancel, "Abbrechen", mrCancel},
};

const int kMargin = 12;
const int kButtonWidth = 75;
const int kButtonHeight = 23;
const int kButtonGap = 6;
const int kIconSize = 32;

LPCSTR IconOf(TDialogKind kind) {
    switch (kind) {
    case TDialogKind::Warning:
        return IDI_WARNING;
    case TDialogKind::Error:
        return IDI_ERROR;
    case TDialogKind::Information:
        return IDI_INFORMATION;
    case TDialogKind::Confirmation:
        return IDI_QUESTION;
    default:
        return nullptr;
    }
}

} // namespace

std::string FrameText(TDialogKind kind) {
    switch (kind) {
    case TDialogKind::Warning:
        return "Warnung";
    case TDialogKind::Error:
        return "Fehler";
    case TDialogKind::Information:
        return "Information";
    case TDialogKind::Confirmation:
        return "Bestätigen";
    default:
        return std::string();
    }
}

int AskBox(const TDialogRequest& request) {
    if (TDialogHandler* handler = TMessageLoop::Current().DialogHandler())
        return handler->Answer(request);
    TMessageForm box(request.kind, request.caption, request.text, request.buttons,
                     request.defaultButton);
    return box.RunModal();
}

TMessageForm::TMessageForm(TDialogKind kind, const std::string& caption, const std::string& text,
                           unsigned buttons, unsigned defaultButton)
    : TForm({"MessageForm", caption, 0, 0, TBorderStyle::Dialog, nullptr}) {
    if ((buttons & (mbYes | mbNo | mbOK | mbCancel)) == 0)
        buttons = mbOK;
    LPCSTR iconName = IconOf(kind);
    // The box is measured in screen pixels: its text is.
    const int margin = Scaled(kMargin), iconSize = Scaled(kIconSize);
    const int buttonWidth = Scaled(kButtonWidth), buttonHeight = Scaled(kButtonHeight);
    const int buttonGap = Scaled(kButtonGap);
    const int textLeft = iconName ? margin + iconSize + margin : margin;
    const SIZE size = TextExtent(text, GetSystemMetrics(SM_CXSCREEN) / 2, true);
    const int textWidth = size.cx, textHeight = size.cy;
    int count = 0;
    for (const TButtonKind& b : kButtons)
        count += (buttons & b.flag) ? 1 : 0;
    count = std::max(count, 1);
    const int rowWidth = count * buttonWidth + (count - 1) * buttonGap;
    const int clientWidth = std::max(textLeft + textWidth + margin, rowWidth + 2 * margin);
    const int contentBottom = std::max(margin + textHeight, iconName ? margin + iconSize : 0);
    const int buttonTop = contentBottom + Scaled(16);
    const int clientHeight = buttonTop + buttonHeight + margin;

    CreateControls({
        {&icon_, "Image", "", {kMargin, kMargin, kIconSize, kIconSize}},
        {&message_, "Message", "", {kMargin, kMargin, 0, 0}},
    });
    // Lines longer than half the screen break at words, as measured above.
    message_.SetAutoSize(false);
    message_.SetWordWrap(true);
    message_.SetText(text);
    message_.SetBounds({textLeft, margin, textWidth, textHeight});
    if (iconName)
        icon_.SetIcon(TIconHandle(CopyIcon(SystemIcon(iconName))));
    else
        icon_.SetVisible(false);

    int left = (clientWidth - rowWidth) / 2;
    TButton* focused = nullptr;
    for (const TButtonKind& kindOfButton : kButtons) {
        if (!(buttons & kindOfButton.flag))
            continue;
        buttons_.push_back(std::make_unique<TButton>());
        TButton& button = *buttons_.back();
        button.Create({&button,
                       kindOfButton.caption,
                       kindOfButton.caption,
                       {0, 0, kButtonWidth, kButtonHeight},
                       this});
        button.SetBounds({left, buttonTop, buttonWidth, buttonHeight});
        button.SetModalResult(kindOfButton.result);
        if (kindOfButton.flag == defaultButton)
            focused = &button;
        left += buttonWidth + buttonGap;
    }
    // Escape and the close box: Abbrechen, else Nein, else OK.
    TButton* cancel = buttons_.front().get();
    for (int wanted : {mrOk, mrNo, mrCancel})
        for (const auto& button : buttons_)
            if (button->ModalResult() == wanted)
                cancel = button.get();
    SetDefaultButton(focused ? focused : buttons_.front().get());
    SetCancelButton(cancel);
    // Closing the box counts as its cancelling button.
    onClose = [this, cancel] {
        if (ModalResult() == mrNone)
            SetModalResult(cancel->ModalResult());
    };

    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, WindowStyle(Handle()), FALSE, WindowExStyle(Handle()));
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetBounds({(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height});
}

TMessageForm::~TMessageForm() = default;

std::vector<const TButton*> TMessageForm::Buttons() const {
    std::vector<const TButton*> result;
    for (const auto& b : buttons_)
        result.push_back(b.get());
    return result;
}
