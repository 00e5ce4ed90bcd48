#include "export/json_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "calendar/cn_calendar.h"
#include "calendar/ganzhi.h"
#include "common/datetime.h"
#include "common/pane.h"

namespace vantrel::json {
namespace {

constexpr std::array<const char*, 4> kPillarKeys = {"year", "month", "day", "hour"};

// A reading cut to the second as the text output writes it, as whole
// seconds since 1899-12-30 00:00.
long long WholeSeconds(DateTime value) {
  const CivilDate d = DecodeDate(value);
  const ClockTime t = DecodeTime(value);
  const auto day = static_cast<long long>(EncodeDate(d.year, d.month, d.day));
  return day * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

// The day and the second of the day of a count of seconds.
std::pair<long long, long long> DayAndSecond(long long seconds) {
  long long day = seconds / 86400;
  long long rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --day;
  }
  return {day, rest};
}

// A day number before 1899-12-30 keeps its time of day as the magnitude of
// its fraction: 06:00 on day -2 is -2.25.
DateTime FromWholeSeconds(long long seconds) {
  const auto [day, rest] = DayAndSecond(seconds);
  const DateTime time = static_cast<DateTime>(rest) / 86400.0;
  return day >= 0 ? static_cast<DateTime>(day) + time : static_cast<DateTime>(day) - time;
}

std::string ClockText(long long seconds) {
  const auto [day, rest] = DayAndSecond(seconds);
  const CivilDate d = DecodeDate(static_cast<DateTime>(day));
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02lld:%02lld:%02lld", d.year, d.month, d.day, rest / 3600,
                rest / 60 % 60, rest % 60);
  return buf;
}

std::string OffsetText(long seconds) {
  const long magnitude = std::labs(seconds);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', magnitude / 3600,
                magnitude / 60 % 60);
  // A local mean time of old (Shanghai's +08:05:43 before 1901) keeps its seconds.
  if (magnitude % 60 != 0) std::snprintf(buf + 6, sizeof buf - 6, ":%02ld", magnitude % 60);
  return buf;
}

// The stems of a hidden-stem text, one character each.
Json StemList(std::string_view text) {
  Json stems = Json::array();
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    stems.push_back(std::string(text.substr(i, length)));
    i += length;
  }
  return stems;
}

Json TextOrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

template <typename T, typename F>
Json OptionalJson(const std::optional<T>& value, F&& f) {
  return value ? f(*value) : Json(nullptr);
}

Json TypedNumberJson(const TypedNumber& number) { return number.ok() ? Json(number.Get()) : Json(nullptr); }

std::string FocusWord(EntryFocus focus) {
  switch (focus) {
    case EntryFocus::ManName:
      return "man_name";
    case EntryFocus::WomanName:
      return "woman_name";
    case EntryFocus::None:
      break;
  }
  return "none";
}

std::string SourceWord(CellSource source) {
  switch (source) {
    case CellSource::LunarDay:
      return "lunar_day";
    case CellSource::LunarMonth:
      return "lunar_month";
    case CellSource::SolarFestival:
      return "solar_festival";
    case CellSource::SolarTerm:
      return "solar_term";
    case CellSource::LunarFestival:
      return "lunar_festival";
  }
  return "lunar_day";
}

std::string VerdictSourceWord(NumberVerdictValue::Source source) {
  switch (source) {
    case NumberVerdictValue::Source::Table:
      return "table";
    case NumberVerdictValue::Source::MobileRow:
      return "mobile_row";
    case NumberVerdictValue::Source::NoMobileRow:
      return "no_mobile_row";
    case NumberVerdictValue::Source::SuperLuck:
      return "super_luck";
  }
  return "table";
}

std::string LuckLevelWord(Luck luck) {
  switch (luck) {
    case Luck::Good:
      return "good";
    case Luck::Bad:
      return "bad";
    case Luck::GoodWithBad:
      return "good_with_bad";
    case Luck::BadWithGood:
      return "bad_with_good";
    case Luck::Super:
      return "super";
  }
  return "good";
}

const char* const kWeekdayWords[] = {"sunday",   "monday", "tuesday", "wednesday",
                                     "thursday", "friday", "saturday"};

// The text of a report as its pane holds it, one string with "\n" between lines.
std::string ReportText(const std::string& rendered) {
  TextPane pane;
  pane.SetText(rendered);
  std::string text;
  for (const std::string& line : pane.lines()) text += line + "\n";
  return text;
}

}  // namespace

std::string SexWord(Sex sex) { return sex == Sex::Man ? "man" : "woman"; }

