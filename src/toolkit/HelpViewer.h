// The program's help. A help request (a help command of the system help
// viewer with its data, and optionally a topic of its own) goes to the system
// help viewer when the help file ("Corvix.hlp") is beside the program and the
// system still has a viewer for it (Windows before Vista); otherwise the user
// guide beside the program ("Corvix.html") opens in the web browser at the
// anchor the request names (see support/GuideLink).
#pragma once

#include <functional>
#include <string>

#include "platform/Win32.h"

class THelpViewer {
public:
    // Opens the document at `path` at its anchor; raises an Exception whose
    // message gives the cause when it can't.
    using TOpenDocument =
        std::function<void(HWND owner, const std::string& path, const std::string& anchor)>;
    // The system help viewer, with WinHelp's arguments; false on failure.
    using TSystemViewer =
        std::function<bool(HWND owner, const std::string& file, UINT command, ULONG_PTR data)>;

    // `folder`: where the help file and the guide are looked for (with its
    // trailing backslash); `systemShowsHlp`: whether the system has a viewer
    // for help files.
    THelpViewer(std::string folder, bool systemShowsHlp);

    // Replaceable for tests; by default the web browser (OpenInBrowser) and
    // WinHelp.
    TOpenDocument openDocument;
    TSystemViewer systemViewer;

    // Answers one request for `helpFile`. The quit command closes the system
    // viewer when this viewer opened it, and does nothing otherwise. Raises an
    // Exception naming the file looked for when neither the help file nor the
    // guide is there, and the cause when the browser can't be started.
    void Show(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data,
              const std::string& topic = std::string());

private:
    std::string folder_;
    bool systemShowsHlp_;
    bool systemViewerOpen_ = false;
};

// The help of the running program: files beside the program file, the system
// help viewer on Windows before Vista.
THelpViewer& ProgramHelp();

// Opens the web page at `path` at its `anchor` in the program the system opens
// web pages with. Handing the file itself to the shell would drop the anchor,
// so the registered browser command is started with the page's file: URL;
// when no browser command can be found, the shell opens the page at its
// start. Raises an Exception with the cause when nothing could be started.
void OpenInBrowser(HWND owner, const std::string& path, const std::string& anchor);
