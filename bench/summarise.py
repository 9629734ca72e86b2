#!/usr/bin/env python3
"""Turns the raw figures of one bench run into the table of docs/performance.md.

Inputs: the harness lines (startup/generate), Google Benchmark's JSON and a
key=value file of sizes and imports. Medians and ratios only: a single
absolute time is never a verdict.
"""

import argparse
import json
import statistics
import sys

# The DLLs that every Windows since 7 ships in its system folder.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll",
    "shell32.dll", "ole32.dll", "oleaut32.dll", "comdlg32.dll", "shlwapi.dll",
    "uxtheme.dll", "version.dll", "msvcrt.dll", "ntdll.dll",
}

STARTUP_GOAL = 1.10
GENERATE_GOAL = 1.25
SIZE_GOAL_BYTES = 100 * 1024
WORKING_SET_GOAL = 1.20
FLAT_GOAL = 1.5


def quartiles(values):
    if len(values) < 2:
        return values[0], values[0]
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]


def read_harness(path):
    startup, generate = {}, {}
    for line in open(path, encoding="ascii"):
        fields = line.split()
        if not fields:
            continue
        program, round_ = int(fields[1]), int(fields[2])
        if fields[0] == "startup":
            startup[(program, round_)] = (float(fields[3]), int(fields[4]))
        elif fields[0] == "generate":
            generate[(program, round_)] = (float(fields[3]), int(fields[4]), fields[5] == "1")
    return startup, generate


def paired(samples, a, b, pick):
    """Per-round ratios a/b over the rounds both programs completed."""
    rounds = sorted({r for (p, r) in samples if p == a} & {r for (p, r) in samples if p == b})
    return [pick(samples[(a, r)]) / pick(samples[(b, r)]) for r in rounds]


def column(samples, program, pick):
    return [pick(v) for (p, _), v in sorted(samples.items()) if p == program]


def ms(values):
    low, high = quartiles(values)
    return f"{statistics.median(values):.1f} ms ({low:.1f}-{high:.1f})"


