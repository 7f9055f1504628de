// Helpers of the tool window tests: a fixture with a scratch registry, a
// settings file of its own and scripted boxes.
#pragma once

#include <memory>
#include <string>

#include "commands/Commands.h"
#include "mainwindow/BoxQuestions.h"

#include "RegistrySnapshot.h"
#include "UiTestSupport.h"

class ToolWindowTest : public RegistryTest {
protected:
    void TearDown() override;
    std::string SettingsPath() const { return folder_.File("settings.ini"); }
    void Set(const std::string& section, const std::string& key, int value);
    std::string Get(const std::string& section, const std::string& key) const;
    // The commands the windows are given: on the settings file, changes
    // allowed, asking through the scripted boxes; made on first use.
    TCommands& Commands();

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    TBoxQuestions questions_;
    std::unique_ptr<TCommands> commands_;
};

// The bounds of a window centred on the primary screen at the given size.
TBounds CentredBounds(int width, int height);
