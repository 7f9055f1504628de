// The message of the exception of type E that `call` raises, or "(no error)"
// when it raises none. An exception of another type passes on and fails the
// test, so a test also pins which exception class carries the message.
#pragma once

#include <string>

template <typename E, typename Fn> std::string ErrorOf(Fn call) {
    try {
        call();
    } catch (const E& e) {
        return e.what();
    }
    return "(no error)";
}
