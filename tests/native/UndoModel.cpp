#include "UndoModel.h"

#include "association/DataType.h"
#include "association/UndoJournal.h"
#include "platform/FakeControl.h"
#include "support/RegistryDump.h"
#include "support/StringList.h"

#include <cstdio>
#include <memory>
#include <random>
#include <vector>
#include "association/RegistryWriter.h"
#include "support/NoUndo.h"

namespace {

const char* const kExtensions[] = {".a", ".b", ".c", ".d"};
const char* const kClasses[] = {"afile", "bfile", "CLSID\\{0002DF01-0000-0000-C000-000000000046}",
                                "cfile", "bad\\name"};
const char* const kTypes[] = {"", "text/plain", "image/x"};

void Put(HKEY root, const std::string& path, const std::string& name, DWORD type,
         const std::string& data) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

template <typename T, size_t N> const T& Pick(std::mt19937& rng, const T (&items)[N]) {
    return items[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

// A start registry: some extensions linked to some classes, with values of
// several types and subkeys.
void BuildStart(std::mt19937& rng) {
    fake::ResetRegistry();
    for (const char* ext : kExtensions) {
        if (rng() % 4 == 0)
            continue;
        Put(HKEY_CLASSES_ROOT, ext, "", REG_SZ, std::string(Pick(rng, kClasses)) + '\0');
        if (rng() % 2)
            Put(HKEY_CLASSES_ROOT, std::string(ext) + "\\ShellNew", "Data", REG_BINARY,
                std::string("\x01\x00\xff", 3));
        if (rng() % 2)
            Put(HKEY_CLASSES_ROOT, ext, "Multi", REG_MULTI_SZ, std::string("x\0y\0\0", 5));
    }
    for (int i = 0; i < 4; ++i) {
        const std::string cls = kClasses[i];
        if (rng() % 3 == 0)
            continue;
        Put(HKEY_CLASSES_ROOT, cls, "", REG_SZ, "Class " + cls + '\0');
        Put(HKEY_CLASSES_ROOT, cls, "EditFlags", REG_DWORD, std::string("\x08\x00\x01\x00", 4));
        Put(HKEY_CLASSES_ROOT, cls + "\\DefaultIcon", "", REG_EXPAND_SZ,
            "%1,2" + std::string(1, '\0'));
        Put(HKEY_CLASSES_ROOT, cls + "\\shell\\open\\command", "", REG_SZ,
            "x.exe \"%1\"" + std::string(1, '\0'));
    }
}

void RunCommand(TRegistryWriter& w, std::mt19937& rng) {
    const std::string ext = Pick(rng, kExtensions);
    const std::string cls = Pick(rng, kClasses);
    switch (rng() % 8) {
    case 0:
        AssociateExtension(w, ext, cls, rng() % 2);
        break;
    case 1:
        DissociateExtension(w, ext);
        break;
    case 2: {
        std::string name = rng() % 3 ? cls : std::string();
        TStringList programs;
        if (rng() % 2)
            programs.Add("p" + std::to_string(rng() % 3) + ".exe");
        RegisterExtension(w, ext, name, Pick(rng, kTypes),
                          rng() % 2 ? TEditFlags{efNoEdit} : TEditFlags{}, rng() % 2, "warn",
                          ptText, static_cast<TShellNewKind>(rng() % 5), "d", &programs, nullptr);
        break;
    }
    case 3:
        RegisterFileClass(w, cls, rng() % 2 ? "Desc" : "", TEditFlags{efNoRemove},
                          rng() % 2 ? "tip" : "", rng() % 3 ? "" : "afile",
                          rng() % 2 ? "i.dll,3" : "");
        break;
    case 4:
        DeleteExtension(w, ext);
        break;
    case 5:
        DeleteFileClass(w, cls);
        break;
    case 6: // the icon change
        SetDefaultIcon(w, cls, "icons.dll," + std::to_string(rng() % 10));
        break;
    default: { // a class deleted with its extensions, one user command
        for (const char* other : kExtensions)
            if (GetExtensionClass(other) == cls)
                DeleteExtension(w, other);
        DeleteFileClass(w, cls);
        break;
    }
    }
}

} // namespace

std::string RunUndoSequence(unsigned seed, const std::string& journalPath) {
    std::mt19937 rng(seed);
    std::remove(journalPath.c_str());
    BuildStart(rng);
    auto journal = std::make_unique<TUndoJournal>(journalPath);
    std::vector<std::string> states{DumpRegistry()};
    const int steps = 1 + static_cast<int>(rng() % 8);
    for (int step = 0; step < steps; ++step) {
        try {
            TRegistryWriter w(journal.get(), "Step " + std::to_string(step));
            RunCommand(w, rng);
        } catch (const Exception&) {
            // A refused name: what was written before stays, and is undoable.
        }
        if (journal->CanUndo() && journal->LastName() == "Step " + std::to_string(step))
            states.push_back(DumpRegistry());
        else if (DumpRegistry() != states.back())
            return "step " + std::to_string(step) + " changed the registry without an entry";
    }
    const size_t restartAt = rng() % states.size();
    while (states.size() > 1) {
        if (states.size() - 1 == restartAt)
            journal = std::make_unique<TUndoJournal>(journalPath);
        TRestoreReport report = journal->UndoLast();
        if (!report.Complete())
            return "undo refused: " + report.Message();
        states.pop_back();
        if (DumpRegistry() != states.back())
            return "undo to state " + std::to_string(states.size() - 1) + " differs:\n" +
                   DumpRegistry() + "\nexpected\n" + states.back();
    }
    if (journal->CanUndo())
        return "an entry is left after undoing every step";
    return std::string();
}
