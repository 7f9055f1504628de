#include "toolkit/Application.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/HelpViewer.h"
#include "toolkit/ToolTips.h"

TApplication Application;

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

bool TApplication::Owns(const TForm& form) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [&](const std::unique_ptr<TForm>& f) { return f.get() == &form; });
}

void TApplication::Release(TForm& form) {
    form.Hide();
    if (Owns(form))
        PostMessageA(form.Handle(), CM_RELEASE, 0, 0);
}

void TApplication::FreeForm(TForm* form) {
    auto it = std::find_if(forms_.begin(), forms_.end(),
                           [&](const std::unique_ptr<TForm>& f) { return f.get() == form; });
    if (it == forms_.end())
        return;
    // Out of the list first: the form's destruction may release others.
    std::unique_ptr<TForm> doomed = std::move(*it);
    forms_.erase(it);
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
}

void TApplication::SetHint(const std::string& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    if (onHint)
        onHint();
}

void TApplication::Run() {
    if (terminated_)
        return;
    running_ = true;
    if (mainForm_)
        mainForm_->Show();
    MSG msg;
    while (!terminated_ && GetMessageA(&msg, nullptr, 0, 0) > 0)
        ProcessMessage(msg);
    running_ = false;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (running_)
        PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        ProcessMessage(msg);
    }
}

void TApplication::ProcessPaintMessages() {
    // A window that does not validate what it paints would come back at
    // once; a bounded number of rounds keeps that from holding us here.
    MSG msg;
    for (int round = 0; round < 256 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT);
         ++round)
        DispatchMessageA(&msg);
}

