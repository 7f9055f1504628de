#include "toolkit/EditKeys.h"

#include "toolkit/SystemWindows.h"

namespace {

bool IsTextEditingKey(WORD key, bool ctrl, bool shift, bool alt) {
    if (alt)
        return false;
    if (ctrl && !shift)
        return key == 'Z' || key == 'X' || key == 'C' || key == 'V' || key == 'A' ||
               key == VK_INSERT;
    if (shift && !ctrl)
        return key == VK_INSERT || key == VK_DELETE;
    return !ctrl && !shift && (key == VK_DELETE || key == VK_BACK);
}

} // namespace

TEditFieldKey EditFieldKeyOf(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !msg.hwnd)
        return TEditFieldKey::None;
    const WORD key = static_cast<WORD>(msg.wParam);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (!IsTextEditingKey(key, ctrl, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0))
        return TEditFieldKey::None;
    // The dialog manager knows an edit field by the selection it takes.
    const LRESULT code =
        SendWindowMessage(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (!(code & DLGC_HASSETSEL))
        return TEditFieldKey::None;
    return ctrl && key == 'A' ? TEditFieldKey::SelectAll : TEditFieldKey::ToField;
}
