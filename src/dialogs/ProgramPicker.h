// The system's open-file dialog, for choosing the program of a command line
// (*.exe, *.com, *.bat, *.cmd, or any file). It is reached through one
// replaceable function, so that tests answer it instead of a user.
#pragma once

#include <functional>
#include <string>

#include "platform/Win32.h"

// Asks for a program, the dialog owned by `owner`; true with the chosen
// path, false when cancelled (`path` then stays).
using TProgramPicker = std::function<bool(HWND owner, std::string& path)>;

// Shows the picker in place (the system's dialog unless replaced).
bool PickProgram(HWND owner, std::string& path);

// Puts `picker` in place and returns the one before; an empty function puts
// the system's dialog back.
TProgramPicker SetProgramPicker(TProgramPicker picker);
