#include "Charts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace zorsteel {
namespace {

// ---- Text and numbers --------------------------------------------------------

struct XmlText
{
    std::string text;
    double em = 0;  // its width in em, estimated
};

// Advance widths of the printable ASCII characters in DejaVu Sans, the
// page's font, in 1/2048 em; others are taken as 0.7 em (1 em from U+0800 on,
// where wide scripts begin).
constexpr unsigned short kAdvance[95] = {
    651,  821,  942,  1716, 1303, 1946, 1597, 563,  799,  799,  1024, 1716, 651,  739,  651,  690,  // space to /
    1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303,                                    // 0 to 9
    690,  690,  1716, 1716, 1716, 1087, 2048,                                                      // : to @
    1401, 1405, 1430, 1579, 1294, 1178, 1589, 1540, 604,  604,  1343, 1141, 1767,                  // A to M
    1532, 1612, 1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403, 1251, 1403,                  // N to Z
    799,  690,  799,  1716, 1024, 1024,                                                            // [ to `
    1255, 1300, 1126, 1300, 1260, 721,  1300, 1298, 569,  569,  1186, 569,  1995,                  // a to m
    1298, 1253, 1300, 1300, 842,  1067, 803,  1298, 1212, 1675, 1212, 1212, 1075,                  // n to z
    1303, 690,  1303, 1716,                                                                        // { to ~
};

double AdvanceEm(const unsigned char* p, std::size_t length)
{
    if (length == 1) return *p >= 0x20 && *p < 0x7F ? kAdvance[*p - 0x20] / 2048.0 : 0.7;
    return length == 2 ? 0.7 : 1.0;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// Length of the UTF-8 sequence at p (before end) that XML 1.0 allows as a
// character; 0 when it is not one.
std::size_t XmlCharLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = *p;
    if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || static_cast<std::size_t>(end - p) < length) return 0;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        code = code << 6 | (p[i] & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool excluded = (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE || code == 0xFFFF || code > 0x10FFFF;
    return overlong || excluded ? 0 : length;
}

// Text for XML character data and attribute values.
XmlText Escape(std::string_view text)
{
    XmlText out;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const std::size_t length = XmlCharLength(p, end);
        if (length == 0) {
            out.text += kReplacement;
            out.em += 1;
            ++p;
            continue;
        }
        out.em += AdvanceEm(p, length);
        switch (*p) {
        case '&': out.text += "&amp;"; break;
        case '<': out.text += "&lt;"; break;
        case '>': out.text += "&gt;"; break;
        case '"': out.text += "&quot;"; break;
        case '\'': out.text += "&apos;"; break;
        default: out.text.append(reinterpret_cast<const char*>(p), length);
        }
        p += length;
    }
    return out;
}

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, written.ptr);
}

// A ratio for a person: three decimals, four digits in scientific form from
// 1000 up, and the non-finite in words or as infinity.
std::string RatioText(double ratio)
{
    if (std::isnan(ratio)) return "not a number";
    if (std::isinf(ratio)) return ratio > 0 ? "\xE2\x88\x9E" : "-\xE2\x88\x9E";
    if (std::abs(ratio) < 1000) return Fixed(ratio, 3);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, ratio, std::chars_format::scientific, 3);
    return std::string(buffer, written.ptr);
}

// Builds SVG text; a double is a coordinate, written to a tenth of a unit
// (a thousandth of an inch on the printed page).
class Svg
{
public:
    Svg& operator<<(std::string_view text)
    {
        m_text += text;
        return *this;
    }
    Svg& operator<<(double coordinate) { return *this << std::string_view(Fixed(coordinate, 1)); }
    std::string& Text() { return m_text; }

private:
    std::string m_text;
};

constexpr double kWidth = 720;  // viewBox width: a unit is about 0.01 in across a letter page
constexpr double kFontSize = 11;

constexpr char kBold[] = "font-weight=\"bold\"";

// Width of a text at the chart's font size; DejaVu Sans Bold is about a
// tenth wider than the regular face.
double TextWidth(const XmlText& text, bool bold) { return text.em * kFontSize * (bold ? 1.1 : 1.0); }

