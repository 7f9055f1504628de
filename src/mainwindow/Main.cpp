// The program entry: start-up of the modules, the application object, the
// main window and the message loop.
#include "platform/Win32.h"
#include <commctrl.h>

#include <string>
#include <system_error>
#include <vector>

#include "commands/CommandLine.h"
#include "index/ScanJob.h"
#include "mainwindow/ConsoleMain.h"
#include "mainwindow/MainUnit.h"
#include "support/SystemFiles.h"
#include "support/ZQIniFiles.h"
#include "toolkit/Application.h"
#include "toolkit/FirstInstance.h"
#include "toolkit/SystemFunctions.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // With arguments the program is a console tool and shows no window,
    // unless they only name the item the window starts at.
    const std::vector<std::string> args = ProgramArguments();
    std::string startItem;
    if (!args.empty() && !WindowStartItem(args, startItem))
        return RunConsole(args, SettingsFilePath());
    // A second start of the window brings the running one to the front; the
    // console tool above works beside it.
    const char* const title = "Corvix - Adaptation of Extensions";
    const TFirstInstance instance("Corvix.MainWindow");
    if (!instance.IsFirst())
        return BringWindowToFront("CorvixForm", title) ? 0 : 1;
    // The start-up scan comes first, on a thread of its own: it reads the
    // registry while the window is created and shown, and the window takes
    // it over.
    const std::string settingsPath = SettingsFilePath();
    std::unique_ptr<TScanJob> startupScan;
    try {
        if (StartupScanWanted(settingsPath))
            startupScan = std::make_unique<TScanJob>();
    } catch (const std::system_error&) {
        // No thread to be had: the window scans when it is shown.
    }
    InitCommonControlClasses(ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES);
    // Module start-up: the per-user extension visibility switch is read once.
    // Nothing reads the answer later; the system settings dialog reads the
    // switch itself.
    StartupHideFileExt();
    Application.SetTitle(title);
    Application.SetHelpFile("Corvix.hlp");
    try {
        TMainForm form(settingsPath, std::move(startupScan));
        form.StartItem = startItem;
        Application.SetMainForm(&form);
        Application.Run();
    } catch (...) {
        Application.HandleException();
        return 1;
    }
    return 0;
}
