#!/usr/bin/env python3
"""Prints the benchmark results of one run (Google Benchmark's JSON) as a
Markdown table: each entry's time, and its ratio to the baseline of the same
run that it is held against, with the target it must meet."""

import json
import re
import sys


def baseline_and_target(name):
    """The baseline a benchmark is compared with and the largest ratio allowed."""
    if name == "CheckCall":
        return "ReadReferenceLines", 2.5
    if re.fullmatch(r"GetResult/qsos:\d+/bands:\d+", name):
        return "GetResultEmptyLog", 2.0
    if name == "Contest/qsos:10000/pattern:2":
        return "Contest/qsos:10000/pattern:3", 1.3
    if name.startswith("VelmoraScore/"):
        return "ReadLogFile/iterations:3/real_time", 60
    if name.startswith("VelmoraScoreGrowth/"):
        return SCORE_100000, 12
    if name.startswith("VelmoraReport/"):
        return SCORE_100000, 3
    return None, None


SCORE_100000 = "VelmoraScore/qsos:100000/cabrillo:0/iterations:3/manual_time"


def peak_limit(name):
    """The most megabytes a run of velmora may hold at its peak."""
    if name.startswith("VelmoraScore/"):
        return 100
    if name.startswith("VelmoraScoreGrowth/"):
        return 600
    return None


def velmora_row(b, wall, base, base_wall, target):
    """A run of the velmora program: its own CPU time and peak memory are
    counters (the benchmark's thread only waits); the ratio is of wall times."""
    cpu = b["velmora_cpu_s"] * 1e9
    peak = b["velmora_peak_MB"]
    ratio = verdict = ""
    if base_wall:
        r = wall / base_wall
        ratio = f"{r:.1f} (wall)"
        verdict = f"≤ {target} {'met' if r <= target else 'missed'}"
    limit = peak_limit(b["name"])
    memory = f"< {limit} MB {'met' if peak < limit else 'missed'} " if limit else ""
    verdict += f"; {memory}({peak:.0f} MB peak)"
    short = base.split("/iterations")[0] if base else ""
    return f"| {b['name']} | {shown(wall)} | {shown(cpu)} | {short} | {ratio} | {verdict} |"


def shown(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def main(path):
    with open(path) as f:
        run = json.load(f)
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
    rows = [b for b in run["benchmarks"] if b.get("run_type", "iteration") == "iteration"]
    cpu = {b["name"]: b["cpu_time"] * scale[b["time_unit"]] for b in rows}
    wall_of = {b["name"]: b["real_time"] * scale[b["time_unit"]] for b in rows}
    ctx = run["context"]
    print(f"{ctx['date']}, {ctx['num_cpus']} CPUs at {ctx['mhz_per_cpu']} MHz, "
          f"load average {', '.join(f'{x:.2f}' for x in ctx.get('load_avg', []))}\n")
    print("| Benchmark | Wall time | CPU time | Baseline (CPU) | Ratio | Target |")
    print("|---|---:|---:|---|---:|---|")
    for b in rows:
        name = b["name"]
        wall = b["real_time"] * scale[b["time_unit"]]
        base, target = baseline_and_target(name)
        if "velmora_cpu_s" in b:
            print(velmora_row(b, wall, base, wall_of.get(base), target))
            continue
        ratio = verdict = ""
        if base in cpu:
            r = cpu[name] / cpu[base]
            ratio = f"{r:.2f}"
            verdict = f"≤ {target} {'met' if r <= target else 'missed'}"
        elif name == "Report/qsos:10000":
            # CPU time: on the shared machine the wall time mostly measures
            # the other users.
            size = b.get("page_bytes", 0)
            verdict = (f"< 3 s (CPU) {'met' if cpu[name] < 3e9 else 'missed'}; page "
                       f"{size / 1e3:.0f} kB, < 1 MB {'met' if 0 < size < 1e6 else 'missed'}")
        error = " (error: " + b["error_message"] + ")" if b.get("error_occurred") else ""
        print(f"| {name}{error} | {shown(wall)} | {shown(cpu[name])} | {base or ''} | {ratio} | {verdict} |")


if __name__ == "__main__":
    main(sys.argv[1])
