// The flags number "EditFlags" of a file class or extension key, and the set
// of flag elements the program works with. The bit values are the shell's
// file type attribute flags; the bits 0x4000, 0x80000 and everything from
// 0x200000 up have no element, are dropped when a number is read into a set
// and are never written.
#pragma once

#include <cstdint>
#include <initializer_list>

// Element N (1 to 19) is the Nth check box of the flags dialog.
enum TEditFlag : int {
    efNone,          // 0x0: none; present in every set the layer reads
    efExclude,       // 0x1
    efShow,          // 0x2: show the class even without an extension
    efHasExtension,  // 0x4
    efNoEdit,        // 0x8: entries can't be edited, added or deleted
    efNoRemove,      // 0x10: entries can't be deleted
    efNoNewVerb,     // 0x20: no new actions
    efNoEditVerb,    // 0x40: canonical actions can't be changed or deleted
    efNoRemoveVerb,  // 0x80: canonical actions can't be deleted
    efNoEditDesc,    // 0x100: the description can't be changed
    efNoEditIcon,    // 0x200: the icon can't be changed
    efNoEditDflt,    // 0x400: the default action can't be changed
    efNoEditVerbCmd, // 0x800: action commands can't be changed
    efNoEditVerbExe, // 0x1000: actions can't be changed or deleted
    efNoDDE,         // 0x2000: DDE entries can't be changed
    efNoEditMIME,    // 0x8000: content type entries can't be changed
    efOpenIsSafe,    // 0x10000: open is safe for downloaded files
    efAlwaysUnsafe,  // 0x20000: "never ask me" can't be enabled
    efAlwaysShowExt, // 0x40000: always show the extension
    efNoRecentDocs,  // 0x100000: not added to the recent documents
};

constexpr int EditFlagCount = 20;

// Each element's bit in the flags number, indexed by TEditFlag.
extern const uint32_t EditFlagValues[EditFlagCount];

// A set of TEditFlag elements (not of bits: efNone is an element of its own).
class TEditFlags {
public:
    TEditFlags() = default;
    TEditFlags(std::initializer_list<TEditFlag> elements) {
        for (TEditFlag e : elements)
            insert(e);
    }

    // False for a value outside the enumeration.
    bool contains(TEditFlag e) const { return InRange(e) && (elements_ & Bit(e)) != 0; }
    // A value outside the enumeration is ignored.
    void insert(TEditFlag e) {
        if (InRange(e))
            elements_ |= Bit(e);
    }
    void erase(TEditFlag e) {
        if (InRange(e))
            elements_ &= ~Bit(e);
    }
    bool empty() const { return elements_ == 0; }
    int size() const;

    bool operator==(const TEditFlags& other) const { return elements_ == other.elements_; }
    bool operator!=(const TEditFlags& other) const { return elements_ != other.elements_; }

private:
    static bool InRange(TEditFlag e) { return e >= 0 && e < EditFlagCount; }
    static uint32_t Bit(TEditFlag e) { return uint32_t(1) << e; }

    uint32_t elements_ = 0; // bit k set: element k is in the set
};

// The set of a flags number: element k is in it when every bit of its value
// is set, so efNone is always in and bits without an element are dropped.
TEditFlags IntToEditFlags(uint32_t value);

// The flags number of a set: the bitwise or of its elements' values (efNone
// adds nothing).
uint32_t EditFlagsToInt(const TEditFlags& flags);
