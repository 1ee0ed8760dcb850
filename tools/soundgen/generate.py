#!/usr/bin/env python3
"""Generates the sample sounds of ぽこみ and the Sound.ini that lists them.

    python3 tools/soundgen/generate.py            # writes dat/sounds/*.wav and dat/Sound.ini
    python3 tools/soundgen/generate.py --check    # also prints a level report of each file

The files are 16-bit PCM mono WAV at 22050 Hz, each under 1.5 s, peaking at
-3 dBFS. Sound.ini names them relative to the program folder (dat\\sounds\\...),
in CR LF lines. Python 3 standard library only; the output is the same on every
run and is committed; the build does not run this.
"""
import argparse
import cmath
import math
import os
import struct
import sys
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)

import motifs  # noqa: E402
from synth import HIGHEST_PARTIAL, RATE, finish  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
DAT = os.path.join(ROOT, "dat")
SOUNDS = os.path.join(DAT, "sounds")
MAX_SECONDS = 1.5


def write_wave(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def sound_ini():
    lines = []
    for event in motifs.EVENTS:
        lines.append("[%s]" % event)
        lines += ["dat\\sounds\\" + name for name, section, _ in motifs.SOUNDS if section == event]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def _fft(x):
    n = len(x)
    if n == 1:
        return x
    even, odd = _fft(x[0::2]), _fft(x[1::2])
    turned = [cmath.exp(-2j * math.pi * k / n) * odd[k] for k in range(n // 2)]
    return [even[k] + turned[k] for k in range(n // 2)] + [even[k] - turned[k] for k in range(n // 2)]


def click_level(samples, size=256):
    """Loudest energy above the highest partial (plus a margin for the window's
    spread) in any Hann window of the file, in dB below a full-scale sine. The
    motifs put nothing there, so a click or a cut-off tone shows up here."""
    window = [0.5 - 0.5 * math.cos(2 * math.pi * i / size) for i in range(size)]
    first_bin = int((HIGHEST_PARTIAL + 1000.0) * size / RATE)
    loudest = 1e-12
    for start in range(0, len(samples), size // 2):
        frame = list(samples[start:start + size]) + [0] * max(0, start + size - len(samples))
        spectrum = _fft([frame[i] * window[i] for i in range(size)])
        energy = sum(abs(spectrum[k]) ** 2 for k in range(first_bin, size // 2))
        loudest = max(loudest, energy)
    full_scale = (32768 * size / 4) ** 2  # a full-scale sine's bin in a Hann window
    return 10 * math.log10(loudest / full_scale)


def report(path):
    """Format, length and levels of a WAV file; returns (text, problems)."""
    with wave.open(path, "rb") as f:
        channels, width, rate, frames = f.getnchannels(), f.getsampwidth(), f.getframerate(), f.getnframes()
        data = f.readframes(frames)
    samples = struct.unpack("<%dh" % frames, data)
    peak = max(abs(s) for s in samples)
    rms = math.sqrt(sum(s * s for s in samples) / frames)
    clipped = sum(1 for s in samples if abs(s) >= 32767)
    clicks = click_level(samples)
    seconds = frames / rate
    db = lambda v: 20 * math.log10(v / 32768) if v else float("-inf")  # noqa: E731
    text = "%-16s %4.2f s  peak %5.1f dBFS  rms %5.1f dBFS  ends %d/%d  above %d Hz %4.0f dB  clipped %d" % (
        os.path.basename(path), seconds, db(peak), db(rms), samples[0], samples[-1], HIGHEST_PARTIAL + 1000,
        clicks, clipped)
    problems = []
    if (channels, width, rate) != (1, 2, RATE):
        problems.append("not 16-bit mono %d Hz" % RATE)
    if seconds >= MAX_SECONDS:
        problems.append("longer than %.1f s" % MAX_SECONDS)
    if clipped:
        problems.append("clipped")
    if abs(db(peak) + 3.0) > 0.5:
        problems.append("peak not near -3 dBFS")
    if samples[0] != 0 or samples[-1] != 0:
        problems.append("starts or ends away from zero")
    if clicks > -85.0:
        problems.append("clicks")
    return text, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="print a level report of each file")
    args = parser.parse_args()

    os.makedirs(SOUNDS, exist_ok=True)
    paths = []
    for name, _, make in motifs.SOUNDS:
        path = os.path.join(SOUNDS, name)
        write_wave(path, finish(make()))
        paths.append(path)
    with open(os.path.join(DAT, "Sound.ini"), "wb") as out:
        out.write(sound_ini())

    failed = False
    for path in paths:
        text, problems = report(path)
        failed = failed or bool(problems)
        if args.check or problems:
            print(text + ("  <- " + ", ".join(problems) if problems else ""))
    print("wrote %d sounds to %s and %s" % (len(paths), os.path.relpath(SOUNDS, ROOT), "dat/Sound.ini"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
