// Decoding a version record: the translation key, the query path and texts
// that must never be read past the record, whatever lengths it claims.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "support/Exception.h"
#include "support/ZQFileVersion.h"

TEST(VersionBlock, TranslationKeyFromTheFirstEntryOnly) {
    const uint16_t german1252[] = {0x0407, 0x04E4, 0x0409, 0x04B0};
    EXPECT_EQ(TranslationKeyOf(german1252, sizeof german1252), "040704E4");
    const uint16_t usUnicode[] = {0x0409, 0x04B0};
    EXPECT_EQ(TranslationKeyOf(usUnicode, 4), "040904B0");
    const uint16_t lowerDigits[] = {0xabcd, 0x00ef};
    EXPECT_EQ(TranslationKeyOf(lowerDigits, 4), "ABCD00EF");
    EXPECT_EQ(VersionStringPath("040704E4", "E-mail"), "StringFileInfo\\040704E4\\E-mail");

    // No table, or one shorter than an entry: the reading error, no read.
    for (unsigned length : {0u, 1u, 2u, 3u})
        EXPECT_EQ(ErrorOf<ZQException>([&] { TranslationKeyOf(german1252, length); }),
                  "Error while reading versioninformation.")
            << length;
    EXPECT_EQ(ErrorOf<ZQException>([] { TranslationKeyOf(nullptr, 4); }),
              "Error while reading versioninformation.");
}

TEST(VersionBlock, TextsEndAtNulLengthOrRecordEnd) {
    const char block[] = "....Corvix\0....Homepage-without-NUL";
    const size_t size = sizeof block - 1; // the record ends before the literal's NUL
    struct Case {
        size_t offset;
        unsigned length;
        const char* expected;
    } cases[] = {
        {4, 7, "Corvix"},                   // length with the NUL
        {4, 6, "Corvix"},                   // length without it
        {4, 3, "Cor"},                      // a shorter length wins
        {4, 200, "Corvix"},                 // a longer one stops at the NUL
        {15, 1000, "Homepage-without-NUL"}, // no NUL: the record's end
        {15, 0, ""},                        // zero length
        {size, 5, ""},                      // just past the record
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionTextOf(block, size, block + c.offset, c.length), c.expected)
            << c.offset << "/" << c.length;
    EXPECT_EQ(VersionTextOf(block, size, block - 1, 3), "");
    EXPECT_EQ(VersionTextOf(block, size, nullptr, 3), "");
}
