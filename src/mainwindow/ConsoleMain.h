// corvix.exe started with arguments: the command line on the standard handles
// the program inherited, or on the console of the program that started it.
#pragma once

#include <string>
#include <vector>

// Runs the command line and answers its exit code; no window is shown.
int RunConsole(const std::vector<std::string>& args, const std::string& settingsPath);
