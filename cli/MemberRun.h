// The check of one member, and of a batch of them in input order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "MemberInput.h"
#include "design/LimitStates.h"

struct MemberResult
{
    std::string Id, Combo, Section;
    // False for a row that could not be checked (Status "ERROR"): its numbers
    // are not written.
    bool Checked = false;
    int ShapeCode = -1;
    double PhiPn = 0, PhiMnx = 0, PhiMny = 0, PhiVnx = 0, PhiVny = 0, B1x = 0, B1y = 0;
    double InteractionRatio = 0, VxRatio = 0, VyRatio = 0, CriticalRatio = 0;
    int ErrorCode = 0;
    LimitStates Limits;   // what governs each strength and the member
    std::string Status;   // "OK", "NG" (MemberVerdict) or "ERROR"
    std::string Message;  // the verdict's words, or what is wrong with the row
    std::string Report;   // the calculation as HTML fragments, when asked for
    int Envelope = 0;     // 1 on a member's envelope line (the governing combination's result)
};

// Checks one member: a fresh design object from the factory, the row's
// inputs, one Calculate, and the object back to the factory. The result
// depends on the row (and the catalogue) alone, so that members may be
// checked in any order, or at once once the catalogue is loaded.
MemberResult RunMember(const MemberRow& row, bool withReport);

// Checks every row and hands each result to done in input order.
void RunMembers(const std::vector<MemberRow>& rows, bool withReport,
                const std::function<void(MemberResult&&)>& done);

