#!/usr/bin/env python3
"""Writes the JSON Schemas (draft 2020-12) of vantrel-cli --json, one file per
command, into docs/schema. The shared pieces (a pillar, a date, a birth...)
are defined once here and copied into each schema's $defs, so that every
file stands alone for any validator.

    make_schemas.py [--check] [DIR]

--check compares the files in DIR with what would be written and fails when
they differ (the test suite runs it, so the published files never drift).
"""
import json
import os
import sys

VERSION = 1
BASE = "https://vantrel.invalid/schema/v%d/" % VERSION


def obj(props, required=None, extra=False):
    """An object with exactly these properties (all required by default)."""
    return {
        "type": "object",
        "properties": props,
        "required": list(props) if required is None else required,
        "additionalProperties": extra,
    }


def ref(name):
    return {"$ref": "#/$defs/" + name}


def nullable(schema):
    return {"anyOf": [schema, {"type": "null"}]}


def array(items, n=None):
    s = {"type": "array", "items": items}
    if n is not None:
        s["minItems"] = n
        s["maxItems"] = n
    return s


def enum(*words):
    return {"type": "string", "enum": list(words)}


STR = {"type": "string"}
INT = {"type": "integer"}
BOOL = {"type": "boolean"}
NUM = {"type": "number"}
CHAR = {"type": "string", "minLength": 1, "maxLength": 1}
VERSION_PROP = {"const": VERSION, "description": "the schema version"}
LINE_PROP = {"type": "integer", "minimum": 1, "description": "with \"-\": the line of standard input answered"}

DEFS = {
    "date": {"type": "string", "pattern": r"^\d{4}-\d{2}-\d{2}$", "description": "ISO 8601 date"},
    "instant": {
        "type": "string",
        "pattern": r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}[+-]\d{2}:\d{2}(:\d{2})?$",
        "description": "ISO 8601 date and time with its UTC offset (seconds only in a local mean time of old)",
    },
    "utc": {"type": "string", "pattern": r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}Z$", "description": "the instant in UTC"},
    "local_time": {
        "type": "string",
        "pattern": r"^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}$",
        "description": "a local reading without an offset (true solar time)",
    },
    "stem": enum(*"甲乙丙丁戊己庚辛壬癸"),
    "branch": enum(*"子丑寅卯辰巳午未申酉戌亥"),
    "pillar": obj({"stem": ref("stem"), "branch": ref("branch")}),
    "four": None,  # filled below per item schema
    "lunar_date": nullable(
        obj(
            {
                "year": INT,
                "month": {"type": "integer", "minimum": 1, "maximum": 12},
                "day": {"type": "integer", "minimum": 1, "maximum": 30},
                "leap": BOOL,
                "year_pillar": ref("pillar"),
                "animal": STR,
                "month_name": STR,
                "day_name": STR,
                "text": STR,
            }
        )
    ),
    "notice": obj({"version": VERSION_PROP, "line": LINE_PROP, "notice": STR}, ["version", "notice"]),
    "error": obj({"version": VERSION_PROP, "line": LINE_PROP, "error": STR}, ["version", "error"]),
    "solar_time": obj(
        {
            "place": obj({"name": STR, "longitude": NUM, "zone": STR}),
            "clock": ref("instant"),
            "clock_utc": ref("utc"),
            "fold": enum("first", "second"),
            "summer_time": BOOL,
            "ambiguous": BOOL,
            "seconds": obj({"summer": INT, "longitude": INT, "equation": INT, "total": INT}),
            "true_solar_time": ref("local_time"),
            "birth": ref("local_time"),
            "hour": {"type": "integer", "minimum": 0, "maximum": 23},
            "hour_item": STR,
            "report_line": STR,
        }
    ),
}


def four(item):
    return obj({"year": item, "month": item, "day": item, "hour": item})


