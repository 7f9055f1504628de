// What the command line prints of the registry and the index.
#pragma once

#include "support/Exception.h"

#include <string>

class TFileClass;

// Neither an extension key nor a class of the index or the registry.
class EUnknownItem : public Exception {
public:
    using Exception::Exception;
};

// One line per extension key, ".ext<TAB>class<TAB>stored", in the order of
// the main list; "stored" is where the key lives (see PlaceText).
std::string ExtensionListText();
// One line per class of the index, "class<TAB>.ext1,.ext2,...<TAB>stored"
// ("stored" empty for a class without a key).
std::string ClassListText(const TFileClass& index);
// The record of an extension (a name with a leading point) or a class as
// "field: value" lines; an extension is followed by its class's record.
// EUnknownItem for a name that is neither.
std::string RecordText(const std::string& name, const TFileClass& index);
