// Arbitrary bytes as the command's member file (a header and rows of CSV;
// binary bytes, rows cut short, quotes left open, numbers that are not, Ids
// given different sections, select's Candidates column): read as the command
// reads it, in conventions chosen by the input's size (lengths in inches or
// feet, compression positive or negative, full or classic rules), its first
// rows checked as the command checks them, some with their report, and the
// results written as CSV, JSON (which must parse), the terminal table and summary, and the
// report page. A row is ERROR or carries numbers the library computed. The
// file written again with other sections (select's --write-members) reads
// back as the same rows with those sections.
#include <cstdint>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "MemberFile.h"
#include "ResultOutput.h"

using namespace zorsteel;
using namespace zorsteel::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputConventions conventions{size % 2 ? LengthUnit::Feet : LengthUnit::Inches,
                                       size % 3 ? CompressionSign::Positive : CompressionSign::Negative,
                                       size % 5 ? DesignRules::Full : DesignRules::Classic,
                                       size % 7 ? Edition::Aisc360_10 : Edition::Aisc360_22};
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const MemberFile file = ReadMembers(in, "fuzz.csv", 1, conventions, true);
    FUZZ_EXPECT(file.Error.empty() || file.Rows.empty());
    FUZZ_EXPECT(file.Fields.size() == file.Rows.size());
    std::vector<MemberResult> results;
    for (std::size_t i = 0; i < file.Rows.size() && i < 12; ++i) {
        MemberResult result = RunMember(file.Rows[i], i % 4 == 0);
        FUZZ_EXPECT(result.Checked == (result.Status != "ERROR"));
        FUZZ_EXPECT(result.Checked || !result.Message.empty());
        results.push_back(std::move(result));
    }
    const std::vector<MemberResult> envelope = EnvelopeOf(results);
    const std::vector<const ResultColumn*> columns = ResultColumns(file.HasCombo, true);
    std::ostringstream out;
    CsvResultWriter csv(out, columns);
    for (const MemberResult& result : results) csv.Write(result);
    std::ostringstream json;
    WriteJson(json, columns, results, &envelope, conventions);
    FUZZ_EXPECT(nlohmann::json::accept(json.str()));
    WriteTable(out, results, file.HasCombo, true, 1);
    WriteShortSummary(out, results, CheckedBy(conventions), true);
    WriteModelReport(out, results, {.Title = "fuzz"});

    if (!file.Error.empty()) return 0;
    std::stringstream written;
    WriteMembers(written, file, std::vector<std::string>(file.Rows.size(), "W14X90"));
    const MemberFile again = ReadMembers(written, "written.csv", 1, conventions);
    FUZZ_EXPECT(again.Error.empty() && again.Rows.size() == file.Rows.size());
    for (const MemberRow& row : again.Rows) FUZZ_EXPECT(row.Section == "W14X90");
    return 0;
}