void TApplication::ProcessMessage(MSG& msg) {
    if (msg.message == WM_MOUSEMOVE)
        UpdateHint(msg);
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(root))) {
        if (form->ToolTipsWindow() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            form->ToolTipsWindow()->Relay(msg);
        if (msg.message == WM_KEYDOWN && form->onShortCut &&
            form->onShortCut(static_cast<WORD>(msg.wParam)))
            return;
        // A window without menu of its own (a tool window) takes the main
        // form's shortcuts, which then act on the main form. A modal form
        // keeps its own keys: the main form waits meanwhile.
        HACCEL table = form->Accelerators();
        HWND target = root;
        if (!table && !form->Modal() && mainForm_ && mainForm_ != form &&
            IsWindowEnabled(mainForm_->Handle())) {
            table = mainForm_->Accelerators();
            target = mainForm_->Handle();
        }
        if (table && TranslateAcceleratorA(target, table, &msg))
            return;
        // Tab, Enter and Escape move between and press controls, as in dialogs.
        if (IsDialogMessageA(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

// The hint of the control under the pointer: the innermost window there
// (disabled ones too, which get no mouse messages themselves), or the
// nearest of its parents that has a hint.
void TApplication::UpdateHint(const MSG& msg) {
    HWND target = msg.hwnd;
    for (;;) {
        POINT p = msg.pt;
        ScreenToClient(target, &p);
        HWND child = ChildWindowFromPointEx(target, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == target)
            break;
        target = child;
    }
    std::string hint;
    for (HWND h = target; h; h = GetParent(h)) {
        if (TWindow* window = TWindow::FromHandle(h)) {
            POINT p = msg.pt;
            ScreenToClient(h, &p);
            hint = window->HintAt(p);
            if (!hint.empty())
                break;
        }
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    SetHint(hint);
}

TBusyCursor::TBusyCursor() {
    if (Application.busyCount_++ == 0)
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

TBusyCursor::~TBusyCursor() {
    if (--Application.busyCount_ == 0)
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void TApplication::HandleException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unbekannter Fehler");
    }
}

void TApplication::ShowException(const std::string& message) {
    // Reporting an error must not raise another one.
    try {
        MessageDlg(message, TDialogKind::Error, mbOK);
    } catch (...) {
    }
}

TDialogHandler* TApplication::SetDialogHandler(TDialogHandler* handler) {
    TDialogHandler* previous = dialogHandler_;
    dialogHandler_ = handler;
    return previous;
}

int TApplication::Ask(const TDialogRequest& request) {
    if (dialogHandler_)
        return request.kind == TDialogKind::Modal ? AnswerModal(*request.form, request)
                                                  : dialogHandler_->Answer(request);
    switch (request.kind) {
    case TDialogKind::Modal:
        return RunModal(*request.form);
    case TDialogKind::Help:
        ProgramHelp().Show(mainForm_ ? mainForm_->Handle() : nullptr, helpFile_,
                           request.helpCommand, request.helpData, request.helpTopic);
        return 1;
    default: {
        TMessageForm box(request.kind, request.caption, request.text, request.buttons);
        return RunModal(box);
    }
    }
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data, const std::string& topic) {
    TDialogRequest request;
    request.kind = TDialogKind::Help;
    request.caption = helpFile_;
    request.helpCommand = command;
    request.helpData = data;
    request.helpTopic = topic;
    return Ask(request) != 0;
}

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        windows->push_back(hwnd);
    return TRUE;
}

} // namespace

int TApplication::RunModal(TForm& form) {
    // The other windows of the program wait while the form is shown.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND hwnd : disabled)
        if (hwnd != form.Handle())
            EnableWindow(hwnd, FALSE);
    HWND previous = GetActiveWindow();
    form.modal_ = true;
    form.modalResult_ = mrNone;
    form.Show();
    SetForegroundWindow(form.Handle());
    MSG msg;
    while (form.modalResult_ == mrNone && IsWindow(form.Handle())) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
            break;
        }
        ProcessMessage(msg);
    }
    for (HWND hwnd : disabled)
        if (hwnd != form.Handle() && IsWindow(hwnd))
            EnableWindow(hwnd, TRUE);
    form.Hide();
    form.modal_ = false;
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
    return form.modalResult_ != mrNone ? form.modalResult_ : mrCancel;
}

int TApplication::AnswerModal(TForm& form, const TDialogRequest& request) {
    // The form is really shown, as by RunModal, so its show handling runs;
    // the handler then works on it instead of the user.
    struct TModalScope {
        TForm& form;
        ~TModalScope() {
            form.Hide();
            form.modal_ = false;
        }
    } scope{form};
    form.modal_ = true;
    form.modalResult_ = mrNone;
    form.Show();
    const int answer = dialogHandler_->Answer(request);
    // A form closed by one of its buttons has its own result; otherwise the
    // handler's answer is how it was closed.
    if (form.modalResult_ != mrNone)
        return form.modalResult_;
    return answer != mrNone ? answer : mrCancel;
}


namespace {

TFontHandle CreateDialogFont(HDC dc, const char* face, bool bold, int pointSize) {
    const int height = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return TFontHandle(CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face));
}

} // namespace

HFONT TApplication::DefaultFont() {
    if (font_)
        return font_.Get();
    HDC dc = GetDC(nullptr);
    // Tahoma where the system has it ("MS Shell Dlg 2"), else "MS Shell Dlg".
    for (const char* face : {"Tahoma", "MS Shell Dlg"}) {
        font_ = CreateDialogFont(dc, face, false, kDefaultFontSize);
        HGDIOBJ old = SelectObject(dc, font_.Get());
        char actual[LF_FACESIZE] = "";
        GetTextFaceA(dc, sizeof actual, actual);
        SelectObject(dc, old);
        if (lstrcmpiA(actual, face) == 0) {
            fontFace_ = face;
            break;
        }
    }
    ReleaseDC(nullptr, dc);
    return font_.Get();
}

TFontHandle TApplication::MakeFont(bool bold, int pointSize) {
    DefaultFont(); // decides the face
    HDC dc = GetDC(nullptr);
    TFontHandle font = CreateDialogFont(dc, fontFace_.c_str(), bold, pointSize);
    ReleaseDC(nullptr, dc);
    return font;
}

SIZE TApplication::TextExtent(const std::string& text, int width, bool wordBreak, HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : DefaultFont());
    RECT r = {0, 0, width, 0};
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r,
              DT_CALCRECT | DT_LEFT | (wordBreak ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}
