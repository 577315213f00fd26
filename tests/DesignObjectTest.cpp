// The design object's state: defaults, setters, results, copies, and reading
// a section from the catalogue file.
#include <gtest/gtest.h>

#include <stdexcept>

#include <array>
#include <string>

#include "TestSupport.h"

namespace {

// A value read off the object, with what it should be.
struct Expected
{
    const char* name;
    double actual, expected;
};

void ExpectAll(std::initializer_list<Expected> values)
{
    for (const Expected& value : values) EXPECT_EQ(value.actual, value.expected) << value.name;
}

} // namespace

TEST(DesignObjectTest, Defaults)
{
    const TestDesign design;
    ExpectAll({{"Kx", design.Kx, 1}, {"Ky", design.Ky, 1}, {"Kz", design.Kz, 1}, {"Cb", design.Cb, 1},
               {"Cmx", design.Cmx, 1}, {"Cmy", design.Cmy, 1}, {"B1x", design.GetB1x(), 1}, {"B1y", design.GetB1y(), 1},
               {"KLrLimit", design.KLrLimit, 200}, {"E", design.E, 29000}, {"G", design.G, 11200},
               {"Pi", design.Pi, 3.14159265},  // this constant, not M_PI: results depend on it
               {"InchesPerFoot", design.InchesPerFoot, 12},
               {"DeflectionAdjustmentRatio", design.DeflectionAdjustmentRatio, 1},
               // No deflection check unless asked for, and nothing computed yet.
               {"TotalDeflectionDenominator", design.TotalDeflectionDenominator, 0},
               {"LiveDeflectionDenominator", design.LiveDeflectionDenominator, 0}, {"PhiPn", design.GetPhiPn(), 0},
               {"CriticalRatio", design.GetCriticalRatio(), 0}, {"ErrorCode", double(design.GetErrorCode()), 0},
               {"ShapeCode", double(design.ShapeCode), -1}});
    EXPECT_TRUE(design.PrintEnabled && design.PrintFile == nullptr && !design.IsPrinting());
    const std::pair<const CString&, const wchar_t*> units[] = {
        {design.MomentUnit, L"kip-ft"}, {design.ForceUnit, L"kips"},     {design.StressUnit, L"ksi"},
        {design.LengthUnit, L"in"},     {design.LongLengthUnit, L"ft"}, {design.AreaUnit, L"in^2"},
    };
    for (const auto& [unit, text] : units) EXPECT_EQ(unit, text);
}

TEST(DesignObjectTest, SettersStoreTheirArgumentsInOrder)
{
    TestDesign design;
    design.SetGeneralParameters(false, true);
    EXPECT_TRUE(!design.DirectAnalysis && design.ConsiderB1);
    design.SetGeneralParameters(true, false);
    EXPECT_TRUE(design.DirectAnalysis && !design.ConsiderB1);

    design.SetLoads(10, 20, 30, 0.85, 0.6, 5, 7);
    design.SetMaterial(50);
    design.SetLateralTorsionalProperty(1.14, 168);
    design.SetColumnSlenderness(1.2, 0.8, 144, 96);
    design.SetColumnSlenderness_Torsional(0.7, 120);
    design.SetDoubleAngleConnnectorDistance(24);
    design.SetDeflectionParameters(240, 360, 0.45, 0.3, 288);
    design.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);
    ExpectAll({{"Pu", design.Pu, 10},           {"Mux", design.Mux, 20},      {"Muy", design.Muy, 30},
               {"Cmx", design.Cmx, 0.85},       {"Cmy", design.Cmy, 0.6},     {"Vux", design.Vux, 5},
               {"Vuy", design.Vuy, 7},          {"Fy", design.Fy, 50},        {"Cb", design.Cb, 1.14},
               {"Lb", design.Lb, 168},          {"Kx", design.Kx, 1.2},       {"Ky", design.Ky, 0.8},
               {"Lx", design.Lx, 144},          {"Ly", design.Ly, 96},        {"Kz", design.Kz, 0.7},
               {"Lz", design.Lz, 120},          {"ConnectorDistance", design.ConnectorDistance, 24},
               {"TotalDeflectionDenominator", design.TotalDeflectionDenominator, 240},
               {"LiveDeflectionDenominator", design.LiveDeflectionDenominator, 360},
               {"TotalDy", design.TotalDy, 0.45}, {"LiveDy", design.LiveDy, 0.3}, {"L", design.L, 288},
               {"DeflectionAdjustmentRatio", design.DeflectionAdjustmentRatio, 1.25},
               {"AnalysisSectionIx", design.AnalysisSectionIx, 881}});
    EXPECT_EQ(design.AnalysisSectionName, L"W14X82");
    design.SetDeflectionAdjustmentRatio(1, nullptr, 0);
    EXPECT_TRUE(design.AnalysisSectionName.IsEmpty());
}

TEST(DesignObjectTest, CriticalRatioIsTheLargestOfTheThree)
{
    TestDesign design;
    for (const auto& [interaction, vx, vy, critical] :
         {std::array{0.5, 0.7, 0.2, 0.7}, {0.9, 0.7, 0.2, 0.9}, {0.1, 0.2, 0.3, 0.3}, {1.5, 1.5, 0.0, 1.5}}) {
        design.InteractionRatio = interaction;
        design.VxRatio = vx;
        design.VyRatio = vy;
        EXPECT_EQ(design.GetCriticalRatio(), critical) << interaction << ", " << vx << ", " << vy;
    }
}

