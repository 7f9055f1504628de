// Where the command line's text goes: the standard handles in the program
// (mainwindow/ConsoleMain), a string in tests. A plain interface instead of
// std::ostream, whose locale machinery would make up a large part of the
// statically linked program.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

class TTextWriter {
public:
    virtual ~TTextWriter() = default;

    // Takes `size` bytes of text as they are ("\n" ends a line).
    virtual void Write(const char* text, std::size_t size) = 0;

    TTextWriter& operator<<(const std::string& text) {
        Write(text.data(), text.size());
        return *this;
    }
    TTextWriter& operator<<(const char* text) { return *this << std::string(text); }
    TTextWriter& operator<<(char c) {
        Write(&c, 1);
        return *this;
    }
    // A whole number in decimal.
    template <typename N, typename = std::enable_if_t<std::is_integral_v<N>>>
    TTextWriter& operator<<(N number) {
        return *this << std::to_string(number);
    }
};

// Collects the text in a string.
class TStringWriter : public TTextWriter {
public:
    void Write(const char* text, std::size_t size) override { text_.append(text, size); }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};
