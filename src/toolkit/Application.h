// The application object: the program's message loop (TMessageLoop: its
// forms, hint, busy cursor and dialog handler) with the program's title, its
// help file and help calls, and its error box. It is the program's one global.
//
// Every message box, modal dialog and help call asks the dialog handler
// first (the test seam): when one is installed it answers instead of the
// user, no box is shown, and a modal form is shown (its show handling runs)
// for the handler to work on and gives its own modal result.
#pragma once

#include <string>

#include "platform/Win32.h"
#include "toolkit/Fonts.h"
#include "toolkit/MessageLoop.h"

class TApplication : public TMessageLoop {
public:
    // Installs the error box as the program's error reporter (ErrorReport.h).
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();

    // The default error handling, called inside a catch block: shows the
    // error box with the message of the exception being handled.
    void HandleException();
    // The error box: "Fehler" with the message and OK. An error while
    // showing it is swallowed: reporting an error must not raise another.
    void ShowException(const std::string& message);

    // The help system on HelpFile(): HELP_CONTEXT with a context number, or
    // any command with its data (HELP_QUIT, command 15 with data 0, ...); a
    // topic names the place in the user guide where the command gives none.
    bool HelpContext(int context) { return HelpCommand(HELP_CONTEXT, context); }
    bool HelpCommand(UINT command, ULONG_PTR data, const std::string& topic = std::string());

    // The fonts of the program's windows (Fonts.h).
    HFONT DefaultFont() { return ::DefaultFont(); }
    TFontHandle MakeFont(bool bold, int pointSize) { return ::MakeFont(bold, pointSize); }
    SIZE TextExtent(const std::string& text, int width, bool wordBreak, HFONT font = nullptr) {
        return ::TextExtent(text, width, wordBreak, font);
    }

private:
    std::string title_;
    std::string helpFile_;
};

extern TApplication Application;
