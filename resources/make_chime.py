#!/usr/bin/env python3
"""Makes the built-in signal sound SOUND_DEF of Horalto: a soft bell chime.

Usage: make_chime.py OUTPUT_DIR

Only the standard library is used. The chime is a struck bell: a fundamental
of 659.3 Hz (E5) with the inharmonic partials of a small bell, each with its own
exponential decay, a 4 ms attack and a short fade at the end so the sound ends
in silence. 22050 Hz, 16-bit mono PCM, 1.4 seconds, peak at -3 dB. The output
is the same on every run.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
SECONDS = 1.4
FUNDAMENTAL = 659.3

# (frequency ratio, amplitude, decay time constant in seconds)
PARTIALS = [
    (0.50, 0.20, 0.90),  # hum
    (1.00, 1.00, 0.55),  # strike tone
    (1.19, 0.35, 0.40),  # minor third
    (1.50, 0.25, 0.30),  # fifth
    (2.00, 0.30, 0.25),  # nominal
    (2.74, 0.12, 0.12),
    (3.76, 0.06, 0.08),
]


def samples():
    count = int(RATE * SECONDS)
    attack = int(RATE * 0.004)
    fade = int(RATE * 0.15)
    out = []
    for n in range(count):
        t = n / RATE
        v = 0.0
        for ratio, amp, tau in PARTIALS:
            v += amp * math.exp(-t / tau) * math.sin(2 * math.pi * FUNDAMENTAL * ratio * t)
        if n < attack:
            v *= n / attack
        if n >= count - fade:
            v *= (count - n) / fade
        out.append(v)
    return out


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    values = samples()
    peak = max(abs(v) for v in values) or 1.0
    scale = 32767 * 10 ** (-3 / 20) / peak
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in values)
    path = os.path.join(folder, "sound_def.wav")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


if __name__ == "__main__":
    main()
