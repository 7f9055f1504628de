#include "association/CommandProgram.h"

#include "platform/Win32.h"
#include "registry/Registry5LE.h"
#include "support/SystemFiles.h"
#include "support/TextCompare.h"

namespace {

// The keys where programs register their full path by file name.
const char* const kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
// A command line whose unquoted program is missing is tried at no more
// blanks than this.
const int kMostCandidates = 32;

std::string EnvironmentVariable(const char* name) {
    std::string value;
    return EnvironmentText(name, value) ? value : std::string();
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Unquoted(std::string text) {
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

// A drive ("C:..."), a share ("\\server\...") or the root of the current
// drive ("\..."): no search folder applies.
bool HasFolderRoot(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

bool HasFolder(const std::string& path) {
    return HasFolderRoot(path) || path.find('\\') != std::string::npos ||
           path.find('/') != std::string::npos;
}

bool HasExtension(const std::string& path) {
    const size_t point = path.rfind('.');
    return point != std::string::npos && path.find_first_of("\\/", point) == std::string::npos;
}

bool IsProgramFileName(const std::string& path) {
    static const char* const kExtensions[] = {".EXE", ".COM", ".BAT", ".CMD", ".PIF", ".SCR"};
    const std::string upper = UpperCaseAZ(path);
    for (const char* ext : kExtensions) {
        const std::string e = ext;
        if (upper.size() > e.size() && upper.compare(upper.size() - e.size(), e.size(), e) == 0)
            return true;
    }
    return false;
}

// "%1", "%L", "%*": the document the command is run for, not a program.
bool IsDocumentToken(const std::string& token) {
    return token.size() == 2 && token[0] == '%' &&
           (token[1] == '1' || token[1] == 'L' || token[1] == 'l' || token[1] == '*');
}

} // namespace

std::string ExpandEnvironment(const std::string& text) {
    if (text.find('%') == std::string::npos)
        return text;
    return ExpandEnvironmentText(text);
}

TFileLookup::TFileLookup() {
    folders_.push_back(SystemFolder());
    folders_.push_back(WindowsFolder());
    const std::string path = EnvironmentVariable("PATH");
    for (size_t begin = 0; begin <= path.size();) {
        size_t end = path.find(';', begin);
        if (end == std::string::npos)
            end = path.size();
        std::string folder = Unquoted(path.substr(begin, end - begin));
        while (!folder.empty() && folder.back() == '\\')
            folder.pop_back();
        if (!folder.empty())
            folders_.push_back(folder);
        begin = end + 1;
    }
}

bool TFileLookup::Exists(const std::string& fullPath) {
    const auto known = exists_.emplace(UpperCaseAZ(fullPath), false);
    if (known.second) {
        const DWORD attributes = SystemFileAttributes(fullPath);
        known.first->second =
            attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    return known.first->second;
}

bool TFileLookup::Search(const std::string& name) {
    if (name.empty())
        return false;
    if (HasFolderRoot(name))
        return Exists(name);
    for (const std::string& folder : folders_)
        if (!folder.empty() && Exists(folder + "\\" + name))
            return true;
    return false;
}

bool TFileLookup::InAppPaths(const std::string& name) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        TRegistry reg;
        reg.SetRootKey(root);
        reg.SetAccess(KEY_READ);
        std::string path;
        try {
            if (!reg.OpenKey(kAppPaths + name, false) || !reg.ReadStringIfExists("", path))
                continue;
        } catch (const ERegistryException&) {
            continue;
        }
        path = Unquoted(ExpandEnvironment(path));
        if (HasFolderRoot(path) && Exists(path))
            return true;
    }
    return false;
}

bool TFileLookup::FileExists(const std::string& path) {
    return Search(path);
}

bool TFileLookup::ProgramExists(const std::string& path) {
    // Kept apart from the files' own answers by a character no path holds.
    const auto known = exists_.emplace("|" + UpperCaseAZ(path), false);
    if (known.second) {
        const bool bare = !HasExtension(path);
        bool found = Search(path) || (bare && Search(path + ".exe"));
        if (!found && !HasFolder(path))
            found = InAppPaths(path) || (bare && InAppPaths(path + ".exe"));
        known.first->second = found;
    }
    return known.first->second;
}

TCommandProgram FindCommandProgram(const std::string& command, TFileLookup& files) {
    TCommandProgram program;
    const size_t begin = command.find_first_not_of(' ');
    if (begin == std::string::npos)
        return program;
    program.Begin = begin;
    if (command[begin] == '"') {
        const size_t close = command.find('"', begin + 1);
        const std::string token = command.substr(
            begin + 1, close == std::string::npos ? std::string::npos : close - begin - 1);
        program.End = close == std::string::npos ? command.size() : close + 1;
        program.Quoted = true;
        if (token.empty() || IsDocumentToken(token))
            return program;
        program.None = false;
        program.Path = ExpandEnvironment(token);
        program.Exists = files.ProgramExists(program.Path);
        return program;
    }
    // Unquoted: the first token, then the text up to each further blank,
    // until one names a program.
    std::string missing;
    int tried = 0;
    for (size_t end = command.find(' ', begin);; end = command.find(' ', end + 1)) {
        const size_t stop = end == std::string::npos ? command.size() : end;
        const std::string token = command.substr(begin, stop - begin);
        if (tried == 0) {
            if (IsDocumentToken(token))
                return program;
            program.None = false;
            program.End = stop;
            missing = ExpandEnvironment(token);
        }
        if (token.back() != ' ') {
            const std::string path = ExpandEnvironment(token);
            if (files.ProgramExists(path)) {
                program.Path = path;
                program.End = stop;
                program.Exists = true;
                return program;
            }
            // A missing program is named by the shortest candidate that
            // looks like one ("C:\Program Files\Gone\gone.exe").
            if (tried > 0 && !IsProgramFileName(missing) && IsProgramFileName(path)) {
                missing = path;
                program.End = stop;
            }
        }
        if (end == std::string::npos || ++tried >= kMostCandidates)
            break;
    }
    program.Path = missing;
    return program;
}

std::string IconLocationFile(const std::string& location) {
    std::string file = Trimmed(location);
    if (!file.empty() && file[0] == '"') {
        const size_t close = file.find('"', 1);
        file = file.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    } else {
        const size_t comma = file.rfind(',');
        if (comma != std::string::npos) {
            const std::string index = Trimmed(file.substr(comma + 1));
            const size_t digits = index.empty() || index[0] != '-' ? 0 : 1;
            if (index.size() > digits &&
                index.find_first_not_of("0123456789", digits) == std::string::npos)
                file = file.substr(0, comma);
        }
    }
    file = Trimmed(file);
    return IsDocumentToken(file) ? std::string() : file;
}