DEFS.pop("four")
DEFS["chart_result"] = {
    "pillars": four(ref("pillar")),
    "before_jie": BOOL,
    "luck_direction": enum("forward", "backward"),
    "start_age": {"type": "integer", "minimum": 0},
    "fetal_origin": ref("pillar"),
    "luck_pillars": array(ref("pillar"), 10),
    "hidden_stems": four(array(ref("stem"))),
    "personality": STR,
}
DEFS["chart_block"] = obj(
    {
        "solar_year": INT,
        "lunar_year": INT,
        "fetal_nayin": STR,
        "ten_gods": obj({"year": STR, "month": STR, "hour": STR}),
        "hidden_stems": four(array(obj({"stem": STR, "ten_god": STR}))),
        "elements": four(STR),
        "nayin": four(STR),
    }
)
DEFS["shensha"] = {
    "pillars": four(obj({"line": STR, "names": array(STR)})),
    "names": array(STR),
}
DEFS["bone_weight"] = obj({"weight": STR, "poem": STR, "meaning": STR})
DEFS["person_chart"] = obj(
    dict(
        DEFS["chart_result"],
        block=nullable(ref("chart_block")),
        shensha=nullable(obj(DEFS["shensha"])),
        bone_weight=nullable(ref("bone_weight")),
        personality=nullable(STR),
    )
)
DEFS["person_facts"] = obj(
    {
        "solar_date": nullable(ref("date")),
        "lunar": ref("lunar_date"),
        "animal": STR,
        "constellation": STR,
        "hour": nullable(INT),
        "minute": nullable(INT),
        "age": INT,
        "solar_time_line": nullable(STR),
    }
)
DEFS["birth"] = obj(
    {
        "date": ref("date"),
        "hour": {"type": "integer", "minimum": 0, "maximum": 23},
        "minute": {"type": "integer", "minimum": 0, "maximum": 59},
        "sex": enum("man", "woman"),
    }
)

# The definitions each command's schema needs besides notice and error.
NEEDS = {
    "pillar": ["stem", "branch"],
    "lunar_date": ["pillar"],
    "solar_time": ["instant", "utc", "local_time"],
    "chart_block": [],
    "person_chart": ["pillar", "chart_block", "bone_weight"],
    "person_facts": ["date", "lunar_date"],
    "birth": ["date"],
}


def closure(names):
    seen = []
    todo = list(names) + ["notice", "error"]
    while todo:
        n = todo.pop()
        if n in seen:
            continue
        seen.append(n)
        todo.extend(NEEDS.get(n, []))
    return {n: DEFS[n] for n in sorted(seen)}


def result(props, required=None):
    p = {"version": VERSION_PROP, "line": LINE_PROP}
    p.update(props)
    req = ["version"] + (list(props) if required is None else required)
    return obj(p, req)


WARNINGS = {
    "type": "array",
    "items": STR,
    "description": "the boundary notices of the birth moment (within 15 minutes of a jie, of a double-hour"
    " boundary or of midnight) as standard error tells them, in the marriage report after 男方： or 女方：;"
    " empty when none",
}


def birth_result(extra):
    p = {"birth": ref("birth"), "solar_time": nullable(ref("solar_time"))}
    p.update(extra)
    p["warnings"] = WARNINGS
    return result(p)


REPORT_COMMON = {
    "notice": STR,
    "error": STR,
    "text": {"type": "string", "description": "the report as the text output prints it, each line ending in \\n"},
}

