// The section and input summaries that open every report, byte for byte, on
// records built here so that they do not depend on the catalogue file.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"


namespace {

// One summary item as the report writes it.
std::string Item(const std::string& label, const std::string& value, const std::string& unit)
{
    return label + " = " + value + " " + unit + "; &nbsp\n";
}

const std::string kBlank = "<br/>\n";

class SectionReportTest : public ::testing::Test
{
protected:
    // A record whose common properties are all set, named as given.
    void SetShape(int code, const wchar_t* name)
    {
        design.ShapeCode = code;
        SetSectionName(design.Section, name);
        design.Section.A = 26.5;
        design.Section.Zx = 157;
        design.Section.Sx = 143;
        design.Section.Ix = 999;
        design.Section.rx = 6.14;
        design.Section.Zy = 75.6;
        design.Section.Sy = 49.9;
        design.Section.Iy = 362;
        design.Section.ry = 3.7;
        design.Section.J = 4.06;
    }

    // The name line and A, the opening of every section summary.
    static std::string Opening(const std::string& name) { return "Section " + name + "<br/>\n" + Item("A = Ag", "26.5", "in^2"); }

    // The blank line and the nine items every shape ends with.
    static std::string Closing()
    {
        return kBlank + Item("Zx", "157", "in^3") + Item("Sx", "143", "in^3") + Item("Ix", "999", "in^4") +
               Item("rx", "6.14", "in") + Item("Zy", "75.6", "in^3") + Item("Sy", "49.9", "in^3") +
               Item("Iy", "362", "in^4") + Item("ry", "3.7", "in") + Item("J", "4.06", "in^4");
    }

    std::string Section()
    {
        report.Clear();
        design.PrintSection();
        return report.Text();
    }

    TestDesign design;
    ReportCapture report{design};
};

} // namespace

TEST_F(SectionReportTest, WideFlangeWrittenOut)
{
    SetShape(kShapeW, L"W14X90");
    design.Section.bf = 14.5;
    design.Section.tf = 0.71;
    design.Section.tw = 0.44;
    design.Section.d = 14;
    design.Section.h_tw = 25.9;
    design.Section.Cw = 16000;
    design.Section.h0 = 13.3;
    design.Section.rts = 4.1;
    EXPECT_EQ(Section(),
              "Section W14X90<br/>\n"
              "A = Ag = 26.5 in^2; &nbsp\n"
              "bf = 14.5 in; &nbsp\n"
              "tf = 0.71 in; &nbsp\n"
              "tw = 0.44 in; &nbsp\n"
              "d = 14 in; &nbsp\n"
              "h / tw = 25.9 ; &nbsp\n"
              "Cw = 16000 in^6; &nbsp\n"
              "h0 = 13.3 in; &nbsp\n"
              "rts = 4.1 in; &nbsp\n"
              "<br/>\n"
              "Zx = 157 in^3; &nbsp\n"
              "Sx = 143 in^3; &nbsp\n"
              "Ix = 999 in^4; &nbsp\n"
              "rx = 6.14 in; &nbsp\n"
              "Zy = 75.6 in^3; &nbsp\n"
              "Sy = 49.9 in^3; &nbsp\n"
              "Iy = 362 in^4; &nbsp\n"
              "ry = 3.7 in; &nbsp\n"
              "J = 4.06 in^4; &nbsp\n");
}

TEST_F(SectionReportTest, EveryIShapeFamilySharesTheBlockAndUnitsAreFixed)
{
    // The object's unit texts are for the inputs; section properties are in inches.
    design.LengthUnit = L"mm";
    design.AreaUnit = L"mm^2";
    for (int code : {kShapeW, kShapeM, kShapeS, kShapeHP}) {
        SetShape(code, L"HP12X53");
        design.Section.bf = 12;
        design.Section.tf = 0.435;
        design.Section.tw = 0.435;
        design.Section.d = 11.8;
        design.Section.h_tw = 22.3;
        design.Section.Cw = 4280;
        design.Section.h0 = 11.4;
        design.Section.rts = 3.31;
        EXPECT_EQ(Section(), Opening("HP12X53") + Item("bf", "12", "in") + Item("tf", "0.435", "in") +
                                 Item("tw", "0.435", "in") + Item("d", "11.8", "in") + Item("h / tw", "22.3", "") +
                                 Item("Cw", "4280", "in^6") + Item("h0", "11.4", "in") + Item("rts", "3.31", "in") +
                                 Closing())
            << "shape code " << code;
    }
}

