// Differential test of the hollow-section designs: every rectangular HSS,
// round HSS and pipe of the catalogue, under pseudo-random member inputs, must
// give results bit for bit equal to the independent reference model of
// HssReferenceModel.h, with printing off and with printing on. A few branch
// edges of E7, F7, F8, G2, G6, H1 and Appendix 8 are checked against values
// worked by hand (E = 29000 ksi).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "HssReferenceModel.h"
#include "TestSupport.h"

namespace {

namespace ref = hss_reference;

// A design class with its section and persistent state reachable.
template <class Shape>
class HssUnderTest : public Shape
{
public:
    using Shape::B1x;
    using Shape::B1y;
    using Shape::ErrorCode;
    using Shape::Section;
    using Shape::ShapeCode;

    void Load(const mvSect_AISC& section, int code)
    {
        Section = section;
        ShapeCode = code;
    }
};
using RectUnderTest = HssUnderTest<CAiscDesignRectHss>;
using RoundUnderTest = HssUnderTest<CAiscDesignRoundHss>;

struct Field
{
    const char* name;
    double ref::Results::*member;
};
constexpr Field kFields[] = {
    {"PhiPn", &ref::Results::PhiPn},
    {"PhiMnx", &ref::Results::PhiMnx},
    {"PhiMny", &ref::Results::PhiMny},
    {"PhiVnx", &ref::Results::PhiVnx},
    {"PhiVny", &ref::Results::PhiVny},
    {"InteractionRatio", &ref::Results::InteractionRatio},
    {"VxRatio", &ref::Results::VxRatio},
    {"VyRatio", &ref::Results::VyRatio},
    {"B1x", &ref::Results::B1x},
    {"B1y", &ref::Results::B1y},
};

ref::Results LibraryResults(const CAiscDesign& design)
{
    ref::Results r;
    r.PhiPn = design.GetPhiPn();
    r.PhiMnx = design.GetPhiMnx();
    r.PhiMny = design.GetPhiMny();
    r.PhiVnx = design.GetPhiVnx();
    r.PhiVny = design.GetPhiVny();
    r.InteractionRatio = design.GetInteractionRatio();
    r.VxRatio = design.GetVxRatio();
    r.VyRatio = design.GetVyRatio();
    r.B1x = design.GetB1x();
    r.B1y = design.GetB1y();
    r.ErrorCode = design.GetErrorCode();
    return r;
}

void Apply(CAiscDesign& design, const ref::Inputs& in)
{
    design.SetGeneralParameters(in.DirectAnalysis, in.ConsiderB1);
    design.SetLoads(in.Pu, in.Mux, in.Muy, in.Cmx, in.Cmy, in.Vux, in.Vuy);
    design.SetMaterial(in.Fy);
    design.SetColumnSlenderness(in.Kx, in.Ky, in.Lx, in.Ly);
}

// Bit-identical, except that any two NaNs are equal.
bool SameBits(double a, double b)
{
    if (std::isnan(a) && std::isnan(b))
        return true;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Narrow(const CString& text)
{
    std::vector<char> buffer(512);
    return tchar2char(text, buffer.data(), buffer.size());
}

std::string Describe(int code, const mvSect_AISC& s, const ref::Inputs& in)
{
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%s (code %d): DirectAnalysis=%d ConsiderB1=%d Pu=%.17g Mux=%.17g Muy=%.17g Cmx=%.17g "
                  "Cmy=%.17g Vux=%.17g Vuy=%.17g Fy=%.17g Kx=%.17g Ky=%.17g Lx=%.17g Ly=%.17g; before the run "
                  "B1x=%.17g B1y=%.17g ErrorCode=%d",
                  Narrow(GetSectionName(s)).c_str(), code, in.DirectAnalysis ? 1 : 0, in.ConsiderB1 ? 1 : 0, in.Pu,
                  in.Mux, in.Muy, in.Cmx, in.Cmy, in.Vux, in.Vuy, in.Fy, in.Kx, in.Ky, in.Lx, in.Ly, in.PreviousB1x,
                  in.PreviousB1y, in.PreviousErrorCode);
    return text;
}

// Mismatches of a whole sweep, reported once.
class MismatchLog
{
public:
    void Compare(const char* mode, int code, const mvSect_AISC& s, const ref::Inputs& in, const ref::Results& library,
                 const ref::Results& model)
    {
        ++m_comparisons;
        for (const Field& field : kFields)
        {
            const double lib = library.*field.member;
            const double mod = model.*field.member;
            if (!SameBits(lib, mod))
            {
                char values[256];
                std::snprintf(values, sizeof values, "%s: library %.17g, model %.17g", field.name, lib, mod);
                Record(mode, field.name, code, s, in, values);
            }
        }
        if (library.ErrorCode != model.ErrorCode)
        {
            char values[128];
            std::snprintf(values, sizeof values, "ErrorCode: library %d, model %d", library.ErrorCode, model.ErrorCode);
            Record(mode, "ErrorCode", code, s, in, values);
        }
    }

