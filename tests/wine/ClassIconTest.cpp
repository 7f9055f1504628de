// GetClassIcon against the real ExtractIconA: a system library gives an icon
// handle the caller owns.
#include "association/DataType.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

using ClassIconTest = RegistryTest;

TEST_F(ClassIconTest, SystemLibraryIcon) {
    PutString("dllicon\\DefaultIcon", "", "shell32.dll,0");
    PutString("firsticon\\DefaultIcon", "", "shell32.dll,-1"); // -1 means the first
    PutString("outofrange\\DefaultIcon", "", "shell32.dll,99999");
    // As Windows keeps its own classes' icons.
    PutString("sysicon\\DefaultIcon", "", "%SystemRoot%\\system32\\shell32.dll,-152");
    for (const char* cls : {"dllicon", "firsticon", "sysicon"}) {
        HICON icon = GetClassIcon(cls);
        EXPECT_NE(icon, nullptr) << cls;
        if (icon) {
            EXPECT_TRUE(DestroyIcon(icon)) << cls;
        }
    }
    EXPECT_EQ(GetClassIcon("outofrange"), nullptr);
}
