#!/usr/bin/env python3
"""Compares the offsets our reader gives on a generated OrvelDB with Python's zoneinfo.

Runs the sampler, maps each (time-table code, zone) to its IANA name through the
generator's zone-names file, and compares the offset at each local moment with
zoneinfo's (fold=0: the first occurrence of a repeated local time, the offset before
the transition for a skipped one). Moments within HOURS of a transition are counted
apart, as the bar excludes them. Exits 1 unless every other moment agrees.
"""
import argparse
import subprocess
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo


def offset_seconds(local, zone):
    return int(local.replace(tzinfo=zone).utcoffset().total_seconds())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sampler", required=True)
    parser.add_argument("--database", required=True)
    parser.add_argument("--zone-names", required=True)
    parser.add_argument("--samples", type=int, default=5000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--hours", type=float, default=3.0)
    args = parser.parse_args()

    names = {}
    with open(args.zone_names, encoding="utf-8") as f:
        for line in f:
            code, zone, name = line.rstrip("\n").split("\t")
            names[(code, int(zone))] = name

    out = subprocess.run([args.sampler, args.database, str(args.samples), str(args.seed)],
                         check=True, capture_output=True, text=True).stdout
    window = timedelta(hours=args.hours)
    agree = total = near_agree = near_total = 0
    for line in out.splitlines():
        code, zone, place, moment, ours = line.split("\t")
        tz = ZoneInfo(names[(code, int(zone))])
        local = datetime.fromisoformat(moment)
        expected = offset_seconds(local, tz)
        same = ours != "failed" and int(ours) == expected
        if offset_seconds(local - window, tz) != offset_seconds(local + window, tz):
            near_total += 1
            near_agree += same
            continue
        total += 1
        agree += same
        if not same:
            print(f"DIFFERS {code} zone {zone} place {place} {tz.key} {moment}: ours {ours} s, zoneinfo {expected} s")
    print(f"agreement {agree}/{total} outside transitions; "
          f"{near_agree}/{near_total} within {args.hours:g} h of a transition")
    return 0 if agree == total and total > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
