// The program registered to open a kind of file or link.
#pragma once

#include <string>

// The program registered to open `name` (an extension, a file class or a
// link such as "mailto:someone"; a link is looked up by its scheme): the
// default value of HKEY_CLASSES_ROOT\<name>\shell\open\command without
// leading quotes and blanks, cut at the first quote that remains. Empty when
// the key is missing; a registry error while reading reaches the caller.
void GetRegisteredProgram(const std::string& name, std::string& program);