TEST_F(SectionReportTest, ChannelsAddCentroidAndShearCentre)
{
    for (int code : {kShapeC, kShapeMC}) {
        SetShape(code, L"C12X20.7");
        design.Section.bf = 2.94;
        design.Section.tf = 0.501;
        design.Section.tw = 0.282;
        design.Section.d = 12;
        design.Section.h_tw = 37.6;
        design.Section.x = 0.698;
        design.Section.e0 = 0.87;
        design.Section.Cw = 112;
        design.Section.h0 = 11.5;
        design.Section.rts = 0.983;
        EXPECT_EQ(Section(), Opening("C12X20.7") + Item("bf", "2.94", "in") + Item("tf", "0.501", "in") +
                                 Item("tw", "0.282", "in") + Item("d", "12", "in") + Item("h / tw", "37.6", "") +
                                 Item("x", "0.698", "in") + Item("e0", "0.87", "in") + Item("Cw", "112", "in^6") +
                                 Item("h0", "11.5", "in") + Item("rts", "0.983", "in") + Closing())
            << "shape code " << code;
    }
}

TEST_F(SectionReportTest, SingleAngleShowsSwBOnlyWhenItHasOne)
{
    SetShape(kShapeL, L"L6X4X1/2");
    mvSect_AISC& s = design.Section;
    s.b = 6;
    s.d = 4;
    s.t = 0.5;
    s.x = 0.981;
    s.y = 1.98;
    s.r0 = 2.91;
    s.tan_a = 0.44;
    s.Qs = 0.911;
    s.Iw = 20;
    s.SwA = 7.14;
    s.SwB = 14.2;
    s.SwC = 5.04;
    s.SzA = 1.72;
    s.SzB = 2.08;
    s.SzC = 3.71;
    s.Iz = 3.54;
    s.Sz = 1.72;
    s.rz = 0.864;
    s.Cw = 0.843;
    const std::string beforeSwB = Opening("L6X4X1/2") + Item("b", "6", "in") + Item("d", "4", "in") +
                                  Item("t = tf = tw", "0.5", "in") + Item("x", "0.981", "in") +
                                  Item("y", "1.98", "in") + Item("r0", "2.91", "in") + Item("tan(a)", "0.44", "") +
                                  Item("Qs", "0.911", "in") + Item("Iw", "20", "in^4") + Item("SwA", "7.14", "in^3");
    const std::string afterSwB = Item("SwC", "5.04", "in^3") + Item("SzA", "1.72", "in^3") +
                                 Item("SzB", "2.08", "in^3") + Item("SzC", "3.71", "in^3") +
                                 Item("Iz", "3.54", "in^4") + Item("Sz", "1.72", "in^3") + Item("rz", "0.864", "in") +
                                 Item("Cw", "0.843", "in^6") + Closing();
    EXPECT_EQ(Section(), beforeSwB + Item("SwB", "14.2", "in^3") + afterSwB);

    // An equal-leg angle has no SwB.
    s.SwB = 0;
    EXPECT_EQ(Section(), beforeSwB + afterSwB);
    // A negative value is a value.
    s.SwB = -1.5;
    EXPECT_EQ(Section(), beforeSwB + Item("SwB", "-1.5", "in^3") + afterSwB);
}

TEST_F(SectionReportTest, Tees)
{
    for (int code : {kShapeWT, kShapeMT, kShapeST}) {
        SetShape(code, L"WT7X45");
        design.Section.bf = 14.5;
        design.Section.tf = 0.71;
        design.Section.tw = 0.44;
        design.Section.d = 7.01;
        design.Section.y = 1.26;
        design.Section.Cw = 1.94;
        EXPECT_EQ(Section(), Opening("WT7X45") + Item("bf", "14.5", "in") + Item("tf", "0.71", "in") +
                                 Item("tw", "0.44", "in") + Item("d = h", "7.01", "in") + Item("y", "1.26", "in") +
                                 Item("Cw", "1.94", "in^6") + Closing())
            << "shape code " << code;
    }
}

