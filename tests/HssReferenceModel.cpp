// Independent evaluation of the hollow-section design results; see
// HssReferenceModel.h for the arithmetic conventions.
#include "HssReferenceModel.h"

#include <algorithm>
#include <cmath>

namespace hss_reference {

namespace {

constexpr double kPhi = 0.9;  // phi_t, phi_c, phi_b and phi_v of hollow sections

// Governing compressive strength: the second mode only when strictly smaller
// (a tie goes to flexural buckling).
double GoverningPn(double pnFlexural, double pnSecondMode)
{
    if (pnSecondMode >= pnFlexural)
        return pnFlexural;
    return pnSecondMode;
}

// Flexural buckling strength E3-1 with Q (E3 when Q is exactly 1, E7 otherwise),
// against the squash load.
double CompressivePn(const mvSect_AISC& s, const Inputs& in, double q, int& errorCode)
{
    double fe = 0;
    const double klr = ColumnSlenderness(s, in, errorCode, fe);
    const double fcr = (q == 1.0) ? ColumnFcr(fe, klr, in.Fy) : ColumnFcrSlender(fe, klr, q, in.Fy);
    const double pnFlexural = fcr * s.A;
    const double squash = in.Fy * s.A;
    return GoverningPn(pnFlexural, squash);
}

// Appendix 8 amplification of the working moments (compression only).
void Magnify(const mvSect_AISC& s, const Inputs& in, Results& r, double& mrx, double& mry)
{
    if (!in.ConsiderB1)
        return;
    const double tau = TauB(in.DirectAnalysis, in.Pu, s.A, in.Fy);
    r.B1x = B1(in.DirectAnalysis, in.Cmx, in.Pu, s.A, s.Ix, in.Kx, in.Lx, tau, r.ErrorCode);
    mrx = r.B1x * in.Mux;
    r.B1y = B1(in.DirectAnalysis, in.Cmy, in.Pu, s.A, s.Iy, in.Ky, in.Ly, tau, r.ErrorCode);
    mry = r.B1y * in.Muy;
}

// H1-1a / H1-1b.
double Interaction(double pu, double phiPn, double mrx, double phiMnx, double mry, double phiMny)
{
    const double ratio = std::fabs(pu) / phiPn;
    if (ratio > 0.2)
        return std::fabs(pu) / phiPn + (8.0 / 9.0) * (std::fabs(mrx) / phiMnx + std::fabs(mry) / phiMny);
    return std::fabs(pu) / (2.0 * phiPn) + std::fabs(mrx) / phiMnx + std::fabs(mry) / phiMny;
}

// The parts of a run that do not depend on the shape once the shape has
// delivered its strengths.
void Finish(const Inputs& in, Results& r, double mrx, double mry, double mnx, double mny, double vnx, double vny)
{
    r.PhiMnx = kPhi * mnx;
    r.PhiMny = kPhi * mny;
    r.InteractionRatio = Interaction(in.Pu, r.PhiPn, mrx, r.PhiMnx, mry, r.PhiMny);
    r.PhiVnx = kPhi * vnx;
    r.VxRatio = std::fabs(in.Vux) / r.PhiVnx;
    r.PhiVny = kPhi * vny;
    r.VyRatio = std::fabs(in.Vuy) / r.PhiVny;
}

Results StartRun(const Inputs& in)
{
    Results r;
    r.B1x = in.PreviousB1x;
    r.B1y = in.PreviousB1y;
    r.ErrorCode = in.PreviousErrorCode;
    return r;
}

} // namespace

// ---- Shared pieces -------------------------------------------------------

double ColumnSlenderness(const mvSect_AISC& s, const Inputs& in, int& errorCode, double& fe)
{
    const double klrX = in.Kx * in.Lx / s.rx;
    const double klrY = in.Ky * in.Ly / s.ry;
    if (klrX > kKLrLimit || klrY > kKLrLimit)
        errorCode = 2;
    const double klr = std::max(klrX, klrY);
    fe = kPi * kPi * kE / (klr * klr);
    return klr;
}

double ColumnFcr(double fe, double klr, double fy)
{
    const double limit = 4.71 * std::sqrt(kE / fy);
    if (klr <= limit)
        return std::pow(0.658, fy / fe) * fy;  // E3-2
    return 0.877 * fe;                         // E3-3
}

double ColumnFcrSlender(double fe, double klr, double q, double fy)
{
    const double limit = 4.71 * std::sqrt(kE / (q * fy));
    if (klr <= limit)
        return q * std::pow(0.658, q * fy / fe) * fy;  // E7-2
    return 0.877 * fe;                                 // E7-3
}

double TauB(bool directAnalysis, double pr, double a, double fy)
{
    if (!directAnalysis)
        return 1.0;
    const double ratio = pr / (fy * a);
    if (ratio < 0.5)
        return 1.0;  // C2-2a
    double tau = 4 * ratio * (1 - ratio);  // C2-2b
    if (tau < 0)
        tau = 1.0;
    return tau;
}

double B1(bool directAnalysis, double cm, double pr, double a, double i, double k, double l, double tauB, int& errorCode)
{
    (void)a;
    double ei = kE * i;
    if (directAnalysis)
        ei = 0.8 * tauB * kE * i;
    const double kl = k * l;
    const double pe1 = kPi * kPi * ei / (kl * kl);  // A-8-5
    double b1 = cm / (1 - pr / pe1);                // A-8-3
    if (!(b1 > 1.0))
        b1 = 1.0;
    if (pr > pe1)
        errorCode = 4;
    return b1;
}

double WebShearCv(double h_tw, double kv, double fy)
{
    const double l1 = 1.10 * std::sqrt(kv * kE / fy);
    const double l2 = 1.37 * std::sqrt(kv * kE / fy);
    if (h_tw <= l1)
        return 1.0;                                     // G2-3
    if (h_tw > l2)
        return 1.51 * kv * kE / ((h_tw * h_tw) * fy);  // G2-5
    return l1 / h_tw;                                   // G2-4
}

// ---- Rectangular HSS -----------------------------------------------------

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
        be = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.b_t * root), b);  // E7-18, f = Fy
    double he = h;
    if (s.h_t > limit)
        he = std::min(1.92 * s.tdes * root * (1 - 0.38 / s.h_t * root), h);

    const double ae = s.A - 2 * (b - be) * s.tdes - 2 * (h - he) * s.tdes;
    return ae / s.A;  // E7-16
}

