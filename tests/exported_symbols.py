#!/usr/bin/python3
"""The shared library exports only names in namespace zorsteel and the fixed
classes a host programs against; nothing of it can replace, or be replaced
by, a function of the host's own.

    exported_symbols.py LIBRARY

Lists the library's defined dynamic symbols (nm -D --defined-only, demangled)
and fails on any other. Instantiations of the standard library's templates
that the library's code made (weak symbols of namespace std) are the
standard's names, merged with the host's own, and are let through.
"""

import re
import subprocess
import sys

FIXED_CLASSES = (
    "CAiscDesign", "CAiscDesignI", "CAiscDesignChannel", "CAiscDesignL", "CAiscDesignT", "CAiscDesign2L",
    "CAiscDesignRectHss", "CAiscDesignRoundHss", "CAiscDesignTeeType", "CSteelDesignManager", "ProblemPrintArea",
    "mvSect_AISC", "mvDesignSect_AISC", "CStringCompareNoCaseLessThan",
)
# What the demangler puts before a class's name: "vtable for X", "non-virtual thunk to X::f()".
PREFIXES = ("vtable for ", "typeinfo for ", "typeinfo name for ", "VTT for ", "construction vtable for ",
            "non-virtual thunk to ", "virtual thunk to ", "guard variable for ")
LINKER = {"_init", "_fini", "__bss_start", "_edata", "_end"}


def owner(name):
    """The scope a demangled symbol belongs to: its name up to the first '(' or '<', without a return type."""
    for prefix in PREFIXES:
        if name.startswith(prefix):
            return owner(name[len(prefix):])
    head = re.split(r"[(<]", name, maxsplit=1)[0]
    return head.split(" ")[-1]


def allowed(kind, name):
    if name in LINKER or name.startswith("zorsteel::") or name.startswith("GLIBCXX") or name.startswith("CXXABI"):
        return True
    scope = owner(name)
    if scope.startswith("zorsteel::"):
        return True
    if scope.split("::")[0] in FIXED_CLASSES:
        return True
    # The standard library's template code, made weak where the library used it.
    return kind in "WVuw" and (scope.startswith("std::") or scope.startswith("__gnu_cxx::"))


def main(library):
    listing = subprocess.run(["nm", "-D", "--defined-only", "-C", library], check=True, capture_output=True,
                             text=True).stdout
    symbols = []
    for line in listing.splitlines():
        parts = line.split(" ", 2)
        if len(parts) == 3:
            symbols.append((parts[1], parts[2]))
    strangers = sorted(name for kind, name in symbols if not allowed(kind, name))
    if strangers:
        sys.exit(f"{len(strangers)} exported symbols outside zorsteel:: and the fixed classes:\n  " +
                 "\n  ".join(strangers))
    ours = [name for _, name in symbols if name.startswith("zorsteel::") or owner(name).split("::")[0]
            in FIXED_CLASSES]
    if len(ours) < 50:
        sys.exit(f"only {len(ours)} of the library's own symbols exported: is this the zorsteel library?")
    print(f"{len(symbols)} exported symbols, {len(ours)} of them the library's API; none other")


if __name__ == "__main__":
    main(sys.argv[1])
