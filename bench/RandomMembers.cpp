#include "RandomMembers.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "zorsteel.h"

using namespace zorsteel;

namespace {

struct Section
{
    std::string name;
    double A, Zx, Zy;  // for forces of the section's size
};

// The sections of every catalogue family that has a design class (codes 0
// to 13), family by family.
std::vector<std::vector<Section>> SectionsByFamily()
{
    std::vector<std::vector<Section>> families;
    std::ifstream file(ToNativePath(CataloguePath()), std::ios::binary);
    for (int code = kShapeW; code <= kShapePipe; ++code) {
        std::vector<mvSect_AISC> rows;
        file.clear();
        get_aisc_section(rows, file, code);
        if (rows.empty()) continue;
        std::vector<Section>& sections = families.emplace_back();
        for (const mvSect_AISC& row : rows) sections.push_back({ToUtf8(GetSectionName(row)), row.A, row.Zx, row.Zy});
    }
    return families;
}

// A field as a model writes it: to one decimal.
void AppendField(std::string& line, double value)
{
    char text[32];
    line += ',';
    line.append(text, std::to_chars(text, text + sizeof text, std::round(value * 10) / 10).ptr);
}

} // namespace

bool WriteRandomMembers(std::ostream& out, std::size_t rows, std::uint64_t seed)
{
    const std::vector<std::vector<Section>> families = SectionsByFamily();
    if (families.empty()) return false;
    std::mt19937_64 rng(seed);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&](std::size_t count) { return static_cast<std::size_t>(rng() % count); };
    constexpr const char* kCombos[] = {"1.4D", "1.2D+1.6L", "1.2D+1.0W+L", "0.9D-1.0W"};

    out << "Id,Combo,Section,Fy,Pu,Mux,Muy,Cmx,Cmy,Vux,Vuy,Cb,Lb,Kx,Ky,Lx,Ly,Kz,Lz,ConnectorDistance\n";
    std::string line;
    for (std::size_t member = 1; (member - 1) * std::size(kCombos) < rows; ++member) {
        const std::vector<Section>& family = families[pick(families.size())];
        const Section& section = family[pick(family.size())];
        const double fy = std::array{36.0, 46.0, 50.0, 65.0}[pick(4)];
        const double length = uniform(48, 480), k = uniform(0.65, 2.0), cb = uniform(1.0, 2.3);
        // Forces up to about the section's yield strengths (moments in kip-ft).
        const double py = fy * section.A, mpx = fy * section.Zx / 12, mpy = fy * section.Zy / 12;
        for (const char* combo : kCombos) {
            line = 'M';
            line += std::to_string(member);
            ((line += ',') += combo) += ',';
            line += section.name;
            for (const double value :
                 {fy, uniform(-0.3, 0.6) * py, uniform(-0.6, 0.6) * mpx, uniform(-0.2, 0.2) * mpy, uniform(0.4, 1.0),
                  uniform(0.4, 1.0), uniform(-0.1, 0.1) * py, uniform(-0.05, 0.05) * py, cb, length, k, k, length,
                  length, 1.0, length, uniform(12, 60)})
                AppendField(line, value);
            out << line << '\n';
        }
    }
    return static_cast<bool>(out);
}
