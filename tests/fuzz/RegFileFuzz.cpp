// The .reg reader on text the fuzzer makes (seeded with exported files): it
// reads the text or refuses it with a line of the file; every key read lies
// in the classes; and the keys read, written out again by the backup's
// writer (version 5.00, UTF-16), read back with the same names and values.
#include "FuzzCheck.h"
#include "association/ProfileError.h"
#include "association/RegExport.h"
#include "association/RegFileReader.h"
#include "support/Utf8Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<TRegFileKey> keys;
    try {
        keys = ReadRegFile("f.reg", bytes);
    } catch (const EProfileError& e) {
        FUZZ_CHECK(e.Line() >= 1, e.what());
        return 0;
    }
    std::vector<TKeyImage> images;
    for (const TRegFileKey& key : keys) {
        FUZZ_CHECK(key.Root == HKEY_CLASSES_ROOT && !key.Path.empty(), key.FullName);
        if (key.Delete)
            continue;
        TKeyImage image;
        image.Path = key.Path;
        image.Exists = true;
        for (const TRegFileValue& value : key.Values)
            if (!value.Delete)
                image.Tree.Values.push_back(value.Value);
        images.push_back(image);
    }
    const WideString text = WideFromUtf8(RegFileText(images, true));
    std::string again = "\xFF\xFE";
    for (WCHAR unit : text) {
        again += static_cast<char>(unit & 0xFF);
        again += static_cast<char>(unit >> 8);
    }
    const std::vector<TRegFileKey> back = ReadRegFile("again.reg", again);
    FUZZ_CHECK(back.size() == images.size(), HexDump(again));
    for (size_t i = 0; i < back.size(); ++i) {
        FUZZ_CHECK(back[i].Path == images[i].Path, HexDump(back[i].Path));
        FUZZ_CHECK(back[i].Values.size() == images[i].Tree.Values.size(), images[i].Path);
        for (size_t j = 0; j < back[i].Values.size(); ++j) {
            const TRawValue &a = back[i].Values[j].Value, &b = images[i].Tree.Values[j];
            FUZZ_CHECK(a.Name == b.Name && a.Type == b.Type && a.Data == b.Data,
                       HexDump(a.Name) + "/ " + HexDump(a.Data) + "/ " + HexDump(b.Data));
        }
    }
    return 0;
}
