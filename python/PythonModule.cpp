// The Python module zorsteel: a thin binding over the library. A member is
// given as the command's member file gives it (keywords or dictionary keys
// named as its columns, checked by the same rules) and checked by the same
// member run; the result's attributes are the command's result columns.
#include <dlfcn.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <variant>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "zorsteel.h"

using namespace zorsteel;
namespace py = pybind11;
namespace fs = std::filesystem;

namespace {

// Where the library looked for the catalogue when it could not read it, and
// where else the module looked. Messages about the catalogue come from calls
// made while holding the GIL (the load and the section lists), so no lock.
std::string missingCatalogue;
std::string installedCatalogue;

fs::path ModuleFolder()
{
    Dl_info info{};
    dladdr(reinterpret_cast<const void*>(&ModuleFolder), &info);
    return fs::absolute(info.dli_fname).parent_path();
}

// The library looks for its data beside the host executable, here the Python
// interpreter: point it at the catalogue and the images beside the module (a
// build) or, installed, in the data folder of the install layout.
void PrepareLibrary()
{
    const fs::path catalogue = ToUtf8(kCatalogueFileName);
    const fs::path beside = ModuleFolder();
    const fs::path installed = (beside / ZORSTEEL_DATA_FROM_MODULE).lexically_normal();
    installedCatalogue = (installed / catalogue).string();
    std::error_code error;
    const bool useInstalled = !fs::exists(beside / catalogue, error) && fs::exists(installed / catalogue, error);
    SetExecutablePath(FromUtf8((useInstalled ? installed : beside).string()).c_str());

    // The catalogue's message becomes an exception; the others (a missing
    // equation image) are lines on standard error.
    SetMessageBoxHandler([](const wchar_t* text) {
        const std::wstring_view opening = L"Error opening file ";
        if (std::wstring_view(text).starts_with(opening))
            missingCatalogue = ToNativePath(std::wstring(std::wstring_view(text).substr(opening.size())).c_str());
        else
            std::fprintf(stderr, "zorsteel: %s\n", ToUtf8(text).c_str());
    });
    // An unknown section is told by the exception that names it.
    SetDebugOutputHandler([](const wchar_t*) {});
}

void RaiseIfCatalogueMissing()
{
    if (missingCatalogue.empty()) return;
    const std::string words = "zorsteel cannot read its catalogue (also looked for " + installedCatalogue + ")";
    PyErr_SetObject(PyExc_FileNotFoundError, py::make_tuple(ENOENT, words, missingCatalogue).ptr());
    throw py::error_already_set();
}

CSteelDesignManager& Catalogue()
{
    CSteelDesignManager* catalogue = CSteelDesignManager::Instance();
    if (!catalogue) throw std::bad_alloc();
    RaiseIfCatalogueMissing();
    return *catalogue;
}

// A number from a Python value (int, float, numpy's, anything with
// __float__ or __index__), but not from a text.
std::optional<double> NumberOf(py::handle value)
{
    if (py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value)) return std::nullopt;
    const double number = PyFloat_AsDouble(value.ptr());
    if (number == -1 && PyErr_Occurred()) {
        PyErr_Clear();
        return std::nullopt;
    }
    return number;
}

// One field from a Python value, by the rules of the command's member file: a
// text where a number belongs is a TypeError, a number that breaks the
// column's rule a ValueError; None keeps the default. Labels (Id, Combo) and
// names may be given as any value and are taken as its str().
// None, NaN, or pandas' NA and NaT: a blank cell, as pandas gives an empty
// one (known by their type's name: the module does not import pandas).
bool IsBlank(py::handle value)
{
    if (value.is_none()) return true;
    const std::string type = py::str(py::type::handle_of(value).attr("__name__"));
    if (type == "NAType" || type == "NaTType") return true;
    if (py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value)) return false;
    const std::optional<double> number = NumberOf(value);
    return number && std::isnan(*number);
}

void SetField(MemberRow& row, const InputColumn& column, py::handle value)
{
    if (IsBlank(value)) return;
    if (column.Kind == ColumnKind::Text) {
        SetText(row, column, std::string(py::str(value)));  // a choice of the wrong word records an error
        if (!row.Error.empty()) throw py::value_error(row.Error);
        return;
    }
    const std::string shown = py::repr(value);
    const bool flag = column.Kind == ColumnKind::Boolean;
    const std::optional<double> number = NumberOf(value);
    if (!number) throw py::type_error(FieldWhere(row, column) + ": " + shown + " is not a " + (flag ? "bool" : "number"));
    if (!flag)
        SetNumber(row, column, *number, shown);
    else if (*number == 0 || *number == 1)
        SetFlag(row, column, *number == 1);
    else
        RecordError(row, column, shown + " is not True, False, 1 or 0");
    if (!row.Error.empty()) throw py::value_error(row.Error);
}

