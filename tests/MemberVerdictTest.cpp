// The verdict on a calculated member: OK only with finite ratios at most 1.0
// (the deflection ratios too, when asked for) and no ErrorCode 3 or 4;
// ErrorCode 2 named but judged by the ratios; a tee's and a double angle's
// moment sign told; a
// non-finite strength names the input to set; the single- and double-angle
// notes; never OK for numbers not computed for the named section or for
// inputs the command would refuse. Statuses follow from the rules, not from
// the code's output.
#include <gtest/gtest.h>

#include <limits>

#include "TestSupport.h"

namespace {

struct VerdictCase
{
    const char* what;
    const wchar_t* section;
    double fy, pu, mux, lx, ly;  // ksi, kips, kip-ft, in; K = 1
    int errorCode;
    MemberStatus status;
    std::vector<std::string> says;  // pieces the message holds, in order
    void (*more)(CAiscDesign&) = nullptr;  // other inputs
};

} // namespace

TEST(MemberVerdictTest, StatusAndMessageFollowTheRules)
{
    const VerdictCase cases[] = {
        {"a beam well within its strength", L"W14X90", 50, 0, 50, 0, 0, 0, MemberStatus::OK, {}},
        // 1000 in / ry 3.70 in = 270 > 200; no axial load, so no Euler load is passed.
        {"KL/r above 200 keeps the ratios' verdict", L"W14X90", 50, 0, 50, 1000, 1000, 2, MemberStatus::OK,
         {"KL/r above 200"}},
        // Mux 2000 kip-ft against 0.9 Fy Zx / 12 = 0.9 * 50 * 157 / 12 = 589 at most.
        {"an interaction above 1.0", L"W14X90", 50, 0, 2000, 0, 0, 0, MemberStatus::NG,
         {"axial-flexural interaction ratio above 1.0"}},
        // Issue 14's angle: Ky Ly 600 in puts 5 kips above the Euler load about w; its ratios pass.
        {"ErrorCode 4 is never OK", L"L4X4X1/4", 36, 5, 0, 48, 600, 4, MemberStatus::NG,
         {"axial load above the Euler load: B1 taken as 1.0", "single angle: Lx is taken as the effective length about z",
          "E5 equivalent length"}},
        // D/t 68.7 > 0.45 * 29000 / 200 = 65.25.
        {"ErrorCode 3 is never OK", L"HSS16.000X0.250", 200, 10, 0, 0, 0, 3, MemberStatus::NG, {"D/t above 0.45 E/Fy"}},
        // E4-9 divides by (Kz Lz)^2 and Fey by (Kx Lx)^2: both lengths are needed.
        {"a channel without torsional length", L"C10X15.3", 36, 10, 0, 0, 120, 0, MemberStatus::NG,
         {"axial strength is not finite: set Lz and Lx"}},
        {"a channel in tension needs no torsional length", L"C10X15.3", 36, -10, 0, 0, 0, 0, MemberStatus::OK, {}},
        // Total 3.0 / (360 / 240) = 2, live 2.0 / (360 / 360) = 2; the strength ratio alone is 0.56.
        {"a failed deflection check is NG", L"W21X44", 50, 0, 200, 360, 0, 0, MemberStatus::NG,
         {"total-load deflection ratio above 1.0", "live-load deflection ratio above 1.0"},
         [](CAiscDesign& d) { d.SetDeflectionParameters(240, 360, 3.0, 2.0, 360); }},
        // L = 0: 0.8 / 0 and 0 / 0, NG in the report.
        {"deflections against a span of 0", L"W21X44", 50, 0, 20, 0, 0, 0, MemberStatus::NG,
         {"total-load deflection ratio is not finite", "live-load deflection ratio is not finite"},
         [](CAiscDesign& d) { d.SetDeflectionParameters(240, 360, 0.8, 0, 0); }},
        {"the tee's sign: stem in compression", L"WT6X20", 50, -10, -3, 0, 0, 0, MemberStatus::OK,
         {"stem in compression (Mux < 0)"}},
        {"the double angle's sign: outstanding legs in compression", L"2L4X3X3/8LLBB", 36, -10, 3, 0, 0, 0,
         MemberStatus::OK, {"outstanding legs' tips in compression (Mux > 0)"}},
    };
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    for (const VerdictCase& c : cases) {
        CAiscDesign* design = catalogue->CreateAiscDesign(c.section);
        ASSERT_NE(design, nullptr) << c.what;
        design->SetPrint(false);
        design->SetMaterial(c.fy);
        design->SetLoads(c.pu, c.mux, 0, 1, 1, 0, 0);
        design->SetColumnSlenderness(1, 1, c.lx, c.ly);
        if (c.more) c.more(*design);
        design->Calculate();
        ASSERT_EQ(design->GetErrorCode(), c.errorCode) << c.what;
        const MemberVerdict verdict = JudgeMember(*design);
        EXPECT_EQ(verdict.Status, c.status) << c.what;
        ExpectInOrder(verdict.Message, c.says);
        if (c.says.empty()) {
            EXPECT_EQ(verdict.Message, "") << c.what;
        }
        catalogue->DeleteAiscDesign(design);
    }
}

