#include "reports/almanac.h"

#include "common/datetime.h"
#include "common/text.h"

namespace vantrel {

const std::vector<std::string>& AlmanacGlossary() {
  static const std::vector<std::string> lines = {
      "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
      "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
      "安葬 ：举行埋葬等仪式 ",
      "出行 ：指外出旅行、观光游览 ",
      "祈福 ：祈求神明降福或设醮还愿之事 ",
      "动土 ：建筑时、第一次动起锄头挖土 ",
      "安床 ：指安置睡床卧铺之意 ",
      "开光 ：佛像塑成后、供奉上位之事 ",
      "纳采 ：缔结婚姻的仪式、受授聘金 ",
      "入殓 ：将尸体放入棺材之意 ",
      "移徙 ：指搬家迁移住所之意 ",
      "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即",
      "“破土”属阴宅，“动土”属阳宅也。现",
      "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
      "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
      "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
      "修造 ：指阳宅之造与修理 ",
      "栽种 ：种植物“接果”“种田禾”同 ",
      "开市 ：“开业”之意，如“开幕典礼”“开工”。",
      "移柩 ：行葬仪时、将棺木移出屋外之事 ",
      "订盟 ：订婚仪式的一种，俗称小聘(订) ",
      "拆卸 ：拆掉建筑物 ",
      "立卷 ：订立各种契约互相买卖之事 ",
      "交易 ：订立各种契约互相买卖之事 ",
      "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
      "上梁 ：装上建筑物屋顶的梁，同架马 ",
      "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
      "起基 ：建筑时、第一次动起锄头挖土 ",
      "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
      "赴任 ：走马上任 ",
      "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
      "安门 ：放置正门门框 ",
      "修坟 ：修理坟墓 ",
      "挂匾 ：指悬挂招牌或各种匾额",
  };
  return lines;
}

void ShowAlmanac(std::string_view yearText, std::string_view monthText, std::string_view dayText,
                 data::Query& query, Pane& pane, Notifier& notifier) {
  const std::string y = text::Trim(yearText);
  if (y.empty()) {
    notifier.ShowNotice("请选择年!");
    return;
  }
  const std::string m = text::Trim(monthText);
  if (m.empty()) {
    notifier.ShowNotice("请选择月!");
    return;
  }
  const std::string d = text::Trim(dayText);
  if (d.empty()) {
    notifier.ShowNotice("请选择日!");
    return;
  }
  // The date text stays as typed ("2013-9-21"); the parsed day is what the
  // table is keyed by.
  const std::string dateText = y + "-" + m + "-" + d;
  DateTime date = 0;
  if (!TryStrToDate(dateText, date)) {
    notifier.ShowNotice("请选择有效的日期!");
    return;
  }

  query.Close();
  query.SetSql("select * from huangdao where gn = ? limit 1");
  query.AddDateParam(date);
  query.Open();
  if (query.IsEmpty()) return;

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
}

}  // namespace vantrel
