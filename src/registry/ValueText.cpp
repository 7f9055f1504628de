#include "registry/ValueText.h"

#include "support/DecimalText.h"
#include "support/Exception.h"

#include <cstring>

const char HexDigits[] = "0123456789ABCDEF";

namespace {

int HexValue(char c) {
    return static_cast<int>(std::strchr(HexDigits, c) - HexDigits);
}

bool IsHexDigit(char c) {
    return c != '\0' && std::strchr(HexDigits, c) != nullptr;
}

// The standard conversion of a signed decimal text: leading blanks, an
// optional sign, then digits to the end; false when anything else follows or
// the number leaves the 32-bit range.
bool TryStrToInt(const std::string& text, int& value) {
    const auto digits = text.find_first_not_of(' ');
    return digits != std::string::npos && DecimalToInt(text.substr(digits), value);
}

} // namespace

bool IsHexText(const std::string& text) {
    if (text.empty())
        return false;
    for (auto i = text.size(); i-- > 0;)
        if (!IsHexDigit(text[i]))
            return false;
    return true;
}

int32_t HexToInt(const std::string& text) {
    std::string upper = text;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (!IsHexText(upper))
        throw EConvertError("''" + upper + "'' ist kein gültiger hexadezimaler Wert");
    uint32_t result = 0;
    unsigned shift = 0;
    for (auto i = upper.size(); i-- > 0 && shift < 32; shift += 4)
        result |= static_cast<uint32_t>(HexValue(upper[i])) << shift;
    return static_cast<int32_t>(result);
}

std::string IconFileOf(const std::string& location) {
    if (!location.empty() && location[0] == '"') {
        auto close = location.find('"', 1);
        return close == std::string::npos ? std::string() : location.substr(1, close - 1);
    }
    return location.substr(0, location.find(','));
}

int IconIndexOf(const std::string& location) {
    auto comma = location.find(',');
    int index = 0;
    if (!TryStrToInt(comma == std::string::npos ? location : location.substr(comma + 1), index))
        return 0;
    return index;
}

std::string MakeIconLocation(const std::string& fileName, int index) {
    std::string quoted = "\"";
    for (char c : fileName) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"," + std::to_string(index);
}
