// The application object: title, help file, hints, the message loop, modal
// dialogs and the default error handling. It is the program's one global.
//
// Every message box, modal dialog and help call passes through Ask(). When a
// dialog handler is installed (the test seam), it answers instead of the
// user: no box is shown, and a modal form is shown (its show handling runs)
// for the handler to work on, and gives its own modal result; otherwise the
// real box or dialog runs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Win32.h"
#include "toolkit/Handles.h"
#include "toolkit/Window.h"

class TForm;

// Posted to a released form: destroy it (see TApplication::Release).
const UINT CM_RELEASE = WM_APP + 0x100;

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

class TApplication {
public:
    TApplication();
    ~TApplication();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }

    // The current hint: the hint of the menu item or control under the
    // pointer. onHint runs whenever it changes.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TNotifyEvent onHint;

    // Forms the application owns: CreateForm makes one (hidden) and keeps it
    // until Release destroys it, or until the program ends.
    template <typename T, typename... Args> T& CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T& made = *form;
        forms_.push_back(std::move(form));
        return made;
    }
    bool Owns(const TForm& form) const;
    // Hides the form at once and destroys it once the messages already
    // queued have been handled, so that a form may be released from inside
    // its own message handling (its close handler, a click on its button).
    // A form the application does not own is only hidden.
    void Release(TForm& form);
    // Destroys a form the application owns, now (the release message calls
    // it; so may a form's user that goes away itself). Others are left alone.
    void FreeForm(TForm* form);

    // The main form: closing it ends the application.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Ends the message loop (at once when it is running, else before it starts).
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();
    // Paints the windows that wait to be painted, and handles no input; a
    // long operation shows its window this way before it starts.
    void ProcessPaintMessages();

    // While busy (see TBusyCursor) the program's forms show the busy cursor.
    bool Busy() const { return busyCount_ > 0; }

    // The default error handling, called inside a catch block: shows the
    // error box with the message of the exception being handled.
    void HandleException();
    void ShowException(const std::string& message);

    // The one place where boxes, modal forms and help calls are asked.
    int Ask(const TDialogRequest& request);
    // Installs a handler that answers instead of the user; returns the one
    // installed before. Null restores the real dialogs.
    TDialogHandler* SetDialogHandler(TDialogHandler* handler);

    // Runs a form modally with its own message loop until it has a modal
    // result; used by Ask for modal forms and the message boxes.
    int RunModal(TForm& form);

    // The help system on HelpFile(): HELP_CONTEXT with a context number, or
    // any command with its data (HELP_QUIT, command 15 with data 0, ...); a
    // topic names the place in the user guide where the command gives none.
    bool HelpContext(int context) { return HelpCommand(HELP_CONTEXT, context); }
    bool HelpCommand(UINT command, ULONG_PTR data, const std::string& topic = std::string());

    // "MS Shell Dlg" / Tahoma 8 pt, the font of every window.
    static constexpr int kDefaultFontSize = 8;
    HFONT DefaultFont();
    // A new font of the default face, bold or regular, in `pointSize` points;
    // the caller owns it.
    TFontHandle MakeFont(bool bold, int pointSize);
    // The size of a text in `font` (null: the default font); with `wordBreak`
    // broken at words to fit `width`. An empty text is as high as one line.
    SIZE TextExtent(const std::string& text, int width, bool wordBreak, HFONT font = nullptr);

private:
    // A modal form answered by the dialog handler (see Ask).
    int AnswerModal(TForm& form, const TDialogRequest& request);
    // One message: the form's shortcuts and dialog keys first, then dispatch.
    void ProcessMessage(MSG& msg);
    void UpdateHint(const MSG& msg);

    std::string title_;
    std::string helpFile_;
    std::string hint_;
    TForm* mainForm_ = nullptr;
    bool running_ = false;
    bool terminated_ = false;
    TDialogHandler* dialogHandler_ = nullptr;
    TFontHandle font_;
    std::string fontFace_ = "MS Shell Dlg";
    std::vector<std::unique_ptr<TForm>> forms_;
    int busyCount_ = 0;
    friend class TBusyCursor;
};

extern TApplication Application;

// Shows the busy cursor over the program's windows while it lives (nested
// ones count); the windows can still be moved and used.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