// A text element; a text estimated wider than maxWidth is squeezed to it
// (never broken, never cut).
void WriteText(Svg& svg, double x, double y, const XmlText& text, std::string_view attributes, double maxWidth = 1e9)
{
    svg << "<text x=\"" << x << "\" y=\"" << y << "\"";
    if (!attributes.empty()) svg << " " << attributes;
    if (TextWidth(text, attributes.find(kBold) != std::string_view::npos) > maxWidth)
        svg << " textLength=\"" << maxWidth << "\" lengthAdjust=\"spacingAndGlyphs\"";
    svg << ">" << text.text << "</text>\n";
}

void WriteText(Svg& svg, double x, double y, std::string_view plain, std::string_view attributes)
{
    WriteText(svg, x, y, Escape(plain), attributes);
}

void OpenSvg(Svg& svg, double height, std::string_view title)
{
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << kWidth << " " << height
        << "\" width=\"100%\" font-size=\"11\" fill=\"#1b1b1b\" role=\"img\" "
           "style=\"display:block;margin:8px 0;break-inside:avoid\">\n<title>"
        << Escape(title).text << "</title>\n";
}

// Pr/Pc with its subscripts, as a text's content.
constexpr char kAxialRatio[] =
    "P<tspan baseline-shift=\"sub\" font-size=\"8\">r</tspan>/P<tspan baseline-shift=\"sub\" font-size=\"8\">c</tspan>";

// ---- Utilisation chart -------------------------------------------------------

constexpr double kRowHeight = 16;
// Two blocks of 25 rows fit a printed page: a page breaks between blocks,
// and an empty end of page is at most one block.
constexpr std::size_t kRowsPerBlock = 25;
constexpr double kBarTicks[] = {0, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5};
constexpr char kOkFill[] = "#8cc79a", kOkStroke[] = "#2e6b3c", kNgFill[] = "#9e1c1c";

// Columns of the chart: Id, bar, ratio, status.
struct BarColumns
{
    double labelRight, barLeft, barRight, valueRight, statusLeft;
    double X(double ratio) const { return barLeft + (barRight - barLeft) * ratio / kUtilisationAxisMax; }
};

BarColumns ColumnsFor(const std::vector<MemberBar>& members)
{
    double widest = 0;
    for (const MemberBar& member : members)
        widest = std::max(widest, TextWidth(Escape(member.Id), member.Status != ChartStatus::Ok));
    BarColumns columns;
    columns.labelRight = 6 + std::clamp(widest * 1.05, 30.0, 200.0);  // a little room for a wider font
    columns.barLeft = columns.labelRight + 8;
    columns.valueRight = kWidth - 52;
    columns.statusLeft = kWidth - 44;
    columns.barRight = columns.valueRight - 72;
    return columns;
}

void WriteBarLegend(Svg& svg)
{
    svg << "<rect x=\"372\" y=\"6\" width=\"16\" height=\"10\" fill=\"" << kOkFill << "\" stroke=\"" << kOkStroke
        << "\"/>\n<text x=\"393\" y=\"15\">OK</text>\n<rect x=\"424\" y=\"6\" width=\"16\" height=\"10\" fill=\""
        << kNgFill << "\"/>\n<text x=\"445\" y=\"15\">NG</text>\n"
        << "<text x=\"476\" y=\"15\">ERROR: not checked, no bar</text>\n";
}

// Grid and 1.0 line over the rows from top to bottom, the values above
// them, and below them when labelBelow.
void WriteBarAxis(Svg& svg, const BarColumns& columns, double top, double bottom, bool labelBelow)
{
    for (const double tick : kBarTicks) {
        const double x = columns.X(tick);
        const bool limit = tick == 1.0;
        svg << "<line x1=\"" << x << "\" y1=\"" << top << "\" x2=\"" << x << "\" y2=\"" << bottom
            << (limit ? "\" stroke=\"#000\" stroke-width=\"1.6\"/>\n" : "\" stroke=\"#cfd6de\"/>\n");
        const std::string label = tick == 0 ? "0" : Fixed(tick, tick == 1.0 || tick == 1.5 || tick == 0.5 ? 1 : 2);
        const char* attributes = limit ? "class=\"tick\" text-anchor=\"middle\" font-weight=\"bold\""
                                       : "class=\"tick\" text-anchor=\"middle\"";
        WriteText(svg, x, top - 5, label, attributes);
        if (labelBelow) WriteText(svg, x, bottom + 12, label, attributes);
    }
}

