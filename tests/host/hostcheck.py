#!/usr/bin/env python3
"""Checks what Ardour made of the plug-in in the host test.

  hostcheck.py scan <scanner-log> <cache-dir>
      Ardour's VST3 scanner reported no error and indexed the class
      "za Derazid" as an effect with a stereo input and a stereo output.
  hostcheck.py renders <render-dir> <facts-file>
      The renders of the master bus, against the recorded input that the
      facts file names.
"""

import glob
import math
import struct
import sys
import xml.etree.ElementTree as ElementTree

PLUGIN_NAME = "za Derazid"
FLOAT_EPSILON = 2.0 ** -23
WAVE_FORMAT_IEEE_FLOAT = 3
WAVE_FORMAT_EXTENSIBLE = 0xFFFE


class Checks:
    def __init__(self):
        self.failures = 0

    def check(self, ok, what):
        print(("ok:   " if ok else "FAIL: ") + what)
        if not ok:
            self.failures += 1
        return ok


def read_float_wav(path):
    """The sample rate and the channels of a 32-bit float WAV file."""
    with open(path, "rb") as wav:
        data = wav.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError(path + " is not a WAV file")
    fmt = samples = None
    offset = 12
    while offset + 8 <= len(data):
        chunk_id = data[offset:offset + 4]
        (size,) = struct.unpack_from("<I", data, offset + 4)
        body = data[offset + 8:offset + 8 + size]
        if chunk_id == b"fmt ":
            fmt = body
        elif chunk_id == b"data":
            samples = body
        offset += 8 + size + (size & 1)
    if fmt is None or samples is None:
        raise ValueError(path + " has no format or no data")
    tag, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", fmt)
    if tag == WAVE_FORMAT_EXTENSIBLE and len(fmt) >= 26:
        (tag,) = struct.unpack_from("<H", fmt, 24)
    if tag != WAVE_FORMAT_IEEE_FLOAT or bits != 32:
        raise ValueError(path + " does not hold 32-bit float samples")
    values = struct.unpack("<%df" % (len(samples) // 4), samples[:len(samples) // 4 * 4])
    return rate, [values[c::channels] for c in range(channels)]


def read_facts(path):
    facts = {}
    with open(path) as lines:
        for line in lines:
            key, _, value = line.rstrip("\n").partition(" ")
            facts[key] = value
    return facts


def rms(values):
    return math.sqrt(sum(v * v for v in values) / len(values)) if values else 0.0


def check_scan(log_path, cache_dir):
    checks = Checks()
    with open(log_path) as log:
        log_lines = log.read().splitlines()
    problems = [l for l in log_lines if l.startswith("[ERROR]") or l.startswith("[WARNING]")]
    checks.check(not problems, "the scanner reported no error or warning" +
                 "".join("\n      " + p for p in problems))

    caches = glob.glob(cache_dir + "/*.v3i")
    if not checks.check(len(caches) == 1, "the scanner wrote one index file (%d found)" % len(caches)):
        return checks.failures
    classes = ElementTree.parse(caches[0]).getroot().findall("VST3Info")
    named = [c for c in classes if c.get("name") == PLUGIN_NAME]
    if not checks.check(len(named) == 1, "the index holds the class \"%s\" once (classes: %s)"
                        % (PLUGIN_NAME, ", ".join(c.get("name", "?") for c in classes))):
        return checks.failures
    info = named[0]
    print("      " + ", ".join("%s=%s" % item for item in sorted(info.attrib.items())))
    checks.check(info.get("n_inputs") == "2" and info.get("n_outputs") == "2",
                 "stereo input and stereo output (%s in, %s out)"
                 % (info.get("n_inputs"), info.get("n_outputs")))
    checks.check(info.get("n_aux_inputs") == "0" and info.get("n_aux_outputs") == "0"
                 and info.get("n_midi_inputs") == "0" and info.get("n_midi_outputs") == "0",
                 "no side-chain and no MIDI ports")
    checks.check(info.get("category") == "Fx|Modulation", "category Fx|Modulation")
    return checks.failures


def check_renders(render_dir, facts_path):
    checks = Checks()
    facts = read_facts(facts_path)
    rate = int(facts["sample_rate"])
    start, length = int(facts["region_start"]), int(facts["region_length"])
    checks.check(rate == 48000, "the session runs at 48 kHz (%d)" % rate)
    checks.check(int(facts["region_position"]) == int(facts["range_start"]) and
                 int(facts["range_end"]) - int(facts["range_start"]) == length,
                 "the render range is the recorded region")
    checks.check(length >= 2 * rate, "the input lasts a few seconds (%d frames)" % length)

    signal = []
    for side in ("left", "right"):
        source_rate, channels = read_float_wav(facts["source_" + side])
        signal.append(list(channels[0][start:start + length]))
    checks.check(all(len(c) == length for c in signal) and rms(signal[0]) > 1e-3
                 and signal[0] != signal[1], "the input is a stereo signal")

    renders = {}
    for name in ("effect", "mix-zero", "bypass", "reloaded"):
        path = "%s/%s.wav" % (render_dir, name)
        render_rate, channels = read_float_wav(path)
        renders[name] = channels
        checks.check(render_rate == rate and len(channels) == 2,
                     "%s: stereo at %d Hz (%d channels at %d Hz)" % (name, rate, len(channels), render_rate))
        checks.check(all(len(c) == length for c in channels),
                     "%s: the input's length, %d frames (%s)" % (name, length, [len(c) for c in channels]))
        checks.check(all(math.isfinite(v) for c in channels for v in c), "%s: every sample finite" % name)

    for c, side in enumerate(("left", "right")):
        x = signal[c]
        effect = renders["effect"][c]
        difference = rms([a - b for a, b in zip(effect, x)]) / rms(x)
        checks.check(difference > 0.1, "effect, %s: differs clearly from the input (difference %.3f of the "
                     "input's RMS)" % (side, difference))

        gain = 10.0 ** (float(facts["mix_zero_level_db"]) / 20.0)
        mix_zero = renders["mix-zero"][c]
        # float32 rounding of Level x (input + the processor's 1e-18 guard)
        worst = max((abs(y - gain * v) - FLOAT_EPSILON * abs(gain * v) for y, v in zip(mix_zero, x)),
                    default=0.0)
        checks.check(worst <= 1e-17, "mix-zero, %s: Level (%.6f) x input within float32 rounding "
                     "(worst excess %.3g)" % (side, gain, worst))

        bypass = renders["bypass"][c]
        unequal = sum(1 for a, b in zip(bypass, x) if a != b)
        checks.check(unequal == 0, "bypass, %s: equals the input (%d samples differ)" % (side, unequal))

        reloaded = renders["reloaded"][c]
        unequal = [k for k, (a, b) in enumerate(zip(reloaded, effect)) if a != b]
        checks.check(not unequal, "reloaded, %s: equals the original session's render sample for sample "
                     "(%d differ, first at %s)" % (side, len(unequal), unequal[0] if unequal else "-"))
    return checks.failures


def main(argv):
    if len(argv) == 4 and argv[1] == "scan":
        failures = check_scan(argv[2], argv[3])
    elif len(argv) == 4 and argv[1] == "renders":
        failures = check_renders(argv[2], argv[3])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
