#!/usr/bin/env python3
"""vantrel-cli --json against the published schemas and against the text output.

    json_check.py CLI SCHEMA_DIR

Every command runs with --json on a handful of real inputs; each line of
output must be one JSON object that its command's schema accepts, and the
facts it shares with the text output of the same call must be equal. Bad
input must give its notice or error as an object, with the text's exit code.
"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

CLI, SCHEMAS = sys.argv[1], sys.argv[2]
failures = []
validators = {}


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def run(args, stdin=None):
    p = subprocess.run([CLI] + args, input=stdin, capture_output=True, text=True)
    return p.returncode, p.stdout, p.stderr


def validator(command):
    if command not in validators:
        with open(os.path.join(SCHEMAS, command + ".schema.json"), encoding="utf-8") as f:
            schema = json.load(f)
        jsonschema.Draft202012Validator.check_schema(schema)
        validators[command] = jsonschema.Draft202012Validator(schema)
    return validators[command]


def as_json(command, args, stdin=None, code=0):
    """Runs with --json; returns the objects after checking each against the schema."""
    rc, out, _ = run([command] + args + ["--json"], stdin)
    if rc != code:
        fail("%s %s --json: exit %d, expected %d" % (command, args, rc, code))
    objects = []
    for line in out.splitlines():
        try:
            o = json.loads(line)
        except ValueError as e:
            fail("%s %s --json: not JSON (%s): %r" % (command, args, e, line[:200]))
            continue
        errors = list(validator(command).iter_errors(o))
        for e in errors[:3]:
            fail("%s %s --json: schema: %s at %s" % (command, args, e.message[:200], list(e.absolute_path)))
        if not isinstance(o, dict) or o.get("version") != 1:
            fail("%s %s --json: no version 1" % (command, args))
        objects.append(o)
    return objects


def as_text(command, args, stdin=None, code=0):
    rc, out, err = run([command] + args, stdin)
    if rc != code:
        fail("%s %s: exit %d, expected %d (%s)" % (command, args, rc, code, err.strip()))
    return out, err


def same(what, got, expected):
    if got != expected:
        fail("%s: JSON says %r, text says %r" % (what, got, expected))


def blank(value):
    return "" if value is None else value


def check_lunar():
    for date in ["2013-9-21", "2020-6-21", "1900-01-31", "2100-12-31", "1900-1-1"]:
        (o,) = as_json("lunar", [date])
        f = as_text("lunar", [date])[0].rstrip("\n").split("\t")
        lunar = o["lunar"] or {"year": 0, "month": 0, "day": 0, "leap": False, "text": ""}
        same("lunar " + date,
             [o["date"], lunar["year"], lunar["month"], lunar["day"], lunar["leap"], lunar["text"]],
             [f[0], int(f[1]), int(f[2]), int(f[3]), f[4] == "1", f[5]])


def check_solar():
    for date in ["2013-8-17", "2020-4-1L", "2020-4-1", "2020-4-30", "2013-13-1"]:
        (o,) = as_json("solar", [date])
        text = as_text("solar", [date])[0].strip()
        same("solar " + date, o["date"] or "0001-01-01", text)


def check_terms():
    for args in (["2013"], ["1900"], ["2100"], ["2023", "2025"]):
        objects = as_json("terms", args)
        lines = as_text("terms", args)[0].splitlines()
        got = []
        for o in objects:
            for t in o["terms"]:
                got.append(t["name"] + "\t" + t["instant"][:19].replace("T", " "))
                if not t["instant"].endswith("+08:00"):
                    fail("terms %s: %s not in Beijing time" % (args, t["instant"]))
        same("terms " + " ".join(args), got, lines)
        same("terms %s years" % args, [o["year"] for o in objects],
             list(range(int(args[0]), int(args[-1]) + 1)))


def check_jq():
    for year in ["2013", "1950", "1899"]:
        (o,) = as_json("jq", [year])
        lines = as_text("jq", [year])[0].splitlines()
        same("jq " + year, [j["name"] + "\t" + j["instant"][:19].replace("T", " ") for j in o["jie"]], lines)


def check_calendar_day():
    for date in ["2013-9-21", "2013-2-10", "2020-5-23", "2013-10-1", "1900-1-1", "2051-1-1"]:
        (o,) = as_json("calendar-day", [date])
        f = as_text("calendar-day", [date])[0].rstrip("\n").split("\t")
        same("calendar-day " + date,
             [str(o["lunar_code"])] + [blank(o[k]) for k in ("lunar_month", "lunar_day", "lunar_festival",
                                                            "solar_term", "solar_festival", "zodiac",
                                                            "constellation")], f)
        if o["lunar"] is not None:
            code = o["lunar"]["month"] * 100 + o["lunar"]["day"]
            same("calendar-day %s code" % date, -code if o["lunar"]["leap"] else code, o["lunar_code"])


def check_month():
    for args in (["2013", "9", "--day", "21"], ["2020", "2"], ["2023", "12", "--day", "31"], ["1901", "1"]):
        (o,) = as_json("month", args)
        lines = as_text("month", args)[0].splitlines()
        same("month %s heading" % args, lines[0],
             "%d年%d月  %s  %d日 %s" % (o["year"], o["month"], o["zodiac"], o["selected_day"], o["constellation"]))
        numbers, texts = [], []
        for i in range(2, len(lines), 2):
            numbers += lines[i].split()
            texts += lines[i + 1].split()
        same("month %s days" % args, numbers,
             ["[%d]" % d["day"] if d["selected"] else str(d["day"]) for d in o["days"]])
        same("month %s texts" % args, texts, [d["text"] for d in o["days"] if d["text"]])
        same("month %s length" % args, len(o["days"]), o["days_in_month"])


BIRTHS = [["2013-9-21", "10", "30", "男"], ["1985-6-15", "23", "5", "女"], ["2000-2-4", "20", "0", "男"],
          ["1900-1-31", "0", "0", "女"], ["2100-12-31", "12", "59", "男"]]
SOLAR = [["--place", "乌鲁木齐"], ["--longitude", "116.4", "--fold", "second"]]


def pillar(p):
    return p["stem"] + p["branch"]


def check_bazi():
    for birth in BIRTHS + [BIRTHS[0] + SOLAR[0], ["1986-9-14", "1", "30", "女"] + SOLAR[1]]:
        (o,) = as_json("bazi", birth)
        f = as_text("bazi", birth)[0].rstrip("\n").split("\t")
        p = o["pillars"]
        same("bazi %s" % birth, [
            pillar(p["year"]), pillar(p["month"]), pillar(p["day"]), pillar(p["hour"]),
            "1" if o["before_jie"] else "0", "1" if o["luck_direction"] == "backward" else "0",
            str(o["start_age"]), pillar(o["fetal_origin"]), " ".join(pillar(x) for x in o["luck_pillars"]),
            "|".join("".join(o["hidden_stems"][k]) for k in ("year", "month", "day", "hour"))], f)
        if ("--place" in birth or "--longitude" in birth) and o["solar_time"] is None:
            fail("bazi %s: no solar_time" % birth)


def check_shensha():
    for birth in BIRTHS[:4] + [BIRTHS[1] + SOLAR[0]]:
        (o,) = as_json("shensha", birth)
        lines = as_text("shensha", birth)[0].splitlines()
        same("shensha %s" % birth, [o["pillars"][k]["line"] for k in ("year", "month", "day", "hour")], lines)
        same("shensha %s names" % birth, o["names"],
             [n for k in ("year", "month", "day", "hour") for n in o["pillars"][k]["names"]])
        for k in ("year", "month", "day", "hour"):
            for n in o["pillars"][k]["names"]:
                if n not in o["pillars"][k]["line"]:
                    fail("shensha %s: %s not on the %s line" % (birth, n, k))


def check_block():
    for birth in BIRTHS[:4]:
        (o,) = as_json("block", birth)
        text = as_text("block", birth)[0]
        same("block %s" % birth, o["text"], text)
        same("block %s fetal origin" % birth, text.splitlines()[0],
             "胎元：%s(%s)" % (pillar(o["chart"]["fetal_origin"]), o["block"]["fetal_nayin"]))
        same("block %s nayin" % birth, "纳音：" + " ".join(o["block"]["nayin"][k] for k in ("year", "month", "day", "hour")),
             [line for line in text.splitlines() if line.startswith("纳音：")][0])


PERSON = ["--name", "张三", "--year", "1985", "--month", "6", "--day", "15", "--hour", "10", "--minute", "30"]
LUNAR_PERSON = ["--name", "李四", "--calendar", "lunar", "--year", "1987", "--month", "2", "--day", "9",
                "--hour", "子 23"]


def check_person_report(command):
    cases = [PERSON, PERSON + ["--sex", "女"], LUNAR_PERSON, PERSON + ["--place", "乌鲁木齐"], []]
    for args in cases:
        (o,) = as_json(command, args)
        text = as_text(command, args)[0]
        same("%s %s" % (command, args), o["text"], text)
        same("%s %s complete" % (command, args), o["complete"], True)
        if o["facts"]["lunar"]["text"] not in text:
            fail("%s %s: the lunar date %s is not in the text" % (command, args, o["facts"]["lunar"]["text"]))
        if command == "chart":
            p = o["chart"]["pillars"]
            if "八字：" + "   ".join(pillar(p[k]) for k in ("year", "month", "day", "hour")) not in text:
                fail("chart %s: the pillars are not in the text" % args)
            if o["chart"]["personality"] not in text:
                fail("chart %s: the personality is not in the text" % args)
        else:
            for topic in o["topics"].values():
                if topic.splitlines()[0] not in text:
                    fail("constellation %s: a topic is not in the text" % args)
    # A notice: the same exit code, the notice in the object, nothing made.
    args = ["--hour", " "]
    (o,) = as_json(command, args, code=2)
    err = as_text(command, args, code=2)[1].strip()
    same("%s notice" % command, o.get("notice"), err)
    same("%s notice text" % command, o["text"], "")


COUPLE = ["--man-name", "张三", "--man-year", "1985", "--man-month", "6", "--man-day", "15", "--man-hour", "10",
          "--man-minute", "30", "--woman-name", "李四", "--woman-year", "1987", "--woman-month", "3",
          "--woman-day", "8", "--woman-hour", "23", "--woman-minute", "5"]


def check_marriage():
    for args in [COUPLE, COUPLE + ["--man-place", "乌鲁木齐"],
                 ["--man-name", "王五", "--man-calendar", "lunar", "--man-year", "1990", "--woman-name", "赵六",
                  "--woman-year", "1992", "--woman-month", "12", "--woman-day", "31"]]:
        (o,) = as_json("marriage", args)
        text = as_text("marriage", args)[0]
        same("marriage %s" % args, o["text"], text)
        same("marriage %s complete" % args, o["complete"], True)
        for side in ("man", "woman"):
            party = o[side]
            if "八字：" + "   ".join(pillar(party["chart"]["pillars"][k])
                                    for k in ("year", "month", "day", "hour")) not in text:
                fail("marriage %s: the %s's pillars are not in the text" % (args, side))
            if party["chart"]["bone_weight"]["weight"] not in text:
                fail("marriage %s: the %s's bone weight is not in the text" % (args, side))
        for name in o["comparison"]["shared_shensha"]:
            if name not in text.split("共同神煞")[-1] and name not in text:
                fail("marriage %s: shared %s not in the text" % (args, name))
    # --output beside --json: the file holds the report's text, stdout the object.
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "report.txt")
        (o,) = as_json("marriage", COUPLE + ["--output", path])
        with open(path, encoding="utf-8") as f:
            same("marriage --output under --json", f.read(), o["text"])
        rc, out, _ = run(["marriage"] + COUPLE + ["--json", "--quiet"])
        same("marriage --json --quiet", (rc, out), (0, ""))
    # A notice after the man's section: his section and the notice, exit 2.
    args = ["--man-name", "甲"]
    (o,) = as_json("marriage", args, code=2)
    text, err = as_text("marriage", args, code=2)
    same("marriage notice", o.get("notice"), err.strip())
    same("marriage notice partial text", o["text"], text)
    same("marriage notice focus", o.get("focus"), "woman_name")
    same("marriage notice sections", (o["man"] is not None, o["woman"]), (True, None))
    # A notice before anything: nothing made.
    (o,) = as_json("marriage", [], code=2)
    same("marriage first notice", (o.get("notice"), o["man"], o["text"]), ("男方姓名不能为空!", None, ""))
    # An error after the man's section: exit 1 and the error in the object.
    args = ["--man-name", "甲", "--woman-name", "乙", "--woman-year", "2013", "--woman-month", "2",
            "--woman-day", "30"]
    (o,) = as_json("marriage", args, code=1)
    text, err = as_text("marriage", args, code=1)
    same("marriage error", o.get("error"), err.strip())
    same("marriage error partial text", o["text"], text)


LICHUN = "出生时刻距立春仅 5 分钟，月柱取决于准确时刻"


def check_warnings():
    # 立春 2024 fell at 16:27 Beijing time: 16:22 warns, 15:57 does not; the
    # object holds what standard error tells.
    for hour, minute, expected in (("16", "22", [LICHUN]), ("15", "57", [])):
        birth = ["2024-02-04", hour, minute, "男"]
        for command in ("bazi", "shensha", "block"):
            (o,) = as_json(command, birth)
            same("%s %s warnings" % (command, birth), o["warnings"], expected)
            same("%s %s warnings on stderr" % (command, birth), as_text(command, birth)[1].splitlines(), expected)
        person = ["--year", "2024", "--month", "2", "--day", "4", "--hour", hour, "--minute", minute]
        (o,) = as_json("chart", person)
        same("chart %s warnings" % person, o["warnings"], expected)
        same("chart %s warnings on stderr" % person, as_text("chart", person)[1].splitlines(), expected)
        couple = ["--man-name", "甲", "--man-hour", "12", "--woman-name", "乙", "--woman-year", "2024",
                  "--woman-month", "2", "--woman-day", "4", "--woman-hour", hour, "--woman-minute", minute]
        (o,) = as_json("marriage", couple)
        same("marriage %s warnings" % couple, o["warnings"], ["女方：" + w for w in expected])
        same("marriage %s warnings on stderr" % couple, as_text("marriage", couple)[1].splitlines(),
             o["warnings"])
    # The constellation report casts no chart: none, but the field is there.
    (o,) = as_json("constellation", ["--year", "2024", "--month", "2", "--day", "4", "--hour", "16", "--minute", "22"])
    same("constellation warnings", o["warnings"], [])
    # A report that stopped: its notice and no warnings.
    (o,) = as_json("chart", ["--hour", " "], code=2)
    same("chart notice warnings", o["warnings"], [])
    # From "-": each object the warnings of its own line.
    objects = as_json("bazi", ["-"], stdin="2024-02-04 15 57 男\n2024-02-04 16 22 女\n")
    same("bazi - warnings", [(o["line"], o["warnings"]) for o in objects], [(1, []), (2, [LICHUN])])


def check_number():
    cases = [("qq", "81"), ("qq", "123456789012345678"), ("any", "-1"), ("any", "0082"),
             ("mobile", "13912345678"), ("mobile", "13912340080"), ("mobile", "139")]
    for kind, number in cases:
        (o,) = as_json("number", ["--kind", kind, number])
        lines = as_text("number", ["--kind", kind, number])[0].rstrip("\n").split("\n")
        f = o["fields"]
        same("number %s %s" % (kind, number), [f["number"], f["state"], f["luck"], f["description"]], lines)
        same("number %s %s kind" % (kind, number), o["kind"], kind)
        if o["source"] in ("table", "mobile_row"):
            same("number %s %s state" % (kind, number), [o["state"], o["luck"]], [f["state"], f["luck"]])
    (o,) = as_json("number", ["--kind", "qq", ""], code=2)
    same("number notice", o.get("notice"), as_text("number", ["--kind", "qq", ""], code=2)[1].strip())
    (o,) = as_json("number", ["--kind", "qq", "12a"], code=1)
    same("number error", o.get("error"), as_text("number", ["--kind", "qq", "12a"], code=1)[1].strip())
    # JSON Lines from "-": one object per line, failures included.
    objects = as_json("number", ["--kind", "any", "-"], stdin="81\n\n12a\n7\n", code=2)
    same("number - lines", [o.get("line") for o in objects], [1, 2, 3, 4])
    same("number - kinds", ["notice" in objects[1], "error" in objects[2], objects[3]["row"]], [True, True, 7])


def check_netname():
    for name in ["张三", "abc", "Tom", "李9", "①", "王㐀"]:
        (o,) = as_json("netname", [name])
        lines = as_text("netname", [name])[0].rstrip("\n").split("\n")
        same("netname " + name, [o["name_line"], o["phrase_line"]], lines)
        same("netname %s phrase" % name, o["phrase_line"], "你的性格：" + blank(o["phrase"]))
    (o,) = as_json("netname", [" "], code=2)
    same("netname notice", o.get("notice"), "请输入你的网名！")


def check_places():
    for prefix in ["乌", "北京", "香港", "台", "zz"]:
        objects = as_json("places", [prefix])
        names = as_text("places", [prefix])[0].splitlines()
        same("places " + prefix, [o["name"] for o in objects], names)


def check_solartime():
    for args in (["2000-06-15", "12:00", "--longitude", "87.62"],
                 ["1986-08-06", "08:30", "--longitude", "87.62"],
                 ["1986-09-14", "01:30", "--longitude", "116.4", "--fold", "second"],
                 ["2000-01-01", "00:00", "--place", "乌鲁木齐"],
                 ["2000-06-15", "12:00", "--longitude", "-74", "--zone", "America/New_York"]):
        (o,) = as_json("solartime", args)
        text = as_text("solartime", args)[0]
        same("solartime %s" % args, o["text"], text)
        s = o["seconds"]
        same("solartime %s total" % args, s["summer"] + s["longitude"] + s["equation"], s["total"])
        if o["true_solar_time"].replace("T", " ") not in text:
            fail("solartime %s: %s not in the text" % (args, o["true_solar_time"]))
    (o,) = as_json("solartime", ["1986-05-04", "02:30", "--longitude", "116.4"], code=2)
    same("solartime gap", "notice" in o, True)


def check_choose_day():
    args = ["--from", "2027-01-01", "--to", "2027-06-30", "--man-year", "1998", "--man-month", "3", "--man-day", "5",
            "--woman-year", "2000", "--woman-month", "7", "--woman-day", "9", "--limit", "5"]
    (o,) = as_json("choose-day", args)
    text = as_text("choose-day", args)[0].splitlines()
    same("choose-day days", len(o["days"]), 5)
    for day, line in zip(o["days"], text[6:]):
        same("choose-day line %d" % day["rank"], line.split(" ")[1], day["date"])
        same("choose-day reasons %d" % day["rank"], line.endswith("；".join(day["reasons"])), True)
    (o,) = as_json("choose-day", args + ["--explain", "2027-05-29"])
    same("choose-day --explain", (o["explain"]["chosen"], o["explanation"]),
         (False, as_text("choose-day", args + ["--explain", "2027-05-29"])[0].strip()))
    (o,) = as_json("choose-day", ["--activity", "飞升"], code=2)
    same("choose-day notice", o.get("notice"), "未知的事项：“飞升”。")


def check_failures():
    # Usage errors: an error object, exit 2, as in text.
    for command, args in [("lunar", []), ("terms", ["1899"]), ("jq", ["20x3"]), ("month", ["2013", "13"]),
                          ("bazi", ["1", "2"]), ("chart", ["--nosuch", "x"]), ("solartime", ["2000-1-1", "12:00"])]:
        (o,) = as_json(command, args, code=2)
        if "error" not in o:
            fail("%s %s: no error object" % (command, args))
        as_text(command, args, code=2)
    # Notices.
    (o,) = as_json("bazi", ["2013-2-30", "1", "1", "男"], code=2)
    same("bazi notice", o.get("notice"), "请检查输入数据是否出错！")
    # A batch line that fails keeps its place.
    objects = as_json("bazi", ["-"], stdin="2013-9-21 10 30 男\n2013-2-30 1 1 男\n1 2\n", code=2)
    same("bazi - lines", [(o.get("line"), "pillars" in o, o.get("notice") is not None, "error" in o)
                          for o in objects],
         [(1, True, False, False), (2, False, True, False), (3, False, False, True)])
    # A call that goes wrong before any command runs answers in JSON too.
    for args in (["nosuch", "--json"], ["--json"], ["--bogus", "--json", "lunar", "2013-9-21"]):
        rc, out, _ = run(args)
        o = json.loads(out or "null")
        if rc != 2 or not isinstance(o, dict) or "error" not in o or list(validator("lunar").iter_errors(o)):
            fail("%s: exit %d, %r" % (args, rc, out))
    # --json ignores --encoding: the output stays UTF-8.
    rc, out, _ = run(["--encoding", "gbk", "--json", "lunar", "2013-9-21"])
    same("--encoding gbk --json", json.loads(out)["lunar"]["text"], "癸巳(蛇年)八月十七")


def check_almanac():
    # One object a day; its text is the page the text form prints.
    for args in (["2013-09-21"], ["2023-03-20", "2023-03-23"], ["2026-12-10", "--explain"]):
        objects = as_json("almanac", args)
        pages = as_text("almanac", [a for a in args if a != "--explain"])[0]
        same("almanac %s text" % args, "\n".join(o["text"] for o in objects) + "\n", pages)
        for o in objects:
            suits = o["text"].split("\n")[14][len("宜:"):].split(" ")
            if not o["all_forbidden"] and o["suits"]:
                same("almanac %s suits" % o["date"], o["suits"], [w for w in suits if w != "馀事勿取"])
    explained = as_json("almanac", ["2026-12-10", "--explain"])[0]
    same("almanac 2026-12-10 settlement", explained["settlement"], "诸事皆忌")
    same("almanac 2026-12-10 reasons", [r["word"] for r in explained["reasons"]], ["诸事不宜", "诸事不宜"])
    # -: JSON Lines, each with the line it answers; a bad line is a notice object.
    objects = as_json("almanac", ["-"], "2013-09-21\n2100-12-31\n2101-01-01\n", code=2)
    same("almanac - lines", [o.get("line") for o in objects], [1, 2, 3])
    same("almanac - notice", "notice" in objects[2], True)


for check in [check_almanac, check_lunar, check_solar, check_terms, check_jq, check_calendar_day, check_month, check_bazi,
              check_shensha, check_block, lambda: check_person_report("chart"),
              lambda: check_person_report("constellation"), check_marriage, check_warnings, check_number, check_netname,
              check_places, check_solartime, check_choose_day, check_failures]:
    check()

print("%d failures; %d schemas used" % (len(failures), len(validators)))
sys.exit(1 if failures or len(validators) != 18 else 0)
