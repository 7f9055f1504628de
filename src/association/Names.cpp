#include "association/Names.h"

#include "support/TextSearch.h"

namespace {

const char kClsidPrefix[] = "CLSID\\{";

bool IsHexChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

bool IsValidExtension(const std::string& name) {
    return name.size() >= 2 && name[0] == '.' && !HasCharOf(name.substr(1), ". \"*/:<>?\\|");
}

bool IsValidGUID(const std::string& text) {
    if (text.size() != 38 || text[0] != '{' || text[37] != '}')
        return false;
    for (std::string::size_type i = 1; i < 37; ++i) {
        bool dashPosition = i == 9 || i == 14 || i == 19 || i == 24;
        if (dashPosition ? text[i] != '-' : !IsHexChar(text[i]))
            return false;
    }
    return true;
}

bool IsValidFileClass(const std::string& name) {
    if (name.empty() || name[0] == '.')
        return false;
    if (name.compare(0, sizeof kClsidPrefix - 1, kClsidPrefix) == 0)
        return IsValidGUID(name.substr(name.find('{')));
    return !HasCharOf(name, "\\");
}
