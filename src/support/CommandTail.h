// The arguments of a Windows command line as the program received them: the
// line without the program's name. Windows passes a program one line, and
// the name at its start ends as the system's own parser ends it: at the
// closing quote when it begins with one (a name in quotes may hold blanks and
// has no escapes), else at the first blank or tab. The rest is passed on
// exactly as typed, quotes and all, so another program started with it sees
// the same arguments.
#pragma once

#include <string>

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
