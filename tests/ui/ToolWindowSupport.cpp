#include "ToolWindowSupport.h"

#include "support/ZQIniFiles.h"

void ToolWindowTest::TearDown() {
    EXPECT_TRUE(dialogs_.Unexpected().empty())
        << "unexpected: " << dialogs_.Unexpected().front().text;
    EXPECT_EQ(dialogs_.Pending(), 0u) << "scripted answers left unused";
}

TCommands& ToolWindowTest::Commands() {
    if (!commands_) {
        commands_ = std::make_unique<TCommands>(SettingsPath(), questions_);
        commands_->SetAllowChanges(true);
        commands_->AssociationsChanged = [] {};
    }
    return *commands_;
}

void ToolWindowTest::Set(const std::string& section, const std::string& key, int value) {
    TZQIniFile(SettingsPath()).WriteInteger(section, key, value);
}

std::string ToolWindowTest::Get(const std::string& section, const std::string& key) const {
    return TZQIniFile(SettingsPath()).ReadString(section, key, "<none>");
}

TBounds CentredBounds(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
}