void WriteBarRow(Svg& svg, const BarColumns& columns, const MemberBar& member, double y)
{
    const double baseline = y + 12;
    const bool strong = member.Status != ChartStatus::Ok;  // NG and ERROR rows in bold
    WriteText(svg, columns.labelRight, baseline, Escape(member.Id),
              strong ? "text-anchor=\"end\" font-weight=\"bold\"" : "text-anchor=\"end\"", columns.labelRight - 4);

    const bool checked = member.Status != ChartStatus::Error;
    const bool drawn = checked && (std::isfinite(member.Ratio) || member.Ratio > 0);
    if (!drawn) {
        const std::string why = checked ? "no ratio: " + RatioText(member.Ratio) : std::string("not checked");
        WriteText(svg, columns.barLeft + 4, baseline, why, "font-style=\"italic\"");
    } else {
        const double length = std::clamp(member.Ratio, 0.0, kUtilisationAxisMax);
        const bool ng = member.Status == ChartStatus::Ng;
        const char* fill = ng ? kNgFill : kOkFill;
        svg << "<rect class=\"bar\" x=\"" << columns.barLeft << "\" y=\"" << y + 3 << "\" width=\""
            << columns.X(length) - columns.barLeft << "\" height=\"10\" fill=\"" << fill << "\" stroke=\""
            << (ng ? kNgFill : kOkStroke) << "\" stroke-width=\"0.8\"/>\n";
        if (member.Ratio > kUtilisationAxisMax) {  // a break in the bar, and an arrow past the axis
            const double end = columns.barRight;
            for (const double x : {end - 12, end - 7})
                svg << "<line x1=\"" << x << "\" y1=\"" << y + 15 << "\" x2=\"" << x + 4 << "\" y2=\"" << y + 1
                    << "\" stroke=\"#fff\" stroke-width=\"1.6\"/>\n";
            svg << "<path class=\"clipped\" d=\"M" << end + 2 << " " << y + 2 << "L" << end + 10 << " " << y + 8
                << "L" << end + 2 << " " << y + 14 << "Z\" fill=\"" << fill << "\"/>\n";
        }
    }
    WriteText(svg, columns.valueRight, baseline, drawn ? RatioText(member.Ratio) : "\xE2\x80\x94",
              strong ? "text-anchor=\"end\" font-weight=\"bold\"" : "text-anchor=\"end\"");
    const char* status = member.Status == ChartStatus::Ok ? "OK" : member.Status == ChartStatus::Ng ? "NG" : "ERROR";
    WriteText(svg, columns.statusLeft, baseline, status, strong ? "font-weight=\"bold\"" : "");
}

// One block of rows: the first under the chart's title and legend, the last
// with the values under its grid as well.
void WriteBarBlock(Svg& svg, const BarColumns& columns, const MemberBar* first, std::size_t count, bool head, bool last)
{
    const double rowsTop = head ? 40 : 18;
    const double rowsBottom = rowsTop + kRowHeight * static_cast<double>(count);
    OpenSvg(svg, rowsBottom + (last ? 18 : 2), "Critical ratio of each member");
    if (head) {
        WriteText(svg, 6, 15, "Critical ratio of each member", "font-weight=\"bold\"");
        WriteBarLegend(svg);
    }
    for (std::size_t i = 1; i < count; i += 2)  // every other row shaded, under the grid
        svg << "<rect x=\"0\" y=\"" << rowsTop + kRowHeight * static_cast<double>(i) << "\" width=\"" << kWidth
            << "\" height=\"" << kRowHeight << "\" fill=\"#f1f3f6\"/>\n";
    WriteBarAxis(svg, columns, rowsTop, rowsBottom, last);
    for (std::size_t i = 0; i < count; ++i)
        WriteBarRow(svg, columns, first[i], rowsTop + kRowHeight * static_cast<double>(i));
    svg << "</svg>\n";
}

// ---- Interaction diagram -----------------------------------------------------

constexpr double kPlotLeft = 62, kPlotTop = 48, kPlotSide = 250;
constexpr double kInteractionTicks[] = {0, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4};