    void Note(const std::string& problem)
    {
        ++m_total;
        if (m_details.size() < kMaxDetails)
            m_details.push_back(problem);
    }

    int Total() const { return m_total; }
    int Comparisons() const { return m_comparisons; }

    std::string Summary() const
    {
        std::ostringstream out;
        out << m_total << " mismatches in " << m_comparisons << " compared runs.\nBy result and shape code:\n";
        for (const auto& [key, count] : m_byField)
            out << "  " << key << ": " << count << "\n";
        out << "First " << m_details.size() << ":\n";
        for (const std::string& line : m_details)
            out << "  " << line << "\n";
        return out.str();
    }

private:
    static constexpr std::size_t kMaxDetails = 40;

    void Record(const char* mode, const char* field, int code, const mvSect_AISC& s, const ref::Inputs& in,
                const std::string& values)
    {
        ++m_byField[std::string(field) + " (code " + std::to_string(code) + ")"];
        Note(std::string("[") + mode + "] " + values + " -- " + Describe(code, s, in));
    }

    int m_total = 0;
    int m_comparisons = 0;
    std::map<std::string, int> m_byField;
    std::vector<std::string> m_details;
};

// Fixed-seed draws, mapped to [0, 1) by the top 53 bits (no library distribution).
class Draw
{
public:
    explicit Draw(std::uint64_t seed) : m_rng(seed) {}
    double Unit() { return static_cast<double>(m_rng() >> 11) * 0x1.0p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Unit(); }
    bool OneIn(unsigned n) { return m_rng() % n == 0; }
    std::size_t Index(std::size_t n) { return static_cast<std::size_t>(m_rng() % n); }

private:
    std::mt19937_64 m_rng;
};

double SignedMagnitude(Draw& draw, double largest)
{
    if (draw.OneIn(10))
        return 0.0;
    const double magnitude = draw.Uniform(0, largest);
    return draw.OneIn(2) ? -magnitude : magnitude;
}

ref::Inputs DrawInputs(Draw& draw)
{
    static constexpr double kGrades[] = {36, 42, 46, 50, 65, 70, 100};
    ref::Inputs in;
    in.DirectAnalysis = draw.OneIn(2);
    in.ConsiderB1 = !draw.OneIn(4);
    in.Pu = draw.OneIn(8) ? 0.0 : draw.Uniform(-500, 1500);
    in.Mux = SignedMagnitude(draw, 500);
    in.Muy = SignedMagnitude(draw, 500);
    in.Cmx = draw.Uniform(0.4, 1.0);
    in.Cmy = draw.Uniform(0.4, 1.0);
    in.Vux = SignedMagnitude(draw, 300);
    in.Vuy = SignedMagnitude(draw, 300);
    in.Fy = draw.OneIn(2) ? kGrades[draw.Index(std::size(kGrades))] : draw.Uniform(30, 120);
    in.Kx = draw.Uniform(0.5, 2.5);
    in.Ky = draw.Uniform(0.5, 2.5);
    in.Lx = draw.OneIn(8) ? 0.0 : draw.Uniform(0, 600);
    in.Ly = draw.OneIn(8) ? 0.0 : draw.Uniform(0, 600);
    return in;
}

struct CatalogueRow
{
    int code;
    mvSect_AISC section;
};

std::string CataloguePath()
{
    return ToNativePath(GetExecutablePath() + L"\\aisc14u.tbl");
}

std::vector<CatalogueRow> LoadHollowSections()
{
    std::vector<CatalogueRow> rows;
    std::ifstream file(CataloguePath(), std::ios::in | std::ios::binary);
    if (!file)
        return rows;
    for (int code : {static_cast<int>(kShapeRectHss), static_cast<int>(kShapeRoundHss), static_cast<int>(kShapePipe)})
    {
        std::vector<mvSect_AISC> sections;
        get_aisc_section(sections, file, code);
        for (const mvSect_AISC& s : sections)
            rows.push_back({code, s});
    }
    return rows;
}

constexpr int kRunsPerSection = 8;

// The runs of one section on one design object, so that B1x, B1y and
// ErrorCode carry over from run to run as they do for a host.
template <class Design>
void SweepSection(const CatalogueRow& row, int sectionIndex, Draw& draw, MismatchLog& log)
{
    Design design;
    design.Load(row.section, row.code);
    design.SetPrint(false);

    ref::Results previous;  // the state of a new object: B1 = 1.0, ErrorCode 0
    for (int run = 0; run < kRunsPerSection; ++run)
    {
        ref::Inputs in = DrawInputs(draw);
        in.PreviousB1x = previous.B1x;
        in.PreviousB1y = previous.B1y;
        in.PreviousErrorCode = previous.ErrorCode;
        Apply(design, in);
        // Lateral-torsional inputs and torsional lengths play no part in hollow sections.
        design.SetLateralTorsionalProperty(draw.Uniform(1.0, 2.3), draw.Uniform(0, 600));
        design.SetColumnSlenderness_Torsional(draw.Uniform(0.5, 2.5), draw.Uniform(0, 600));

        const ref::Results expected = ref::Evaluate(row.code, row.section, in);

        if (run == sectionIndex % kRunsPerSection)
        {
            // The same member twice with the report written: same numbers.
            Design printed(design);
            std::ostringstream report;
            printed.SetPrintFile(&report);
            printed.SetPrint(true);
            if (printed.Calculate() != 1)
                log.Note("Calculate did not return 1 (printing on) -- " + Describe(row.code, row.section, in));
            log.Compare("printing on, 1st run", row.code, row.section, in, LibraryResults(printed), expected);
            if (printed.Calculate() != 1)
                log.Note("Calculate did not return 1 (printing on) -- " + Describe(row.code, row.section, in));
            log.Compare("printing on, 2nd run", row.code, row.section, in, LibraryResults(printed), expected);
            if (report.str().empty())
                log.Note("no report written with printing on -- " + Describe(row.code, row.section, in));
        }

        if (design.Calculate() != 1)
            log.Note("Calculate did not return 1 -- " + Describe(row.code, row.section, in));
        log.Compare("printing off", row.code, row.section, in, LibraryResults(design), expected);
        previous = expected;
    }
}

TEST(HssDifferential, EveryCatalogueHollowSectionAgreesBitForBitWithTheReferenceModel)
{
    const auto start = std::chrono::steady_clock::now();
    MessageCapture messages;  // missing equation images are not this test's concern

    const std::vector<CatalogueRow> rows = LoadHollowSections();
    ASSERT_FALSE(rows.empty()) << "no hollow sections read from " << CataloguePath();
    std::map<int, int> perCode;
    for (const CatalogueRow& row : rows)
        ++perCode[row.code];
    EXPECT_GT(perCode[kShapeRectHss], 0);
    EXPECT_GT(perCode[kShapeRoundHss], 0);
    EXPECT_GT(perCode[kShapePipe], 0);

    Draw draw(0x2B7E151628AED2A6ull);
    MismatchLog log;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        if (rows[i].code == kShapeRectHss)
            SweepSection<RectUnderTest>(rows[i], static_cast<int>(i), draw, log);
        else
            SweepSection<RoundUnderTest>(rows[i], static_cast<int>(i), draw, log);
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("sections", static_cast<int>(rows.size()));
    RecordProperty("comparisons", log.Comparisons());
    std::printf("[ hss diff ] %zu sections (rect %d, round %d, pipe %d), %d compared runs, %.2f s\n", rows.size(),
                perCode[kShapeRectHss], perCode[kShapeRoundHss], perCode[kShapePipe], log.Comparisons(), seconds);
    EXPECT_EQ(log.Total(), 0) << log.Summary();
}

// The catalogue's walls stop at D/t = 74.5 and b/t = 74.6, short of F8-3, of
// 0.45 E/Fy (error 3) and of the non-positive wall widths of E7. Thinned copies
// of every hollow section (D/t, b/t, h/t scaled up; a thicker tdes, so that
// B - 3 tdes may fall to zero or below) reach them.
TEST(HssDifferential, DistortedHollowSectionsAgreeBitForBitWithTheReferenceModel)
{
    MessageCapture messages;
    const std::vector<CatalogueRow> rows = LoadHollowSections();
    ASSERT_FALSE(rows.empty()) << "no hollow sections read from " << CataloguePath();

    Draw draw(0x3243F6A8885A308Dull);
    MismatchLog log;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        CatalogueRow row = rows[i];
        SetSectionName(row.section, (GetSectionName(row.section) + L" (distorted)").GetString());
        if (row.code == kShapeRectHss)
        {
            row.section.b_t *= draw.Uniform(1.0, 10.0);
            row.section.h_t *= draw.Uniform(1.0, 10.0);
            row.section.tdes *= draw.OneIn(3) ? draw.Uniform(2.0, 8.0) : draw.Uniform(1.0, 2.0);
            SweepSection<RectUnderTest>(row, static_cast<int>(i), draw, log);
        }
        else
        {
            row.section.D_t *= draw.Uniform(1.5, 8.0);
            SweepSection<RoundUnderTest>(row, static_cast<int>(i), draw, log);
        }
    }
    EXPECT_EQ(log.Total(), 0) << log.Summary();
}