double RectMnFlange(double i, double z, double s, double lambda, double bo, double depth, double tdes,
                    double lambdaP, double lambdaR, double fy)
{
    const double root = std::sqrt(kE / fy);
    const double b = bo - 3 * tdes;
    const double mp = fy * z;
    double mn = 0;
    if (lambda <= lambdaP)
    {
        mn = mp;
    }
    else if (lambda > lambdaR)
    {
        const double be = std::min(1.92 * tdes * root * (1 - 0.38 / lambda * root), b);  // F7-4
        const double bi = b - be;
        const double arm = depth / 2 - tdes / 2;
        const double tdes3 = tdes * tdes * tdes;
        const double ieff = i - 2 * (bi * tdes * (arm * arm) + bi * tdes3 / 12);
        const double se = ieff / (depth / 2);
        mn = fy * se;  // F7-3
    }
    else
    {
        mn = std::min(mp - (mp - fy * s) * (3.57 * lambda * std::sqrt(fy / kE) - 4.0), mp);  // F7-2
    }
    return mn / kInchesPerFoot;
}

double RectMnWeb(double z, double s, double lambda, double lambdaP, double lambdaR, double fy)
{
    (void)lambdaR;  // a slender web is treated as non-compact
    const double mp = fy * z;
    double mn = mp;
    if (!(lambda <= lambdaP))
        mn = std::min(mp - (mp - fy * s) * (0.305 * lambda * std::sqrt(fy / kE) - 0.738), mp);  // F7-5
    return mn / kInchesPerFoot;
}

double RectShearVn(double h, double tdes, double fy)
{
    const double cv = WebShearCv(h / tdes, 5.0, fy);
    return 0.6 * fy * (2 * h * tdes) * cv;  // G2-1
}

