#include "reports/almanac.h"

#include "almanac/almanac.h"
#include "common/datetime.h"
#include "common/text.h"
#include "reports/reference_texts.h"

namespace vantrel {

const std::vector<std::string>& AlmanacGlossary() {
  static const std::vector<std::string> lines(kAlmanacGlossaryLines.begin(), kAlmanacGlossaryLines.end());
  return lines;
}

AlmanacDay AlmanacDayOf(std::string_view yearText, std::string_view monthText, std::string_view dayText) {
  AlmanacDay result;
  const std::string y = text::Trim(yearText);
  if (y.empty()) {
    result.notice = "请选择年!";
    return result;
  }
  const std::string m = text::Trim(monthText);
  if (m.empty()) {
    result.notice = "请选择月!";
    return result;
  }
  const std::string d = text::Trim(dayText);
  if (d.empty()) {
    result.notice = "请选择日!";
    return result;
  }
  // The date text stays as typed ("2013-9-21"); the parsed day is what the
  // table is keyed by.
  const std::string dateText = y + "-" + m + "-" + d;
  const std::optional<DateTime> date = TryStrToDate(dateText);
  if (!date) {
    result.notice = "请选择有效的日期!";
    return result;
  }
  result.dateText = dateText;
  result.date = DecodeDate(*date);
  result.row = data::HuangdaoRowOf(*result.date);
  return result;
}

std::vector<std::string> AlmanacLines(const AlmanacDay& day) {
  if (day.notice || !day.row) return {};
  const data::HuangdaoRow& row = *day.row;
  struct Line {
    const char* label;
    const std::string& value;
  };
  const Line lines[] = {{"岁次:", row.suici}, {"每日胎神占方:", row.tszf}, {"五行:", row.wuhang},
                        {"冲:", row.cong},    {"彭祖百忌:", row.pzbj},     {"吉神宜趋:", row.jsyq},
                        {"宜:", row.yi},      {"凶神宜忌:", row.xsyq},     {"忌:", row.ji}};
  std::vector<std::string> out;
  if (row.columnsRead < 1) return out;
  out.push_back("当日统览:" + day.dateText + "  " + row.nn);
  for (int i = 0; i < 9; ++i) {
    out.emplace_back();
    if (row.columnsRead < i + 2) break;
    out.push_back(std::string(lines[i].label) + lines[i].value);
  }
  return out;
}

AlmanacDay AlmanacDayOfEngine(CivilDate date) { return AlmanacDayOfEngine(almanac::DayOf(date)); }

AlmanacDay AlmanacDayOfEngine(const almanac::Day& engineDay) {
  const almanac::AlmanacRow row = almanac::RowOf(engineDay);
  AlmanacDay day;
  day.dateText = row.gn;
  day.date = engineDay.date;
  data::HuangdaoRow& out = day.row.emplace();
  out.nn = row.nn;
  out.suici = row.suici;
  out.tszf = row.tszf;
  out.wuhang = row.wuhang;
  out.cong = row.cong;
  out.pzbj = row.pzbj;
  out.jsyq = row.jsyq;
  out.yi = row.yi;
  out.xsyq = row.xsyq;
  out.ji = row.ji;
  out.columnsRead = static_cast<int>(data::kHuangdaoTextColumns.size());
  return day;
}

std::vector<std::string> AlmanacReasonLines(CivilDate date) {
  std::vector<std::string> lines;
  for (const almanac::WordReason& reason : almanac::ExplainDay(almanac::DayOf(date)))
    lines.push_back(almanac::ReasonLine(reason));
  return lines;
}

}  // namespace vantrel