// The record that SetSection reads for a name is the catalogue row itself.
TEST(HssDifferential, SetSectionReadsTheSameRowAsTheSweep)
{
    MessageCapture messages;
    const std::vector<CatalogueRow> rows = LoadHollowSections();
    ASSERT_FALSE(rows.empty()) << "no hollow sections read from " << CataloguePath();
    std::map<int, const CatalogueRow*> firstOfCode;
    for (const CatalogueRow& row : rows)
        firstOfCode.emplace(row.code, &row);
    for (const auto& [code, row] : firstOfCode)
    {
        const CString name = GetSectionName(row->section);
        RoundUnderTest design;
        EXPECT_EQ(design.SetSection(name), code) << Narrow(name);
        EXPECT_EQ(design.ShapeCode, code) << Narrow(name);
        EXPECT_EQ(std::memcmp(&design.Section, &row->section, kSectionNumberCount * sizeof(double)), 0) << Narrow(name);
        EXPECT_EQ(GetSectionName(design.Section), name);
    }
}

// ---- Branch edges against hand-worked values --------------------------------

::testing::AssertionResult NearHand(double actual, double hand)
{
    if (std::fabs(actual - hand) <= 1e-12 * std::fabs(hand))
        return ::testing::AssertionSuccess();
    char text[128];
    std::snprintf(text, sizeof text, "%.17g, hand-worked %.17g", actual, hand);
    return ::testing::AssertionFailure() << text;
}

