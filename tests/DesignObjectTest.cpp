// The design object's state: defaults, setters, results, copies, and reading
// a section from the catalogue file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "TestSupport.h"

namespace fs = std::filesystem;

TEST(DesignObjectTest, Defaults)
{
    const TestDesign design;
    EXPECT_EQ(design.Kx, 1.0);
    EXPECT_EQ(design.Ky, 1.0);
    EXPECT_EQ(design.Kz, 1.0);
    EXPECT_EQ(design.Cb, 1.0);
    EXPECT_EQ(design.Cmx, 1.0);
    EXPECT_EQ(design.Cmy, 1.0);
    EXPECT_EQ(design.GetB1x(), 1.0);
    EXPECT_EQ(design.GetB1y(), 1.0);
    EXPECT_EQ(design.KLrLimit, 200.0);
    EXPECT_EQ(design.E, 29000.0);
    EXPECT_EQ(design.G, 11200.0);
    EXPECT_EQ(design.Pi, 3.14159265);  // this constant, not M_PI: results depend on it
    EXPECT_EQ(design.InchesPerFoot, 12.0);
    EXPECT_TRUE(design.PrintEnabled);
    EXPECT_EQ(design.PrintFile, nullptr);
    EXPECT_FALSE(design.IsPrinting());
    EXPECT_EQ(design.GetErrorCode(), 0);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_EQ(design.MomentUnit, L"kip-ft");
    EXPECT_EQ(design.ForceUnit, L"kips");
    EXPECT_EQ(design.StressUnit, L"ksi");
    EXPECT_EQ(design.LengthUnit, L"in");
    EXPECT_EQ(design.LongLengthUnit, L"ft");
    EXPECT_EQ(design.AreaUnit, L"in^2");
    EXPECT_EQ(design.DeflectionAdjustmentRatio, 1.0);
    // No deflection check unless asked for.
    EXPECT_EQ(design.TotalDeflectionDenominator, 0.0);
    EXPECT_EQ(design.LiveDeflectionDenominator, 0.0);
    // Nothing computed yet.
    EXPECT_EQ(design.GetPhiPn(), 0.0);
    EXPECT_EQ(design.GetInteractionRatio(), 0.0);
    EXPECT_EQ(design.GetCriticalRatio(), 0.0);
}

TEST(DesignObjectTest, SettersStoreTheirArgumentsInOrder)
{
    TestDesign design;
    design.SetGeneralParameters(false, true);
    EXPECT_FALSE(design.DirectAnalysis);
    EXPECT_TRUE(design.ConsiderB1);
    design.SetGeneralParameters(true, false);
    EXPECT_TRUE(design.DirectAnalysis);
    EXPECT_FALSE(design.ConsiderB1);

    design.SetLoads(10, 20, 30, 0.85, 0.6, 5, 7);
    EXPECT_EQ(design.Pu, 10);
    EXPECT_EQ(design.Mux, 20);
    EXPECT_EQ(design.Muy, 30);
    EXPECT_EQ(design.Cmx, 0.85);
    EXPECT_EQ(design.Cmy, 0.6);
    EXPECT_EQ(design.Vux, 5);
    EXPECT_EQ(design.Vuy, 7);

    design.SetMaterial(50);
    EXPECT_EQ(design.Fy, 50);

    design.SetLateralTorsionalProperty(1.14, 168);
    EXPECT_EQ(design.Cb, 1.14);
    EXPECT_EQ(design.Lb, 168);

    design.SetColumnSlenderness(1.2, 0.8, 144, 96);
    EXPECT_EQ(design.Kx, 1.2);
    EXPECT_EQ(design.Ky, 0.8);
    EXPECT_EQ(design.Lx, 144);
    EXPECT_EQ(design.Ly, 96);

    design.SetColumnSlenderness_Torsional(0.7, 120);
    EXPECT_EQ(design.Kz, 0.7);
    EXPECT_EQ(design.Lz, 120);

    design.SetDoubleAngleConnnectorDistance(24);
    EXPECT_EQ(design.ConnectorDistance, 24);

    design.SetDeflectionParameters(240, 360, 0.45, 0.3, 288);
    EXPECT_EQ(design.TotalDeflectionDenominator, 240);
    EXPECT_EQ(design.LiveDeflectionDenominator, 360);
    EXPECT_EQ(design.TotalDy, 0.45);
    EXPECT_EQ(design.LiveDy, 0.3);
    EXPECT_EQ(design.L, 288);

    design.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);
    EXPECT_EQ(design.DeflectionAdjustmentRatio, 1.25);
    EXPECT_EQ(design.AnalysisSectionName, L"W14X82");
    EXPECT_EQ(design.AnalysisSectionIx, 881);
    design.SetDeflectionAdjustmentRatio(1, nullptr, 0);
    EXPECT_TRUE(design.AnalysisSectionName.IsEmpty());

    std::ostringstream stream;
    design.SetPrintFile(&stream);
    EXPECT_EQ(design.PrintFile, &stream);
    EXPECT_TRUE(design.IsPrinting());
    design.SetPrint(false);
    EXPECT_FALSE(design.PrintEnabled);
    EXPECT_FALSE(design.IsPrinting());
}

