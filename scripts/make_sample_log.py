#!/usr/bin/env python3
"""Writes a realistic TRIATHLON-DX-CONTEST log in ADIF (.adi) form.

The calls come from the super-check-partial list and the Mount Athos calls
of the country file, both from Debian's package hamradio-files. The same
seed and the same two files always give the same log, byte for byte.

  make_sample_log.py [--contacts N] [--seed S] [--bands contest|all] OUT.adi
"""
import argparse
import random
import re

SCP = "/usr/share/hamradio-files/MASTER.SCP"
CTY = "/usr/share/hamradio-files/cty.dat"
OWN_CALL = "DL1KV"

# Band: (ADIF name, CW segment, SSB segment, RTTY segment) in kHz.
BANDS = {
    "160m": ((1810, 1838), (1843, 1990), (1838, 1842)),
    "80m": ((3500, 3570), (3600, 3790), (3580, 3600)),
    "60m": ((5351, 5354), (5354, 5366), (5354, 5366)),
    "40m": ((7000, 7040), (7060, 7200), (7040, 7050)),
    "30m": ((10100, 10130), (10130, 10150), (10140, 10150)),
    "20m": ((14000, 14070), (14100, 14350), (14080, 14099)),
    "17m": ((18068, 18095), (18111, 18168), (18095, 18105)),
    "15m": ((21000, 21070), (21151, 21450), (21080, 21120)),
    "12m": ((24890, 24915), (24940, 24990), (24915, 24929)),
    "10m": ((28000, 28070), (28300, 29000), (28070, 28150)),
    "6m": ((50000, 50100), (50100, 50500), (50300, 50400)),
    "2m": ((144000, 144150), (144150, 144400), (144100, 144150)),
}
CONTEST_BANDS = ["160m", "80m", "40m", "20m", "15m", "10m"]
MODES = ["CW", "SSB", "RTTY"]


def scp_calls():
    with open(SCP, encoding="latin-1") as f:
        return [line.strip() for line in f if line.strip() and not line.startswith("#")]


def athos_calls():
    """The exact calls of Mount Athos in the country file."""
    with open(CTY, encoding="latin-1") as f:
        text = f.read()
    match = re.search(r"^Mount Athos:.*?\n(.*?);", text, re.S | re.M)
    return [e.strip()[1:] for e in match.group(1).replace("\n", "").split(",") if e.strip().startswith("=")]


def field(name, value, lower=False, typed=None):
    tag = name.lower() if lower else name
    specifier = f"{len(value.encode('latin-1'))}" + (f":{typed}" if typed else "")
    return f"<{tag}:{specifier}>{value}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--contacts", type=int, default=400)
    parser.add_argument("--seed", type=int, default=2023)
    parser.add_argument("--bands", choices=["contest", "all"], default="contest")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    calls = [c for c in scp_calls() if "/" not in c]
    greek = [c for c in calls if re.match(r"^(SV|SW|SX|SY|SZ|J4)[0-46-8]", c)]
    dodecanese = [c for c in calls if re.match(r"^(SV|SW|SX|SY|SZ|J4)5", c)]
    crete = [c for c in calls if re.match(r"^(SV|SW|SX|SY|SZ|J4)9", c)]
    others = [c for c in calls if c not in set(greek + dodecanese + crete)]
    athos = athos_calls()
    bands = CONTEST_BANDS if args.bands == "contest" else list(BANDS)

    def pick_call():
        r = rng.random()
        if r < 0.08:
            return rng.choice(greek)
        if r < 0.11:
            return rng.choice(dodecanese)
        if r < 0.14:
            return rng.choice(crete)
        if r < 0.15:
            return rng.choice(athos)
        call = rng.choice(others)
        r = rng.random()
        if r < 0.03:
            return call + rng.choice(["/P", "/M", "/QRP"])
        if r < 0.04:
            return rng.choice(["SV9/", "SV5/", "SV/", "EA8/"]) + call
        if r < 0.045 and call[0] in "KWN" and re.match(r"^[A-Z]{1,2}\d", call):
            return call + "/" + str(rng.randint(0, 9))
        return call

    lines = [
        "TRIATHLON-DX-CONTEST sample log, made by scripts/make_sample_log.py",
        f"from the calls of MASTER.SCP and cty.dat (hamradio-files); seed {args.seed}",
        field("ADIF_VER", "3.1.4") + " " + field("PROGRAMID", "make_sample_log") + " " +
        field("CREATED_TIMESTAMP", "20230619 000000"),
        "<EOH>",
        "",
    ]
    minute = 17 * 24 * 60 + 12 * 60  # 2023-06-17 12:00
    logged = []
    for n in range(1, args.contacts + 1):
        minute += rng.choice([0, 1, 1, 2, 2, 3, 5]) if args.contacts <= 5000 else 0
        second = rng.randint(0, 59)
        # A few dupes: the same station again on the same band and mode.
        if logged and rng.random() < 0.015:
            call, band, mode = rng.choice(logged)
        else:
            call, band, mode = pick_call(), rng.choice(bands), rng.choice(MODES)
            logged.append((call, band, mode))
        segment = BANDS[band][MODES.index(mode)]
        khz = rng.uniform(*segment)
        freq = f"{khz / 1000:.6f}".rstrip("0").rstrip(".")
        day, rest = divmod(minute, 24 * 60)
        date = f"2023{6 + (day - 1) // 30:02d}{(day - 1) % 30 + 1:02d}"
        time = f"{rest // 60:02d}{rest % 60:02d}" + (f"{second:02d}" if n % 3 else "")
        rst = "59" if mode == "SSB" else "599"
        sent, received = f"{n:03d}", f"{rng.randint(1, 1500):03d}"
        lower = n % 7 == 0
        parts = [field("CALL", call, lower), field("QSO_DATE", date, lower, "D" if n % 5 == 0 else None),
                 field("TIME_ON", time, lower), field("FREQ", freq, lower)]
        if n % 11:  # some records leave the band to the frequency
            parts.append(field("BAND", band.upper() if n % 13 == 0 else band, lower))
        parts += [field("MODE", mode, lower), field("RST_SENT", rst, lower), field("RST_RCVD", rst, lower)]
        if n % 2:
            parts += [field("STX_STRING", sent, lower), field("SRX_STRING", received, lower)]
        else:
            parts += [field("STX", str(n), lower, "N"), field("SRX", received.lstrip("0") or "0", lower, "N")]
        parts += [field("STATION_CALLSIGN", OWN_CALL, lower), "<EOR>" if not lower else "<eor>"]
        lines.append(" ".join(parts))
    with open(args.out, "w", encoding="latin-1", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