std::string LuckDirectionWord(LuckDirection direction) {
  return direction == LuckDirection::Forward ? "forward" : "backward";
}

Json DateJson(DateTime date) {
  if (date == kNoDate || !IsDateTimeInRange(date)) return nullptr;
  return FormatDate(date);
}

std::string LocalDateTimeText(DateTime value) { return ClockText(WholeSeconds(value)); }

std::string InstantText(DateTime clock, long utcOffsetSeconds) {
  return ClockText(WholeSeconds(clock)) + OffsetText(utcOffsetSeconds);
}

DateTime ToUtc(DateTime clock, long utcOffsetSeconds) {
  return FromWholeSeconds(WholeSeconds(clock) - utcOffsetSeconds);
}

std::string UtcInstantText(DateTime clock, long utcOffsetSeconds) {
  return ClockText(WholeSeconds(clock) - utcOffsetSeconds) + "Z";
}

Json PillarJson(const Pillar& pillar) {
  return {{"stem", pillar.StemText()}, {"branch", pillar.BranchText()}};
}

Json LunarDateJson(const LunarDate& d) {
  if (d.year == 0) return nullptr;
  Json j;
  j["year"] = d.year;
  j["month"] = d.month;
  j["day"] = d.day;
  j["leap"] = d.isLeap;
  j["year_pillar"] = PillarJson(Pillar::FromIndex(CycleIndexOfYear(d.year)));
  j["animal"] = std::string(Branch(CycleIndexOfYear(d.year)).Animal());
  j["month_name"] = LunarMonthName(d.month, d.isLeap);
  j["day_name"] = LunarDayName(d.day);
  j["text"] =
      CycleYearText(CycleIndexOfYear(d.year)) + LunarMonthName(d.month, d.isLeap) + LunarDayName(d.day);
  return j;
}

Json SolarTermsJson(int year) {
  Json terms = Json::array();
  for (int n = 0; n < 24; ++n) {
    const DateTime instant = SolarTermInstant(year, n);
    Json t;
    t["index"] = n;
    t["name"] = std::string(SolarTermNames[static_cast<std::size_t>(n)]);
    // The terms alternate from 小寒: a jie (节) opens a month, a qi (气) lies in its middle.
    t["kind"] = n % 2 == 0 ? "jie" : "qi";
    t["instant"] = InstantText(instant, kBeijingOffsetSeconds);
    t["utc"] = UtcInstantText(instant, kBeijingOffsetSeconds);
    terms.push_back(std::move(t));
  }
  return terms;
}

Json ChartResultJson(const ChartResult& c) {
  Json j;
  j["pillars"] = {{"year", PillarJson(c.yearPillar)},
                  {"month", PillarJson(c.monthPillar)},
                  {"day", PillarJson(c.dayPillar)},
                  {"hour", PillarJson(c.hourPillar)}};
  j["before_jie"] = c.beforeJie;
  j["luck_direction"] = LuckDirectionWord(c.direction);
  j["start_age"] = c.startAge;
  j["fetal_origin"] = PillarJson(c.fetalOrigin);
  Json luck = Json::array();
  for (const Pillar& p : c.luckPillars) luck.push_back(PillarJson(p));
  j["luck_pillars"] = std::move(luck);
  j["hidden_stems"] = {{"year", StemList(c.yearHidden)},
                       {"month", StemList(c.monthHidden)},
                       {"day", StemList(c.dayHidden)},
                       {"hour", StemList(c.hourHidden)}};
  j["personality"] = c.personalityText;
  return j;
}

Json ChartBlockJson(const ChartBlock& b) {
  Json j;
  j["solar_year"] = b.solarYear;
  j["lunar_year"] = b.lunarYear;
  j["fetal_nayin"] = b.fetalNayin;
  j["ten_gods"] = {{"year", b.yearGod}, {"month", b.monthGod}, {"hour", b.hourGod}};
  Json hidden;
  for (std::size_t p = 0; p < 4; ++p) {
    Json cells = Json::array();
    for (const auto& row : b.hidden) {
      if (row[p].stem.empty()) continue;
      cells.push_back({{"stem", row[p].stem}, {"ten_god", row[p].god}});
    }
    hidden[kPillarKeys[p]] = std::move(cells);
  }
  j["hidden_stems"] = std::move(hidden);
  Json elements, nayin;
  for (std::size_t p = 0; p < 4; ++p) {
    elements[kPillarKeys[p]] = b.elements[p];
    nayin[kPillarKeys[p]] = b.nayin[p];
  }
  j["elements"] = std::move(elements);
  j["nayin"] = std::move(nayin);
  return j;
}

