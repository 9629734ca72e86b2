"""Checks what the built Quorrith.exe carries: hardening flags, the DLLs it
imports, its manifest and its version record.

usage: check_executable.py EXE OBJDUMP WINDRES
"""
import re
import struct
import subprocess
import sys

ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll"}
DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA = 0x40, 0x100, 0x20
GUI_SUBSYSTEM = 2

failures = []
passes = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    (passes if condition else failures).append(what)


def main():
    exe, objdump, windres = sys.argv[1:4]
    data = open(exe, "rb").read()

    pe = struct.unpack_from("<I", data, 0x3C)[0]
    check(data[pe:pe + 4] == b"PE\0\0", "a PE image")
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem, characteristics = struct.unpack_from("<HH", data, optional + 68)
    check(subsystem == GUI_SUBSYSTEM, "a GUI program (no console)")
    check(characteristics & DYNAMIC_BASE, "ASLR (dynamic base)")
    check(characteristics & NX_COMPAT, "DEP (NX compatible)")
    if magic == 0x20B:
        check(characteristics & HIGH_ENTROPY_VA, "high-entropy addresses (64-bit)")

    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    check(dlls and dlls <= ALLOWED_DLLS, f"imports only system DLLs: {sorted(dlls)}")

    for text in (b"Microsoft.Windows.Common-Controls", b'version="6.0.0.0"', b"PerMonitorV2",
                 b'level="asInvoker"'):
        check(text in data, f"manifest has {text.decode()}")

    rc = subprocess.run([windres, "-i", exe, "-O", "rc"], capture_output=True, text=True,
                        check=True).stdout
    for line in ('FILEVERSION 1, 3, 0, 0', 'PRODUCTVERSION 1, 3, 0, 0', 'BLOCK "080404b0"',
                 'VALUE "FileDescription", "Quorrith1.3"', 'VALUE "Comments", "Quorrith1.3"',
                 'VALUE "ProductName", "Quorrith"', 'VALUE "Translation", 0x804, 1200'):
        check(line.lower() in re.sub(r"[ \t]+", " ", rc).lower(), f"version record has {line}")
    check(len(re.findall(r"/\* RT_ICON \*/", rc)) == 2 and "RT_GROUP_ICON" in rc,
          "an application icon with two images (32 x 32 and 16 x 16)")

    print(f"{len(passes)} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
