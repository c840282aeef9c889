#!/usr/bin/env python3
"""Writes res/gps/circuit.nmea: a short recorded flight for the GPS replay source.

One GGA and one RMC sentence a second: a few seconds without a fix, standing, taxiing, the
take-off roll (ground speed 38, 40, 41, ... knots), a left-hand circuit at 80-90 knots up to
1000 ft, the landing roll (..., 41, 40, 39 knots) and taxiing back. Run it again after changing
the flight; the output is reproducible.
"""
import math
import sys

START = (10, 5, 0)           # UTC hh, mm, ss
DATE = "200326"              # ddmmyy
ORIGIN = (52.4500, -1.7417)  # runway threshold, degrees (north, east positive)
FIELD_ELEVATION = 100.0      # metres

def checksum(body):
    c = 0
    for ch in body:
        c ^= ord(ch)
    return "%02X" % c

def sentence(body):
    return "$%s*%s\r\n" % (body, checksum(body))

def ddmm(value, positive, negative, width):
    hemi = positive if value >= 0 else negative
    value = abs(value)
    deg = int(value)
    minutes = (value - deg) * 60
    return ("%0" + str(width) + "d%07.4f") % (deg, minutes), hemi

# (seconds, speed in knots at the end, course, climb in metres per second)
SEGMENTS = [
    (5, None, 0, 0),      # no fix yet
    (20, 0, 270, 0),      # standing
    (40, 10, 270, 0),     # taxi to the runway
    (10, 0, 240, 0),      # holding point
]

def flight():
    t = 0
    lat, lon = ORIGIN
    alt = FIELD_ELEVATION
    speed = 0.0
    rows = []
    def step(spd, course, climb, valid=True):
        nonlocal t, lat, lon, alt
        metres = spd * 1852 / 3600
        lat += metres * math.cos(math.radians(course)) / 111320
        lon += metres * math.sin(math.radians(course)) / (111320 * math.cos(math.radians(lat)))
        alt += climb
        rows.append((t, valid, spd, course, lat, lon, alt))
        t += 1
    for _ in range(5):
        step(0, 0, 0, valid=False)
    for _ in range(15):
        step(0, 240, 0)
    for s in [2, 4, 6, 8, 10] + [10] * 20 + [8, 6, 4, 2, 0]:
        step(s, 240, 0)
    for _ in range(5):
        step(0, 240, 0)
    # Take-off roll on runway 24: 38, 40, 41 knots on consecutive seconds, then airborne.
    for s in [4, 9, 14, 19, 24, 29, 34, 38, 40, 41, 45, 50, 55, 60, 65]:
        step(s, 240, 0)
    for _ in range(60):
        step(75, 240, 2.5)     # climb out to about 1000 ft above the field
    for c in range(240, 150, -15):
        step(80, c, 0.5)       # left turn onto crosswind
    for _ in range(40):
        step(90, 150, 0)
    for c in range(150, 60, -15):
        step(90, c, 0)         # downwind
    for _ in range(70):
        step(90, 60, 0)
    for c in range(60, -30, -15):
        step(80, c % 360, -1.0)  # base
    for _ in range(30):
        step(75, 330, -1.5)
    for c in range(330, 240, -15):
        step(70, c, -1.5)      # final
    descent = (alt - FIELD_ELEVATION) / 60
    for _ in range(60):
        step(65, 240, -descent)
    alt = FIELD_ELEVATION
    # Landing roll: 41, 40, 39 knots on consecutive seconds.
    for s in [60, 55, 50, 45, 41, 40, 39, 35, 30, 25, 20, 15, 10]:
        step(s, 240, 0)
    for _ in range(30):
        step(10, 60, 0)        # taxi back
    for s in [8, 6, 4, 2, 0, 0, 0, 0, 0, 0]:
        step(s, 60, 0)
    return rows

def main(path):
    out = []
    h, m, s = START
    for (t, valid, spd, course, lat, lon, alt) in flight():
        secs = h * 3600 + m * 60 + s + t
        stamp = "%02d%02d%02d.00" % (secs // 3600, secs // 60 % 60, secs % 60)
        la, ns = ddmm(lat, "N", "S", 2)
        lo, ew = ddmm(lon, "E", "W", 3)
        if not valid:
            out.append(sentence("GPGGA,%s,,,,,0,00,99.9,,M,,M,," % stamp))
            out.append(sentence("GPRMC,%s,V,,,,,,,%s,,,N" % (stamp, DATE)))
            continue
        out.append(sentence("GPGGA,%s,%s,%s,%s,%s,1,08,0.9,%.1f,M,47.0,M,,"
                            % (stamp, la, ns, lo, ew, alt)))
        out.append(sentence("GPRMC,%s,A,%s,%s,%s,%s,%.1f,%.1f,%s,1.2,W,A"
                            % (stamp, la, ns, lo, ew, spd, course % 360, DATE)))
    with open(path, "w", newline="") as f:
        f.writelines(out)

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/gps/circuit.nmea")
