// Errors are exceptions that carry only a message. `Exception` is the base of
// every error the program raises; the application's default error handling
// shows its message in the error box.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A text that can't be converted to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An error of the program's own support library (the change-icon dialog, the
// file version strings, the link labels).
class ZQException : public Exception {
public:
    using Exception::Exception;
};
