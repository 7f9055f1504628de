#include "support/StringList.h"

#include <gtest/gtest.h>

TEST(StringList, SortsIgnoringCaseAndFindsIgnoringCase) {
    TStringList list;
    list.Add(".TXT");
    list.Add(".bmp");
    list.Add(".Doc");
    list.Sort();
    EXPECT_EQ(list[0], ".bmp");
    EXPECT_EQ(list[1], ".Doc");
    EXPECT_EQ(list[2], ".TXT");
    EXPECT_EQ(list.IndexOf(".txt"), 2);
    EXPECT_EQ(list.IndexOf(".xyz"), -1);
}

TEST(StringList, UpdateGuardEndsTheBracketWhenAnErrorPasses) {
    TStringList list;
    try {
        TListUpdate update(list);
        EXPECT_TRUE(list.Updating());
        throw 1;
    } catch (int) {
    }
    EXPECT_FALSE(list.Updating());
}
