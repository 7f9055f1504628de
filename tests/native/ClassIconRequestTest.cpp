// GetClassIcon against the stand-in, which records every ExtractIconA call:
// which file and index are asked for, and what becomes of the answer.
#include "association/DataType.h"
#include "platform/FakeControl.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using ClassIconRequestTest = RegistryTest;

TEST_F(ClassIconRequestTest, FileAndIndexAskedFor) {
    PutString("neg\\DefaultIcon", "", "shell32.dll,-3");
    PutString("minusone\\DefaultIcon", "", "x.dll,-1");
    PutString("quoted\\DefaultIcon", "", "\"C:\\Program Files\\app.exe\",2");
    PutKey("noicon");
    PutString("doc\\DefaultIcon", "", "%1");
    PutString("docindex\\DefaultIcon", "", "%1,0");

    GetClassIcon("neg");
    GetClassIcon("minusone");
    GetClassIcon("quoted");
    GetClassIcon("noicon"); // an empty location still asks, for "" and 0
    GetClassIcon("doc");
    GetClassIcon("docindex");
    GetClassIcon("a\\b");
    const std::vector<fake::IconRequest>& asked = fake::IconRequests();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].file, "shell32.dll");
    EXPECT_EQ(asked[0].index, static_cast<UINT>(-3)); // a resource identifier
    EXPECT_EQ(asked[1].file, "x.dll");
    EXPECT_EQ(asked[1].index, 0u);
    EXPECT_EQ(asked[2].file, "C:\\Program Files\\app.exe");
    EXPECT_EQ(asked[2].index, 2u);
    EXPECT_EQ(asked[3].file, "");
    EXPECT_EQ(asked[3].index, 0u);
}

TEST_F(ClassIconRequestTest, EnvironmentVariablesInTheFileAreExpanded) {
    setenv("CORVIX_ICON_ROOT", "/opt/icons", 1);
    PutString("sys\\DefaultIcon", "", "%CORVIX_ICON_ROOT%\\shell32.dll,-152");
    PutString("unknown\\DefaultIcon", "", "%CORVIX_NO_SUCH_VARIABLE%\\x.dll,1");
    GetClassIcon("sys");
    GetClassIcon("unknown");
    ASSERT_EQ(fake::IconRequests().size(), 2u);
    EXPECT_EQ(fake::IconRequests()[0].file, "/opt/icons\\shell32.dll");
    EXPECT_EQ(fake::IconRequests()[0].index, static_cast<UINT>(-152));
    EXPECT_EQ(fake::IconRequests()[1].file, "%CORVIX_NO_SUCH_VARIABLE%\\x.dll");
    EXPECT_EQ(GetDefaultIcon("sys"), "%CORVIX_ICON_ROOT%\\shell32.dll,-152"); // the text as stored
    unsetenv("CORVIX_ICON_ROOT");
}

TEST_F(ClassIconRequestTest, OnlyRealIconsAreHandedOut) {
    const char* exe = "corvix-class-icon-test.exe";
    const char* text = "corvix-class-icon-test.txt";
    std::ofstream(exe) << "MZ fake executable";
    std::ofstream(text) << "plain text";
    PutString("exefile\\DefaultIcon", "", std::string(exe) + ",1");
    PutString("textfile\\DefaultIcon", "", std::string(text) + ",0");

    HICON icon = GetClassIcon("exefile");
    EXPECT_NE(icon, nullptr);
    EXPECT_TRUE(DestroyIcon(icon)); // a handle of its own, for the caller to free
    EXPECT_EQ(GetClassIcon("textfile"), nullptr);
    EXPECT_EQ(fake::IconRequests().size(), 2u);
    std::remove(exe);
    std::remove(text);
}
