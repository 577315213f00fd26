// Frames one member's report: opens a titled "problemArea" division on the
// stream and closes it when the object goes out of scope. For hosts; the
// stream must stay open for the object's whole life. Threads: areas on
// different streams may be open on different threads at once.
#pragma once

#include <iosfwd>

#include "../platform/Export.h"

class ZORSTEEL_API ProblemPrintArea
{
public:
    // The title says the edition the member was checked by ("AISC 360-22").
    ProblemPrintArea(std::ostream* stream, const wchar_t* title, const wchar_t* edition = L"AISC 360-10");
    ~ProblemPrintArea();

    // One closing tag per opening: an area is neither copied nor assigned.
    ProblemPrintArea(const ProblemPrintArea&) = delete;
    ProblemPrintArea& operator=(const ProblemPrintArea&) = delete;

private:
    std::ostream* m_stream;
};
