#include "ProblemPrintArea.h"

#include <ostream>

#include "../platform/zorTools.h"

using namespace zorsteel;

// Both ends swallow stream exceptions: the destructor must not throw, and a
// host's failing stream must not cost it the member's check.
ProblemPrintArea::ProblemPrintArea(std::ostream* stream, const wchar_t* title, const wchar_t* edition)
    : m_stream(stream)
{
    try {
        std::ostream& out = *m_stream;
        out << "<div class=\"clear\"></div>" << std::endl;
        out << "<hr/>" << std::endl;
        out << "<div class=\"problem-title\">";
        WriteWide(WriteWide(out, title) << " - using ", edition) << " LRFD Method</div>" << std::endl;
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
