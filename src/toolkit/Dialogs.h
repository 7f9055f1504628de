// Message boxes: a box of a kind, with its frame text, a text and buttons,
// asked where a test can answer it (the dialog handler) and otherwise shown
// as our own box (TMessageForm); the plain box carries the application title.
#pragma once

#include <string>

#include "toolkit/Application.h"
#include "toolkit/MessageForm.h"

// Shows a box of `kind` (Warning, Error, Information, Confirmation or Plain)
// with the given buttons (mbYes | mbNo, mbOK, ...); returns the modal result
// of the button pressed. Closing the box gives the result of its cancelling
// button (Abbrechen, else Nein, else OK).
// `defaultButton` (one of the buttons) has the focus; 0: the first.
int MessageDlg(const std::string& text, TDialogKind kind, unsigned buttons,
               unsigned defaultButton = 0);
// The plain box: the application title as caption, the button OK.
void ShowMessage(const std::string& text);
// The frame text of a kind of box; the application title for a plain box.
std::string DialogCaption(TDialogKind kind);
