// Helpers of the UI tests: scripted answers for message boxes and modal
// dialogs, a settings file in a folder of its own, and the fixture that opens
// the real main window on a scratch registry.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "mainwindow/MainUnit.h"
#include "support/Exception.h"
#include "support/ScratchRegistry.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/HelpViewer.h"
#include "toolkit/ListControls.h"

// What the program asked: the kind of box, its frame text and text, and
// the buttons it offered (mbYes | mbNo, ...; for a modal form none).
struct TAsked {
    TDialogKind kind;
    std::string caption;
    std::string text;
    unsigned buttons = 0;
    unsigned defaultButton = 0; // the focused button (0: the first)
};

// The buttons of a box as their captions read: "&Ja/&Nein".
std::string ButtonCaptions(unsigned buttons);

// Raised for a box or dialog the test did not script: the test fails at
// once instead of waiting for a user.
class EUnexpectedDialog : public Exception {
public:
    using Exception::Exception;
};

// Answers every box and modal dialog while it lives. Each Expect queues one
// answer; a request of another kind, one that does not offer the answer's
// button (or, when the step names them, exactly the buttons named), or one
// more than queued, is recorded as unexpected and raises EUnexpectedDialog.
// Help calls are recorded and succeed.
class ScriptedDialogs : public TDialogHandler {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // A box of `kind` that offers the button of `answer` (mrYes: "&Ja", ...).
    void Expect(TDialogKind kind, int answer);
    // A box of `kind` offering exactly `buttons`, answered with `answer`.
    void Expect(TDialogKind kind, unsigned buttons, int answer);
    // A modal form: it is shown (its show handling has run), `fill` works on
    // it as the user would. The result is the form's own (set by a button),
    // else the answer of `fill` (how the form was closed).
    void ExpectModal(std::function<int(TForm&)> fill);

    int Answer(const TDialogRequest& request) override;

    const std::vector<TAsked>& Asked() const { return asked_; }
    const std::vector<TAsked>& Unexpected() const { return unexpected_; }
    size_t Pending() const { return script_.size(); }
    // Help calls: command and data.
    const std::vector<std::pair<UINT, ULONG_PTR>>& HelpCalls() const { return help_; }
    // Help calls go on to `viewer` too, as they go to the program's viewer
    // without a handler (null: they are only recorded).
    void RouteHelpTo(THelpViewer* viewer) { helpViewer_ = viewer; }
    void Forget();

private:
    struct TStep {
        TDialogKind kind;
        int answer;
        std::function<int(TForm&)> fill;
        unsigned buttons; // 0: any that offer the answer
    };
    TDialogHandler* previous_;
    std::deque<TStep> script_;
    std::vector<TAsked> asked_;
    std::vector<TAsked> unexpected_;
    std::vector<std::pair<UINT, ULONG_PTR>> help_;
    THelpViewer* helpViewer_ = nullptr;
};

// A folder of its own below the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Height of a line of the dialog font: 13 pixels for Tahoma 8 pt (other
// fonts, where a Wine prefix lacks Tahoma, differ).
int LineHeight();

// Gives the messages waiting in the queue to their windows.
void Pump();

// What the user does, sent as the platform sends it, so a handler's error
// reaches the default error handling as in the program.
// A click on a button; a disabled button does nothing.
void ClickButton(const TWindow& button);
// Types a text into an edit field or the edit part of a combo box.
void TypeText(TWindow& field, const std::string& text);
// Picks an entry of a combo box.
void ChooseEntry(TComboBox& combo, int index);
// A key pressed in a window (with Ctrl held or not), as the message loop
// sees it: the form's keys and shortcuts act on it.
void PressKey(HWND target, WORD key, bool ctrl = false);
// Enter and Escape on a form, and its close box.
void PressEnter(TForm& form);
void PressEscape(TForm& form);
void CloseBox(TForm& form);
// The item selected in the main window's item list, or "<none>".
std::string Selected(TMainForm& form);
// The names of the controls Tab visits, in order (enabled or not).
std::vector<std::string> TabOrder(const TForm& form);

// The index as class name -> sorted extensions, to compare with a fresh
// scan of the registry (IndexOfRegistry).
using TIndexPicture = std::map<std::string, std::vector<std::string>>;
TIndexPicture PictureOf(const TFileClass& index);
TIndexPicture IndexOfRegistry();

// Opens the main window on a scratch registry with a settings file of the
// test's own. Boxes are scripted; a test ends with none unexpected or left.
class MainWindowTest : public RegistryTest {
protected:
    void TearDown() override;

    std::string SettingsPath() const { return folder_.File("settings.ini"); }
    void Set(const std::string& section, const std::string& key, const std::string& value);
    std::string Get(const std::string& section, const std::string& key) const;
    // Switches off the untested-system warning (the gate is tested apart).
    void QuietGate() { Set("config", "VersionWarn", "0"); }
    // Queues the warning the gate shows on any system but Windows 2000.
    void ExpectGateWarning();

    // Creates the window (FormCreate) without showing it.
    TMainForm& Create();
    // Creates and shows it (FormShow).
    TMainForm& Open();
    // Closes it (FormClose) and destroys it (FormDestroy).
    void CloseAndDestroy();
    // Selects a tab as the user does.
    void ClickTab(int index);
    // Selects an item of the item list as the user does.
    void ClickItem(const std::string& text);

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;
};
