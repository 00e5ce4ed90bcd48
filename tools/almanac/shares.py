#!/usr/bin/env python3
"""The share of days on which the almanac forbids each of the words people
choose days by, and the share of days whose 宜 line says 诸事不宜, over a span
of years (2000-2030 unless told), read from `vantrel-cli almanac FROM TO
--json --explain`. A 忌 line of 诸事不宜 counts as forbidding every word.

Each word's share is split by what decided it, as the explanation says:
诸事皆忌 (the day's grade forbids everything), 犹忌 (a veto that no virtue
lifts), 止忌 (a great 凶神 limited by the book to a few things, which it
still forbids), 从忌不从宜 (the grade follows the bad over the good), 有忌无宜
(forbidden and favoured by nothing) and the writing rules (铺注条例).

    shares.py [--cli PATH] [FIRST_YEAR LAST_YEAR]
"""
import json
import os
import subprocess
import sys

WORDS = ["嫁娶", "纳采", "订盟", "出行", "开市", "交易", "入宅", "移徙", "动土", "修造",
         "安葬", "破土", "祭祀", "祈福", "栽种", "安床", "上梁", "立券", "纳财", "求医", "治病"]
KINDS = ["诸事皆忌", "犹忌", "止忌", "从忌不从宜", "有忌无宜", "铺注条例"]


def kind_of(decision):
    if "犹忌" in decision:
        return "犹忌"
    if "止忌" in decision:
        return "止忌"
    if decision.startswith("铺注条例"):
        return "铺注条例"
    if decision in ("从忌不从宜", "有忌无宜"):
        return decision
    return "铺注条例" if decision else "有忌无宜"


def main():
    args = sys.argv[1:]
    cli = os.path.join(os.path.dirname(__file__), "..", "..", "build", "default", "bin", "vantrel-cli")
    if "--cli" in args:
        at = args.index("--cli")
        cli = args[at + 1]
        del args[at:at + 2]
    first, last = (int(args[0]), int(args[1])) if len(args) == 2 else (2000, 2030)
    out = subprocess.run([cli, "almanac", "%d-01-01" % first, "%d-12-31" % last, "--json", "--explain"],
                         capture_output=True, text=True, check=True).stdout
    days = [json.loads(line) for line in out.splitlines()]
    forbidden = {w: {k: 0 for k in KINDS} for w in WORDS}
    nothing_suits = 0
    known = set()
    for d in days:
        if d["all_forbidden"] or not d["suits"]:
            nothing_suits += 1
        reasons = {r["word"]: r["decision"] for r in d.get("reasons", []) if r["line"] == "忌"}
        for w in WORDS:
            if d["all_forbidden"]:
                forbidden[w]["诸事皆忌"] += 1
            elif w in d["forbids"]:
                forbidden[w][kind_of(reasons.get(w, ""))] += 1
            if w in d["forbids"] or w in d["suits"]:
                known.add(w)
    n = len(days)
    print("%d days, %d-%d; each word's share of 忌 days, and by what decided it" % (n, first, last))
    print("word\t忌\t" + "\t".join(KINDS))
    for w in WORDS:
        if w not in known:
            print("%s\t(not a word of the almanac's lines)" % w)
            continue
        total = sum(forbidden[w].values())
        print("%s\t%.1f%%\t" % (w, 100.0 * total / n) +
              "\t".join("%.1f" % (100.0 * forbidden[w][k] / n) for k in KINDS))
    print("宜：诸事不宜\t%.1f%%" % (100.0 * nothing_suits / n))
    return 0


if __name__ == "__main__":
    sys.exit(main())
