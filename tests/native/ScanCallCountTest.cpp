// Registry calls of a scan. Under Wine every call is a round trip to the wine
// server, so the scan is held to its economy: the root's subkeys enumerated
// once, each extension key opened, read and closed once, and no class key
// read at all (the index keeps no description it could hand back).
#include "index/FileClassScan.h"
#include "platform/FakeControl.h"
#include "registry/ClassesStore.h"
#include "registry/Registry5LE.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kExtensions = 200;
constexpr int kClasses = 100;

std::string Numbered(const char* format, int n) {
    char text[64];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// Two extensions per class, the pairs spread over the classes; every class with
// description and an open command, every other one with a friendly name (a
// class without one costs a second read on Windows 2000 and XP); class
// identifiers below CLSID as noise, as in a real HKEY_CLASSES_ROOT.
void PutLargeRegistry() {
    for (int c = 0; c < kClasses; ++c) {
        const std::string cls = Numbered("Bench.Class%03d", c);
        PutString(cls, "", "Bench document " + std::to_string(c));
        if (c % 2)
            PutString(cls, "FriendlyTypeName", "Friendly bench document " + std::to_string(c));
        PutString(cls + "\\shell\\open\\command", "", "bench.exe \"%1\"");
    }
    for (int e = 0; e < kExtensions; ++e)
        PutString(Numbered(".b%03d", e), "", Numbered("Bench.Class%03d", (e * 37) % kClasses));
    for (int g = 0; g < 200; ++g) {
        const std::string key = Numbered("CLSID\\{%08X-0000-0000-C000-000000000046}", g);
        PutString(key, "", "Object");
        PutString(key + "\\InprocServer32", "", "bench.dll");
    }
}

} // namespace

using ScanCallCountTest = RegistryTest;

TEST_F(ScanCallCountTest, AtMostFourPointSixCallsPerExtensionKeyOnEverySystem) {
    PutLargeRegistry();
    long callsOnFirstSystem = -1;
    // Windows 2000 and XP would read "FriendlyTypeName" for a description;
    // the scan costs the same on all of them because it reads none.
    for (const char* version : {"win95", "win98", "winme", "nt40", "win2k", "winxp", "win7"}) {
        fake::SetVersion(version);
        const long fakeStart = fake::RegistryCallCount();
        const long ownStart = RegistryCallCount();
        TFileClass index;
        TScanResult result = ScanFileClasses(index);
        const long calls = fake::RegistryCallCount() - fakeStart;

        EXPECT_EQ(result.Extensions, kExtensions) << version;
        EXPECT_EQ(result.Classes, kClasses) << version;
        // The counter a benchmark reads under Wine sees every call.
        EXPECT_EQ(RegistryCallCount() - ownStart, calls) << version;
        EXPECT_LE(double(calls) / kExtensions, 4.6) << version << ": " << calls;
        if (callsOnFirstSystem < 0)
            callsOnFirstSystem = calls;
        // Where this user's store is read too, its one (failed) open more.
        EXPECT_EQ(calls, callsOnFirstSystem + (TwoClassesStores() ? 1 : 0)) << version;
    }
    // A twentieth of the extensions also in this user's store: it is listed
    // once, and each extension read from its store without asking.
    for (int e = 0; e < kExtensions; e += 20)
        PutString(Numbered("Software\\Classes\\.b%03d", e), "", "Bench.Class000",
                  HKEY_CURRENT_USER);
    const long start = fake::RegistryCallCount();
    TFileClass index;
    EXPECT_EQ(ScanFileClasses(index).Extensions, kExtensions);
    EXPECT_LE(double(fake::RegistryCallCount() - start) / kExtensions, 4.7);
}

// What the scan's figure is made of: one call per key opened, value read and
// key closed; a text that fits the first buffer is read without asking for its
// size first.
TEST_F(ScanCallCountTest, RegistryPrimitivesCostOneCallEach) {
    fake::SetVersion("nt40"); // one store of classes
    PutString(".txt", "", "txtfile");
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    reg.SetAccess(KEY_READ);
    auto cost = [](auto&& step) {
        const long start = fake::RegistryCallCount();
        step();
        return fake::RegistryCallCount() - start;
    };
    EXPECT_EQ(cost([&] { EXPECT_TRUE(reg.OpenKey(".txt", false)); }), 1);
    EXPECT_EQ(cost([&] { EXPECT_EQ(reg.ReadString(""), "txtfile"); }), 1);
    EXPECT_EQ(cost([&] { EXPECT_EQ(reg.ReadString("missing"), ""); }), 1);
    EXPECT_EQ(cost([&] { EXPECT_TRUE(reg.KeyExists("\\.txt")); }), 2); // open and close
    EXPECT_EQ(cost([&] { reg.CloseKey(); }), 1);
    EXPECT_EQ(cost([&] { EXPECT_FALSE(reg.OpenKey(".none", false)); }), 1);
    // Two stores: a missing subkey costs the user's path, the user's item
    // and the machine's path.
    fake::SetVersion("win2k");
    EXPECT_EQ(cost([&] { EXPECT_FALSE(reg.KeyExists("\\.txt\\none")); }), 3);
}
