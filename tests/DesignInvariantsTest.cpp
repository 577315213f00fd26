// Properties that must hold for every section of the catalogue that a design
// class checks, whatever the numbers: strengths bounded by yielding, strengths
// that do not rise as the member gets longer, a silent check that allocates
// nothing (a double angle's read of its component angle included); and for
// random members, ratios equal to demand over strength, what governs each
// strength and the member agreeing with the strengths and the ratios, and the
// same numbers with printing on and off.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "TestSupport.h"

namespace {

template <class Design>
class Member : public Design
{
public:
    explicit Member(const mvSect_AISC& section) { this->Section = section; }
};

std::array<double, 11> Results(const CAiscDesign& d)
{
    return {d.GetPhiPn(),    d.GetPhiMnx(),           d.GetPhiMny(), d.GetPhiVnx(), d.GetPhiVny(),
            d.GetVxRatio(),  d.GetInteractionRatio(), d.GetVyRatio(), d.GetB1x(),   d.GetB1y(),
            static_cast<double>(d.GetErrorCode())};
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Each strength has one governing entry, whose nominal value phi times is the
// design strength to the bit (phi = 0.9; phi_v of major shear 0.9, or 1.0 for
// an I-shape web); no limit state is recorded twice for one strength; the
// governing check's ratio is the critical ratio, and an H1-1 check names the
// equation the axial ratio chose.
void ExpectWhatGovernsIsWhatTheCheckUsed(const CAiscDesign& d, const std::string& what)
{
    const LimitStates states = d.GetLimitStates();
    const double strengths[] = {d.GetPhiPn(), d.GetPhiMnx(), d.GetPhiMny(), d.GetPhiVnx(), d.GetPhiVny()};
    for (std::size_t q = 0; q < kStrengthCount; ++q) {
        const Strength quantity = static_cast<Strength>(q);
        int governing = 0;
        std::vector<std::string> names;
        for (const LimitState& entry : states) {
            if (entry.Quantity != quantity) continue;
            EXPECT_EQ(std::ranges::count(names, entry.Name), 0) << what << " " << entry.Name << " twice";
            names.push_back(entry.Name);
            if (!entry.Governs) continue;
            ++governing;
            const bool phiv = quantity == Strength::Vnx && SameBits(strengths[q], 1.0 * entry.Nominal);
            EXPECT_TRUE(SameBits(strengths[q], 0.9 * entry.Nominal) || phiv)
                << what << " " << StrengthText(quantity) << " " << entry.Name << " " << entry.Nominal;
        }
        EXPECT_EQ(governing, 1) << what << " " << StrengthText(quantity);
    }
    EXPECT_TRUE(SameBits(states.Ratio, d.GetCriticalRatio())) << what;
    switch (states.Check) {
    case GoverningCheck::MajorShear: EXPECT_TRUE(SameBits(states.Ratio, d.GetVxRatio())) << what; break;
    case GoverningCheck::MinorShear: EXPECT_TRUE(SameBits(states.Ratio, d.GetVyRatio())) << what; break;
    case GoverningCheck::None: ADD_FAILURE() << what << " has no governing check"; break;
    default:
        EXPECT_TRUE(SameBits(states.Ratio, d.GetInteractionRatio())) << what;
        EXPECT_EQ(states.Check == GoverningCheck::H1_1a, std::abs(d.GetPu()) / d.GetPhiPn() > 0.2) << what;
    }
}

// mux < 0 puts the stem of a tee or double angle in compression.
template <class Design>
void CheckEveryRowOf(int shapeCode, double mux = 40.0)
{
    MessageCapture messages;  // the equation images are not needed here
    const std::vector<mvSect_AISC> rows = CatalogueRowsOfCode(shapeCode);
    ASSERT_FALSE(rows.empty());
    mvSect_AISC first;
    TestDesign().GetSection(first, L"W14X90");  // the first read by name makes the catalogue's copy
    for (const mvSect_AISC& row : rows) {
        const std::string what = tchar2char(GetSectionName(row), std::vector<char>(128).data(), 128);
        for (const double fy : {36.0, 46.0, 50.0, 70.0}) {
            Member<Design> member(row);
            member.SetMaterial(fy);
            member.SetLoads(25.0, mux, -15.0, 0.85, 0.85, 30.0, -20.0);
            member.SetDoubleAngleConnnectorDistance(30.0);
            member.SetPrint(false);
            double previousPhiPn = INFINITY;
            double previousPhiMnx = INFINITY;
            // One length for columns, for lateral-torsional buckling and for torsion.
            for (const double length : {6.0, 60.0, 120.0, 240.0, 480.0, 960.0}) {
                member.SetColumnSlenderness(1.0, 1.0, length, length);
                member.SetColumnSlenderness_Torsional(1.0, length);
                member.SetLateralTorsionalProperty(1.0, length);
                const long before = AllocationCount();
                member.Calculate();
                EXPECT_EQ(AllocationCount() - before, 0) << what;  // a double angle's read of its angle too
                // Mn <= Mp about both axes (an angle's are its principal axes); Pn <= the squash load.
                if constexpr (!std::is_same_v<Design, CAiscDesignL>) {
                    EXPECT_LE(member.GetPhiMnx(), 0.9 * fy * row.Zx / 12.0 * (1 + 1e-12)) << what;
                    EXPECT_LE(member.GetPhiMny(), 0.9 * fy * row.Zy / 12.0 * (1 + 1e-12)) << what;
                }
                EXPECT_LE(member.GetPhiPn(), 0.9 * fy * row.A * (1 + 1e-12)) << what;
                EXPECT_GT(member.GetPhiPn(), 0.0) << what;
                // A longer member is never stronger (round-off aside where the ranges meet).
                EXPECT_LE(member.GetPhiPn(), previousPhiPn * (1 + 1e-12)) << what << " at L = " << length;
                EXPECT_LE(member.GetPhiMnx(), previousPhiMnx * (1 + 1e-12)) << what << " at L = " << length;
                previousPhiPn = member.GetPhiPn();
                previousPhiMnx = member.GetPhiMnx();
                EXPECT_GE(member.GetCriticalRatio(), member.GetInteractionRatio());
            }
        }
    }
}

TEST(DesignInvariants, RectangularHssOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRectHss>(kShapeRectHss); }

TEST(DesignInvariants, RoundHssOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRoundHss>(kShapeRoundHss); }

TEST(DesignInvariants, PipesOfTheCatalogue) { CheckEveryRowOf<CAiscDesignRoundHss>(kShapePipe); }

TEST(DesignInvariants, SingleAnglesOfTheCatalogue) { CheckEveryRowOf<CAiscDesignL>(kShapeL); }

TEST(DesignInvariants, IShapesOfTheCatalogue)
{
    for (const int code : {kShapeW, kShapeM, kShapeS, kShapeHP}) CheckEveryRowOf<CAiscDesignI>(code);
}

TEST(DesignInvariants, ChannelsOfTheCatalogue)
{
    for (const int code : {kShapeC, kShapeMC}) CheckEveryRowOf<CAiscDesignChannel>(code);
}

TEST(DesignInvariants, TeesOfTheCatalogueWithTheStemInTensionAndInCompression)
{
    for (const int code : {kShapeWT, kShapeMT, kShapeST})
        for (const double mux : {40.0, -40.0}) CheckEveryRowOf<CAiscDesignT>(code, mux);
}

TEST(DesignInvariants, DoubleAnglesOfTheCatalogueWithTheStemInTensionAndInCompression)
{
    for (const double mux : {40.0, -40.0}) CheckEveryRowOf<CAiscDesign2L>(kShape2L, mux);
}

// Fixed-seed random members on every section the factory gives a class to,
// zero forces and lengths among them: each check returns 1 with its shear
// ratios demand over strength and what governs it agreeing with its
// strengths, and the first of each section gives the same numbers printed.
TEST(DesignInvariants, RandomMembersOfEveryClass)
{
    MessageCapture messages;
    std::mt19937_64 rng(0x7EE5);
    const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    // One draw in eight is the least value (zero for lengths) or, for forces, zero.
    const auto draw = [&](double lo, double hi) { return rng() % 8 == 0 ? lo : uniform(lo, hi); };
    const auto force = [&](double largest) { return rng() % 8 == 0 ? 0.0 : uniform(-largest, largest); };
    CSteelDesignManager* manager = CSteelDesignManager::Instance();
    for (const auto& row : CommittedCatalogue().rows) {
        CAiscDesign* design = manager->CreateAiscDesign(std::wstring(row.name.begin(), row.name.end()).c_str());
        if (!design) continue;  // a family without a design class
        for (int run = 0; run < 3; ++run) {
            design->SetGeneralParameters(rng() % 2, rng() % 4);
            const double vux = force(300), vuy = force(300);
            design->SetLoads(force(1500), force(500), force(500), draw(0.4, 1), draw(0.4, 1), vux, vuy);
            design->SetMaterial(draw(30, 120));
            design->SetColumnSlenderness(draw(0.5, 2.5), draw(0.5, 2.5), draw(0, 600), draw(0, 600));
            design->SetColumnSlenderness_Torsional(draw(0.5, 2.5), draw(0, 600));
            design->SetLateralTorsionalProperty(draw(1, 2.3), draw(0, 600));
            design->SetDoubleAngleConnnectorDistance(draw(0, 120));
            design->SetPrintFile(nullptr);
            ASSERT_EQ(design->Calculate(), 1) << row.name;
            EXPECT_DOUBLE_EQ(design->GetVxRatio(), std::abs(vux) / design->GetPhiVnx()) << row.name;
            EXPECT_DOUBLE_EQ(design->GetVyRatio(), std::abs(vuy) / design->GetPhiVny()) << row.name;
            ExpectWhatGovernsIsWhatTheCheckUsed(*design, row.name);
            if (run > 0) continue;
            const std::array<double, 11> silent = Results(*design);
            std::ostringstream report;
            design->SetPrintFile(&report);
            ASSERT_EQ(design->Calculate(), 1) << row.name;
            const std::array<double, 11> printed = Results(*design);
            EXPECT_EQ(std::memcmp(printed.data(), silent.data(), sizeof silent), 0) << row.name;
        }
        manager->DeleteAiscDesign(design);
    }
}

} // namespace