// The library and the reference model on one member; both are returned so
// that each edge checks the library and confirms the oracle.
template <class Design>
std::pair<ref::Results, ref::Results> RunBoth(const mvSect_AISC& s, int code, const ref::Inputs& in)
{
    Design design;
    design.Load(s, code);
    design.SetPrint(false);
    design.B1x = in.PreviousB1x;
    design.B1y = in.PreviousB1y;
    design.ErrorCode = in.PreviousErrorCode;
    Apply(design, in);
    design.Calculate();
    return {LibraryResults(design), ref::Evaluate(code, s, in)};
}

#define EXPECT_BOTH_HAND(pair, field, hand)                         \
    do                                                              \
    {                                                               \
        EXPECT_TRUE(NearHand((pair).first.field, hand)) << "library"; \
        EXPECT_TRUE(NearHand((pair).second.field, hand)) << "model"; \
    } while (0)

#define EXPECT_BOTH_EQ(pair, field, value)                  \
    do                                                      \
    {                                                       \
        EXPECT_EQ((pair).first.field, value) << "library";  \
        EXPECT_EQ((pair).second.field, value) << "model";   \
    } while (0)

// A round wall: A = 10 in^2, Z = 26 in^3 (27 where stated), S = 20 in^3, r = 3 in, I = 90 in^4.
mvSect_AISC RoundWall(double d_t, double z = 26.0)
{
    mvSect_AISC s;
    SetSectionName(s, L"HSS-ROUND-EDGE");
    s.A = 10.0;
    s.D_t = d_t;
    s.OD = 10.0;
    s.tdes = 0.5;
    s.Zx = s.Zy = z;
    s.Sx = s.Sy = 20.0;
    s.rx = s.ry = 3.0;
    s.Ix = s.Iy = 90.0;
    return s;
}

