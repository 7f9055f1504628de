// Editing actions through the real action window and its "New action"
// dialog: each path (OK, No, Cancel, the unsaved-edits question, bad input,
// the browse button) against the whole registry, and undone exactly.
#include "ToolWindowSupport.h"
#include "dialogs/ActionUnit.h"
#include "dialogs/NewActionUnit.h"
#include "dialogs/ProgramPicker.h"

namespace {

// The system's file dialog as the user answers it.
class TScriptedPicker {
public:
    explicit TScriptedPicker(std::string answer) : answer_(std::move(answer)) {
        saved_ = SetProgramPicker([this](HWND, std::string& path) {
            ++calls;
            if (answer_.empty())
                return false;
            path = answer_;
            return true;
        });
    }
    ~TScriptedPicker() { SetProgramPicker(saved_); }
    int calls = 0;

private:
    std::string answer_;
    TProgramPicker saved_;
};

std::vector<std::string> Nodes(TActionForm& form) {
    std::vector<std::string> nodes;
    for (int i = 0; i < form.TreeNTActions.Count(); ++i)
        nodes.push_back(((form.TreeNTActions.NodeStyle(i) & fsBold) ? "*" : "") +
                        form.TreeNTActions.NodeText(i));
    return nodes;
}

int NodeOf(TActionForm& form, const std::string& verb) {
    for (int i = 0; i < form.TreeNTActions.Count(); ++i)
        if (form.TreeNTActions.NodeText(i) == verb)
            return i;
    return -1;
}

void PutClass() {
    PutString("txtfile", "", "Text Document");
    PutRaw("txtfile\\shell\\open\\command", "", REG_EXPAND_SZ,
           std::string("%SystemRoot%\\notepad.exe %1\0", 28));
    PutString("txtfile\\shell\\print\\command", "", "notepad.exe /p %1");
}

} // namespace

TEST_F(ToolWindowTest, AddDefaultEditAndDeleteAVerbThroughTheWindowAndUndoEach) {
    PutClass();
    const TRegistrySnapshot before = TakeRegistrySnapshot();
    TActionForm form(Commands(), SettingsPath());
    int told = 0;
    form.onChanged = [&](const TChange& change) { told += change.Done; };
    form.ShowFileClass("txtfile");
    std::vector<TRegistrySnapshot> states{before};

    // New: the browse button fills the command, OK and Yes add the verb.
    TScriptedPicker picker("C:\\Program Files\\Ed\\ed.exe");
    dialogs_.ExpectModal([](TForm& f) {
        auto& dialog = static_cast<TNewActionForm&>(f);
        dialog.edtAction.SetText("edit");
        dialog.edtCaption.SetText("&Edit");
        dialog.edtCommand.Button.Click();
        dialog.btnOK.Click();
        return static_cast<int>(mrCancel);
    });
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    form.btnNew.Click();
    EXPECT_EQ(dialogs_.Asked().back().text,
              "Are you sure to add the action 'edit' to 'txtfile'?\r\nCommand: \"C:\\Program "
              "Files\\Ed\\ed.exe\" \"%1\"");
    EXPECT_EQ(GetText("txtfile\\shell\\edit", ""), "&Edit");
    EXPECT_EQ(GetText("txtfile\\shell\\edit\\command", ""),
              "\"C:\\Program Files\\Ed\\ed.exe\" \"%1\"");
    // (The registry lists subkeys in its own order: Wine's is sorted.)
    EXPECT_EQ(Nodes(form), (std::vector<std::string>{"edit", "*open", "print"}));
    EXPECT_EQ(form.TreeNTActions.Selected(), NodeOf(form, "edit")) << "the new verb is selected";
    EXPECT_EQ(form.edtCommand.Text(), "\"C:\\Program Files\\Ed\\ed.exe\" \"%1\"");
    states.push_back(TakeRegistrySnapshot());

    // Set as default: the bold node moves.
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    form.btnDefault.Click();
    EXPECT_EQ(GetText("txtfile\\shell", ""), "edit");
    EXPECT_EQ(Nodes(form), (std::vector<std::string>{"*edit", "open", "print"}));
    states.push_back(TakeRegistrySnapshot());

    // Its command and DDE settings edited; No to the question keeps them
    // unsaved, Yes stores them.
    form.edtCommand.SetText("ed.exe /n \"%1\"");
    form.edtDDECommand.SetText("[open(\"%1\")]");
    form.edtDDEApp.SetText("Ed");
    EXPECT_TRUE(form.Modified());
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    form.btnOK.Click();
    EXPECT_EQ(TakeRegistrySnapshot(), states.back());
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    form.btnOK.Click();
    EXPECT_EQ(GetText("txtfile\\shell\\edit\\command", ""), "ed.exe /n \"%1\"");
    EXPECT_EQ(GetText("txtfile\\shell\\edit\\ddeexec", ""), "[open(\"%1\")]");
    EXPECT_EQ(GetText("txtfile\\shell\\edit\\ddeexec\\application", ""), "Ed");
    EXPECT_FALSE(HasKey("txtfile\\shell\\edit\\ddeexec\\topic"));
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(Commands().Journal().LastName(), "Change action 'edit' of 'txtfile'");
    states.push_back(TakeRegistrySnapshot());

    // Delete: the verb and the default value that named it go.
    dialogs_.Expect(TDialogKind::Confirmation, mrYes);
    form.btnDel.Click();
    EXPECT_EQ(dialogs_.Asked().back().text, "Are you sure to delete the action 'edit'?");
    EXPECT_FALSE(HasKey("txtfile\\shell\\edit"));
    EXPECT_FALSE(HasValue("txtfile\\shell", ""));
    EXPECT_EQ(Nodes(form), (std::vector<std::string>{"*open", "print"}));
    EXPECT_EQ(told, 4);
    EXPECT_EQ(picker.calls, 1);

    // Each step undone exactly, newest first.
    for (size_t i = states.size(); i-- > 0;) {
        dialogs_.Expect(TDialogKind::Confirmation, mrYes);
        ASSERT_TRUE(Commands().Undo().Done);
        EXPECT_EQ(TakeRegistrySnapshot(), states[i]) << i;
    }
    form.Close();
}

