// TMessageForm: the message box. It is our own small form, so that its frame
// texts and buttons read exactly "Warnung", "Fehler", "Information",
// "Bestätigen", "&Ja", "&Nein", "OK" and "Abbrechen" whatever the system's
// language. MessageDlg (Dialogs.h) asks for one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/DialogRequest.h"
#include "toolkit/Form.h"

// The frame text of a box of `kind`: "Warnung", "Fehler", "Information" or
// "Bestätigen"; empty for a plain box, which carries the application title.
std::string FrameText(TDialogKind kind);

// Asks for the box a request describes: the dialog handler answers when one
// is installed, else the box is shown. Returns the modal result of the
// button pressed; closing the box gives the result of its cancelling button
// (Abbrechen, else Nein, else OK).
int AskBox(const TDialogRequest& request);

// The box itself, built in code: icon, text, a centred row of buttons.
class TMessageForm : public TForm {
public:
    TMessageForm(TDialogKind kind, const std::string& caption, const std::string& text,
                 unsigned buttons, unsigned defaultButton = 0);
    ~TMessageForm() override;
    const TLabel& Message() const { return message_; }
    // The buttons, left to right.
    std::vector<const TButton*> Buttons() const;

private:
    TImage icon_;
    TLabel message_;
    std::vector<std::unique_ptr<TButton>> buttons_;
};
