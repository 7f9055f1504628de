#include "toolkit/ToolTips.h"

#include "support/Exception.h"
#include "toolkit/DesignScale.h"
#include "toolkit/Form.h"
#include "toolkit/SystemFunctions.h"
#include "toolkit/SystemWindows.h"

namespace {

// The tool of a control, in the form T (TTTOOLINFOA or TTTOOLINFOW: their
// sizes are the same).
template <typename T> T ToolOf(const TWindow& control) {
    T info = {};
    info.cbSize = ToolInfoSize(); // older common controls refuse a larger one
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(control.Handle());
    info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    return info;
}

} // namespace

TToolTips::TToolTips(TForm& form) : form_(form) {
    hwnd_ = CreateWindowOf(WS_EX_TOPMOST, TOOLTIPS_CLASSA, std::string(),
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form.Handle(), nullptr, nullptr);
    if (!hwnd_)
        throw Exception("Fenster ToolTips kann nicht erzeugt werden");
    SendWindowMessage(hwnd_, TTM_SETMAXTIPWIDTH, 0, Scaled(MaxTipWidth));
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
    if (WideSystem()) {
        WideString text = WideFromUtf8(control.Hint());
        auto info = ToolOf<TTTOOLINFOW>(control);
        info.lpszText = &text[0];
        SendWindowMessage(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    std::string text = AnsiFromUtf8(control.Hint());
    auto info = ToolOf<TTTOOLINFOA>(control);
    info.lpszText = &text[0];
    SendWindowMessage(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string TToolTips::TipOf(const TWindow& control) const {
    auto info = ToolOf<TTTOOLINFOA>(control);
    if (!SendWindowMessage(hwnd_, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)))
        return std::string();
    // The ANSI message gives at most 80 characters; the wide one the whole
    // text (our hints are far shorter than the buffer), on every system.
    WCHAR wide[1024] = {};
    auto infoW = ToolOf<TTTOOLINFOW>(control);
    infoW.lpszText = wide;
    SendWindowMessage(hwnd_, TTM_GETTEXTW, sizeof wide / sizeof wide[0],
                      reinterpret_cast<LPARAM>(&infoW));
    return Utf8FromWide(wide);
}

int TToolTips::Count() const {
    return static_cast<int>(SendWindowMessage(hwnd_, TTM_GETTOOLCOUNT, 0, 0));
}
