// Sections of the host's own: SetSection(record, shapeCode) takes a record
// the host made when the object's class checks its family and the properties
// the class reads are finite and above 0; a catalogue row so given checks to
// the bit as by name. The manager gives a row with its shape code.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

void SetInputs(CAiscDesign& d, double pu)
{
    d.SetPrint(false);
    d.SetMaterial(50);
    d.SetLoads(pu, 20, 5, 0.85, 0.85, 10, 3);
    d.SetColumnSlenderness(1, 1, 144, 144);
    d.SetColumnSlenderness_Torsional(1, 144);
    d.SetLateralTorsionalProperty(1.1, 144);
    d.SetDoubleAngleConnectorDistance(24);
}

// Every third catalogue row of every family with a design class, in
// compression and in tension: the record and its code give what the name gives.
TEST(HostSection, ACatalogueRowGivenAsARecordChecksAsByName)
{
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    int checked = 0;
    const auto& rows = CommittedCatalogue().rows;
    for (std::size_t i = 0; i < rows.size(); i += 3) {
        const std::wstring name(rows[i].name.begin(), rows[i].name.end());
        const std::unique_ptr<CAiscDesign> byName(manager.CreateAiscDesign(name.c_str()));
        if (!byName) continue;  // a family without a design class
        const std::unique_ptr<CAiscDesign> byRecord(manager.CreateAiscDesign(name.c_str()));
        mvDesignSect_AISC row;
        ASSERT_TRUE(manager.GetAiscSection(row, name.c_str())) << rows[i].name;
        ASSERT_EQ(row.ShapeCode, rows[i].code) << rows[i].name;
        ASSERT_EQ(byRecord->SetSection(row.Section, row.ShapeCode), row.ShapeCode) << rows[i].name;
        for (const double pu : {60.0, -60.0}) {
            SetInputs(*byName, pu);
            SetInputs(*byRecord, pu);
            byName->Calculate();
            byRecord->Calculate();
            EXPECT_EQ(ReadDesign(*byRecord), ReadDesign(*byName)) << rows[i].name << " Pu " << pu;
        }
        ++checked;
    }
    EXPECT_GT(checked, 600);
}

