#include "toolkit/Form.h"

#include <utility>
#include <vector>

#include "toolkit/DesignScale.h"
#include "toolkit/EditKeys.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Menus.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/SystemWindows.h"

namespace {

DWORD StyleOf(TBorderStyle border) {
    switch (border) {
    case TBorderStyle::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case TBorderStyle::DialogMinimizeBox:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
    case TBorderStyle::SizeToolWindow:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    case TBorderStyle::ToolWindow:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU;
    default:
        return WS_OVERLAPPEDWINDOW;
    }
}

DWORD ExStyleOf(TBorderStyle border) {
    switch (border) {
    case TBorderStyle::Dialog:
    case TBorderStyle::DialogMinimizeBox:
        return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    case TBorderStyle::SizeToolWindow:
    case TBorderStyle::ToolWindow:
        return WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
    default:
        return WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
    }
}

} // namespace

TForm::TForm(const TFormArgs& args) {
    TCreateParams p("CorvixForm", StyleOf(args.border) | WS_CLIPCHILDREN, ExStyleOf(args.border));
    p.name = args.name;
    p.caption = args.caption;
    p.bounds = {0, 0, Scaled(args.width), Scaled(args.height)};
    p.useDefaultPosition =
        args.border == TBorderStyle::Sizeable && args.position == TPosition::Designed;
    p.parent = args.owner;
    TForm* mainForm = TMessageLoop::Current().MainForm();
    if (!p.parent && args.border != TBorderStyle::Sizeable && mainForm)
        p.parent = mainForm->Handle();
    CreateHandle(p);
    if (args.clientWidth > 0 && args.clientHeight > 0)
        SetClientSize(Scaled(args.clientWidth), Scaled(args.clientHeight));
    if (args.position == TPosition::ScreenCenter)
        CenterOnScreen();
}

void TForm::SetClientSize(int width, int height) {
    // The outer size for a client size depends on the styles and the menu;
    // a menu bar that wraps is not accounted for (our forms' menus fit).
    RECT r{0, 0, width, height};
    const HWND h = Handle();
    AdjustWindowRectEx(&r, static_cast<DWORD>(WindowStyle(h)), GetMenu(h) != nullptr,
                       static_cast<DWORD>(WindowExStyle(h)));
    TBounds b = Bounds();
    b.width = r.right - r.left;
    b.height = r.bottom - r.top;
    SetBounds(b);
}

void TForm::CenterOnScreen() {
    TBounds b = Bounds();
    b.left = (GetSystemMetrics(SM_CXSCREEN) - b.width) / 2;
    b.top = (GetSystemMetrics(SM_CYSCREEN) - b.height) / 2;
    SetBounds(b);
}

TForm::~TForm() {
    TMessageLoop& loop = TMessageLoop::Current();
    if (loop.MainForm() == this)
        loop.SetMainForm(nullptr);
}

void TForm::CreateControls(std::initializer_list<TControlRow> rows) {
    for (const TControlRow& row : rows) {
        TControlRow r = row;
        if (!r.parent)
            r.parent = this;
        r.control->Create(r);
    }
}

void TForm::Show() {
    if (!shown_) {
        shown_ = true;
        // An error of the show handler is reported; the form appears anyway.
        try {
            if (onShow)
                onShow();
        } catch (...) {
            ReportException();
        }
    }
    if (!IsWindowVisible(Handle())) {
        ShowWindow(Handle(), maximized_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        if (defaultButton_ && !IsChild(Handle(), GetFocus()))
            defaultButton_->SetFocus();
    }
    Realign();
}

void TForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void TForm::BringToFront() {
    if (!IsWindowVisible(Handle()))
        Show();
    SetForegroundWindow(Handle());
}

void TForm::Close() {
    closeAction_ = TCloseAction::Hide;
    // An error of the close handler is shown while the form (and, for the
    // main form, the application) is still there; the close goes on.
    try {
        if (onClose)
            onClose();
    } catch (...) {
        ReportException();
    }
    const TCloseAction action = std::exchange(closeAction_, TCloseAction::Hide);
    if (action == TCloseAction::None)
        return;
    TMessageLoop& loop = TMessageLoop::Current();
    if (loop.MainForm() == this)
        loop.Terminate();
    else if (modal_)
        SetModalResult(modalResult_ ? modalResult_ : mrCancel);
    else if (action == TCloseAction::Free)
        loop.Release(*this);
    else
        Hide();
}

int TForm::ShowModal() {
    if (TDialogHandler* handler = TMessageLoop::Current().DialogHandler())
        return AnswerModal(*handler);
    return RunModal();
}

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        windows->push_back(hwnd);
    return TRUE;
}

} // namespace

int TForm::RunModal() {
    // The other windows of the program wait while the form is shown.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND hwnd : disabled)
        if (hwnd != Handle())
            EnableWindow(hwnd, FALSE);
    HWND previous = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    SetForegroundWindow(Handle());
    // The result is looked at after every message and after every wait: a
    // result set while a message sent from outside is handled (a button
    // pressed by another program) ends the loop at once. (GetMessage would
    // handle such a message and go on waiting for the next posted one.)
    TMessageLoop& loop = TMessageLoop::Current();
    MSG msg;
    while (modalResult_ == mrNone && IsWindow(Handle())) {
        if (!PeekNextMessage(msg, PM_REMOVE)) {
            if (modalResult_ == mrNone)
                MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
            break;
        }
        loop.ProcessMessage(msg);
    }
    for (HWND hwnd : disabled)
        if (hwnd != Handle() && IsWindow(hwnd))
            EnableWindow(hwnd, TRUE);
    Hide();
    modal_ = false;
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
    return modalResult_ != mrNone ? modalResult_ : mrCancel;
}

