// F1 in a window does what its Help button does: a form's key handler
// (TForm::onShortCut) that runs `help` for F1 and leaves every other key to
// the form.
#pragma once

#include <functional>

#include "platform/Win32.h"

inline std::function<bool(WORD key)> HelpKey(std::function<void()> help) {
    return [help = std::move(help)](WORD key) {
        if (key != VK_F1)
            return false;
        help();
        return true;
    };
}
