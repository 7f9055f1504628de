#include "toolkit/Dialogs.h"

std::string DialogCaption(TDialogKind kind) {
    return kind == TDialogKind::Plain ? Application.Title() : FrameText(kind);
}

int MessageDlg(const std::string& text, TDialogKind kind, unsigned buttons,
               unsigned defaultButton) {
    TDialogRequest request;
    request.kind = kind;
    request.caption = DialogCaption(kind);
    request.text = text;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return AskBox(request);
}

void ShowMessage(const std::string& text) {
    MessageDlg(text, TDialogKind::Plain, mbOK);
}