// Plain member: no amplification, zero lengths, given Fy and Pu.
ref::Inputs Member(double fy, double pu)
{
    ref::Inputs in;
    in.DirectAnalysis = false;
    in.ConsiderB1 = false;
    in.Fy = fy;
    in.Pu = pu;
    return in;
}

TEST(HssReferenceEdges, RoundWallOfDt50AtFy42)
{
    // 0.11 E/Fy = 75.95: Qa = 1, and with KL = 0 Pn = Fy A = 420.
    // 0.07 E/Fy = 48.33 < 50 <= 0.31 E/Fy: F8-2 Mn = (0.021 x 29000 / 50 + 42) x 20 = 1083.6 kip-in,
    // below Mp = 42 x 26 = 1092 kip-in.
    // G6-2b: 0.78 x 29000 / 50^1.5 = 64.0 ksi > 0.6 x 42, so Fcr = 25.2 ksi and Vn = 12.6 A = 126 kips.
    ref::Inputs in = Member(42.0, 100.0);
    in.Vux = 56.7;
    in.Vuy = -113.4;
    const auto both = RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, in);
    EXPECT_BOTH_HAND(both, PhiPn, 378.0);
    EXPECT_BOTH_HAND(both, PhiMnx, 81.27);
    EXPECT_BOTH_HAND(both, PhiMny, 81.27);
    EXPECT_BOTH_HAND(both, PhiVnx, 113.4);
    EXPECT_BOTH_HAND(both, PhiVny, 113.4);
    EXPECT_BOTH_HAND(both, VxRatio, 0.5);
    EXPECT_BOTH_HAND(both, VyRatio, 1.0);
    // Pu / PhiPn = 0.2646 > 0.2: H1-1a with no moment.
    EXPECT_BOTH_HAND(both, InteractionRatio, 100.0 / 378.0);
    EXPECT_BOTH_EQ(both, ErrorCode, 0);
}

TEST(HssReferenceEdges, RoundWallExactlyAtPointElevenEOverFyIsNotSlender)
{
    // Fy = 50: 0.11 E/Fy = 63.8. KL/r = 300 / 3 = 100, Fe = pi^2 E / 100^2 = 28.6219 ksi.
    ref::Inputs in = Member(50.0, 10.0);
    in.Lx = in.Ly = 300.0;
    // Qa = 1: E3-2 Fcr = 0.658^(50 / Fe) x 50 = 24.0672 ksi.
    const auto atLimit = RunBoth<RoundUnderTest>(RoundWall(63.8), kShapeRoundHss, in);
    EXPECT_BOTH_HAND(atLimit, PhiPn, 216.60488348891022);
    // Just above: E7-19 Qa = 0.038 E / (Fy D/t) + 2/3 = 1.0121 (above 1 right at the limit),
    // E7-2 Fcr = Qa 0.658^(Qa Fy / Fe) Fy.
    const auto above = RunBoth<RoundUnderTest>(RoundWall(std::nextafter(63.8, 1e9)), kShapeRoundHss, in);
    EXPECT_BOTH_HAND(above, PhiPn, 217.29600872699976);
    EXPECT_BOTH_EQ(atLimit, ErrorCode, 0);
    EXPECT_BOTH_EQ(above, ErrorCode, 0);
}

TEST(HssReferenceEdges, RoundWallBeyondPointFortyFiveEOverFyRaisesErrorThreeOnlyInCompression)
{
    // Fy = 50: 0.45 E/Fy = 261.
    const ref::Inputs compression = Member(50.0, 10.0);
    EXPECT_BOTH_EQ(RunBoth<RoundUnderTest>(RoundWall(261.0), kShapeRoundHss, compression), ErrorCode, 0);
    const auto beyond = RunBoth<RoundUnderTest>(RoundWall(std::nextafter(261.0, 1e9)), kShapeRoundHss, compression);
    EXPECT_BOTH_EQ(beyond, ErrorCode, 3);
    // Still designed with E7-19: Qa = 0.038 x 29000 / (50 x 261) + 2/3 = 0.75111, KL = 0 so Fcr = Qa Fy.
    EXPECT_TRUE(NearHand(beyond.first.PhiPn, 0.9 * (0.038 * 29000.0 / (50.0 * 261.0) + 2.0 / 3.0) * 50.0 * 10.0));

    const ref::Inputs tension = Member(50.0, -10.0);
    const auto pulled = RunBoth<RoundUnderTest>(RoundWall(400.0), kShapeRoundHss, tension);
    EXPECT_BOTH_EQ(pulled, ErrorCode, 0);
    EXPECT_BOTH_HAND(pulled, PhiPn, 450.0);  // D2-1: 0.9 x 50 x 10
}

