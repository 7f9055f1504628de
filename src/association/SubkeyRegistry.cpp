#include "association/SubkeyRegistry.h"

void WriteTextKeepingType(TRegistry& reg, const std::string& name, const std::string& text,
                          bool expandWhenNew) {
    const TRegDataType type = reg.GetDataType(name);
    const bool expand = type == rdExpandString || (type != rdString && expandWhenNew);
    if (expand)
        reg.WriteExpandString(name, text);
    else
        reg.WriteString(name, text);
}

void WriteSubkeyDefault(const TRegistry& parent, const std::string& name, const std::string& text) {
    TRegistry reg = RegistryBelow(parent, KEY_READ | KEY_WRITE);
    if (text.empty()) {
        if (reg.KeyExists(name) && !reg.DeleteKey(name))
            throw ERegistryException("Löschen von Schlüssel " + name + " misslungen");
        return;
    }
    if (!reg.OpenKey(name, true))
        throw ERegistryException("Erzeugung von Schlüssel " + name + " misslungen");
    WriteTextKeepingType(reg, "", text);
}
