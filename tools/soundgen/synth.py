"""Small additive synthesiser: struck tones and glides from sine partials.

Every sound is a list of floats at RATE samples per second. Tones start with a
raised-cosine attack and decay exponentially; the finished mix is faded to
exactly zero and scaled to a fixed peak, so no sound starts or ends with a click.
"""
import math

RATE = 22050
PEAK_DBFS = -3.0
ATTACK = 0.008  # seconds
RELEASE = 0.030  # seconds, at the end of every tone
FADE_OUT = 0.040  # seconds, at the end of every file
HIGHEST_PARTIAL = 8000.0  # Hz; above it the files stay empty, so a click there shows

TWO_PI = 2.0 * math.pi


def note(name):
    """Frequency of a note name such as "C5", "F#4" or "Bb6" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        steps, rest = steps + 1, rest[1:]
    elif rest.startswith("b"):
        steps, rest = steps - 1, rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((steps + 12 * (octave - 4)) / 12.0)


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def _ramp(k, length):
    """Raised cosine from 0 (k = 0) to 1 (k = length)."""
    return 0.5 - 0.5 * math.cos(math.pi * min(k, length) / length)


def _shape_ends(samples, attack_samples, release_samples):
    n = len(samples)
    for i in range(min(n, attack_samples)):
        samples[i] *= _ramp(i, attack_samples)
    for k in range(min(n, release_samples)):
        samples[n - 1 - k] *= _ramp(k, release_samples)
    return samples


def tone(freq, seconds, partials, attack=ATTACK):
    """A struck tone that dies away to silence by its end.
    partials: (ratio to freq, amplitude, decay time in seconds)."""
    n = int(round(seconds * RATE))
    out = [0.0] * n
    for ratio, amp, decay in partials:
        f = freq * ratio
        if f > HIGHEST_PARTIAL:
            continue
        step = TWO_PI * f / RATE
        fall = math.exp(-1.0 / (decay * RATE))
        level = amp
        for i in range(n):
            out[i] += level * math.sin(step * i)
            level *= fall
    return _shape_ends(out, max(1, int(attack * RATE)), int(RELEASE * RATE))


def glide(start, end, seconds, partials, swell=0.5, tail=0.0):
    """A pitch sweep from start to end Hz (exponential in pitch) under a smooth
    swell; swell is the fraction of the sweep spent rising. After the sweep the
    end pitch rings on for `tail` seconds with an exponential decay."""
    sweep = int(round(seconds * RATE))
    ring = int(round(tail * RATE))
    out = []
    phase = 0.0
    peak_at = max(1, int(sweep * swell))
    for i in range(sweep + ring):
        if i < sweep:
            freq = start * (end / start) ** (i / sweep)
            if i < peak_at:
                env = math.sin(0.5 * math.pi * i / peak_at) ** 2
            else:
                env = 1.0 if ring else math.cos(0.5 * math.pi * (i - peak_at) / (sweep - peak_at)) ** 2
        else:
            freq = end
            env = math.exp(-(i - sweep) / (0.25 * ring)) if ring else 0.0
        phase += TWO_PI * freq / RATE
        out.append(env * sum(amp * math.sin(ratio * phase) for ratio, amp in partials))
    return _shape_ends(out, 1, int(RELEASE * RATE))


def mix(length_seconds, *placed):
    """Adds sounds into one buffer. placed: (start time in seconds, samples, gain)."""
    out = silence(length_seconds)
    for start, samples, gain in placed:
        offset = int(round(start * RATE))
        for i, value in enumerate(samples):
            if offset + i >= len(out):
                break
            out[offset + i] += gain * value
    return out


def finish(samples):
    """Fades the end to zero and scales the peak to PEAK_DBFS; returns 16-bit ints."""
    out = _shape_ends(list(samples), 1, int(FADE_OUT * RATE))
    peak = max(abs(v) for v in out) or 1.0
    scale = 32767.0 * 10.0 ** (PEAK_DBFS / 20.0) / peak
    return [int(round(v * scale)) for v in out]