TEST(HssReferenceEdges, SlendernessErrorComesAfterTheWallErrorInOneRun)
{
    // Wall beyond 0.45 E/Fy (error 3) is checked before KL/r = 750 / 3 = 250 > 200 (error 2): 2 stays.
    ref::Inputs in = Member(50.0, 10.0);
    in.Lx = 750.0;
    EXPECT_BOTH_EQ(RunBoth<RoundUnderTest>(RoundWall(300.0), kShapeRoundHss, in), ErrorCode, 2);
}

TEST(HssReferenceEdges, RoundFlexureAtTheCompactAndNoncompactLimits)
{
    // Fy = 50, Z = 27, S = 20: lambda_p = 0.07 E/Fy = 40.6, lambda_r = 0.31 E/Fy = 179.8; Mp = 1350 kip-in.
    const ref::Inputs in = Member(50.0, 0.0);
    // D/t = lambda_p is compact: Mn = Mp; 0.9 x 1350 / 12 = 101.25.
    EXPECT_BOTH_HAND(RunBoth<RoundUnderTest>(RoundWall(40.6, 27.0), kShapeRoundHss, in), PhiMnx, 101.25);
    // Just above: F8-2 (0.021 x 29000 / 40.6 + 50) x 20 = 1300 kip-in; 0.9 x 1300 / 12 = 97.5.
    EXPECT_BOTH_HAND(RunBoth<RoundUnderTest>(RoundWall(std::nextafter(40.6, 1e9), 27.0), kShapeRoundHss, in), PhiMny,
                     97.5);
    // D/t = lambda_r is still F8-2; just above it F8-3 with F8-4 Fcr = 0.33 E / (D/t).
    EXPECT_BOTH_HAND(RunBoth<RoundUnderTest>(RoundWall(179.8, 27.0), kShapeRoundHss, in), PhiMnx,
                     0.9 * (0.021 * 29000.0 / 179.8 + 50.0) * 20.0 / 12.0);
    EXPECT_BOTH_HAND(RunBoth<RoundUnderTest>(RoundWall(std::nextafter(179.8, 1e9), 27.0), kShapeRoundHss, in), PhiMnx,
                     0.9 * (0.33 * 29000.0 / 179.8) * 20.0 / 12.0);
}

TEST(HssReferenceEdges, AxialRatioOfExactlyPointTwoUsesH11b)
{
    // D/t = 50, Fy = 50, KL = 0: PhiPn = 0.9 x 500 = 450; Pu = 90 gives Pr/Pc = 0.2 -> H1-1b = 90 / 900.
    const auto both = RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, Member(50.0, 90.0));
    EXPECT_BOTH_EQ(both, PhiPn, 450.0);
    EXPECT_BOTH_HAND(both, InteractionRatio, 0.1);
}

TEST(HssReferenceEdges, ZeroAxialLoadLeavesB1AtOneForCmBelowOne)
{
    // Pu = 0 runs the magnification: B1 = max(Cm, 1) = 1.0, then H1-1b with the bare moments.
    ref::Inputs in = Member(42.0, 0.0);
    in.ConsiderB1 = true;
    in.DirectAnalysis = true;
    in.Cmx = in.Cmy = 0.6;
    in.Lx = in.Ly = 240.0;
    in.Mux = -40.635;  // half of PhiMnx = 81.27 (D/t = 50 at Fy = 42)
    in.Muy = 20.3175;  // a quarter of PhiMny
    in.PreviousB1x = in.PreviousB1y = 1.7;
    const auto both = RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, in);
    EXPECT_BOTH_EQ(both, B1x, 1.0);
    EXPECT_BOTH_EQ(both, B1y, 1.0);
    EXPECT_BOTH_HAND(both, InteractionRatio, 0.75);
}

