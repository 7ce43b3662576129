#!/usr/bin/env python3
"""Writes swetest_golden.tsv: reference positions, speeds and house cusps from Debian's
swetest (Swiss Ephemeris 2.10, files of swe-basic-data) for the chart engine tests.

Each row: name, local date, local time, Delta_GMT, latitude text, longitude text, house
system number, then 11 longitudes, 11 speeds, 12 cusps, AC and MC (degrees, 7 decimals as
swetest prints them). Run it again only to add cases; the rows are the reference."""
import datetime
import re
import subprocess

EPHE = "/usr/share/libswe/ephe"
LETTERS = "KPXROAMC"

# name, local date-time, delta, latitude text, latitude, longitude text, longitude, house system
CASES = [
    ("London1800Koch", "01.01.1800 12:00", 0.0, "51°30'26\" N", (51, 30, 26), "0°07'39\" W", (-0, -7, -39), 0),
    ("Houston1969Placidus", "20.07.1969 15:17", -5.0, "29°45'46\" N", (29, 45, 46), "95°22'59\" W", (-95, -22, -59), 1),
    ("Sydney2000MeridianPreviousUtDay", "01.01.2000 00:00", 11.0, "33°52'04\" S", (-33, -52, -4), "151°12'26\" E", (151, 12, 26), 2),
    ("CapeTown2150Regiomontanus", "15.06.2150 06:45", 2.0, "33°55' S", (-33, -55, 0), "18°25' E", (18, 25, 0), 3),
    ("BuenosAires2399Porphyrius", "31.12.2399 23:59", 0.0, "34°36' S", (-34, -36, 0), "58°22' W", (-58, -22, 0), 4),
    ("Berlin1850Equal", "21.03.1850 08:00", 1.0, "52°31' N", (52, 31, 0), "13°24' E", (13, 24, 0), 5),
    ("Tokyo2024LeapDayMorinus", "29.02.2024 18:30", 9.0, "35°41' N", (35, 41, 0), "139°41' E", (139, 41, 0), 6),
    ("Rio1900Campanus", "01.09.1900 12:00", -3.0, "22°54' S", (-22, -54, 0), "43°12' W", (-43, -12, 0), 7),
    ("Reykjavik2100Placidus", "10.10.2100 21:10", 0.0, "64°08' N", (64, 8, 0), "21°56' W", (-21, -56, 0), 1),
    ("HalfHourZoneDelhi1947Koch", "15.08.1947 00:00", 5.5, "28°36' N", (28, 36, 0), "77°12' E", (77, 12, 0), 0),
]


def degrees(dms):
    return dms[0] + dms[1] / 60 + dms[2] / 3600


def swetest(moment, lat, lon, letter):
    args = ["swetest", f"-b{moment.day}.{moment.month}.{moment.year}",
            f"-ut{moment.hour}:{moment.minute:02d}:00", "-p0123456789m", "-fPls", "-g,", "-head",
            f"-house{lon!r},{lat!r},{letter}", "-eswe", f"-edir{EPHE}"]
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    rows = [[c.strip() for c in line.split(",")] for line in out.splitlines() if "," in line]
    by_name = {r[0]: r[1:] for r in rows}
    bodies = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "mean Node"]
    lons = [by_name[b][0] for b in bodies]
    speeds = [by_name[b][1] for b in bodies]
    cusps = [by_name[f"house {h:2d}"][0] for h in range(1, 13)]
    return lons + speeds + cusps + [by_name["Ascendant"][0], by_name["MC"][0]]


def main():
    with open("swetest_golden.tsv", "w", encoding="utf-8") as f:
        for name, local, delta, lat_text, lat, lon_text, lon, system in CASES:
            moment = datetime.datetime.strptime(local, "%d.%m.%Y %H:%M") - datetime.timedelta(hours=delta)
            values = swetest(moment, degrees(lat), degrees(lon), LETTERS[system])
            date, time = local.split()
            f.write("\t".join([name, date, time, f"{delta}", lat_text, lon_text, str(system)] + values) + "\n")


if __name__ == "__main__":
    main()