Results RectHss(const mvSect_AISC& s, const Inputs& in)
{
    Results r = StartRun(in);
    double mrx = in.Mux;
    double mry = in.Muy;

    if (in.Pu < 0)
    {
        r.PhiPn = kPhi * (in.Fy * s.A);  // D2-1
    }
    else
    {
        const double qa = RectQa(s, in.Fy);
        r.PhiPn = kPhi * CompressivePn(s, in, qa, r.ErrorCode);
        Magnify(s, in, r, mrx, mry);
    }

    // Table B4.1b cases 17 and 19
    const double lambdaPf = 1.12 * std::sqrt(kE) / std::sqrt(in.Fy);
    const double lambdaRf = 1.40 * std::sqrt(kE) / std::sqrt(in.Fy);
    const double lambdaPw = 2.42 * std::sqrt(kE) / std::sqrt(in.Fy);
    const double lambdaRw = 5.70 * std::sqrt(kE) / std::sqrt(in.Fy);

    const double mpx = in.Fy * s.Zx / kInchesPerFoot;  // F7-1
    const double mfx = RectMnFlange(s.Ix, s.Zx, s.Sx, s.b_t, s.B, s.Ht, s.tdes, lambdaPf, lambdaRf, in.Fy);
    const double mwx = RectMnWeb(s.Zx, s.Sx, s.h_t, lambdaPw, lambdaRw, in.Fy);
    const double mnx = std::min(std::min(mpx, mfx), mwx);

    const double mpy = in.Fy * s.Zy / kInchesPerFoot;
    const double mfy = RectMnFlange(s.Iy, s.Zy, s.Sy, s.h_t, s.Ht, s.B, s.tdes, lambdaPf, lambdaRf, in.Fy);
    const double mwy = RectMnWeb(s.Zy, s.Sy, s.b_t, lambdaPw, lambdaRw, in.Fy);
    const double mny = std::min(std::min(mpy, mfy), mwy);

    const double vnx = RectShearVn(s.Ht - 3 * s.tdes, s.tdes, in.Fy);
    const double vny = RectShearVn(s.B - 3 * s.tdes, s.tdes, in.Fy);

    Finish(in, r, mrx, mry, mnx, mny, vnx, vny);
    return r;
}

// ---- Round HSS and pipe --------------------------------------------------

double RoundQa(double d_t, double fy, int& errorCode)
{
    if (d_t <= 0.11 * kE / fy)
        return 1.0;
    if (d_t > 0.45 * kE / fy)
        errorCode = 3;
    return 0.038 * kE / (fy * d_t) + 2.0 / 3.0;  // E7-19
}

double RoundMnLocal(double z, double s, double d_t, double lambdaP, double lambdaR, double fy)
{
    double mn = 0;
    if (d_t <= lambdaP)
        mn = fy * z;
    else if (d_t > lambdaR)
        mn = (0.33 * kE / d_t) * s;  // F8-4, F8-3
    else
        mn = (0.021 * kE / d_t + fy) * s;  // F8-2
    return mn / kInchesPerFoot;
}

double RoundShearFcr(double d_t, double fy)
{
    return std::min(0.78 * kE / std::pow(d_t, 1.5), 0.6 * fy);  // G6-2b
}

Results RoundHss(const mvSect_AISC& s, const Inputs& in)
{
    Results r = StartRun(in);
    double mrx = in.Mux;
    double mry = in.Muy;

    if (in.Pu < 0)
    {
        r.PhiPn = kPhi * (in.Fy * s.A);  // D2-1
    }
    else
    {
        const double qa = RoundQa(s.D_t, in.Fy, r.ErrorCode);
        r.PhiPn = kPhi * CompressivePn(s, in, qa, r.ErrorCode);
        Magnify(s, in, r, mrx, mry);
    }

    // Table B4.1b case 20
    const double lambdaP = 0.07 * kE / in.Fy;
    const double lambdaR = 0.31 * kE / in.Fy;

    const double mpx = in.Fy * s.Zx / kInchesPerFoot;  // F8-1
    const double m2x = RoundMnLocal(s.Zx, s.Sx, s.D_t, lambdaP, lambdaR, in.Fy);
    const double mnx = (m2x <= mpx) ? m2x : mpx;

    const double mpy = in.Fy * s.Zy / kInchesPerFoot;
    const double m2y = RoundMnLocal(s.Zy, s.Sy, s.D_t, lambdaP, lambdaR, in.Fy);
    const double mny = (m2y <= mpy) ? m2y : mpy;

    const double fcr = RoundShearFcr(s.D_t, in.Fy);
    const double vn = 0.5 * fcr * s.A;  // G6-1

    Finish(in, r, mrx, mry, mnx, mny, vn, vn);
    return r;
}

Results Evaluate(int shapeCode, const mvSect_AISC& s, const Inputs& in)
{
    if (shapeCode == kShapeRectHss)
        return RectHss(s, in);
    return RoundHss(s, in);
}

} // namespace hss_reference
