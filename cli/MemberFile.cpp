#include "MemberFile.h"

#include <algorithm>
#include <cctype>

#include "Csv.h"

namespace zorsteel::cli {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

// A record of the member file as the reader split it.
struct Record
{
    std::vector<std::string> fields;
    int number = 0;  // the header is 1
    bool unclosedQuote = false;
    bool endsLine = true;
};

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r") == std::string_view::npos; }

bool AllBlank(const std::vector<std::string>& fields) { return std::ranges::all_of(fields, IsBlank); }

// A header read as comma-separated that holds UTF-16 text: a byte-order mark
// of UTF-16, or the zero bytes of its ASCII characters.
bool IsUtf16(const std::vector<std::string>& header)
{
    const std::string& first = header.front();
    if (first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF")) return true;
    return std::ranges::any_of(header, [](const std::string& field) { return field.find('\0') != std::string::npos; });
}

// The separator of a header read as comma-separated: the one of comma,
// semicolon and tab it holds most of, a comma on a tie.
char SeparatorOf(const std::vector<std::string>& header)
{
    std::size_t semicolons = 0, tabs = 0;
    for (const std::string& field : header) {
        semicolons += std::ranges::count(field, ';');
        tabs += std::ranges::count(field, '\t');
    }
    const std::size_t commas = header.size() - 1;
    if (semicolons > commas && semicolons >= tabs) return ';';
    return tabs > commas && tabs > semicolons ? '\t' : ',';
}

// The header's fields, read as comma-separated, split again at separator.
std::vector<std::string> Split(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) (line += i ? "," : "") += fields[i];
    std::vector<std::string> split(1);
    for (const char c : line) {
        if (c == separator)
            split.emplace_back();
        else
            split.back() += c;
    }
    return split;
}

MemberRow ReadRow(const Record& record, const std::vector<const InputColumn*>& columns, const std::string& fileName,
                  const InputConventions& conventions)
{
    const std::vector<std::string>& fields = record.fields;
    MemberRow row;
    row.Where = fileName + ", row " + std::to_string(record.number);
    row.Conventions = conventions;
    for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
        if (columns[i])
            SetField(row, *columns[i], fields[i]);
        else if (!IsBlank(fields[i]) && row.Error.empty())  // under a header cell left empty
            row.Error = row.Where + ", column " + std::to_string(i + 1) + ": " + Quoted(fields[i]) +
                        " is in a column without a name in the header, and would not be read";
    }
    if (record.unclosedQuote)
        row.Error = row.Where + ": a quote is not closed";
    else if (!record.endsLine && fields.size() < columns.size())
        row.Error = row.Where + ": the file ends inside this row (no line break after " + std::to_string(fields.size()) +
                    " of " + std::to_string(columns.size()) + " fields): it looks cut short";
    else if (fields.size() > columns.size())
        row.Error = row.Where + ", column " + std::to_string(columns.size() + 1) + ": more fields than the header has";
    FinishRow(row);
    if (row.Id.empty()) row.Id = std::to_string(record.number);
    return row;
}

} // namespace

void SetField(MemberRow& row, const InputColumn& column, std::string_view text)
{
    if (column.Kind == ColumnKind::Text) return SetText(row, column, text);
    if (text.find_first_not_of(" \t") == std::string_view::npos) return;
    if (column.Kind == ColumnKind::Boolean) {
        const std::string word = Lower(text);
        if (word == "1" || word == "true" || word == "0" || word == "false")
            SetFlag(row, column, word == "1" || word == "true");
        else
            RecordError(row, column, Quoted(text) + " is not 1, 0, true or false");
        return;
    }
    double number = 0;
    if (ParseNumber(text, number) == NumberParse::NotANumber) {
        // "0,85" from a spreadsheet of a locale that writes decimal commas.
        std::string dotted(text);
        std::ranges::replace(dotted, ',', '.');
        const bool comma = dotted != text && ParseNumber(dotted, number) == NumberParse::Ok;
        RecordError(row, column, Quoted(text) + " is not a number" + (comma ? " (write the decimal point as \".\")" : ""));
    } else
        SetNumber(row, column, number, text);
}

