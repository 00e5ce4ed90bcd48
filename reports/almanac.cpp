#include "reports/almanac.h"

#include "common/datetime.h"
#include "common/text.h"
#include "reports/reference_texts.h"

namespace vantrel {

const std::vector<std::string>& AlmanacGlossary() {
  static const std::vector<std::string> lines(kAlmanacGlossaryLines.begin(), kAlmanacGlossaryLines.end());
  return lines;
}

std::optional<DateTime> ShowAlmanac(std::string_view yearText, std::string_view monthText,
                                    std::string_view dayText, data::Query& query, Pane& pane,
                                    Notifier& notifier) {
  const std::string y = text::Trim(yearText);
  if (y.empty()) {
    notifier.ShowNotice("请选择年!");
    return std::nullopt;
  }
  const std::string m = text::Trim(monthText);
  if (m.empty()) {
    notifier.ShowNotice("请选择月!");
    return std::nullopt;
  }
  const std::string d = text::Trim(dayText);
  if (d.empty()) {
    notifier.ShowNotice("请选择日!");
    return std::nullopt;
  }
  // The date text stays as typed ("2013-9-21"); the parsed day is what the
  // table is keyed by.
  const std::string dateText = y + "-" + m + "-" + d;
  DateTime date = 0;
  if (!TryStrToDate(dateText, date)) {
    notifier.ShowNotice("请选择有效的日期!");
    return std::nullopt;
  }

  query.Close();
  query.SetSql("select * from huangdao where gn = ? limit 1");
  query.AddDateParam(date);
  query.Open();
  if (query.IsEmpty()) return std::nullopt;

  pane.Clear();
  pane.Add("当日统览:" + dateText + "  " + query.Text("nn"));
  struct Line {
    const char* label;
    const char* column;
  };
  static constexpr Line kLines[] = {{"岁次:", "suici"}, {"每日胎神占方:", "tszf"}, {"五行:", "wuhang"},
                                    {"冲:", "cong"},    {"彭祖百忌:", "pzbj"},     {"吉神宜趋:", "jsyq"},
                                    {"宜:", "yi"},      {"凶神宜忌:", "xsyq"},     {"忌:", "ji"}};
  for (const Line& line : kLines) {
    pane.Add("");
    pane.Add(std::string(line.label) + query.Text(line.column));
  }
  query.Close();
  return date;
}

}  // namespace vantrel
