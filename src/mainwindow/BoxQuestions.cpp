#include "mainwindow/BoxQuestions.h"

#include "toolkit/Dialogs.h"

namespace {

TDialogKind DialogKindOf(TBoxKind kind) {
    switch (kind) {
    case TBoxKind::Warning:
        return TDialogKind::Warning;
    case TBoxKind::Error:
        return TDialogKind::Error;
    case TBoxKind::Information:
        return TDialogKind::Information;
    case TBoxKind::Plain:
        return TDialogKind::Plain;
    case TBoxKind::Confirmation:
        break;
    }
    return TDialogKind::Confirmation;
}

} // namespace

TAnswer TBoxQuestions::Ask(const TQuestion& question) {
    const unsigned buttons =
        question.Buttons == TButtons::YesNoCancel ? mbYes | mbNo | mbCancel : mbYes | mbNo;
    const unsigned focused = question.Default == TAnswer::No       ? mbNo
                             : question.Default == TAnswer::Cancel ? mbCancel
                                                                   : mbYes;
    switch (MessageDlg(question.Text, DialogKindOf(question.Kind), buttons, focused)) {
    case mrYes:
        return TAnswer::Yes;
    case mrNo:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

void TBoxQuestions::Tell(TBoxKind kind, const std::string& text) {
    if (kind == TBoxKind::Plain)
        ShowMessage(text);
    else
        MessageDlg(text, DialogKindOf(kind), mbOK);
}
