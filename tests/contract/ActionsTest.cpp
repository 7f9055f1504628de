// The actions of a file class: the list, the default action, command lines
// and DDE settings.
#include "association/DataType.h"
#include "support/KeyChain.h"
#include "support/ScratchRegistry.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

using ActionsTest = RegistryTest;

TEST_F(ActionsTest, GetActionsListsVerbsAndRejectsInvalidNames) {
    PutKey("txtfile\\shell\\open\\command");
    PutKey("txtfile\\shell\\print");
    PutKey("noshell");
    PutKey("CLSID\\{0002DF01-0000-0000-C000-000000000046}\\shell\\Verb");
    TStringList list;
    GetActions("txtfile", list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_NE(list.IndexOf("open"), -1);
    EXPECT_NE(list.IndexOf("print"), -1);
    GetActions("CLSID\\{0002DF01-0000-0000-C000-000000000046}", list);
    EXPECT_EQ(list.Items(), std::vector<std::string>{"Verb"});

    list.Add("stale");
    GetActions("noshell", list);
    EXPECT_EQ(list.Count(), 0);
    list.Add("stale");
    GetActions("missing", list);
    EXPECT_EQ(list.Count(), 0);

    list.Add("stale");
    try {
        GetActions("a\\b", list);
        ADD_FAILURE() << "an invalid class name must raise";
    } catch (const EValidError& e) {
        EXPECT_STREQ(e.what(), "a\\b is not a valid name of a file class.");
    }
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ActionsTest, GetDefaultActionPrefersTheNamedThenOpenThenTheFirst) {
    PutString("named\\shell", "", "print");
    PutKey("named\\shell\\open");
    PutKey("named\\shell\\print");
    PutString("dangling\\shell", "", "missingverb");
    PutKey("upper\\shell\\Edit");
    PutKey("upper\\shell\\Open");
    PutKey("upper\\shell\\Print");
    PutKey("noopen\\shell\\edit");
    PutKey("noopen\\shell\\preview");
    PutKey("empty\\shell");
    PutString("emptydefault\\shell", "", "");
    PutKey("emptydefault\\shell\\only");
    PutKey("noshell");
    PutDword("numdefault\\shell", "", 1);

    EXPECT_EQ(GetDefaultAction("named"), "print");
    EXPECT_EQ(GetDefaultAction("dangling"), "missingverb");
    EXPECT_EQ(GetDefaultAction("upper"), "open");
    // The first in the registry's index order, whatever that is here.
    TStringList verbs;
    GetActions("noopen", verbs);
    ASSERT_EQ(verbs.Count(), 2);
    EXPECT_EQ(GetDefaultAction("noopen"), verbs[0]);
    EXPECT_EQ(GetDefaultAction("emptydefault"), "only");
    EXPECT_EQ(GetDefaultAction("empty"), "");
    EXPECT_EQ(GetDefaultAction("noshell"), "");
    EXPECT_EQ(GetDefaultAction("missing"), "");
    EXPECT_EQ(GetDefaultAction("a\\b"), "");
    EXPECT_THROW(GetDefaultAction("numdefault"), ERegistryException);
}

TEST_F(ActionsTest, GetActionCommand) {
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe \"%1\"");
    PutKey("txtfile\\shell\\print");
    PutString("txtfile\\shell\\x\\y\\command", "", "nested");
    EXPECT_EQ(GetActionCommand("txtfile", "open"), "notepad.exe \"%1\"");
    EXPECT_EQ(GetActionCommand("txtfile", "OPEN"), "notepad.exe \"%1\"");
    EXPECT_EQ(GetActionCommand("txtfile", "print"), "");
    EXPECT_EQ(GetActionCommand("txtfile", "missing"), "");
    EXPECT_EQ(GetActionCommand("missing", "open"), "");
    EXPECT_EQ(GetActionCommand("a\\b", "open"), "");
    // Only a single subkey names an action.
    EXPECT_EQ(GetActionCommand("txtfile", "x\\y"), "");
    EXPECT_EQ(GetActionCommand("txtfile", ""), "");
}

TEST_F(ActionsTest, GetActionDDEReadsTheFourEntriesOfOneDdeexecKey) {
    const std::string dde = "docfile\\shell\\open\\ddeexec";
    PutString(dde, "", "[FileOpen(\"%1\")]");
    PutString(dde + "\\application", "", "WinWord");
    PutString(dde + "\\ifexec", "", "[REM]");
    PutString("docfile\\shell\\print\\command", "", "print.exe");
    PutString("docfile\\shell\\topic", "", "not this one"); // a "topic" elsewhere
    PutString("numfile\\shell\\open\\ddeexec", "", "msg");
    PutDword("numfile\\shell\\open\\ddeexec\\topic", "", 1);

    TDDEInfo info{"stale", "stale", "stale", "stale"};
    GetActionDDE("docfile", "open", info);
    EXPECT_EQ(info.Message, "[FileOpen(\"%1\")]");
    EXPECT_EQ(info.Application, "WinWord");
    EXPECT_EQ(info.Topic, "");
    EXPECT_EQ(info.IfExec, "[REM]");

    for (auto [cls, verb] : {std::pair<const char*, const char*>{"docfile", "print"},
                             {"missing", "open"},
                             {"a\\b", "open"},
                             {"docfile", ""}}) {
        info = TDDEInfo{"stale", "stale", "stale", "stale"};
        GetActionDDE(cls, verb, info);
        EXPECT_EQ(info.Message + info.Application + info.Topic + info.IfExec, "")
            << cls << " " << verb;
    }

    // A read that raises leaves what was read before and the rest empty.
    info = TDDEInfo{"stale", "stale", "stale", "stale"};
    EXPECT_THROW(GetActionDDE("numfile", "open", info), ERegistryException);
    EXPECT_EQ(info.Message, "msg");
    EXPECT_EQ(info.Application, "");
    EXPECT_EQ(info.Topic, "");
    EXPECT_EQ(info.IfExec, "");

    ClearDDEInfo(info);
    EXPECT_EQ(info.Message + info.Application + info.Topic + info.IfExec, "");
}

TEST_F(ActionsTest, LongAndNonAsciiNames) {
    const std::string cls(255, 'c');
    const std::string verb(255, 'v');
    ASSERT_TRUE(PutChainString({cls, "shell", verb, "command"}, "", "long.exe %1"));
    ASSERT_TRUE(PutChainString({cls, "shell", verb, "ddeexec", "topic"}, "", "System"));
    TStringList list;
    GetActions(cls, list);
    EXPECT_EQ(list.Items(), std::vector<std::string>{verb});
    EXPECT_EQ(GetDefaultAction(cls), verb);
    EXPECT_EQ(GetActionCommand(cls, verb), "long.exe %1");
    TDDEInfo info;
    GetActionDDE(cls, verb, info);
    EXPECT_EQ(info.Topic, "System");

    PutString("Klässe\\shell\\ö"
              "ffnen\\command",
              "", "app.exe");
    GetActions("Klässe", list);
    EXPECT_EQ(list.Items(), std::vector<std::string>{"ö"
                                                     "ffnen"});
    EXPECT_EQ(GetDefaultAction("Klässe"), "ö"
                                          "ffnen");
    EXPECT_EQ(GetActionCommand("Klässe", "ö"
                                         "ffnen"),
              "app.exe");
}
