// Where a help request leads in the user guide, and how the guide is handed to
// a web browser with that place kept. Pure text work: the toolkit's help
// viewer (toolkit/HelpViewer) makes the system calls.
#pragma once

#include <string>

// The help commands of the system help viewer (WinHelp) that the program
// sends: a context number, the viewer closed, the contents, the topics
// dialog (command 15, "help topics" at its first tab).
const unsigned kHelpCommandContext = 0x0001;
const unsigned kHelpCommandQuit = 0x0002;
const unsigned kHelpCommandContents = 0x0003;
const unsigned kHelpCommandTopics = 0x000F;

// The guide beside a help file: "Corvix.hlp" gives "Corvix.html".
std::string GuideFileName(const std::string& helpFile);

// The guide's anchor for a help request: `topic` when the request names one;
// else "context-N" for a context number N, and "contents" for every other
// command.
std::string GuideAnchor(unsigned command, unsigned long data, const std::string& topic);

// The file: URL of a Windows path with an anchor:
// "C:\Program Files\Corvix\Corvix.html" and "context-40" give
// "file:///C:/Program%20Files/Corvix/Corvix.html#context-40"; a network path
// "\\server\share\x.html" gives "file://server/share/x.html". Blanks, "%",
// "#" and "?" are escaped; other characters stay as they are, so that the
// system hands a name in the ANSI code page to the browser unchanged.
std::string FileUrl(const std::string& path, const std::string& anchor);

// A program to start and its parameters.
struct TCommandLine {
    std::string program;
    std::string parameters;
};

// The command line that opens `url` with a browser, from the command the
// system registers for opening web pages (as "C:\...\browser.exe" -osint
// "%1"): "%1" or "%L" is replaced by the URL and "%*" dropped; a command
// without a place for the file (as "iexplore.exe -nohome") gets the URL at
// its end. The program is the command's first part: quoted, or else the
// shortest start that ends in ".exe" before a blank (registered commands may
// hold unquoted paths with blanks), or else the text up to the first blank.
TCommandLine BrowserCommandLine(const std::string& command, const std::string& url);