TEST(HssReferenceEdges, AxialLoadAboveTheEulerLoadKeepsB1AtOneAndRaisesErrorFour)
{
    // Effective length method, I = 90, KL = 600 (KL/r = 200 exactly: no slenderness error):
    // Pe1 = pi^2 x 29000 x 90 / 600^2 = 71.555 kips < Pu = 100 -> B1x = 1.0, error 4.
    // About y, KL = 60: Pe1 = 7155.46 kips, B1y = 1 / (1 - 100 / 7155.46) = 1.014173.
    ref::Inputs in = Member(50.0, 100.0);
    in.ConsiderB1 = true;
    in.Lx = 600.0;
    in.Ly = 60.0;
    const auto both = RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, in);
    EXPECT_BOTH_EQ(both, B1x, 1.0);
    EXPECT_BOTH_HAND(both, B1y, 1.0 / (1.0 - 100.0 / 7155.463174437169));
    EXPECT_BOTH_EQ(both, ErrorCode, 4);

    // A tension run afterwards keeps B1 and the error code.
    ref::Inputs pulled = Member(50.0, -100.0);
    pulled.ConsiderB1 = true;
    pulled.PreviousB1x = both.first.B1x;
    pulled.PreviousB1y = both.first.B1y;
    pulled.PreviousErrorCode = both.first.ErrorCode;
    const auto after = RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, pulled);
    EXPECT_BOTH_HAND(after, B1y, 1.0 / (1.0 - 100.0 / 7155.463174437169));
    EXPECT_BOTH_EQ(after, ErrorCode, 4);
    EXPECT_BOTH_HAND(after, PhiPn, 450.0);
}

TEST(HssReferenceEdges, SlendernessOfExactlyTwoHundredPassesAndJustAboveRaisesErrorTwo)
{
    ref::Inputs in = Member(50.0, 10.0);
    in.Lx = 600.0;  // KL/r = 600 / 3 = 200
    EXPECT_BOTH_EQ(RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, in), ErrorCode, 0);
    in.Ly = std::nextafter(600.0, 1e9);  // KL/r just above 200
    EXPECT_BOTH_EQ(RunBoth<RoundUnderTest>(RoundWall(50.0), kShapeRoundHss, in), ErrorCode, 2);
}

// Rectangular walls at Fy = 29000 / 256 ksi, where sqrt(E/Fy) = 16 exactly: lambda_pf = 17.92,
// lambda_rf = 22.4 (also the E7 wall limit 1.40 sqrt(E/Fy)), lambda_pw = 38.72, lambda_rw = 91.2.
constexpr double kFyRoot16 = 29000.0 / 256.0;

// Ix = Iy = 260, Zx = Zy = 62, Sx = Sy = 52, r = 3.8, tdes = 0.5.
mvSect_AISC RectWalls(double b, double ht, double b_t, double h_t, double a = 18.0)
{
    mvSect_AISC s;
    SetSectionName(s, L"HSS-RECT-EDGE");
    s.A = a;
    s.B = b;
    s.Ht = ht;
    s.tdes = 0.5;
    s.b_t = b_t;
    s.h_t = h_t;
    s.Ix = s.Iy = 260.0;
    s.Zx = s.Zy = 62.0;
    s.Sx = s.Sy = 52.0;
    s.rx = s.ry = 3.8;
    return s;
}

TEST(HssReferenceEdges, RectWebExactlyAtItsCompactLimitIsCompact)
{
    // Flange b/t = 10 compact, web h/t = 38.72 compact: Mnx = Mp = Fy x 62 / 12; 0.9 of it = 526.7578125.
    // (F7-5 there would give 526.7493.)
    const auto both = RunBoth<RectUnderTest>(RectWalls(8.0, 22.36, 10.0, 38.72), kShapeRectHss, Member(kFyRoot16, 0.0));
    EXPECT_BOTH_HAND(both, PhiMnx, 526.7578125);
}

TEST(HssReferenceEdges, RectFlangeJustAboveItsCompactLimitIsCappedAtMp)
{
    // F7-2 at b/t just above 17.92: 3.57 x 1.12 < 4, so Mn would exceed Mp; the cap gives Mp.
    const auto both = RunBoth<RectUnderTest>(RectWalls(10.46, 8.0, std::nextafter(17.92, 1e9), 13.0), kShapeRectHss,
                                             Member(kFyRoot16, 0.0));
    EXPECT_BOTH_HAND(both, PhiMnx, 526.7578125);
}

TEST(HssReferenceEdges, RectNoncompactFlangeUsesF72)
{
    // b/t = 20: 3.57 x 20 / 16 - 4 = 0.4625; Mn = Fy (62 - 10 x 0.4625) = Fy x 57.375.
    const auto both =
        RunBoth<RectUnderTest>(RectWalls(11.5, 6.5, 20.0, 10.0), kShapeRectHss, Member(kFyRoot16, 0.0));
    EXPECT_BOTH_HAND(both, PhiMnx, 487.46337890625);
}