COMMANDS = {
    "lunar": (
        "The lunar date of a Gregorian date.",
        result({"date": ref("date"), "lunar": ref("lunar_date")}),
        ["date", "lunar_date"],
    ),
    "solar": (
        "The Gregorian date of a lunar date; date is null when the lunar date does not exist.",
        result(
            {
                "lunar": obj({"year": INT, "month": INT, "day": INT, "leap": BOOL}),
                "date": nullable(ref("date")),
            }
        ),
        ["date"],
    ),
    "terms": (
        "The 24 solar terms of a year, one object per year.",
        result(
            {
                "year": INT,
                "terms": array(
                    obj(
                        {
                            "index": {"type": "integer", "minimum": 0, "maximum": 23},
                            "name": STR,
                            "kind": enum("jie", "qi"),
                            "instant": ref("instant"),
                            "utc": ref("utc"),
                        }
                    ),
                    24,
                ),
            }
        ),
        ["instant", "utc"],
    ),
    "jq": (
        "The jie instants of a year as stored in the second data file.",
        result({"year": INT, "jie": array(obj({"name": STR, "instant": ref("instant")}))}),
        ["instant"],
    ),
    "month": (
        "A month of the month calendar.",
        result(
            {
                "year": INT,
                "month": {"type": "integer", "minimum": 1, "maximum": 12},
                "selected_day": INT,
                "days_in_month": INT,
                "zodiac": STR,
                "constellation": STR,
                "days": array(
                    obj(
                        {
                            "date": ref("date"),
                            "day": INT,
                            "weekday": enum(
                                "sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"
                            ),
                            "row": INT,
                            "cell": {"type": "integer", "minimum": 1, "maximum": 37},
                            "text": STR,
                            "source": enum(
                                "lunar_day", "lunar_month", "solar_festival", "solar_term", "lunar_festival"
                            ),
                            "colour": {"type": "string", "pattern": "^#[0-9A-F]{6}$"},
                            "selected": BOOL,
                        }
                    )
                ),
            }
        ),
        ["date"],
    ),
    "calendar-day": (
        "The month calendar's texts of a day; texts a day lacks are null.",
        result(
            {
                "date": ref("date"),
                "in_tables": BOOL,
                "lunar_code": INT,
                "lunar": nullable(obj({"month": INT, "day": INT, "leap": BOOL})),
                "lunar_month": nullable(STR),
                "lunar_day": nullable(STR),
                "lunar_festival": nullable(STR),
                "solar_term": nullable(STR),
                "solar_festival": nullable(STR),
                "zodiac": nullable(STR),
                "constellation": nullable(STR),
            }
        ),
        ["date"],
    ),
    "bazi": (
        "The Four Pillars chart of a birth.",
        birth_result(DEFS["chart_result"]),
        ["birth", "solar_time", "pillar"],
    ),
    "shensha": (
        "The shensha of a birth's four pillars.",
        birth_result(DEFS["shensha"]),
        ["birth", "solar_time"],
    ),
    "block": (
        "The chart text block of a birth.",
        birth_result({"chart": obj(DEFS["chart_result"]), "block": ref("chart_block"), "text": STR}),
        ["birth", "solar_time", "pillar", "chart_block"],
    ),
    "chart": (
        "The single-person chart report. A report that stopped carries its notice or error.",
        obj(
            dict(
                {"version": VERSION_PROP},
                kind={"const": "chart"},
                complete=BOOL,
                name=STR,
                facts=nullable(ref("person_facts")),
                chart=nullable(ref("person_chart")),
                warnings=WARNINGS,
                **REPORT_COMMON,
            ),
            ["version", "kind", "complete", "name", "facts", "chart", "warnings", "text"],
        ),
        ["person_facts", "person_chart"],
    ),
    "constellation": (
        "The constellation report of one person. A report that stopped carries its notice or error.",
        obj(
            dict(
                {"version": VERSION_PROP},
                kind={"const": "constellation"},
                complete=BOOL,
                name=STR,
                facts=nullable(ref("person_facts")),
                topics=nullable(obj({"emotional_intelligence": STR, "love_and_strength": STR, "famous_people": STR})),
                warnings=WARNINGS,
                **REPORT_COMMON,
            ),
            ["version", "kind", "complete", "name", "facts", "topics", "warnings", "text"],
        ),
        ["person_facts"],
    ),
    "marriage": (
        "The marriage-matching report. A report that stopped carries its notice (and the name field to"
        " correct) or error, with the sections made before it.",
        obj(
            dict(
                {"version": VERSION_PROP},
                complete=BOOL,
                names=obj({"man": STR, "woman": STR}),
                man=nullable(ref("party")),
                woman=nullable(ref("party")),
                comparison=nullable(
                    obj(
                        {
                            "life_palace": obj({"man": ref("branch"), "woman": ref("branch")}),
                            "life_group": obj({"man": enum("east", "west"), "woman": enum("east", "west")}),
                            "life_gua_match": nullable(STR),
                            "element_match": nullable(STR),
                            "zodiac": array(obj({"animal": STR, "texts": array(STR, 6)})),
                            "shared_shensha": array(STR),
                        }
                    )
                ),
                warnings=WARNINGS,
                focus=enum("none", "man_name", "woman_name"),
                **REPORT_COMMON,
            ),
            ["version", "complete", "names", "man", "woman", "comparison", "warnings", "text"],
        ),
        ["party"],
    ),
    "number": (
        "The fortune of a mobile, QQ or any number.",
        result(
            {
                "kind": enum("mobile", "qq", "any"),
                "number": STR,
                "source": enum("table", "mobile_row", "no_mobile_row", "super_luck"),
                "row": INT,
                "state": STR,
                "luck": STR,
                "luck_level": nullable(enum("good", "bad", "good_with_bad", "bad_with_good", "super")),
                "type": nullable({"type": "integer", "minimum": 1, "maximum": 9}),
                "description": STR,
                "fields": obj({"number": STR, "state": STR, "luck": STR, "description": STR}),
            }
        ),
        [],
    ),
    "netname": (
        "The personality read from a net name.",
        result(
            {
                "name": STR,
                "initials": STR,
                "letter": nullable({"type": "string", "pattern": "^[a-z]$"}),
                "phrase": nullable(STR),
                "unreadable": BOOL,
                "name_line": STR,
                "phrase_line": STR,
            }
        ),
        [],
    ),
    "places": (
        "A known birthplace, one object per place.",
        result({"name": STR, "province": STR, "longitude": NUM, "latitude": NUM, "zone": STR}),
        [],
    ),
    "solartime": (
        "The true solar time of a clock time of birth.",
        {
            "allOf": [
                ref("solar_time"),
            ]
        },
        ["solar_time"],
    ),
}

