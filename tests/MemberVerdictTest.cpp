// The verdict on a calculated member: OK only with finite ratios at most 1.0
// and no ErrorCode 3 or 4; ErrorCode 2 named but judged by the ratios; a
// non-finite strength names the input to set; the single- and double-angle
// notes. Statuses follow from the rules, not from the code's output.
#include <gtest/gtest.h>

#include <functional>

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
    };
    const CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    for (const VerdictCase& c : cases) {
        CAiscDesign* design = catalogue->CreateAiscDesign(c.section);
        ASSERT_NE(design, nullptr) << c.what;
        design->SetPrint(false);
        design->SetMaterial(c.fy);
        design->SetLoads(c.pu, c.mux, 0, 1, 1, 0, 0);
        design->SetColumnSlenderness(1, 1, c.lx, c.ly);
        design->Calculate();
        ASSERT_EQ(design->GetErrorCode(), c.errorCode) << c.what;
        const MemberVerdict verdict = JudgeMember(*design);
        EXPECT_EQ(verdict.Status, c.status) << c.what;
        std::size_t at = 0;
        for (const std::string& piece : c.says) {
            at = verdict.Message.find(piece, at);
            EXPECT_NE(at, std::string::npos) << c.what << ": " << piece << " in " << verdict.Message;
        }
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
    const struct
    {
        const char* what;
        std::function<void(CAiscDesignI&)> make;
        const char* says;
    } cases[] = {
        {"a name not found after a valid one leaves the old numbers",
         [](CAiscDesignI& d) {
             d.SetSection(L"W14X90");
             d.SetSection(L"W14X91");
             d.Calculate();
         },
         "no catalogue section"},
        {"a single angle checked as an I-shape",
         [](CAiscDesignI& d) {
             d.SetSection(L"L4X4X1/2");
             d.Calculate();
         },
         "(shape code 6) is not one its design class checks"},
        {"not calculated", [](CAiscDesignI& d) { d.SetSection(L"W14X90"); }, "no design strength"},
    };
    const MessageCapture quiet;  // "Invalid section W14X91"
    for (const auto& c : cases) {
        CAiscDesignI design;
        design.SetPrint(false);
        design.SetMaterial(50);
        c.make(design);
        const MemberVerdict verdict = JudgeMember(design);
        EXPECT_EQ(verdict.Status, MemberStatus::NG) << c.what;
        EXPECT_NE(verdict.Message.find(c.says), std::string::npos) << c.what << ": " << verdict.Message;
    }
}
