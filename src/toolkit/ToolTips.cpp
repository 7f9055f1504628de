#include "toolkit/ToolTips.h"

#include "support/Exception.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Form.h"
#include "toolkit/SystemFunctions.h"

namespace {

TOOLINFOA ToolOf(const TWindow& control) {
    TOOLINFOA info = {};
    info.cbSize = ToolInfoSize(); // older common controls refuse a larger one
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(control.Handle());
    info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    return info;
}

} // namespace

TToolTips::TToolTips(TForm& form) : form_(form) {
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, form.Handle(), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        throw Exception("Fenster ToolTips kann nicht erzeugt werden");
    SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, Scaled(MaxTipWidth));
    form_.SetToolTipsWindow(hwnd_);
}

TToolTips::~TToolTips() {
    if (form_.ToolTipsWindow() == hwnd_)
        form_.SetToolTipsWindow(nullptr);
    if (IsWindow(hwnd_))
        DestroyWindow(hwnd_);
}

void TToolTips::Add(const TWindow& control) {
    if (control.Hint().empty())
        return;
    TOOLINFOA info = ToolOf(control);
    info.lpszText = const_cast<char*>(control.Hint().c_str());
    SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string TToolTips::TipOf(const TWindow& control) const {
    TOOLINFOA info = ToolOf(control);
    if (!SendMessageA(hwnd_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)))
        return std::string();
    // The ANSI message gives at most 80 characters; the wide one the whole
    // text (our hints are far shorter than the buffer).
    WCHAR wide[1024] = L"";
    TTTOOLINFOW infoW = {};
    infoW.cbSize = ToolInfoSize();
    infoW.hwnd = info.hwnd;
    infoW.uId = info.uId;
    infoW.lpszText = wide;
    SendMessageA(hwnd_, TTM_GETTEXTW, sizeof wide / sizeof wide[0],
                 reinterpret_cast<LPARAM>(&infoW));
    char text[2048] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

int TToolTips::Count() const {
    return static_cast<int>(SendMessageA(hwnd_, TTM_GETTOOLCOUNT, 0, 0));
}
