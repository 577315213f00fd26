// An independent evaluation of the numeric results of the hollow-section
// designs (rectangular HSS, round HSS and pipes) by AISC 360-10 LRFD, written
// from the design equations alone, as a test oracle for CAiscDesignRectHss and
// CAiscDesignRoundHss. Plain functions, no report output.
#pragma once

#include "catalogue/mvSect_AISC.h"

namespace hss_reference {

// The member's inputs, and the state that survives from an earlier run of the
// same design object (B1x, B1y and ErrorCode are never reset by a run).
struct Inputs
{
    bool DirectAnalysis = true;
    bool ConsiderB1 = true;
    double Pu = 0;
    double Mux = 0;
    double Muy = 0;
    double Cmx = 1.0;
    double Cmy = 1.0;
    double Vux = 0;
    double Vuy = 0;
    double Fy = 0;
    double Kx = 1.0;
    double Ky = 1.0;
    double Lx = 0;
    double Ly = 0;
    // carried over from the previous run
    double PreviousB1x = 1.0;
    double PreviousB1y = 1.0;
    int PreviousErrorCode = 0;
};

struct Results
{
    double PhiPn = 0;
    double PhiMnx = 0;
    double PhiMny = 0;
    double PhiVnx = 0;
    double PhiVny = 0;
    double InteractionRatio = 0;
    double VxRatio = 0;
    double VyRatio = 0;
    double B1x = 1.0;
    double B1y = 1.0;
    int ErrorCode = 0;
};

// Either shape by its catalogue code (11 rectangular, 12 and 13 round).
Results Evaluate(int shapeCode, const mvSect_AISC& s, const Inputs& in);

} // namespace hss_reference
