// What the command needs from its surroundings: the catalogue and the
// equation images (beside the executable in a build, in ../share/zorsteel
// when installed), and the library's messages turned into the command's.
#pragma once

#include <string>

namespace zorsteel::cli {

// Points the library at the data folder and installs the message handlers.
void PrepareLibrary();

// Loads the catalogue (the manager's index and the copy that design objects
// read from); false (the message says which files it looked for) when it
// cannot be read.
bool CatalogueReady();

// How many "cannot find file" messages the library gave for equation images.
int MissingImageCount();

// One line on standard error, after "zorsteel: ", Printable.
void Complain(const std::string& text);

} // namespace zorsteel::cli