DEFS["party"] = obj(
    {
        "name": STR,
        "facts": ref("person_facts"),
        "life_gua": nullable(STR),
        "year_element": nullable(STR),
        "animal_element": nullable(STR),
        "chart": nullable(ref("person_chart")),
    }
)
NEEDS["party"] = ["person_facts", "person_chart", "branch"]

# almanac: one object a day (JSON Lines for a range or -).
GRADE = enum("上", "上次", "中", "中次", "下", "下下")
SETTLEMENT = enum("从宜不从忌", "从宜亦从忌", "从忌不从宜", "诸事皆忌")
COMMANDS["almanac"] = (
    "The almanac of a day: its pillars, officer and spirits, what it suits and forbids "
    "(glossary words; where none suits, the lesser business the day still suits), its grade "
    "and settlement, and the page as text; with --explain "
    "the reason of each word.",
    result(
        {
            "date": ref("date"),
            "lunar": ref("lunar_date"),
            "lunar_text": STR,
            "pillars": obj({"year": ref("pillar"), "month": ref("pillar"), "day": ref("pillar")}),
            "nayin": STR,
            "officer": enum("建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"),
            "road_spirit": enum("青龙", "明堂", "天刑", "朱雀", "金匮", "天德", "白虎", "玉堂", "天牢", "玄武",
                                "司命", "勾陈"),
            "yellow_road": BOOL,
            "fetal_god": STR,
            "clash": STR,
            "pengzu": STR,
            "good_spirits": array(STR),
            "bad_spirits": array(STR),
            "suits": {**array(STR), "description": "the glossary's words; on a day that suits none of them, "
                      "the household's lesser business it does suit (沐浴, 扫舍宇 ...)"},
            "forbids": array(STR),
            "all_forbidden": {"type": "boolean", "description": "诸事皆忌: both lines say 诸事不宜"},
            "rest_omitted": {"type": "boolean", "description": "the 宜 line ends in 馀事勿取"},
            "grade": nullable(GRADE),
            "settlement": SETTLEMENT,
            "text": {"type": "string", "description": "the page as the text output prints it"},
            "reasons": array(
                obj(
                    {
                        "line": enum("宜", "忌"),
                        "word": STR,
                        "favoured_by": array(STR),
                        "forbidden_by": array(STR),
                        "grade": nullable(GRADE),
                        "virtue": BOOL,
                        "settlement": SETTLEMENT,
                        "decision": STR,
                        "text": STR,
                    }
                )
            ),
        },
        [
            "date", "lunar", "lunar_text", "pillars", "nayin", "officer", "road_spirit", "yellow_road",
            "fetal_god", "clash", "pengzu", "good_spirits", "bad_spirits", "suits", "forbids",
            "all_forbidden", "rest_omitted", "grade", "settlement", "text",
        ],
    ),
    ["date", "lunar_date", "pillar"],
)

