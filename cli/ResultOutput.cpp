#include "ResultOutput.h"

#include <charconv>
#include <cmath>

#include "Csv.h"
#include "zorsteel.h"

namespace zorsteel::cli {

namespace {

using M = MemberResult;

void AppendInteger(std::string& out, int value)
{
    char text[16];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Whether a number cell has a value: not for an unchecked row, nor for a
// check that did not run (the deflection ratios without denominators).
bool HasNumber(const ResultColumn& column, const MemberResult& result)
{
    return result.Checked && (!column.Present || result.*column.Present);
}

// Appends the cell as CSV text: numbers without a value stay empty.
void AppendCell(std::string& out, const ResultColumn& column, const MemberResult& result)
{
    if (column.Text)
        AppendCsvField(out, result.*column.Text);
    else if (column.Integer == &M::Envelope)
        AppendInteger(out, result.Envelope);
    else if (!HasNumber(column, result))
        return;
    else if (column.Number)
        AppendNumber(out, result.*column.Number);
    else
        AppendInteger(out, result.*column.Integer);
}

// A string as JSON: UTF-8 as it is, the bytes of a member file that are not
// UTF-8 (an Id, a Combo, a Section as given) as U+FFFD, where the CSV keeps
// them; quotes, backslashes and control characters escaped.
void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        char32_t c;
        if (!DecodeUtf8(text, i, c)) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else if (c == '"' || c == '\\') {
            (out += '\\') += static_cast<char>(c);
        } else if (c < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text, start, i - start);
        }
    }
    out += '"';
}

// A number as JSON: finite ones as the CSV writes them, the others as the
// strings "inf", "-inf" and "nan".
void AppendJsonNumber(std::string& out, double value)
{
    if (std::isfinite(value)) {
        AppendNumber(out, value);
    } else {
        (out += '"') += FormatNumber(value);
        out += '"';
    }
}

// Appends the cell as a JSON value: numbers without a value are null.
void AppendJsonCell(std::string& out, const ResultColumn& column, const MemberResult& result)
{
    if (column.Text) {
        AppendJsonString(out, result.*column.Text);
    } else if (column.Integer == &M::Envelope) {
        AppendInteger(out, result.Envelope);
    } else if (!HasNumber(column, result)) {
        out += "null";
    } else if (column.Integer) {
        AppendInteger(out, result.*column.Integer);
    } else {
        AppendJsonNumber(out, result.*column.Number);
    }
}

// Every limit state the check evaluated, as a JSON list; null for an
// unchecked row.
void AppendJsonLimitStates(std::string& out, const MemberResult& result)
{
    if (!result.Checked) {
        out += "null";
        return;
    }
    out += '[';
    for (const LimitState& state : result.Limits) {
        if (&state != result.Limits.begin()) out += ", ";
        out += "{\"Quantity\": ";
        AppendJsonString(out, StrengthText(state.Quantity));
        out += ", \"Name\": ";
        AppendJsonString(out, state.Name);
        out += ", \"Equation\": ";
        AppendJsonString(out, state.Equation);
        out += ", \"Nominal\": ";
        AppendJsonNumber(out, state.Nominal);
        out += state.Governs ? ", \"Governs\": true}" : ", \"Governs\": false}";
    }
    out += ']';
}

} // namespace

std::string Brief(double value, bool ratio)
{
    if (!std::isfinite(value)) return FormatNumber(value);
    // As printf's "%.3f" and "%.4g" write them, without printf's cost.
    char text[400];  // a fixed-point double has at most 309 digits before the point
    const auto written = ratio ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3)
                               : std::to_chars(text, text + sizeof text, value, std::chars_format::general, 4);
    return std::string(text, written.ptr);
}

CsvResultWriter::CsvResultWriter(std::ostream& out, std::vector<const ResultColumn*> columns)
    : m_out(out), m_columns(std::move(columns))
{
    std::vector<std::string> names;
    for (const ResultColumn* column : m_columns) names.emplace_back(column->Name);
    WriteCsvRecord(m_out, names);
    m_out.flush();
}

std::string CsvResultWriter::Line(const MemberResult& result) const
{
    std::string line;
    for (const ResultColumn* column : m_columns) {
        if (column != m_columns.front()) line += ',';
        AppendCell(line, *column, result);
    }
    line += '\n';
    return line;
}

