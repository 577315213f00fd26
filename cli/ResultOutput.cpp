#include "ResultOutput.h"

#include <cmath>
#include <cstdio>
#include <map>

#include <nlohmann/json.hpp>

#include "Csv.h"

namespace {

using M = MemberResult;

nlohmann::ordered_json NumberJson(double value)
{
    if (std::isfinite(value)) return value;
    return FormatNumber(value);
}

// The cell as CSV text: numbers of an unchecked row stay empty.
std::string CellText(const ResultColumn& column, const MemberResult& result)
{
    if (column.Text) return result.*column.Text;
    if (column.Integer == &M::Envelope) return std::to_string(result.Envelope);
    if (!result.Checked) return "";
    return column.Number ? FormatNumber(result.*column.Number) : std::to_string(result.*column.Integer);
}

nlohmann::ordered_json CellJson(const ResultColumn& column, const MemberResult& result)
{
    if (column.Text) return result.*column.Text;
    if (column.Integer == &M::Envelope) return result.Envelope;
    if (!result.Checked) return nullptr;
    if (column.Integer) return result.*column.Integer;
    return NumberJson(result.*column.Number);
}

nlohmann::ordered_json LimitStatesJson(const MemberResult& result)
{
    if (!result.Checked) return nullptr;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LimitState& state : result.Limits)
        list.push_back({{"Quantity", StrengthText(state.Quantity)},
                        {"Name", state.Name},
                        {"Equation", state.Equation},
                        {"Nominal", NumberJson(state.Nominal)},
                        {"Governs", state.Governs}});
    return list;
}

} // namespace

std::string Brief(double value, bool ratio)
{
    if (!std::isfinite(value)) return FormatNumber(value);
    char text[32];
    std::snprintf(text, sizeof text, ratio ? "%.3f" : "%.4g", value);
    return text;
}

CsvResultWriter::CsvResultWriter(std::ostream& out, std::vector<const ResultColumn*> columns)
    : m_out(out), m_columns(std::move(columns))
{
    std::vector<std::string> names;
    for (const ResultColumn* column : m_columns) names.emplace_back(column->Name);
    WriteCsvRecord(m_out, names);
    m_out.flush();
}

void CsvResultWriter::Write(const MemberResult& result)
{
    std::vector<std::string> cells;
    for (const ResultColumn* column : m_columns) cells.push_back(CellText(*column, result));
    WriteCsvRecord(m_out, cells);
    m_out.flush();
}

void WriteJson(std::ostream& out, const std::vector<const ResultColumn*>& columns,
               const std::vector<MemberResult>& results, const std::vector<MemberResult>* envelope)
{
    auto array = [&](const std::vector<MemberResult>& rows) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const MemberResult& result : rows) {
            nlohmann::ordered_json object;
            for (const ResultColumn* column : columns) object[std::string(column->Name)] = CellJson(*column, result);
            object["LimitStates"] = LimitStatesJson(result);
            list.push_back(std::move(object));
        }
        return list;
    };
    nlohmann::ordered_json document;
    document["members"] = array(results);
    if (envelope) document["envelope"] = array(*envelope);
    out << document.dump(2) << '\n';
}

void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<bool>& right, std::size_t statusColumn, bool colour)
{
    std::vector<std::size_t> width(rows.front().size());
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string text;
        for (std::size_t i = 0; i < rows[r].size(); ++i) {
            const std::string& cell = rows[r][i];
            const std::string pad(width[i] - cell.size(), ' ');
            std::string shown = cell;
            if (colour && r > 0 && i == statusColumn)
                shown = (cell == "OK" ? "\033[1;32m" : "\033[1;31m") + cell + "\033[0m";
            if (i + 1 == rows[r].size())
                text += shown;
            else
                text += (right[i] ? pad + shown : shown + pad) + "  ";
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << '\n';
    }
}

void WriteTable(std::ostream& out, const std::vector<MemberResult>& results, bool withCombo, bool colour)
{
    std::vector<std::vector<std::string>> rows = {{"Id"}};
    if (withCombo) rows[0].push_back("Combo");
    rows[0].insert(rows[0].end(), {"Section", "phiPn", "phiMnx", "phiMny", "phiVnx", "phiVny", "H1 ratio",
                                   "Vx ratio", "Vy ratio", "critical", "code", "status", "message"});
    for (const MemberResult& r : results) {
        std::vector<std::string> row = {r.Id};
        if (withCombo) row.push_back(r.Combo);
        row.push_back(r.Section);
        for (const double value : {r.PhiPn, r.PhiMnx, r.PhiMny, r.PhiVnx, r.PhiVny})
            row.push_back(r.Checked ? Brief(value, false) : "");
        for (const double value : {r.InteractionRatio, r.VxRatio, r.VyRatio, r.CriticalRatio})
            row.push_back(r.Checked ? Brief(value, true) : "");
        row.push_back(r.Checked ? std::to_string(r.ErrorCode) : "");
        row.push_back(r.Status);
        row.push_back(r.Message);
        rows.push_back(std::move(row));
    }
    // Numbers right-aligned: from phiPn to the error code, before the status.
    const std::size_t firstNumber = withCombo ? 3 : 2;
    const std::size_t status = rows[0].size() - 2;
    std::vector<bool> right(rows[0].size(), false);
    for (std::size_t i = firstNumber; i < status; ++i) right[i] = true;
    WriteAligned(out, rows, right, status, colour);
}

int StatusRank(std::string_view status) { return status == "OK" ? 0 : status == "NG" ? 1 : 2; }

std::vector<MemberResult> EnvelopeOf(const std::vector<MemberResult>& results)
{
    auto worse = [](const MemberResult& a, const MemberResult& b) {
        if (StatusRank(a.Status) != StatusRank(b.Status)) return StatusRank(a.Status) > StatusRank(b.Status);
        if (std::isnan(b.CriticalRatio)) return false;
        return std::isnan(a.CriticalRatio) || a.CriticalRatio > b.CriticalRatio;
    };
    std::vector<MemberResult> envelope;
    std::map<std::string, std::size_t> line;  // Id to its place in envelope
    for (const MemberResult& result : results) {
        const auto [at, added] = line.try_emplace(result.Id, envelope.size());
        if (added)
            envelope.push_back(result);
        else if (worse(result, envelope[at->second]))
            envelope[at->second] = result;
    }
    for (MemberResult& result : envelope) {
        result.Envelope = 1;
        result.Report.clear();
    }
    return envelope;
}
