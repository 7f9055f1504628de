// The extension record: the whole-record write, linking, unlinking, deletion
// and the reads. The Windows-version rules ("PerceivedType",
// "OpenWithProgIDs") are tested per version in tests/native and tests/wine.
#include "association/DataType.h"
#include "support/KeyChain.h"
#include "support/ErrorOf.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <vector>
#include "support/NoUndo.h"

namespace {

const std::string kGuid = "{0002DF01-0000-0000-C000-000000000046}";

TStringList ListOf(std::initializer_list<const char*> items) {
    TStringList list;
    for (const char* item : items)
        list.Add(item);
    return list;
}

// RegisterExtension with what the register-extension dialog passes.
void RegisterPlain(const std::string& ext, std::string& className, const std::string& contentType) {
    RegisterExtension(NoUndo(), ext, className, contentType, TEditFlags{}, false, "", ptText, snkNone, "",
                      nullptr, nullptr);
}

} // namespace

using ExtensionRecordTest = RegistryTest;

TEST_F(ExtensionRecordTest, RegisterExtensionMakesUpAMissingClassName) {
    std::string className;
    RegisterPlain(".xyz", className, "");
    EXPECT_EQ(className, "xyz_auto_file");
    EXPECT_EQ(GetText(".xyz", ""), "xyz_auto_file");
    EXPECT_FALSE(HasValue(".xyz", "Content Type"));
}

TEST_F(ExtensionRecordTest, RegisterExtensionChecksEveryNameBeforeWriting) {
    std::string className = "a\\b";
    EXPECT_EQ(ErrorOf<EValidError>([&] { RegisterPlain(".xyz", className, "text/plain"); }),
              "a\\b is not a valid name of a file class.");
    className = "xyzfile";
    EXPECT_EQ(ErrorOf<EValidError>([&] { RegisterPlain(".x y", className, ""); }),
              ".x y is not a valid extension.");

    // List entries become single subkeys: a backslash would reach other keys
    // (a leading one a key at the root), an empty name none at all.
    for (const char* program : {"\\rootkey", "dir\\prog.exe", ""}) {
        TStringList programs = ListOf({"notepad.exe", program});
        EXPECT_THROW(RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "", ptText,
                                       snkNone, "", &programs, nullptr),
                     EValidError)
            << program;
    }
    const std::string clsidClass = "CLSID\\" + kGuid;
    for (const std::string& progId : {std::string("a\\b"), std::string(".txt"), clsidClass}) {
        TStringList progIds;
        progIds.Add(progId);
        EXPECT_EQ(ErrorOf<EValidError>([&] {
                      RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "", ptText,
                                        snkNone, "", nullptr, &progIds);
                  }),
                  progId + " is not a valid name of a file class.");
    }
    EXPECT_THROW(RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "",
                                   static_cast<TPerceivedType>(6), snkNone, "", nullptr, nullptr),
                 EValidError);
    EXPECT_FALSE(HasKey(".xyz"));
    EXPECT_FALSE(HasKey(".x y"));
    EXPECT_FALSE(HasKey("rootkey"));
}

TEST_F(ExtensionRecordTest, RegisterExtensionReplacesAnExistingRecord) {
    PutString(".xyz", "", "oldfile");
    PutString(".xyz", "Content Type", "old/type");
    PutDword(".xyz", "EditFlags", 0x10000);
    PutString(".xyz", "NoOpen", "Careful");
    PutString(".xyz", "Other", "kept");
    // Subkeys that themselves hold subkeys: they go as a whole.
    PutString(".xyz\\ShellNew", "NullFile", "");
    PutKey(".xyz\\ShellNew\\Config");
    PutKey(".xyz\\OpenWithList\\notepad.exe");
    PutKey(".xyz\\OpenWithList\\wordpad.exe\\deeper");

    std::string className = "xyzfile";
    RegisterPlain(".xyz", className, "text/xyz");
    EXPECT_EQ(className, "xyzfile");
    EXPECT_EQ(GetText(".xyz", ""), "xyzfile");
    EXPECT_EQ(GetContentType(".xyz"), "text/xyz");
    EXPECT_FALSE(HasValue(".xyz", "EditFlags"));
    EXPECT_FALSE(HasValue(".xyz", "NoOpen"));
    EXPECT_EQ(GetText(".xyz", "Other"), "kept");
    EXPECT_FALSE(HasKey(".xyz\\ShellNew"));
    EXPECT_FALSE(HasKey(".xyz\\OpenWithList"));

    RegisterPlain(".xyz", className, "");
    EXPECT_FALSE(HasValue(".xyz", "Content Type"));
}