// length_unit=, compression_sign=, rules= and edition=, by the command's names for them.
InputConventions ConventionsOf(const std::string& lengthUnit, const std::string& compressionSign,
                               const std::string& rules, const std::string& edition)
{
    InputConventions conventions;
    if (!ParseRules(rules, conventions.Rules))
        throw py::value_error("rules: must be 'full' or 'classic', not " + std::string(py::repr(py::str(rules))));
    if (!ParseEditionName(edition, conventions.Edition))
        throw py::value_error("edition: must be '360-10' or '360-22', not " + std::string(py::repr(py::str(edition))));
    if (conventions.Edition == Edition::Aisc360_22 && conventions.Rules == DesignRules::Classic)
        throw py::value_error("rules: 'classic' does not go with edition '360-22', which runs the full check");
    if (!ParseLengthUnit(lengthUnit, conventions.Lengths))
        throw py::value_error("length_unit: must be 'in' or 'ft', not " + std::string(py::repr(py::str(lengthUnit))));
    if (!ParseCompressionSign(compressionSign, conventions.Compression))
        throw py::value_error("compression_sign: must be 'positive' or 'negative', not " +
                              std::string(py::repr(py::str(compressionSign))));
    return conventions;
}

// A member from its fields, named as the member file's columns; Fy is
// required.
MemberRow RowOf(const py::dict& fields, std::string where, const std::string& unexpected,
                const InputConventions& conventions)
{
    MemberRow row;
    row.Where = std::move(where);
    row.Naming = FieldNaming::Key;
    row.Conventions = conventions;
    for (const auto& [key, value] : fields) {
        const std::string name = py::str(key);
        const InputColumn* column = MatchInputColumn(name);
        if (!column && ColumnWithUnit(name)) throw py::type_error(row.Where + ": " + UnknownColumnText(name));
        if (!column) throw py::type_error(unexpected + " '" + name + "'");
        SetField(row, *column, value);
    }
    FinishRow(row);
    if (!row.Error.empty()) throw py::value_error(row.Error);
    return row;
}

// A text field's value as given (the key in any case), "" when absent or blank.
std::string TextOf(const py::dict& fields, std::string_view name)
{
    for (const auto& [key, value] : fields)
        if (MatchInputColumn(std::string(py::str(key))) == &InputColumnNamed(name) && !IsBlank(value))
            return py::str(value);
    return "";
}

std::string IdOf(const py::dict& fields) { return TextOf(fields, "Id"); }

// errors=: 'raise' raises at the first bad row; 'result' makes it an ERROR
// result with its message, as the command's member file does.
bool RaisesErrors(const std::string& errors)
{
    if (errors != "raise" && errors != "result")
        throw py::value_error("errors: must be 'raise' or 'result', not " + std::string(py::repr(py::str(errors))));
    return errors == "raise";
}

// Checks the members with the GIL released; a member that cannot be checked
// (its section unknown or without a design class) raises ValueError when
// raising.
std::vector<MemberResult> Run(const std::vector<MemberRow>& rows, bool report, bool raise = true)
{
    std::vector<MemberResult> results;
    results.reserve(rows.size());
    {
        py::gil_scoped_release released;
        RunMembers(rows, report, [&](MemberResult&& result) { results.push_back(std::move(result)); });
    }
    for (const MemberResult& result : results)
        if (!result.Checked && raise) throw py::value_error(result.Message);
    return results;
}

MemberResult Check(const std::string& section, bool report, const std::string& lengthUnit,
                   const std::string& compressionSign, const std::string& rules, const std::string& edition,
                   const py::kwargs& inputs)
{
    Catalogue();
    const InputConventions conventions = ConventionsOf(lengthUnit, compressionSign, rules, edition);
    if (inputs.contains("Section")) throw py::type_error("check() got multiple values for argument 'section'");
    const std::string id = IdOf(inputs);
    MemberRow row = RowOf(inputs, "member " + (id.empty() ? section : id), "check() got an unexpected keyword argument",
                          conventions);
    row.Section = section;
    return Run({row}, report).front();
}

