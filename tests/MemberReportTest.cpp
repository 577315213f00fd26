// The report of a model: which combination governs a member, which
// departures from AISC 360-10 its Limitations list (in the words of
// docs/aisc-departures.md), and the head's edition and rules line.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "TestSupport.h"

namespace {

MemberResult Result(const char* id, const char* status, double ratio, int shape = kShapeW, double axial = 0.5,
                    double moment = 0.0)
{
    MemberResult result;
    result.Id = id;
    result.Status = status;
    result.Checked = std::string(status) != "ERROR";
    result.CriticalRatio = ratio;
    result.ShapeCode = shape;
    result.AxialRatio = axial;
    result.MomentRatio = moment;
    return result;
}

MemberResult Full(MemberResult result)
{
    result.Rules = "full";
    return result;
}

// Checked by AISC 360-22, which runs the full rules.
MemberResult Aisc22(MemberResult result)
{
    result.Edition = "360-22";
    return Full(std::move(result));
}

} // namespace

TEST(MemberReportTest, TheWorstCombinationGovernsEachMember)
{
    const double nan = std::nan("");
    const std::vector<MemberResult> results = {
        Result("A", "OK", 0.9), Result("B", "OK", 0.5),  Result("A", "NG", 0.2),  // NG before a higher OK
        Result("B", "OK", 0.7), Result("C", "OK", nan),  Result("C", "OK", 0.99), // not a number the worst
        Result("B", "OK", 0.7),                                                   // the first of equals
        Result("", "OK", 0.1),  Result("", "OK", 0.2),                            // no Id: members of their own
        Result("D", "NG", 1.5), Result("D", "ERROR", 0),                          // ERROR before NG
    };
    const std::vector<ModelMember> members = MembersOf(results);
    std::vector<std::size_t> governing;
    for (const ModelMember& member : members)
        governing.push_back(member.Governing);
    EXPECT_EQ(governing, (std::vector<std::size_t>{2, 3, 4, 7, 8, 10}));
    EXPECT_EQ(members[1].Combinations, (std::vector<std::size_t>{1, 3, 6}));
}

// The table of departures is the document's: each heading as its "## N."
// line, shapes and direction as its summary row (without the bold), and
// whether it holds under 360-22 as that row's last column.
TEST(MemberReportTest, DeparturesAreTheDocumentsInItsWords)
{
    const std::string text = FileText(ZORSTEEL_SOURCE_DIR "/docs/aisc-departures.md");
    ASSERT_EQ(AllDepartures().size(), 17u); // 18, built-up I-sections, no catalogue member can be
    for (const Departure& d : AllDepartures()) {
        const std::string number = std::to_string(d.Number);
        EXPECT_NE(text.find("\n## " + number + ". " + std::string(d.Heading) + "\n"), std::string::npos) << number;
        std::smatch row;
        ASSERT_TRUE(
            std::regex_search(text, row, std::regex("\n\\| " + number + " \\| [^|]+ \\| ([^|]+) \\| ([^|]+) \\|")))
            << number;
        EXPECT_EQ(row[1].str(), d.Shapes) << number;
        EXPECT_EQ(std::regex_replace(row[2].str(), std::regex("\\*\\*"), ""), d.Direction) << number;
        // The summary's last column, 360-22: "gone" exactly where the entry does not hold under that edition.
        std::smatch edition;
        ASSERT_TRUE(std::regex_search(text, edition, std::regex("\n\\| " + number + " \\|[^\n]*\\| ([^|]+) \\|\n")))
            << number;
        EXPECT_EQ(edition[1].str().starts_with("gone"), !d.HoldsUnder360_22) << number << ": " << edition[1].str();
    }
}