def verdict(held):
    return "held" if held else "NOT held"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--harness", required=True)
    parser.add_argument("--micro", required=True)
    parser.add_argument("--footprint", required=True)
    args = parser.parse_args()

    startup, generate = read_harness(args.harness)
    footprint = dict(line.rstrip("\n").split("=", 1) for line in open(args.footprint) if "=" in line)
    micro = json.load(open(args.micro))
    document_bytes = int(footprint["document_bytes"])

    rows = []  # (measure, program, floor or scale, ratio, goal, verdict)
    goals = []

    # 1. Start-up: programs 0 Quorrith, 1 floor, 2 empty window.
    first = lambda v: v[0]
    startup_ratios = paired(startup, 0, 1, first)
    startup_ratio = statistics.median(startup_ratios)
    held = startup_ratio <= STARTUP_GOAL
    goals.append(("start-up", held))
    rows.append((f"Start-up to shown and idle, {len(startup_ratios)} pairs",
                 ms(column(startup, 0, first)), ms(column(startup, 1, first)),
                 f"{startup_ratio:.3f}", f"<= {STARTUP_GOAL:.2f}", verdict(held)))
    empty_ratio = statistics.median(paired(startup, 0, 2, first))
    rows.append(("Start-up, empty window for scale", ms(column(startup, 0, first)),
                 ms(column(startup, 2, first)) + " (empty)", f"{empty_ratio:.3f}", "none", "-"))

    # 2. Generation: programs 0 Quorrith, 1 floor.
    files_ok = all(v[1] == document_bytes and v[2] for v in generate.values())
    generate_ratios = paired(generate, 0, 1, first)
    generate_ratio = statistics.median(generate_ratios)
    held = generate_ratio <= GENERATE_GOAL
    goals.append(("generation", held))
    rows.append((f"Click to message box, {len(generate_ratios)} pairs",
                 ms(column(generate, 0, first)), ms(column(generate, 1, first)),
                 f"{generate_ratio:.3f}", f"<= {GENERATE_GOAL:.2f}", verdict(held)))
    files_note = (f"every file {document_bytes} bytes, identical" if files_ok
                  else "FILES DIFFER from the start-up document")

    # 3. Footprint.
    size = int(footprint["quorrith_bytes"])
    held = size <= SIZE_GOAL_BYTES
    goals.append(("size", held))
    rows.append(("Stripped executable", f"{size:,} bytes ({size / 1024:.1f} KiB)",
                 f"floor {int(footprint['floor_bytes']):,}; empty window {int(footprint['empty_bytes']):,}",
                 f"{size / int(footprint['empty_bytes']):.1f} x empty", "<= 100 KiB", verdict(held)))
    imports = footprint["quorrith_imports"].split()
    foreign = [d for d in imports if d.lower() not in SYSTEM_DLLS]
    held = not foreign
    goals.append(("imports", held))
    rows.append(("Imported DLLs", " ".join(imports), "floor: " + footprint["floor_imports"],
                 "-", "system DLLs only", verdict(held) + (f" ({' '.join(foreign)})" if foreign else "")))
    peak = lambda v: v[1]
    ws_q, ws_f = statistics.median(column(startup, 0, peak)), statistics.median(column(startup, 1, peak))
    ws_ratio = statistics.median(paired(startup, 0, 1, peak))
    held = ws_ratio <= WORKING_SET_GOAL
    goals.append(("working set", held))
    rows.append(("Peak working set after start-up", f"{ws_q / 2**20:.2f} MiB", f"{ws_f / 2**20:.2f} MiB",
                 f"{ws_ratio:.3f}", f"<= {WORKING_SET_GOAL:.2f}", verdict(held)))

    # 4. Host micro-benchmarks (medians of the repetitions).
    per_row = {}
    for bench in micro["benchmarks"]:
        if bench.get("aggregate_name", "median") != "median" or bench.get("error_occurred"):
            continue
        name, arg = bench["run_name"].split("/")
        scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[bench["time_unit"]]
        per_row[(name, int(arg))] = bench["cpu_time"] * scale / bench["rows"]
    errors = [b["name"] for b in micro["benchmarks"] if b.get("error_occurred")]
    build = [per_row.get(("BM_BuildPlistDocument", n)) for n in (16, 1000, 100000)]
    if None in build:
        sys.exit(f"summarise: builder benchmarks missing or failed: {errors}")
    flat = build[2] / build[1]
    held = flat <= FLAT_GOAL
    goals.append(("flat cost per row", held))
    rows.append(("BuildPlistDocument, ns per row", f"16: {build[0]:.1f}; 1,000: {build[1]:.1f}; 100,000: {build[2]:.1f}",
                 "-", f"{flat:.3f} (100,000 / 1,000)", f"<= {FLAT_GOAL:.1f}", verdict(held)))
    move = per_row.get(("BM_MoveSelectionUp", 10000))
    move_small = per_row.get(("BM_MoveSelectionUp", 1000))
    if move is None:
        sys.exit(f"summarise: move benchmark missing or failed: {errors}")
    rows.append(("MoveSelectionUp of 10,000 selected rows", f"{move:.1f} ns per row ({move * 10000 / 1e6:.1f} ms)",
                 f"1,000 rows: {move_small:.1f} ns per row" if move_small else "-",
                 f"{move / move_small:.2f} (10,000 / 1,000)" if move_small else "-", "none", "-"))

    header = ("Measure", "Quorrith", "Floor / scale", "Ratio", "Goal", "This run")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    print(f"Generated files: {files_note}.")
    print("Goals: " + ", ".join(f"{name} {verdict(held)}" for name, held in goals))
    return 0 if files_ok else 1


if __name__ == "__main__":
    sys.exit(main())
