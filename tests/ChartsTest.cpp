// The report's pictures read as SVG: every mark where its numbers put it
// on the picture's own axes (found from the axis labels), what lies beyond
// the axes clipped and told, no "nan" or "inf" written, texts escaped, and
// the whole well-formed XML.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <regex>

#include "TestSupport.h"

using namespace zorsteel;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The captures of every match of pattern in text.
std::vector<std::smatch> Matches(const std::string& text, const std::string& pattern)
{
    const std::regex expression(pattern);
    return {std::sregex_iterator(text.begin(), text.end(), expression), std::sregex_iterator()};
}

// Axis labels of one class by their text: the x or y they stand at.
std::map<std::string, double> Ticks(const std::string& svg, const std::string& tickClass, bool x)
{
    std::map<std::string, double> ticks;
    for (const std::smatch& m : Matches(svg, "<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" class=\"" + tickClass +
                                                 "\"[^>]*>([^<]+)</text>"))
        ticks[m[3]] = std::stod(m[x ? 1 : 2]);
    return ticks;
}

// Axis value to picture coordinate, from the positions of the labels 0 and 1.0.
struct Axis
{
    double zero, one;
    double operator()(double value) const { return zero + (one - zero) * value; }
};

std::vector<std::pair<double, double>> Pairs(const std::string& text, const std::string& pattern)
{
    std::vector<std::pair<double, double>> pairs;
    for (const std::smatch& m : Matches(text, pattern)) pairs.emplace_back(std::stod(m[1]), std::stod(m[2]));
    return pairs;
}

// Coordinates are written to 0.1 unit, the axis labels' too: a value read
// on the axes is within 0.25 unit (0.0025 in on the page).
constexpr double kTolerance = 0.25;

void ExpectAt(const std::pair<double, double>& mark, double x, double y, const std::string& what)
{
    EXPECT_NEAR(mark.first, x, kTolerance) << what;
    EXPECT_NEAR(mark.second, y, kTolerance) << what;
}

// Well-formed XML, as Python's parser reads it.
bool ParsesAsXml(const std::string& text)
{
    const ScratchFolder folder("chart-xml");
    const std::string file = folder.Write("chart.xml", text);
    const std::string command =
        "/usr/bin/python3 -c 'import sys, xml.etree.ElementTree as E; E.parse(sys.argv[1])' '" + file + "'";
    return std::system(command.c_str()) == 0;
}

void ExpectNoNonFiniteNumber(const std::string& svg)
{
    EXPECT_FALSE(std::regex_search(svg, std::regex("\\b(nan|inf)", std::regex::icase))) << svg;
}

} // namespace

TEST(ChartsTest, InteractionPointsAndCurveLieWhereTheirRatiosPutThem)
{
    const std::vector<CombinationPoint> points = {
        {"1.4D", 0.5, 0.3},         {"0.9D-1.0W", -0.35, 0.52}, {"1.2D+1.6W", 2.4, 0.3},
        {"1.2D+1.6L", 0.22, 1.85},  {"unchecked", kNaN, 0.2},   {"zero Pc", kInf, 0.1},
    };
    const std::string svg = InteractionDiagram("C-1", points);
    const std::map<std::string, double> x = Ticks(svg, "xtick", true), y = Ticks(svg, "ytick", false);
    const Axis X{x.at("0"), x.at("1.0")}, Y{y.at("0"), y.at("1.0")};
    EXPECT_NEAR(y.at("-1.0"), Y(-1), kTolerance) << "tension below, to the same scale";
    EXPECT_NEAR(X(1) - X(0), Y(0) - Y(1), kTolerance) << "one scale on both axes";

    // H1-1a from (0, 1) to (0.9, 0.2), where H1-1b takes over to (1, 0); mirrored in tension.
    const auto curves = Matches(svg, "<polyline class=\"curve\" points=\"([^\"]+)\"");
    ASSERT_EQ(curves.size(), 2u);
    for (int half = 0; half < 2; ++half) {
        const double sign = half == 0 ? 1 : -1;
        const auto corners = Pairs(curves[half][1], "([-0-9.]+),([-0-9.]+)");
        ASSERT_EQ(corners.size(), 3u);
        ExpectAt(corners[0], X(0), Y(sign), "Pr/Pc = 1");
        ExpectAt(corners[1], X(0.9), Y(sign * 0.2), "Pr/Pc = 0.2 at 0.9");
        ExpectAt(corners[2], X(1), Y(0), "sum of moment ratios 1");
    }

    // Beyond the axes, on the edge with an arrow; not finite, not drawn.
    const auto marks = Pairs(svg, "<g class=\"point\" transform=\"translate\\(([-0-9.]+) ([-0-9.]+)\\)\"");
    ASSERT_EQ(marks.size(), 4u);
    ExpectAt(marks[0], X(0.3), Y(0.5), "1.4D");
    ExpectAt(marks[1], X(0.52), Y(-0.35), "tension");
    ExpectAt(marks[2], X(0.3), Y(kInteractionAxisMax), "Pr/Pc 2.4 on the top edge");
    ExpectAt(marks[3], X(kInteractionAxisMax), Y(0.22), "moments 1.85 on the right edge");
    EXPECT_EQ(Matches(svg, "class=\"clipped\"").size(), 2u);
    ExpectInOrder(svg, {">1.4D<", ">0.500<", ">0.300<", ">0.9D-1.0W<", ">-0.350<", ">tension<", ">1.2D+1.6W<",
                        ">2.400<", ">beyond the axes<", ">1.850<", ">beyond the axes<", ">unchecked<",
                        ">not a number<", ">not drawn: a ratio is not finite<", ">zero Pc<", ">\u221E<",
                        ">not drawn: a ratio is not finite<"});
    ExpectNoNonFiniteNumber(svg);
    EXPECT_TRUE(ParsesAsXml(svg));
}

