#!/usr/bin/env python3
"""Writes res/sounds/alarm.wav: the timers' default sound at 0:00.

Two short two-tone beeps (880 Hz and 1320 Hz), 16-bit mono PCM at 22050 Hz, 0.8 s, with
soft edges so that they do not click. Made here from sine waves, so the program owns it outright.
Run it again after changing the tones; the output is reproducible.
"""
import math
import struct
import sys
import wave

RATE = 22050
VOLUME = 0.6
BEEP = 0.15    # seconds of one beep
GAP = 0.05     # seconds of silence after it
TONES = (880.0, 1320.0)
FADE = 0.01    # seconds of fade in and out


def beep(frequency):
    count = int(BEEP * RATE)
    fade = int(FADE * RATE)
    samples = []
    for i in range(count):
        edge = min(1.0, i / fade, (count - 1 - i) / fade)
        value = VOLUME * edge * math.sin(2 * math.pi * frequency * i / RATE)
        samples.append(int(round(value * 32767)))
    return samples + [0] * int(GAP * RATE)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "res/sounds/alarm.wav"
    samples = []
    for _ in range(2):
        for tone in TONES:
            samples += beep(tone)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


if __name__ == "__main__":
    main()
