// Arbitrary bytes as the command's member file (a header and rows of CSV;
// binary bytes, rows cut short, quotes left open, numbers that are not):
// read as the command reads it, its first rows checked as the command checks
// them, some with their report, and the results written as CSV, JSON (which
// must parse), the terminal table and the report page. A row is ERROR or
// carries numbers the library computed.
#include <cstdint>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "FuzzSupport.h"
#include "MemberFile.h"
#include "ReportOutput.h"
#include "ResultOutput.h"

using namespace zorsteel;
using namespace zorsteel::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const MemberFile file = ReadMembers(in, "fuzz.csv", 1);
    FUZZ_EXPECT(file.Error.empty() || file.Rows.empty());
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
    WriteJson(json, columns, results, &envelope);
    FUZZ_EXPECT(nlohmann::json::accept(json.str()));
    WriteTable(out, results, file.HasCombo, true, 1);
    WriteReport(out, "fuzz", results);
    return 0;
}
