#include "MemberInput.h"

#include <algorithm>
#include <cctype>

#include "Csv.h"
#include "Parallel.h"
#include "zorsteel.h"

namespace {

using K = ColumnKind;
using R = MemberRow;
using I = MemberInputs;

// Units as the library takes them: kips, inches, ksi, kip-ft; Pu compression positive.
const InputColumn kInputColumns[] = {
    {"Id", K::Text, "member name; rows with one Id are one member", &R::Id},
    {"Combo", K::Text, "load combination of the row", &R::Combo},
    {"Section", K::Text, "catalogue section, any case", &R::Section},
    {"Fy", K::Positive, "yield stress, ksi", nullptr, &I::Fy},
    {"Pu", K::Number, "axial force, kips, compression positive", nullptr, &I::Pu},
    {"Mux", K::Number, "major-axis moment, kip-ft", nullptr, &I::Mux},
    {"Muy", K::Number, "minor-axis moment, kip-ft", nullptr, &I::Muy},
    {"Cmx", K::Number, "B1 moment coefficient about x", nullptr, &I::Cmx},
    {"Cmy", K::Number, "B1 moment coefficient about y", nullptr, &I::Cmy},
    {"Vux", K::Number, "major-axis shear, kips", nullptr, &I::Vux},
    {"Vuy", K::Number, "minor-axis shear, kips", nullptr, &I::Vuy},
    {"Cb", K::Positive, "lateral-torsional buckling factor", nullptr, &I::Cb},
    {"Lb", K::NonNegative, "unbraced length for lateral-torsional buckling, in", nullptr, &I::Lb},
    {"Kx", K::NonNegative, "effective length factor about x", nullptr, &I::Kx},
    {"Ky", K::NonNegative, "effective length factor about y", nullptr, &I::Ky},
    {"Lx", K::NonNegative, "unbraced length about x, in (single angles: about z)", nullptr, &I::Lx},
    {"Ly", K::NonNegative, "unbraced length about y, in", nullptr, &I::Ly},
    {"Kz", K::NonNegative, "effective length factor for torsional buckling", nullptr, &I::Kz},
    {"Lz", K::NonNegative, "unbraced length for torsional buckling, in", nullptr, &I::Lz},
    {"ConnectorDistance", K::NonNegative, "double-angle connector spacing, in", nullptr, &I::ConnectorDistance},
    {"DirectAnalysis", K::Boolean, "1: direct analysis method, 0: effective length method", nullptr, nullptr,
     &I::DirectAnalysis},
    {"ConsiderB1", K::Boolean, "1: amplify moments by B1", nullptr, nullptr, &I::ConsiderB1},
    {"TotalDeflectionDenominator", K::NonNegative, "n of the total-load limit L/n", nullptr,
     &I::TotalDeflectionDenominator},
    {"LiveDeflectionDenominator", K::NonNegative, "n of the live-load limit L/n", nullptr,
     &I::LiveDeflectionDenominator},
    {"TotalDy", K::Number, "total-load deflection, in", nullptr, &I::TotalDy},
    {"LiveDy", K::Number, "live-load deflection, in", nullptr, &I::LiveDy},
    {"L", K::NonNegative, "member length for the deflection limits, in", nullptr, &I::L},
    {"DeflectionAdjustmentRatio", K::Number, "factor on the deflections", nullptr, &I::DeflectionAdjustmentRatio},
    {"AnalysisSectionName", K::Text, "section the deflections were analysed with", nullptr},
    {"AnalysisSectionIx", K::NonNegative, "its Ix, in^4", nullptr, &I::AnalysisSectionIx},
};
const InputColumn& kComboColumn = kInputColumns[1];
const InputColumn& kSectionColumn = kInputColumns[2];

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

// The problem with a text for a column, or "" when it is good.
std::string Check(const InputColumn& column, std::string_view text, double& number, bool& flag)
{
    if (column.Kind == K::Boolean) {
        const std::string word = Lower(text);
        if (word == "1" || word == "true") return flag = true, "";
        if (word == "0" || word == "false") return flag = false, "";
        return Quoted(text) + " is not 1, 0, true or false";
    }
    switch (ParseNumber(text, number)) {
    case NumberParse::NotANumber: return Quoted(text) + " is not a number";
    case NumberParse::NotFinite: return Quoted(text) + " is not a finite number";
    case NumberParse::Ok: break;
    }
    if (column.Kind == K::Positive && !(number > 0)) return "must be above 0, not " + std::string(text);
    if (column.Kind == K::NonNegative && number < 0) return "must not be negative, not " + std::string(text);
    return "";
}

// A record of the member file as the reader split it.
struct Record
{
    std::vector<std::string> fields;
    int number = 0;  // the header is 1
    bool unclosedQuote = false;
    bool endsLine = true;
};

MemberRow ReadRow(const Record& record, const std::vector<const InputColumn*>& columns, const std::string& fileName)
{
    const std::vector<std::string>& fields = record.fields;
    MemberRow row;
    row.Where = fileName + ", row " + std::to_string(record.number);
    for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) SetField(row, *columns[i], fields[i]);
    if (record.unclosedQuote)
        row.Error = row.Where + ": a quote is not closed";
    else if (!record.endsLine && fields.size() < columns.size())
        row.Error = row.Where + ": the file ends inside this row (no line break after " + std::to_string(fields.size()) +
                    " of " + std::to_string(columns.size()) + " fields): it looks cut short";
    else if (fields.size() > columns.size())
        row.Error = row.Where + ", column " + std::to_string(columns.size() + 1) + ": more fields than the header has";
    if (row.Id.empty()) row.Id = std::to_string(record.number);
    return row;
}

} // namespace

