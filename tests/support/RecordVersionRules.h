// The Windows-version rules of the association records, checked for the one
// version the system reports: natively for each version the stand-in is set
// to, under Wine for the version Wine pretends to be. Expects an empty
// registry (the RegistryTest fixture).
#pragma once

#include "association/DataType.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <string>
#include "support/NoUndo.h"

// `version` is the Wine name of the running system ("win98", "winxp", ...).
inline void CheckRecordVersionRules(const std::string& version) {
    const bool friendly = version == "win2k" || version == "winxp";
    const bool xp = version == "winxp";
    SCOPED_TRACE(version);

    // "FriendlyTypeName" beside the description on 2000 and XP only; an
    // existing one is left alone elsewhere, and an empty description removes
    // it everywhere.
    PutString("oldfile", "FriendlyTypeName", "Old name");
    RegisterFileClass(NoUndo(), "newfile", "New Type", TEditFlags{efNone}, "", "", "");
    RegisterFileClass(NoUndo(), "oldfile", "Renamed", TEditFlags{efNone}, "", "", "");
    EXPECT_EQ(GetText("newfile", ""), "New Type");
    EXPECT_EQ(HasValue("newfile", "FriendlyTypeName"), friendly);
    if (friendly) {
        EXPECT_EQ(GetText("newfile", "FriendlyTypeName"), "New Type");
    }
    EXPECT_EQ(GetText("oldfile", "FriendlyTypeName"), friendly ? "Renamed" : "Old name");
    EXPECT_EQ(GetClassDescription("oldfile"), "Renamed");
    RegisterFileClass(NoUndo(), "oldfile", "", TEditFlags{efNone}, "", "", "");
    EXPECT_FALSE(HasValue("oldfile", "FriendlyTypeName"));
    EXPECT_FALSE(HasValue("oldfile", ""));

    // "PerceivedType" and "OpenWithProgIDs" on XP only.
    TStringList progIds;
    progIds.Add("xyz.1");
    progIds.Add("xyz.2");
    std::string className = "xyzfile";
    RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "", ptAudio, snkNone, "", nullptr,
                      &progIds);
    EXPECT_EQ(HasValue(".xyz", "PerceivedType"), xp);
    if (xp) {
        EXPECT_EQ(GetText(".xyz", "PerceivedType"), "Audio");
    }
    EXPECT_EQ(HasKey(".xyz\\OpenWithProgIDs\\xyz.1"), xp);
    EXPECT_EQ(HasKey(".xyz\\OpenWithProgIDs\\xyz.2"), xp);

    // Registering over an old record: on XP "PerceivedType" is replaced and
    // an emptied "OpenWithProgIDs" goes with its subkeys; elsewhere both stay
    // untouched. The emptied "ShellNew" and "OpenWithList" go on every system.
    PutString(".old", "PerceivedType", "Video");
    PutKey(".old\\OpenWithProgIDs\\keep.1\\deeper");
    PutKey(".old\\ShellNew\\deeper");
    PutKey(".old\\OpenWithList\\keep.exe\\deeper");
    className = "oldfile";
    RegisterExtension(NoUndo(), ".old", className, "", TEditFlags{}, false, "", ptCompressed, snkNone, "",
                      nullptr, nullptr);
    EXPECT_EQ(GetText(".old", "PerceivedType"), xp ? "Compressed" : "Video");
    EXPECT_EQ(HasKey(".old\\OpenWithProgIDs"), !xp);
    EXPECT_FALSE(HasKey(".old\\ShellNew"));
    EXPECT_FALSE(HasKey(".old\\OpenWithList"));
}
