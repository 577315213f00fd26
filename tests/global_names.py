#!/usr/bin/python3
"""zorsteel.h puts into the host's global namespace only the names the
standard of the design objects fixes; every other name is in zorsteel.

    global_names.py CLANGXX SOURCE_DIR

Reads clang's syntax tree of a file that includes zorsteel.h and lists the
declarations at global scope that come from the library's headers.
"""

import re
import subprocess
import sys
import tempfile

# The classes a host programs against; the platform's stand-ins (CString, the
# message channels) and the utility functions are zorsteel's.
FIXED = {
    "mvSect_AISC", "mvDesignSect_AISC", "CStringCompareNoCaseLessThan", "CSteelDesignManager",
    "CAiscDesign", "CAiscDesignI", "CAiscDesignChannel", "CAiscDesignL", "CAiscDesignT", "CAiscDesign2L",
    "CAiscDesignRectHss", "CAiscDesignRoundHss", "ProblemPrintArea",
}
# "|-FunctionDecl 0x... <...> line:12:7 name 'type'", "|-CXXRecordDecl ... class name definition"
DECLARATION = re.compile(r"^[|`]-(\w+) .*?> (?:line:\d+:\d+|col:\d+) (?:(?:referenced|used|implicit) )*"
                         r"(?:(?:class|struct|union|enum) )?([\w<>=]+)")


def main(clang, source_dir):
    with tempfile.NamedTemporaryFile("w", suffix=".cpp") as unit:
        unit.write('#include "zorsteel.h"\n')
        unit.flush()
        tree = subprocess.run([clang, "-std=c++20", "-I", source_dir + "/src", "-fsyntax-only", "-Xclang",
                               "-ast-dump", unit.name], check=True, capture_output=True, text=True).stdout
    found, library = set(), False
    for line in tree.splitlines():
        # A location names its file when it changes, then only lines and columns.
        for path in re.findall(r"<(?!line:|col:)([^:<>\s]+):\d+:\d+", line):
            library = (source_dir + "/src/") in path or path.startswith("src/")
        match = DECLARATION.match(line)
        if match and library:
            found.add(match.group(2))
    found.discard("zorsteel")
    strangers = sorted(found - FIXED)
    if strangers:
        sys.exit("global names from zorsteel.h the standard does not fix: " + ", ".join(strangers))
    if len(found) < 10:
        sys.exit("the syntax tree was not read: found only " + ", ".join(sorted(found)))
    print(f"{len(found)} global names, all fixed by the standard")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
