#!/usr/bin/env python3
"""Writes examples/sample.json: a made-up but realistic channel database.

Deterministic (fixed seed), so running it again gives the same file. The JSON is in the
form `velmora-cli dump` prints after an Open (transponders of each satellite sorted by
frequency, favourite groups as rebuilt from the channels' marks), so a dump of the
.sdx built from it gives the same tables back. The header is left out: `load` gives a
new database's header, and the packed length is only known once the file is written.

    python3 tools/make_sample_json.py > examples/sample.json
    build/velmora-cli load examples/sample.json examples/sample.sdx
"""

import json
import random
import sys

rng = random.Random(19920613)

# Indexes into the receiver's audio language list.
UNDEFINED, ARABIC, DUTCH, ENGLISH, FRENCH, GERMAN, GREEK = 0, 3, 17, 18, 21, 23, 24
ITALIAN, POLISH, PORTUGUESE, RUSSIAN, SPANISH, SWEDISH, TURKISH = 30, 43, 44, 46, 48, 51, 55


def sat_flags(tone, power, diseqc, universal, west, ref_tp, motor):
    return (tone | power << 2 | diseqc << 4 | universal << 8 | west << 9 | ref_tp << 10
            | motor << 21)


# name, lnb_low, lnb_high, angle (1/100 degree), flags, band, transponder count
SATELLITES = [
    # Universal LNB on DiSEqC port 1, 22 kHz by band.
    ("Aurora 19.2E", 9750, 10600, 1920, sat_flags(2, 1, 1, 1, 0, 3, 0), "ku", 14),
    # Universal LNB with the 10750 high oscillator on port 2.
    ("Borealis 13E", 9750, 10750, 1300, sat_flags(2, 1, 2, 1, 0, 0, 0), "ku", 12),
    # Single 10600 oscillator, western position, reached by a DiSEqC motor.
    ("Nordlys 0.8W", 10600, 10600, 80, sat_flags(1, 1, 0, 0, 1, 1, 1), "ku", 8),
    # C-band dish on a USALS motor.
    ("Meridian 45E", 5150, 5150, 4500, sat_flags(0, 1, 7, 0, 0, 0, 2), "c", 6),
]

SYMBOL_RATES = [22000, 27500, 27500, 29900, 30000, 6111, 23000]


def make_transponders():
    transponders = []
    tp_id = 0
    for index, (_, _, _, _, _, band, count) in enumerate(SATELLITES):
        low, high = (10700, 12750) if band == "ku" else (3400, 4200)
        frequencies = sorted(rng.sample(range(low, high, 3), count))
        for frequency in frequencies:
            polarisation = rng.randint(0, 1)
            fec = rng.choice([2, 3, 3, 4, 5, 0])
            transponders.append({
                "frequency": frequency,
                "symbol_rate": rng.choice(SYMBOL_RATES),
                "tp_flags": polarisation | fec << 2,
                "satellite": index,
                "tp_id": tp_id,
            })
            tp_id += 1
    return transponders


TV_STEMS = ["Nova", "Kestrel", "Lumen", "Orbit", "Polar", "Vista", "Atlas", "Cobalt",
            "Harbor", "Solstice", "Meridia", "Zephyr", "Quartz", "Tundra", "Ember",
            "Halcyon", "Juniper", "Marlin", "Opal", "Saffron"]
TV_KINDS = ["One", "Two", "News", "Kids", "Sport", "Cinema", "Doku", "Music", "HD",
            "Plus", "Travel", "Family", "Life", "Classic", "Action", "24"]
LATIN1_NAMES = ["Télé Sirène", "Canal Été", "Kanal Süd", "Sjöfart TV", "Café Niño",
                "Çanak TV", "Ølby Kanal", "Mañana HD"]
RADIO_NAMES = ["Radio Aurora", "Wave FM", "Klassik 1", "Jazz Lounge", "Talk 24",
               "Coastline FM", "Hitwelle", "Rock Welle", "Radio Nordlys", "Folk & Fjord",
               "Calm Radio", "Metro FM", "Radio Meridian", "Schlager 1", "Country Mile",
               "Chanson FM", "Radio Ciel", "Opera Live", "Lounge 88", "Kids Radio",
               "News Radio", "Sport Radio", "Dance FM", "Retro 80", "Radio Süd",
               "Blues Bar", "Soul City", "Radio Porto", "Electro FM", "Radio Ágora"]
LANGUAGE_SETS = [[ENGLISH], [GERMAN], [FRENCH], [ITALIAN], [GERMAN, ENGLISH],
                 [ENGLISH, FRENCH], [POLISH, ENGLISH], [TURKISH], [SPANISH, ENGLISH],
                 [DUTCH, ENGLISH, GERMAN], [SWEDISH], [GREEK, ENGLISH], [ARABIC, FRENCH]]


def tv_names(count):
    names, seen = [], set()
    names.extend(LATIN1_NAMES)
    seen.update(LATIN1_NAMES)
    while len(names) < count:
        name = f"{rng.choice(TV_STEMS)} {rng.choice(TV_KINDS)}"
        if len(name) <= 15 and name not in seen:
            seen.add(name)
            names.append(name)
    rng.shuffle(names)
    return names


def ch_flags(favs, audio_mode, default_audio, audio_count, locked, radio, fta):
    return (favs | audio_mode << 8 | default_audio << 10 | audio_count << 15
            | locked << 20 | radio << 21 | fta << 22)


