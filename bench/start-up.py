#!/usr/bin/env python3
"""Start-up to first frame of the program against a bare Qt Widgets window, and idle CPU.

    bench/start-up.py BUILD_DIR WORLD_NAV [--runs N] [--idle SECONDS]

Both programs run on one virtual X display (Xvfb, 240x320), alternating, with
TREVALLION_QUIT_AFTER_FIRST_FRAME set: each quits once its first window has painted. The program
runs with a fresh settings folder whose "AirportFile" names WORLD_NAV. Prints the median wall
and CPU (user + system) time of each and their ratios; then, unless --idle 0, the CPU the
program uses while idle over the given seconds: once as started, and once with the GPS reading
the shipped recording at one sentence group a second (started from Edit > GPS... with xdotool,
as a pilot would, then the dialog closed).
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(program, env):
    start = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{program} exited with status {status}: {proc.stderr.read().decode().strip()}")
    return wall, usage.ru_utime + usage.ru_stime


# Screen points (240x320, scale 1) of Edit, its "GPS..." entry, the dialog's Start and Close.
GPS_CLICKS = [(48, 307), (65, 288), (198, 60), (198, 261)]


def start_gps(display):
    for x, y in GPS_CLICKS:
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"],
                       env=dict(os.environ, DISPLAY=display), check=True)
        time.sleep(1.5)


def idle_cpu(program, env, seconds, gps=False):
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(5)  # start-up done
    if gps:
        threads = len(os.listdir(f"/proc/{proc.pid}/task"))
        start_gps(env["DISPLAY"])
        time.sleep(2)
        # The receiver reads on a thread of its own: no new thread, no GPS running.
        if len(os.listdir(f"/proc/{proc.pid}/task")) <= threads:
            proc.terminate()
            sys.exit("the GPS did not start (the dialog's layout changed?)")
    ticks = os.sysconf("SC_CLK_TCK")

    def cpu():
        with open(f"/proc/{proc.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / ticks

    before = cpu()
    time.sleep(seconds)
    used = cpu() - before
    proc.terminate()
    proc.wait()
    return 100.0 * used / seconds


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("world")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--idle", type=int, default=60)
    args = parser.parse_args()
    program = os.path.join(args.build, "bin", "trevallion")
    bare = os.path.join(args.build, "bench", "bench_bare_window")
    recording = os.path.join(args.build, "share", "trevallion", "gps", "circuit.nmea")

    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, "config", "Orvenda Technologies")
        os.makedirs(config)
        with open(os.path.join(config, "Trevallion.ini"), "w") as ini:
            ini.write(f"[Settings]\nAirportFile={os.path.abspath(args.world)}\n"
                      f"GPSSource=replay\nGPSReplayFile={os.path.abspath(recording)}\n")
        display = ":97"
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "240x320x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DOCUMENTS_DIR=os.path.join(home, "Documents"),
                   TREVALLION_SCREEN="240x320")
        probe = dict(env, TREVALLION_QUIT_AFTER_FIRST_FRAME="1")
        try:
            times = {program: [], bare: []}
            run_once(program, probe)  # the first start fills the file cache
            for _ in range(args.runs):
                for exe in (bare, program):
                    times[exe].append(run_once(exe, probe))
            medians = {exe: (statistics.median(t[0] for t in runs),
                             statistics.median(t[1] for t in runs))
                       for exe, runs in times.items()}
            for exe, (wall, cpu) in medians.items():
                print(f"{os.path.basename(exe)}: first frame {wall * 1000:.0f} ms wall, "
                      f"{cpu * 1000:.0f} ms CPU (median of {args.runs})")
            print(f"ratio: wall {medians[program][0] / medians[bare][0]:.2f}x, "
                  f"CPU {medians[program][1] / medians[bare][1]:.2f}x")
            if args.idle > 0:
                print(f"idle CPU over {args.idle} s: {idle_cpu(program, env, args.idle):.2f} % "
                      "of one core")
                print(f"idle CPU over {args.idle} s, GPS replay at 1 Hz: "
                      f"{idle_cpu(program, env, args.idle, gps=True):.2f} % of one core")
        finally:
            xvfb.terminate()
            xvfb.wait()


if __name__ == "__main__":
    main()