TEST_F(ExtensionRecordTest, RegisterExtensionWritesFlagsNoOpenShellNewAndLists) {
    PutKey(".xyz\\OpenWithList\\third.exe");
    TStringList programs = ListOf({"notepad.exe", "write.exe"});
    std::string className = "xyzfile";
    RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{efNoEdit, efNoRemove}, true, "", ptImage,
                      snkNullFile, "ignored", &programs, nullptr);
    EXPECT_EQ(GetRaw(".xyz", "EditFlags").type, DWORD(REG_DWORD));
    EXPECT_EQ(GetRaw(".xyz", "EditFlags").bytes, std::string("\x18\0\0\0", 4));
    EXPECT_TRUE(HasValue(".xyz", "NoOpen"));
    EXPECT_EQ(GetText(".xyz", "NoOpen"), "");
    EXPECT_EQ(GetRaw(".xyz\\ShellNew", "NullFile").type, DWORD(REG_SZ));
    EXPECT_EQ(GetText(".xyz\\ShellNew", "NullFile"), "");
    // A non-empty list only adds.
    EXPECT_EQ(SubkeysOfChain({".xyz", "OpenWithList"}),
              (std::vector<std::string>{"notepad.exe", "third.exe", "write.exe"}));

    RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "", ptImage, snkCommand,
                      "cmd /c new %1", &programs, nullptr);
    EXPECT_EQ(GetText(".xyz\\ShellNew", "Command"), "cmd /c new %1");
    RegisterExtension(NoUndo(), ".xyz", className, "", TEditFlags{}, false, "", ptImage, snkFileName,
                      "template.xyz", nullptr, nullptr);
    EXPECT_EQ(GetText(".xyz\\ShellNew", "FileName"), "template.xyz");
    EXPECT_FALSE(HasKey(".xyz\\OpenWithList"));

    // Another kind: the subkey alone.
    PutKey(".abc");
    RegisterExtension(NoUndo(), ".abc", className, "", TEditFlags{}, false, "", ptImage, 2, "data", nullptr,
                      nullptr);
    EXPECT_TRUE(HasKey(".abc\\ShellNew"));
    EXPECT_FALSE(HasValue(".abc\\ShellNew", "Command"));
    EXPECT_FALSE(HasValue(".abc\\ShellNew", "FileName"));
    EXPECT_FALSE(HasValue(".abc\\ShellNew", "NullFile"));
    EXPECT_FALSE(HasValue(".abc\\ShellNew", ""));
}

TEST_F(ExtensionRecordTest, LongAndNonAsciiNames) {
    const std::string ext = "." + std::string(254, 'e');
    std::string className = std::string(255, 'C');
    TStringList programs;
    programs.Add(std::string(255, 'p'));
    RegisterExtension(NoUndo(), ext, className, "", TEditFlags{}, false, "", ptText, snkNullFile, "",
                      &programs, nullptr);
    EXPECT_EQ(GetExtensionClass(ext), className);
    EXPECT_TRUE(QueryShellNew(ext));
    EXPECT_EQ(SubkeysOfChain({ext, "OpenWithList"}), std::vector<std::string>{programs[0]});
    RegisterPlain(ext, className, "");
    EXPECT_FALSE(HasChain({ext, "OpenWithList"}));
    EXPECT_TRUE(AssociateExtension(NoUndo(), ext, std::string(255, 'D'), false));
    DeleteExtension(NoUndo(), ext);
    EXPECT_FALSE(HasKey(ext));

    const std::string umlautExt = ".äöü"; // umlauts, ANSI on the 95 family
    std::string umlautClass = "Klässe";
    RegisterPlain(umlautExt, umlautClass, "text/é");
    EXPECT_EQ(GetExtensionClass(umlautExt), umlautClass);
    EXPECT_EQ(GetContentType(umlautExt), "text/é");
    std::string madeUp;
    RegisterPlain(".ß", madeUp, "");
    EXPECT_EQ(madeUp, "ß_auto_file");
    EXPECT_EQ(GetExtensionClass(".ß"), "ß_auto_file");
}

