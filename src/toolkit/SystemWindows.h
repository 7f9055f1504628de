// The system's window functions that carry text, in one place: window
// classes, windows, messages, the message loop, menus, drawn text, fonts,
// resources and the system's own boxes. On the NT family the program's
// windows are Unicode windows: these call the wide ("W") functions, each
// looked up at run time (SystemFunction.h), with the program's UTF-8 turned
// into UTF-16 and back. On Windows 95, 98 and ME they call the "A" functions
// with text in the ANSI code page. Every other unit of the toolkit, and
// everything above it, goes through here.
//
// Messages whose text the system converts by itself (those of edit fields,
// list boxes, combo boxes, buttons and statics, WM_SETTEXT, WM_GETTEXT) go
// through SendTextMessage and ReadItemText. The common controls have
// message codes of their own for each kind of text (TVM_INSERTITEMA and
// TVM_INSERTITEMW, ...); their units send the one that WideSystem() names.
#pragma once

#include <string>

#include "platform/Win32.h"
#include "support/SystemText.h"
#include <commctrl.h>

// --- Window classes and windows

// Registers the window class `name` (ASCII) of the program.
void RegisterWindowClass(const char* name, WNDPROC procedure, UINT style, HICON icon,
                         HCURSOR cursor, HBRUSH background);
// Registers `name` as a copy of the system's class `systemClass` (its
// procedure included) without the class styles `withoutStyles`; false when
// the system has no such class or refuses the copy.
bool RegisterClassCopy(const char* systemClass, const char* name, UINT withoutStyles);
// CreateWindowEx with the window text `caption`.
HWND CreateWindowOf(DWORD exStyle, const char* className, const std::string& caption, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                    void* createParam);
LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcOf(WNDPROC procedure, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Get/SetWindowLongPtr: a window procedure set here on the NT family is a
// wide one, so that a subclassed Unicode window stays one.
LONG_PTR WindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrOf(HWND hwnd, int index, LONG_PTR value); // the previous value
inline LONG WindowStyle(HWND hwnd) {
    return static_cast<LONG>(WindowLongPtr(hwnd, GWL_STYLE));
}
inline LONG WindowExStyle(HWND hwnd) {
    return static_cast<LONG>(WindowLongPtr(hwnd, GWL_EXSTYLE));
}
inline void SetWindowStyle(HWND hwnd, LONG style) {
    SetWindowLongPtrOf(hwnd, GWL_STYLE, style);
}

// The window's text, and setting it.
std::string ReadWindowText(HWND hwnd);
void WriteWindowText(HWND hwnd, const std::string& text);
// The top-level window of class `className` (null: any) and caption `caption`.
HWND FindTopLevelWindow(const char* className, const std::string& caption);
// The first child window of `parent` of class `className`.
HWND FindChildWindow(HWND parent, const char* className);

// --- Messages

// A message whose parameters carry no text (or whose text the caller gives
// in the form the message code names).
LRESULT SendWindowMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostWindowMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// A message of a standard control that takes `text` as its lParam
// (WM_SETTEXT, EM_REPLACESEL, LB_ADDSTRING, LB_FINDSTRING, CB_ADDSTRING, ...).
LRESULT SendTextMessage(HWND hwnd, UINT msg, WPARAM wParam, const std::string& text);
// An entry's text of a standard control: `lengthMsg` (LB_GETTEXTLEN,
// CB_GETLBTEXTLEN) then `textMsg` (LB_GETTEXT, CB_GETLBTEXT) for entry
// `index`; empty when the control answers `error`.
std::string ReadItemText(HWND hwnd, UINT lengthMsg, UINT textMsg, WPARAM index, LRESULT error);

// The tree view's item texts: a new item at the end of the root level with
// `text` and `param` (null when the tree refuses it), and an item's text.
HTREEITEM AppendTreeItem(HWND tree, const std::string& text, LPARAM param);
std::string TreeItemText(HWND tree, HTREEITEM item);

// Copies text into a buffer of `capacity` units the system handed over for
// an answer (a notification's pszText), cut to fit, ended by a NUL.
void CopyTextOut(const std::string& text, char* buffer, int capacity);
void CopyTextOut(const std::string& text, WCHAR* buffer, int capacity);

// Characters typed into a window (WM_CHAR) as UTF-8. The NT family sends
// UTF-16 units (a character beyond the first plane in two messages), the
// others bytes of the ANSI code page (a double-byte character in two).
class TTypedChars {
public:
    // The character that WM_CHAR's wParam completes; empty while it is the
    // first half of one.
    std::string Take(WPARAM wParam);

private:
    unsigned pending_ = 0;
    bool hasPending_ = false;
};

// --- The message loop

// GetMessage: false at WM_QUIT or on an error.
bool GetNextMessage(MSG& msg);
bool PeekNextMessage(MSG& msg, UINT remove);
void DispatchMessageOf(const MSG& msg);
bool IsDialogMessageOf(HWND dialog, MSG& msg);
bool TranslateAcceleratorOf(HWND window, HACCEL table, MSG& msg);
HACCEL CreateAcceleratorsOf(ACCEL* keys, int count);

// --- Menus

void AppendMenuText(HMENU menu, UINT flags, UINT_PTR idOrPopup, const std::string& caption);
void AppendMenuSeparator(HMENU menu);

// --- Text, fonts, resources, boxes

// DrawText of the whole text; the height of the text.
int DrawTextOf(HDC dc, const std::string& text, RECT& rect, UINT flags);
// The face name of the font selected into `dc`.
std::string TextFaceOf(HDC dc);
// A font as CreateFont makes it, of face `face`.
HFONT CreateFontOf(int height, int weight, bool italic, bool underline, bool strikeOut,
                   DWORD charSet, DWORD pitchAndFamily, const std::string& face);
// A copy of `font` with other weight and styles; null when it can't be made.
HFONT CreateFontLike(HFONT font, int weight, bool italic, bool underline, bool strikeOut);
// The height of a font's characters in `dc` (TEXTMETRIC's tmHeight).
int TextHeightOf(HDC dc);
// The size of a bitmap in pixels.
SIZE BitmapSizeOf(HBITMAP bitmap);

// A resource of the program given by number.
inline const char* ResourceId(int id) {
    return reinterpret_cast<const char*>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}
// LoadImage of the program's resource `name` (ASCII or ResourceId).
HANDLE LoadProgramImage(const char* name, UINT type, int width, int height, UINT flags);
// The program's icon `id`, or null.
HICON LoadProgramIcon(int id);
// The system's own cursors and icons (IDC_..., IDI_...).
HCURSOR SystemCursor(const char* id);
HICON SystemIcon(const char* id);

// The text in lower case, by the platform's rules for the user's language
// (umlauts included).
std::string LowerText(const std::string& text);

// Puts text on the clipboard, owned by `owner`: CF_UNICODETEXT on the NT
// family, CF_TEXT elsewhere (the system offers the other forms itself). The
// text is made before the clipboard is emptied: when it can't be, the
// clipboard keeps what it held.
enum class TClipboardResult { Placed, NoClipboard, NotPlaced };
TClipboardResult PutTextOnClipboard(HWND owner, const std::string& text);

// The system's message box (used where our own can't be shown).
int ShowSystemMessageBox(HWND owner, const std::string& text, const std::string& caption,
                         UINT flags);
