#include "toolkit/SystemWindows.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <commctrl.h>

#include "support/SystemFunction.h"

// The program is 32-bit: Get/SetWindowLongPtr are the plain Get/SetWindowLong
// there (user32 exports no ...LongPtr functions), and are called as those.

namespace {

#define USER32(function) SYSTEM_FUNCTION("user32.dll", function)
#define GDI32(function) SYSTEM_FUNCTION("gdi32.dll", function)

HINSTANCE Program() {
    return GetModuleHandleA(nullptr);
}

// Wide text, or null for none, as the wide functions take optional names.
struct TWideArg {
    explicit TWideArg(const char* text) : given(text != nullptr) {
        if (text)
            wide = WideFromUtf8(text);
    }
    const WCHAR* Get() const { return given ? wide.c_str() : nullptr; }
    bool given;
    WideString wide;
};

// A class name: ASCII, or an atom / number (below 0x10000).
bool IsAtom(const char* name) {
    return reinterpret_cast<ULONG_PTR>(name) < 0x10000;
}

const WCHAR* WideName(const char* name, WideString& store) {
    if (!name || IsAtom(name))
        return reinterpret_cast<const WCHAR*>(name);
    store = WideFromUtf8(name);
    return store.c_str();
}

} // namespace

// --- Window classes and windows