MemberFile ReadMembers(std::istream& in, const std::string& fileName, unsigned threads,
                       const InputConventions& conventions, bool keepFields)
{
    MemberFile file;
    CsvReader reader(in);
    std::vector<std::string> fields;
    bool any = false;
    while ((any = reader.Next(fields)) && AllBlank(fields)) {}  // the header: the first line with a name in it
    if (!any) {
        file.Error = fileName + ": no header row";
        return file;
    }
    const std::string header = fileName + ", row " + std::to_string(reader.Record());
    if (IsUtf16(fields)) {
        file.Error = fileName + " is UTF-16 text: save it as UTF-8 (Excel: \"CSV UTF-8\")";
        return file;
    }
    if (const char separator = SeparatorOf(fields); separator != ',') {
        fields = Split(fields, separator);
        reader.SetSeparator(separator);
    }
    // A header cell left empty (a trailing separator) names no column; one
    // that names a column does so with blanks around it and in any case.
    std::vector<const InputColumn*> columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const InputColumn* column = MatchInputColumn(fields[i]);
        const std::string where = header + ", column " + std::to_string(i + 1);
        if (!column && !IsBlank(fields[i])) {
            file.Error = where + ": " + UnknownColumnText(fields[i]);
            return file;
        }
        if (column && std::ranges::find(columns, column) != columns.end()) {
            file.Error = where + ": column " + std::string(column->Name) + " is given twice";
            return file;
        }
        columns.push_back(column);
    }
    if (std::ranges::find(columns, FindInputColumn("Section")) == columns.end()) {
        file.Error = header + ": no Section column";
        return file;
    }
    file.HasCombo = std::ranges::find(columns, FindInputColumn("Combo")) != columns.end();
    if (keepFields) file.Header = fields;

    // Records are split in order here (a quoted field may span lines), a
    // batch at a time; their fields, numbers mostly, are read on every thread.
    constexpr std::size_t kBatch = 4096, kBlockSize = 256;
    std::vector<Record> batch(kBatch);
    for (bool more = true; more;) {
        std::size_t count = 0;
        while (count < kBatch && (more = reader.Next(batch[count].fields))) {
            Record& record = batch[count];
            if (AllBlank(record.fields)) continue;  // a blank line, or one of separators only
            record.number = reader.Record();
            record.unclosedQuote = reader.UnclosedQuote();
            record.endsLine = reader.EndsLine();
            ++count;
        }
        ComputeInOrder<MemberRow>(
            count, threads, kBlockSize, [&](std::size_t i) { return ReadRow(batch[i], columns, fileName, conventions); },
            [&](MemberRow&& row) { file.Rows.push_back(std::move(row)); });
        if (keepFields)
            for (std::size_t i = 0; i < count; ++i) file.Fields.push_back(batch[i].fields);
    }
    MarkMembersOfSeveralSections(file.Rows);
    return file;
}

void WriteMembers(std::ostream& out, const MemberFile& file, const std::vector<std::string>& sections)
{
    const auto section =
        std::ranges::find(file.Header, &InputColumnNamed("Section"), MatchInputColumn) - file.Header.begin();
    WriteCsvRecord(out, file.Header);
    for (std::size_t i = 0; i < file.Fields.size(); ++i) {
        std::vector<std::string> fields = file.Fields[i];
        if (!sections[i].empty()) {
            // A row cut short may lack the column; it gets it.
            if (fields.size() <= static_cast<std::size_t>(section)) fields.resize(section + 1);
            fields[section] = sections[i];
        }
        WriteCsvRecord(out, fields);
    }
}

} // namespace zorsteel::cli
