// What the program asks the user: message boxes, modal forms and help calls,
// each described as a request, and the modal results that answer them. A
// dialog handler (TMessageLoop::SetDialogHandler) answers requests instead
// of the user: the test seam.
#pragma once

#include <string>

#include "platform/Win32.h"

class TForm;

// Modal results: the values of the platform's dialog box commands.
enum TModalResult : int {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrYes = IDYES,
    mrNo = IDNO,
};

// Buttons of a message box, combined with |.
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };

enum class TDialogKind {
    Warning,      // "Warnung"
    Error,        // "Fehler"
    Information,  // "Information"
    Confirmation, // "Bestätigen"
    Plain,        // the application title as caption
    Modal,        // a modal form (`form`)
    Help,         // a call to the help system (`helpCommand`, `helpData`, `helpTopic`)
};

// What the program asks: kind, caption and text of a box (for a modal form
// its caption; for help the help file), and the details of the kind.
struct TDialogRequest {
    TDialogKind kind = TDialogKind::Plain;
    std::string caption;
    std::string text;
    unsigned buttons = mbOK;
    // The button that has the focus, what Enter picks (one of `buttons`; 0:
    // the first).
    unsigned defaultButton = 0;
    TForm* form = nullptr;
    UINT helpCommand = 0;
    ULONG_PTR helpData = 0;
    // The user guide's anchor when the request names a place of its own
    // (otherwise the command and data give it; see toolkit/HelpViewer).
    std::string helpTopic;
};

// Answers requests instead of the user (tests). The result is the modal
// result of a box or a modal form; for help, nonzero means success.
class TDialogHandler {
public:
    virtual ~TDialogHandler() = default;
    virtual int Answer(const TDialogRequest& request) = 0;
};