// A row that cannot be converted, as an ERROR row: what it names, and why.
MemberRow BadRow(const py::dict& fields, std::string where, const char* why)
{
    MemberRow row;
    row.Where = std::move(where);
    row.Naming = FieldNaming::Key;
    row.Id = IdOf(fields);
    row.Combo = TextOf(fields, "Combo");
    row.Section = CompactSectionName(TextOf(fields, "Section"));
    row.Error = why;
    return row;
}

// The rows of a pandas DataFrame (anything with to_dict("records") that is
// not itself a mapping), or the iterable as it is.
py::iterable RowsOf(const py::object& rows, const py::object& mapping)
{
    if (!py::isinstance(rows, mapping) && py::hasattr(rows, "to_dict"))
        return rows.attr("to_dict")("records").cast<py::iterable>();
    return rows.cast<py::iterable>();
}

std::vector<MemberResult> CheckMany(const py::object& rows, bool report, const std::string& lengthUnit,
                                    const std::string& compressionSign, const std::string& rules,
                                    const std::string& edition, const std::string& errors)
{
    Catalogue();
    const InputConventions conventions = ConventionsOf(lengthUnit, compressionSign, rules, edition);
    const bool raise = RaisesErrors(errors);
    const py::object mapping = py::module_::import("collections.abc").attr("Mapping");
    std::vector<MemberRow> members;
    for (const py::handle row : RowsOf(rows, mapping)) {
        std::string where = "rows[" + std::to_string(members.size()) + "]";
        if (!py::isinstance(row, mapping)) {
            const std::string why = where + ": a row is a dict of the member file's columns, not " +
                                    std::string(py::str(py::type::handle_of(row).attr("__name__")));
            if (raise) throw py::type_error(why);
            members.push_back(BadRow(py::dict(), where, why.c_str()));
            continue;
        }
        const py::dict fields(py::reinterpret_borrow<py::object>(row));
        const std::string id = IdOf(fields);
        if (!id.empty()) where += " (member " + id + ")";
        try {
            members.push_back(RowOf(fields, where, where + ": unexpected key", conventions));
        } catch (const py::builtin_exception& error) {  // TypeError, ValueError
            if (raise) throw;
            members.push_back(BadRow(fields, where, error.what()));
        }
    }
    MarkMembersOfSeveralSections(members);
    if (raise)
        for (const MemberRow& member : members)
            if (!member.Error.empty()) throw py::value_error(member.Error);
    return Run(members, report, raise);
}

// The styled page of the results, as the command's --report writes it, with
// the equation images beside it. Results checked without report=True have
// no calculation to show: a ValueError names the first.
void WriteReport(const std::vector<const MemberResult*>& results, const std::string& path, const std::string& title,
                 bool everyCombination)
{
    std::vector<MemberResult> copies;
    copies.reserve(results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (results[i]->Checked && results[i]->Report.empty())
            throw py::value_error("results[" + std::to_string(i) + "] has no calculation: check with report=True");
        copies.push_back(*results[i]);
    }
    std::ofstream file(path, std::ios::binary);
    if (!file) {
        PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
        throw py::error_already_set();
    }
    WriteModelReport(file, copies, {.Title = title, .EveryCombination = everyCombination});
    file.close();
    if (!file) throw py::value_error("cannot write " + path);
    if (!PlaceReportImages(FromUtf8(path).c_str()))
        std::fprintf(stderr, "zorsteel: the equation images could not be placed beside %s\n", path.c_str());
}

std::vector<std::string> Sections(const std::optional<std::variant<int, std::string>>& family, double minWidth,
                                  double maxWidth, double minHeight, double maxHeight,
                                  const std::optional<std::string>& prefixes, const std::optional<std::string>& names)
{
    CSteelDesignManager& catalogue = Catalogue();
    const bool bounded = minWidth != 0 || maxWidth != 0 || minHeight != 0 || maxHeight != 0;
    std::vector<mvSect_AISC> rows;
    if (names) {
        if (family || prefixes || bounded) throw py::type_error("sections(names=...) takes no family, prefixes or bounds");
        catalogue.GenerateSections(rows, FromUtf8(*names));
    } else {
        if (!family) throw py::type_error("sections() needs a family (a designation or a shape code) or names");
        if (prefixes && bounded) throw py::type_error("sections() takes prefixes or size bounds, not both");
        const auto* designation = std::get_if<std::string>(&*family);
        const int code = designation ? get_shape(FromUtf8(*designation).c_str()) : std::get<int>(*family);
        if (designation && code < 0)
            throw py::value_error("\"" + *designation + "\" names no shape family (W, C, L, WT, 2L, HSS8X4, Pipe, ...)");
        if (prefixes)
            catalogue.GenerateSections(rows, code, FromUtf8(*prefixes));
        else
            catalogue.GenerateSections(rows, code, minWidth, maxWidth, minHeight, maxHeight);
    }
    RaiseIfCatalogueMissing();
    std::vector<std::string> list;
    for (const mvSect_AISC& row : rows) list.push_back(ToUtf8(GetSectionName(row)));
    return list;
}