// The plot's halves and its scale: the same on both axes.
struct Plot
{
    bool compression, tension;
    double Bottom() const { return kPlotTop + kPlotSide * ((compression ? 1 : 0) + (tension ? 1 : 0)); }
    double ZeroY() const { return compression ? kPlotTop + kPlotSide : kPlotTop; }
    double MinAxial() const { return tension ? -kInteractionAxisMax : 0; }
    double MaxAxial() const { return compression ? kInteractionAxisMax : 0; }
    double X(double momentRatio) const { return kPlotLeft + kPlotSide * momentRatio / kInteractionAxisMax; }
    double Y(double axialRatio) const { return ZeroY() - kPlotSide * axialRatio / kInteractionAxisMax; }
};

bool Finite(const CombinationPoint& point)
{
    return std::isfinite(point.AxialRatio) && std::isfinite(point.MomentRatio);
}

Plot PlotFor(const std::vector<CombinationPoint>& points)
{
    Plot plot{false, false};
    for (const CombinationPoint& point : points) {
        if (!Finite(point)) continue;
        (point.AxialRatio < 0 ? plot.tension : plot.compression) = true;
    }
    plot.compression = plot.compression || !plot.tension;
    return plot;
}

// Open markers, each a shape of its own, drawn about (0, 0).
constexpr const char* kMarkerShapes[] = {
    "<circle r=\"4.5\"/>",
    "<rect x=\"-4\" y=\"-4\" width=\"8\" height=\"8\"/>",
    "<path d=\"M0 -5.5L5 3.5H-5Z\"/>",
    "<path d=\"M0 -5.5L5.5 0L0 5.5L-5.5 0Z\"/>",
    "<path d=\"M0 5.5L5 -3.5H-5Z\"/>",
    "<path d=\"M-4.5 -4.5L4.5 4.5M-4.5 4.5L4.5 -4.5\"/>",
};
constexpr const char* kMarkerColours[] = {"#1f3a5f", "#a04000", "#2e6b3c", "#6a1b9a", "#8e0f0f", "#37474f"};
constexpr std::size_t kMarkerCount = std::size(kMarkerShapes);

// A marker of the plot (role "point") or of the list beside it ("key").
void WriteMarker(Svg& svg, std::size_t index, double x, double y, std::string_view role)
{
    svg << "<g class=\"" << role << "\" transform=\"translate(" << x << " " << y << ")\" fill=\"#fff\" stroke=\""
        << kMarkerColours[index % kMarkerCount] << "\" stroke-width=\"1.6\">" << kMarkerShapes[index % kMarkerCount]
        << "</g>\n";
}

void WriteInteractionGrid(Svg& svg, const Plot& plot)
{
    const double bottom = plot.Bottom();
    svg << "<rect x=\"" << kPlotLeft << "\" y=\"" << kPlotTop << "\" width=\"" << kPlotSide << "\" height=\""
        << bottom - kPlotTop << "\" fill=\"none\" stroke=\"#8a939e\"/>\n";
    for (const double tick : kInteractionTicks) {
        const std::string label = tick == 0 ? "0" : Fixed(tick, 1);
        const double x = plot.X(tick);
        svg << "<line x1=\"" << x << "\" y1=\"" << kPlotTop << "\" x2=\"" << x << "\" y2=\"" << bottom
            << "\" stroke=\"#dfe4ea\"/>\n";
        WriteText(svg, x, bottom + 14, label, "class=\"xtick\" text-anchor=\"middle\"");
        for (const double sign : {1.0, -1.0}) {
            const double axial = sign * tick;
            if (axial > plot.MaxAxial() || axial < plot.MinAxial() || (sign < 0 && tick == 0)) continue;
            const double y = plot.Y(axial);
            svg << "<line x1=\"" << kPlotLeft << "\" y1=\"" << y << "\" x2=\"" << kPlotLeft + kPlotSide << "\" y2=\""
                << y << "\" stroke=\"" << (tick == 0 ? "#8a939e" : "#dfe4ea") << "\"/>\n";
            WriteText(svg, kPlotLeft - 5, y, sign < 0 ? "-" + label : label,
                      "class=\"ytick\" text-anchor=\"end\" dominant-baseline=\"central\"");
        }
    }
    svg << "<text x=\"" << kPlotLeft + kPlotSide / 2 << "\" y=\"" << bottom + 32
        << "\" text-anchor=\"middle\">M<tspan baseline-shift=\"sub\" font-size=\"8\">rx</tspan>/M<tspan "
           "baseline-shift=\"sub\" font-size=\"8\">cx</tspan> + M<tspan baseline-shift=\"sub\" "
           "font-size=\"8\">ry</tspan>/M<tspan baseline-shift=\"sub\" font-size=\"8\">cy</tspan></text>\n";
    const double middle = (kPlotTop + bottom) / 2;
    svg << "<text transform=\"translate(16 " << middle << ") rotate(-90)\" text-anchor=\"middle\">" << kAxialRatio
        << "</text>\n";
}

