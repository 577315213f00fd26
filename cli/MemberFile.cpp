#include "MemberFile.h"

#include <algorithm>
#include <cctype>

#include "Csv.h"

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
    if (ParseNumber(text, number) == NumberParse::NotANumber)
        RecordError(row, column, Quoted(text) + " is not a number");
    else
        SetNumber(row, column, number, text);
}

MemberFile ReadMembers(std::istream& in, const std::string& fileName)
{
    MemberFile file;
    CsvReader reader(in);
    std::vector<std::string> fields;
    if (!reader.Next(fields)) {
        file.Error = fileName + ": no header row";
        return file;
    }
    std::vector<const InputColumn*> columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const InputColumn* column = FindInputColumn(fields[i]);
        const std::string where = fileName + ", row 1, column " + std::to_string(i + 1);
        if (!column) {
            file.Error = where + ": unknown column \"" + fields[i] + "\"";
            return file;
        }
        if (std::ranges::find(columns, column) != columns.end()) {
            file.Error = where + ": column " + fields[i] + " is given twice";
            return file;
        }
        columns.push_back(column);
    }
    if (std::ranges::find(columns, FindInputColumn("Section")) == columns.end()) {
        file.Error = fileName + ", row 1: no Section column";
        return file;
    }
    file.HasCombo = std::ranges::find(columns, FindInputColumn("Combo")) != columns.end();

    while (reader.Next(fields)) {
        if (fields.size() == 1 && fields[0].find_first_not_of(" \t") == std::string::npos) continue;
        MemberRow row;
        row.Where = fileName + ", row " + std::to_string(reader.Record());
        for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) SetField(row, *columns[i], fields[i]);
        if (reader.UnclosedQuote())
            row.Error = row.Where + ": a quote is not closed";
        else if (fields.size() > columns.size())
            row.Error = row.Where + ", column " + std::to_string(columns.size() + 1) + ": more fields than the header has";
        if (row.Id.empty()) row.Id = std::to_string(reader.Record());
        file.Rows.push_back(std::move(row));
    }
    return file;
}
