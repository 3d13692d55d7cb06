#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the game's probes and the floor's, interleaved, and prints medians, ranges and ratios.

    compare.py <folder with game_probe and floor_probe> [--rounds N] [--clicks N] [--idle S]

It needs an X display (DISPLAY); bench/run.sh starts Xvfb for it."""
import argparse
import os
import statistics
import subprocess
import sys
import time


def probe(folder, name, *args):
    env = dict(os.environ, QUILORA_BENCH_START=str(int(time.clock_gettime(time.CLOCK_MONOTONIC) * 1e6)))
    out = subprocess.run([os.path.join(folder, name), *args], env=env, capture_output=True,
                         text=True, timeout=120, check=True).stdout
    values = {}
    for line in out.split():
        key, _, value = line.partition("=")
        values.setdefault(key, []).append(float(value))
    return values


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(p / 100 * len(ordered)))]


def row(label, game, floor, unit, fmt="{:.1f}"):
    ratio = statistics.median(game) / statistics.median(floor)
    print(f"| {label} | {fmt.format(statistics.median(game))} ({fmt.format(min(game))}–{fmt.format(max(game))}) "
          f"| {fmt.format(statistics.median(floor))} ({fmt.format(min(floor))}–{fmt.format(max(floor))}) "
          f"| {ratio:.2f} | {unit} |")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--rounds", type=int, default=31)
    parser.add_argument("--clicks", type=int, default=400)
    parser.add_argument("--click-runs", type=int, default=5)
    parser.add_argument("--idle", type=int, default=10)
    parser.add_argument("--idle-runs", type=int, default=3)
    args = parser.parse_args()

    frames = {"game_probe": [], "floor_probe": []}
    memory = {"game_probe": [], "floor_probe": []}
    for name in frames:  # warm the file cache
        probe(args.folder, name, "first-frame")
    for _ in range(args.rounds):
        for name in frames:
            values = probe(args.folder, name, "first-frame")
            frames[name].append(values["first_frame_us"][0] / 1000)
            memory[name].append(values["peak_rss_kb"][0] / 1024)

    clicks = {"game_probe": [], "floor_probe": []}
    for _ in range(args.click_runs):
        for name in clicks:
            clicks[name] += [v / 1000 for v in probe(args.folder, name, "click", str(args.clicks))["click_us"]]

    idle = {"game_probe": [], "floor_probe": []}
    for _ in range(args.idle_runs):
        for name in idle:
            idle[name] += probe(args.folder, name, "idle", str(args.idle))["idle_cpu_percent"]

    print(f"{args.rounds} interleaved start-ups, {args.click_runs} x {args.clicks} clicks, "
          f"{args.idle_runs} x {args.idle} s idle each; median (min–max)\n")
    print("| measure | game | floor | game / floor | unit |")
    print("|---|---|---|---|---|")
    row("start-up to first frame", frames["game_probe"], frames["floor_probe"], "ms")
    row("peak RSS at first frame", memory["game_probe"], memory["floor_probe"], "MiB")
    for p in (50, 99):
        g = percentile(clicks["game_probe"], p)
        f = percentile(clicks["floor_probe"], p)
        print(f"| click to repainted card, p{p} | {g:.3f} | {f:.3f} | {g / f:.2f} | ms |")
    row("CPU while idle", idle["game_probe"], idle["floor_probe"], "% of one core", "{:.4f}")


if __name__ == "__main__":
    sys.exit(main())
