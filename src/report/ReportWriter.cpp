// The report primitives' writing: every text of a calculation report reaches
// the host's stream through these, called only while printing is on (the
// primitives' inline test in CAiscDesign.h).
#include <ostream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../design/CAiscDesign.h"
#include "../platform/Platform.h"
#include "../platform/zorTools.h"
#include "ProblemPrintArea.h"

namespace {

constexpr char kImageFolder[] = "Images\\";

} // namespace

void CAiscDesign::WriteTitle(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"problem-title\">";
        WriteWide(out, text) << "using AISC 360-10 LRFD Method </div>" << "<br/>" << std::endl;
    });
}

void CAiscDesign::WriteHeader(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"header\">";
        WriteWide(out, text) << "</div>" << "<br/>" << std::endl;
    });
}

void CAiscDesign::WriteText(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, text) << std::endl;
    });
}

void CAiscDesign::WriteValue(const wchar_t* label, double value, const wchar_t* unit, const wchar_t* trailer) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, label) << " = " << value << " ";
        WriteWide(out, unit);
        WriteWide(out, trailer) << std::endl;
    });
}

void CAiscDesign::WriteLine(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, text) << "<br/>" << std::endl;
    });
}

void CAiscDesign::WriteValueLine(const wchar_t* label, double value, const wchar_t* unit) const
{
    WriteReport([&](std::ostream& out) {
        WriteWide(out, label) << " = " << value << " ";
        WriteWide(out, unit) << "<br/>" << std::endl;
    });
}

void CAiscDesign::WriteResult(const wchar_t* label, double ratio) const
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

void CAiscDesign::WriteError(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"fail\">";
        WriteWide(out, text) << "</div>" << std::endl;
    });
}

void CAiscDesign::WriteWarning(const wchar_t* text) const
{
    WriteReport([&](std::ostream& out) {
        out << "<div class=\"warning\">";
        WriteWide(out, text) << "</div>" << std::endl;
    });
}

void CAiscDesign::WriteImage(const wchar_t* name) const
{
    WriteReport([&](std::ostream& out) {
        out << "<img src=\"" << kImageFolder;
        WriteWide(out, name) << "\"><br/>" << std::endl;
        CheckFileExist(kImageFolder, name);
    });
}

void CAiscDesign::WriteEquationValue(const wchar_t* name, double value, const wchar_t* unit) const
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

CString CAiscDesign::FormatReportText(const wchar_t* format, ...) const
{
    CString text;
    if (!IsPrinting()) return text;
    va_list args;
    va_start(args, format);
    text.FormatV(format, args);
    va_end(args);
    return text;
}

void CAiscDesign::CheckFileExist(const char* folder, const wchar_t* name) const
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

// Both ends swallow stream exceptions: the destructor must not throw, and a
// host's failing stream must not cost it the member's check.
ProblemPrintArea::ProblemPrintArea(std::ostream* stream, const wchar_t* title) : m_stream(stream)
{
    try {
        std::ostream& out = *m_stream;
        out << "<div class=\"clear\"></div>" << std::endl;
        out << "<hr/>" << std::endl;
        out << "<div class=\"problem-title\">";
        WriteWide(out, title) << " - using AISC 360-10 LRFD Method</div>" << std::endl;
        out << "<hr/>" << std::endl;
        out << "<div class=\"problemArea\">" << std::endl;
    } catch (...) {
    }
}

ProblemPrintArea::~ProblemPrintArea()
{
    try {
        std::ostream& out = *m_stream;
        out << "</div>" << std::endl;
        out << "<div class=\"page-break\"></div>" << std::endl;
    } catch (...) {
    }
}
