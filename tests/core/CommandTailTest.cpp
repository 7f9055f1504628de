#include "support/CommandTail.h"

#include <gtest/gtest.h>

TEST(CommandTail, TheArgumentsStayAsTypedWithoutTheProgramsName) {
    const std::pair<std::string, std::string> cases[] = {
        {"corvix --list extensions", "--list extensions"},
        {"\"C:\\Program Files\\Corvix\\corvix.com\"  --show \"a b\"", "--show \"a b\""},
        {"\"C:\\My \"x\" y", "x\" y"}, // the name ends at its closing quote
        {"corvix.com\t\t--undo", "--undo"},
        {"corvix", ""},
        {"\"C:\\Corvix\\corvix.com\"", ""},
        {"\"unclosed name", ""},
        {"", ""},
    };
    for (const auto& [line, tail] : cases)
        EXPECT_EQ(CommandTail(line), tail) << line;
    EXPECT_EQ(CommandTail(std::wstring(L"corvix --show .\u6587")), L"--show .\u6587");
}

TEST(CommandTail, TheFrontWaitsForCommandsOnly) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {".txt", true},
        {"\"C:\\My Files\\a b.doc\"", true},
        {"--select txtfile", true},
        {"--list extensions", false},
        {"/?", false},
        {"--undo", false},
        {".txt --yes", false},
    };
    for (const auto& [tail, window] : cases)
        EXPECT_EQ(StartsWindow(SplitArguments(tail)), window) << tail;
    EXPECT_EQ(SplitArguments(std::string("--show \"a b\"  c")),
              (std::vector<std::string>{"--show", "a b", "c"}));
}