TEST_F(SectionReportTest, DoubleAngleLegsFollowTheirArrangement)
{
    const auto block = [](const std::string& b, const std::string& bf, const std::string& h) {
        return Item("b", b, "in") + Item("bf", bf, "in") + Item("h = d", h, "in") + Item("t = tf = tw", "0.5", "in") +
               Item("y", "1.98", "in") + Item("r0", "2.99", "in") + Item("H", "0.665", "");
    };
    const auto setLegs = [this](const wchar_t* name, double b, double d) {
        SetShape(kShape2L, name);
        design.Section.b = b;
        design.Section.d = d;
        design.Section.t = 0.5;
        design.Section.y = 1.98;
        design.Section.r0 = 2.99;
        design.Section.H = 0.665;
    };

    // Long legs back to back: the short leg is the width.
    setLegs(L"2L6X4X1/2LLBB", 6, 4);
    EXPECT_EQ(Section(), Opening("2L6X4X1/2LLBB") + block("6", "4", "6") + Closing());
    setLegs(L"2L6X4X1/2X3/4LLBB", 4, 6);
    EXPECT_EQ(Section(), Opening("2L6X4X1/2X3/4LLBB") + block("4", "4", "6") + Closing());

    // Otherwise the long leg is.
    setLegs(L"2L6X4X1/2SLBB", 6, 4);
    EXPECT_EQ(Section(), Opening("2L6X4X1/2SLBB") + block("6", "6", "4") + Closing());
    setLegs(L"2L6X4X1/2", 4, 6);
    EXPECT_EQ(Section(), Opening("2L6X4X1/2") + block("4", "6", "4") + Closing());
}

TEST_F(SectionReportTest, RectangularHss)
{
    SetShape(kShapeRectHss, L"HSS8X4X1/2");
    mvSect_AISC& s = design.Section;
    s.b_t = 5.6;
    s.h_t = 14.2;
    s.tdes = 0.465;
    s.b = 2.6;
    s.h = 6.6;
    s.B = 4;
    s.Ht = 8;
    EXPECT_EQ(Section(), Opening("HSS8X4X1/2") + Item("b / t", "5.6", "") + Item("h / t", "14.2", "") +
                             Item("tdes", "0.465", "in") + Item("b", "2.6", "in") + Item("h", "6.6", "in") +
                             Item("B", "4", "in") + Item("Ht", "8", "in") + Closing());
}

TEST_F(SectionReportTest, RoundHssAndPipes)
{
    for (int code : {kShapeRoundHss, kShapePipe}) {
        SetShape(code, L"HSS8.625X0.500");
        design.Section.D_t = 18.5;
        design.Section.tdes = 0.465;
        design.Section.OD = 8.625;
        EXPECT_EQ(Section(), Opening("HSS8.625X0.500") + Item("D / t", "18.5", "") + Item("tdes", "0.465", "in") +
                                 Item("OD", "8.625", "in") + Closing())
            << "shape code " << code;
    }
}

TEST_F(SectionReportTest, UnknownShapeCodesShowNoBlock)
{
    for (int code : {-1, 14, 99}) {
        SetShape(code, L"X1");
        design.Section.bf = 5;
        design.Section.OD = 5;
        design.Section.b_t = 5;
        EXPECT_EQ(Section(), Opening("X1") + Closing()) << "shape code " << code;
    }
}

TEST_F(SectionReportTest, NonAsciiNameIsWrittenAsUtf8)
{
    SetShape(kShapeNone, L"W\u00d8100");
    EXPECT_EQ(Section(), "Section W\xC3\x98" "100<br/>\n" + Item("A = Ag", "26.5", "in^2") + Closing());
}

