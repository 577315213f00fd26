// An independent evaluation of the numeric results of the hollow-section
// designs (rectangular HSS, round HSS and pipes) by AISC 360-10 LRFD, written
// from the design equations alone, as a test oracle for CAiscDesignRectHss and
// CAiscDesignRoundHss. Plain functions, no report output.
//
// Arithmetic follows the written equations term by term, left to right:
// a x b / c is (a * b) / c, x^2 is x * x, t^3 is (t * t) * t, (D/t)^1.5 is
// std::pow, caps are std::min(value, cap). The constants are those of the
// design object: pi = 3.14159265, E = 29000 ksi, KL/r limit 200, 12 in/ft.
#pragma once

#include "catalogue/mvSect_AISC.h"

namespace hss_reference {

inline constexpr double kPi = 3.14159265;
inline constexpr double kE = 29000.0;
inline constexpr double kKLrLimit = 200.0;
inline constexpr double kInchesPerFoot = 12.0;

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

// ---- Pieces shared by both shapes ---------------------------------------

// Kx Lx / rx and Ky Ly / ry; raises error 2 when either exceeds 200; returns
// the larger, and Fe by E3-4.
double ColumnSlenderness(const mvSect_AISC& s, const Inputs& in, int& errorCode, double& fe);
// E3-2 / E3-3.
double ColumnFcr(double fe, double klr, double fy);
// E7-2 / E7-3.
double ColumnFcrSlender(double fe, double klr, double q, double fy);
// C2-2a / C2-2b stiffness reduction parameter.
double TauB(bool directAnalysis, double pr, double a, double fy);
// A-8-3 with A-8-5; raises error 4 when Pr exceeds Pe1.
double B1(bool directAnalysis, double cm, double pr, double a, double i, double k, double l, double tauB, int& errorCode);
// G2-3 to G2-5.
double WebShearCv(double h_tw, double kv, double fy);

// ---- Rectangular HSS ----------------------------------------------------

// E7-16 / E7-18 with f = Fy; 1.0 exactly when no wall is slender.
double RectQa(const mvSect_AISC& s, double fy);
// F7-2 / F7-3 / F7-4 in kip-ft.
double RectMnFlange(double i, double z, double s, double lambda, double bo, double depth, double tdes,
                    double lambdaP, double lambdaR, double fy);
// F7-5 in kip-ft.
double RectMnWeb(double z, double s, double lambda, double lambdaP, double lambdaR, double fy);
// G2-1 through two walls of clear height h.
double RectShearVn(double h, double tdes, double fy);

Results RectHss(const mvSect_AISC& s, const Inputs& in);

// ---- Round HSS and pipe -------------------------------------------------

// E7-19; raises error 3 above 0.45 E/Fy.
double RoundQa(double d_t, double fy, int& errorCode);
// F8-2 / F8-3 local buckling in kip-ft (compact walls reach Fy Z).
double RoundMnLocal(double z, double s, double d_t, double lambdaP, double lambdaR, double fy);
// G6-2b critical shear stress capped at 0.6 Fy.
double RoundShearFcr(double d_t, double fy);

Results RoundHss(const mvSect_AISC& s, const Inputs& in);

// Either shape by its catalogue code (11 rectangular, 12 and 13 round).
Results Evaluate(int shapeCode, const mvSect_AISC& s, const Inputs& in);

} // namespace hss_reference
