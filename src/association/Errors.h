// The association layer's exceptions. Each carries only its message; nothing
// in the layer catches them.
#pragma once

#include "support/Exception.h"

#include <string>
#include <utility>

// A name that breaks its rule, given to an operation that changes something.
class EValidError : public Exception {
public:
    using Exception::Exception;
    // "<name> is not a valid extension."
    static EValidError ForExtension(const std::string& ext) {
        return EValidError(ext + " is not a valid extension.");
    }
    // "<name> is not a valid name of a file class."
    static EValidError ForFileClass(const std::string& className) {
        return EValidError(className + " is not a valid name of a file class.");
    }
};

// A value of a type the layer can't interpret.
class EDataTypeError : public Exception {
public:
    using Exception::Exception;
    // An "EditFlags" value that is neither REG_DWORD nor REG_BINARY.
    static EDataTypeError ForEditFlags(const std::string& className) {
        return EDataTypeError("Wrong DataType for 'EditFlags' of " + className);
    }
};

// The per-user Explorer settings key is missing (or can't be opened).
class EExistensError : public Exception {
public:
    EExistensError()
        : Exception("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                    "Advanced does not exists.") {}

protected:
    explicit EExistensError(std::string message) : Exception(std::move(message)) {}
};

// The "HideFileExt" value is missing; a kind of EExistensError, so one handler
// covers the missing key and the missing value.
class EValExistensError : public EExistensError {
public:
    EValExistensError()
        : EExistensError("There is no 'HideFileExt'-item in HKEY_CURRENT_USER\\Software\\"
                         "Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced") {}
};

// "HideFileExt" holds a number other than 0 or 1.
class EValueError : public Exception {
public:
    EValueError()
        : Exception("Unknown Value for 'HideFileExt' in "
                    "'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced'") {}
};
