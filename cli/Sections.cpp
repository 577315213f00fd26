#include "Sections.h"

#include <algorithm>
#include <iostream>

#include <nlohmann/json.hpp>

#include "Csv.h"
#include "Environment.h"
#include "ExitStatus.h"
#include "ResultOutput.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

using S = mvSect_AISC;

struct SectionColumn
{
    std::string_view Name;
    double (*Value)(const S&);
};

// Depth, width and the wall or leg thickness t are the family's own measures,
// the first of its fields the record holds: only one family's are filled in.
const SectionColumn kSectionColumns[] = {
    {"A", [](const S& s) { return s.A; }},
    {"W", [](const S& s) { return s.W; }},
    {"depth", [](const S& s) { return s.d ? s.d : s.Ht ? s.Ht : s.OD; }},
    {"width", [](const S& s) { return s.bf ? s.bf : s.B ? s.B : s.b ? s.b : s.OD; }},
    {"tw", [](const S& s) { return s.tw; }},
    {"tf", [](const S& s) { return s.tf; }},
    {"t", [](const S& s) { return s.t ? s.t : s.tdes; }},
    {"Ix", [](const S& s) { return s.Ix; }},
    {"Zx", [](const S& s) { return s.Zx; }},
    {"Sx", [](const S& s) { return s.Sx; }},
    {"rx", [](const S& s) { return s.rx; }},
    {"Iy", [](const S& s) { return s.Iy; }},
    {"Zy", [](const S& s) { return s.Zy; }},
    {"Sy", [](const S& s) { return s.Sy; }},
    {"ry", [](const S& s) { return s.ry; }},
    {"J", [](const S& s) { return s.J; }},
};

// "12:14", "12:", ":14" or "" (no bound: 0, as the catalogue takes it).
bool ParseRange(const std::string& text, const char* option, double& low, double& high)
{
    low = high = 0;
    if (text.empty()) return true;
    const std::size_t colon = text.find(':');
    const std::string lowText = text.substr(0, colon);
    const std::string highText = colon == std::string::npos ? "" : text.substr(colon + 1);
    auto bound = [](const std::string& part, double& value) {
        return part.empty() || (ParseNumber(part, value) == NumberParse::Ok && value >= 0);
    };
    if (colon != std::string::npos && bound(lowText, low) && bound(highText, high)) return true;
    Complain(std::string(option) + ": \"" + text + "\" is not MIN:MAX (inches, either may be left out)");
    return false;
}

bool Generate(const SectionsOptions& options, std::vector<S>& sections)
{
    CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    if (!options.List.empty()) {
        if (!options.Family.empty() || !options.Prefix.empty() || !options.Width.empty() || !options.Height.empty()) {
            Complain("--list goes alone, without --family, --prefix, --width or --height");
            return false;
        }
        catalogue->GenerateSections(sections, FromUtf8(options.List));
        return true;
    }
    const int code = get_shape(FromUtf8(options.Family).c_str());
    if (code < 0) {
        Complain("--family: \"" + options.Family + "\" names no shape family (W, C, L, WT, 2L, HSS8X4, Pipe, ...)");
        return false;
    }
    double minWidth, maxWidth, minHeight, maxHeight;
    if (!ParseRange(options.Width, "--width", minWidth, maxWidth) ||
        !ParseRange(options.Height, "--height", minHeight, maxHeight))
        return false;
    catalogue->GenerateSections(sections, code, minWidth, maxWidth, minHeight, maxHeight);
    if (!options.Prefix.empty()) {
        // Within the bounds and with a prefix: the rows both lists hold.
        std::vector<S> prefixed;
        catalogue->GenerateSections(prefixed, code, FromUtf8(options.Prefix));
        std::erase_if(sections, [&](const S& s) {
            return std::ranges::none_of(prefixed, [&](const S& p) { return GetSectionName(p) == GetSectionName(s); });
        });
    }
    return true;
}

} // namespace

int RunSections(const SectionsOptions& options)
{
    if (options.List.empty() && options.Family.empty()) {
        Complain("sections needs --family or --list");
        return kExitUsage;
    }
    if (!CatalogueReady()) return kExitFileError;
    std::vector<S> sections;
    if (!Generate(options, sections)) return kExitUsage;

    Output out, json;
    if (!out.Open(options.Out) || !json.Open(options.Json)) return kExitFileError;
    std::vector<std::vector<std::string>> table = {{"Section"}}, csv = {{"Section"}};
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const SectionColumn& column : kSectionColumns) {
        table[0].emplace_back(column.Name);
        csv[0].emplace_back(column.Name);
    }
    for (const S& section : sections) {
        const std::string name = ToUtf8(GetSectionName(section));
        std::vector<std::string> brief = {name}, exact = {name};
        nlohmann::ordered_json object = {{"Section", name}};
        for (const SectionColumn& column : kSectionColumns) {
            const double value = column.Value(section);
            brief.push_back(Brief(value, false));
            exact.push_back(FormatNumber(value));
            object[std::string(column.Name)] = value;
        }
        table.push_back(std::move(brief));
        csv.push_back(std::move(exact));
        list.push_back(std::move(object));
    }
    if (out.Stream())
        for (const auto& record : csv) WriteCsvRecord(*out.Stream(), record);
    if (json.Stream()) *json.Stream() << list.dump(2) << '\n';
    if (out.Stream() != &std::cout && json.Stream() != &std::cout) {
        std::vector<bool> right(table[0].size(), true);
        right[0] = false;
        WriteAligned(std::cout, table, right, table[0].size(), false);
    }
    return kExitOk;
}

} // namespace zorsteel::cli
