#!/usr/bin/env python3
"""The .nav builder against Python's csv module reading the same four OurAirports files.

    bench/nav-build.py TREVALLION_DATA OURAIRPORTS_DIR [--runs N] [--reference FILE]
                       [--description TEXT] [--valid-until YYYY-MM-DD] [--zones-on YYYY-MM-DD]

Runs `TREVALLION_DATA nav build` on the four CSV files of OURAIRPORTS_DIR (as the build makes
world.nav) and a Python process that only reads every record of the same files with the csv
module, alternating, N times each (11 unless given). Prints for each the median wall time, CPU
time (user + system) and peak resident memory of the whole process, the time the Python reader
measures itself for its reading alone, and the ratios. With --reference, the built file (with
the description and dates given, as the build passes them) must equal FILE byte for byte.
"""
import argparse
import filecmp
import os
import statistics
import subprocess
import sys
import tempfile
import time

FILES = ["airports.csv", "runways.csv", "airport-frequencies.csv", "navaids.csv"]

# The reader prints its own reading time (after its start-up) on standard output.
PYTHON_READER = """
import csv, os, sys, time
start = time.perf_counter()
records = 0
for name in %r:
    with open(os.path.join(sys.argv[1], name), newline="", encoding="utf-8") as f:
        for _ in csv.reader(f):
            records += 1
print(records, time.perf_counter() - start)
""" % (FILES,)


def run(command):
    """Wall seconds, CPU seconds, peak resident kB and standard output of one run."""
    start = time.perf_counter()
    proc = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out = proc.stdout.read()
    err = proc.stderr.read()
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command[0]} exited with status {status}: {err.decode().strip()}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, out.decode()


def summary(name, runs):
    wall = statistics.median(r[0] for r in runs)
    cpu = statistics.median(r[1] for r in runs)
    peak = max(r[2] for r in runs)
    print(f"{name:<28} wall {wall * 1000:7.1f} ms  CPU {cpu * 1000:7.1f} ms  "
          f"peak {peak / 1024:5.1f} MiB")
    return wall, cpu


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("data_tool")
    parser.add_argument("ourairports")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--reference")
    parser.add_argument("--description", default="OurAirports World")
    parser.add_argument("--valid-until", default="2027-12-08")
    parser.add_argument("--zones-on")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "world.nav")
        build = [args.data_tool, "nav", "build", target, "--from", args.ourairports,
                 "--description", args.description, "--valid-until", args.valid_until]
        if args.zones_on:
            build += ["--zones-on", args.zones_on]
        read = [sys.executable, "-c", PYTHON_READER, args.ourairports]
        builder, reader = [], []
        for _ in range(args.runs):
            builder.append(run(build))
            reader.append(run(read))
        if args.reference and not filecmp.cmp(target, args.reference, shallow=False):
            sys.exit(f"the built file differs from {args.reference}")
    print(f"== {args.runs} runs each, alternating; load {os.getloadavg()[0]:.2f}")
    build_wall, build_cpu = summary("nav build", builder)
    read_wall, read_cpu = summary("Python csv read (process)", reader)
    own = statistics.median(float(r[3].split()[1]) for r in reader)
    print(f"{'Python csv read (reading)':<28} wall {own * 1000:7.1f} ms")
    print(f"nav build / Python process: {build_wall / read_wall:.2f}x wall, "
          f"{build_cpu / read_cpu:.2f}x CPU; / Python reading: {build_wall / own:.2f}x wall")


if __name__ == "__main__":
    main()
