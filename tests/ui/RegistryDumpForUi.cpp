// The registry dump of the core tests, compiled into the UI tests too.
#include "support/RegistryDump.cpp"
