// winprobe's commands that work the program's window as a user would:
//
//   winprobe select PID TEXT
//       selects TEXT in the main window's item list (the visible list box
//       with the most entries) and tells the window, as a click would.
//   winprobe type PID TEXT
//       types TEXT into the main window's visible combo box.
//   winprobe press PID CAPTION [--answer BUTTON]... [--timeout SEC]
//       presses the enabled button CAPTION of the main window, then answers
//       the boxes that come up, in order, with the buttons named (e.g.
//       "&Ja", "&Nein", "OK"), printing each as dialog=CAPTION: TEXTS; ends
//       when no box is left. A box more than answers fails.
//
// Exit status as winprobe's: 0 done, 2 usage, 3 failure, 4 timeout.
#pragma once

#include <string>

bool isDriveCommand(const std::string& command);
int drive(int argc, char** argv);