TEST(HssReferenceEdges, RectSlenderWebGetsF75CappedAtMp)
{
    // h/t = 100 > 91.2: F7-5 with 0.305 x 100 / 16 - 0.738 = 1.16825; Mn = Fy (62 - 10 x 1.16825).
    const auto both =
        RunBoth<RectUnderTest>(RectWalls(6.5, 51.5, 10.0, 100.0), kShapeRectHss, Member(kFyRoot16, 0.0));
    EXPECT_BOTH_HAND(both, PhiMnx, 0.9 * kFyRoot16 * 50.3175 / 12.0);
}

TEST(HssReferenceEdges, RectSlenderFlangeUsesTheEffectiveSection)
{
    // B = 16.5, Ht = 10, b/t = 30 > 22.4: b = 16.5 - 1.5 = 15; F7-4 be = 1.92 x 0.5 x 16 (1 - 0.38 / 30 x 16)
    // = 12.24704; bi = 2.75296; Ieff = 260 - 2 (bi 0.5 4.75^2 + bi 0.5^3 / 12) = 197.828987;
    // Se = Ieff / 5 = 39.5657973; F7-3 Mn = Fy Se.
    const auto both =
        RunBoth<RectUnderTest>(RectWalls(16.5, 10.0, 30.0, 17.0), kShapeRectHss, Member(kFyRoot16, 0.0));
    EXPECT_BOTH_HAND(both, PhiMnx, 0.9 * kFyRoot16 * 39.565797333333336 / 12.0);
}

TEST(HssReferenceEdges, RectSlenderWallsReduceTheAreaInCompression)
{
    // Square, b/t = h/t = 30 > 22.4, b = h = 15: be = he = 12.24704 (E7-18, f = Fy);
    // Ae = 31 - 4 x 2.75296 x 0.5 = 25.49408; with KL = 0, Fcr = Qa Fy and PhiPn = 0.9 Fy Ae.
    const auto square = RunBoth<RectUnderTest>(RectWalls(16.5, 16.5, 30.0, 30.0, 31.0), kShapeRectHss,
                                               Member(kFyRoot16, 10.0));
    EXPECT_BOTH_HAND(square, PhiPn, 0.9 * kFyRoot16 * 25.49408);
    // Tall: only the Ht walls slender: Ae = 31 - 2 x 2.75296 x 0.5 = 28.24704.
    const auto tall = RunBoth<RectUnderTest>(RectWalls(6.5, 16.5, 10.0, 30.0, 31.0), kShapeRectHss,
                                             Member(kFyRoot16, 10.0));
    EXPECT_BOTH_HAND(tall, PhiPn, 0.9 * kFyRoot16 * 28.24704);
    // Walls at exactly 22.4 are not slender: Qa = 1 and PhiPn = 0.9 Fy A.
    const auto atLimit = RunBoth<RectUnderTest>(RectWalls(12.7, 12.7, 22.4, 22.4, 31.0), kShapeRectHss,
                                                Member(kFyRoot16, 10.0));
    EXPECT_BOTH_HAND(atLimit, PhiPn, 0.9 * kFyRoot16 * 31.0);
}

TEST(HssReferenceEdges, RectShearThroughTwoWallsOfClearHeightOutsideLessThreeT)
{
    // Major: h = 10 - 1.5 = 8.5, h/t = 17 <= 1.10 sqrt(5 E / Fy) = 39.35: Cv = 1,
    // Vn = 0.6 Fy (2 x 8.5 x 0.5). Minor: h = 40 - 1.5 = 38.5, h/t = 77 > 1.37 sqrt(5 E / Fy) = 49.01:
    // G2-5 Cv = 1.51 x 5 x 29000 / (77^2 Fy) = 0.3259909.
    ref::Inputs in = Member(kFyRoot16, 0.0);
    in.Vux = 519.9609375;
    const auto both = RunBoth<RectUnderTest>(RectWalls(40.0, 10.0, 77.0, 17.0), kShapeRectHss, in);
    EXPECT_BOTH_HAND(both, PhiVnx, 519.9609375);
    EXPECT_BOTH_HAND(both, VxRatio, 1.0);
    EXPECT_BOTH_HAND(both, PhiVny, 0.9 * 0.6 * kFyRoot16 * 38.5 * (1.51 * 5.0 * 256.0 / (77.0 * 77.0)));
}

} // namespace
