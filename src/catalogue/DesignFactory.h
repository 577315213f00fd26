// Which design class checks which shape family: the factory's choice
// (CSteelDesignManager::CreateAiscDesign), asked of an existing object.
#pragma once

class CAiscDesign;

namespace zorsteel {

// True when design is of the class the factory makes for shapeCode, or of a
// host's subclass of it (a channel's class is not an I-shape's, though it
// derives from it): false for a code without a design class (14, -1) and for
// an object of another family's class (a host's own construction, or a
// catalogue that holds a name twice in two families, whose index and rows
// then disagree).
bool IsDesignClassOf(const CAiscDesign& design, int shapeCode);

} // namespace zorsteel