void RegisterWindowClass(const char* name, WNDPROC procedure, UINT style, HICON icon,
                         HCURSOR cursor, HBRUSH background) {
    if (WideSystem()) {
        const WideString wideName = WideFromUtf8(name);
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = procedure;
        wc.hInstance = Program();
        wc.hIcon = icon;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = wideName.c_str();
        USER32(RegisterClassExW)(&wc);
        return;
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = Program();
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

bool RegisterClassCopy(const char* systemClass, const char* name, UINT withoutStyles) {
    if (WideSystem()) {
        const WideString source = WideFromUtf8(systemClass), copy = WideFromUtf8(name);
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        if (!USER32(GetClassInfoExW)(nullptr, source.c_str(), &wc))
            return false;
        wc.style &= ~withoutStyles;
        wc.hInstance = Program();
        wc.lpszClassName = copy.c_str();
        return USER32(RegisterClassExW)(&wc) != 0;
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(nullptr, systemClass, &wc))
        return false;
    wc.style &= ~withoutStyles;
    wc.hInstance = Program();
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateWindowOf(DWORD exStyle, const char* className, const std::string& caption, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                    void* createParam) {
    if (WideSystem()) {
        WideString wideClass;
        const WideString wideCaption = WideFromUtf8(caption);
        return USER32(CreateWindowExW)(exStyle, WideName(className, wideClass), wideCaption.c_str(),
                                       style, x, y, width, height, parent, menuOrId, Program(),
                                       createParam);
    }
    return CreateWindowExA(exStyle, className, AnsiFromUtf8(caption).c_str(), style, x, y, width,
                           height, parent, menuOrId, Program(), createParam);
}

LRESULT DefaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (WideSystem())
        return USER32(DefWindowProcW)(hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CallWindowProcOf(WNDPROC procedure, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (WideSystem())
        return USER32(CallWindowProcW)(procedure, hwnd, msg, wParam, lParam);
    return CallWindowProcA(procedure, hwnd, msg, wParam, lParam);
}

LONG_PTR WindowLongPtr(HWND hwnd, int index) {
    if (WideSystem())
        return USER32(GetWindowLongW)(hwnd, index);
    return GetWindowLongA(hwnd, index);
}

LONG_PTR SetWindowLongPtrOf(HWND hwnd, int index, LONG_PTR value) {
    if (WideSystem())
        return USER32(SetWindowLongW)(hwnd, index, static_cast<LONG>(value));
    return SetWindowLongA(hwnd, index, static_cast<LONG>(value));
}

std::string ReadWindowText(HWND hwnd) {
    if (WideSystem()) {
        const int length = USER32(GetWindowTextLengthW)(hwnd);
        WideString text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        const int got = USER32(GetWindowTextW)(hwnd, &text[0], length + 1);
        text.resize(static_cast<size_t>(std::max(got, 0)));
        return Utf8FromWide(text);
    }
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    const int got = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return Utf8FromAnsi(text);
}

void WriteWindowText(HWND hwnd, const std::string& text) {
    if (WideSystem())
        USER32(SetWindowTextW)(hwnd, WideFromUtf8(text).c_str());
    else
        SetWindowTextA(hwnd, AnsiFromUtf8(text).c_str());
}

HWND FindTopLevelWindow(const char* className, const std::string& caption) {
    if (WideSystem()) {
        const TWideArg wideClass(className);
        return USER32(FindWindowW)(wideClass.Get(), WideFromUtf8(caption).c_str());
    }
    return FindWindowA(className, AnsiFromUtf8(caption).c_str());
}

HWND FindChildWindow(HWND parent, const char* className) {
    if (WideSystem()) {
        const TWideArg wideClass(className);
        return USER32(FindWindowExW)(parent, nullptr, wideClass.Get(), nullptr);
    }
    return FindWindowExA(parent, nullptr, className, nullptr);
}

// --- Messages

LRESULT SendWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (WideSystem())
        return USER32(SendMessageW)(hwnd, msg, wParam, lParam);
    return SendMessageA(hwnd, msg, wParam, lParam);
}

bool PostWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (WideSystem())
        return USER32(PostMessageW)(hwnd, msg, wParam, lParam) != FALSE;
    return PostMessageA(hwnd, msg, wParam, lParam) != FALSE;
}

LRESULT SendTextMessage(HWND hwnd, UINT msg, WPARAM wParam, const std::string& text) {
    if (WideSystem()) {
        const WideString wide = WideFromUtf8(text);
        return USER32(SendMessageW)(hwnd, msg, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    const std::string ansi = AnsiFromUtf8(text);
    return SendMessageA(hwnd, msg, wParam, reinterpret_cast<LPARAM>(ansi.c_str()));
}

std::string ReadItemText(HWND hwnd, UINT lengthMsg, UINT textMsg, WPARAM index, LRESULT error) {
    const LRESULT length = SendWindowMessage(hwnd, lengthMsg, index, 0);
    if (length == error || length < 0)
        return std::string();
    if (WideSystem()) {
        WideString text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT got =
            USER32(SendMessageW)(hwnd, textMsg, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(got == error || got < 0 ? 0 : std::min(static_cast<size_t>(got), text.size()));
        return Utf8FromWide(text);
    }
    // A double-byte text may be longer in bytes than the length answered.
    std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
    const LRESULT got = SendMessageA(hwnd, textMsg, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got == error || got < 0 ? 0 : std::min(static_cast<size_t>(got), text.size()));
    return Utf8FromAnsi(text);
}

HTREEITEM AppendTreeItem(HWND tree, const std::string& text, LPARAM param) {
    if (WideSystem()) {
        WideString wide = WideFromUtf8(text);
        TVINSERTSTRUCTW insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = &wide[0];
        insert.item.lParam = param;
        return reinterpret_cast<HTREEITEM>(
            SendWindowMessage(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    std::string ansi = AnsiFromUtf8(text);
    TVINSERTSTRUCTA insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = &ansi[0];
    insert.item.lParam = param;
    return reinterpret_cast<HTREEITEM>(
        SendWindowMessage(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string TreeItemText(HWND tree, HTREEITEM node) {
    if (WideSystem()) {
        WCHAR buffer[1024] = {};
        TVITEMW item = {};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer / sizeof buffer[0];
        SendWindowMessage(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.pszText ? Utf8FromWide(item.pszText) : std::string();
    }
    char buffer[1024] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendWindowMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.pszText ? Utf8FromAnsi(item.pszText) : std::string();
}

void CopyTextOut(const std::string& text, char* buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return;
    const std::string ansi = AnsiFromUtf8(text);
    const size_t n = std::min(ansi.size(), static_cast<size_t>(capacity - 1));
    ansi.copy(buffer, n);
    buffer[n] = '\0';
}

void CopyTextOut(const std::string& text, WCHAR* buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return;
    const WideString wide = WideFromUtf8(text);
    const size_t n = std::min(wide.size(), static_cast<size_t>(capacity - 1));
    wide.copy(buffer, n);
    buffer[n] = 0;
}

std::string TTypedChars::Take(WPARAM wParam) {
    if (WideSystem()) {
        const WCHAR unit = static_cast<WCHAR>(wParam);
        if (unit >= 0xD800 && unit < 0xDC00) { // the first half of a pair
            pending_ = unit;
            hasPending_ = true;
            return std::string();
        }
        WCHAR pair[2] = {static_cast<WCHAR>(pending_), unit};
        const bool second = hasPending_ && unit >= 0xDC00 && unit < 0xE000;
        hasPending_ = false;
        return second ? Utf8FromWide(pair, 2) : Utf8FromWide(&unit, 1);
    }
    const char byte = static_cast<char>(wParam);
    if (hasPending_) {
        hasPending_ = false;
        const char both[2] = {static_cast<char>(pending_), byte};
        return Utf8FromAnsi(std::string(both, 2));
    }
    if (IsDBCSLeadByte(static_cast<BYTE>(byte))) {
        pending_ = static_cast<BYTE>(byte);
        hasPending_ = true;
        return std::string();
    }
    return Utf8FromAnsi(std::string(1, byte));
}

// --- The message loop

bool GetNextMessage(MSG& msg) {
    if (WideSystem())
        return USER32(GetMessageW)(&msg, nullptr, 0, 0) > 0;
    return GetMessageA(&msg, nullptr, 0, 0) > 0;
}

bool PeekNextMessage(MSG& msg, UINT remove) {
    if (WideSystem())
        return USER32(PeekMessageW)(&msg, nullptr, 0, 0, remove) != FALSE;
    return PeekMessageA(&msg, nullptr, 0, 0, remove) != FALSE;
}

void DispatchMessageOf(const MSG& msg) {
    if (WideSystem())
        USER32(DispatchMessageW)(&msg);
    else
        DispatchMessageA(&msg);
}

bool IsDialogMessageOf(HWND dialog, MSG& msg) {
    if (WideSystem())
        return USER32(IsDialogMessageW)(dialog, &msg) != FALSE;
    return IsDialogMessageA(dialog, &msg) != FALSE;
}

bool TranslateAcceleratorOf(HWND window, HACCEL table, MSG& msg) {
    if (WideSystem())
        return USER32(TranslateAcceleratorW)(window, table, &msg) != 0;
    return TranslateAcceleratorA(window, table, &msg) != 0;
}

HACCEL CreateAcceleratorsOf(ACCEL* keys, int count) {
    // Virtual keys only (FVIRTKEY): the same table for both kinds.
    return CreateAcceleratorTableA(keys, count);
}

// --- Menus

void AppendMenuText(HMENU menu, UINT flags, UINT_PTR idOrPopup, const std::string& caption) {
    if (WideSystem())
        USER32(AppendMenuW)(menu, flags, idOrPopup, WideFromUtf8(caption).c_str());
    else
        AppendMenuA(menu, flags, idOrPopup, AnsiFromUtf8(caption).c_str());
}

void AppendMenuSeparator(HMENU menu) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
}

// --- Text, fonts, resources, boxes

int DrawTextOf(HDC dc, const std::string& text, RECT& rect, UINT flags) {
    if (WideSystem()) {
        WideString wide = WideFromUtf8(text);
        return USER32(DrawTextW)(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
    }
    const std::string ansi = AnsiFromUtf8(text);
    return DrawTextA(dc, ansi.c_str(), static_cast<int>(ansi.size()), &rect, flags);
}

std::string TextFaceOf(HDC dc) {
    if (WideSystem()) {
        WCHAR face[LF_FACESIZE] = {};
        GDI32(GetTextFaceW)(dc, LF_FACESIZE, face);
        return Utf8FromWide(face);
    }
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    return Utf8FromAnsi(face);
}

HFONT CreateFontOf(int height, int weight, bool italic, bool underline, bool strikeOut,
                   DWORD charSet, DWORD pitchAndFamily, const std::string& face) {
    if (WideSystem())
        return GDI32(CreateFontW)(height, 0, 0, 0, weight, italic, underline, strikeOut, charSet,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  pitchAndFamily, WideFromUtf8(face).c_str());
    return CreateFontA(height, 0, 0, 0, weight, italic, underline, strikeOut, charSet,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       AnsiFromUtf8(face).c_str());
}

HFONT CreateFontLike(HFONT font, int weight, bool italic, bool underline, bool strikeOut) {
    // The face name is taken over as the system holds it, in its own form.
    if (WideSystem()) {
        LOGFONTW lf = {};
        if (!GDI32(GetObjectW)(font, sizeof lf, &lf))
            return nullptr;
        lf.lfWeight = weight;
        lf.lfItalic = italic ? TRUE : FALSE;
        lf.lfUnderline = underline ? TRUE : FALSE;
        lf.lfStrikeOut = strikeOut ? TRUE : FALSE;
        return GDI32(CreateFontIndirectW)(&lf);
    }
    LOGFONTA lf = {};
    if (!GetObjectA(font, sizeof lf, &lf))
        return nullptr;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfStrikeOut = strikeOut ? TRUE : FALSE;
    return CreateFontIndirectA(&lf);
}

int TextHeightOf(HDC dc) {
    TEXTMETRICA tm = {}; // the numbers are the same in both forms
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight;
}

SIZE BitmapSizeOf(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info); // no text in a BITMAP
    return {info.bmWidth, info.bmHeight};
}

HANDLE LoadProgramImage(const char* name, UINT type, int width, int height, UINT flags) {
    // Resource names are ASCII: the same in both forms.
    return LoadImageA(Program(), name, type, width, height, flags);
}

HICON LoadProgramIcon(int id) {
    return LoadIconA(Program(), ResourceId(id));
}

HCURSOR SystemCursor(const char* id) {
    return LoadCursorA(nullptr, id);
}

HICON SystemIcon(const char* id) {
    return LoadIconA(nullptr, id);
}

std::string LowerText(const std::string& text) {
    if (text.empty())
        return text;
    if (WideSystem()) {
        WideString wide = WideFromUtf8(text);
        USER32(CharLowerBuffW)(&wide[0], static_cast<DWORD>(wide.size()));
        return Utf8FromWide(wide);
    }
    std::string ansi = AnsiFromUtf8(text);
    CharLowerBuffA(&ansi[0], static_cast<DWORD>(ansi.size()));
    return Utf8FromAnsi(ansi);
}

TClipboardResult PutTextOnClipboard(HWND owner, const std::string& text) {
    const bool wide = WideSystem();
    const WideString wideText = wide ? WideFromUtf8(text) : WideString();
    const std::string ansiText = wide ? std::string() : AnsiFromUtf8(text);
    const size_t bytes = wide ? (wideText.size() + 1) * sizeof(WCHAR) : ansiText.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* target = memory ? GlobalLock(memory) : nullptr;
    if (!target) {
        if (memory)
            GlobalFree(memory);
        return TClipboardResult::NotPlaced;
    }
    std::memcpy(target, wide ? static_cast<const void*>(wideText.c_str()) : ansiText.c_str(),
                bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return TClipboardResult::NoClipboard;
    }
    EmptyClipboard();
    // Once placed, the memory belongs to the clipboard.
    const bool placed = SetClipboardData(wide ? CF_UNICODETEXT : CF_TEXT, memory) != nullptr;
    if (!placed)
        GlobalFree(memory);
    CloseClipboard();
    return placed ? TClipboardResult::Placed : TClipboardResult::NotPlaced;
}

int ShowSystemMessageBox(HWND owner, const std::string& text, const std::string& caption,
                         UINT flags) {
    if (WideSystem())
        return USER32(MessageBoxW)(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
                                   flags);
    return MessageBoxA(owner, AnsiFromUtf8(text).c_str(), AnsiFromUtf8(caption).c_str(), flags);
}
