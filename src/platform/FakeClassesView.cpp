// HKEY_CLASSES_ROOT of the native stand-in, by Windows' documented rules for
// the merged view: on NT 5 and later the user's store
// (HKEY_CURRENT_USER\Software\Classes) holds an item's key with everything
// below it, hiding the machine's key of that name
// (HKEY_LOCAL_MACHINE\Software\Classes); a key the user's store doesn't hold
// is the machine's, and a new item is created there. Below "CLSID" each
// class identifier is an item of its own. The 95 family and NT 4 have the
// machine's store alone.
#include "platform/FakeControl.h"
#include "platform/FakeInternal.h"

#include <algorithm>

using fake::registry::Key;

namespace {

bool refuseMachine = false;

bool MergedView() {
    OSVERSIONINFOA rec{};
    rec.dwOSVersionInfoSize = sizeof rec;
    return GetVersionExA(&rec) && rec.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           rec.dwMajorVersion >= 5;
}

std::shared_ptr<Key> Child(const std::shared_ptr<Key>& parent, const std::u16string& name,
                           bool create) {
    if (!parent)
        return nullptr;
    std::shared_ptr<Key> key = parent->FindSubKey(name);
    return key || !create ? key : parent->AddSubKey(name);
}

} // namespace

namespace fake {

void RefuseMachineClasses(bool on) {
    refuseMachine = on;
}

namespace detail {

std::shared_ptr<Key> ClassesKey(bool user, bool create) {
    const bool make = create || !user;
    return Child(Child(RootKey(user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE), u"Software", make),
                 u"Classes", make);
}

std::shared_ptr<Key> ViewBase(const std::vector<std::u16string>& components) {
    std::shared_ptr<Key> machine = ClassesKey(false, true);
    if (components.empty() || !MergedView())
        return machine;
    std::shared_ptr<Key> item = Child(ClassesKey(true, false), components[0], false);
    if (item && components.size() >= 2 &&
        registry::FoldName(components[0]) == registry::FoldName(u"CLSID"))
        item = Child(item, components[1], false);
    return item ? ClassesKey(true, false) : machine;
}

std::vector<const Key*> ViewRootSubKeys() {
    std::vector<const Key*> keys;
    const std::shared_ptr<Key> machine = ClassesKey(false, true);
    const std::shared_ptr<Key> user = MergedView() ? ClassesKey(true, false) : nullptr;
    for (size_t i = 0; user && i < user->SubKeyCount(); ++i)
        keys.push_back(&user->SubKeyAt(i));
    for (size_t i = 0; i < machine->SubKeyCount(); ++i)
        if (!user || !user->FindSubKey(machine->SubKeyAt(i).Name()))
            keys.push_back(&machine->SubKeyAt(i));
    std::stable_sort(keys.begin(), keys.end(), [](const Key* a, const Key* b) {
        return registry::FoldName(a->Name()) < registry::FoldName(b->Name());
    });
    return keys;
}

bool MachineClassesRefused(const Key& key) {
    if (!refuseMachine)
        return false;
    const std::shared_ptr<Key> machine = ClassesKey(false, true);
    for (const Key* k = &key; k; k = k->Parent())
        if (k == machine.get())
            return true;
    return false;
}

void ResetClassesView() {
    refuseMachine = false;
}

} // namespace detail
} // namespace fake
