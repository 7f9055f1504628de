// The program a verb's command line starts and the file an icon location
// names, found as Windows finds them: environment variables expanded, a
// quoted first token taken whole, an unquoted one grown blank by blank until
// it names a file (as CreateProcess tries "C:\Program.exe" before
// "C:\Program Files\..."), and a name without a folder looked up in the
// system folder, the Windows folder, the folders of PATH and, for programs,
// under "App Paths".
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// The text with each %NAME% replaced by the environment's NAME (unknown
// names stay).
std::string ExpandEnvironment(const std::string& text);

// Looks files up and keeps every answer, so that a check over thousands of
// classes asks the file system once per distinct path. Not shared between
// threads.
class TFileLookup {
public:
    // Reads the system folder, the Windows folder and PATH.
    TFileLookup();

    // Whether `path` (expanded, unquoted) names an existing file (not a
    // folder). A path without a drive or "\\" is looked for in the search
    // folders.
    bool FileExists(const std::string& path);
    // As FileExists for a program: a name without an extension also with
    // ".exe" appended, and a name without a folder also under "App Paths"
    // (of the machine and of the user).
    bool ProgramExists(const std::string& path);

private:
    bool Exists(const std::string& fullPath);
    bool Search(const std::string& name);
    bool InAppPaths(const std::string& name);

    std::vector<std::string> folders_;
    std::unordered_map<std::string, bool> exists_; // by upper-case path
};

// What the first token of a command line names.
struct TCommandProgram {
    // The command names no program: empty, or its first token is the
    // document itself ("%1", "%L").
    bool None = true;
    // The program as Windows finds it (expanded, without quotes); for a
    // command whose program is missing, the token that names it.
    std::string Path;
    // Where the program's token ends in the command line as stored (after
    // its closing quote when quoted); the token begins after the leading
    // blanks.
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool Quoted = false;
    bool Exists = false;
};

// Finds the program of `command` (as stored, before expansion).
TCommandProgram FindCommandProgram(const std::string& command, TFileLookup& files);

// The file of an icon location "file,index" or "file" (quotes removed,
// blanks trimmed, not expanded); empty when the location is the document's
// own icon ("%1") or names nothing.
std::string IconLocationFile(const std::string& location);