Json ShenshaBlockJson(const ShenshaBlock& block) {
  Json pillars;
  for (std::size_t p = 0; p < 4; ++p) {
    pillars[kPillarKeys[p]] = {{"line", block.lines[p]}, {"names", block.pillarNames[p]}};
  }
  return {{"pillars", std::move(pillars)}, {"names", block.names}};
}

Json BoneWeightJson(const BoneWeightLines& lines) {
  return {{"weight", lines.weight}, {"poem", lines.poem}, {"meaning", lines.meaning}};
}

Json PersonFactsJson(const PersonFacts& f) {
  Json j;
  j["solar_date"] = DateJson(f.solarDate);
  j["lunar"] = LunarDateJson(f.lunar);
  j["animal"] = f.animal;
  j["constellation"] = f.constellation;
  j["hour"] = TypedNumberJson(f.hour);
  j["minute"] = TypedNumberJson(f.minute);
  j["age"] = f.age;
  j["solar_time_line"] = OptionalJson(f.correctionLine, [](const std::string& s) { return Json(s); });
  return j;
}

Json PersonChartJson(const PersonChart& c) {
  Json j = ChartResultJson(c.chart);
  j["block"] = OptionalJson(c.block, ChartBlockJson);
  j["shensha"] = OptionalJson(c.shensha, ShenshaBlockJson);
  j["bone_weight"] = OptionalJson(c.boneWeight, BoneWeightJson);
  j["personality"] = OptionalJson(c.personality, [](const std::string& s) { return Json(s); });
  return j;
}

Json MarriageReportJson(const MarriageReport& r) {
  const auto party = [](const MarriageParty& p) {
    Json j;
    j["name"] = p.name;
    j["facts"] = PersonFactsJson(p.facts);
    j["life_gua"] = p.lifeGua ? Json(std::string(LifeGuaNumeral(*p.lifeGua))) : Json(nullptr);
    j["year_element"] = TextOrNull(p.yearElement);
    j["animal_element"] = TextOrNull(p.animalElement);
    j["chart"] = OptionalJson(p.chart, PersonChartJson);
    return j;
  };
  const auto comparison = [](const MarriageComparison& c) {
    Json j;
    j["life_palace"] = {{"man", std::string(c.manPalace.Name())},
                        {"woman", std::string(c.womanPalace.Name())}};
    j["life_group"] = {{"man", c.manEast ? "east" : "west"}, {"woman", c.womanEast ? "east" : "west"}};
    j["life_gua_match"] = TextOrNull(c.lifeGuaMatch);
    j["element_match"] = TextOrNull(c.elementMatch);
    Json zodiac = Json::array();
    for (const ZodiacRow& row : c.zodiac) zodiac.push_back({{"animal", row.animal}, {"texts", row.texts}});
    j["zodiac"] = std::move(zodiac);
    j["shared_shensha"] = c.sharedShensha;
    return j;
  };
  Json j;
  j["complete"] = r.Complete();
  j["names"] = {{"man", r.manName}, {"woman", r.womanName}};
  j["man"] = OptionalJson(r.man, party);
  j["woman"] = OptionalJson(r.woman, party);
  j["comparison"] = OptionalJson(r.comparison, comparison);
  j["warnings"] = r.warnings;
  if (r.notice) {
    j["notice"] = *r.notice;
    j["focus"] = FocusWord(r.focus);
  }
  j["text"] = ReportText(RenderMarriageReport(r));
  return j;
}

Json ChartReportJson(const ChartReport& r) {
  Json j;
  j["kind"] = r.kind == ReportKind::Chart ? "chart" : "constellation";
  j["complete"] = r.Complete();
  j["name"] = r.name;
  j["facts"] = OptionalJson(r.facts, PersonFactsJson);
  if (r.kind == ReportKind::Chart) {
    j["chart"] = OptionalJson(r.chart, PersonChartJson);
  } else {
    j["topics"] = OptionalJson(r.topics, [](const std::array<std::string, 3>& t) {
      return Json{{"emotional_intelligence", t[0]}, {"love_and_strength", t[1]}, {"famous_people", t[2]}};
    });
  }
  j["warnings"] = r.warnings;
  if (r.notice) j["notice"] = *r.notice;
  j["text"] = r.Complete() ? ReportText(RenderChartReport(r)) : std::string();
  return j;
}