TEST(DesignObjectTest, CriticalRatioIsTheLargestOfTheThree)
{
    TestDesign design;
    const auto critical = [&design](double interaction, double vx, double vy) {
        design.InteractionRatio = interaction;
        design.VxRatio = vx;
        design.VyRatio = vy;
        return design.GetCriticalRatio();
    };
    EXPECT_EQ(critical(0.5, 0.7, 0.2), 0.7);
    EXPECT_EQ(critical(0.9, 0.7, 0.2), 0.9);
    EXPECT_EQ(critical(0.1, 0.2, 0.3), 0.3);
    EXPECT_EQ(critical(1.5, 1.5, 0.0), 1.5);
    EXPECT_EQ(critical(2.0, 0.0, 0.0), 2.0);
}

namespace {

// Results, an error and inputs on an object, as after a check.
void FillAfterACheck(TestDesign& design)
{
    design.SetLoads(10, 20, 30, 0.85, 0.6, 5, 7);
    design.SetMaterial(50);
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

} // namespace

TEST(DesignObjectTest, ResetResultClearsResultsOnly)
{
    TestDesign design;
    FillAfterACheck(design);
    design.ResetResult();

    EXPECT_EQ(design.GetPhiPn(), 0.0);
    EXPECT_EQ(design.GetPhiMnx(), 0.0);
    EXPECT_EQ(design.GetPhiMny(), 0.0);
    EXPECT_EQ(design.GetPhiVnx(), 0.0);
    EXPECT_EQ(design.GetPhiVny(), 0.0);
    EXPECT_EQ(design.GetInteractionRatio(), 0.0);
    EXPECT_EQ(design.GetVxRatio(), 0.0);
    EXPECT_EQ(design.GetVyRatio(), 0.0);
    EXPECT_EQ(design.GetB1x(), 1.0);
    EXPECT_EQ(design.GetB1y(), 1.0);

    EXPECT_EQ(design.GetErrorCode(), 4);
    EXPECT_EQ(design.Pu, 10);
    EXPECT_EQ(design.Mux, 20);
    EXPECT_EQ(design.Fy, 50);
    EXPECT_EQ(design.ShapeCode, kShapeW);
    EXPECT_EQ(design.Section.A, 26.5);
    EXPECT_EQ(GetSectionName(design.Section), L"W14X90");
}

TEST(DesignObjectTest, CopiesCarryEverything)
{
    TestDesign original;
    FillAfterACheck(original);
    original.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);
    original.ForceUnit = L"kN";
    ReportCapture report(original);

    const auto expectSameAsOriginal = [](const TestDesign& copy) {
        EXPECT_EQ(copy.Pu, 10);
        EXPECT_EQ(copy.Cmy, 0.6);
        EXPECT_EQ(copy.Fy, 50);
        EXPECT_EQ(copy.ShapeCode, kShapeW);
        EXPECT_EQ(copy.Section.A, 26.5);
        EXPECT_EQ(GetSectionName(copy.Section), L"W14X90");
        EXPECT_EQ(copy.GetPhiPn(), 900);
        EXPECT_EQ(copy.GetPhiVny(), 300);
        EXPECT_EQ(copy.GetInteractionRatio(), 0.8);
        EXPECT_EQ(copy.GetB1x(), 1.2);
        EXPECT_EQ(copy.GetB1y(), 1.05);
        EXPECT_EQ(copy.GetErrorCode(), 4);
        EXPECT_EQ(copy.AnalysisSectionName, L"W14X82");
        EXPECT_EQ(copy.ForceUnit, L"kN");
    };

    TestDesign constructed(original);
    expectSameAsOriginal(constructed);
    EXPECT_EQ(constructed.PrintFile, original.PrintFile);

