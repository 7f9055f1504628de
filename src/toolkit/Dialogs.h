// Message boxes. They are our own small form, so that their frame texts and
// buttons read exactly "Warnung", "Fehler", "Information", "Bestätigen",
// "&Ja", "&Nein", "OK" and "Abbrechen" whatever the system's language; the
// plain box carries the application title. Every box is asked through
// Application.Ask, where a test can answer it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Form.h"

// Shows a box of `kind` (Warning, Error, Information, Confirmation or Plain)
// with the given buttons (mbYes | mbNo, mbOK, ...); returns the modal result
// of the button pressed. Closing the box gives the result of its cancelling
// button (Abbrechen, else Nein, else OK).
int MessageDlg(const std::string& text, TDialogKind kind, unsigned buttons);
// The plain box: the application title as caption, the button OK.
void ShowMessage(const std::string& text);
// The frame text of a kind of box.
std::string DialogCaption(TDialogKind kind);

// The box itself, built in code: icon, text, a centred row of buttons.
class TMessageForm : public TForm {
public:
    TMessageForm(TDialogKind kind, const std::string& caption, const std::string& text,
                 unsigned buttons);
    ~TMessageForm() override;
    const TLabel& Message() const { return message_; }
    // The buttons, left to right.
    std::vector<const TButton*> Buttons() const;

private:
    TImage icon_;
    TLabel message_;
    std::vector<std::unique_ptr<TButton>> buttons_;
};
