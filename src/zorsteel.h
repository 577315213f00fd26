// zorsteel: structural steel member checks by AISC 360-10 (LRFD) with an HTML
// calculation report, and the steel shapes catalogue. Include this header to
// get the whole public interface.
#pragma once

#include "catalogue/CSteelDesignManager.h"
#include "catalogue/DesignFactory.h"
#include "catalogue/mvSect_AISC.h"
#include "design/CAiscDesign.h"
#include "design/CAiscDesignTeeType.h"
#include "design/LimitStates.h"
#include "member/MemberInput.h"
#include "member/MemberRun.h"
#include "module/Module.h"
#include "platform/CString.h"
#include "platform/Parallel.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "platform/zorTools.h"
#include "report/MemberVerdict.h"
#include "report/ProblemPrintArea.h"
#include "report/ReportPage.h"
#include "shapes/CAiscDesign2L.h"
#include "shapes/CAiscDesignChannel.h"
#include "shapes/CAiscDesignI.h"
#include "shapes/CAiscDesignL.h"
#include "shapes/CAiscDesignRectHss.h"
#include "shapes/CAiscDesignRoundHss.h"
#include "shapes/CAiscDesignT.h"
