// The report primitives: every text of a calculation report reaches the
// host's stream through these, as HTML fragments. A writer borrows the stream
// (never owns or closes it) and writes only while it is switched on and has a
// stream; the test is made inline, so that a silent check pays a test for
// each line of its report and not a call. Threads: a writer belongs to one
// thread at a time; writers of different streams run on threads at once.
#pragma once

#include <iosfwd>

#include "../platform/CString.h"

namespace zorsteel {

class ZORSTEEL_API ReportWriter
{
public:
    void SetStream(std::ostream* stream) { m_stream = stream; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    std::ostream* Stream() const { return m_stream; }
    bool Enabled() const { return m_enabled; }
    // True while writes reach a stream; guards formatting work.
    bool IsWriting() const { return m_enabled && m_stream != nullptr; }

    // "<div class="problem-title">" text "using AISC 360-10 LRFD Method </div><br/>".
    void Title(const wchar_t* text) const { if (IsWriting()) WriteTitle(text); }
    // "<div class="header">" text "</div><br/>".
    void Header(const wchar_t* text) const { if (IsWriting()) WriteHeader(text); }
    // text alone on its line.
    void Text(const wchar_t* text) const { if (IsWriting()) WriteText(text); }
    // label " = " value " " unit trailer, the value as the stream formats it.
    void Value(const wchar_t* label, double value, const wchar_t* unit, const wchar_t* trailer) const
    {
        if (IsWriting()) WriteValue(label, value, unit, trailer);
    }
    // text "<br/>".
    void Line(const wchar_t* text) const { if (IsWriting()) WriteLine(text); }
    // label " = " value " " unit "<br/>".
    void ValueLine(const wchar_t* label, double value, const wchar_t* unit) const
    {
        if (IsWriting()) WriteValueLine(label, value, unit);
    }
    // A "success" division with ": OK" when ratio <= 1.0, otherwise (also for
    // a ratio that is not a number) a "fail" one with ": NG".
    void Result(const wchar_t* label, double ratio) const { if (IsWriting()) WriteResult(label, ratio); }
    void Error(const wchar_t* text) const { if (IsWriting()) WriteError(text); }
    void Warning(const wchar_t* text) const { if (IsWriting()) WriteWarning(text); }
    // The image "Images\name" on a line of its own.
    void Image(const wchar_t* name) const { if (IsWriting()) WriteImage(name); }
    // The image "Images\name" with " = value unit" formatted by %g beside it;
    // a null unit leaves the unit and its blank out.
    void EquationValue(const wchar_t* name, double value, const wchar_t* unit) const
    {
        if (IsWriting()) WriteEquationValue(name, value, unit);
    }
    // printf-style text for a report line (%s takes a wide string); formats
    // nothing, and returns an empty text, while nothing is written.
    CString Format(const wchar_t* format, ...) const;

    // Warns with a message when the image folder + name is missing beside the
    // executable (or cannot be read): the report links it there.
    static void CheckFileExist(const char* folder, const wchar_t* name);

private:
    void WriteTitle(const wchar_t* text) const;
    void WriteHeader(const wchar_t* text) const;
    void WriteText(const wchar_t* text) const;
    void WriteValue(const wchar_t* label, double value, const wchar_t* unit, const wchar_t* trailer) const;
    void WriteLine(const wchar_t* text) const;
    void WriteValueLine(const wchar_t* label, double value, const wchar_t* unit) const;
    void WriteResult(const wchar_t* label, double ratio) const;
    void WriteError(const wchar_t* text) const;
    void WriteWarning(const wchar_t* text) const;
    void WriteImage(const wchar_t* name) const;
    void WriteEquationValue(const wchar_t* name, double value, const wchar_t* unit) const;

    // Runs write on the stream. A stream that throws (a host may have asked
    // it to) costs the rest of that report line, never the check.
    template <class Write>
    void WriteReport(Write&& write) const
    {
        try {
            write(*m_stream);
        } catch (...) {
        }
    }

    std::ostream* m_stream = nullptr;  // borrowed
    bool m_enabled = true;
};

} // namespace zorsteel
