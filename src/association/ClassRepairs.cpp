#include "association/ClassRepairs.h"

#include "association/Names.h"
#include "association/RegistryWriter.h"
#include "registry/Registry5LE.h"

namespace {

std::string CommandKey(const std::string& className, const std::string& verb) {
    return FileClassKey(className) + "\\shell\\" + verb + "\\command";
}

} // namespace

void RewriteActionCommand(TRegistryWriter& writer, const std::string& className,
                          const std::string& verb, const std::string& command) {
    const std::string key = CommandKey(className, verb);
    {
        TRegistry probe;
        probe.SetRootKey(HKEY_CLASSES_ROOT);
        probe.SetAccess(KEY_READ);
        if (!probe.KeyExists(key))
            throw ERegistryException("Schlüssel " + key + " existiert nicht");
    }
    TKeyChange reg = writer.Value(HKEY_CLASSES_ROOT, key, "");
    if (!reg.OpenKey(key, false))
        throw ERegistryException("Schlüssel " + key + " existiert nicht");
    if (reg.GetDataType("") == rdExpandString)
        reg.WriteExpandString("", command);
    else
        reg.WriteString("", command);
}

void DeleteCurVer(TRegistryWriter& writer, const std::string& className) {
    DeleteClassesKey(writer, FileClassKey(className) + "\\CurVer");
}

void DeleteClassesKey(TRegistryWriter& writer, const std::string& key) {
    TRegistry probe;
    probe.SetRootKey(HKEY_CLASSES_ROOT);
    probe.SetAccess(KEY_READ);
    if (!probe.KeyExists(key))
        return;
    if (!writer.Key(HKEY_CLASSES_ROOT, key).DeleteKey(key))
        throw ERegistryException("Löschen von Schlüssel " + key + " misslungen");
}