Json MonthGridJson(const MonthGrid& g) {
  Json j;
  j["year"] = g.year;
  j["month"] = g.month;
  j["selected_day"] = g.selectedDay;
  j["days_in_month"] = g.daysInMonth;
  j["zodiac"] = g.zodiac;
  j["constellation"] = g.constellation;
  Json days = Json::array();
  for (int day = 1; day <= g.daysInMonth; ++day) {
    const MonthCell& cell = g.CellOfDay(day);
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(cell.colour & 0xFFFFFFu));
    Json d;
    d["date"] = FormatDate(EncodeDate(g.year, g.month, day));
    d["day"] = day;
    d["weekday"] = kWeekdayWords[cell.column];
    d["row"] = cell.row;
    d["cell"] = cell.index;
    d["text"] = cell.text;
    d["source"] = SourceWord(cell.source);
    d["colour"] = colour;
    d["selected"] = cell.index == g.selectedCell;
    days.push_back(std::move(d));
  }
  j["days"] = std::move(days);
  return j;
}

Json CalendarDayJson(DateTime date) {
  const CivilDate c = DecodeDate(date);
  const int code = CnLunarCode(date);
  Json j;
  j["date"] = FormatDate(date);
  j["in_tables"] = CnYearInTables(c.year);
  j["lunar_code"] = code;
  j["lunar"] = code == 0
                   ? Json(nullptr)
                   : Json{{"month", std::abs(code) / 100}, {"day", std::abs(code) % 100}, {"leap", code < 0}};
  j["lunar_month"] = TextOrNull(CnLunarMonthText(date));
  j["lunar_day"] = TextOrNull(CnLunarDayText(date));
  j["lunar_festival"] = TextOrNull(CnLunarFestival(date));
  j["solar_term"] = TextOrNull(CnSolarTermText(date));
  j["solar_festival"] = TextOrNull(CnSolarFestival(c.year, c.month, c.day));
  j["zodiac"] = TextOrNull(CnZodiacText(date));
  j["constellation"] = TextOrNull(CnConstellation(c.month, c.day));
  return j;
}

namespace {

Json Strings(const std::vector<std::string_view>& words) {
  Json list = Json::array();
  for (const std::string_view w : words) list.push_back(std::string(w));
  return list;
}

Json Strings(const std::vector<std::string>& words) {
  Json list = Json::array();
  for (const std::string& w : words) list.push_back(w);
  return list;
}

}  // namespace

Json AlmanacDayJson(const almanac::Day& day, const std::string& text, bool explain) {
  const almanac::AlmanacRow row = almanac::RowOf(day);
  const almanac::DayVerdict& v = day.verdict;
  Json j;
  j["date"] = FormatDate(static_cast<DateTime>(day.dayNumber));
  j["lunar"] = LunarDateJson(day.lunar);
  j["lunar_text"] =
      almanac::AlmanacMonthName(day.lunar.month, day.lunar.isLeap) + LunarDayName(day.lunar.day);
  j["pillars"] = {
      {"year", PillarJson(day.year)}, {"month", PillarJson(day.month)}, {"day", PillarJson(day.day)}};
  j["nayin"] = almanac::NayinName(day.day);
  j["officer"] = std::string(almanac::OfficerName(day.officer));
  j["road_spirit"] = std::string(almanac::RoadSpiritName(day.roadSpirit));
  j["yellow_road"] = almanac::IsYellowRoad(day.roadSpirit);
  j["fetal_god"] = row.tszf;
  j["clash"] = row.cong;
  j["pengzu"] = row.pzbj;
  j["good_spirits"] = Strings(v.goodSpirits);
  j["bad_spirits"] = Strings(v.badSpirits);
  j["suits"] = Strings(v.suits);
  j["forbids"] = Strings(v.forbids);
  // 诸事皆忌: both lines say 诸事不宜 and the lists are empty.
  j["all_forbidden"] = v.settlement == almanac::Settlement::kNothing;
  j["rest_omitted"] = v.restOmitted;
  j["grade"] = v.grade ? Json(std::string(almanac::GradeName(*v.grade))) : Json(nullptr);
  j["settlement"] = std::string(almanac::SettlementName(v.settlement));
  j["text"] = text;
  if (explain) {
    Json reasons = Json::array();
    for (const almanac::WordReason& r : almanac::ExplainDay(day)) {
      Json o;
      o["line"] = r.suits ? "宜" : "忌";
      o["word"] = std::string(r.word);
      o["favoured_by"] = Strings(r.favouredBy);
      o["forbidden_by"] = Strings(r.forbiddenBy);
      o["grade"] = r.grade ? Json(std::string(almanac::GradeName(*r.grade))) : Json(nullptr);
      o["virtue"] = r.virtue;
      o["settlement"] = std::string(almanac::SettlementName(r.settlement));
      o["decision"] = r.decision;
      o["text"] = almanac::ReasonLine(r);
      reasons.push_back(std::move(o));
    }
    j["reasons"] = std::move(reasons);
  }
  return j;
}

