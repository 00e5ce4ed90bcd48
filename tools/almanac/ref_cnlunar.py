#!/usr/bin/env python3
"""Dump the day suits/forbids of cnlunar (OPN48) as TSV.

    date<TAB>suits space-separated<TAB>forbids space-separated

and with --spirits two more fields, the day's good and bad spirits
(goodGodName, badGodName), for compare.py to name where a difference comes
from.

one line per day, for compare.py to set beside our almanac.  The words are
printed as cnlunar returns them (goodThing / badThing), nothing mapped.

    python3 ref_cnlunar.py --lib PATH [--corrected [--sanhe]] [--spirits] [--out FILE] [FROM [TO]]

--lib PATH    the cnlunar checkout (the directory holding the cnlunar package)
--corrected   two corrections towards the book's rules:
              * no 天德 in the middle month of a season (卯 午 酉 子 months):
                cnlunar looks 天德 up on day branches there; those four entries
                of its month table become '空' (never matches).  The change is
                made to the module's source text at load time; it must apply
                exactly once, so a changed upstream fails loudly;
              * no year spirits (岁德, 岁德合 ...): constructed with
                yeargod='noduty'.
              Without it cnlunar runs as published, with default arguments.
--sanhe       with --corrected, a third: no 三合 on the month's own branch
              (cnlunar's test "(day - month) % 4 == 0" also holds on the 建
              day, where the book has no 三合), made the same way.
FROM TO       dates as YYYY-MM-DD, default 1901-01-01 2100-12-31.

The words of a line come in cnlunar's order; it depends on the string hash,
so the script runs itself with PYTHONHASHSEED=0 for repeatable bytes.
Each day is taken at 12:00.  A day cnlunar raises on is left out of the dump
and reported on standard error (the exit status is still 0 unless every day
failed).
"""
import argparse
import datetime
import importlib
import os
import sys
import types

TIANDE_PUBLISHED = "['巳辰','庚','丁','申未','壬','辛','亥戌','甲','癸','寅丑','丙','乙']"
TIANDE_CORRECTED = "['空','庚','丁','空','壬','辛','空','甲','癸','空','丙','乙']"
# cnlunar's 三合 test also holds on the month's own branch (the 建 day); the
# triad's 三合 days are the other two branches.
SANHE_PUBLISHED = "('三合', (den - men) % 4 == 0,"
SANHE_CORRECTED = "('三合', (den - men) % 4 == 0 and den != men,"


def replace_once(src, published, corrected, path, what):
    count = src.count(published)
    if count != 1:
        sys.exit(f'ref_cnlunar: expected {what} exactly once in {path}, found {count}')
    return src.replace(published, corrected)


def load_lunar_module(lib, corrected, sanhe=False):
    lib = os.path.abspath(lib)
    pkg_dir = os.path.join(lib, 'cnlunar')
    if not os.path.isfile(os.path.join(pkg_dir, 'lunar.py')):
        sys.exit(f'ref_cnlunar: no cnlunar/lunar.py under {lib}')
    sys.path.insert(0, lib)
    pkg = importlib.import_module('cnlunar')
    got = os.path.dirname(os.path.abspath(pkg.__file__))
    if got != pkg_dir:
        sys.exit(f'ref_cnlunar: cnlunar was imported from {got}, not from {pkg_dir}')
    if not corrected and not sanhe:
        return importlib.import_module('cnlunar.lunar')
    path = os.path.join(pkg_dir, 'lunar.py')
    with open(path, encoding='utf-8') as f:
        src = f.read()
    if corrected:
        src = replace_once(src, TIANDE_PUBLISHED, TIANDE_CORRECTED, path, 'the 天德 month table')
    if sanhe:
        src = replace_once(src, SANHE_PUBLISHED, SANHE_CORRECTED, path, 'the 三合 test')
    mod = types.ModuleType('cnlunar.lunar_corrected')
    mod.__file__ = path
    mod.__package__ = 'cnlunar'
    exec(compile(src, path, 'exec'), mod.__dict__)
    return mod


def parse_date(s):
    try:
        return datetime.date.fromisoformat(s)
    except ValueError:
        raise argparse.ArgumentTypeError(f'bad date {s!r} (want YYYY-MM-DD)')


def main(argv=None):
    ap = argparse.ArgumentParser(description='Dump cnlunar day suits/forbids as TSV.')
    ap.add_argument('--lib', required=True, help='cnlunar checkout (holds the cnlunar package)')
    ap.add_argument('--corrected', action='store_true',
                    help='no 天德 on branches in 卯午酉子 months, no year spirits')
    ap.add_argument('--sanhe', action='store_true',
                    help="with --corrected: no 三合 on the month's own branch (the 建 day)")
    ap.add_argument('--spirits', action='store_true', help='add the good and bad spirits as two more fields')
    ap.add_argument('--out', help='output file (default standard output)')
    ap.add_argument('dates', nargs='*', type=parse_date, metavar='DATE',
                    help='FROM [TO], default 1901-01-01 2100-12-31')
    a = ap.parse_args(argv)
    if len(a.dates) > 2:
        ap.error('at most two dates')
    first = a.dates[0] if a.dates else datetime.date(1901, 1, 1)
    last = a.dates[-1] if a.dates else datetime.date(2100, 12, 31)
    if last < first:
        ap.error('TO is before FROM')

    if a.sanhe and not a.corrected:
        ap.error('--sanhe goes with --corrected')
    mod = load_lunar_module(a.lib, a.corrected, a.sanhe)
    kwargs = {'godType': '8char'}
    if a.corrected:
        kwargs['yeargod'] = 'noduty'

    out = open(a.out, 'w', encoding='utf-8', newline='\n') if a.out else sys.stdout
    failed = 0
    total = 0
    day = first
    one = datetime.timedelta(days=1)
    try:
        while day <= last:
            total += 1
            try:
                lun = mod.Lunar(datetime.datetime(day.year, day.month, day.day, 12), **kwargs)
                good, bad = list(lun.goodThing), list(lun.badThing)
                spirits = (f"\t{' '.join(lun.goodGodName)}\t{' '.join(lun.badGodName)}" if a.spirits else '')
            except Exception as e:  # report and go on: one bad day should not lose the range
                failed += 1
                print(f'ref_cnlunar: {day.isoformat()}: {type(e).__name__}: {e}', file=sys.stderr)
            else:
                out.write(f"{day.isoformat()}\t{' '.join(good)}\t{' '.join(bad)}{spirits}\n")
            day += one
    finally:
        if a.out:
            out.close()
    if failed:
        print(f'ref_cnlunar: {failed} of {total} days failed and were left out', file=sys.stderr)
    return 1 if failed == total else 0


if __name__ == '__main__':
    # cnlunar keeps its words in sets, so their order on a line follows the
    # string hash; fix the seed so that two runs write the same bytes.
    if os.environ.get('PYTHONHASHSEED') != '0':
        env = dict(os.environ, PYTHONHASHSEED='0')
        os.execve(sys.executable, [sys.executable] + sys.argv, env)
    sys.exit(main())
