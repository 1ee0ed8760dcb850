"""The sample sounds: one short motif per program event, and an alarm tune."""
from synth import glide, mix, note, tone

# Timbres: (ratio, amplitude, decay seconds) per partial.
CHIME = [(1.0, 1.0, 0.45), (2.0, 0.35, 0.25), (3.0, 0.12, 0.15), (4.0, 0.05, 0.10)]
SOFT = [(1.0, 1.0, 0.40), (2.0, 0.15, 0.20), (3.0, 0.04, 0.10)]
BELL = [(0.5, 0.35, 0.90), (1.0, 1.0, 0.60), (1.19, 0.45, 0.40), (1.5, 0.30, 0.35),
        (2.0, 0.40, 0.30), (2.52, 0.20, 0.20), (3.0, 0.12, 0.15), (4.07, 0.06, 0.10)]
GLASS = [(1.0, 1.0, 0.18), (2.76, 0.25, 0.08), (5.4, 0.08, 0.05)]
MARIMBA = [(1.0, 1.0, 0.30), (3.93, 0.30, 0.06), (9.2, 0.06, 0.03)]
BEEP = [(1.0, 1.0, 0.20), (2.0, 0.25, 0.12), (3.0, 0.10, 0.08)]
BLIP = [(1.0, 1.0), (2.0, 0.25), (3.0, 0.08)]
AIR = [(1.0, 1.0), (1.5, 0.30), (2.0, 0.20), (3.0, 0.06)]


def _notes(length, timbre, seconds, *events):
    """events: (start time, note name, gain)."""
    return mix(length, *[(start, tone(note(name), seconds, timbre), gain) for start, name, gain in events])


def boot():
    # A rising three-note greeting, the last note held a little longer.
    return _notes(1.25, CHIME, 0.9, (0.00, "C5", 0.8), (0.16, "E5", 0.8), (0.32, "G5", 1.0))


def exit_():
    # The greeting turned round: falling, slower, softer at the end.
    return _notes(1.35, CHIME, 0.95, (0.00, "G5", 1.0), (0.20, "E5", 0.85), (0.40, "C5", 0.8))


def hour():
    # One struck bell with its hum and tierce.
    return mix(1.45, (0.0, tone(note("A5"), 1.45, BELL, attack=0.004), 1.0))


def away():
    # A quick upward whoosh: a glissando under a swell.
    return mix(0.5, (0.0, glide(380.0, 1700.0, 0.42, AIR, swell=0.45), 1.0))


def alarm():
    # Two tones taking turns, twice.
    return _notes(1.2, BEEP, 0.35, (0.00, "E6", 1.0), (0.18, "C6", 1.0), (0.42, "E6", 1.0), (0.60, "C6", 1.0))


def return_home():
    # A soft fourth up, like settling back in.
    return _notes(1.1, SOFT, 0.9, (0.00, "G4", 0.8), (0.20, "C5", 1.0))


def minimize():
    # A short falling blip.
    return mix(0.3, (0.0, glide(1250.0, 560.0, 0.12, BLIP, swell=0.15, tail=0.16), 1.0))


def restore():
    # The same blip rising.
    return mix(0.3, (0.0, glide(560.0, 1250.0, 0.12, BLIP, swell=0.15, tail=0.16), 1.0))


def picture_change():
    # A sparkle: a fast glassy arpeggio running up.
    names = ["C6", "E6", "G6", "C7", "E7", "G7"]
    return _notes(0.9, GLASS, 0.45, *[(0.045 * i, name, 1.0 - 0.08 * i) for i, name in enumerate(names)])


def alarm_lunch():
    # A little marimba call for the sample lunch alarm.
    tune = [(0.00, "G5"), (0.14, "E5"), (0.28, "G5"), (0.42, "C6"), (0.70, "A5"), (0.84, "C6")]
    return _notes(1.4, MARIMBA, 0.5, *[(start, name, 1.0) for start, name in tune])


# File name, event section of Sound.ini (None: not an event sound), generator.
SOUNDS = [
    ("boot.wav", "Boot", boot),
    ("exit.wav", "Exit", exit_),
    ("time.wav", "Time", hour),
    ("away.wav", "Away", away),
    ("alarm.wav", "Alarm", alarm),
    ("return.wav", "Return", return_home),
    ("minimize.wav", "Minimize", minimize),
    ("restore.wav", "Restore", restore),
    # Shipped but not listed: a first start should not chime at every picture change.
    ("update.wav", None, picture_change),
    ("alarm-lunch.wav", None, alarm_lunch),
]

EVENTS = ["Boot", "Exit", "Time", "Away", "Alarm", "Return", "Minimize", "Restore", "Update"]