Json NumberVerdictJson(const NumberVerdictValue& v) {
  Json j;
  j["number"] = v.number;
  j["source"] = VerdictSourceWord(v.source);
  j["row"] = v.row;
  j["state"] = v.verdict;
  j["luck"] = v.LuckWord();
  j["luck_level"] = v.luck ? Json(LuckLevelWord(*v.luck)) : Json(nullptr);
  j["type"] = v.type == 0 ? Json(nullptr) : Json(v.type);
  j["description"] = v.description;
  return j;
}

Json NetNameJson(const NetNameValue& v) {
  const NetNameLines lines = RenderNetNameLines(v);
  Json j;
  j["name"] = v.name;
  j["initials"] = v.initials;
  j["letter"] = v.letter == 0 ? Json(nullptr) : Json(std::string(1, v.letter));
  j["phrase"] = TextOrNull(v.phrase);
  j["unreadable"] = v.unreadable;
  j["name_line"] = lines.name_line;
  j["phrase_line"] = lines.phrase_line;
  return j;
}

Json SolarTimeCorrectionJson(const SolarTimeCorrection& c) {
  const SolarTimeTexts texts = RenderSolarTime(c);
  Json j;
  j["place"] = {{"name", c.place.name}, {"longitude", c.place.longitude}, {"zone", c.place.zone}};
  j["clock"] = InstantText(c.clock, c.utcOffsetSeconds);
  j["clock_utc"] = UtcInstantText(c.clock, c.utcOffsetSeconds);
  j["fold"] = c.fold == Fold::First ? "first" : "second";
  j["summer_time"] = c.summerTime;
  j["ambiguous"] = c.ambiguous;
  j["seconds"] = {{"summer", c.summerSeconds},
                  {"longitude", c.longitudeSeconds},
                  {"equation", c.equationSeconds},
                  {"total", c.totalSeconds}};
  j["true_solar_time"] = LocalDateTimeText(c.solar);
  j["birth"] = LocalDateTimeText(c.birth);
  j["hour"] = c.hour;
  j["hour_item"] = texts.hourItem;
  j["report_line"] = SolarTimeReportLine(c);
  return j;
}

Json PlaceJson(const PlaceRecord& p) {
  return {{"name", p.name},
          {"province", p.province},
          {"longitude", p.longitude},
          {"latitude", p.latitude},
          {"zone", p.zone}};
}

Json ChooseResultJson(const choose::ChooseResult& r, std::size_t limit) {
  const auto date = [](const CivilDate& d) { return DateJson(EncodeDate(d.year, d.month, d.day)); };
  Json j;
  j["activity"] = r.request.activity;
  j["from"] = date(r.request.from);
  j["to"] = date(r.request.to);
  j["options"] = {{"not_forbidden_enough", r.request.options.notForbiddenEnough},
                  {"day_branch", r.request.options.dayBranch},
                  {"xing_hai", r.request.options.xingHai},
                  {"popular_rules", r.request.options.popularRules}};
  Json people = Json::array();
  for (const choose::PersonPillars& p : r.people) {
    people.push_back(
        {{"label", p.label}, {"name", p.name}, {"year", PillarJson(p.year)}, {"day", PillarJson(p.day)}});
  }
  j["people"] = std::move(people);
  j["examined"] = r.examined;
  j["chosen_count"] = r.chosen.size();
  Json days = Json::array();
  std::size_t rank = 0;
  for (const choose::DayJudgement& d : r.chosen) {
    if (limit && rank >= limit) break;
    days.push_back(ChosenDayJson(d, ++rank));
  }
  j["days"] = std::move(days);
  return j;
}

Json ChosenDayJson(const choose::DayJudgement& d, std::size_t rank) {
  Json j;
  j["date"] = DateJson(EncodeDate(d.day.date.year, d.day.date.month, d.day.date.day));
  j["rank"] = rank ? Json(rank) : Json(nullptr);
  j["chosen"] = d.chosen;
  j["score"] = d.score;
  j["weekday"] = choose::WeekdayText(d.day.weekday);
  j["lunar"] = LunarDateJson(d.day.lunar);
  j["pillar"] = PillarJson(d.day.day);
  j["bu_jiang"] = d.buJiang;
  j["zhou_tang"] = TextOrNull(d.zhouTang);
  j["bride_month"] = TextOrNull(d.brideMonth);
  j["reasons"] = d.reasons;
  return j;
}

}  // namespace vantrel::json
