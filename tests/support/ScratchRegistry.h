// Gives one test a registry of its own. Natively it empties the in-memory
// stand-in; under Wine it redirects HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and
// HKEY_CLASSES_ROOT (the scratch machine's "Software\Classes") to fresh
// scratch keys (RegOverridePredefKey) and deletes them afterwards, so
// the same test source runs against both and leaves nothing behind.
#pragma once

#include "platform/Win32.h"

#include <gtest/gtest.h>

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

private:
#ifdef _WIN32
    HKEY classesRoot_ = nullptr;
    HKEY localMachine_ = nullptr;
    HKEY currentUser_ = nullptr;
    std::string path_;
#endif
};

// Base fixture for tests that work on the registry.
class RegistryTest : public testing::Test {
protected:
    ScratchRegistry scratch_;
};

// Test helpers that write straight through the Windows API (not through the
// program's classes), so that a test sets up its registry independently of
// the code under test. Paths are below HKEY_CLASSES_ROOT unless a root is given.
// They use the wide functions: names and the data of text types are UTF-8
// (the program's form of registry/RawKey.h), UTF-16 in the registry.
void PutKey(const std::string& path, HKEY root = HKEY_CLASSES_ROOT);
void PutString(const std::string& path, const std::string& name, const std::string& value,
               HKEY root = HKEY_CLASSES_ROOT);
void PutDword(const std::string& path, const std::string& name, DWORD value,
              HKEY root = HKEY_CLASSES_ROOT);
void PutBinary(const std::string& path, const std::string& name, const std::string& bytes,
               HKEY root = HKEY_CLASSES_ROOT);
// Raw bytes of any type, also text without its terminating NUL.
void PutRaw(const std::string& path, const std::string& name, DWORD type, const std::string& bytes,
            HKEY root = HKEY_CLASSES_ROOT);
bool HasKey(const std::string& path, HKEY root = HKEY_CLASSES_ROOT);
bool HasValue(const std::string& path, const std::string& name, HKEY root = HKEY_CLASSES_ROOT);
// The value's type and raw bytes; type REG_NONE and empty when it is missing.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool exists = false;
};
RawValue GetRaw(const std::string& path, const std::string& name, HKEY root = HKEY_CLASSES_ROOT);
// A REG_SZ value's text without its terminating NUL.
std::string GetText(const std::string& path, const std::string& name,
                    HKEY root = HKEY_CLASSES_ROOT);