TEST_F(ExtensionRecordTest, AssociateDissociateAndDelete) {
    EXPECT_FALSE(AssociateExtension(NoUndo(), ".new", "newfile", false));
    EXPECT_FALSE(HasKey(".new"));
    EXPECT_TRUE(AssociateExtension(NoUndo(), ".new", "newfile", true));
    EXPECT_EQ(GetText(".new", ""), "newfile");
    EXPECT_TRUE(AssociateExtension(NoUndo(), ".new", "CLSID\\" + kGuid, false));
    EXPECT_EQ(GetText(".new", ""), "CLSID\\" + kGuid);
    // The extension is tested first.
    EXPECT_EQ(ErrorOf<EValidError>([] { AssociateExtension(NoUndo(), ".a b", "a\\b", true); }),
              ".a b is not a valid extension.");
    EXPECT_EQ(ErrorOf<EValidError>([] { AssociateExtension(NoUndo(), ".ab", "a\\b", true); }),
              "a\\b is not a valid name of a file class.");
    EXPECT_FALSE(HasKey(".ab"));

    PutString(".txt", "", "txtfile");
    PutString(".txt", "Content Type", "text/plain");
    PutKey(".txt\\ShellNew");
    DissociateExtension(NoUndo(), ".txt");
    EXPECT_FALSE(HasValue(".txt", ""));
    EXPECT_EQ(GetText(".txt", "Content Type"), "text/plain");
    EXPECT_TRUE(HasKey(".txt\\ShellNew"));
    EXPECT_NO_THROW(DissociateExtension(NoUndo(), ".missing"));
    EXPECT_FALSE(HasKey(".missing"));

    PutKey(".txt\\OpenWithList\\notepad.exe");
    PutKey(".txt2");
    DeleteExtension(NoUndo(), ".txt");
    EXPECT_FALSE(HasKey(".txt"));
    EXPECT_TRUE(HasKey(".txt2"));
    EXPECT_NO_THROW(DeleteExtension(NoUndo(), ".missing"));
    for (auto op : {DissociateExtension, DeleteExtension})
        EXPECT_EQ(ErrorOf<EValidError>([&] { op(NoUndo(), ".a b"); }), ".a b is not a valid extension.");
}

TEST_F(ExtensionRecordTest, ContentTypeAndShellNewReads) {
    PutString(".htm", "Content Type", "text/html");
    PutKey(".none");
    PutDword(".num", "Content Type", 5);
    EXPECT_EQ(GetContentType(".htm"), "text/html");
    EXPECT_EQ(GetContentType(".HTM"), "text/html");
    EXPECT_EQ(GetContentType(".none"), "");
    EXPECT_EQ(GetContentType(".missing"), "");
    EXPECT_EQ(GetContentType("htm"), "");
    EXPECT_THROW(GetContentType(".num"), ERegistryException);

    PutKey(".direct\\ShellNew");
    PutString(".viaclass", "", "Word.Document.8");
    PutString(".viaclass\\Word.Document.8\\ShellNew", "FileName", "winword.doc");
    PutString(".otherclass", "", "otherfile");
    PutKey(".otherclass\\somefile\\ShellNew"); // not the linked class
    PutKey("otherfile\\ShellNew");             // not below the extension
    PutDword(".numclass", "", 3);
    PutString(".clsid", "", "CLSID\\" + kGuid);
    PutKey(".clsid\\CLSID\\" + kGuid + "\\ShellNew");
    PutString(".badclass", "", "a\\b");
    PutKey(".badclass\\a\\b\\ShellNew");
    EXPECT_TRUE(QueryShellNew(".direct"));
    EXPECT_TRUE(QueryShellNew(".viaclass"));
    EXPECT_FALSE(QueryShellNew(".otherclass"));
    EXPECT_FALSE(QueryShellNew(".numclass"));
    EXPECT_FALSE(QueryShellNew(".clsid")); // a class identifier is no single subkey
    EXPECT_FALSE(QueryShellNew(".badclass"));
    EXPECT_FALSE(QueryShellNew(".none"));
    EXPECT_FALSE(QueryShellNew(".missing"));
    EXPECT_FALSE(QueryShellNew("direct"));
}