TEST_F(ToolWindowTest, UnsavedEditsAreOfferedForSavingBeforeAnotherVerbOrTheClose) {
    PutClass();
    const TRegistrySnapshot before = TakeRegistrySnapshot();
    TActionForm form(Commands(), SettingsPath());
    int closes = 0;
    form.onUserClose = [&] { ++closes; };
    form.ShowFileClass("txtfile");
    const int open = NodeOf(form, "open"), print = NodeOf(form, "print");
    form.TreeNTActions.SetSelected(open);
    EXPECT_FALSE(form.edtCommand.ReadOnly());
    form.edtCommand.SetText("%SystemRoot%\\write.exe %1");

    // Cancel: the edited verb stays selected with its edits.
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo | mbCancel, mrCancel);
    form.TreeNTActions.SetSelected(print);
    EXPECT_EQ(form.TreeNTActions.Selected(), open);
    EXPECT_EQ(form.edtCommand.Text(), "%SystemRoot%\\write.exe %1");
    // No: the edits dropped, the other verb shown.
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo | mbCancel, mrNo);
    form.TreeNTActions.SetSelected(print);
    EXPECT_EQ(form.edtCommand.Text(), "notepad.exe /p %1");
    EXPECT_EQ(TakeRegistrySnapshot(), before);
    // Yes: saved without a second question (the command keeps its type),
    // and the chosen verb shown.
    form.TreeNTActions.SetSelected(open);
    form.edtCommand.SetText("%SystemRoot%\\write.exe %1");
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo | mbCancel, mrYes);
    form.TreeNTActions.SetSelected(print);
    EXPECT_EQ(GetRaw("txtfile\\shell\\open\\command", "").type, DWORD(REG_EXPAND_SZ));
    EXPECT_EQ(form.TreeNTActions.Selected(), print);
    EXPECT_EQ(form.edtCommand.Text(), "notepad.exe /p %1");
    const TRegistrySnapshot saved = TakeRegistrySnapshot();

    // The close: Cancel keeps the window open, Yes saves and closes.
    form.edtDDEApp.SetText("Notepad");
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo | mbCancel, mrCancel);
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(TakeRegistrySnapshot(), saved);
    dialogs_.Expect(TDialogKind::Confirmation, mbYes | mbNo | mbCancel, mrYes);
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(GetText("txtfile\\shell\\print\\ddeexec\\application", ""), "Notepad");

    for (int i = 0; i < 2; ++i) {
        dialogs_.Expect(TDialogKind::Confirmation, mrYes);
        ASSERT_TRUE(Commands().Undo().Done);
    }
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}

TEST_F(ToolWindowTest, NewActionDialogRefusesBadInputAndCancelWritesNothing) {
    PutClass();
    PutString(".gone", "", "gonefile");
    const TRegistrySnapshot before = TakeRegistrySnapshot();
    TActionForm form(Commands(), SettingsPath());
    form.ShowFileClass("txtfile");
    struct Bad {
        const char* action;
        const char* command;
        const char* error;
    } bad[] = {
        {"", "x.exe", "The name of an action can't be empty."},
        {"a\\b", "x.exe", "a\\b is not a valid name of an action: it holds a backslash."},
        {"OPEN", "x.exe", "The action 'OPEN' exists already."},
        {"view", "", "The command of an action can't be empty."},
    };
    TScriptedPicker cancelled(""); // the file dialog cancelled: the field stays
    dialogs_.ExpectModal([&](TForm& f) {
        auto& dialog = static_cast<TNewActionForm&>(f);
        EXPECT_EQ(dialog.Text(), "New action");
        for (const Bad& b : bad) {
            dialog.edtAction.SetText(b.action);
            dialog.edtCommand.SetText(b.command);
            dialog.edtCommand.Button.Click();
            dialog.btnOK.Click();
            EXPECT_EQ(dialog.ModalResult(), mrNone) << "the dialog stays open";
            EXPECT_EQ(dialog.edtAction.Text(), b.action);
            EXPECT_EQ(dialog.edtCommand.Text(), b.command);
        }
        // A good verb declined at the question: still open.
        dialog.edtAction.SetText("view");
        dialog.edtCommand.SetText("v.exe");
        dialog.btnOK.Click();
        EXPECT_EQ(dialog.ModalResult(), mrNone);
        dialog.btnCancel.Click();
        return static_cast<int>(mrCancel);
    });
    for (size_t i = 0; i < std::size(bad); ++i)
        dialogs_.Expect(TDialogKind::Error, mrOk);
    dialogs_.Expect(TDialogKind::Confirmation, mrNo);
    form.btnNew.Click();
    std::vector<std::string> errors;
    for (const TAsked& asked : dialogs_.Asked())
        if (asked.kind == TDialogKind::Error)
            errors.push_back(asked.text);
    ASSERT_EQ(errors.size(), std::size(bad));
    for (size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(errors[i], bad[i].error);
    EXPECT_EQ(cancelled.calls, static_cast<int>(std::size(bad)));
    EXPECT_FALSE(Commands().Journal().CanUndo());

    // A class without a key: the window shows nothing to add to.
    form.SetFileClass("gonefile");
    EXPECT_FALSE(form.Panel1.Visible());
    EXPECT_EQ(TakeRegistrySnapshot(), before);
}
