// What the shared library exports. It is built with hidden visibility: a name
// is seen by a host only when its declaration carries ZORSTEEL_API (the design
// classes, the manager, the report primitives and page, the section record,
// the member API, the handlers). The utility functions stay inside, so a host
// that defines a function of the same name neither replaces the library's nor
// is replaced by it.
#pragma once

#define ZORSTEEL_API __attribute__((visibility("default")))
