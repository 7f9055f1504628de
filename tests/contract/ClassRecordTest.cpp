// The file class record: flags, the record write, deletion, icon and
// extension visibility. The Windows-version rule of "FriendlyTypeName" is
// tested per version in tests/native and tests/wine.
#include "association/DataType.h"
#include "support/ErrorOf.h"
#include "support/KeyChain.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include "support/NoUndo.h"

namespace {

const std::string kGuid = "{0002DF01-0000-0000-C000-000000000046}";

std::string Dword(DWORD value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

using ClassRecordTest = RegistryTest;

TEST_F(ClassRecordTest, GetEditFlagsReadsNumbersAndBinaryLowestByteFirst) {
    PutDword("dword", "EditFlags", 0x10000);
    PutBinary("bin4", "EditFlags", std::string("\x00\x00\x01\x00", 4));
    PutBinary("bin2", "EditFlags", "\x38\x07");
    PutBinary("bin0", "EditFlags", "");
    PutDword("hole", "EditFlags", 0x4000);
    PutDword("all", "EditFlags", 0xFFFFFFFF);
    PutDword("CLSID\\" + kGuid, "EditFlags", 0x8);
    PutKey("noflags");
    PutDword("a\\b", "EditFlags", 0x8);

    const TEditFlags none{efNone};
    EXPECT_EQ(GetEditFlags("dword"), (TEditFlags{efNone, efOpenIsSafe}));
    EXPECT_EQ(GetEditFlags("bin4"), (TEditFlags{efNone, efOpenIsSafe}));
    EXPECT_EQ(GetEditFlags("bin2"), (TEditFlags{efNone, efNoEdit, efNoRemove, efNoNewVerb,
                                                efNoEditDesc, efNoEditIcon, efNoEditDflt}));
    EXPECT_EQ(GetEditFlags("bin0"), none);
    EXPECT_EQ(GetEditFlags("hole"), none);
    EXPECT_EQ(GetEditFlags("all").size(), EditFlagCount);
    EXPECT_EQ(GetEditFlags("CLSID\\" + kGuid), (TEditFlags{efNone, efNoEdit}));
    EXPECT_EQ(GetEditFlags("noflags"), none);
    EXPECT_EQ(GetEditFlags("missing"), none);
    EXPECT_EQ(GetEditFlags("a\\b"), none); // invalid name: not looked up
    EXPECT_EQ(GetEditFlags(""), none);
}

TEST_F(ClassRecordTest, MalformedEditFlagsRaiseTheirErrors) {
    PutString("text", "EditFlags", "24");
    PutRaw("multi", "EditFlags", REG_MULTI_SZ, std::string("a\0\0", 3));
    PutRaw("nonetype", "EditFlags", REG_NONE, "\x01");
    PutBinary("bin8", "EditFlags", std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8));
    PutRaw("longdword", "EditFlags", REG_DWORD, Dword(8) + Dword(0));

    for (const char* name : {"text", "multi", "nonetype"})
        EXPECT_EQ(ErrorOf<EDataTypeError>([&] { GetEditFlags(name); }),
                  std::string("Wrong DataType for 'EditFlags' of ") + name);
    EXPECT_EQ(ErrorOf<ERegistryException>([] { GetEditFlags("bin8"); }),
              "Ungültiger Datentyp für 'EditFlags'");
    EXPECT_EQ(ErrorOf<ERegistryException>([] { GetEditFlags("longdword"); }),
              "Konnte Daten für 'EditFlags' nicht holen");
}

TEST_F(ClassRecordTest, RegisterFileClassWritesAndClearsTheRecord) {
    RegisterFileClass(NoUndo(), "myfile", "My File", TEditFlags{efNoEdit, efNoRemove}, "A tip", "myfile.2",
                      "shell32.dll,3");
    EXPECT_EQ(GetText("myfile", ""), "My File");
    EXPECT_EQ(GetRaw("myfile", "EditFlags").type, DWORD(REG_DWORD));
    EXPECT_EQ(GetRaw("myfile", "EditFlags").bytes, Dword(24));
    EXPECT_EQ(GetText("myfile", "InfoTip"), "A tip");
    EXPECT_EQ(GetText("myfile\\CurVer", ""), "myfile.2");
    EXPECT_EQ(GetText("myfile\\DefaultIcon", ""), "shell32.dll,3");
    EXPECT_EQ(GetDefaultIcon("myfile"), "shell32.dll,3");

    // Empty parts remove what they stand for; the rest of the key stays.
    PutString("myfile", "FriendlyTypeName", "Old friendly name");
    PutString("myfile", "Other", "kept");
    PutKey("myfile\\shell\\open\\command");
    RegisterFileClass(NoUndo(), "myfile", "", TEditFlags{efNone}, "", "", "");
    EXPECT_FALSE(HasValue("myfile", ""));
    EXPECT_FALSE(HasValue("myfile", "FriendlyTypeName"));
    EXPECT_FALSE(HasValue("myfile", "EditFlags"));
    EXPECT_FALSE(HasValue("myfile", "InfoTip"));
    EXPECT_FALSE(HasKey("myfile\\CurVer"));
    EXPECT_FALSE(HasKey("myfile\\DefaultIcon"));
    EXPECT_EQ(GetText("myfile", "Other"), "kept");
    EXPECT_TRUE(HasKey("myfile\\shell\\open\\command"));

    // A class identifier is written below CLSID.
    RegisterFileClass(NoUndo(), "CLSID\\" + kGuid, "Object", TEditFlags{}, "", "", "");
    EXPECT_EQ(GetText("CLSID\\" + kGuid, ""), "Object");
}

TEST_F(ClassRecordTest, RegisterFileClassChecksEveryNameBeforeWriting) {
    EXPECT_EQ(
        ErrorOf<EValidError>([] { RegisterFileClass(NoUndo(), "a\\b", "x", TEditFlags{}, "", "", ""); }),
        "a\\b is not a valid name of a file class.");
    EXPECT_EQ(
        ErrorOf<EValidError>([] { RegisterFileClass(NoUndo(), ".txt", "x", TEditFlags{}, "", "", ""); }),
        ".txt is not a valid name of a file class.");
    EXPECT_FALSE(HasKey("a"));
    EXPECT_FALSE(HasKey(".txt"));

    // An invalid CurVer leaves an existing class exactly as it was, and
    // creates no new one.
    PutString("myfile", "", "Old description");
    PutString("myfile", "InfoTip", "Old tip");
    PutDword("myfile", "EditFlags", 8);
    PutString("myfile\\CurVer", "", "myfile.1");
    EXPECT_EQ(ErrorOf<EValidError>([] {
                  RegisterFileClass(NoUndo(), "myfile", "New", TEditFlags{efNoRemove}, "New tip", "cur\\ver",
                                    "icon.dll,1");
              }),
              "cur\\ver is not a valid name of a file class.");
    EXPECT_EQ(GetText("myfile", ""), "Old description");
    EXPECT_EQ(GetText("myfile", "InfoTip"), "Old tip");
    EXPECT_EQ(GetRaw("myfile", "EditFlags").bytes, Dword(8));
    EXPECT_EQ(GetText("myfile\\CurVer", ""), "myfile.1");
    EXPECT_FALSE(HasKey("myfile\\DefaultIcon"));
    EXPECT_THROW(RegisterFileClass(NoUndo(), "newclass", "New", TEditFlags{}, "", ".cur", ""), EValidError);
    EXPECT_FALSE(HasKey("newclass"));
}

TEST_F(ClassRecordTest, DeleteFileClassRemovesTheWholeTree) {
    PutString("myfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString("myfile\\shell\\open\\ddeexec\\topic", "", "System");
    PutString("myfile\\DefaultIcon", "", "x.dll,1");
    PutKey("myfile2");
    PutKey("CLSID\\" + kGuid + "\\InprocServer32");
    PutKey("CLSID\\{00000000-0000-0000-0000-000000000001}");
    PutKey("a\\b\\c");

    DeleteFileClass(NoUndo(), "myfile");
    EXPECT_FALSE(HasKey("myfile"));
    EXPECT_TRUE(HasKey("myfile2"));
    DeleteFileClass(NoUndo(), "CLSID\\" + kGuid);
    EXPECT_FALSE(HasKey("CLSID\\" + kGuid));
    EXPECT_TRUE(HasKey("CLSID\\{00000000-0000-0000-0000-000000000001}"));
    // Invalid or missing classes are ignored without a word.
    EXPECT_NO_THROW(DeleteFileClass(NoUndo(), "a\\b"));
    EXPECT_TRUE(HasKey("a\\b\\c"));
    EXPECT_NO_THROW(DeleteFileClass(NoUndo(), "missing"));
    EXPECT_NO_THROW(DeleteFileClass(NoUndo(), ""));
}

TEST_F(ClassRecordTest, SetDefaultIconStoresOnlyTheIconOfAnExistingClass) {
    PutString("txtfile", "", "Text Document");
    PutString("txtfile", "EditFlags", "kept");
    PutString("iconic\\DefaultIcon", "", "old.dll,1");
    PutString("iconic\\DefaultIcon", "Other", "kept");
    SetDefaultIcon(NoUndo(), "txtfile", "\"C:\\Bilder\\Bärchen.ico\",3");
    EXPECT_EQ(GetDefaultIcon("txtfile"), "\"C:\\Bilder\\Bärchen.ico\",3");
    EXPECT_EQ(GetText("txtfile", ""), "Text Document");
    EXPECT_EQ(GetText("txtfile", "EditFlags"), "kept");
    SetDefaultIcon(NoUndo(), "iconic", "new.dll,2");
    EXPECT_EQ(GetText("iconic\\DefaultIcon", ""), "new.dll,2");
    EXPECT_EQ(GetText("iconic\\DefaultIcon", "Other"), "kept");

    // Refused before anything is written.
    EXPECT_EQ(ErrorOf<Exception>([] { SetDefaultIcon(NoUndo(), "missing", "a.dll,0"); }),
              "Schlüssel missing existiert nicht");
    EXPECT_FALSE(HasKey("missing"));
    EXPECT_EQ(ErrorOf<Exception>([] { SetDefaultIcon(NoUndo(), "a\\b", "a.dll,0"); }),
              "a\\b is not a valid name of a file class.");
    EXPECT_EQ(ErrorOf<Exception>([] { SetDefaultIcon(NoUndo(), "txtfile", ""); }),
              "\"\" is not a valid icon location.");
    EXPECT_EQ(GetDefaultIcon("txtfile"), "\"C:\\Bilder\\Bärchen.ico\",3");
}

TEST_F(ClassRecordTest, DefaultIconAndClassIcon) {
    PutString("docicon\\DefaultIcon", "", "%1");
    PutKey("noicon");
    PutString("a\\b\\DefaultIcon", "", "shell32.dll,1");
    EXPECT_EQ(GetDefaultIcon("docicon"), "%1");
    EXPECT_EQ(GetDefaultIcon("noicon"), "");
    EXPECT_EQ(GetDefaultIcon("missing"), "");
    EXPECT_EQ(GetDefaultIcon("a\\b"), "");

    EXPECT_EQ(GetClassIcon("docicon"), nullptr); // each document has its own icon
    EXPECT_EQ(GetClassIcon("a\\b"), nullptr);
    EXPECT_EQ(GetClassIcon("noicon"), nullptr);
    EXPECT_EQ(GetClassIcon("missing"), nullptr);

    // A file that is no executable, library or icon file gives no icon (and
    // not ExtractIconA's marker 1 in the place of a handle).
    const char* textFile = "corvix-class-icon-test.txt";
    std::ofstream(textFile) << "not an icon\n";
    PutString("textfile\\DefaultIcon", "", std::string(textFile) + ",0");
    EXPECT_EQ(GetClassIcon("textfile"), nullptr);
    std::remove(textFile);
}

TEST_F(ClassRecordTest, ExtVisibility) {
    PutString("both", "NeverShowExt", "");
    PutString("both", "AlwaysShowExt", "");
    PutDword("always", "AlwaysShowExt", 0); // presence alone counts
    PutString("never", "NeverShowExt", "");
    PutKey("plain");
    PutString("a\\b", "NeverShowExt", "");
    EXPECT_EQ(GetExtVisibility("both"), 2);
    EXPECT_EQ(GetExtVisibility("always"), 1);
    EXPECT_EQ(GetExtVisibility("never"), 2);
    EXPECT_EQ(GetExtVisibility("plain"), 0);
    EXPECT_EQ(GetExtVisibility("missing"), 0);
    EXPECT_EQ(GetExtVisibility("a\\b"), 0);
}

TEST_F(ClassRecordTest, LongAndNonAsciiNames) {
    const std::string longClass(255, 'c');
    const std::string longCurVer(255, 'v');
    RegisterFileClass(NoUndo(), longClass, "Long", TEditFlags{efNoEdit}, "", longCurVer, "icon.dll,2");
    EXPECT_EQ(GetClassDescription(longClass), "Long");
    EXPECT_EQ(GetEditFlags(longClass), (TEditFlags{efNone, efNoEdit}));
    EXPECT_EQ(GetDefaultIcon(longClass), "icon.dll,2");
    EXPECT_TRUE(HasChain({longClass, "CurVer"}));
    RegisterFileClass(NoUndo(), longClass, "Long", TEditFlags{}, "", "", "");
    EXPECT_FALSE(HasChain({longClass, "CurVer"}));
    EXPECT_FALSE(HasChain({longClass, "DefaultIcon"}));
    DeleteFileClass(NoUndo(), longClass);
    EXPECT_FALSE(HasKey(longClass));

    const std::string umlautClass = "Dökument.Änderung";
    RegisterFileClass(NoUndo(), umlautClass,
                      "Ü"
                      "bersicht",
                      TEditFlags{}, "Tipp ä", umlautClass + "2", "");
    EXPECT_EQ(GetClassDescription(umlautClass), "Ü"
                                                "bersicht");
    EXPECT_EQ(GetText(umlautClass + "\\CurVer", ""), umlautClass + "2");
}