py::dict Section(const std::string& name)
{
    mvSect_AISC record;
    if (!Catalogue().GetAiscSection(record, FromUtf8(name).c_str()))
        throw py::value_error(UnknownSectionText(name));
    double numbers[kSectionNumberCount];
    std::memcpy(numbers, &record, sizeof numbers);
    py::dict fields;
    fields["Name"] = ToUtf8(GetSectionName(record));
    for (int i = 0; i < kSectionNumberCount; ++i) fields[kSectionFieldNames[i]] = numbers[i];
    return fields;
}

// A column's value; None for a check that did not run (the deflection
// ratios without denominators).
py::object Cell(const ResultColumn& column, const MemberResult& result)
{
    if (column.Text) return py::str(result.*column.Text);
    if (column.Present && !(result.*column.Present)) return py::none();
    if (column.Number) return py::float_(result.*column.Number);
    return py::int_(result.*column.Integer);
}

// The calculation framed as the command's report frames a member; None when
// no report was asked for.
py::object ReportHtml(const MemberResult& result)
{
    if (result.Report.empty()) return py::none();
    std::ostringstream block;
    PrintMemberBlock(block, result);
    return py::str(block.str());
}

// How a notebook shows a result: its calculation when it has one, else its
// verdict as a one-row table.
std::string NotebookHtml(const MemberResult& result)
{
    if (!result.Report.empty()) return ReportHtml(result).cast<std::string>();
    const auto html = [](const std::string& text) { return ToUtf8(EscapeHtml(FromUtf8(text).c_str()).c_str()); };
    std::string table = "<table><tr><th>Id</th><th>Combo</th><th>Section</th><th>CriticalRatio</th><th>Governs</th>"
                        "<th>Status</th><th>Message</th></tr><tr>";
    for (const std::string* cell : {&result.Id, &result.Combo, &result.Section}) table += "<td>" + html(*cell) + "</td>";
    table += "<td>" + (result.Checked ? std::string(py::str(py::float_(result.CriticalRatio))) : "") + "</td>";
    table += "<td>" + (result.Checked ? html(GoverningText(result.Limits)) : "") + "</td>";
    const bool ok = result.Status == "OK";
    table += "<td style=\"font-weight:bold;color:" + std::string(ok ? "#0b5a1f" : "#8e0f0f") + "\">" + result.Status +
             "</td><td>" + html(result.Message) + "</td></tr></table>";
    return table;
}

// The member and its verdict; the numbers are the attributes.
std::string Repr(const MemberResult& result)
{
    static constexpr std::string_view kShown[] = {"Id", "Combo", "Section", "Status", "CriticalRatio", "ErrorCode",
                                                  "Message"};
    std::string text;
    for (const ResultColumn* column : ResultColumns(true, false)) {
        if (std::ranges::find(kShown, column->Name) == std::end(kShown)) continue;
        if (column->Text && (result.*column->Text).empty()) continue;
        if (!text.empty()) text += ", ";
        text += std::string(column->Name) + "=" + std::string(py::repr(Cell(*column, result)));
    }
    return "zorsteel.Result(" + text + ")";
}

// The limit states as the command's JSON lists them; empty for a row that
// could not be checked.
py::list LimitStateList(const MemberResult& result)
{
    py::list states;
    if (!result.Checked) return states;
    for (const LimitState& state : result.Limits) {
        py::dict entry;
        entry["Quantity"] = StrengthText(state.Quantity);
        entry["Name"] = state.Name;
        entry["Equation"] = state.Equation;
        entry["Nominal"] = state.Nominal;
        entry["Governs"] = state.Governs;
        states.append(std::move(entry));
    }
    return states;
}

} // namespace