namespace {

// Results, an error and inputs on an object, as after a check.
void FillAfterACheck(TestDesign& design)
{
    design.SetLoads(10, 20, 30, 0.85, 0.6, 5, 7);
    design.SetMaterial(50);
    design.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);
    design.ForceUnit = L"kN";
    design.ShapeCode = kShapeW;
    design.Section.A = 26.5;
    SetSectionName(design.Section, L"W14X90");
    design.PhiPn = 900;
    design.PhiMnx = 500;
    design.PhiMny = 200;
    design.PhiVnx = 150;
    design.PhiVny = 300;
    design.InteractionRatio = 0.8;
    design.VxRatio = 0.4;
    design.VyRatio = 0.1;
    design.B1x = 1.2;
    design.B1y = 1.05;
    design.ErrorCode = 4;
}

// The inputs, section and error that FillAfterACheck set.
void ExpectInputsOfACheck(const TestDesign& design)
{
    ExpectAll({{"Pu", design.Pu, 10}, {"Cmy", design.Cmy, 0.6}, {"Fy", design.Fy, 50}, {"A", design.Section.A, 26.5},
               {"ShapeCode", double(design.ShapeCode), kShapeW}, {"ErrorCode", double(design.GetErrorCode()), 4}});
    EXPECT_EQ(GetSectionName(design.Section), L"W14X90");
    EXPECT_EQ(design.AnalysisSectionName, L"W14X82");
    EXPECT_EQ(design.ForceUnit, L"kN");
}

} // namespace

TEST(DesignObjectTest, ResetResultClearsResultsOnly)
{
    TestDesign design;
    FillAfterACheck(design);
    design.ResetResult();
    ExpectAll({{"PhiPn", design.GetPhiPn(), 0}, {"PhiMnx", design.GetPhiMnx(), 0}, {"PhiMny", design.GetPhiMny(), 0},
               {"PhiVnx", design.GetPhiVnx(), 0}, {"PhiVny", design.GetPhiVny(), 0},
               {"InteractionRatio", design.GetInteractionRatio(), 0}, {"VxRatio", design.GetVxRatio(), 0},
               {"VyRatio", design.GetVyRatio(), 0}, {"B1x", design.GetB1x(), 1}, {"B1y", design.GetB1y(), 1}});
    ExpectInputsOfACheck(design);
}

TEST(DesignObjectTest, CopiesCarryEverythingAndShareTheReport)
{
    TestDesign original;
    FillAfterACheck(original);
    ReportCapture report(original);
    TestDesign constructed(original);
    TestDesign assigned;
    assigned = original;
    for (const TestDesign* copy : {&constructed, &assigned}) {
        ExpectInputsOfACheck(*copy);
        ExpectAll({{"PhiPn", copy->GetPhiPn(), 900}, {"PhiVny", copy->GetPhiVny(), 300},
                   {"InteractionRatio", copy->GetInteractionRatio(), 0.8}, {"B1x", copy->GetB1x(), 1.2},
                   {"B1y", copy->GetB1y(), 1.05}});
        EXPECT_EQ(copy->PrintFile, original.PrintFile);
    }

    // The copy writes to the same report; its texts are its own.
    constructed.Print(L"from the copy");
    EXPECT_EQ(report.Text(), "from the copy\n");
    original.AnalysisSectionName = L"changed";
    original.Section.A = 1;
    EXPECT_EQ(constructed.AnalysisSectionName, L"W14X82");
    EXPECT_EQ(assigned.Section.A, 26.5);
}

TEST(DesignObjectSectionTest, SetSectionReadsTheCatalogueBesideTheExecutableInAnyCase)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ToNativePath(GetExecutablePath() + L"aisc14u.tbl")))
        << "aisc14u.tbl is missing beside the test program";
    MessageCapture messages;
    TestDesign design;
    EXPECT_EQ(design.SetSection(L"W14X90"), kShapeW);
    EXPECT_EQ(design.ShapeCode, kShapeW);
    EXPECT_EQ(design.Section.Iy, 362);
    EXPECT_EQ(design.SetSection(L"l4x4x1/2"), kShapeL);
    EXPECT_EQ(design.ShapeCode, kShapeL);
    EXPECT_EQ(GetSectionName(design.Section), L"L4X4X1/2");
    EXPECT_EQ(design.Section.A, 3.75);
    EXPECT_TRUE(messages.Debug.empty() && messages.Boxes.empty());

    // GetSection reads into the caller's record only.
    mvSect_AISC section;
    EXPECT_EQ(design.GetSection(section, L"W14X90"), kShapeW);
    EXPECT_EQ(section.A, 26.5);
    EXPECT_EQ(design.ShapeCode, kShapeL);
    EXPECT_EQ(design.Section.A, 3.75);

    // An unknown name clears the shape code and tells the debugger.
    EXPECT_EQ(design.SetSection(L"W14X91"), -1);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_EQ(design.SetSection(L""), -1);
    const std::vector<std::string> expected = {"Invalid section W14X91", "Invalid section "};
    EXPECT_EQ(messages.Debug, expected);
}

TEST(DesignObjectSectionTest, HandlerThatThrowsDoesNotReachTheHost)
{
    const MessageHandler previous = SetDebugOutputHandler([](const wchar_t*) { throw std::runtime_error("host"); });
    TestDesign design;
    EXPECT_NO_THROW(EXPECT_EQ(design.SetSection(L"NOT-A-SECTION"), -1));
    SetDebugOutputHandler(previous);
}
