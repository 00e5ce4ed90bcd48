#!/usr/bin/env python3
"""vantrel-cli terms --ics read back with an independent parser (icalendar)
and compared with the terms the text output prints.

    ics_check.py CLI
"""
import datetime
import os
import subprocess
import sys
import tempfile

import icalendar

CLI = sys.argv[1]
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def run(*args):
    p = subprocess.run([CLI] + list(args), capture_output=True, text=True)
    return p.returncode, p.stdout, p.stderr


def events(path):
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    return [c for c in calendar.walk("VEVENT")]


BEIJING = datetime.timezone(datetime.timedelta(hours=8))

with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "terms.ics")
    for years in (["2013"], ["2023", "2025"], ["1900"], ["2100"]):
        rc, out, err = run("terms", *years, "--ics", path, "--quiet")
        if rc != 0 or out != "":
            fail("terms %s --ics --quiet: exit %d, output %r, %s" % (years, rc, out[:80], err))
        text = run("terms", *years)[1].splitlines()
        got = []
        for e in events(path):
            start = e.decoded("DTSTART")
            if start.utcoffset() != datetime.timedelta(0):
                fail("terms %s: %s is not in UTC" % (years, e.get("UID")))
            local = start.astimezone(BEIJING).strftime("%Y-%m-%d %H:%M:%S")
            got.append(str(e.get("SUMMARY")) + "\t" + local)
            if local not in str(e.get("DESCRIPTION")):
                fail("terms %s: the description of %s lacks the local time" % (years, e.get("UID")))
        if got != text:
            fail("terms %s: the calendar's events differ from the text:\n%s" %
                 (years, "\n".join(a + " | " + b for a, b in zip(got, text) if a != b)[:500]))

    # The same term has the same UID in every file; every UID is unique.
    run("terms", "2013", "--ics", path, "--quiet")
    one = {str(e.get("UID")): e.decoded("DTSTART") for e in events(path)}
    run("terms", "2012", "2014", "--ics", path, "--quiet")
    three = {str(e.get("UID")): e.decoded("DTSTART") for e in events(path)}
    if len(one) != 24 or len(three) != 72:
        fail("UIDs are not unique: %d of 24, %d of 72" % (len(one), len(three)))
    if any(three.get(uid) != start for uid, start in one.items()):
        fail("a term's UID or instant differs between the 2013 and the 2012-2014 files")

    # --ics beside the listing: the text (or JSON) is printed as well.
    rc, out, _ = run("terms", "2013", "--ics", path)
    if rc != 0 or out != run("terms", "2013")[1]:
        fail("terms --ics without --quiet does not print the terms")
    rc, out, _ = run("--json", "terms", "2013", "--ics", path)
    if rc != 0 or not out.startswith('{"version":1,"year":2013'):
        fail("terms --json --ics: %r" % out[:60])

    # "-": the calendar on standard output, the same events.
    p = subprocess.run([CLI, "terms", "2013", "--ics", "-"], capture_output=True)
    run("terms", "2013", "--ics", path, "--quiet")
    listed = [(str(e.get("UID")), e.decoded("DTSTART")) for e in icalendar.Calendar.from_ical(p.stdout).walk("VEVENT")]
    if p.returncode != 0 or listed != [(str(e.get("UID")), e.decoded("DTSTART")) for e in events(path)]:
        fail("terms --ics - does not print the calendar of the file")

    # Failures: nothing written, the usual exit codes.
    bad = os.path.join(tmp, "missing", "terms.ics")
    rc, _, err = run("terms", "2013", "--ics", bad)
    if rc != 1 or "Cannot write file" not in err or os.path.exists(os.path.dirname(bad)):
        fail("an unwritable --ics path: exit %d, %s" % (rc, err.strip()))
    for args in (["2014", "2013"], ["2013", "--ics", ""], ["2013", "--ics"], ["1899"], ["2013", "2014", "2015"]):
        rc, _, _ = run("terms", *args)
        if rc != 2:
            fail("terms %s: exit %d, expected 2" % (args, rc))
    leftovers = [f for f in os.listdir(tmp) if f != "terms.ics"]
    if leftovers:
        fail("files left beside the calendar: %s" % leftovers)

# almanac --ics: one all-day event a day, the page in the description.
with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "almanac.ics")
    rc, out, err = run("almanac", "2023-03-20", "2023-03-23", "--ics", path, "--quiet")
    if rc != 0 or out:
        fail("almanac --ics: exit %d, output %r (%s)" % (rc, out[:80], err))
    got = events(path)
    days = [datetime.date(2023, 3, d) for d in range(20, 24)]
    if [e.decoded("dtstart") for e in got] != days:
        fail("almanac --ics: days %r" % [e.decoded("dtstart") for e in got])
    for e, day in zip(got, days):
        rc, page, _ = run("almanac", day.isoformat())
        if str(e.get("uid")) != "almanac-%s@vantrel" % day.isoformat():
            fail("almanac --ics: uid %s" % e.get("uid"))
        if str(e.get("description")) != page.rstrip("\n"):
            fail("almanac --ics %s: the description is not the page" % day)
        lines = page.split("\n")
        yi, ji = lines[14][len("宜:"):], lines[18][len("忌:"):]
        lunar = lines[0].split("  ")[1].split(" ")[0]
        if str(e.get("summary")) != "%s 宜：%s 忌：%s" % (lunar, yi, ji):
            fail("almanac --ics %s: summary %s" % (day, e.get("summary")))

print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
