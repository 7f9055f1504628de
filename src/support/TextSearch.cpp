#include "support/TextSearch.h"

#include <cstring>

std::string::size_type FindCharOf(const std::string& text, const char* chars,
                                  std::string::size_type from) {
    for (std::string::size_type i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\0' && std::strchr(chars, c))
            return i;
    }
    return std::string::npos;
}

std::string::size_type FindLastCharOf(const std::string& text, const char* chars) {
    for (std::string::size_type i = text.size(); i-- > 0;) {
        const char c = text[i];
        if (c != '\0' && std::strchr(chars, c))
            return i;
    }
    return std::string::npos;
}

std::string FolderOfPath(const std::string& path) {
    const std::string::size_type slash = FindLastCharOf(path, "\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
