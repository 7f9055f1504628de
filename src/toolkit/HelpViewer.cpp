#include "toolkit/HelpViewer.h"

#include <shlwapi.h>

#include "support/Exception.h"
#include "support/GuideLink.h"
#include "toolkit/SystemShell.h"

namespace {

// The folder of the program, with its trailing separator. The path is UTF-8,
// whose bytes of other characters are never ASCII: searched byte-wise.
std::string ProgramFolder() {
    const std::string path = ProgramFilePath();
    const std::string::size_type slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Windows Vista and later ship no viewer for help files (only a stub that
// says so).
bool SystemShowsHlp() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwMajorVersion < 6;
}

// ShellExecute's result below 33 is an error code of its own.
std::string ShellErrorText(INT_PTR result) {
    switch (result) {
    case 0:
    case SE_ERR_OOM:
        return "There is not enough memory.";
    case SE_ERR_FNF:
        return "The program file was not found.";
    case SE_ERR_PNF:
        return "The program's folder was not found.";
    case SE_ERR_ACCESSDENIED:
        return "Access was denied.";
    case SE_ERR_NOASSOC:
        return "No program is registered to open it.";
    case ERROR_BAD_FORMAT:
        return "The program file is no valid Windows program.";
    default:
        return SystemErrorText(GetLastError());
    }
}

// The command the system runs to open web pages (the user's choice where
// the system keeps one), or empty.
std::string RegisteredBrowserCommand() {
    const std::string command = AssociatedCommand(".html", "open");
    return command.empty() ? command : ExpandEnvironmentVariables(command);
}

} // namespace

THelpViewer::THelpViewer(std::string folder, bool systemShowsHlp)
    : folder_(std::move(folder)), systemShowsHlp_(systemShowsHlp) {
    openDocument = OpenInBrowser;
    systemViewer = [](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
        return WinHelpOf(owner, file, command, data);
    };
}

void THelpViewer::Show(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data,
                       const std::string& topic) {
    const std::string helpPath = folder_ + helpFile;
    if (command == kHelpCommandQuit) {
        if (systemViewerOpen_)
            systemViewer(owner, helpPath, command, data);
        systemViewerOpen_ = false;
        return;
    }
    if (systemShowsHlp_ && FileExists(helpPath) && systemViewer(owner, helpPath, command, data)) {
        systemViewerOpen_ = true;
        return;
    }
    const std::string guide = folder_ + GuideFileName(helpFile);
    if (!FileExists(guide))
        throw Exception("The help of this program was not found: the user guide\r\n" + guide +
                        "\r\nis missing. It comes with the program; put it back beside the "
                        "program file to read the help.");
    openDocument(owner, guide, GuideAnchor(command, data, topic));
}

THelpViewer& ProgramHelp() {
    static THelpViewer viewer(ProgramFolder(), SystemShowsHlp());
    return viewer;
}

void OpenInBrowser(HWND owner, const std::string& document, const std::string& anchor) {
    const std::string url = FileUrl(document, anchor);
    TCommandLine line;
    const std::string command = RegisteredBrowserCommand();
    if (!command.empty())
        line = BrowserCommandLine(command, url);
    else if (const std::string found = FindExecutableOf(document); !found.empty())
        line = BrowserCommandLine("\"" + found + "\"", url);
    if (line.program.empty()) {
        // No browser command to give the anchor to: the page opens at its start.
        const INT_PTR result = ShellExecuteOf(owner, nullptr, document, std::string());
        if (result <= 32)
            throw Exception("The user guide could not be opened:\r\n" + document + "\r\n" +
                            ShellErrorText(result) + " Please set up a web browser.");
        return;
    }
    const INT_PTR result = ShellExecuteOf(owner, nullptr, line.program, line.parameters);
    if (result <= 32)
        throw Exception("The web browser could not be started to show the user guide:\r\n" +
                        line.program + "\r\n" + ShellErrorText(result) +
                        "\r\nYou can open the guide yourself: " + document);
}