// Records the class cannot vouch for are refused, with the property named,
// ShapeCode -1 (so the verdict is NG) and the record the object held kept.
TEST(HostSection, ARecordOfAnotherFamilyOrWithoutAPropertyIsRefusedByName)
{
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    const auto row = [&](const wchar_t* name) {
        mvDesignSect_AISC found;
        EXPECT_TRUE(manager.GetAiscSection(found, name));
        return found;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char* what;
        const wchar_t* section;
        int classCode;  // the design class the object is, by a code it checks
        int givenCode;
        double mvSect_AISC::*field;
        double value;
        const char* told;  // the debugger's notice after "not set: "; empty: accepted
    } cases[] = {
        {"an I-shape as given", L"W14X90", kShapeW, kShapeW, nullptr, 0, ""},
        {"an I-shape of code HP", L"W14X90", kShapeW, kShapeHP, nullptr, 0, ""},
        {"a channel to the I-shape class", L"C10X15.3", kShapeW, kShapeC, nullptr, 0,
         "shape code 4 is not a family this design class checks"},
        {"a W to the channel class", L"W14X90", kShapeC, kShapeW, nullptr, 0,
         "shape code 0 is not a family this design class checks"},
        {"a double angle to the single-angle class", L"2L4X3X3/8LLBB", kShapeL, kShape2L, nullptr, 0,
         "shape code 10 is not a family this design class checks"},
        {"code 14", L"W14X90", kShapeW, kShapeOther, nullptr, 0, "shape code 14 is not a family this design class checks"},
        {"Ix not a number", L"W14X90", kShapeW, kShapeW, &mvSect_AISC::Ix, nan, "Ix = nan is not a finite number above 0"},
        {"A negative", L"HSS8X4X1/2", kShapeRectHss, kShapeRectHss, &mvSect_AISC::A, -1,
         "A = -1 is not a finite number above 0"},
        {"J of a tee 0", L"WT7X26.5", kShapeWT, kShapeWT, &mvSect_AISC::J, 0, "J = 0 is not a finite number above 0"},
        {"Zx of a pipe infinite", L"Pipe8STD", kShapePipe, kShapePipe, &mvSect_AISC::Zx, inf,
         "Zx = inf is not a finite number above 0"},
        {"r0 of a double angle 0", L"2L4X3X3/8LLBB", kShape2L, kShape2L, &mvSect_AISC::r0, 0,
         "r0 = 0 is not a finite number above 0"},
        {"SwB of an angle 0", L"L4X3X3/8", kShapeL, kShapeL, &mvSect_AISC::SwB, 0, ""},
        {"SwB of an angle negative", L"L4X3X3/8", kShapeL, kShapeL, &mvSect_AISC::SwB, -0.5,
         "SwB = -0.5 is not a finite number of at least 0"},
        {"tan_a of an angle not a number", L"L4X3X3/8", kShapeL, kShapeL, &mvSect_AISC::tan_a, nan,
         "tan_a = nan is not a finite number above 0"},
    };
    for (const auto& c : cases) {
        MessageCapture messages;
        mvDesignSect_AISC given = row(c.section);
        if (c.field) given.Section.*c.field = c.value;
        // An object of the class, made for a section of that class's family.
        const wchar_t* own = c.classCode == kShapeW ? L"W8X10"
                             : c.classCode == kShapeC ? L"C10X15.3"
                             : c.classCode == kShapeL ? L"L4X3X3/8"
                                                      : c.section;
        std::unique_ptr<CAiscDesign> design(manager.CreateAiscDesign(own));
        ASSERT_TRUE(design) << c.what;
        const mvSect_AISC before = design->GetSectionRecord();
        const int code = design->SetSection(given.Section, c.givenCode);
        if (*c.told == '\0') {
            EXPECT_EQ(code, c.givenCode) << c.what;
            EXPECT_EQ(design->GetShapeCode(), c.givenCode) << c.what;
            EXPECT_TRUE(messages.Debug.empty()) << c.what;
            continue;
        }
        EXPECT_EQ(code, -1) << c.what;
        EXPECT_EQ(design->GetShapeCode(), -1) << c.what;
        EXPECT_EQ(design->GetSectionRecord().A, before.A) << c.what;
        ASSERT_EQ(messages.Debug.size(), 1u) << c.what;
        EXPECT_NE(messages.Debug[0].find(std::string("not set: ") + c.told), std::string::npos)
            << c.what << ": " << messages.Debug[0];
        SetInputs(*design, 10);
        design->Calculate();
        EXPECT_EQ(JudgeMember(*design).Status, MemberStatus::NG) << c.what;
    }
}

// A host's built-up section: a W14X90 with thicker flanges, its properties
// worked by the host, checks by the host's numbers (here, stronger in flexure).
TEST(HostSection, AModifiedRecordIsCheckedWithItsOwnProperties)
{
    const CSteelDesignManager& manager = *CSteelDesignManager::Instance();
    mvDesignSect_AISC row;
    ASSERT_TRUE(manager.GetAiscSection(row, L"W14X90"));
    mvSect_AISC plated = row.Section;
    plated.Zx *= 1.2;
    plated.Sx *= 1.2;
    SetSectionName(plated, L"W14X90 plated");
    CAiscDesignI catalogue, host;
    catalogue.SetSection(L"W14X90");
    ASSERT_EQ(host.SetSection(plated, kShapeW), kShapeW);
    SetInputs(catalogue, 0);
    SetInputs(host, 0);
    catalogue.SetColumnSlenderness(1, 1, 0, 0);
    host.SetColumnSlenderness(1, 1, 0, 0);
    catalogue.SetLateralTorsionalProperty(1, 0);
    host.SetLateralTorsionalProperty(1, 0);
    catalogue.Calculate();
    host.Calculate();
    EXPECT_GT(host.GetPhiMnx(), catalogue.GetPhiMnx());
    EXPECT_EQ(GetSectionName(host.GetSectionRecord()), CString(L"W14X90 plated"));

    mvDesignSect_AISC unknown = row;
    EXPECT_FALSE(manager.GetAiscSection(unknown, L"W14X91"));
    EXPECT_EQ(unknown.ShapeCode, row.ShapeCode);
}

} // namespace