    TestDesign assigned;
    assigned = original;
    expectSameAsOriginal(assigned);
    EXPECT_EQ(assigned.PrintFile, original.PrintFile);

    // The copy writes to the same report; its texts are its own.
    constructed.Print(L"from the copy");
    EXPECT_EQ(report.Text(), "from the copy\n");
    original.AnalysisSectionName = L"changed";
    original.Section.A = 1;
    EXPECT_EQ(constructed.AnalysisSectionName, L"W14X82");
    EXPECT_EQ(assigned.Section.A, 26.5);
}

namespace {

// The catalogue file that the build places beside the test program.
bool CatalogueBesideTheExecutable()
{
    return fs::is_regular_file(ToNativePath(GetExecutablePath() + L"aisc14u.tbl"));
}

} // namespace

TEST(DesignObjectSectionTest, KnownNameFillsTheSection)
{
    ASSERT_TRUE(CatalogueBesideTheExecutable()) << "aisc14u.tbl is missing beside the test program";
    MessageCapture messages;
    TestDesign design;
    EXPECT_EQ(design.SetSection(L"W14X90"), kShapeW);
    EXPECT_EQ(design.ShapeCode, kShapeW);
    EXPECT_EQ(GetSectionName(design.Section), L"W14X90");
    EXPECT_DOUBLE_EQ(design.Section.A, 26.5);
    EXPECT_DOUBLE_EQ(design.Section.d, 14.0);
    EXPECT_DOUBLE_EQ(design.Section.bf, 14.5);
    EXPECT_DOUBLE_EQ(design.Section.tw, 0.44);
    EXPECT_DOUBLE_EQ(design.Section.tf, 0.71);
    EXPECT_DOUBLE_EQ(design.Section.Ix, 999);
    EXPECT_DOUBLE_EQ(design.Section.Zx, 157);
    EXPECT_DOUBLE_EQ(design.Section.Iy, 362);

    // Any case; another family.
    EXPECT_EQ(design.SetSection(L"l4x4x1/2"), kShapeL);
    EXPECT_EQ(design.ShapeCode, kShapeL);
    EXPECT_EQ(GetSectionName(design.Section), L"L4X4X1/2");
    EXPECT_DOUBLE_EQ(design.Section.A, 3.75);
    EXPECT_TRUE(messages.Debug.empty());
    EXPECT_TRUE(messages.Boxes.empty());
}

TEST(DesignObjectSectionTest, UnknownNameClearsTheShapeCodeAndTellsTheDebugger)
{
    ASSERT_TRUE(CatalogueBesideTheExecutable()) << "aisc14u.tbl is missing beside the test program";
    MessageCapture messages;
    TestDesign design;
    ASSERT_EQ(design.SetSection(L"W14X90"), kShapeW);
    EXPECT_EQ(design.SetSection(L"W14X91"), -1);
    EXPECT_EQ(design.ShapeCode, -1);
    ASSERT_EQ(messages.Debug.size(), 1u);
    EXPECT_EQ(messages.Debug[0], "Invalid section W14X91");

    EXPECT_EQ(design.SetSection(L""), -1);
    ASSERT_EQ(messages.Debug.size(), 2u);
    EXPECT_EQ(messages.Debug[1], "Invalid section ");
}

TEST(DesignObjectSectionTest, GetSectionLeavesTheObjectAlone)
{
    ASSERT_TRUE(CatalogueBesideTheExecutable()) << "aisc14u.tbl is missing beside the test program";
    TestDesign design;
    mvSect_AISC section;
    EXPECT_EQ(design.GetSection(section, L"W14X90"), kShapeW);
    EXPECT_DOUBLE_EQ(section.A, 26.5);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_EQ(design.Section.A, 0.0);
}

TEST(DesignObjectSectionTest, MissingCatalogueIsAnUnknownSection)
{
    const fs::path empty = fs::temp_directory_path() / ("zorsteel-empty-" + std::to_string(::getpid()));
    fs::create_directories(empty);
    SetExecutablePath(empty.wstring().c_str());

    MessageCapture messages;
    TestDesign design;
    design.ShapeCode = kShapeW;
    const int code = design.SetSection(L"W14X90");
    mvSect_AISC section;
    const int lookedUp = design.GetSection(section, L"W14X90");

    SetExecutablePath(nullptr);
    fs::remove_all(empty);

    EXPECT_EQ(code, -1);
    EXPECT_EQ(lookedUp, -1);
    EXPECT_EQ(design.ShapeCode, -1);
    EXPECT_FALSE(messages.Debug.empty());
}
