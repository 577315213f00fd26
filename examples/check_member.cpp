// A small host: checks one member and writes its calculation report.
//   zorsteel_example [section] [report.html]
// The section defaults to a rectangular HSS column under axial force and
// biaxial bending; the report is a complete HTML page with the equation images
// placed beside it.
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "zorsteel.h"

namespace {

std::unique_ptr<CAiscDesign> DesignFor(int shapeCode)
{
    using enum zorsteel::AiscShapeCode;
    switch (shapeCode) {
    case kShapeW:
    case kShapeM:
    case kShapeS:
    case kShapeHP: return std::make_unique<CAiscDesignI>();
    case kShapeC:
    case kShapeMC: return std::make_unique<CAiscDesignChannel>();
    case kShapeL: return std::make_unique<CAiscDesignL>();
    case kShapeWT:
    case kShapeMT:
    case kShapeST: return std::make_unique<CAiscDesignT>();
    case kShape2L: return std::make_unique<CAiscDesign2L>();
    case kShapeRectHss: return std::make_unique<CAiscDesignRectHss>();
    case kShapeRoundHss:
    case kShapePipe: return std::make_unique<CAiscDesignRoundHss>();
    default: return nullptr;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string name = argc > 1 ? argv[1] : "HSS8X4X1/2";
    const std::string reportPath = argc > 2 ? argv[2] : "report.html";
    const std::wstring wideName(name.begin(), name.end());

    mvSect_AISC section;
    CAiscDesignRoundHss probe;  // any design object can read the catalogue
    const int code = probe.GetSection(section, wideName.c_str());
    std::unique_ptr<CAiscDesign> design = DesignFor(code);
    if (!design) {
        std::fprintf(stderr, "%s: not a section this example can check (shape code %d)\n", name.c_str(), code);
        return 1;
    }
    design->SetSection(wideName.c_str());
    design->SetGeneralParameters(true, true);
    design->SetLoads(120.0, 30.0, 12.0, 0.85, 0.85, 15.0, 8.0);
    design->SetMaterial(46.0);
    design->SetLateralTorsionalProperty(1.0, 144.0);
    design->SetColumnSlenderness(1.0, 1.0, 144.0, 144.0);
    design->SetColumnSlenderness_Torsional(1.0, 144.0);  // a channel buckles in torsion too
    design->SetDoubleAngleConnnectorDistance(48.0);      // a double angle's connectors (E6)
    design->SetDeflectionParameters(240.0, 360.0, 0.35, 0.2, 144.0);

    // Collect the library's file messages (missing equation images) into one line.
    int missingImages = 0;
    zorsteel::SetMessageBoxHandler([&](const wchar_t* text) {
        if (std::wstring(text).rfind(L"cannot find file ", 0) == 0)
            ++missingImages;
        else
            std::fprintf(stderr, "%ls\n", text);
    });

    // The report's equation images are linked relative to the page.
    const std::wstring wideReportPath(reportPath.begin(), reportPath.end());
    const bool imagesPlaced = zorsteel::PlaceReportImages(wideReportPath.c_str());
    std::ofstream report(reportPath);
    {
        zorsteel::ReportPage page(&report, L"zorsteel example member");
        ProblemPrintArea area(&report, wideName.c_str());
        design->SetPrintFile(&report);
        design->Calculate();
    }

    std::printf("%s (Fy 46 ksi, L 12 ft, Pu 120 kips, Mux 30 kip-ft, Muy 12 kip-ft)\n", name.c_str());
    std::printf("  phi Pn  = %.4g kips\n  phi Mnx = %.4g kip-ft\n  phi Mny = %.4g kip-ft\n", design->GetPhiPn(),
                design->GetPhiMnx(), design->GetPhiMny());
    std::printf("  B1x = %.4g, B1y = %.4g\n", design->GetB1x(), design->GetB1y());
    std::printf("  interaction %.3f, shear x %.3f, shear y %.3f, critical %.3f, error code %d\n",
                design->GetInteractionRatio(), design->GetVxRatio(), design->GetVyRatio(), design->GetCriticalRatio(),
                design->GetErrorCode());
    std::printf("  report: %s\n", reportPath.c_str());
    if (!imagesPlaced) std::printf("  (the Images folder could not be placed beside the report)\n");
    if (missingImages > 0)
        std::printf("  (%d equation images the report refers to are not in the Images folder beside this program)\n",
                    missingImages);
    return 0;
}