// A place for a label, its text centred on y and starting (or, alignEnd,
// ending) at x.
struct Spot
{
    double x = 0, y = 0;
    bool alignEnd = false;
};

// Where a combination's marker goes: on the plot, or on its edge with an
// arrow the way the point lies when it is beyond the axes; nowhere when a
// ratio is not finite. Its number goes beside it.
struct Placed
{
    double x = 0, y = 0;
    bool drawn = false, inside = false;
    double arrowX = 0, arrowY = 0;  // the arrow's direction, a unit vector
    Spot number;
};

Placed Place(const Plot& plot, const CombinationPoint& point)
{
    if (!Finite(point)) return {};
    Placed placed;
    const double moment = std::clamp(point.MomentRatio, 0.0, kInteractionAxisMax);
    const double axial = std::clamp(point.AxialRatio, plot.MinAxial(), plot.MaxAxial());
    placed.x = plot.X(moment);
    placed.y = plot.Y(axial);
    placed.drawn = true;
    placed.inside = moment == point.MomentRatio && axial == point.AxialRatio;
    if (!placed.inside) {
        const double dx = point.MomentRatio - moment, dy = axial - point.AxialRatio;  // y grows downwards
        placed.arrowX = dx / std::hypot(dx, dy);
        placed.arrowY = dy / std::hypot(dx, dy);
    }
    return placed;
}

constexpr double kArrowLength = 15;

struct Box
{
    double left, top, right, bottom;
};

// The box of a label 12 units high at spot.
Box LabelBox(const Spot& spot, double width)
{
    const double left = spot.alignEnd ? spot.x - width : spot.x;
    return {left, spot.y - 6, left + width, spot.y + 6};
}

double Gap(const Box& a, const Box& b)
{
    return std::hypot(std::max({a.left - b.right, b.left - a.right, 0.0}),
                      std::max({a.top - b.bottom, b.top - a.bottom, 0.0}));
}

// The first spot whose label of width keeps clear of every box taken; the
// one farthest from them when none does.
Spot ClearestSpot(std::initializer_list<Spot> spots, double width, const std::vector<Box>& taken)
{
    constexpr double kClearance = 3;
    Spot best = *spots.begin();
    double bestGap = -1;
    for (const Spot& spot : spots) {
        double gap = 1e9;
        for (const Box& box : taken) gap = std::min(gap, Gap(LabelBox(spot, width), box));
        if (gap >= kClearance) return spot;
        if (gap > bestGap) {
            best = spot;
            bestGap = gap;
        }
    }
    return best;
}

// Numbers each marker where no other marker or number is; returns the boxes
// the markers and numbers take.
std::vector<Box> PlaceNumbers(std::vector<Placed>& placed)
{
    std::vector<Box> taken;
    for (const Placed& point : placed) {
        if (!point.drawn) continue;
        taken.push_back({point.x - 6, point.y - 6, point.x + 6, point.y + 6});
        const double tipX = point.x + kArrowLength * point.arrowX, tipY = point.y + kArrowLength * point.arrowY;
        if (!point.inside) taken.push_back({tipX - 4, tipY - 4, tipX + 4, tipY + 4});
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!placed[i].drawn) continue;
        const double x = placed[i].x, y = placed[i].y;
        const double width = 7.0 * static_cast<double>(std::to_string(i + 1).size());  // bold digits at 10 units
        placed[i].number = ClearestSpot({{x + 9, y, false},
                                         {x - 9, y, true},
                                         {x + 8, y - 10, false},
                                         {x + 8, y + 10, false},
                                         {x - 8, y - 10, true},
                                         {x - 8, y + 10, true}},
                                        width, taken);
        taken.push_back(LabelBox(placed[i].number, width));
    }
    return taken;
}

void WriteLabel(Svg& svg, const Spot& spot, std::string_view text, std::string_view attributes)
{
    const std::string anchor = spot.alignEnd ? " text-anchor=\"end\"" : "";
    WriteText(svg, spot.x, spot.y, text, std::string(attributes) + " dominant-baseline=\"central\"" + anchor);
}

