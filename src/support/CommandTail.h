// The arguments of a Windows command line as the program received them: the
// line without the program's name. Windows passes a program one line, and
// the name at its start ends as the system's own parser ends it: at the
// closing quote when it begins with one (a name in quotes may hold blanks and
// has no escapes), else at the first blank or tab. The rest is passed on
// exactly as typed, quotes and all, so another program started with it sees
// the same arguments.
#pragma once

#include <string>
#include <vector>

template <typename Char> std::basic_string<Char> CommandTail(const std::basic_string<Char>& line) {
    size_t i = 0;
    if (i < line.size() && line[i] == Char('"')) {
        i = line.find(Char('"'), 1);
        i = i == std::basic_string<Char>::npos ? line.size() : i + 1;
    } else {
        while (i < line.size() && line[i] != Char(' ') && line[i] != Char('\t'))
            ++i;
    }
    while (i < line.size() && (line[i] == Char(' ') || line[i] == Char('\t')))
        ++i;
    return line.substr(i);
}

// The arguments of a command-line tail, split as the C runtime splits them
// for the simple cases that matter here: at blanks and tabs outside double
// quotes, the quotes removed.
template <typename Char>
std::vector<std::basic_string<Char>> SplitArguments(const std::basic_string<Char>& tail) {
    std::vector<std::basic_string<Char>> args;
    std::basic_string<Char> arg;
    bool quoted = false, inArg = false;
    for (Char c : tail) {
        if (c == Char('"')) {
            quoted = !quoted;
            inArg = true;
        } else if (!quoted && (c == Char(' ') || c == Char('\t'))) {
            if (inArg)
                args.push_back(arg);
            arg.clear();
            inArg = false;
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (inArg)
        args.push_back(arg);
    return args;
}

// Whether arguments start the window rather than run a console command:
// none, one that is no option (an extension or a file, whose type the window
// shows), or "--select NAME". corvix.exe decides by the same rule
// (WindowStartItem); its console front does not wait for a window.
template <typename Char> bool StartsWindow(const std::vector<std::basic_string<Char>>& args) {
    const auto isOption = [](const std::basic_string<Char>& arg) {
        return (arg.size() >= 2 && arg[0] == Char('-') && arg[1] == Char('-')) ||
               (arg.size() == 2 && arg[0] == Char('/') && arg[1] == Char('?')) ||
               (arg.size() == 2 && arg[0] == Char('-') && arg[1] == Char('h'));
    };
    const std::basic_string<Char> select = {Char('-'), Char('-'), Char('s'), Char('e'),
                                            Char('l'), Char('e'), Char('c'), Char('t')};
    return args.empty() || (args.size() == 1 && !isOption(args[0])) ||
           (args.size() == 2 && args[0] == select);
}
