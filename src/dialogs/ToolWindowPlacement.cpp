#include "dialogs/ToolWindowPlacement.h"

#include "support/ZQIniFiles.h"
#include "toolkit/DesignScale.h"
#include "toolkit/ScreenPlacement.h"

TBounds ReadToolWindowBounds(const TZQIniFile& ini, const TToolWindowPlacement& p, TBounds b,
                             int screenWidth, int screenHeight) {
    b.top = ini.ReadInteger(p.section, "Top", (screenHeight - b.height) / 2);
    b.left = ini.ReadInteger(p.section, "Left", (screenWidth - b.width) / 2);
    if (p.sizeable) {
        b.height = ini.ReadInteger(p.section, "Height", Scaled(p.designHeight));
        b.width = ini.ReadInteger(p.section, "Width", Scaled(p.designWidth));
    }
    // Bounds stored on a larger screen, or while the window was minimized,
    // would put it out of reach.
    return PlaceOnScreen(b, screenWidth, screenHeight);
}

void WriteToolWindowBounds(const TZQIniFile& ini, const TToolWindowPlacement& p, const TBounds& b) {
    ini.WriteInteger(p.section, "Top", b.top);
    ini.WriteInteger(p.section, "Left", b.left);
    if (p.sizeable) {
        ini.WriteInteger(p.section, "Height", b.height);
        ini.WriteInteger(p.section, "Width", b.width);
    }
}
