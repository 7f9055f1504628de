// The program's switches, kept in the settings file ("settings.ini" beside
// the program): the section and key names are written here once, and the
// switches are read once, when the object is made.
#pragma once

#include <string>

// The settings file's sections: the program's switches, and the main
// window's state (its bounds are kept there by the window itself).
extern const char* const kConfigSection;
extern const char* const kMainFormSection;

class TSettings {
public:
    // Reads the switches of the file at `path` (a missing file or key gives
    // each switch its default).
    explicit TSettings(std::string path);

    const std::string& Path() const { return path_; }

    // "config": what the modification gate and the commands follow.
    bool StartupScan = true;
    bool SaveMode = true;
    bool VersionWarn = true;
    bool AllowMods = false;
    bool OptimizeSystem = true;
    bool AlwaysAsk = true;
    // Where changes of the classes go on a system with two stores: "user"
    // (this user's), "machine" (every user's), or empty (not chosen: every
    // user's where the process may write it, else this user's).
    std::string Scope;
    // "MainForm": what the main window restores at its next start.
    bool RestoreWnd = true;
    bool RestoreTab = true;
    bool RestoreSelItem = true;

    // Reads every switch again; writes every switch.
    void Load();
    void Save() const;

private:
    TSettings() = default; // every switch at its default
    std::string path_;
};

// The undo journal's file: "undo.log" beside the settings file.
std::string UndoJournalPath(const std::string& settingsPath);