// Numbers that were not computed for the named section are never OK, though
// every ratio here is 0 (no loads).
TEST(MemberVerdictTest, NumbersNotComputedForTheNamedSectionAreNeverOk)
{
    const MessageCapture quiet;  // "Invalid section W14X91"
    CAiscDesignI stale, angle, uncalculated;
    stale.SetSection(L"W14X90");
    stale.SetSection(L"W14X91");  // not found: the old numbers stay
    angle.SetSection(L"L4X4X1/2");
    uncalculated.SetSection(L"W14X90");
    for (CAiscDesignI* design : {&stale, &angle}) {
        design->SetMaterial(50);
        design->Calculate();
    }
    for (const auto& [design, says] : {std::pair<CAiscDesign*, const char*>{&stale, "no catalogue section"},
                                      {&angle, "(shape code 6) is not one its design class checks"},
                                      {&uncalculated, "no design strength"}}) {
        const MemberVerdict verdict = JudgeMember(*design);
        EXPECT_EQ(verdict.Status, MemberStatus::NG) << says;
        EXPECT_NE(verdict.Message.find(says), std::string::npos) << verdict.Message;
    }
}

// Inputs a host of the library (the Python module) may pass where the
// command refuses them: each turns a member that is OK into NG, the message
// naming the input first.
TEST(MemberVerdictTest, InputsOutOfRangeOrNotFiniteAreNeverOk)
{
    struct Inputs
    {
        double pu = 10, cmx = 0.85, vuy = 2, fy = 50, cb = 1, lb = 120, kx = 1, lx = 120, lz = 120, a = 0;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char* name;
        double Inputs::*input;
        double value;
    } bad[] = {
        {"Pu", &Inputs::pu, nan},  {"Cmx", &Inputs::cmx, nan}, {"Vuy", &Inputs::vuy, inf}, {"Fy", &Inputs::fy, -50},
        {"Cb", &Inputs::cb, 0},    {"Cb", &Inputs::cb, nan},   {"Lb", &Inputs::lb, -300},  {"Lb", &Inputs::lb, inf},
        {"Kx", &Inputs::kx, -1},   {"Lx", &Inputs::lx, nan},   {"Lz", &Inputs::lz, -120},
        {"ConnectorDistance", &Inputs::a, nan},
    };
    // A negative Lb reads as braced; an infinite one makes F2-4 0 * infinity, and min(NaN, Mp) is Mp.
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    for (const wchar_t* section : {L"W14X90", L"C10X15.3", L"HSS8X4X1/2", L"Pipe8STD", L"2L4X3X3/8LLBB"}) {
        for (const auto& b : bad) {
            const auto verdict = [&](const Inputs& in) {
                CAiscDesign* design = catalogue->CreateAiscDesign(section);
                design->SetPrint(false);
                design->SetLoads(in.pu, 4, 1, in.cmx, 0.85, 5, in.vuy);
                design->SetMaterial(in.fy);
                design->SetLateralTorsionalProperty(in.cb, in.lb);
                design->SetColumnSlenderness(in.kx, 1, in.lx, 120);
                design->SetColumnSlenderness_Torsional(1, in.lz);
                design->SetDoubleAngleConnnectorDistance(in.a);
                design->Calculate();
                const MemberVerdict judged = JudgeMember(*design);
                catalogue->DeleteAiscDesign(design);
                return judged;
            };
            Inputs inputs;
            ASSERT_EQ(verdict(inputs).Status, MemberStatus::OK) << section;
            inputs.*b.input = b.value;
            const MemberVerdict judged = verdict(inputs);
            EXPECT_EQ(judged.Status, MemberStatus::NG) << b.name << " " << b.value;
            EXPECT_EQ(judged.Message.find(b.name), 0u) << b.name << ": " << judged.Message;
        }
    }
}

// A member checked by AISC 360-22 runs the full check whatever the row's rules
// say (a host may set both): Fu is asked for and the rupture assumptions told.
TEST(MemberVerdictTest, AMemberOf360_22IsCheckedByTheFullRules)
{
    for (const auto& [edition, fy, rules, says] :
         {std::tuple{Edition::Aisc360_22, 55.0, "full",
                     "test, column Fu: not given, and no usual grade of W14X90's family has Fy = 55 ksi"},
          std::tuple{Edition::Aisc360_22, 50.0, "full",
                     "NetAreaRatio and ShearLagU not given: rupture checked with An = Ag and U = 1"},
          std::tuple{Edition::Aisc360_10, 55.0, "classic", ""}}) {
        MemberRow row;
        row.Where = "test";
        row.Section = "W14X90";
        row.Conventions = {.Rules = DesignRules::Classic, .Edition = edition};
        SetNumber(row, InputColumnNamed("Fy"), fy, "");
        SetNumber(row, InputColumnNamed("Pu"), -10, "");
        FinishRow(row);
        const MemberResult result = RunMember(row, false);
        EXPECT_EQ((std::vector<std::string>{result.Rules, result.Edition}),
                  (std::vector<std::string>{rules, EditionText(edition)}));
        EXPECT_NE(result.Message.find(says), std::string::npos) << result.Message;
        EXPECT_EQ(result.Status == "ERROR", std::string(says).starts_with("test,")) << result.Message;
    }
}