def make_channels(transponders, names, radio, next_service):
    channels = []
    for name in names:
        tp = rng.choice(transponders)
        service = next_service[tp["tp_id"]]
        next_service[tp["tp_id"]] += 1
        slot = service % 100
        video = 8191 if radio else 160 + 32 * slot
        first_audio = (1000 + 16 * slot) if radio else video + 1
        languages = [ENGLISH] if radio else rng.choice(LANGUAGE_SETS)
        audio = [[first_audio + k, lang] for k, lang in enumerate(languages)]
        favs = 0
        for group in range(8):
            if rng.random() < (0.22 if group < 5 else 0.08):
                favs |= 1 << group
        audio_mode = rng.choice([0] * 8 + [1, 2])
        default_audio = rng.randrange(len(audio)) if len(audio) > 1 and rng.random() < 0.3 else 0
        locked = 1 if rng.random() < 0.07 else 0
        fta = 0 if (not radio and rng.random() < 0.25) else 1
        channels.append({
            "name": name,
            "pcr_pid": first_audio if radio else video,
            "video_pid": video,
            "ttx_pid": video + 3 if not radio and rng.random() < 0.6 else 8191,
            "service_number": service,
            "tp_id": tp["tp_id"],
            "ch_flags": ch_flags(favs, audio_mode, default_audio, len(audio), locked,
                                 int(radio), fta),
            "audio": audio,
        })
    return channels


def add_multilingual_channel(channels, transponders, next_service):
    """A pan-European service with twelve audio tracks: the packed layout, where the
    PIDs run on from the first one and three tracks sit elsewhere."""
    tp = transponders[5]
    service = next_service[tp["tp_id"]]
    next_service[tp["tp_id"]] += 1
    languages = [ENGLISH, GERMAN, FRENCH, ITALIAN, SPANISH, POLISH, DUTCH, SWEDISH,
                 PORTUGUESE, RUSSIAN, TURKISH, GREEK]
    base = 2300
    pids = [base + k for k in range(12)]
    pids[3], pids[7], pids[10] = 2410, 2420, 2430
    channels.append({
        "name": "Euroscope Live",
        "pcr_pid": 2200,
        "video_pid": 2200,
        "ttx_pid": 2250,
        "service_number": service,
        "tp_id": tp["tp_id"],
        "ch_flags": ch_flags(0b10010, 0, 1, 12, 0, 0, 0),
        "audio": [[pid, lang] for pid, lang in zip(pids, languages)],
    })


def favourite_groups(tv, radio):
    """The groups as an Open rebuilds them: TV keys first, 200 keys per group at most."""
    groups = []
    for g in range(8):
        tv_keys = [c["service_number"] | c["tp_id"] << 16 for c in tv
                   if c["ch_flags"] >> g & 1][:200]
        room = 200 - len(tv_keys)
        radio_keys = [c["service_number"] | c["tp_id"] << 16 for c in radio
                      if c["ch_flags"] >> g & 1][:room]
        groups.append({"tv": tv_keys, "radio": radio_keys})
    return groups


def compact(value):
    return json.dumps(value, ensure_ascii=False, separators=(", ", ": "))


def write(doc, out):
    """One record per line, so the file reads like the receiver's lists."""
    out.write("{\n")
    keys = list(doc)
    for i, key in enumerate(keys):
        value = doc[key]
        end = ",\n" if i + 1 < len(keys) else "\n"
        if isinstance(value, list):
            out.write(f'  "{key}": [\n')
            for j, item in enumerate(value):
                out.write("    " + compact(item) + ("," if j + 1 < len(value) else "") + "\n")
            out.write("  ]" + end)
        else:
            out.write(f'  "{key}": {{\n')
            items = list(value.items())
            for j, (k, v) in enumerate(items):
                comma = "," if j + 1 < len(items) else ""
                out.write(f'    "{k}": {compact(v)}{comma}\n')
            out.write("  }" + end)
    out.write("}\n")


def main():
    transponders = make_transponders()
    next_service = {tp["tp_id"]: 10001 + 100 * tp["tp_id"] for tp in transponders}
    tv = make_channels(transponders, tv_names(149), False, next_service)
    add_multilingual_channel(tv, transponders, next_service)
    radio = make_channels(transponders[:20], RADIO_NAMES, True, next_service)
    doc = {
        "satellites": [
            {"name": name, "lnb_low": low, "lnb_high": high, "angle": angle, "sat_flags": flags}
            for name, low, high, angle, flags, _, _ in SATELLITES
        ],
        "transponders": transponders,
        "tv": tv,
        "radio": radio,
        "settings": {
            "menu_color": 1,
            "transparency": 3,
            "rf_channel": 36,
            "rf_system": 2,
            "menu_language": 3,
            "password": "7391",
            "lock_flags": 0b0011,
            "time_offset": 1,
            "audio_language": GERMAN,
            "tv_flags": 1 | 0 << 10 | 1 << 13,
            "fav_names": ["Filme", "Musik", "Nachrichten", "Kinder", "Sport", "Doku",
                          "Regional", "Favoriten"],
        },
        "favourite_groups": favourite_groups(tv, radio),
    }
    write(doc, sys.stdout)


if __name__ == "__main__":
    main()
