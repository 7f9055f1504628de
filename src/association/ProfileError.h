// A profile file that can't be used: the message names the file, the line
// and the cause, and nothing has been changed.
#pragma once

#include "support/Exception.h"

#include <string>

class EProfileError : public Exception {
public:
    EProfileError(const std::string& file, int line, const std::string& cause)
        : Exception(file + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " +
                    cause),
          line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};