std::span<const InputColumn> InputColumns() { return kInputColumns; }

void SetField(MemberRow& row, const InputColumn& column, std::string_view text)
{
    if (column.Kind == K::Text) {
        // AnalysisSectionName is the one text that lives among the inputs.
        std::string& target = column.Text ? row.*column.Text : row.Inputs.AnalysisSectionName;
        target = std::string(text);
        return;
    }
    if (text.find_first_not_of(" \t") == std::string_view::npos) return;
    double number = 0;
    bool flag = false;
    const std::string problem = Check(column, text, number, flag);
    if (!problem.empty()) {
        const char* field = row.FromOptions ? ", option --" : ", column ";
        if (row.Error.empty()) row.Error = row.Where + field + std::string(column.Name) + ": " + problem;
        return;
    }
    if (column.Flag)
        row.Inputs.*column.Flag = flag;
    else
        row.Inputs.*column.Number = number;
}

MemberFile ReadMembers(std::istream& in, const std::string& fileName, unsigned threads)
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
        const auto found = std::ranges::find(kInputColumns, fields[i], &InputColumn::Name);
        const std::string where = fileName + ", row 1, column " + std::to_string(i + 1);
        if (found == std::end(kInputColumns)) {
            file.Error = where + ": unknown column \"" + fields[i] + "\"";
            return file;
        }
        if (std::ranges::find(columns, &*found) != columns.end()) {
            file.Error = where + ": column " + fields[i] + " is given twice";
            return file;
        }
        columns.push_back(&*found);
    }
    if (std::ranges::find(columns, &kSectionColumn) == columns.end()) {
        file.Error = fileName + ", row 1: no Section column";
        return file;
    }
    file.HasCombo = std::ranges::find(columns, &kComboColumn) != columns.end();

    // Records are split in order here (a quoted field may span lines), a
    // batch at a time; their fields, numbers mostly, are read on every thread.
    constexpr std::size_t kBatch = 4096, kBlockSize = 256;
    std::vector<Record> batch(kBatch);
    for (bool more = true; more;) {
        std::size_t count = 0;
        while (count < kBatch && (more = reader.Next(batch[count].fields))) {
            Record& record = batch[count];
            if (record.fields.size() == 1 && record.fields[0].find_first_not_of(" \t") == std::string::npos) continue;
            record.number = reader.Record();
            record.unclosedQuote = reader.UnclosedQuote();
            record.endsLine = reader.EndsLine();
            ++count;
        }
        ComputeInOrder<MemberRow>(
            count, threads, kBlockSize, [&](std::size_t i) { return ReadRow(batch[i], columns, fileName); },
            [&](MemberRow&& row) { file.Rows.push_back(std::move(row)); });
    }
    return file;
}

void ApplyInputs(CAiscDesign& design, const MemberInputs& in)
{
    design.SetGeneralParameters(in.DirectAnalysis, in.ConsiderB1);
    design.SetLoads(in.Pu, in.Mux, in.Muy, in.Cmx, in.Cmy, in.Vux, in.Vuy);
    design.SetMaterial(in.Fy);
    design.SetLateralTorsionalProperty(in.Cb, in.Lb);
    design.SetColumnSlenderness(in.Kx, in.Ky, in.Lx, in.Ly);
    design.SetColumnSlenderness_Torsional(in.Kz, in.Lz);
    design.SetDoubleAngleConnnectorDistance(in.ConnectorDistance);
    design.SetDeflectionParameters(in.TotalDeflectionDenominator, in.LiveDeflectionDenominator, in.TotalDy, in.LiveDy,
                                   in.L);
    design.SetDeflectionAdjustmentRatio(in.DeflectionAdjustmentRatio, FromUtf8(in.AnalysisSectionName).c_str(),
                                        in.AnalysisSectionIx);
}
