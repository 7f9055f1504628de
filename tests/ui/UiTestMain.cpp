// Entry of the UI tests: the common controls and the application object are
// prepared as the program entry prepares them.
#include "platform/Win32.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Application.SetTitle("Corvix - Adaptation of Extensions");
    Application.SetHelpFile("Corvix.hlp");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
