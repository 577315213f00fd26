#include "Module.h"

#include "../platform/zorTools.h"

CString CataloguePath() { return GetExecutablePath() + L"\\" + kCatalogueFileName; }

const char* ZorsteelVersion() { return ZORSTEEL_VERSION; }