// The H1-1 lines of one half (sign 1 compression, -1 tension), the region
// they close lightly shaded, each line named where no marker or number is.
void WriteInteractionCurve(Svg& svg, const Plot& plot, double sign, const std::vector<Box>& taken)
{
    const double zeroY = plot.Y(0);
    svg << "<path d=\"M" << plot.X(0) << " " << zeroY << "L" << plot.X(0) << " " << plot.Y(sign) << "L"
        << plot.X(0.9) << " " << plot.Y(sign * 0.2) << "L" << plot.X(1) << " " << zeroY
        << "Z\" fill=\"#e8f1e4\"/>\n";
    svg << "<line x1=\"" << plot.X(0) << "\" y1=\"" << plot.Y(sign * 0.2) << "\" x2=\"" << plot.X(0.9) << "\" y2=\""
        << plot.Y(sign * 0.2) << "\" stroke=\"#5b6570\" stroke-dasharray=\"4 3\"/>\n";
    svg << "<polyline class=\"curve\" points=\"" << plot.X(0) << "," << plot.Y(sign) << " " << plot.X(0.9) << ","
        << plot.Y(sign * 0.2) << " " << plot.X(1) << "," << zeroY
        << "\" fill=\"none\" stroke=\"#000\" stroke-width=\"2\"/>\n";

    constexpr double kLabelWidth = 39;  // "H1-1a" in bold
    // Beside the H1-1a line at a point of it, outside or inside the region.
    const auto beside = [&](double t, bool outside) {
        const double x = plot.X(0.9 * t), y = plot.Y(sign * (1 - 0.8 * t));
        return outside ? Spot{x + 6, y - sign * 10, false} : Spot{x - 6, y + sign * 10, true};
    };
    WriteLabel(svg,
               ClearestSpot({beside(0.5, true), beside(0.5, false), beside(0.25, true), beside(0.75, true),
                             beside(0.3, false), beside(0.7, false)},
                            kLabelWidth, taken),
               "H1-1a", "font-weight=\"bold\"");
    const double middleX = plot.X(0.95), middleY = plot.Y(sign * 0.1);
    WriteLabel(svg,
               ClearestSpot({{middleX + 8, middleY, false},
                             {plot.X(0.9) + 8, plot.Y(sign * 0.2) - sign * 10, false},
                             {middleX - 8, middleY, true}},
                            kLabelWidth, taken),
               "H1-1b", "font-weight=\"bold\"");
    WriteLabel(svg, {plot.X(kInteractionAxisMax) - 6, plot.Y(sign * 1.3), true}, sign > 0 ? "compression" : "tension",
               "font-style=\"italic\" fill=\"#5b6570\"");
}

// A point beyond the axes: an arrow from its marker on the edge the way the
// point lies.
void WriteClipArrow(Svg& svg, double x, double y, double ux, double uy)
{
    const double tipX = x + kArrowLength * ux, tipY = y + kArrowLength * uy;
    svg << "<path class=\"clipped\" d=\"M" << x + 6 * ux << " " << y + 6 * uy << "L" << tipX << " " << tipY
        << "M" << tipX - 5 * ux - 3 * uy << " " << tipY - 5 * uy + 3 * ux << "L" << tipX << " " << tipY << "L"
        << tipX - 5 * ux + 3 * uy << " " << tipY - 5 * uy - 3 * ux << "\" fill=\"none\" stroke=\"#000\" "
        << "stroke-width=\"1.4\"/>\n";
}

void WritePoint(Svg& svg, const Placed& placed, std::size_t index)
{
    if (!placed.inside) WriteClipArrow(svg, placed.x, placed.y, placed.arrowX, placed.arrowY);
    WriteMarker(svg, index, placed.x, placed.y, "point");
    WriteLabel(svg, placed.number, std::to_string(index + 1), "font-size=\"10\" font-weight=\"bold\"");
}

constexpr double kLegendLeft = 350, kNameLeft = 382, kNameWidth = 170, kAxialRight = 630, kMomentRight = 710;

