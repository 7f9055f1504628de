#include "commands/Settings.h"

#include "support/ZQIniFiles.h"

const char* const kConfigSection = "config";
const char* const kMainFormSection = "MainForm";

namespace {

// One switch: its section, key and place in the object.
struct TSwitch {
    const char* const* section;
    const char* key;
    bool TSettings::*field;
};

const TSwitch kSwitches[] = {
    {&kConfigSection, "StartupScan", &TSettings::StartupScan},
    {&kConfigSection, "SaveMode", &TSettings::SaveMode},
    {&kConfigSection, "VersionWarn", &TSettings::VersionWarn},
    {&kConfigSection, "AllowMods", &TSettings::AllowMods},
    {&kConfigSection, "OptimizeSystem", &TSettings::OptimizeSystem},
    {&kConfigSection, "AlwaysAsk", &TSettings::AlwaysAsk},
    {&kMainFormSection, "RestoreWnd", &TSettings::RestoreWnd},
    {&kMainFormSection, "RestoreTab", &TSettings::RestoreTab},
    {&kMainFormSection, "RestoreSelItem", &TSettings::RestoreSelItem},
};

} // namespace

TSettings::TSettings(std::string path) : path_(std::move(path)) {
    Load();
}

void TSettings::Load() {
    const TZQIniFile ini(path_);
    const TSettings defaults;
    for (const TSwitch& s : kSwitches)
        this->*s.field = ini.ReadBool(*s.section, s.key, defaults.*s.field);
    Scope = ini.ReadString(kConfigSection, "Scope", "");
    if (Scope != "user" && Scope != "machine")
        Scope.clear();
}

void TSettings::Save() const {
    const TZQIniFile ini(path_);
    for (const TSwitch& s : kSwitches)
        ini.WriteBool(*s.section, s.key, this->*s.field);
    if (!Scope.empty())
        ini.WriteString(kConfigSection, "Scope", Scope);
}

std::string UndoJournalPath(const std::string& settingsPath) {
    const size_t slash = settingsPath.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) +
           "undo.log";
}