void CsvResultWriter::Write(const MemberResult& result) { WriteLine(Line(result)); }

void CsvResultWriter::WriteLine(const std::string& line)
{
    m_out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

void CsvResultWriter::Flush() { m_out.flush(); }

namespace {

// Writes a JSON text a piece at a time: the text of a large model would be
// tens of megabytes. Laid out two spaces an indent, one key a line.
class JsonWriter
{
public:
    JsonWriter(std::ostream& out, const std::vector<const ResultColumn*>& columns) : m_out(out), m_columns(columns) {}

    // The results as the elements of an array, each after indent spaces;
    // first tells whether an element precedes them.
    void Objects(const std::vector<MemberResult>& rows, const char* indent, bool first)
    {
        for (const MemberResult& row : rows) {
            ((m_text += first ? "\n" : ",\n") += indent) += "{\n";
            first = false;
            for (const ResultColumn* column : m_columns) {
                ((((m_text += indent) += "  \"") += column->Name) += "\": ");
                AppendJsonCell(m_text, *column, row);
                m_text += ",\n";
            }
            (m_text += indent) += "  \"LimitStates\": ";
            AppendJsonLimitStates(m_text, row);
            ((m_text += '\n') += indent) += "}";
            if (m_text.size() > (1 << 16)) Flush();
        }
    }
    std::string& Text() { return m_text; }
    void Flush()
    {
        m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
        m_text.clear();
    }

private:
    std::ostream& m_out;
    const std::vector<const ResultColumn*>& m_columns;
    std::string m_text;
};

} // namespace

void WriteJson(std::ostream& out, const std::vector<const ResultColumn*>& columns,
               const std::vector<MemberResult>& results, const std::vector<MemberResult>* envelope,
               const InputConventions& conventions)
{
    JsonWriter json(out, columns);
    auto array = [&](const char* key, const std::vector<MemberResult>& rows, bool last) {
        ((json.Text() += "  \"") += key) += "\": [";
        json.Objects(rows, "    ", true);
        json.Text() += rows.empty() ? "]" : "\n  ]";
        json.Text() += last ? "\n" : ",\n";
    };
    ((json.Text() += "{\n  \"Rules\": \"") += DesignRulesText(EffectiveRules(conventions))) += "\",\n";
    ((json.Text() += "  \"Edition\": \"") += EditionText(conventions.Edition)) += "\",\n";
    array("members", results, envelope == nullptr);
    if (envelope) array("envelope", *envelope, true);
    json.Text() += "}\n";
    json.Flush();
}

void WriteJsonArray(std::ostream& out, const std::vector<const ResultColumn*>& columns,
                    const std::vector<MemberResult>& results, const std::vector<MemberResult>* envelope)
{
    JsonWriter json(out, columns);
    json.Text() += "[";
    json.Objects(results, "  ", true);
    if (envelope) json.Objects(*envelope, "  ", results.empty());
    json.Text() += results.empty() && (!envelope || envelope->empty()) ? "]\n" : "\n]\n";
    json.Flush();
}

std::string Printable(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;  // U+0080 to U+009F in UTF-8
        if (c < 0x20 || c == 0x7F || c1) {
            shown += '?';
            i += c1;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                  const std::vector<bool>& right, std::size_t statusColumn, bool colour)
{
    std::vector<std::size_t> width(rows.front().size());
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
    std::string text;  // one line at a time, its memory kept
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text.clear();
        for (std::size_t i = 0; i < rows[r].size(); ++i) {
            const std::string& cell = rows[r][i];
            const bool last = i + 1 == rows[r].size();
            const std::size_t pad = last ? 0 : width[i] - cell.size();
            if (!last && right[i]) text.append(pad, ' ');
            if (colour && r > 0 && i == statusColumn)
                text.append(cell == "OK" ? "\033[1;32m" : "\033[1;31m").append(cell).append("\033[0m");
            else
                text += cell;
            if (!last) text.append(right[i] ? 0 : pad, ' ').append("  ");
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        text += '\n';
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

void WriteTable(std::ostream& out, const std::vector<MemberResult>& results, bool withCombo, bool colour,
                unsigned threads)
{
    std::vector<std::vector<std::string>> rows = {{"Id"}};
    if (withCombo) rows[0].push_back("Combo");
    rows[0].insert(rows[0].end(), {"Section", "phiPn", "phiMnx", "phiMny", "phiVnx", "phiVny", "H1 ratio",
                                   "Vx ratio", "Vy ratio", "critical", "code", "status", "message"});
    rows.reserve(1 + results.size());
    auto cells = [&](std::size_t i) {
        const MemberResult& r = results[i];
        std::vector<std::string> row = {Printable(r.Id)};
        if (withCombo) row.push_back(Printable(r.Combo));
        row.push_back(Printable(r.Section));
        for (const double value : {r.PhiPn, r.PhiMnx, r.PhiMny, r.PhiVnx, r.PhiVny})
            row.push_back(r.Checked ? Brief(value, false) : "");
        for (const double value : {r.InteractionRatio, r.VxRatio, r.VyRatio, r.CriticalRatio})
            row.push_back(r.Checked ? Brief(value, true) : "");
        row.push_back(r.Checked ? std::to_string(r.ErrorCode) : "");
        row.push_back(r.Status);
        row.push_back(Printable(r.Message));
        return row;
    };
    constexpr std::size_t kBlockSize = 256;
    ComputeInOrder<std::vector<std::string>>(results.size(), threads, kBlockSize, cells,
                                             [&](std::vector<std::string>&& row) { rows.push_back(std::move(row)); });
    // Numbers right-aligned: from phiPn to the error code, before the status.
    const std::size_t firstNumber = withCombo ? 3 : 2;
    const std::size_t status = rows[0].size() - 2;
    std::vector<bool> right(rows[0].size(), false);
    for (std::size_t i = firstNumber; i < status; ++i) right[i] = true;
    WriteAligned(out, rows, right, status, colour);
}

std::string CheckedBy(const InputConventions& conventions)
{
    return std::string("AISC ") + EditionText(conventions.Edition) + ", " +
           DesignRulesText(EffectiveRules(conventions)) + " rules";
}

void WriteShortSummary(std::ostream& out, const std::vector<MemberResult>& results, std::string_view checkedBy,
                       bool colour)
{
    const std::vector<ModelMember> members = MembersOf(results);
    std::size_t counts[3] = {};
    const MemberResult* highest = nullptr;
    std::vector<std::vector<std::string>> failing = {{"status", "Id", "Section", "Combo", "critical", "message"}};
    std::size_t more = 0;
    constexpr std::size_t kShown = 20;
    for (const ModelMember& member : members) {
        const MemberResult& r = results[member.Governing];
        ++counts[StatusRank(r.Status)];
        if (r.Checked && !std::isnan(r.CriticalRatio) && (!highest || r.CriticalRatio > highest->CriticalRatio))
            highest = &r;
        if (r.Status == "OK") continue;
        if (failing.size() > kShown) {
            ++more;
            continue;
        }
        failing.push_back({r.Status, Printable(r.Id), Printable(r.Section), Printable(r.Combo),
                           r.Checked ? Brief(r.CriticalRatio, true) : "", Printable(r.Message)});
    }
    out << members.size() << (members.size() == 1 ? " member" : " members") << " (" << results.size()
        << (results.size() == 1 ? " row" : " rows") << ") by " << checkedBy << ": " << counts[0] << " OK, " << counts[1]
        << " NG, " << counts[2] << " ERROR";
    if (highest)
        out << "; highest critical ratio " << Brief(highest->CriticalRatio, true) << " (" << Printable(highest->Id)
            << (highest->Combo.empty() ? "" : ", " + Printable(highest->Combo)) << ")";
    out << "\n";
    if (failing.size() > 1) {
        out << "\n";
        WriteAligned(out, failing, {false, false, false, false, true, false}, 0, colour);
        if (more > 0) out << "and " << more << " more\n";
    }
}

int StatusRank(std::string_view status) { return status == "OK" ? 0 : status == "NG" ? 1 : 2; }

std::vector<MemberResult> EnvelopeOf(const std::vector<MemberResult>& results)
{
    std::vector<MemberResult> envelope;
    for (const ModelMember& member : MembersOf(results)) {
        MemberResult& line = envelope.emplace_back(results[member.Governing]);
        line.Envelope = 1;
        std::string().swap(line.Report);  // its memory too
    }
    return envelope;
}

} // namespace zorsteel::cli
