// Shared fixtures of the test suite: a design object that exposes the
// protected interface, a report captured in memory, and captured messages.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "zorsteel.h"

// A concrete design object for testing the base class: Calculate does nothing,
// and the protected data and operations are reachable from the tests.
class TestDesign : public CAiscDesign
{
public:
    int Calculate() override { return 1; }

    using CAiscDesign::CheckFileExist;
    using CAiscDesign::ComputeMomentMagnification;
    using CAiscDesign::ConsiderFlexuralTorsionalBuckling;
    using CAiscDesign::GetFe_FlexuralTorsionalBuckling;
    using CAiscDesign::GetFlexuralBucklingFcr;
    using CAiscDesign::GetPhiv;
    using CAiscDesign::GetPhiv_Minor;
    using CAiscDesign::GetVn;
    using CAiscDesign::IsPrinting;
    using CAiscDesign::RunCheckSequence;

    using CAiscDesign::AnalysisSectionIx;
    using CAiscDesign::AnalysisSectionName;
    using CAiscDesign::AreaUnit;
    using CAiscDesign::B1x;
    using CAiscDesign::B1y;
    using CAiscDesign::Cb;
    using CAiscDesign::Cmx;
    using CAiscDesign::Cmy;
    using CAiscDesign::ConnectorDistance;
    using CAiscDesign::ConsiderB1;
    using CAiscDesign::DeflectionAdjustmentRatio;
    using CAiscDesign::DirectAnalysis;
    using CAiscDesign::E;
    using CAiscDesign::ErrorCode;
    using CAiscDesign::ForceUnit;
    using CAiscDesign::Fy;
    using CAiscDesign::G;
    using CAiscDesign::InchesPerFoot;
    using CAiscDesign::InteractionRatio;
    using CAiscDesign::KLrLimit;
    using CAiscDesign::Kx;
    using CAiscDesign::Ky;
    using CAiscDesign::Kz;
    using CAiscDesign::L;
    using CAiscDesign::Lb;
    using CAiscDesign::LengthUnit;
    using CAiscDesign::LiveDeflectionDenominator;
    using CAiscDesign::LiveDy;
    using CAiscDesign::LongLengthUnit;
    using CAiscDesign::Lx;
    using CAiscDesign::Ly;
    using CAiscDesign::Lz;
    using CAiscDesign::MomentUnit;
    using CAiscDesign::Mux;
    using CAiscDesign::Muy;
    using CAiscDesign::PhiMnx;
    using CAiscDesign::PhiMny;
    using CAiscDesign::PhiPn;
    using CAiscDesign::PhiVnx;
    using CAiscDesign::PhiVny;
    using CAiscDesign::Pi;
    using CAiscDesign::PrintEnabled;
    using CAiscDesign::PrintFile;
    using CAiscDesign::Pu;
    using CAiscDesign::Section;
    using CAiscDesign::ShapeCode;
    using CAiscDesign::StressUnit;
    using CAiscDesign::TotalDeflectionDenominator;
    using CAiscDesign::TotalDy;
    using CAiscDesign::Vux;
    using CAiscDesign::Vuy;
    using CAiscDesign::VxRatio;
    using CAiscDesign::VyRatio;
};

// Number of allocations the test program has made so far.
long AllocationCount();

// Collects the report of a design object in memory.
class ReportCapture
{
public:
    explicit ReportCapture(CAiscDesign& design) { design.SetPrintFile(&m_stream); }
    std::string Text() const { return m_stream.str(); }
    void Clear() { m_stream.str(std::string()); }
    std::ostringstream& Stream() { return m_stream; }

private:
    std::ostringstream m_stream;
};

// Collects message-box and debugger texts while alive (UTF-8), and restores
// the previous handlers afterwards.
class MessageCapture
{
public:
    MessageCapture()
    {
        m_previousBox = SetMessageBoxHandler([this](const wchar_t* text) { Boxes.push_back(Narrow(text)); });
        m_previousDebug = SetDebugOutputHandler([this](const wchar_t* text) { Debug.push_back(Narrow(text)); });
    }
    ~MessageCapture()
    {
        SetMessageBoxHandler(std::move(m_previousBox));
        SetDebugOutputHandler(std::move(m_previousDebug));
    }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> Boxes;
    std::vector<std::string> Debug;

private:
    static std::string Narrow(const wchar_t* text)
    {
        std::vector<char> buffer(5120);
        return tchar2char(text, buffer.data(), buffer.size());
    }
    MessageHandler m_previousBox;
    MessageHandler m_previousDebug;
};
