#include "support/Utf8Text.h"

namespace {

// The length of the sequence that byte `lead` begins, 0 when it begins none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes the sequence at `pos`; returns its length, or 0 when it is not a
// valid one (an overlong form, a code beyond U+10FFFF, a missing trail).
int Decode(const std::string& text, std::string::size_type pos, unsigned long& code) {
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    const int length = SequenceLength(lead);
    if (length == 0 || pos + length > text.size()) return 0;
    if (length == 1) {
        code = lead;
        return 1;
    }
    code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char trail = static_cast<unsigned char>(text[pos + i]);
        if ((trail & 0xC0) != 0x80) return 0;
        code = (code << 6) | (trail & 0x3F);
    }
    static const unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF) return 0;
    return length;
}

void Append(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

WideString WideFromUtf8(const std::string& text) {
    WideString out;
    out.reserve(text.size());
    for (std::string::size_type pos = 0; pos < text.size();) {
        unsigned long code = 0;
        const int length = Decode(text, pos, code);
        if (length == 0) {
            out += static_cast<WCHAR>(0xFFFD);
            ++pos;
            continue;
        }
        pos += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<WCHAR>(0xD800 | (code >> 10));
            out += static_cast<WCHAR>(0xDC00 | (code & 0x3FF));
        } else {
            out += static_cast<WCHAR>(code);
        }
    }
    return out;
}

std::string Utf8FromWide(const WCHAR* text, int length) {
    std::string out;
    if (!text) return out;
    if (length < 0) {
        length = 0;
        while (text[length]) ++length;
    }
    out.reserve(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) {
        unsigned long code = static_cast<unsigned short>(text[i]);
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < length) {
            const unsigned long low = static_cast<unsigned short>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        Append(out, code);
    }
    return out;
}

bool IsUtf8(const std::string& text) {
    for (std::string::size_type pos = 0; pos < text.size();) {
        unsigned long code = 0;
        const int length = Decode(text, pos, code);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string::size_type NextUtf8Pos(const std::string& text, std::string::size_type pos) {
    if (pos >= text.size()) return pos + 1;
    unsigned long code = 0;
    const int length = Decode(text, pos, code);
    return pos + (length ? length : 1);
}
