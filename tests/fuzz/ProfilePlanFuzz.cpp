// The plan builder and the apply, over a stand-in registry and a profile
// both built from the input (names from a small alphabet that meet in case;
// an XML profile of extensions and classes, or a .reg profile of keys made,
// filled and deleted, with values of several types). Each entry has a
// target of its own, so the profile contradicts itself nowhere. Applying
// every change through one writer leaves a second plan with nothing to
// change, and the one undo entry brings the registry back exactly.
#include "FuzzCheck.h"
#include "association/RegExport.h"
#include "association/RegistryWriter.h"
#include "association/UndoJournal.h"
#include "commands/ProfilePlan.h"
#include "platform/FakeControl.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <unistd.h>

namespace {

const char* const kExtensions[] = {".a", ".A", ".b", ".c"};
const char* const kClasses[] = {"af", "AF", "bf", "cf"};
// No path lies below another.
const char* const kPaths[] = {".a", "af", "bf\\shell", ".c\\x"};
const char* const kValueNames[] = {"", "n", "m"};
const DWORD kTypes[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_EXPAND_SZ};

template <size_t N> const char* Pick(FuzzedDataProvider& input, const char* const (&names)[N]) {
    return names[input.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

void Put(const std::string& key, const std::string& value, const std::string& text) {
    HKEY h = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(h, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(h);
}

const std::string& JournalPath() {
    static const std::string path = [] {
        const char* shm = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(shm) + "/corvix-fuzz-plan-" + std::to_string(getpid()) + ".log";
    }();
    return path;
}

TProfile MakeProfile(FuzzedDataProvider& input) {
    TProfile profile;
    profile.Xml = input.ConsumeBool();
    const int count = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        if (profile.Xml) {
            // Distinct targets: the i-th entry names the i-th extension, the
            // first in either case.
            static const char* const kTargets[] = {".a", ".b", ".c", ".d"};
            std::string ext = kTargets[i];
            if (i == 0 && input.ConsumeBool())
                ext = ".A";
            profile.Associations.push_back({ext, Pick(input, kClasses), "", i + 1});
            continue;
        }
        TRegFileKey key;
        key.Path = kPaths[i];
        key.FullName = "HKEY_CLASSES_ROOT\\" + key.Path;
        key.Delete = input.ConsumeIntegralInRange(0, 3) == 0;
        key.Line = i + 1;
        for (int v = 0; !key.Delete && v < 3; ++v) {
            if (!input.ConsumeBool())
                continue;
            TRegFileValue value;
            value.Value.Name = kValueNames[v];
            value.Delete = input.ConsumeIntegralInRange(0, 3) == 0;
            value.Value.Type = kTypes[input.ConsumeIntegralInRange<size_t>(0, 3)];
            value.Value.Data = input.ConsumeRandomLengthString(6);
            if (value.Value.Type == REG_SZ || value.Value.Type == REG_EXPAND_SZ)
                value.Value.Data = Pick(input, kClasses) + std::string(1, '\0');
            key.Values.push_back(value);
        }
        profile.Keys.push_back(key);
    }
    return profile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    fake::ResetRegistry();
    fake::SetVersion(input.ConsumeBool() ? "winxp" : "win2k");
    const int keys = input.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < keys; ++i) {
        const std::string path = input.ConsumeBool() ? Pick(input, kExtensions) : Pick(input, kPaths);
        Put(path, input.ConsumeBool() ? "" : "n", Pick(input, kClasses));
    }
    const TProfile profile = MakeProfile(input);
    const std::vector<TKeyImage> before = CaptureWholeRoot(HKEY_CLASSES_ROOT);

    std::remove(JournalPath().c_str());
    TUndoJournal journal(JournalPath());
    const TPlan plan = PlanProfile(profile);
    FUZZ_CHECK(plan.Items.size() == (profile.Xml ? profile.Associations.size()
                                                 : profile.Keys.size()),
               "one item per entry");
    {
        TRegistryWriter writer(&journal, "apply");
        for (const TPlanItem& item : plan.Items)
            ApplyPlanItem(writer, profile, item);
    }
    const TPlan again = PlanProfile(profile);
    for (const TPlanItem& item : again.Items)
        FUZZ_CHECK(item.State != TPlanState::Change, PlanLine(item));
    if (plan.Count(TPlanState::Change) > 0) {
        FUZZ_CHECK(journal.CanUndo(), "an undo entry");
        FUZZ_CHECK(journal.UndoLast().Complete(), "the undo restored every key");
    }
    FUZZ_CHECK(CaptureWholeRoot(HKEY_CLASSES_ROOT) == before, "the registry as it was");
    return 0;
}
