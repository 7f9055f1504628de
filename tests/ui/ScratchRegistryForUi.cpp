// The scratch registry of the core tests, compiled into the UI tests too.
#include "support/ScratchRegistry.cpp"