# choose-day: the chosen days, or with --explain the judgement of one day.
CHOSEN_DAY = obj(
    {
        "date": ref("date"),
        "rank": nullable({"type": "integer", "minimum": 1}),
        "chosen": BOOL,
        "score": INT,
        "weekday": STR,
        "lunar": ref("lunar_date"),
        "pillar": ref("pillar"),
        "bu_jiang": BOOL,
        "zhou_tang": nullable(enum("夫", "姑", "堂", "翁", "第", "灶", "妇", "厨")),
        "bride_month": nullable(enum("大利月", "小利月", "妨翁姑", "妨父母", "妨夫主", "妨女身")),
        "reasons": array(STR),
    }
)
COMMANDS["choose-day"] = (
    "The days of a range chosen for an activity, best first, with their reasons;"
    " with --explain, one object holding the judgement of that day and its line.",
    result(
        {
            "activity": STR,
            "from": ref("date"),
            "to": ref("date"),
            "options": obj(
                {"not_forbidden_enough": BOOL, "day_branch": BOOL, "xing_hai": BOOL, "popular_rules": BOOL}
            ),
            "people": array(obj({"label": STR, "name": STR, "year": ref("pillar"), "day": ref("pillar")})),
            "examined": INT,
            "chosen_count": INT,
            "days": array(CHOSEN_DAY),
            "explain": CHOSEN_DAY,
            "explanation": STR,
        },
        [],
    ),
    ["date", "lunar_date", "pillar"],
)

# solartime: the correction's fields plus version and text.
COMMANDS["solartime"] = (
    COMMANDS["solartime"][0],
    result(dict(DEFS["solar_time"]["properties"], text=STR)),
    ["instant", "utc", "local_time"],
)


def schema(name, description, body, needs):
    return {
        "$schema": "https://json-schema.org/draft/2020-12/schema",
        "$id": BASE + name + ".schema.json",
        "title": "vantrel-cli " + name + " --json",
        "description": description
        + " Every line of output is one object: a result, or {\"notice\": ...} / {\"error\": ...}.",
        "oneOf": [ref("result"), ref("notice"), ref("error")],
        "$defs": dict(closure(needs), result=body),
    }


def main():
    args = sys.argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    out = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "..", "docs", "schema")
    stale = []
    for name, (description, body, needs) in COMMANDS.items():
        text = json.dumps(schema(name, description, body, needs), ensure_ascii=False, indent=2) + "\n"
        path = os.path.join(out, name + ".schema.json")
        if check:
            try:
                with open(path, encoding="utf-8") as f:
                    if f.read() != text:
                        stale.append(path)
            except OSError:
                stale.append(path)
            continue
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    if stale:
        print("out of date (run tools/schema/make_schemas.py):", *stale, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
