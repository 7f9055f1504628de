// Moving a finished file over another, so that a complete file (the old one
// or the new one) is under the target's name at every moment.
#pragma once

#include <string>

// Moves `from` over `to`; true when `to` now holds what `from` held.
//
// Windows NT and its successors replace in one step. Windows 95, 98 and ME
// have no replacing move: there the old file is first renamed aside, then the
// new one is moved in, and only then is the old one deleted. Should the move
// fail, the old file is put back under its own name; `keepSource` is then
// false and the caller may delete `from`. Only when even putting it back
// fails does `keepSource` come back true: the old contents then wait in the
// file renamed aside and the new ones in `from`, and neither may be deleted.
bool MoveOver(const std::string& from, const std::string& to, bool& keepSource);

// The name a file is renamed aside to: the path with ".old" added, or
// ".old2", ".old3" and so on, numbered past every such name there is, so
// that the newest file renamed aside always has the highest number; empty
// when ".old100" is taken.
std::string FreeNameBeside(const std::string& path);

// When `path` is missing because a move over it was cut off between renaming
// the old file aside and moving the new one in (a crash, or a failure to put
// it back), the newest file renamed aside is moved back under its own name.
// Answers the name that holds the file's contents: `path`, or the file
// renamed aside when it can't be moved back.
std::string PutBackAside(const std::string& path);
