// The program registered to open a kind of file or link.
#include "association/RegisteredProgram.h"
#include "registry/Registry5LE.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

using RegisteredProgramTest = RegistryTest;

TEST_F(RegisteredProgramTest, LooksUpTheSchemeOrTheWholeName) {
    PutString("mailto\\shell\\open\\command", "", "\"C:\\Mail\\mail.exe\" \"%1\"");
    PutString("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    PutString(":odd\\shell\\open\\command", "", " \" \"C:\\odd.exe\"");
    PutString("http\\shell\\open\\command", "", "\"\"");
    PutKey("nocommand\\shell\\open\\command");
    struct Case {
        const char* name;
        const char* program;
    } cases[] = {
        {"mailto:someone@example.org", "C:\\Mail\\mail.exe"}, // cut at the first colon
        {"mailto", "C:\\Mail\\mail.exe"},
        {"txtfile", "notepad.exe %1"},  // unquoted: arguments stay
        {":odd", "C:\\odd.exe"},        // a leading colon cuts nothing
        {":odd:more", ""},              // ... so ":odd:more" is looked up whole
        {"http://www.example.org", ""}, // only quotes
        {"nocommand", ""},              // key without a default value
        {"missing", ""},                // no key at all
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string program = "stale";
        GetRegisteredProgram(c.name, program);
        EXPECT_EQ(program, c.program) << c.name;
    }
}

TEST_F(RegisteredProgramTest, ARegistryErrorReachesTheCaller) {
    PutDword("broken\\shell\\open\\command", "", 1);
    std::string program;
    EXPECT_THROW(GetRegisteredProgram("broken", program), ERegistryException);
}
