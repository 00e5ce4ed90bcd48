#!/usr/bin/env python3
"""The share of days on which the almanac forbids each of the words people
choose days by, and the share of days whose 宜 line says 诸事不宜, over a span
of years (2000-2030 unless told), read from `vantrel-cli almanac FROM TO
--json`. A 忌 line of 诸事不宜 counts as forbidding every word.

    shares.py [--cli PATH] [FIRST_YEAR LAST_YEAR]
"""
import json
import os
import subprocess
import sys

WORDS = ["嫁娶", "纳采", "订盟", "出行", "开市", "交易", "入宅", "移徙", "动土", "修造",
         "安葬", "破土", "祭祀", "祈福", "栽种", "安床", "上梁", "立券", "纳财", "求医", "治病"]


def main():
    args = sys.argv[1:]
    cli = os.path.join(os.path.dirname(__file__), "..", "..", "build", "default", "bin", "vantrel-cli")
    if "--cli" in args:
        at = args.index("--cli")
        cli = args[at + 1]
        del args[at:at + 2]
    first, last = (int(args[0]), int(args[1])) if len(args) == 2 else (2000, 2030)
    out = subprocess.run([cli, "almanac", "%d-01-01" % first, "%d-12-31" % last, "--json"],
                         capture_output=True, text=True, check=True).stdout
    days = [json.loads(line) for line in out.splitlines()]
    forbidden = {w: 0 for w in WORDS}
    nothing_suits = 0
    known = set()
    for d in days:
        if d["all_forbidden"] or not d["suits"]:
            nothing_suits += 1
        for w in WORDS:
            if d["all_forbidden"] or w in d["forbids"]:
                forbidden[w] += 1
            if w in d["forbids"] or w in d["suits"]:
                known.add(w)
    n = len(days)
    print("%d days, %d-%d" % (n, first, last))
    for w in WORDS:
        if w in known:
            print("忌 %s\t%.1f%%" % (w, 100.0 * forbidden[w] / n))
        else:
            print("忌 %s\t(not a word of the almanac's lines)" % w)
    print("宜：诸事不宜\t%.1f%%" % (100.0 * nothing_suits / n))
    return 0


if __name__ == "__main__":
    sys.exit(main())
