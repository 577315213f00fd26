// The verdict on one calculated member: OK or NG, and in words why, for every
// host that tells a user (the zorsteel command, the report summary, the
// Python module). A member is OK only when its interaction and shear ratios
// are all finite and at most 1.0 and no condition that makes the check
// meaningless was raised: ErrorCode 4 (axial load above the Euler load) and 3
// (round-HSS wall outside the range of the equations) are always NG.
// ErrorCode 2 (KL/r above 200) leaves the verdict to the ratios and is named.
// Numbers that were not computed for the named section and inputs as given
// are never OK: an input the command would refuse (not finite; Fy or Cb not
// above 0; a length, K factor or connector spacing below 0), no section
// (ShapeCode -1, the name not found), a section of a family the object's
// class does not check, no design strength at all (Calculate not run, or a
// section without properties), or one below zero (a ratio would then pass
// any demand). A deflection check that the host asked for (both
// denominators given) is part of the verdict: a total-load or live-load
// ratio above 1.0, or not finite, is NG. A tee or double angle with a
// major-axis moment is told which of its parts the sign of Mux put in
// compression. Threads: JudgeMember may judge different objects on several
// threads at once.
#pragma once

#include <string>

#include "../platform/Export.h"

class CAiscDesign;

namespace zorsteel {

enum class MemberStatus
{
    OK,
    NG,
};

struct MemberVerdict
{
    MemberStatus Status;
    // UTF-8, for an engineer: the reasons for NG first, then the notes on
    // what the calculation assumed, joined with "; "; empty when all is well.
    std::string Message;
};

// Judges a design object after Calculate. Never throws: without memory for
// the message the verdict is NG with an empty message.
ZORSTEEL_API MemberVerdict JudgeMember(const CAiscDesign& design) noexcept;

// "OK" or "NG".
ZORSTEEL_API const char* StatusText(MemberStatus status);

} // namespace zorsteel
