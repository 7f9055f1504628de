// TForm: a top-level window built in code. A form declares its controls as
// members and creates them from a table (CreateControls); its handlers are
// member functions bound to the controls' events in its constructor.
//
// Life of a form: constructed hidden; Show runs onShow once, before the
// window first appears; Close runs onClose and then takes the close action:
// the main form ends the application, a modal form ends its loop with
// mrCancel, any other form is hidden (or released). onClose may refuse the
// close (TCloseAction::None); the destructor destroys the window.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "toolkit/Controls.h"
#include "toolkit/DialogRequest.h"

class TMainMenu;
class TButton;

enum class TBorderStyle {
    Sizeable,          // a normal resizable window
    Dialog,            // fixed size, caption and close box (dialogs, message boxes)
    DialogMinimizeBox, // fixed size, system menu and minimize box only
    SizeToolWindow,    // a resizable tool window with a small caption
    ToolWindow,        // a fixed-size tool window with a small caption
};

// What closing a form does, as its onClose handler leaves it.
enum class TCloseAction {
    None, // the close is refused: the form stays as it is
    Hide, // the default: hidden (the main form ends the application, a modal form its loop)
    Free, // hidden, and destroyed once its message handling has returned (a form
          // that the program owns; see TMessageLoop::Release)
};

// Where a form first appears.
enum class TPosition {
    Designed,     // at the given left and top (sizeable forms: where the system puts them)
    ScreenCenter, // centred on the primary screen
};

// The sizes are design pixels, scaled to the screen when the form is made
// (DesignScale.h).
struct TFormArgs {
    std::string name;
    std::string caption;
    int width = 0; // outer size in pixels
    int height = 0;
    TBorderStyle border = TBorderStyle::Sizeable;
    // Owner window of a dialog (null: the main form, when there is one).
    HWND owner = nullptr;
    // When set (> 0), the client area's size; the outer size follows from
    // the border, caption and menu and replaces width and height.
    int clientWidth = 0;
    int clientHeight = 0;
    TPosition position = TPosition::Designed;
};

class TForm : public TWindow {
public:
    explicit TForm(const TFormArgs& args);
    ~TForm() override;

    // Makes the window visible; the first time, onShow runs before. Called
    // from onShow, it makes the window visible at once (onShow runs once).
    void Show();
    void Hide();
    // Runs onClose and takes the close action it leaves (see TCloseAction).
    void Close();
    // During onClose: the action the close takes; Hide when the close began.
    TCloseAction CloseAction() const { return closeAction_; }
    void SetCloseAction(TCloseAction action) { closeAction_ = action; }
    // Brings the window to the front and activates it.
    void BringToFront();
    // Runs the form modally and returns its modal result. When a dialog
    // handler is installed (the test seam) it answers instead of the user:
    // the form is shown meanwhile (its show handling runs) and gives its
    // own result when it has one. Otherwise RunModal.
    int ShowModal();
    // Runs the form modally with a message loop of its own until it has a
    // modal result, the other windows of the program disabled meanwhile; the
    // dialog handler is not asked (message boxes, which it answers as boxes).
    int RunModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    // A result other than mrNone ends the modal loop at once, whoever sets it.
    void SetModalResult(int result) { modalResult_ = result; }

    // Sets the client area's size, keeping the window's left and top.
    void SetClientSize(int width, int height);
    // Centres the window on the primary screen (truncated toward zero).
    void CenterOnScreen();

    bool Maximized() const;
    // Before the first showing, the form opens maximized (or not).
    void SetMaximized(bool maximized);

    void SetMainMenu(TMainMenu* menu);
    TMainMenu* Menu() const { return menu_; }
    HACCEL Accelerators() const;
    // Buttons run by Enter and Escape.
    void SetDefaultButton(TButton* button);
    void SetCancelButton(TButton* button) { cancelButton_ = button; }
    // Escape closes the form as its close box does (modal forms always;
    // others when set), unless a cancel button takes it.
    void SetEscapeCloses(bool on) { escapeCloses_ = on; }

    // The tool tip window that shows the hints of the form's controls (null:
    // none); the form hands it the mouse messages of its windows.
    HWND ToolTipsWindow() const { return toolTips_; }
    void SetToolTipsWindow(HWND tips) { toolTips_ = tips; }

    // Creates the controls of a table, in order (parents before children).
    void CreateControls(std::initializer_list<TControlRow> rows);

    TNotifyEvent onShow;
    // Runs when the form is asked to close; an error it raises is shown and
    // the close goes on.
    TNotifyEvent onClose;
    // A key pressed anywhere in the form (key code, with the state of Ctrl
    // and Shift at hand through GetKeyState), before the form's shortcuts,
    // dialog keys and controls see it (an edit field's own keys excepted);
    // true when handled.
    std::function<bool(WORD key)> onShortCut;

    // The form's keys: an edit field's own keys go to the field
    // (EditKeys.h); then onShortCut, the menu's shortcuts (a tool window's
    // are the main form's), then Tab, Enter and Escape as in dialogs.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // ShowModal with a dialog handler installed.
    int AnswerModal(TDialogHandler& handler);

    bool shown_ = false;
    bool maximized_ = false;
    bool modal_ = false;
    int modalResult_ = 0;
    TCloseAction closeAction_ = TCloseAction::Hide;
    TMainMenu* menu_ = nullptr;
    TButton* defaultButton_ = nullptr;
    TButton* cancelButton_ = nullptr;
    bool escapeCloses_ = false;
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;
};