TEST(ChartsTest, InteractionDrawsOnlyTheHalvesInUse)
{
    for (const auto& [axial, compression, tension] :
         {std::tuple{0.4, true, false}, std::tuple{0.0, true, false}, std::tuple{-0.4, false, true}}) {
        const std::string svg = InteractionDiagram("T-1", {{"D", axial, 0.2}});
        const std::map<std::string, double> y = Ticks(svg, "ytick", false);
        EXPECT_EQ(y.contains("1.0"), compression) << axial;
        EXPECT_EQ(y.contains("-1.0"), tension) << axial;
        EXPECT_EQ(Matches(svg, "class=\"curve\"").size(), 1u) << axial;
    }
}

TEST(ChartsTest, UtilisationBarsAreTheirRatiosClippedAtTheAxisEnd)
{
    const std::vector<MemberBar> members = {
        {"B-1", 0.5, ChartStatus::Ok},    {"C-1", 3.7, ChartStatus::Ng}, {"E-1", kNaN, ChartStatus::Error},
        {"N-1", kNaN, ChartStatus::Ng},   {"Z-1", kInf, ChartStatus::Ng}, {"B-2", 1.2, ChartStatus::Ng},
        {"E-2", 0.4, ChartStatus::Error},
    };
    const std::string chart = UtilisationChart(members);
    const std::map<std::string, double> x = Ticks(chart, "tick", true);
    const Axis X{x.at("0"), x.at("1.0")};
    const auto bars = Pairs(chart, "<rect class=\"bar\" x=\"([-0-9.]+)\" y=\"[-0-9.]+\" width=\"([-0-9.]+)\"");
    const std::vector<double> lengths = {0.5, kUtilisationAxisMax, kUtilisationAxisMax, 1.2};  // B-1 C-1 Z-1 B-2
    ASSERT_EQ(bars.size(), lengths.size()) << "an ERROR or NaN member has no bar";
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].first, X(0), kTolerance) << i;
        EXPECT_NEAR(bars[i].first + bars[i].second, X(lengths[i]), kTolerance) << i;
    }
    EXPECT_EQ(Matches(chart, "class=\"clipped\"").size(), 2u);
    ExpectInOrder(chart, {">B-1<", ">0.500<", ">OK<", ">C-1<", ">3.700<", ">NG<", ">E-1<", ">not checked<", ">ERROR<",
                          ">N-1<", ">no ratio: not a number<", ">NG<", ">Z-1<", ">\u221E<", ">B-2<", ">1.200<",
                          ">E-2<", ">not checked<", ">\u2014<", ">ERROR<"});
    ExpectNoNonFiniteNumber(chart);
}

TEST(ChartsTest, UtilisationRowsComeInBlocksThatPrintWhole)
{
    constexpr std::pair<int, int> kBlocks[] = {{1, 1}, {25, 1}, {26, 2}, {60, 3}, {300, 12}};  // members, blocks
    for (const auto& [count, blocks] : kBlocks) {
        std::vector<MemberBar> members;
        for (int i = 0; i < count; ++i) {
            members.push_back({"M", 0.01 * i, ChartStatus::Ok});
            members.back().Id += std::to_string(i);
        }
        const std::string chart = UtilisationChart(members);
        EXPECT_EQ(Matches(chart, "<svg ").size(), static_cast<std::size_t>(blocks)) << count;
        EXPECT_EQ(Matches(chart, "<rect class=\"bar\"").size(), static_cast<std::size_t>(count));
        EXPECT_EQ(Matches(chart, ">M[0-9]+<").size(), static_cast<std::size_t>(count)) << "every Id once";
    }
}

TEST(ChartsTest, TextsAreEscapedAndTheWholeIsXml)
{
    const std::string name = "A&B <\"x\"> 'y' \xC3\xA9\xFF\x01";
    const std::string escaped = "A&amp;B &lt;&quot;x&quot;&gt; &apos;y&apos; \xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD";
    const std::string chart = UtilisationChart({{name, 0.5, ChartStatus::Ok}, {"", kNaN, ChartStatus::Error}});
    const std::string diagram = InteractionDiagram(name, {{name, 0.3, 0.3}});
    for (const std::string& svg : {chart, diagram}) {
        EXPECT_NE(svg.find(">" + escaped + "<"), std::string::npos) << svg;
        EXPECT_TRUE(ParsesAsXml(svg));
    }
    EXPECT_TRUE(ParsesAsXml(UtilisationChart({})));
    EXPECT_TRUE(ParsesAsXml(InteractionDiagram("none", {})));
}
