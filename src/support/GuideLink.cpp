#include "support/GuideLink.h"

#include "support/TextSearch.h"

#include <cctype>

namespace {

bool EndsWithExe(const std::string& text) {
    if (text.size() < 4)
        return false;
    std::string end = text.substr(text.size() - 4);
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == ".exe";
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The program part of a command and where the rest begins.
size_t ProgramEnd(const std::string& command, std::string& program) {
    if (!command.empty() && command[0] == '"') {
        const size_t close = command.find('"', 1);
        program = command.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        return close == std::string::npos ? command.size() : close + 1;
    }
    for (size_t blank = command.find(' '); blank != std::string::npos;
         blank = command.find(' ', blank + 1)) {
        if (EndsWithExe(command.substr(0, blank))) {
            program = command.substr(0, blank);
            return blank;
        }
    }
    if (EndsWithExe(command)) {
        program = command;
        return command.size();
    }
    const size_t blank = command.find(' ');
    program = command.substr(0, blank);
    return blank == std::string::npos ? command.size() : blank;
}

} // namespace

std::string GuideFileName(const std::string& helpFile) {
    const size_t dot = helpFile.find_last_of('.');
    const size_t slash = FindLastCharOf(helpFile, "\\/");
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? helpFile.substr(0, dot) : helpFile) + ".html";
}

std::string GuideAnchor(unsigned command, unsigned long data, const std::string& topic) {
    if (!topic.empty())
        return topic;
    if (command == kHelpCommandContext)
        return "context-" + std::to_string(data);
    return "contents";
}

std::string FileUrl(const std::string& path, const std::string& anchor) {
    // A network path names its server where a local one has the empty host.
    const bool network = path.compare(0, 2, "\\\\") == 0;
    std::string url = network ? "file://" : "file:///";
    const std::string local = network ? path.substr(2) : path;
    // Byte by byte: the path is UTF-8, whose characters beyond ASCII hold no
    // ASCII byte.
    for (const char c : local) {
        switch (c) {
        case '\\':
            url += '/';
            break;
        case ' ':
            url += "%20";
            break;
        case '%':
            url += "%25";
            break;
        case '#':
            url += "%23";
            break;
        case '?':
            url += "%3F";
            break;
        default:
            url += c;
        }
    }
    return anchor.empty() ? url : url + "#" + anchor;
}

TCommandLine BrowserCommandLine(const std::string& command, const std::string& url) {
    const std::string whole = Trimmed(command);
    TCommandLine line;
    std::string rest = whole.substr(ProgramEnd(whole, line.program));
    bool placed = false;
    std::string parameters;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 1 < rest.size()) {
            const char next = rest[i + 1];
            if (next == '1' || next == 'L' || next == 'l') {
                parameters += url;
                placed = true;
                ++i;
                continue;
            }
            if (next == '*') {
                ++i;
                continue;
            }
        }
        parameters += rest[i];
    }
    parameters = Trimmed(parameters);
    if (!placed)
        parameters += (parameters.empty() ? "\"" : " \"") + url + "\"";
    line.parameters = parameters;
    return line;
}
