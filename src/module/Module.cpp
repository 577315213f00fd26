#include "Module.h"

const char* ZorsteelVersion() { return ZORSTEEL_VERSION; }
