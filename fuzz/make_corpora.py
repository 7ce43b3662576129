#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets under fuzz/corpus/ from the test fixtures
and a few files of the generated world database (build/OrvelWin/OrvelDB). The placedb
targets take plain text (they mask it themselves), so database files are unmasked."""
import os
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FIXTURES = ROOT / "tests" / "data"
WORLD = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build" / "OrvelWin" / "OrvelDB"
CORPUS = ROOT / "fuzz" / "corpus"
MASK = 0xA9


def unmask(path):
    return bytes(b ^ MASK for b in path.read_bytes())


def put(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def main():
    placedb = FIXTURES / "placedb"
    put("read_field", "country", (placedb / "Country.txt").read_bytes())
    put("read_field", "quoted", b'"Bad \\"Alt\\" Heide"\t1\t\r\n\t\t"open')
    put("country_list", "fixture", (placedb / "Country.txt").read_bytes())
    put("country_list", "world", unmask(WORLD / "Country.txt"))
    for name in ("Orte_D.txt", "Orte_HR.txt"):
        put("load_places", name, b"B" + (placedb / name).read_bytes())
    put("load_places", "world_NIU", b"A" + unmask(WORLD / "Orte_NIU.txt"))
    zones = (placedb / "Zones.txt").read_bytes()
    for name in ("Ttable_D.txt", "Ttable_NY.txt", "Ttable_US1.txt"):
        put("zone_lookup", name, bytes([1, 60, 5, 12]) + (placedb / name).read_bytes() + b"\0" + zones)
    put("zone_lookup", "world_NIU", bytes([1, 90, 6, 1]) + unmask(WORLD / "Ttable_NIU.txt") + b"\0"
        + unmask(WORLD / "Zones.txt")[:2000])
    put("last_country", "short", b"\xff\xfe\xff\x0bD\0e\0u\0t\0s\0c\0h\0l\0a\0n\0d\0")
    put("last_country", "long_form", b"\xff\xfe\xff\xff\x03\x01A\0B\0C\0")
    put("coordinates", "dms", "52°31'12\" N".encode())
    put("coordinates", "comma", b"13,24 W")
    for xml in sorted((FIXTURES / "storage").glob("*.xml")):
        target = "settings_file" if "orvel" in xml.name or "settings" in xml.name else "horoscope_file"
        put(target, xml.name, xml.read_bytes())
    put("settings_file", "defaults.xml", (FIXTURES / "storage" / "orvel_defaults.txt").read_bytes())
    put("horoscope_file", "demo.xml", (ROOT / "resources" / "demo" / "horoskop.xml").read_bytes())
    put("aaf_file", "twenty_births", (FIXTURES / "storage" / "twenty-births.aaf").read_bytes())
    put("aaf_file", "damaged", b"#B93:*,52n31,13e24,1he00,1\n#A93:Bad,Date,m,31.2.1980,12:00,Berlin,D\n"
        b"#A93:Short\n#A93:Ok,*,e,1.1.2000,*,Berlin,D\n#B93:2451544.958333,*,*,*,*\n#ZNAM:CET\n")


if __name__ == "__main__":
    main()
