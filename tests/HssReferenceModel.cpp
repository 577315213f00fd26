// Independent evaluation of the hollow-section design results.
//
// Arithmetic follows the written equations term by term, left to right:
// a x b / c is (a * b) / c, x^2 is x * x, t^3 is (t * t) * t, (D/t)^1.5 is
// std::pow, caps are std::min(value, cap). The constants are those of the
// design object: pi = 3.14159265, E = 29000 ksi, KL/r limit 200, 12 in/ft.
#include "HssReferenceModel.h"

#include <algorithm>
#include <cmath>

namespace hss_reference {

namespace {

constexpr double kPi = 3.14159265;
constexpr double kE = 29000.0;
constexpr double kKLrLimit = 200.0;
constexpr double kInchesPerFoot = 12.0;
constexpr double kPhi = 0.9;  // phi_t, phi_c, phi_b and phi_v of hollow sections

// ---- Compression ---------------------------------------------------------

// E3-2 / E3-3 with Q = 1, E7-2 / E7-3 otherwise.
double ColumnFcr(double fe, double klr, double q, double fy)
{
    if (q == 1.0)
    {
        if (klr <= 4.71 * std::sqrt(kE / fy))
            return std::pow(0.658, fy / fe) * fy;
        return 0.877 * fe;
    }
    if (klr <= 4.71 * std::sqrt(kE / (q * fy)))
        return q * std::pow(0.658, q * fy / fe) * fy;
    return 0.877 * fe;
}

// Flexural buckling E3-1 against the squash load (a tie goes to flexural
// buckling); raises error 2 when a KL/r exceeds 200.
double CompressivePn(const mvSect_AISC& s, const Inputs& in, double q, int& errorCode)
{
    const double klrX = in.Kx * in.Lx / s.rx;
    const double klrY = in.Ky * in.Ly / s.ry;
    if (klrX > kKLrLimit || klrY > kKLrLimit)
        errorCode = 2;
    const double klr = std::max(klrX, klrY);
    const double fe = kPi * kPi * kE / (klr * klr);  // E3-4
    const double pnFlexural = ColumnFcr(fe, klr, q, in.Fy) * s.A;
    const double squash = in.Fy * s.A;
    return (squash >= pnFlexural) ? pnFlexural : squash;
}

// ---- Appendix 8 amplification ----------------------------------------------

// C2-2a / C2-2b stiffness reduction parameter.
double TauB(bool directAnalysis, double pr, double a, double fy)
{
    if (!directAnalysis)
        return 1.0;
    const double ratio = pr / (fy * a);
    if (ratio < 0.5)
        return 1.0;
    const double tau = 4 * ratio * (1 - ratio);
    return (tau < 0) ? 1.0 : tau;
}

// A-8-3 with A-8-5; raises error 4 when Pr exceeds Pe1.
double B1(bool directAnalysis, double cm, double pr, double i, double k, double l, double tauB, int& errorCode)
{
    const double ei = directAnalysis ? 0.8 * tauB * kE * i : kE * i;
    const double kl = k * l;
    const double pe1 = kPi * kPi * ei / (kl * kl);
    double b1 = cm / (1 - pr / pe1);
    if (!(b1 > 1.0))
        b1 = 1.0;
    if (pr > pe1)
        errorCode = 4;
    return b1;
}

// ---- Rectangular HSS -------------------------------------------------------

// E7-16 / E7-18 with f = Fy; 1.0 exactly when no wall is slender.
double RectQa(const mvSect_AISC& s, double fy)
{
    const double root = std::sqrt(kE / fy);
    const double limit = 1.40 * root;  // Table B4.1a case 6
    if (s.b_t <= limit && s.h_t <= limit)
        return 1.0;

    double b = s.B - 3 * s.tdes;
    if (!(b > 0))
        b = s.b_t * s.tdes;
    double h = s.Ht - 3 * s.tdes;
    if (!(h > 0))
        h = s.h_t * s.tdes;

    double be = b;
    if (s.b_t > limit)
        be = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.b_t * root), b);
    double he = h;
    if (s.h_t > limit)
        he = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.h_t * root), h);

    const double ae = s.A - 2 * (b - be) * s.tdes - 2 * (h - he) * s.tdes;
    return ae / s.A;
}

