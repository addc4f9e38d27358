#!/usr/bin/env python3
"""Writes a small, made-up saved listing page for trying the import.

The import takes the satellite's name and orbital position from the file name, so copy
the page to a name such as "Example Sat 1 at 19.2°E.htm" before loading it.

Usage: make_sample_page.py [OUTPUT]   (default: examples/sample-listing.htm)
"""

import pathlib
import sys

C_BAND = [  # frequency, polarisation, symbol rate, FEC
    (3725, "R", 27500, "3/4"),
    (3760, "L", 30000, "5/6"),
    (3845, "R", 27500, "3/4"),
    (3920, "L", 6111, "2/3"),
]

KU_BAND = [
    (10773, "H", 22000, "5/6"),
    (10832, "H", 22000, "5/6"),
    (11244, "V", 27500, "2/3"),
    (11597, "V", 22000, "5/6"),
    (11747, "H", 27500, "3/4"),
    (12015, "V", 27500, "7/8"),
    (12207, "V", 29700, "1/2"),
]

SERVICES = ["Demo One", "Demo Two HD", "Radio Example", "Test Card", "News Sample"]


def c_row(index, frequency, pol, rate, fec):
    return (
        f'<tr><td><A HREF="tp/c{index}.htm">{frequency}</A> {pol}</td>'
        f"<td>DVB-S</td><td>{rate} -{fec}</td><td>C-band beam</td></tr>\n"
    )


def ku_row(frequency, pol, rate, fec):
    return (
        f"<tr><td>{frequency} {pol}</td><td>DVB-S2</td>"
        f"<td>{rate} -{fec}</td><td>Ku-band beam</td></tr>\n"
    )


def service_rows(seed):
    rows = []
    for i, name in enumerate(SERVICES):
        sid = 100 * seed + i + 1
        rows.append(
            f"<tr><td>{name}</td><td>SID {sid}</td><td>PID {sid + 1000} eng</td>"
            f"<td>2021-03-0{i + 1}</td></tr>\n"
        )
    return "".join(rows)


def page():
    parts = [
        "<html><head><meta charset=\"iso-8859-1\">"
        "<title>Example Sat 1 at 19.2\u00b0E</title></head><body>\n"
        "<h1>Example Sat 1 at 19.2\u00b0E</h1>\n<table>\n"
    ]
    for i, row in enumerate(C_BAND):
        parts.append(c_row(i, *row))
        parts.append(service_rows(i))
    for i, row in enumerate(KU_BAND):
        parts.append(ku_row(*row))
        parts.append(service_rows(10 + i))
    # Rows the import passes over: an FEC it does not know and a rate out of range.
    parts.append("<tr><td>12300 H</td><td>DVB-S2</td><td>27500 -Auto</td></tr>\n")
    parts.append("<tr><td>12400 V</td><td>DVB-S2</td><td>50000 -3/4</td></tr>\n")
    parts.append("</table>\n<p>Made-up listing for trying Velmora's import.</p>\n")
    parts.append("</body></html>\n")
    return "".join(parts)


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "examples/sample-listing.htm")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes(page().encode("iso-8859-1"))


if __name__ == "__main__":
    main()
