// TWindow: the base of every window the program makes, forms and controls.
// It owns its HWND and routes the window's messages to the object through one
// trampoline: windows of our own classes store `this` at WM_NCCREATE, windows
// of the system's control classes are subclassed right after creation. Either
// way the pointer lives in GWLP_USERDATA, and FromHandle trusts it only for
// windows whose procedure is the trampoline.
//
// The trampoline catches every exception: none escapes into the system's
// code; it is reported (ErrorReport.h) and the program goes on.
//
// Notifications a control sends to its parent (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*) are handed back to the control's own object, so each control
// class turns them into its events (onClick, onChange, ...).
//
// Children with an alignment other than None are laid out by their parent
// whenever it is resized (top, bottom, left, right, then client, each in
// creation order), as the forms' tables say.
#pragma once

#include <string>
#include <vector>

#include "platform/Win32.h"
#include "toolkit/Events.h"
#include "toolkit/Handles.h"
#include "toolkit/KeepDisabled.h"
#include "toolkit/SystemWindows.h"
#include <commctrl.h>

class TPopupMenu;

// Messages the toolkit sends its own windows.
// Posted to a released form: destroy it (see TMessageLoop::Release).
const UINT CM_RELEASE = WM_APP + 0x100;
// Sent by a button to its form: wParam is the form's modal result now.
const UINT CM_MODALRESULT = WM_APP + 0x101;

enum class TAlign { None, Top, Bottom, Left, Right, Client };

// Position and size in pixels: relative to the parent's client area for
// controls, in screen coordinates for forms.
struct TBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const TBounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
    bool operator!=(const TBounds& o) const { return !(*this == o); }
};

// What a window is made of. Each kind of window names its class and styles
// (`return {"BUTTON", BS_PUSHBUTTON}`); creation fills in the rest.
struct TCreateParams {
    TCreateParams(const char* kindClass = nullptr, DWORD kindStyle = 0, DWORD kindExStyle = 0)
        : className(kindClass), style(kindStyle), exStyle(kindExStyle) {}
    const char* className;
    DWORD style;
    DWORD exStyle;
    std::string name;
    std::string caption;
    TBounds bounds;
    bool useDefaultPosition = false; // top-level windows: let the system place them
    HWND parent = nullptr;           // parent (child windows) or owner (forms)
    UINT id = 0;                     // control id of a child window
};

class TWindow {
public:
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    const std::string& Name() const { return name_; }
    // The wrapping object of a window, or null when the window is not ours.
    static TWindow* FromHandle(HWND hwnd);
    TWindow* Parent() const;

    TBounds Bounds() const;
    void SetBounds(const TBounds& bounds);
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const { return Bounds().width; }
    int Height() const { return Bounds().height; }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    int ClientWidth() const;
    int ClientHeight() const;

    // The window's own visibility flag (WS_VISIBLE), whatever its parents show.
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // The window text: a form's caption, a control's caption or contents.
    std::string Text() const;
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }

    // Hint shown in the status bar while the pointer is over the window.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // The hint for a point in client coordinates; windows made of parts
    // (tool bars) answer per part.
    virtual std::string HintAt(POINT clientPoint) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // The rectangle (client coordinates) the window shares out among its
    // aligned children.
    RECT AlignArea() const { return AlignRect(); }
    // Lays out the aligned children again.
    void Realign();

    void SetFocus();
    bool Focused() const;
    // The window's font: the default font (Fonts.h) unless SetFontStyle gave
    // the window one of its own.
    HFONT Font() const;
    // Gives the window a font of its own: the default face, bold or regular,
    // in `pointSize` points (0: the default size). Runs FontChanged.
    void SetFontStyle(bool bold, int pointSize = 0);
    bool FontBold() const { return fontBold_; }
    int FontSize() const;

    // A cursor shown over the window (null: the class's cursor).
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    // The context menu of the window (null: none).
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

    // Raised after the window changed its size and laid out its children.
    TNotifyEvent onResize;

    // A message for this top-level window or one of its children, before it
    // is dispatched (the message loop asks): true when the window took it as
    // a key of its own (a shortcut, a dialog key). The default takes none.
    virtual bool PreTranslateMessage(MSG& msg);

protected:
    TWindow() = default;

    // Makes the window. Classes named "Corvix*" are ours (registered on first
    // use); any other is a system class whose window is subclassed.
    void CreateHandle(const TCreateParams& params);
    // Wraps an existing window of a system class (a part of a control).
    void Subclass(HWND hwnd);
    // Destroys the window now (also done by the destructor).
    void DestroyHandle();
    // Unties the window from this object without destroying it.
    void Detach();

    // Every message of the window. The default routes the notifications of
    // children to them, lays out the children on WM_SIZE and passes the rest
    // to the window's own procedure.
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Calls the procedure the window had before (its class's or DefWindowProc).
    LRESULT DefaultMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Notifications this window sent to its parent, handed back to it.
    // Return true when handled.
    virtual bool OnCommand(WORD code, WORD id);
    virtual bool OnNotify(NMHDR& header, LRESULT& result);
    // Colours of a child control: a brush for its background, or null.
    virtual HBRUSH OnCtlColor(HDC dc);
    // The rectangle (client coordinates) shared out among aligned children.
    virtual RECT AlignRect() const;
    // Runs after the window got a font of its own.
    virtual void FontChanged() {}

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void RegisterOwnClass(const char* className);
    // Moves and sizes the window, which then repaints itself whole.
    void MoveTo(const TBounds& bounds);

    HWND hwnd_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    std::string name_;
    std::string hint_;
    TAlign align_ = TAlign::None;
    HCURSOR cursor_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
    TFontHandle font_;
    bool fontBold_ = false;
    int fontSize_ = 0;
    bool aligning_ = false;
    std::vector<TWindow*> children_;
    TWindow* parentWindow_ = nullptr;
};

// Windows disabled while a form waits for a long operation (KeepDisabled.h).
using TWindowsDisabled = TKeepDisabled<TWindow>;
