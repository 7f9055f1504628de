#include "association/RegisteredProgram.h"

#include "registry/Registry5LE.h"

void GetRegisteredProgram(const std::string& name, std::string& program) {
    program.clear();
    // A link is looked up by its scheme ("mailto:x" by "mailto"); a colon in
    // the first place cuts nothing.
    std::string key = name;
    const size_t colon = key.find(':');
    if (colon != std::string::npos && colon > 0)
        key.resize(colon);
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    if (!reg.OpenKey(key + "\\shell\\open\\command", false))
        return;
    std::string command = reg.ReadString("");
    reg.CloseKey();
    const size_t start = command.find_first_not_of("\" ");
    command.erase(0, start == std::string::npos ? command.size() : start);
    const size_t quote = command.find('"');
    if (quote != std::string::npos)
        command.resize(quote);
    program = command;
}
