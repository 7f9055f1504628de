#include "toolkit/MessageLoop.h"

#include <algorithm>

#include "toolkit/SystemFunctions.h"
#include "toolkit/SystemWindows.h"

namespace {

TMessageLoop* current = nullptr;

} // namespace

TMessageLoop& TMessageLoop::Current() {
    return *current;
}

TMessageLoop::TMessageLoop() {
    current = this;
}

TMessageLoop::~TMessageLoop() {
    // The forms go while the loop is still the current one: a form that
    // goes away asks it (is it the main form?) and may release others.
    while (!forms_.empty()) {
        std::unique_ptr<TWindow> doomed = std::move(forms_.back());
        forms_.pop_back();
    }
    if (current == this)
        current = nullptr;
}

void TMessageLoop::SetHint(const std::string& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    if (onHint)
        onHint();
}

bool TMessageLoop::Owns(const TWindow& form) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [&](const std::unique_ptr<TWindow>& f) { return f.get() == &form; });
}

void TMessageLoop::Release(TWindow& form) {
    ShowWindow(form.Handle(), SW_HIDE);
    if (Owns(form))
        PostWindowMessage(form.Handle(), CM_RELEASE, 0, 0);
}

void TMessageLoop::FreeForm(TWindow* form) {
    auto it = std::find_if(forms_.begin(), forms_.end(),
                           [&](const std::unique_ptr<TWindow>& f) { return f.get() == form; });
    if (it == forms_.end())
        return;
    // Out of the list first: the form's destruction may release others.
    std::unique_ptr<TWindow> doomed = std::move(*it);
    forms_.erase(it);
}

void TMessageLoop::RunLoop() {
    if (terminated_)
        return;
    running_ = true;
    MSG msg;
    while (!terminated_ && GetNextMessage(msg))
        ProcessMessage(msg);
    running_ = false;
}

void TMessageLoop::Terminate() {
    terminated_ = true;
    if (running_)
        PostQuitMessage(0);
}

void TMessageLoop::ProcessMessages() {
    MSG msg;
    while (PeekNextMessage(msg, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        ProcessMessage(msg);
    }
}

void TMessageLoop::ProcessPaintMessages() {
    // A window that does not validate what it paints would come back at
    // once; a bounded number of rounds keeps that from holding us here.
    MSG msg;
    for (int round = 0; round < 256 && PeekNextMessage(msg, PM_REMOVE | PM_QS_PAINT); ++round)
        DispatchMessageOf(msg);
}

void TMessageLoop::ProcessMessage(MSG& msg) {
    if (msg.message == WM_MOUSEMOVE)
        UpdateHint(msg);
    if (TWindow* root = TWindow::FromHandle(msg.hwnd ? RootWindow(msg.hwnd) : nullptr))
        if (root->PreTranslateMessage(msg))
            return;
    TranslateMessage(&msg);
    DispatchMessageOf(msg);
}

// The hint of the control under the pointer: the innermost window there
// (disabled ones too, which get no mouse messages themselves), or the
// nearest of its parents that has a hint.
void TMessageLoop::UpdateHint(const MSG& msg) {
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
        if (!(WindowStyle(h) & WS_CHILD))
            break;
    }
    SetHint(hint);
}

TDialogHandler* TMessageLoop::SetDialogHandler(TDialogHandler* handler) {
    TDialogHandler* previous = dialogHandler_;
    dialogHandler_ = handler;
    return previous;
}

TBusyCursor::TBusyCursor() {
    if (TMessageLoop::Current().busyCount_++ == 0)
        SetCursor(SystemCursor(IDC_WAIT));
}

TBusyCursor::~TBusyCursor() {
    if (--TMessageLoop::Current().busyCount_ == 0)
        SetCursor(SystemCursor(IDC_ARROW));
}