namespace {

class InputReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        design.SetGeneralParameters(true, true);
        design.SetLoads(150, 80.5, 12, 0.85, 1, 10, 3.5);
        design.SetMaterial(50);
        design.SetLateralTorsionalProperty(1.14, 168);
        design.SetColumnSlenderness(1, 1.2, 180, 90);
        design.SetColumnSlenderness_Torsional(1, 150);
        design.SetDeflectionParameters(240, 360, 0.45, 0.3, 240);
        design.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);
    }

    std::string Input()
    {
        report.Clear();
        design.PrintInput();
        return report.Text();
    }

    // Everything after the method line up to the deflection items.
    static std::string LoadsAndMember()
    {
        return Item("Pu = Pr", "150", "kips") + Item("Mux = Mxr", "80.5", "kip-ft") + Item("Muy = Myr", "12", "kip-ft") +
               Item("Cmx", "0.85", "") + Item("Cmy", "1", "") + Item("Vux", "10", "kips") + Item("Vuy", "3.5", "kips") +
               kBlank + Item("Fy", "50", "ksi") + Item("Cb", "1.14", "") + Item("Lb", "14", "ft") + Item("Kx", "1", "") +
               Item("Ky", "1.2", "") + Item("Kz", "1", "") + Item("Lx", "15", "ft") + Item("Ly", "7.5", "ft") +
               Item("Lz", "12.5", "ft");
    }

    TestDesign design;
    ReportCapture report{design};
};

} // namespace

TEST_F(InputReportTest, WrittenOutWithDeflections)
{
    EXPECT_EQ(Input(),
              "<br/>\n"
              "Using Direct Design Method; Consider Multiplier B1 for P-&delta; Effect<br/>\n"
              "Pu = Pr = 150 kips; &nbsp\n"
              "Mux = Mxr = 80.5 kip-ft; &nbsp\n"
              "Muy = Myr = 12 kip-ft; &nbsp\n"
              "Cmx = 0.85 ; &nbsp\n"
              "Cmy = 1 ; &nbsp\n"
              "Vux = 10 kips; &nbsp\n"
              "Vuy = 3.5 kips; &nbsp\n"
              "<br/>\n"
              "Fy = 50 ksi; &nbsp\n"
              "Cb = 1.14 ; &nbsp\n"
              "Lb = 14 ft; &nbsp\n"
              "Kx = 1 ; &nbsp\n"
              "Ky = 1.2 ; &nbsp\n"
              "Kz = 1 ; &nbsp\n"
              "Lx = 15 ft; &nbsp\n"
              "Ly = 7.5 ft; &nbsp\n"
              "Lz = 12.5 ft; &nbsp\n"
              "Total Dy = 0.45 in; &nbsp\n"
              "Live Dy = 0.3 in; &nbsp\n"
              "L = 20 ft; &nbsp\n"
              "Total Deflection Denominator = 240 ; &nbsp\n"
              "Live Deflection Denominator = 360 ; &nbsp\n"
              "Deflection Adjustment Ratio 1.25 (Analysis Section W14X82, Ix = 881 in^4)\n"
              "<br/>\n");
}

TEST_F(InputReportTest, MethodLineForEachCombination)
{
    design.SetDeflectionParameters(0, 0, 0, 0, 0);
    const auto expected = [](const char* method) {
        return kBlank + method + "<br/>\n" + LoadsAndMember() + kBlank;
    };
    design.SetGeneralParameters(true, false);
    EXPECT_EQ(Input(), expected("Using Direct Design Method; Do Not Consider Multiplier B1 for P-&delta; Effect"));
    design.SetGeneralParameters(false, true);
    EXPECT_EQ(Input(), expected("Using Effective Length Method; Consider Multiplier B1 for P-&delta; Effect"));
    design.SetGeneralParameters(false, false);
    EXPECT_EQ(Input(), expected("Using Effective Length Method; Do Not Consider Multiplier B1 for P-&delta; Effect"));
    design.SetGeneralParameters(true, true);
    EXPECT_EQ(Input(), expected("Using Direct Design Method; Consider Multiplier B1 for P-&delta; Effect"));
}

