#!/usr/bin/env python3
"""A Windows program of the game as built: it needs only Windows' own DLLs (the C++ runtime is
linked in), and carries its manifest (per-monitor DPI awareness, common controls 6, UTF-8 code
page) and its version information with the project's version.

    program_check.py OBJDUMP VERSION PROGRAM.exe..."""
import re
import subprocess
import sys

from check_report import finish

SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "shell32.dll", "user32.dll", "winmm.dll", "shlwapi.dll",
    "uxtheme.dll", "dwmapi.dll", "shcore.dll", "urlmon.dll", "version.dll", "imm32.dll",
}


def main():
    objdump, version, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    failures = []
    for program in programs:
        dump = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                              text=True).stdout
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        if not dlls or dlls - SYSTEM_DLLS:
            failures.append(f"{program} needs {sorted(dlls - SYSTEM_DLLS) or 'no DLL at all'}")
        data = open(program, "rb").read()
        for text in ("PerMonitorV2", "Microsoft.Windows.Common-Controls", "<activeCodePage"):
            if text.encode() not in data:
                failures.append(f"{program}: no {text} in its manifest")
        for text in ("ProductVersion", version, "Tarrock Junction"):
            if text.encode("utf-16-le") not in data:
                failures.append(f"{program}: no {text} in its version information")
    finish(failures, f"{len(programs)} programs")


if __name__ == "__main__":
    main()
