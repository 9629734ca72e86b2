"""Reads the builder's documents with Python's plistlib and checks the arrays."""
import plistlib
import subprocess
import sys
import tempfile
from pathlib import Path

STEMS = ["wifi", "data", "3g", "cleanup", "flashlight", "backlight", "gps", "bluetooth",
         "autolock", "rotation", "airplane", "respring", "reboot", "shutdown", "home", "sleep"]


def entry(stem, visible):
    return {"Id": f"multi_{stem}", "Image": f"list_multi_{stem}.png",
            "Name": f"panel_{stem}", "Visible": visible}


EXPECTED = {
    "startup.plist": [entry(s, 1) for s in STEMS],
    "empty.plist": [],
    "worked.plist": [entry("wifi", 1), entry("sleep", 0)],
    "sleep_first.plist": [entry("sleep", 1), entry("data", 0)],
    "mixed.plist": [entry("gps", 0), entry("gps", 1), entry("reboot", 0)],
}


def main():
    writer = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([writer, folder], check=True)
        for name, expected in EXPECTED.items():
            with open(Path(folder) / name, "rb") as f:
                parsed = plistlib.load(f, fmt=plistlib.FMT_XML)
            if parsed != expected:
                failures += 1
                print(f"FAIL {name}: {parsed!r} != {expected!r}")
            else:
                print(f"ok   {name}: {len(parsed)} entries")
    print(f"{len(EXPECTED) - failures} passed, {failures} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
