// What the register dialogs need of the window that opens them: the class
// names of its index, its rescan, its "OptimizeSystem" switch and its
// confirmation question. The main window provides it; tests give their own.
#pragma once

#include <string>

class TStringList;

class TRegisterHost {
public:
    virtual ~TRegisterHost() = default;
    // Every class name of the index, the empty name first when it holds it.
    virtual void GetClassNames(TStringList& list) = 0;
    // Rebuilds the index after the registry was written.
    virtual void ScanRegistry() = 0;
    // Whether a change offers to tidy what it leaves behind.
    virtual bool OptimizeSystem() const = 0;
    // Asks before a change (true: go ahead).
    virtual bool Confirm(const std::string& message) = 0;
};
