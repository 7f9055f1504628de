#include "toolkit/HelpViewer.h"

#include <shlwapi.h>

#include "support/TextSearch.h"
#include "support/Exception.h"
#include "support/GuideLink.h"

namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    return FolderOfPath(folder); // by character: Far East names
}

// Windows Vista and later ship no viewer for help files (only a stub that
// says so).
bool SystemShowsHlp() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwMajorVersion < 6;
}

std::string SystemErrorText(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length ? std::string(text, length) : std::string();
    LocalFree(text);
    while (!result.empty() &&
           (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result.empty() ? "error " + std::to_string(code) : result;
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
// the system keeps one), or empty. The shell's light-weight library is not on
// every Windows 95, so it is looked for at run time.
std::string RegisteredBrowserCommand() {
    HMODULE library = LoadLibraryA("shlwapi.dll");
    if (!library)
        return std::string();
    using TAssocQueryString = HRESULT(WINAPI*)(DWORD, DWORD, LPCSTR, LPCSTR, LPSTR, DWORD*);
    auto query = reinterpret_cast<TAssocQueryString>(
        reinterpret_cast<void*>(GetProcAddress(library, "AssocQueryStringA")));
    char command[2048] = "";
    DWORD size = sizeof command;
    const bool found = query && query(0, ASSOCSTR_COMMAND, ".html", "open", command, &size) == S_OK;
    FreeLibrary(library);
    if (!found)
        return std::string();
    char expanded[2048] = "";
    const DWORD length = ExpandEnvironmentStringsA(command, expanded, sizeof expanded);
    return length > 0 && length <= sizeof expanded ? expanded : command;
}

} // namespace

THelpViewer::THelpViewer(std::string folder, bool systemShowsHlp)
    : folder_(std::move(folder)), systemShowsHlp_(systemShowsHlp) {
    openDocument = OpenInBrowser;
    systemViewer = [](HWND owner, const std::string& file, UINT command, ULONG_PTR data) {
        return WinHelpA(owner, file.c_str(), command, data) != FALSE;
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
    char found[MAX_PATH] = "";
    if (!command.empty())
        line = BrowserCommandLine(command, url);
    else if (reinterpret_cast<INT_PTR>(FindExecutableA(document.c_str(), nullptr, found)) > 32)
        line = BrowserCommandLine("\"" + std::string(found) + "\"", url);
    if (line.program.empty()) {
        // No browser command to give the anchor to: the page opens at its start.
        const INT_PTR result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(owner, nullptr, document.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32)
            throw Exception("The user guide could not be opened:\r\n" + document + "\r\n" +
                            ShellErrorText(result) + " Please set up a web browser.");
        return;
    }
    const INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        owner, nullptr, line.program.c_str(), line.parameters.c_str(), nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        throw Exception("The web browser could not be started to show the user guide:\r\n" +
                        line.program + "\r\n" + ShellErrorText(result) +
                        "\r\nYou can open the guide yourself: " + document);
}