// F7-2 / F7-3 / F7-4 flange local buckling, kip-ft.
double RectMnFlange(double i, double z, double s, double lambda, double bo, double depth, double tdes,
                    double lambdaP, double lambdaR, double fy)
{
    const double mp = fy * z;
    if (lambda <= lambdaP)
        return mp / kInchesPerFoot;
    if (lambda <= lambdaR)
        return std::min(mp - (mp - fy * s) * (3.57 * lambda * std::sqrt(fy / kE) - 4.0), mp) / kInchesPerFoot;  // F7-2
    const double root = std::sqrt(kE / fy);
    const double b = bo - 3 * tdes;
    const double be = std::min(1.92 * tdes * root * (1 - 0.38 / lambda * root), b);  // F7-4
    const double bi = b - be;
    const double arm = depth / 2 - tdes / 2;
    const double tdes3 = tdes * tdes * tdes;
    const double ieff = i - 2 * (bi * tdes * (arm * arm) + bi * tdes3 / 12);
    return fy * (ieff / (depth / 2)) / kInchesPerFoot;  // F7-3
}

// F7-5 web local buckling, kip-ft; a slender web is treated as non-compact.
double RectMnWeb(double z, double s, double lambda, double lambdaP, double fy)
{
    const double mp = fy * z;
    if (lambda <= lambdaP)
        return mp / kInchesPerFoot;
    return std::min(mp - (mp - fy * s) * (0.305 * lambda * std::sqrt(fy / kE) - 0.738), mp) / kInchesPerFoot;
}

// G2-1 through two walls of clear height h, with Cv by G2-3 to G2-5 (kv = 5).
double RectShearVn(double h, double tdes, double fy)
{
    const double h_tw = h / tdes;
    const double l1 = 1.10 * std::sqrt(5.0 * kE / fy);
    const double l2 = 1.37 * std::sqrt(5.0 * kE / fy);
    double cv = l1 / h_tw;
    if (h_tw <= l1)
        cv = 1.0;
    else if (h_tw > l2)
        cv = 1.51 * 5.0 * kE / ((h_tw * h_tw) * fy);
    return 0.6 * fy * (2 * h * tdes) * cv;
}

struct Strengths
{
    double mnx, mny, vnx, vny;  // kip-ft and kips
};

Strengths RectStrengths(const mvSect_AISC& s, double fy)
{
    // Table B4.1b cases 17 and 19
    const double lambdaPf = 1.12 * std::sqrt(kE) / std::sqrt(fy);
    const double lambdaRf = 1.40 * std::sqrt(kE) / std::sqrt(fy);
    const double lambdaPw = 2.42 * std::sqrt(kE) / std::sqrt(fy);

    const double mpx = fy * s.Zx / kInchesPerFoot;  // F7-1
    const double mfx = RectMnFlange(s.Ix, s.Zx, s.Sx, s.b_t, s.B, s.Ht, s.tdes, lambdaPf, lambdaRf, fy);
    const double mwx = RectMnWeb(s.Zx, s.Sx, s.h_t, lambdaPw, fy);

    const double mpy = fy * s.Zy / kInchesPerFoot;
    const double mfy = RectMnFlange(s.Iy, s.Zy, s.Sy, s.h_t, s.Ht, s.B, s.tdes, lambdaPf, lambdaRf, fy);
    const double mwy = RectMnWeb(s.Zy, s.Sy, s.b_t, lambdaPw, fy);

    return {std::min(std::min(mpx, mfx), mwx), std::min(std::min(mpy, mfy), mwy),
            RectShearVn(s.Ht - 3 * s.tdes, s.tdes, fy), RectShearVn(s.B - 3 * s.tdes, s.tdes, fy)};
}