// The list beside the plot: marker, number, name and ratios of each point,
// and a note under those not drawn where they lie. Returns its bottom.
double WriteLegend(Svg& svg, const std::vector<CombinationPoint>& points, const std::vector<const char*>& notes)
{
    svg << "<text x=\"" << kNameLeft << "\" y=\"" << kPlotTop << "\" font-weight=\"bold\">Combination</text>\n";
    svg << "<text x=\"" << kAxialRight << "\" y=\"" << kPlotTop << "\" text-anchor=\"end\" font-weight=\"bold\">"
        << kAxialRatio << "</text>\n";
    svg << "<text x=\"" << kMomentRight << "\" y=\"" << kPlotTop << "\" text-anchor=\"end\" font-weight=\"bold\">"
        << "\xCE\xA3M<tspan baseline-shift=\"sub\" font-size=\"8\">r</tspan>/M<tspan baseline-shift=\"sub\" "
           "font-size=\"8\">c</tspan></text>\n";
    double y = kPlotTop + 20;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CombinationPoint& point = points[i];
        WriteMarker(svg, i, kLegendLeft, y - 4, "key");
        WriteText(svg, kLegendLeft + 10, y, std::to_string(i + 1), "font-size=\"10\" font-weight=\"bold\"");
        WriteText(svg, kNameLeft, y, Escape(point.Combination), "", kNameWidth);
        WriteText(svg, kAxialRight, y, RatioText(point.AxialRatio), "text-anchor=\"end\"");
        WriteText(svg, kMomentRight, y, RatioText(point.MomentRatio), "text-anchor=\"end\"");
        if (notes[i]) {
            y += 13;
            WriteText(svg, kNameLeft, y, notes[i], "font-size=\"9.5\" font-style=\"italic\" fill=\"#5b6570\"");
        }
        y += 17;
    }
    svg << "<rect x=\"" << kLegendLeft - 5 << "\" y=\"" << y - 9 << "\" width=\"10\" height=\"10\" fill=\"#e8f1e4\" "
        << "stroke=\"#000\"/>\n";
    WriteText(svg, kNameLeft, y, "H1-1a or H1-1b at most 1.0 (the solid line is 1.0)", "font-size=\"10\"");
    return y + 8;
}

} // namespace

std::string UtilisationChart(const std::vector<MemberBar>& members)
{
    Svg svg;
    svg << "<div class=\"zs-chart\">\n";
    if (members.empty()) svg << "<p>No members to chart.</p>\n";
    const BarColumns columns = ColumnsFor(members);
    const std::size_t blocks = (members.size() + kRowsPerBlock - 1) / kRowsPerBlock;
    for (std::size_t block = 0, first = 0; block < blocks; ++block) {
        const std::size_t end = members.size() * (block + 1) / blocks;
        WriteBarBlock(svg, columns, members.data() + first, end - first, block == 0, block + 1 == blocks);
        first = end;
    }
    svg << "</div>\n";
    return std::move(svg.Text());
}

std::string InteractionDiagram(std::string_view memberId, const std::vector<CombinationPoint>& points)
{
    const Plot plot = PlotFor(points);
    std::vector<Placed> placed;
    std::vector<const char*> notes;
    for (const CombinationPoint& point : points) {
        placed.push_back(Place(plot, point));
        const bool tension = point.AxialRatio < 0;
        notes.push_back(!placed.back().drawn    ? "not drawn: a ratio is not finite"
                        : !placed.back().inside ? (tension ? "tension, beyond the axes" : "beyond the axes")
                        : tension               ? "tension"
                                                : nullptr);
    }
    const std::vector<Box> taken = PlaceNumbers(placed);
    Svg body;
    WriteText(body, 6, 16, Escape("H1-1 interaction: " + std::string(memberId)), "font-weight=\"bold\"", kWidth - 12);
    WriteInteractionGrid(body, plot);
    if (plot.compression) WriteInteractionCurve(body, plot, 1, taken);
    if (plot.tension) WriteInteractionCurve(body, plot, -1, taken);
    for (std::size_t i = 0; i < points.size(); ++i)
        if (placed[i].drawn) WritePoint(body, placed[i], i);
    const double legendBottom = WriteLegend(body, points, notes);
    Svg svg;
    OpenSvg(svg, std::max(plot.Bottom() + 42, legendBottom), "H1-1 interaction diagram of " + std::string(memberId));
    svg << body.Text() << "</svg>\n";
    return std::move(svg.Text());
}

} // namespace zorsteel
