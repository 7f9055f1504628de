// The framework's assertion error. A failed precondition of a command stops
// the command with an `EAssertionFailed` whose text is the message, a blank
// and, in parentheses, the source file and line: "%s (%s, Zeile %d)". The
// default error handling shows it.
#pragma once

#include <string>

#include "support/Exception.h"

class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

// The text of a failed assertion; `file` is reduced to its file name.
std::string AssertionText(const std::string& message, const char* file, int line);

// Raises EAssertionFailed unless `condition` holds. File and line are those
// of the caller.
void Assert(bool condition, const std::string& message, const char* file = __builtin_FILE(),
            int line = __builtin_LINE());