PYBIND11_MODULE(zorsteel, m)
{
    m.doc() = "Structural steel member checks by AISC 360-10 (LRFD), or AISC 360-22 with edition='360-22'. Units: "
              "kips, inches, ksi; moments in kip-ft.";
    m.attr("__version__") = ZorsteelVersion();
    PrepareLibrary();

    py::class_<MemberResult> result(m, "Result", "The check of one member: the zorsteel command's result columns.");
    for (const ResultColumn* column : ResultColumns(true, false))
        result.def_property_readonly(column->Name.data(), [column](const MemberResult& r) { return Cell(*column, r); });
    result.def_property_readonly("limit_states", &LimitStateList,
                                 "every limit state of the check: dicts with the keys of the command's JSON "
                                 "(Quantity, Name, Equation, Nominal, Governs)");
    result.def_property_readonly("report_html", &ReportHtml, "the member's calculation as HTML, when asked for")
        .def("_repr_html_", &NotebookHtml)
        .def("__repr__", &Repr)
        .def(
            "as_dict",
            [](const MemberResult& r) {
                py::dict cells;
                for (const ResultColumn* column : ResultColumns(true, false)) cells[column->Name.data()] = Cell(*column, r);
                return cells;
            },
            "the result columns as a dict");

    m.def("check", &Check, py::arg("section"), py::kw_only(), py::arg("report") = false, py::arg("length_unit") = "in",
          py::arg("compression_sign") = "positive", py::arg("rules") = "full", py::arg("edition") = "360-10",
          "check(section, *, report=False, length_unit='in', compression_sign='positive', rules='full', "
          "edition='360-10', **inputs): checks one "
          "member; the inputs are named as the columns of the zorsteel command's member file (Fy, Pu, Mux, ..., Lx, "
          "Ly, ...); Fy is required, one other left out keeps its default. length_unit 'ft' takes the member "
          "lengths (Lx, Ly, Lz, Lb, L, ConnectorDistance) in feet; compression_sign 'negative' takes Pu < 0 as "
          "compression; rules 'full' (the default) or 'classic' (the calculation without the provisions full rules "
          "add: tensile rupture, E5, E4-4, E6-1, B2, H1.2); edition '360-10' (the default) or '360-22', the full "
          "check with the provisions AISC 360-22 changed and its equation numbers (not with rules 'classic')");
    m.def("check_many", &CheckMany, py::arg("rows"), py::kw_only(), py::arg("report") = false,
          py::arg("length_unit") = "in", py::arg("compression_sign") = "positive", py::arg("rules") = "full",
          py::arg("edition") = "360-10", py::arg("errors") = "raise",
          "check_many(rows, *, report=False, length_unit='in', compression_sign='positive', rules='full', "
          "edition='360-10', errors='raise'): checks "
          "every row, a mapping named as the member file's columns (or each row of a pandas DataFrame), with the "
          "GIL released; the results in the rows' order. None and NaN are blank fields. Rows with one Id are one "
          "member and must name one section. errors='result' makes a bad row an ERROR result with its message "
          "instead of raising");
    m.def(
        "write_report",
        [](const std::vector<const MemberResult*>& results, const std::string& path, const std::string& title,
           bool everyCombination) { WriteReport(results, path, title, everyCombination); },
        py::arg("results"), py::arg("path"), py::kw_only(), py::arg("title") = "zorsteel member checks",
        py::arg("every_combination") = false,
        "write_report(results, path, *, title='zorsteel member checks', every_combination=False): writes the "
        "report page of results checked with report=True (a summary with the utilisation chart, the limitations, "
        "each member's governing calculation with its interaction diagram) and places the equation images beside "
        "it");
    m.def("sections", &Sections, py::arg("family") = py::none(), py::kw_only(), py::arg("min_width") = 0.0,
          py::arg("max_width") = 0.0, py::arg("min_height") = 0.0, py::arg("max_height") = 0.0,
          py::arg("prefixes") = py::none(), py::arg("names") = py::none(),
          "section names sorted by area: of a family (a designation such as \"W\" or a shape code) within size "
          "bounds in inches (0 is no bound), or with name prefixes (\"W14, W12\"), or of a free list of names "
          "and prefixes (names=\"W14X90 HSS8\")");
    m.def("section", &Section, py::arg("name"), "one catalogue section's properties, named as the record's fields");
    m.def(
        "place_report_images",
        [](const std::string& page) { return PlaceReportImages(FromUtf8(page).c_str()); }, py::arg("page"),
        "copies the equation images into the Images folder beside page (a report, or a notebook), where report_html "
        "links them; False when they cannot be copied");
}
