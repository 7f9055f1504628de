#include "support/AnsiText.h"

#include "platform/Win32.h"

#include <cstring>

std::string::size_type NextCharPos(const std::string& text, std::string::size_type pos) {
    if (pos + 1 < text.size() && text[pos + 1] != '\0' &&
        IsDBCSLeadByte(static_cast<BYTE>(text[pos])))
        return pos + 2;
    return pos + 1;
}

std::string::size_type FindCharOf(const std::string& text, const char* chars,
                                  std::string::size_type from) {
    // `from` is a character boundary (0, or just after a character found);
    // walking from there keeps to the boundaries. The ASCII characters
    // searched for are never lead bytes.
    for (std::string::size_type i = from; i < text.size(); i = NextCharPos(text, i)) {
        const char c = text[i];
        if (c != '\0' && std::strchr(chars, c))
            return i;
    }
    return std::string::npos;
}

std::string::size_type FindLastCharOf(const std::string& text, const char* chars) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = FindCharOf(text, chars); i != std::string::npos;
         i = FindCharOf(text, chars, i + 1))
        last = i;
    return last;
}

std::string FolderOfPath(const std::string& path) {
    const std::string::size_type slash = FindLastCharOf(path, "\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
