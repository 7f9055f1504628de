// TMessageLoop: the program's message loop and what its forms share with it:
// the main form (closing it ends the loop), the forms the program owns and
// releases through the queue, the hint under the pointer, the busy cursor,
// and the dialog handler that answers requests instead of the user.
//
// It knows windows, not forms: forms stand above it and reach the one loop
// through Current(). The application object (Application.h) is that loop,
// with the program's title, help and error box on top.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Win32.h"
#include "toolkit/DialogRequest.h"
#include "toolkit/Window.h"

class TForm;

class TMessageLoop {
public:
    // The loop of the program: the application object.
    static TMessageLoop& Current();

    TMessageLoop();
    virtual ~TMessageLoop();
    TMessageLoop(const TMessageLoop&) = delete;
    TMessageLoop& operator=(const TMessageLoop&) = delete;

    // The current hint: the hint of the menu item or control under the
    // pointer. onHint runs whenever it changes.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TNotifyEvent onHint;

    // Forms the program owns: CreateForm makes one (hidden) and keeps it
    // until Release destroys it, or until the program ends.
    template <typename T, typename... Args> T& CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T& made = *form;
        forms_.push_back(std::move(form));
        return made;
    }
    bool Owns(const TWindow& form) const;
    // Hides the form at once and destroys it once the messages already
    // queued have been handled, so that a form may be released from inside
    // its own message handling (its close handler, a click on its button).
    // A form the program does not own is only hidden.
    void Release(TWindow& form);
    // Destroys a form the program owns, now (the release message calls it;
    // so may a form's user that goes away itself). Others are left alone.
    void FreeForm(TWindow* form);

    // The main form: closing it ends the loop.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }

    // Ends the message loop (at once when it is running, else before it starts).
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting in the queue, then returns.
    void ProcessMessages();
    // Paints the windows that wait to be painted, and handles no input; a
    // long operation shows its window this way before it starts.
    void ProcessPaintMessages();
    // One message: the hint follows the pointer, the message's top-level
    // window takes its keys (PreTranslateMessage), the rest is dispatched.
    void ProcessMessage(MSG& msg);

    // While busy (see TBusyCursor) the program's forms show the busy cursor.
    bool Busy() const { return busyCount_ > 0; }

    // The handler that answers boxes, modal forms and help calls instead of
    // the user (null: the real dialogs run). Installing one returns the one
    // installed before.
    TDialogHandler* DialogHandler() const { return dialogHandler_; }
    TDialogHandler* SetDialogHandler(TDialogHandler* handler);

protected:
    // Runs the loop until Terminate (at once when it was called before).
    void RunLoop();

private:
    void UpdateHint(const MSG& msg);

    std::string hint_;
    TForm* mainForm_ = nullptr;
    bool running_ = false;
    bool terminated_ = false;
    TDialogHandler* dialogHandler_ = nullptr;
    std::vector<std::unique_ptr<TWindow>> forms_;
    int busyCount_ = 0;
    friend class TBusyCursor;
};

// Shows the busy cursor over the program's windows while it lives (nested
// ones count); the windows can still be moved and used.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};