// ---- Round HSS and pipe ----------------------------------------------------

// E7-19; raises error 3 above 0.45 E/Fy.
double RoundQa(double d_t, double fy, int& errorCode)
{
    if (d_t <= 0.11 * kE / fy)
        return 1.0;
    if (d_t > 0.45 * kE / fy)
        errorCode = 3;
    return 0.038 * kE / (fy * d_t) + 2.0 / 3.0;
}

// F8-1 capped by F8-2 / F8-3 local buckling, kip-ft.
double RoundMn(double z, double s, double d_t, double fy)
{
    const double lambdaP = 0.07 * kE / fy;  // Table B4.1b case 20
    const double lambdaR = 0.31 * kE / fy;
    double local = 0;
    if (d_t <= lambdaP)
        local = fy * z;
    else if (d_t > lambdaR)
        local = (0.33 * kE / d_t) * s;  // F8-4, F8-3
    else
        local = (0.021 * kE / d_t + fy) * s;  // F8-2
    const double mp = fy * z / kInchesPerFoot;
    const double mn = local / kInchesPerFoot;
    return (mn <= mp) ? mn : mp;
}

Strengths RoundStrengths(const mvSect_AISC& s, double fy)
{
    const double fcr = std::min(0.78 * kE / std::pow(s.D_t, 1.5), 0.6 * fy);  // G6-2b
    const double vn = 0.5 * fcr * s.A;                                          // G6-1
    return {RoundMn(s.Zx, s.Sx, s.D_t, fy), RoundMn(s.Zy, s.Sy, s.D_t, fy), vn, vn};
}

} // namespace

Results Evaluate(int shapeCode, const mvSect_AISC& s, const Inputs& in)
{
    const bool rect = shapeCode == kShapeRectHss;
    Results r;
    r.B1x = in.PreviousB1x;
    r.B1y = in.PreviousB1y;
    r.ErrorCode = in.PreviousErrorCode;
    double mrx = in.Mux;
    double mry = in.Muy;

    if (in.Pu < 0)
    {
        r.PhiPn = kPhi * (in.Fy * s.A);  // D2-1
    }
    else
    {
        const double qa = rect ? RectQa(s, in.Fy) : RoundQa(s.D_t, in.Fy, r.ErrorCode);
        r.PhiPn = kPhi * CompressivePn(s, in, qa, r.ErrorCode);
        if (in.ConsiderB1)
        {
            const double tau = TauB(in.DirectAnalysis, in.Pu, s.A, in.Fy);
            r.B1x = B1(in.DirectAnalysis, in.Cmx, in.Pu, s.Ix, in.Kx, in.Lx, tau, r.ErrorCode);
            mrx = r.B1x * in.Mux;
            r.B1y = B1(in.DirectAnalysis, in.Cmy, in.Pu, s.Iy, in.Ky, in.Ly, tau, r.ErrorCode);
            mry = r.B1y * in.Muy;
        }
    }

    const Strengths n = rect ? RectStrengths(s, in.Fy) : RoundStrengths(s, in.Fy);
    r.PhiMnx = kPhi * n.mnx;
    r.PhiMny = kPhi * n.mny;
    // H1-1a / H1-1b
    const double pu = std::fabs(in.Pu);
    const double major = std::fabs(mrx) / r.PhiMnx;
    const double minor = std::fabs(mry) / r.PhiMny;
    if (pu / r.PhiPn > 0.2)
        r.InteractionRatio = pu / r.PhiPn + (8.0 / 9.0) * (major + minor);
    else
        r.InteractionRatio = pu / (2.0 * r.PhiPn) + major + minor;
    r.PhiVnx = kPhi * n.vnx;
    r.VxRatio = std::fabs(in.Vux) / r.PhiVnx;
    r.PhiVny = kPhi * n.vny;
    r.VyRatio = std::fabs(in.Vuy) / r.PhiVny;
    return r;
}

} // namespace hss_reference
