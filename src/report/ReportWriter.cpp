// The report primitives' writing, called only while the writer writes (the
// inline test in ReportWriter.h).
#include "ReportWriter.h"

#include <cstdarg>
#include <ostream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../platform/Platform.h"
#include "../platform/zorTools.h"

namespace zorsteel {

namespace {

constexpr char kImageFolder[] = "Images\\";

} // namespace

void ReportWriter::WriteTitle(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"problem-title\">";
        WriteWide(out, text) << "using AISC 360-10 LRFD Method </div>" << "<br/>" << std::endl;
    });
}

void ReportWriter::WriteHeader(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"header\">";
        WriteWide(out, text) << "</div>" << "<br/>" << std::endl;
    });
}

void ReportWriter::WriteText(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, text) << std::endl;
    });
}

void ReportWriter::WriteValue(const wchar_t* label, double value, const wchar_t* unit, const wchar_t* trailer) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, label) << " = " << value << " ";
        WriteWide(out, unit);
        WriteWide(out, trailer) << std::endl;
    });
}

void ReportWriter::WriteLine(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, text) << "<br/>" << std::endl;
    });
}

void ReportWriter::WriteValueLine(const wchar_t* label, double value, const wchar_t* unit) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, label) << " = " << value << " ";
        WriteWide(out, unit) << "<br/>" << std::endl;
    });
}

void ReportWriter::WriteResult(const wchar_t* label, double ratio) const
{
    WriteReport([&](std::ostream& out) {
        // A ratio that is not a number fails: OK needs ratio <= 1.0 to hold.
        if (ratio <= 1.0) {
            out << "<div class=\"success\">";
            WriteWide(out, label) << ": OK</div>" << std::endl;
        } else {
            out << "<div class=\"fail\">";
            WriteWide(out, label) << ": NG</div>" << std::endl;
        }
    });
}

void ReportWriter::WriteError(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"fail\">";
        WriteWide(out, text) << "</div>" << std::endl;
    });
}

void ReportWriter::WriteWarning(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"warning\">";
        WriteWide(out, text) << "</div>" << std::endl;
    });
}

void ReportWriter::WriteImage(const wchar_t* name) const
{
    WriteReport([&](std::ostream& out) {
        out << "<img src=\"" << kImageFolder;
        WriteWide(out, name) << "\"><br/>" << std::endl;
        CheckFileExist(kImageFolder, name);
    });
}

void ReportWriter::WriteEquationValue(const wchar_t* name, double value, const wchar_t* unit) const
{
    WriteReport([&](std::ostream& out) {
        out << "<img src=\"" << kImageFolder;
        WriteWide(out, name) << "\" align=\"middle\">" << std::endl;
        CheckFileExist(kImageFolder, name);
        CString line;
        if (unit == nullptr)
            line.Format(L"<div class = \"equation-value\"> = %g</div>", value);
        else
            line.Format(L"<div class = \"equation-value\"> = %g %s</div>", value, unit);
        out << line << "<br/>" << std::endl;
    });
}

CString ReportWriter::Format(const wchar_t* format, ...) const
{
    CString text;
    if (!IsWriting()) return text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    return text;
}

void ReportWriter::CheckFileExist(const char* folder, const wchar_t* name)
{
    const std::wstring wideFolder(folder, folder + std::char_traits<char>::length(folder));
    const CString relative = CString(wideFolder) + name;
    // The image must open for reading, as the report's reader will open it. A
    // folder of that name (as for an empty name) opens here but is no image:
    // the open file's own status tells, with no second look-up of the path.
    const std::string path = ToNativePath(GetExecutablePath() + relative);
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    const bool readable = file >= 0 && ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    if (file >= 0) ::close(file);
    if (!readable) AfxMessageBox(CString(L"cannot find file ") + relative);
}

} // namespace zorsteel