TEST_F(InputReportTest, DeflectionsNeedBothDenominators)
{
    const std::string withoutDeflections = kBlank +
                                           "Using Direct Design Method; Consider Multiplier B1 for P-&delta; Effect<br/>\n" +
                                           LoadsAndMember() + kBlank;
    design.SetDeflectionParameters(240, 0, 0.45, 0.3, 240);
    EXPECT_EQ(Input(), withoutDeflections);
    design.SetDeflectionParameters(0, 360, 0.45, 0.3, 240);
    EXPECT_EQ(Input(), withoutDeflections);
    design.SetDeflectionParameters(-240, 360, 0.45, 0.3, 240);
    EXPECT_NE(Input().find("Total Deflection Denominator = -240 ; &nbsp\n"), std::string::npos);
}

TEST_F(InputReportTest, UsesTheObjectsUnitsAndFootLength)
{
    design.MomentUnit = L"kN-m";
    design.ForceUnit = L"kN";
    design.StressUnit = L"MPa";
    design.LengthUnit = L"mm";
    design.LongLengthUnit = L"m";
    design.InchesPerFoot = 1000;
    design.SetLoads(150, 80.5, 12, 0.85, 1, 10, 3.5);
    design.SetColumnSlenderness(1, 1.2, 4500, 3000);
    design.SetColumnSlenderness_Torsional(1, 2500);
    design.SetLateralTorsionalProperty(1, 6000);
    design.SetDeflectionParameters(240, 360, 12.5, 8, 9000);
    design.SetDeflectionAdjustmentRatio(1.0 / 3, L"", 1234567);
    EXPECT_EQ(Input(), kBlank + "Using Direct Design Method; Consider Multiplier B1 for P-&delta; Effect<br/>\n" +
                           Item("Pu = Pr", "150", "kN") + Item("Mux = Mxr", "80.5", "kN-m") +
                           Item("Muy = Myr", "12", "kN-m") + Item("Cmx", "0.85", "") + Item("Cmy", "1", "") +
                           Item("Vux", "10", "kN") + Item("Vuy", "3.5", "kN") + kBlank + Item("Fy", "50", "MPa") +
                           Item("Cb", "1", "") + Item("Lb", "6", "m") + Item("Kx", "1", "") + Item("Ky", "1.2", "") +
                           Item("Kz", "1", "") + Item("Lx", "4.5", "m") + Item("Ly", "3", "m") +
                           Item("Lz", "2.5", "m") + Item("Total Dy", "12.5", "mm") + Item("Live Dy", "8", "mm") +
                           Item("L", "9", "m") + Item("Total Deflection Denominator", "240", "") +
                           Item("Live Deflection Denominator", "360", "") +
                           "Deflection Adjustment Ratio 0.333333 (Analysis Section , Ix = 1.23457e+06 in^4)\n" +
                           kBlank);
}

TEST_F(InputReportTest, AnalysisSectionNameIsWrittenAsUtf8)
{
    design.SetDeflectionAdjustmentRatio(2, L"\u00c9-1", 10);
    EXPECT_NE(Input().find("Deflection Adjustment Ratio 2 (Analysis Section \xC3\x89-1, Ix = 10 in^4)\n<br/>\n"),
              std::string::npos);
}

TEST(SummaryPrintingOffTest, NothingWrittenNorAllocated)
{
    TestDesign design;
    ReportCapture report(design);
    design.ShapeCode = kShape2L;
    SetSectionName(design.Section, L"2L6X4X1/2LLBB");
    design.SetDeflectionParameters(240, 360, 0.45, 0.3, 240);
    design.SetDeflectionAdjustmentRatio(1.25, L"W14X82", 881);

    design.SetPrint(false);
    const long before = AllocationCount();
    design.PrintSection();
    design.PrintInput();
    const long after = AllocationCount();
    EXPECT_EQ(after, before);
    EXPECT_EQ(report.Text(), "");

    // No stream at all: the same.
    design.SetPrint(true);
    design.SetPrintFile(nullptr);
    const long before2 = AllocationCount();
    design.PrintSection();
    design.PrintInput();
    EXPECT_EQ(AllocationCount(), before2);
    EXPECT_EQ(report.Text(), "");

    // The counter does see the allocations of a report being written.
    design.SetPrintFile(&report.Stream());
    const long before3 = AllocationCount();
    design.PrintInput();
    EXPECT_GT(AllocationCount(), before3);
}
