#pragma once
// The typed values as JSON: one function per value. Field names are English
// snake case, the program's Chinese texts are values; a pillar is
// {"stem": "甲", "branch": "子"}, a date "2013-09-21", an instant carries its
// offset ("2013-02-03T22:42:29+08:00"), and an enumeration a fixed word.
// Members keep the order in which they are added.
#include <nlohmann/json.hpp>
#include <string>

#include "almanac/almanac.h"
#include "calendar/lunar.h"
#include "calendar/month_grid.h"
#include "calendar/places.h"
#include "calendar/solar_time.h"
#include "chart/chart.h"
#include "chart/chart_block.h"
#include "divination/numbers.h"
#include "divination/pinyin.h"
#include "reports/chart_report.h"
#include "reports/choose_day.h"
#include "reports/marriage_report.h"

namespace vantrel::json {

using Json = nlohmann::ordered_json;

// The version of the published schemas (docs/schema); every object the
// command line writes carries it as "version".
inline constexpr int kSchemaVersion = 1;

// Beijing time, the clock of the calendar's instants: UTC+08:00.
inline constexpr long kBeijingOffsetSeconds = 8 * 3600;

// "yyyy-mm-dd" of a date (its time of day ignored); null for no date.
Json DateJson(DateTime date);
// "yyyy-mm-ddThh:mm:ss" of a local reading without an offset (true solar time).
std::string LocalDateTimeText(DateTime value);
// The instant of a clock reading at a UTC offset, "yyyy-mm-ddThh:mm:ss+hh:mm".
std::string InstantText(DateTime clock, long utcOffsetSeconds);
// The same instant in UTC, "yyyy-mm-ddThh:mm:ssZ".
std::string UtcInstantText(DateTime clock, long utcOffsetSeconds);
// The UTC reading of a clock reading at an offset, to the second.
DateTime ToUtc(DateTime clock, long utcOffsetSeconds);

Json PillarJson(const Pillar& pillar);
// {year, month, day, leap, text}; null for no lunar date.
Json LunarDateJson(const LunarDate& date);
// The 24 solar terms of a year, 小寒 first.
Json SolarTermsJson(int year);
Json ChartResultJson(const ChartResult& chart);
Json ChartBlockJson(const ChartBlock& block);
Json ShenshaBlockJson(const ShenshaBlock& block);
Json BoneWeightJson(const BoneWeightLines& lines);
Json PersonFactsJson(const PersonFacts& facts);
Json PersonChartJson(const PersonChart& chart);
// The report's facts, the boundary notices of its births ("warnings", empty
// when none), its notice and its rendered text ("text").
Json MarriageReportJson(const MarriageReport& report);
Json ChartReportJson(const ChartReport& report);
Json MonthGridJson(const MonthGrid& grid);
// The month calendar's texts of one day (calendar/cn_calendar.h).
Json CalendarDayJson(DateTime date);
Json NumberVerdictJson(const NumberVerdictValue& value);
// A 择日: the request, the people's pillars and the chosen days in rank
// order (at most `limit`, 0 for all).
Json ChooseResultJson(const choose::ChooseResult& result, std::size_t limit = 0);
// One day's judgement; `rank` 0 (null) for a day that was not chosen.
Json ChosenDayJson(const choose::DayJudgement& day, std::size_t rank);
Json NetNameJson(const NetNameValue& value);
Json SolarTimeCorrectionJson(const SolarTimeCorrection& correction);
Json PlaceJson(const PlaceRecord& place);
// The almanac of a day: its facts, what it suits and forbids, its grade and
// settlement, and the page's text ("text"); with `explain` also "reasons",
// one object per word of the page.
Json AlmanacDayJson(const almanac::Day& day, const std::string& text, bool explain);

// Fixed words of the enumerations.
std::string SexWord(Sex sex);
std::string LuckDirectionWord(LuckDirection direction);

}  // namespace vantrel::json