// A departure is listed for the families it concerns, and only when some
// combination loads the member the way it needs.
TEST(MemberReportTest, LimitationsListTheDeparturesTheseMembersMeet)
{
    struct Case
    {
        const char* what;
        std::vector<MemberResult> results;
        std::vector<int> numbers;
    } cases[] = {
        {"a column in compression", {Result("C", "OK", 0.5, kShapeW, 0.5, 0)}, {8, 11}},
        {"a beam in bending", {Result("B", "OK", 0.5, kShapeW, 0, 0.5)}, {1, 6, 12}},
        {"an I-shape in tension and bending", {Result("T", "OK", 0.5, kShapeW, -0.3, 0.2)}, {1, 6, 12, 17}},
        {"a single angle strut", {Result("D", "OK", 0.5, kShapeL, 0.4, 0)}, {2, 3, 4}},
        {"a double angle, a tee and a channel in compression",
         {Result("A", "OK", 0.5, kShape2L, 0.4, 0), Result("B", "OK", 0.5, kShapeWT, 0.4, 0),
          Result("C", "OK", 0.5, kShapeC, 0.4, 0)},
         {9, 10, 11}},
        {"a pipe under shear alone", {Result("P", "OK", 0.1, kShapePipe, 0, 0)}, {16}},
        {"a rectangular HSS beam-column", {Result("H", "OK", 0.5, kShapeRectHss, 0.3, 0.3)}, {1, 5, 6, 7, 13}},
        {"a member not checked", {Result("X", "ERROR", 0, kShapeNone)}, {}},
        // Full rules close 1, 5, 6, 8 and 17 outright; 2 and 10 only where their input is given.
        {"a beam in bending, full rules", {Full(Result("B", "OK", 0.5, kShapeW, 0, 0.5))}, {12}},
        {"an I-shape column, full rules", {Full(Result("C", "OK", 0.5, kShapeW, 0.5, 0))}, {11}},
        {"an I-shape in tension and bending, full rules", {Full(Result("T", "OK", 0.5, kShapeW, -0.3, 0.2))}, {12}},
        {"a single angle strut, full rules", {Full(Result("D", "OK", 0.5, kShapeL, 0.4, 0))}, {2, 3, 4}},
        {"a rectangular HSS beam-column, full rules", {Full(Result("H", "OK", 0.5, kShapeRectHss, 0.3, 0.3))}, {7, 13}},
        {"one combination classic",
         {Full(Result("B", "OK", 0.5, kShapeW, 0, 0.5)), Result("B", "OK", 0.4, kShapeW, 0, 0.4)},
         {1, 6, 12}},
        // 360-22 closes what full rules close, and has neither 9 (the branch) nor 11 (the fillets);
        // nor 13 (the HSS flange); 10 stays where ConnectorType is not given, 16 holds.
        {"an I-shape column, 360-22", {Aisc22(Result("C", "OK", 0.5, kShapeW, 0.5, 0))}, {}},
        {"a double angle, a tee and a channel in compression, 360-22",
         {Aisc22(Result("A", "OK", 0.5, kShape2L, 0.4, 0)), Aisc22(Result("B", "OK", 0.5, kShapeWT, 0.4, 0)),
          Aisc22(Result("C", "OK", 0.5, kShapeC, 0.4, 0))},
         {10}},
        {"a rectangular HSS beam-column and a pipe, 360-22",
         {Aisc22(Result("H", "OK", 0.5, kShapeRectHss, 0.3, 0.3)), Aisc22(Result("P", "OK", 0.1, kShapePipe, 0, 0))},
         {7, 16}},
        {"a single angle strut, 360-22 (no 3: both lengths)", {Aisc22(Result("D", "OK", 0.5, kShapeL, 0.4, 0))},
         {2, 4}},
        {"a single angle beam, 360-22 (no 15: the heel)", {Aisc22(Result("L", "OK", 0.5, kShapeL, 0, 0.5))}, {14}},
        {"one combination 360-10",
         {Aisc22(Result("C", "OK", 0.5, kShapeW, 0.5, 0)), Full(Result("C", "OK", 0.4, kShapeW, 0.4, 0))},
         {11}},
    };
    for (const Case& c : cases) {
        std::vector<int> numbers;
        for (const Departure& d : DeparturesFor(c.results))
            numbers.push_back(d.Number);
        EXPECT_EQ(numbers, c.numbers) << c.what;
    }
}

TEST(MemberReportTest, TheHeadSaysTheEditionAndTheRules)
{
    // A model's page says the edition and the rules its results were checked by.
    const MemberResult classic = Result("A", "OK", 0.5), full = Full(Result("B", "OK", 0.5)),
                       aisc22 = Aisc22(Result("C", "OK", 0.5));
    for (const auto& [results, said] :
         {std::pair{std::vector{classic}, "AISC 360-10 (LRFD), classic rules"},
          std::pair{std::vector{full}, "AISC 360-10 (LRFD), full rules"},
          std::pair{std::vector{full, classic}, "AISC 360-10 (LRFD), classic and full rules"},
          std::pair{std::vector{aisc22}, "AISC 360-22 (LRFD), full rules"},
          std::pair{std::vector{classic, aisc22}, "AISC 360-10 and 360-22 (LRFD), classic and full rules"}}) {
        std::ostringstream page;
        WriteModelReport(page, results, {.Title = "Frame"});
        EXPECT_NE(page.str().find(std::string("Member checks by ") + said + " &middot; zorsteel "), std::string::npos)
            << said;
    }
    // Its limitations say from which edition the calculation departs.
    std::ostringstream page;
    WriteModelReport(page, {aisc22}, {.Title = "Frame"});
    EXPECT_NE(page.str().find("None of the departures from AISC 360-22 that zorsteel documents"), std::string::npos);
    for (const auto& [rules, said] : {std::pair<const wchar_t*, const char*>{nullptr, "classic rules"},
                                      {L"full rules <AISC>", "full rules &lt;AISC&gt;"}}) {
        std::ostringstream page;
        {
            const ReportPage head = rules ? ReportPage(&page, L"Frame", rules) : ReportPage(&page, L"Frame");
        }
        EXPECT_NE(page.str().find(std::string("Member checks by AISC 360-10 (LRFD), ") + said + " &middot; zorsteel "),
                  std::string::npos)
            << page.str();
    }
}
