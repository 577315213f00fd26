// The check of one member as a host gives it (MemberRow), its result with the
// verdict, the result's columns by name, and the member's framed report.
// Threads: RunMember and RunMembers may be called from several threads at
// once (RunMembers itself checks on several); a MemberChecker serves one
// thread at a time.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "../design/LimitStates.h"
#include "MemberInput.h"

#include "../platform/Export.h"

class CAiscDesign;

namespace zorsteel {

struct MemberResult
{
    std::string Id, Combo, Section;
    // False for a row that could not be checked (Status "ERROR"): its numbers
    // mean nothing.
    bool Checked = false;
    int ShapeCode = -1;
    double PhiPn = 0, PhiMnx = 0, PhiMny = 0, PhiVnx = 0, PhiVny = 0, B1x = 0, B1y = 0;
    double InteractionRatio = 0, VxRatio = 0, VyRatio = 0, CriticalRatio = 0;
    int ErrorCode = 0;
    std::string Status;   // "OK", "NG" (MemberVerdict) or "ERROR"
    std::string Message;  // the verdict's words, or what is wrong with the row
    // What governs: the check, and the limit state of Pn, Mnx and Mny with its
    // equation ("Lateral-torsional buckling (F2-2)"); every limit state in Limits.
    std::string Governing, PnLimitState, MnxLimitState, MnyLimitState;
    // The deflection check's ratios, when it ran (both denominators given).
    bool DeflectionChecked = false;
    double TotalDeflectionRatio = 0, LiveDeflectionRatio = 0;
    std::string Rules;   // "classic" or "full": the rules the member was checked by ("full" under 360-22)
    std::string Edition; // "360-10" or "360-22": the edition of AISC 360 it was checked by
    // The member's place in the H1-1 interaction diagram: Pr/Pc (negative in
    // tension) and Mrx/Mcx + Mry/Mcy, the moment ratios with B1.
    double AxialRatio = 0, MomentRatio = 0;
    LimitStates Limits;
    std::string Report;   // the calculation as HTML fragments, when asked for
    int Envelope = 0;     // 1 on a member's envelope line (the governing combination's result)
};

// Checks one member: a fresh design object from the factory, the row's
// inputs, one Calculate, and the object back to the factory. The result
// depends on the row (and the catalogue) alone, so that members may be
// checked in any order, or on several threads once the catalogue is loaded.
// A row with an error, without a section, or whose section the catalogue does
// not hold or no design class checks, gives an unchecked result (Status
// "ERROR") whose message names the row and the field; so does a lack of
// memory ("out of memory"). The inputs are taken in the row's conventions.
// When AnalysisSectionIx is given and DeflectionAdjustmentRatio is not, the
// ratio is AnalysisSectionIx / Ix of the checked section. After the
// verdict's words the message notes what the run assumed: Lx, Ly (in
// compression) or Lb (with Mux) not given and taken as 0, lengths shorter
// than the larger of 24 in and twice the section's depth on a member with
// axial force or moment (a length typed in feet?), and the ratio it took.
ZORSTEEL_API MemberResult RunMember(const MemberRow& row, bool withReport) noexcept;

// RunMember for a run of rows on one thread, keeping the design object of
// the last row: a row that names the same section (as written) reuses it
// through ResetForNextCheck instead of a new one from the factory, which
// gives the same result to the bit and saves the factory's read of the
// catalogue. One checker serves one thread at a time; the catalogue must not
// change while it holds an object (RunMembers pins it).
class ZORSTEEL_API MemberChecker
{
public:
    MemberChecker() = default;
    MemberChecker(const MemberChecker&) = delete;
    MemberChecker& operator=(const MemberChecker&) = delete;
    ~MemberChecker() { Release(); }

    MemberResult Run(const MemberRow& row, bool withReport) noexcept;
    // Gives the object back to the factory.
    void Release() noexcept;

private:
    CAiscDesign* m_design = nullptr;
    std::string m_section;  // the name m_design was made for
};

// A MemberChecker for each block of rows as ComputeInOrder hands them out
// (each block's rows in order on one thread), given back after a block's
// last row.
class ZORSTEEL_API BlockCheckers
{
public:
    BlockCheckers(std::size_t rows, std::size_t blockSize);
    MemberResult Run(std::size_t i, const MemberRow& row, bool withReport) noexcept;

private:
    std::size_t m_rows, m_blockSize;
    std::unique_ptr<MemberChecker[]> m_checkers;
};

// Checks every row on threads threads (0: one per core), the catalogue
// loaded first, and hands each result to done in input order on the caller's
// thread: the results and their order are those of one thread.
ZORSTEEL_API void RunMembers(const std::vector<MemberRow>& rows, bool withReport, const std::function<void(MemberResult&&)>& done,
                unsigned threads = 0);

// The member's report as a host shows it: its calculation (or, unchecked, its
// message) framed by ProblemPrintArea and titled with its Id, combination and
// section, those given; head (HTML) comes first inside the frame.
ZORSTEEL_API void PrintMemberBlock(std::ostream& out, const MemberResult& result, std::string_view head = {});

struct ResultColumn
{
    std::string_view Name;
    std::string MemberResult::*Text = nullptr;
    double MemberResult::*Number = nullptr;
    int MemberResult::*Integer = nullptr;
    // A number that only some checks give: none (an empty cell, null, None)
    // unless the result's flag is set.
    bool MemberResult::*Present = nullptr;
};

// The result's fields by name: Id, Combo (when asked for), Section,
// ShapeCode, the strengths, B1, the ratios, ErrorCode, Status, Message, what
// governs (Governing, PnLimitState, MnxLimitState, MnyLimitState), the
// deflection ratios (TotalDeflectionRatio, LiveDeflectionRatio), Rules
// ("classic" or "full"), Edition ("360-10" or "360-22"), and Envelope
// when asked for. A new result column is one line in their table.
ZORSTEEL_API std::vector<const ResultColumn*> ResultColumns(bool withCombo, bool withEnvelope);

// The limit state that governs quantity with its equation, "Lateral-torsional
// buckling (F2-2)"; "" when none was recorded.
ZORSTEEL_API std::string LimitStateText(const LimitStates& states, Strength quantity);

// What governs a member, for a person: the governing check and the limit
// states of the strengths it holds the demand against, "H1-1b: Pn Flexural
// buckling (E3-2), Mnx Lateral-torsional buckling (F2-2), Mny Yielding (F6-1)"
// or "Major shear: Vnx Shear yielding (G2-1)"; "" before a check. In short
// (equationsOnly), the equations alone: "H1-1b: E3-2, F2-2, F6-1".
ZORSTEEL_API std::string GoverningText(const LimitStates& states, bool equationsOnly = false);

} // namespace zorsteel
