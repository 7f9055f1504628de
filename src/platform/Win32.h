// The one include for the Windows API in the core units. On Windows (and
// under Wine) it is the real <windows.h>; in the native Linux build it is the
// in-memory stand-in of src/platform, which offers the same signatures.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>
#else
#include "platform/FakeWin32.h"
#endif
