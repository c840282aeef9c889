#!/usr/bin/env python3
"""Start-up to first frame of the program against a bare Qt Widgets window, and idle CPU.

    bench/start-up.py BUILD_DIR WORLD_NAV [--runs N] [--idle SECONDS]

Both programs run on one virtual X display (Xvfb, 240x320), alternating, with
TREVALLION_QUIT_AFTER_FIRST_FRAME set: each quits once its first window has painted. The program
runs with a fresh settings folder whose "AirportFile" names WORLD_NAV. Prints the median wall
and CPU (user + system) time of each and their ratios; then, unless --idle 0, the CPU the
program uses while idle over the given seconds: once as started, and once with the GPS reading
the shipped recording at one sentence group a second (started from Edit > GPS... with xdotool,
as a pilot would, then the dialog closed); then with gpsd (gpsfake playing a log), NMEA over
UDP and GDL90 over UDP, each at one fix a second from a sender on the loopback interface.
"""
import argparse
import functools
import os
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
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


def nmea(body):
    return "$%s*%02X\r\n" % (body, functools.reduce(lambda a, c: a ^ ord(c), body, 0))


def gdl90_frame(message):
    """A GDL90 frame: the message, its check sequence (least significant byte first), stuffing."""
    table = []
    for i in range(256):
        crc = i << 8
        for _ in range(8):
            crc = ((crc << 1) ^ (0x1021 if crc & 0x8000 else 0)) & 0xFFFF
        table.append(crc)
    crc = 0
    for byte in message:
        crc = (table[crc >> 8] ^ (crc << 8) ^ byte) & 0xFFFF
    body = bytes(message) + bytes([crc & 0xFF, crc >> 8])
    stuffed = bytearray()
    for byte in body:
        if byte in (0x7E, 0x7D):
            stuffed += bytes([0x7D, byte ^ 0x20])
        else:
            stuffed.append(byte)
    return b"\x7e" + bytes(stuffed) + b"\x7e"


def gdl90_second(second):
    """A heartbeat (GPS valid) and an ownship report at 52.45 N 1.75 W, 90 kt, track 240."""
    stamp = 36000 + second
    heartbeat = [0, 0x81, ((stamp >> 16) << 7 & 0x80) | 0x01, stamp & 0xFF, (stamp >> 8) & 0xFF, 0, 0]
    lat = int(52.45 / (180 / 2 ** 23)) & 0xFFFFFF
    lon = int(-1.75 / (180 / 2 ** 23)) & 0xFFFFFF
    altitude = (1500 + 1000) // 25
    ownship = [10, 0, 0, 0, 0, lat >> 16, (lat >> 8) & 0xFF, lat & 0xFF, lon >> 16,
               (lon >> 8) & 0xFF, lon & 0xFF, altitude >> 4, ((altitude & 0xF) << 4) | 0x9, 0x99,
               90 >> 4, (90 & 0xF) << 4, 0, int(240 * 256 / 360), 1] + [0x20] * 8 + [0]
    return gdl90_frame(heartbeat) + gdl90_frame(ownship)


def udp_sender(port, datagram_of_second, stop):
    """Sends one datagram a second to the port on the loopback interface until stopped."""
    sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    second = 0
    while not stop.wait(1.0):
        sender.sendto(datagram_of_second(second), ("127.0.0.1", port))
        second += 1


def nmea_second(second):
    stamp = "10%02d%02d.00" % (second // 60 % 60, second % 60)
    return (nmea(f"GPRMC,{stamp},A,5226.9118,N,00144.7532,W,90.0,240.0,091226,1.2,W,A") +
            nmea(f"GPGGA,{stamp},5226.9118,N,00144.7532,W,1,08,0.9,450.0,M,47.0,M,,")).encode()


def source_cpu(program, env, seconds, source, home):
    """Idle CPU with the program reading the source at one fix a second; the source is started
    as the one left running at the last exit, so no clicks are needed."""
    ini = os.path.join(home, "config", "Orvenda Technologies", "Trevallion.ini")
    with open(ini) as f:
        kept = f.read()
    stop = threading.Event()
    feeder = None
    if source == "gpsd":
        log = os.path.join(home, "bench.nmea")
        with open(log, "w") as f:
            f.write("".join(nmea_second(s).decode() for s in range(600)))
        feeder = subprocess.Popen(["gpsfake", "-q", "-c", "0.5", "-P", "29471", log],
                                  env=dict(os.environ, PATH=os.environ["PATH"] + ":/usr/sbin"),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        source_text = "gpsd:127.0.0.1:29471"
        time.sleep(3)
    else:
        port = 29472 if source == "udp" else 29473
        source_text = f"{source}:127.0.0.1:{port}"
        maker = nmea_second if source == "udp" else gdl90_second
        threading.Thread(target=udp_sender, args=(port, maker, stop), daemon=True).start()
    with open(ini, "a") as f:
        f.write(f"GPSRunning={source_text}\n")
    try:
        return idle_cpu(program, env, seconds)
    finally:
        stop.set()
        if feeder:
            feeder.terminate()
            feeder.wait()
        with open(ini, "w") as f:
            f.write(kept)


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
                for source in ("gpsd", "udp", "gdl90"):
                    print(f"idle CPU over {args.idle} s, {source} at 1 fix a second: "
                          f"{source_cpu(program, env, args.idle, source, home):.2f} % of one core")
        finally:
            xvfb.terminate()
            xvfb.wait()


if __name__ == "__main__":
    main()
