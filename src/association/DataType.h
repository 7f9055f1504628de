// The association layer (unit DataType): stateless operations that know how
// Windows keeps file associations under HKEY_CLASSES_ROOT. Every operation
// works on a TRegistry of its own (see LayerRegistry.h) and reads or writes
// the registry afresh; nothing is cached.
#pragma once

#include "association/ActionRecord.h"
#include "association/Actions.h"
#include "association/ClassRecord.h"
#include "association/EditFlags.h"
#include "association/Errors.h"
#include "association/ExtensionRecord.h"
#include "association/LayerRegistry.h"
#include "association/Lookups.h"
#include "association/Names.h"
#include "association/Visibility.h"