int TForm::AnswerModal(TDialogHandler& handler) {
    // The form is really shown, as by RunModal, so its show handling runs;
    // the handler then works on it instead of the user.
    struct TModalScope {
        TForm& form;
        ~TModalScope() {
            form.Hide();
            form.modal_ = false;
        }
    } scope{*this};
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    TDialogRequest request;
    request.kind = TDialogKind::Modal;
    request.caption = Text();
    request.form = this;
    const int answer = handler.Answer(request);
    // A form closed by one of its buttons has its own result; otherwise the
    // handler's answer is how it was closed.
    if (modalResult_ != mrNone)
        return modalResult_;
    return answer != mrNone ? answer : mrCancel;
}

bool TForm::Maximized() const {
    return IsWindowVisible(Handle()) ? IsZoomed(Handle()) != FALSE : maximized_;
}

void TForm::SetMaximized(bool maximized) {
    maximized_ = maximized;
    if (IsWindowVisible(Handle()))
        ShowWindow(Handle(), maximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TForm::SetMainMenu(TMainMenu* menu) {
    menu_ = menu;
    if (menu_)
        menu_->AttachTo(Handle());
}

HACCEL TForm::Accelerators() const {
    return menu_ ? menu_->Accelerators() : nullptr;
}

void TForm::SetDefaultButton(TButton* button) {
    if (defaultButton_)
        defaultButton_->SetDefault(false);
    defaultButton_ = button;
    if (defaultButton_)
        defaultButton_->SetDefault(true);
}

bool TForm::PreTranslateMessage(MSG& msg) {
    if (toolTips_ && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
        MSG copy = msg;
        SendWindowMessage(toolTips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
    switch (EditFieldKeyOf(msg)) {
    case TEditFieldKey::ToField:
        return false;
    case TEditFieldKey::SelectAll:
        SendWindowMessage(msg.hwnd, EM_SETSEL, 0, -1);
        return true;
    default:
        break;
    }
    if (msg.message == WM_KEYDOWN && onShortCut && onShortCut(static_cast<WORD>(msg.wParam)))
        return true;
    // A window without menu of its own (a tool window) takes the main
    // form's shortcuts, which then act on the main form. A modal form
    // keeps its own keys: the main form waits meanwhile.
    HACCEL table = Accelerators();
    HWND target = Handle();
    TForm* mainForm = TMessageLoop::Current().MainForm();
    if (!table && !modal_ && mainForm && mainForm != this && IsWindowEnabled(mainForm->Handle())) {
        table = mainForm->Accelerators();
        target = mainForm->Handle();
    }
    if (table && TranslateAcceleratorOf(target, table, msg))
        return true;
    // Tab, Enter and Escape move between and press controls, as in dialogs.
    return IsDialogMessageOf(Handle(), msg);
}

LRESULT TForm::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        // The control that had the focus gets it back when the form is
        // activated again (the system would give it to the form itself).
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus))
                lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) &&
                   IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
            ::SetFocus(lastFocus_);
            return 0;
        }
        break;
    case CM_RELEASE:
        // Posted by TMessageLoop::Release: the form's own handling of
        // whatever asked for the release has returned by now.
        TMessageLoop::Current().FreeForm(this);
        return 0;
    case CM_MODALRESULT:
        SetModalResult(static_cast<int>(wParam));
        return 0;
    case WM_COMMAND:
        if (lParam == 0) {
            // Enter and Escape as the dialog manager reports them, or a menu item.
            const WORD id = LOWORD(wParam);
            if (defaultButton_ && (id == IDOK || id == GetDlgCtrlID(defaultButton_->Handle()))) {
                if (defaultButton_->Enabled())
                    defaultButton_->Click();
                return 0;
            }
            if (id == IDCANCEL) {
                if (cancelButton_) {
                    if (cancelButton_->Enabled())
                        cancelButton_->Click();
                } else if (modal_ || escapeCloses_)
                    Close();
                return 0;
            }
            if (menu_)
                if (TMenuItem* item = menu_->ItemById(id)) {
                    item->Click();
                    return 0;
                }
        }
        break;
    case WM_SETCURSOR:
        // Child windows ask their parents first, so this covers the controls.
        if (TMessageLoop::Current().Busy()) {
            SetCursor(SystemCursor(IDC_WAIT));
            return TRUE;
        }
        break;
    case DM_GETDEFID:
        if (defaultButton_)
            return MAKELONG(GetDlgCtrlID(defaultButton_->Handle()), DC_HASDEFID);
        break;
    case WM_MENUSELECT: {
        const UINT flags = HIWORD(wParam);
        TMessageLoop& loop = TMessageLoop::Current();
        if (flags == 0xFFFF && lParam == 0) {
            loop.SetHint(""); // the menu closed
        } else if (!(flags & MF_POPUP) && menu_) {
            TMenuItem* item = menu_->ItemById(LOWORD(wParam));
            loop.SetHint(item ? item->Hint() : "");
        } else {
            loop.SetHint("");
        }
        break;
    }
    default:
        break;
    }
    return TWindow::OnMessage(msg, wParam, lParam);
}
