// The exit statuses of the zorsteel command (documented in --help and the README).
#pragma once

namespace zorsteel::cli {

enum ExitStatus : int
{
    kExitOk = 0,         // every member checked and OK
    kExitNg = 1,         // every member checked, some NG
    kExitRowError = 2,   // some member could not be checked (bad input in its row): ERROR
    kExitUsage = 3,      // the command line is wrong (an output that is the member file or another output too)
    kExitFileError = 4,  // a file cannot be read or written, or the member file's header is wrong
    kExitNoPdf = 5,      // --pdf: no Chromium on the PATH, or it could not print the report
};

inline constexpr const char* kExitStatusHelp =
    "Exit status: 0 all members OK; 1 some member NG; 2 some row could not be checked (ERROR);\n"
    "3 usage error (an output that is the member file or another output too); 4 file error (catalogue,\n"
    "member file or its header, output, report folder); 5 no PDF (--pdf: Chromium is not on the PATH,\n"
    "or it could not print the report).";

} // namespace zorsteel::cli
