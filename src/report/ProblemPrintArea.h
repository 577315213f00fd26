// Frames one member's report: opens a titled "problemArea" division on the
// stream and closes it when the object goes out of scope. For hosts; the
// stream must stay open for the object's whole life.
#pragma once

#include <iosfwd>

class ProblemPrintArea
{
public:
    ProblemPrintArea(std::ostream* stream, const wchar_t* title);
    ~ProblemPrintArea();

    ProblemPrintArea(const ProblemPrintArea&) = delete;  // one closing tag per opening
    ProblemPrintArea& operator=(const ProblemPrintArea&) = default;

private:
    std::ostream* m_stream;
};
