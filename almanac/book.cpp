#include "almanac/book.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "almanac/rule_tables.h"
#include "common/text.h"

namespace vantrel::almanac::book {

// The court's sixty-seven, the common thirty-seven and the trade almanac's
// sixty activities, each once, and the few the spirits' own entries name
// (苫盖, 针刺, 修筑园圃, 安神, 修祠宇, 乘船渡水).
const std::vector<std::string_view> Deeds = {
    "祭祀",     "祈福",     "求嗣",     "上册进表章", "上表章",   "颁诏",     "覃恩",     "肆赦",
    "施恩封拜", "袭爵受封", "诏命公卿", "招贤",       "举正直",   "施恩惠",   "恤孤惸",   "宣政事",
    "布政事",   "行惠爱",   "雪冤枉",   "缓刑狱",     "庆赐",     "赏贺",     "宴会",     "会亲友",
    "入学",     "冠带",     "行幸",     "遣使",       "安抚边境", "选将训兵", "出师",     "上官赴任",
    "临政亲民", "陈词讼",   "结婚姻",   "纳采问名",   "嫁娶",     "进人口",   "般移",     "远回",
    "安床",     "解除",     "沐浴",     "整容剃头",   "整手足甲", "求医疗病", "针刺",     "裁制",
    "营建宫室", "修宫室",   "缮城郭",   "筑堤防",     "兴造动土", "竖柱上梁", "修仓库",   "鼓铸",
    "苫盖",     "经络",     "酝酿",     "开市",       "立券",     "交易",     "纳财",     "开仓库出货财",
    "修置产室", "开渠穿井", "安碓硙",   "补垣塞穴",   "扫舍宇",   "修饰垣墙", "平治道涂", "破屋坏垣",
    "伐木",     "捕捉",     "畋猎",     "取鱼",       "乘船渡水", "栽种",     "修筑园圃", "牧养",
    "纳畜",     "破土",     "安葬",     "启攒",       "安神",     "修祠宇"};

namespace {
// The blank-separated words of a list or a table.
std::vector<std::string> Words(std::string_view table) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find(' ', start);
    if (end == std::string_view::npos) end = table.size();
    if (end > start) words.emplace_back(table.substr(start, end - start));
    start = end + 1;
  }
  return words;
}
}  // namespace

DeedSet DeedsOf(std::string_view words) {
  DeedSet set;
  for (const std::string& word : Words(words)) {
    std::size_t i = 0;
    while (i < Deeds.size() && Deeds[i] != word) ++i;
    if (i == Deeds.size()) throw std::logic_error("almanac rules: unknown activity " + word);
    set.set(i);
  }
  return set;
}

namespace {
// Read once per thread and kept: the judgement reads the same few lists
// for every day.
template <typename Value, typename Read>
const Value& ReadOnce(std::string_view text, Read read) {
  thread_local std::map<std::string, Value, std::less<>> cache;
  auto it = cache.find(text);
  if (it == cache.end()) it = cache.emplace(std::string(text), read(text)).first;
  return it->second;
}

}  // namespace

DeedSet DeedOfActivity(std::string_view activity) {
  return ReadOnce<DeedSet>(activity, [](std::string_view a) { return DeedsOf(ActivityParent(a)); });
}

namespace {

// ---------------------------------------------------------------------------
// Matching a day against a table.

// A set of stems, branches and pillars a day may be matched against.
struct DayMatch {
  std::uint16_t stems = 0;
  std::uint16_t branches = 0;
  std::bitset<60> pillars;

  bool Has(const Pillar& p) const {
    return ((stems >> p.stem.Index()) & 1u) || ((branches >> p.branch.Index()) & 1u) ||
           pillars.test(static_cast<std::size_t>(p.Index()));
  }
};

// An entry of single stems and branches ("午戌": a day whose stem or branch
// is one of them), or with `pillars` an entry of whole pillars ("庚申辛酉").
// "-" is an entry that no day matches (a month in which the spirit has no day).
DayMatch ParseEntry(const std::string& entry, bool pillars) {
  DayMatch m;
  if (entry == "-") return m;
  const std::vector<std::string> chars = text::Characters(entry);
  if (pillars) {
    if (chars.size() % 2 != 0) throw std::logic_error("almanac rules: odd pillar entry " + entry);
    for (std::size_t i = 0; i < chars.size(); i += 2) {
      const std::optional<Pillar> p = Pillar::FromText(chars[i] + chars[i + 1]);
      if (!p) throw std::logic_error("almanac rules: bad pillar in " + entry);
      m.pillars.set(static_cast<std::size_t>(p->Index()));
    }
    return m;
  }
  for (const std::string& c : chars) {
    if (const std::optional<Stem> s = Stem::FromName(c)) {
      m.stems |= static_cast<std::uint16_t>(1u << s->Index());
    } else if (const std::optional<Branch> b = Branch::FromName(c)) {
      m.branches |= static_cast<std::uint16_t>(1u << b->Index());
    } else {
      throw std::logic_error("almanac rules: bad character in " + entry);
    }
  }
  return m;
}

// A rule table keyed by the month (twelve entries, 正月 first), the season
// (four entries, 春 first) or by nothing (one entry), matched against the day.
enum class Key { Month, Season, Day };

Predicate Keyed(Key key, std::string_view table, bool pillars) {
  const std::vector<std::string> words = Words(table);
  const std::size_t expected = key == Key::Month ? 12 : key == Key::Season ? 4 : 1;
  if (words.size() != expected)
    throw std::logic_error("almanac rules: wrong entry count in " + std::string(table));
  std::vector<DayMatch> entries;
  for (const auto& w : words) entries.push_back(ParseEntry(w, pillars));
  return [key, entries](const Input& in) {
    const int at = key == Key::Month ? in.monthIndex : key == Key::Season ? in.season : 0;
    return entries[static_cast<std::size_t>(at)].Has(in.f.day);
  };
}

Predicate ByMonth(std::string_view table) { return Keyed(Key::Month, table, false); }
Predicate ByMonthPillar(std::string_view table) { return Keyed(Key::Month, table, true); }
Predicate BySeason(std::string_view table) { return Keyed(Key::Season, table, false); }
Predicate BySeasonPillar(std::string_view table) { return Keyed(Key::Season, table, true); }
Predicate OnDays(std::string_view chars) { return Keyed(Key::Day, chars, false); }
Predicate OnPillars(std::string_view pillars) {
  // One entry of many pillars: the blanks only make the list readable.
  std::string joined;
  for (const auto& w : Words(pillars)) joined += w;
  return Keyed(Key::Day, joined, true);
}
// The officer of the day (0 建 .. 11 闭).
Predicate OnOfficer(int officer) {
  return [officer](const Input& in) { return in.officer == officer; };
}

// 气往亡: the day so many days into the month, counting the jie day as the
// first: 立春 7, 惊蛰 14, 清明 21, 立夏 8, 芒种 16, 小暑 24, 立秋 9, 白露 18,
// 寒露 27, 立冬 10, 大雪 20, 小寒 30.
constexpr std::array<int, 12> kQiWangwang = {7, 14, 21, 8, 16, 24, 9, 18, 27, 10, 20, 30};

bool IsQiWangwang(const Input& in) {
  return in.f.daysIntoMonth + 1 == kQiWangwang[static_cast<std::size_t>(in.monthIndex)];
}

// ---------------------------------------------------------------------------
// The activities the entries share.

// What the great 凶神 never forbid (their "止不忌"): worship, the court's
// mercies, school, bathing, sweeping, the roads and the hunt.
constexpr std::string_view kMercies = "祭祀 覃恩 肆赦 施恩惠 恤孤惸 行惠爱 雪冤枉 缓刑狱";
// War and healing: what 死气 still forbids beside a 德.
constexpr std::string_view kWarAndHealing = "安抚边境 选将训兵 出师 求医疗病";
constexpr std::string_view kWar = "安抚边境 选将训兵 出师";
// The earth works forbidden by 土府, 土符, 地囊 and 土王用事.
constexpr std::string_view kEarthWorks =
    "营建宫室 修宫室 缮城郭 筑堤防 兴造动土 修仓库 修置产室 开渠穿井 安碓硙 补垣塞穴 修饰垣墙 平治道涂 "
    "破屋坏垣 栽种 破土";
// The stores: what 小耗, 四耗, 九空 and 四穷 forbid.
constexpr std::string_view kStores = "修仓库 开市 立券 交易 纳财 开仓库出货财";
// What the two 德, their 合 and 天赦 favour: the court's business, marriage,
// moving, building, the fields and burial.
constexpr std::string_view kVirtueDeeds =
    "祭祀 祈福 求嗣 上册进表章 颁诏 覃恩 肆赦 施恩封拜 诏命公卿 招贤 举正直 施恩惠 恤孤惸 宣政事 行惠爱 "
    "雪冤枉 缓刑狱 庆赐 赏贺 宴会 行幸 遣使 安抚边境 选将训兵 上官赴任 临政亲民 结婚姻 纳采问名 嫁娶 般移 "
    "解除 求医疗病 裁制 营建宫室 缮城郭 兴造动土 竖柱上梁 修仓库 栽种 牧养 纳畜 安葬";
// 月恩, 四相, 时德: the days the month's branch engenders.
constexpr std::string_view kEngendered =
    "祭祀 祈福 求嗣 施恩封拜 举正直 庆赐 赏贺 宴会 行幸 遣使 上官赴任 临政亲民 结婚姻 纳采问名 般移 解除 "
    "求医疗病 裁制 修宫室 缮城郭 兴造动土 竖柱上梁 纳财 开仓库出货财 栽种 牧养";

// The household's and the trade's business.
constexpr std::string_view kTrade = "进人口 安床 经络 酝酿 开市 立券 交易 纳财 开仓库出货财";
constexpr unsigned kGenerous = kTianDeHe | kYueDeHe | kTianShe | kTianYuan | kYueEn | kSiXiang | kShiDe;

// Every activity but the listed ones.
DeedSet AllBut(std::string_view words) {
  DeedSet all;
  for (std::size_t i = 0; i < Deeds.size(); ++i) all.set(i);
  return all & ~DeedsOf(words);
}

// The great 凶神 of the three sha and the punishment forbid all but these.
DeedSet ShaForbids() {
  return AllBut(std::string(kMercies) +
                " 入学 沐浴 扫舍宇 平治道涂 伐木 捕捉 畋猎 取鱼 "
                "陈词讼 远回 苫盖 针刺 乘船渡水 修筑园圃 安神 修祠宇");
}

// The activities of a constant list.
const DeedSet& Listed(std::string_view words) { return ReadOnce<DeedSet>(words, DeedsOf); }

bool MonthIn(std::string_view months, int monthIndex) {
  const std::uint16_t mask = ReadOnce<std::uint16_t>(months, [](std::string_view m) {
    std::uint16_t bits = 0;
    for (const std::string& c : text::Characters(std::string(m)))
      if (const std::optional<Branch> b = Branch::FromName(c))
        bits |= static_cast<std::uint16_t>(1u << b->Index());
    return bits;
  });
  return (mask >> Branch(monthIndex + 2).Index()) & 1u;
}

Spirit Good(std::string_view name, Predicate p, std::string_view favours, unsigned virtue = 0) {
  Spirit s;
  s.name = name;
  s.applies = std::move(p);
  s.favours = DeedsOf(favours);
  s.virtue = virtue;
  return s;
}

// A lesser 凶神: with one of `liftedBy` present it forbids only `lifted`.
Spirit Bad(std::string_view name, Predicate p, DeedSet forbids, unsigned liftedBy = 0, DeedSet lifted = {}) {
  Spirit s;
  s.name = name;
  s.good = false;
  s.applies = std::move(p);
  s.forbids = forbids;
  s.liftedBy = liftedBy;
  s.lifted = lifted;
  return s;
}
Spirit Bad(std::string_view name, Predicate p, std::string_view forbids, unsigned liftedBy = 0,
           std::string_view lifted = "") {
  return Bad(name, std::move(p), DeedsOf(forbids), liftedBy, DeedsOf(lifted));
}

Spirit Hidden(Spirit s) {
  s.shown = false;
  return s;
}

// A good spirit that also forbids something.
Spirit Forbidding(Spirit s, std::string_view forbids) {
  s.forbids = DeedsOf(forbids);
  return s;
}

// A spirit on whose day these activities are noted neither as 宜 nor as 忌.
Spirit Muting(Spirit s, std::string_view mutes) {
  s.mutes = DeedsOf(mutes);
  return s;
}

// A veto: unless one of its lifting virtues is there, what it forbids stays
// forbidden however the day settles, and is not noted as 宜.
Spirit Firm(Spirit s) {
  s.firm = true;
  return s;
}

// A great 凶神 of the table of grades, or its companion: on a day that
// follows 宜 over 忌 it forbids only `keep` and nothing else.
Spirit Graded(Spirit s, std::string_view keep, std::string_view saying) {
  s.graded = true;
  s.gradedOnly = s.forbids & DeedsOf(keep);
  s.gradedSaying = saying;
  return s;
}

// A spirit of resources/almanac/spirits.tsv, whose days are a plain table:
// a 吉 one favours its deeds, a 凶 one forbids them.
Spirit FromTable(std::string_view name) {
  static const std::vector<std::vector<std::string_view>> records =
      tables::Records(tables::kSpirits, "spirit", 6);
  for (const auto& r : records) {
    if (r[0] != name) continue;
    const std::string_view by = r[2];
    Predicate days = by == "月"     ? ByMonth(r[3])
                     : by == "月柱" ? ByMonthPillar(r[3])
                     : by == "季"   ? BySeason(r[3])
                     : by == "季柱" ? BySeasonPillar(r[3])
                     : by == "日"   ? OnDays(r[3])
                     : by == "柱"   ? OnPillars(r[3])
                                    : throw std::logic_error("almanac rules: " + std::string(name) +
                                                             " is read by " + std::string(by));
    if (r[1] == "吉") return Good(r[0], std::move(days), r[4]);
    if (r[1] == "凶") return Bad(r[0], std::move(days), r[4]);
    throw std::logic_error("almanac rules: " + std::string(name) + " is neither 吉 nor 凶");
  }
  throw std::logic_error("almanac rules: no spirit " + std::string(name) + " in the table");
}

std::vector<Spirit> BuildSpirits() {
  const DeedSet sha = ShaForbids();
  // The officers 平 and 收 forbid what the sha forbid, less the small works
  // of the house (平) and the gathering in (收).
  const DeedSet pingForbids = sha & ~DeedsOf("整容剃头 整手足甲 安碓硙 补垣塞穴 修饰垣墙 破屋坏垣 伐木");
  const DeedSet shouForbids =
      sha & ~DeedsOf("整容剃头 整手足甲 进人口 修仓库 纳财 安碓硙 补垣塞穴 修饰垣墙 破屋坏垣 栽种 牧养 纳畜");
  // 月破 spares healing and pulling down, but not the trees; 四废 the small
  // works of the body and the house.
  const DeedSet poForbids = (sha & ~DeedsOf("解除 求医疗病 破屋坏垣")) | DeedsOf("伐木");
  const DeedSet feiForbids = sha & ~DeedsOf("整容剃头 整手足甲 破屋坏垣");
  // 月厌 forbids more than the sha: the roads, the trees and the journey home.
  const DeedSet yanForbids = (sha | DeedsOf("平治道涂 伐木 远回"));
  // 大时 and 天吏: the court's favours, marriage, moving, building and trade.
  const std::string_view deathAndDefeat =
      "祈福 求嗣 上册进表章 施恩封拜 诏命公卿 招贤 举正直 冠带 行幸 遣使 安抚边境 选将训兵 出师 上官赴任 "
      "临政亲民 结婚姻 纳采问名 嫁娶 进人口 般移 安床 解除 求医疗病 营建宫室 修宫室 缮城郭 筑堤防 兴造动土 "
      "竖柱上梁 修仓库 开市 立券 交易 纳财 开仓库出货财 修置产室 栽种 牧养 纳畜";
  // What the four 离 and 绝 days, the eves of the seasons' turns, leave open.
  const DeedSet eveForbids =
      AllBut("祭祀 解除 沐浴 整容剃头 整手足甲 补垣塞穴 扫舍宇 修饰垣墙 平治道涂 破屋坏垣 伐木");

  std::vector<Spirit> s;
  // ---- 吉神 -----------------------------------------------------------------
  // 天德: 正丁 二坤 三壬 四辛 五乾 六甲 七癸 八艮 九丙 十乙 十一巽 十二庚. In the
  // four middle months of the seasons (卯午酉子) it stands on a trigram,
  // which no day is, so those months have no 天德 day and no 天德合 day.
  // The two 德 and their 合 also favour sending out the army; like 天赦, they
  // spare the game and the fish.
  const std::string deDeeds = std::string(kVirtueDeeds) + " 出师";
  const auto virtue = [](Spirit s) { return Forbidding(std::move(s), "畋猎 取鱼"); };
  s.push_back(virtue(Good("天德", ByMonth("丁 - 壬 辛 - 甲 癸 - 丙 乙 - 庚"), deDeeds, kTianDe)));
  // 天德合: the stem that combines with 天德 (丁壬 辛丙 甲己 癸戊 乙庚).
  s.push_back(virtue(Good("天德合", ByMonth("壬 - 丁 丙 - 己 戊 - 辛 庚 - 乙"), deDeeds, kTianDeHe)));
  // 月德: 寅午戌月丙, 亥卯未月甲, 申子辰月壬, 巳酉丑月庚.
  s.push_back(virtue(Good("月德", ByMonth("丙 甲 壬 庚 丙 甲 壬 庚 丙 甲 壬 庚"), deDeeds, kYueDe)));
  // 月德合: the stem that combines with 月德.
  s.push_back(virtue(Good("月德合", ByMonth("辛 己 丁 乙 辛 己 丁 乙 辛 己 丁 乙"), deDeeds, kYueDeHe)));
  // 天赦: 春戊寅 夏甲午 秋戊申 冬甲子. As the two 德, but the army stays home.
  s.push_back(virtue(Good("天赦", BySeasonPillar("戊寅 甲午 戊申 甲子"), kVirtueDeeds, kTianShe)));
  // 天愿: one pillar in each month; the greatest of the good days.
  s.push_back(Good("天愿", ByMonthPillar("乙亥 甲戌 乙酉 丙申 丁未 戊午 己巳 庚辰 辛卯 壬寅 癸丑 甲子"),
                   "祭祀 祈福 求嗣 上册进表章 颁诏 覃恩 肆赦 施恩封拜 诏命公卿 招贤 举正直 施恩惠 恤孤惸 "
                   "宣政事 行惠爱 雪冤枉 缓刑狱 庆赐 赏贺 宴会 行幸 遣使 安抚边境 选将训兵 上官赴任 "
                   "临政亲民 结婚姻 纳采问名 嫁娶 进人口 般移 裁制 营建宫室 缮城郭 兴造动土 竖柱上梁 修仓库 "
                   "经络 酝酿 开市 立券 交易 纳财 栽种 牧养 纳畜 安葬",
                   kTianYuan));
  // 月恩: 正丙 二丁 三庚 四己 五戊 六辛 七壬 八癸 九庚 十乙 十一甲 十二辛.
  s.push_back(Good("月恩", ByMonth("丙 丁 庚 己 戊 辛 壬 癸 庚 乙 甲 辛"), kEngendered, kYueEn));
  // 四相: the stems of the element the season brings on: 春丙丁 夏戊己 秋壬癸 冬甲乙.
  s.push_back(Good("四相", BySeason("丙丁 戊己 壬癸 甲乙"), kEngendered, kSiXiang));
  // 时德: 春午 夏辰 秋子 冬寅.
  s.push_back(Good("时德", BySeason("午 辰 子 寅"), kEngendered, kShiDe));
  s.push_back(FromTable("天恩"));
  s.push_back(FromTable("月空"));
  s.push_back(FromTable("母仓"));
  // 阳德: 正月戌, forward through the yang branches; 阴德: 正月酉, backward
  // through the yin branches.
  s.push_back(
      Good("阳德", ByMonth("戌 子 寅 辰 午 申 戌 子 寅 辰 午 申"), "施恩惠 恤孤惸 行惠爱 雪冤枉 缓刑狱"));
  s.push_back(
      Good("阴德", ByMonth("酉 未 巳 卯 丑 亥 酉 未 巳 卯 丑 亥"), "施恩惠 恤孤惸 行惠爱 雪冤枉 缓刑狱"));
  s.push_back(FromTable("王日"));
  s.push_back(FromTable("官日"));
  s.push_back(FromTable("守日"));
  s.push_back(FromTable("相日"));
  s.push_back(FromTable("民日"));
  // 三合: the other two branches of the month branch's triad.
  s.push_back(Good("三合", ByMonth("午戌 未亥 申子 酉丑 戌寅 亥卯 子辰 丑巳 寅午 卯未 辰申 巳酉"),
                   "庆赐 赏贺 宴会 结婚姻 纳采问名 嫁娶 进人口 裁制 修宫室 缮城郭 兴造动土 竖柱上梁 修仓库 "
                   "经络 酝酿 立券 交易 纳财 安碓硙 纳畜",
                   kSanHe));
  // 临日: 正午 二亥 三申 四丑 五戌 六卯 七子 八巳 九寅 十未 十一辰 十二酉.
  s.push_back(
      Good("临日", ByMonth("午 亥 申 丑 戌 卯 子 巳 寅 未 辰 酉"), "上册进表章 上官赴任 临政亲民 陈词讼"));
  s.push_back(FromTable("驿马"));
  s.push_back(FromTable("天后"));
  s.push_back(FromTable("天马"));
  // The officers that bring good, and the spirits on their days: 建,
  // 除 with 吉期 (the branch after the month's), 满 with 天巫 and 福德 (two
  // after), 平, 定 with 时阴 (four after), 执, 破, 危, 成, 收, 开 with 时阳 and
  // 生气 (two before), 闭.
  s.push_back(
      Hidden(Good("建日", OnOfficer(0), "施恩封拜 诏命公卿 招贤 举正直 行幸 遣使 上官赴任 临政亲民")));
  s.push_back(Hidden(Good("除日", OnOfficer(1), "解除 沐浴 整容剃头 整手足甲 求医疗病 扫舍宇")));
  s.push_back(Good("吉期", OnOfficer(1), "施恩封拜 举正直 行幸 遣使 上官赴任 临政亲民"));
  s.push_back(Hidden(
      Good("满日", OnOfficer(2), "进人口 裁制 修仓库 经络 开市 立券 交易 纳财 开仓库出货财 补垣塞穴")));
  s.push_back(Good("天巫", OnOfficer(2), "祭祀 祈福"));
  s.push_back(Good("福德", OnOfficer(2), "上册进表章 庆赐 赏贺 宴会 修宫室 缮城郭"));
  s.push_back(Hidden(Good("平日", OnOfficer(3), "修饰垣墙 平治道涂")));
  s.push_back(Hidden(Good("定日", OnOfficer(4), "冠带")));
  s.push_back(Good("时阴", OnOfficer(4), ""));
  s.push_back(Hidden(Good("执日", OnOfficer(5), "捕捉")));
  s.push_back(Hidden(Good("破日", OnOfficer(6), "求医疗病 破屋坏垣")));
  s.push_back(Hidden(Good("危日", OnOfficer(7), "安抚边境 选将训兵 安床")));
  s.push_back(Hidden(Good("成日", OnOfficer(8), "入学 安抚边境 般移 筑堤防 开市")));
  s.push_back(FromTable("天喜"));
  s.push_back(FromTable("天医"));
  s.push_back(Hidden(Good("收日", OnOfficer(9), "进人口 纳财 捕捉 纳畜")));
  // 开: the first yang of the month; no burial is noted on it.
  s.push_back(
      Hidden(Good("开日", OnOfficer(10),
                  "祭祀 祈福 求嗣 上册进表章 颁诏 覃恩 肆赦 施恩封拜 诏命公卿 招贤 举正直 施恩惠 "
                  "恤孤惸 宣政事 行惠爱 雪冤枉 缓刑狱 庆赐 赏贺 宴会 入学 行幸 遣使 上官赴任 临政亲民 "
                  "般移 解除 求医疗病 裁制 修宫室 缮城郭 兴造动土 竖柱上梁 开市 修置产室 开渠穿井 "
                  "安碓硙 栽种 牧养")));
  s.push_back(Good("时阳", OnOfficer(10), ""));
  // 生气: the month's life is spared: no felling, no hunting, no fishing.
  s.push_back(Forbidding(Good("生气", OnOfficer(10), ""), "伐木 畋猎 取鱼"));
  s.push_back(Hidden(Good("闭日", OnOfficer(11), "筑堤防 补垣塞穴")));
  // 六合: the branch that combines with the month branch (寅亥 卯戌 辰酉 巳申 午未 子丑).
  s.push_back(Good("六合", ByMonth("亥 戌 酉 申 未 午 巳 辰 卯 寅 丑 子"),
                   "宴会 结婚姻 嫁娶 进人口 经络 酝酿 立券 交易 纳财 纳畜 安葬", kLiuHe));
  s.push_back(FromTable("六仪"));
  s.push_back(FromTable("五富"));
  s.push_back(FromTable("天仓"));
  s.push_back(FromTable("不将"));
  s.push_back(FromTable("要安"));
  s.push_back(FromTable("敬安"));
  s.push_back(FromTable("玉宇"));
  s.push_back(FromTable("金堂"));
  s.push_back(FromTable("普护"));
  s.push_back(FromTable("福生"));
  s.push_back(FromTable("圣心"));
  s.push_back(FromTable("益后"));
  s.push_back(FromTable("续世"));
  s.push_back(FromTable("解神"));
  s.push_back(FromTable("除神"));
  s.push_back(FromTable("五合"));
  s.push_back(FromTable("鸣吠"));
  s.push_back(FromTable("鸣吠对"));
  // The 亥 and 子 days, when water is strong, are for bathing.
  s.push_back(Hidden(Good("亥子日", OnDays("亥子"), "沐浴")));

  // ---- 凶神 -----------------------------------------------------------------
  // The great 凶神 of the table of grades: where the day follows 宜 over 忌
  // (吉足胜凶, or a 德 beside 吉足抵凶 and 吉不抵凶) the book lists, case by
  // case, war and healing as all they still forbid: "止忌安抚边境选将训兵出师求医
  // 疗病余皆不忌" (平日, 收日, 劫煞, 灾煞, 月煞, 月刑, 月害, 天吏).
  const auto graded = [](Spirit spirit) {
    return Graded(std::move(spirit), kWarAndHealing,
                  "卷十：吉足胜凶，从宜不从忌，「止忌安抚边境选将训兵出师求医疗病余皆不忌」");
  };
  // What the great 凶神 forbid is noted or not as the day's grade settles it
  // (see GradeRules in the judgement below).
  // 月建 (小时, 土府): the month's own branch, the officer 建.
  // 卷十: "与天德月德天德合月德合天赦月恩四相并止忌营建宫室……伐木栽种破土余皆
  // 不忌", except where 月厌 (子午) or 月刑 (辰午酉亥) stands on the 建.
  Spirit yueJian =
      Bad("月建", OnOfficer(0),
          DeedsOf("祈福 求嗣 上册进表章 结婚姻 纳采问名 解除 整容剃头 整手足甲 求医疗病 营建宫室 修宫室 "
                  "缮城郭 兴造动土 竖柱上梁 修仓库 开仓库出货财 修置产室 破屋坏垣 伐木 栽种 破土 安葬 启攒"));
  yueJian.onlyWhen = [](const Input& in, unsigned virtues) {
    return (virtues & (kDeHe | kTianShe | kYueEn | kSiXiang)) && !MonthIn("子午辰酉亥", in.monthIndex);
  };
  yueJian.only = yueJian.forbids & (DeedsOf(kEarthWorks) | DeedsOf("伐木"));
  yueJian.onlySaying =
      "卷十：月建与天德月德天德合月德合天赦月恩四相并，「止忌营建宫室修宫室缮城郭筑隄防兴造动土修仓库修置产室"
      "开渠穿井安碓硙补垣修饰垣墙平治道涂破屋坏垣伐木栽种破土余皆不忌」";
  s.push_back(std::move(yueJian));
  // "正月建日又忌出师".
  s.push_back(Hidden(Bad(
      "正月建日", [](const Input& in) { return in.officer == 0 && in.monthIndex == 0; }, "出师")));
  s.push_back(Bad("小时", OnOfficer(0), ""));
  s.push_back(Bad("土府", OnOfficer(0), kEarthWorks));
  // 月破 (大耗): the branch that clashes the month's; it spares healing and
  // pulling down.
  // 卷十: "与天德月德天德合月德合并犹忌之": a 德 does not lift it.
  s.push_back(Firm(Bad("月破", OnOfficer(6), poForbids)));
  s.push_back(Firm(Bad("大耗", OnOfficer(6), kStores)));
  // 平 (死神): the month's yin spent.
  s.push_back(Hidden(graded(Bad("平日", OnOfficer(3), pingForbids))));
  s.push_back(graded(
      Bad("死神", OnOfficer(3), "安抚边境 选将训兵 出师 进人口 解除 求医疗病 修置产室 栽种 牧养 纳畜")));
  // 收: the month's yang spent.
  s.push_back(Hidden(graded(Bad("收日", OnOfficer(9), shouForbids))));
  // 满: the full day. 卷十: "寅申月值守日子午卯酉月值相日与月德天德合月德合月恩四相
  // 并则不忌"; in the 辰戌丑未 months it follows 灾煞, in 巳 and 亥 月厌.
  Spirit man =
      Bad("满日", OnOfficer(2), "施恩封拜 诏命公卿 招贤 举正直 上官赴任 临政亲民 结婚姻 纳采问名 求医疗病",
          kYueDe | kTianDeHe | kYueDeHe | kYueEn | kSiXiang);
  man.notLiftedIn = "辰戌丑未巳亥";
  s.push_back(Hidden(std::move(man)));
  // 天狗: only the 满 that falls on 戌 (in the 申 month), when the month's
  // metal is at its fullest; it forbids worship whatever else the day holds.
  s.push_back(Firm(Bad(
      "天狗", [](const Input& in) { return in.officer == 2 && in.f.day.branch == Branch(10); }, "祭祀")));
  // 闭 (血支): the closing day.
  s.push_back(Hidden(
      Bad("闭日", OnOfficer(11),
          DeedsOf("上册进表章 颁诏 施恩封拜 诏命公卿 招贤 举正直 宣政事 布政事 庆赐 赏贺 宴会 行幸 遣使 出师 "
                  "上官赴任 临政亲民 "
                  "结婚姻 纳采问名 嫁娶 进人口 般移 安床 求医疗病 营建宫室 修宫室 兴造动土 竖柱上梁 开市 "
                  "开仓库出货财 "
                  "修置产室 开渠穿井"))));
  s.push_back(Bad("血支", OnOfficer(11), "针刺"));
  // The three sha of the month's triad: 劫煞 灾煞 月煞, the three branches
  // before the triad's first (寅午戌月 亥子丑, 亥卯未月 申酉戌, 申子辰月 巳午未,
  // 巳酉丑月 寅卯辰).
  s.push_back(graded(Bad("劫煞", ByMonth("亥 申 巳 寅 亥 申 巳 寅 亥 申 巳 寅"), sha)));
  // 灾煞: the triad's clash. 天火 lies with it: 正子, backward through the
  // middle branches.
  s.push_back(graded(Bad("灾煞", ByMonth("子 酉 午 卯 子 酉 午 卯 子 酉 午 卯"), sha)));
  s.push_back(graded(FromTable("天火")));
  // 月煞 (月虚): the triad's end.
  s.push_back(graded(Bad("月煞", ByMonth("丑 戌 未 辰 丑 戌 未 辰 丑 戌 未 辰"), sha)));
  s.push_back(graded(FromTable("月虚")));
  // 月刑: the branch the month branch punishes (寅巳 卯子 辰辰 巳申 午午 未丑
  // 申寅 酉酉 戌未 亥亥 子卯 丑戌).
  s.push_back(graded(Bad("月刑", ByMonth("巳 子 辰 申 午 丑 寅 酉 未 亥 卯 戌"), sha)));
  // 月害: the branch that harms the month branch (寅巳 卯辰 申亥 酉戌 子未 丑午).
  s.push_back(graded(
      Bad("月害", ByMonth("巳 辰 卯 寅 丑 子 亥 戌 酉 申 未 午"),
          DeedsOf("祈福 求嗣 上册进表章 庆赐 赏贺 宴会 安抚边境 选将训兵 出师 结婚姻 纳采问名 嫁娶 进人口 "
                  "求医疗病 修仓库 "
                  "经络 酝酿 开市 立券 交易 纳财 开仓库出货财 修置产室 牧养 纳畜 破土 安葬 启攒"))));
  // 月厌 (地火): 正月戌, backward through the branches, the yin 建.
  // 卷十: "寅申月值成日丑未月值开日与月德天德合月德合并止忌行幸遣使……栽种余皆不忌".
  const auto yanGraded = [](Spirit spirit) {
    return Graded(
        std::move(spirit),
        "行幸 遣使 安抚边境 选将训兵 出师 上官赴任 临政亲民 结婚姻 纳采问名 嫁娶 求医疗病 般移 远回 "
        "栽种",
        "卷十：月厌寅申月值成日丑未月值开日与德合并，「止忌行幸遣使安抚边境选将训兵出师上官赴任临政亲民"
        "结婚姻纳采问名嫁娶求医疗病般移远回栽种余皆不忌」");
  };
  s.push_back(yanGraded(Bad("月厌", ByMonth("戌 酉 申 未 午 巳 辰 卯 寅 丑 子 亥"), yanForbids)));
  s.push_back(yanGraded(FromTable("地火")));
  s.push_back(FromTable("岁薄"));
  s.push_back(FromTable("逐阵"));
  s.push_back(FromTable("阴阳交破"));
  // 大时 (大败, 咸池): the triad's decline, 正卯 二子 三酉 四午 ... 卷十: "寅申巳亥月
  // 值除日官日辰戌月值执日六合止忌安抚边境选将训兵出师余皆不忌丑未月值执日六害与
  // 二德并亦止忌安抚边境选将训兵出师余皆不忌不与二德并如常例"; in the 子午卯酉
  // months (收) the grade settles it.
  Spirit daShi = Bad("大时", ByMonth("卯 子 酉 午 卯 子 酉 午 卯 子 酉 午"), DeedsOf(deathAndDefeat));
  daShi.onlyWhen = [](const Input& in, unsigned virtues) {
    const int m = in.monthIndex;
    if (m % 3 == 0 || m == 2 || m == 8) return true;  // 寅巳申亥, 辰戌
    return (m == 5 || m == 11) && (virtues & (kTianDe | kYueDe));
  };
  daShi.only = DeedsOf(kWar);
  daShi.onlySaying =
      "卷十：大时寅申巳亥月值除日、辰戌月值执日，丑未月值执日与二德并，「止忌安抚边境选将训兵出师余皆不忌」";
  const auto daShiGraded = [](Spirit spirit) {
    return Graded(std::move(spirit), kWar, "卷十：大时吉足胜凶，「止忌安抚边境选将训兵出师余皆不忌」");
  };
  daShi.deathOrDefeat = true;
  s.push_back(daShiGraded(std::move(daShi)));
  s.push_back(daShiGraded(FromTable("大败")));
  s.push_back(daShiGraded(FromTable("咸池")));
  // 天吏 (致死): the triad's death, 正酉 二午 三卯 四子 ...
  // 卷十: "寅申巳亥月值危日与天德月德天德合月德合并止忌安抚边境选将训兵出师求医
  // 疗病余皆不忌不与德合并如常例"; 辰戌丑未月值闭日 "与德合赦愿并凡所忌者则不注宜
  // 所宜者亦不注忌" (the settlement, below); 午卯酉 and 子 months follow 平 and 月刑.
  Spirit tianLi = Bad("天吏", ByMonth("酉 午 卯 子 酉 午 卯 子 酉 午 卯 子"), DeedsOf(deathAndDefeat));
  tianLi.onlyWhen = [](const Input& in, unsigned virtues) {
    return in.monthIndex % 3 == 0 && (virtues & kDeHe);
  };
  tianLi.only = DeedsOf(kWarAndHealing);
  tianLi.onlySaying = "卷十：天吏寅申巳亥月值危日与德合并，「止忌安抚边境选将训兵出师求医疗病余皆不忌」";
  tianLi.deathOrDefeat = true;
  s.push_back(graded(std::move(tianLi)));
  s.push_back(graded(FromTable("致死")));
  s.push_back(FromTable("天罡"));
  s.push_back(FromTable("河魁"));
  // 四废: the pillars of the element dead in the season: 春庚申辛酉 夏壬子癸亥
  // 秋甲寅乙卯 冬丙午丁巳. What it forbids stays forbidden with any 德.
  s.push_back(Firm(Bad("四废", BySeasonPillar("庚申辛酉 壬子癸亥 甲寅乙卯 丙午丁巳"), feiForbids)));
  // 四离: the eve of 春分 夏至 秋分 冬至; 四绝: the eve of 立春 立夏 立秋 立冬.
  // Only worship and the small works are done, 德合赦愿 or not.
  s.push_back(Firm(Bad(
      "四离", [](const Input& in) { return in.f.eveOfFenZhi; }, eveForbids)));
  s.push_back(Firm(Bad(
      "四绝", [](const Input& in) { return in.f.eveOfLi; }, eveForbids)));

  // The lesser 凶神, each with what lifts it ("与 … 并则不忌"). Those the book
  // says stay forbidden with a 德合 ("与德合 … 并犹忌") are vetoes (Firm); the
  // rest are settled with the day like the great ones.
  // 厌对 (招摇, 六仪's day): 正辰, backward. A 德 or 天赦 lifts it.
  s.push_back(Firm(Bad("厌对", ByMonth("辰 卯 寅 丑 子 亥 戌 酉 申 未 午 巳"), "嫁娶", kDeHe | kTianShe)));
  s.push_back(FromTable("招摇"));
  // 游祸: 正巳 二寅 三亥 四申, three times round.
  s.push_back(Firm(Bad("游祸", ByMonth("巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥 申"), "祈福 求嗣 解除 求医疗病")));
  // 死气: 正月午, forward.
  // 卷十: "辰戌月值月厌虽与德合并犹忌".
  Spirit siQi = Bad("死气", ByMonth("午 未 申 酉 戌 亥 子 丑 寅 卯 辰 巳"),
                    "安抚边境 选将训兵 出师 解除 求医疗病 修置产室 栽种", kDeHe, kWarAndHealing);
  siQi.notLiftedIn = "辰戌";
  s.push_back(std::move(siQi));
  // 小耗: the branch before 月破.
  // 卷十: "子午卯酉月值刼煞虽与德合并犹忌".
  Spirit xiaoHao = Bad("小耗", ByMonth("未 申 酉 戌 亥 子 丑 寅 卯 辰 巳 午"), kStores, kDeHe | kTianYuan);
  xiaoHao.notLiftedIn = "子午卯酉";
  s.push_back(std::move(xiaoHao));
  // 天贼: 正月丑, running backward through the branches month by month.
  s.push_back(
      Firm(Bad("天贼", ByMonth("丑 子 亥 戌 酉 申 未 午 巳 辰 卯 寅"), "行幸 遣使 修仓库 开仓库出货财")));
  // 四击: 春戌 夏丑 秋辰 冬未.
  s.push_back(Firm(Bad("四击", BySeason("戌 丑 辰 未"), kWar)));
  // 四耗: 春壬子 夏乙卯 秋戊午 冬辛酉; a 德 or 三合 leaves only war.
  s.push_back(Bad("四耗", BySeasonPillar("壬子 乙卯 戊午 辛酉"),
                  std::string(kWar) + " " + std::string(kStores), kDeHe | kSanHe, kWar));
  // 四忌: 春甲子 夏丙子 秋庚子 冬壬子; 四穷: 春乙亥 夏丁亥 秋辛亥 冬癸亥.
  // No war, no marriage, no burial; 四穷 not the stores either.
  s.push_back(Firm(Bad("四忌", BySeasonPillar("甲子 丙子 庚子 壬子"),
                       std::string(kWar) + " 结婚姻 纳采问名 嫁娶 安葬", kTianYuan, kWar)));
  s.push_back(Firm(Bad("四穷", BySeasonPillar("乙亥 丁亥 辛亥 癸亥"),
                       std::string(kWar) + " 结婚姻 纳采问名 嫁娶 安葬 进人口 " + std::string(kStores),
                       kTianYuan, kWar)));
  // 五虚: the triad the season's element overcomes: 春巳酉丑 夏申子辰 秋亥卯未 冬寅午戌.
  s.push_back(Bad("五虚", BySeason("巳酉丑 申子辰 亥卯未 寅午戌"), "修仓库 开仓库出货财", kDeHe | kLiuHe));
  // 五墓: the season's strong stem on its grave: 正二月乙未 四五月丙戌
  // 七八月辛丑 十十一月壬辰, the last month of each season 戊辰. "五月十一月与月德
  // 并则不忌" (the only months where 月德 meets it).
  s.push_back(
      Bad("五墓", ByMonthPillar("乙未 乙未 戊辰 丙戌 丙戌 戊辰 辛丑 辛丑 戊辰 壬辰 壬辰 戊辰"),
          "冠带 行幸 遣使 安抚边境 选将训兵 出师 上官赴任 临政亲民 结婚姻 纳采问名 嫁娶 进人口 般移 安床 "
          "解除 求医疗病 营建宫室 修宫室 缮城郭 兴造动土 竖柱上梁 开市 立券 交易 修置产室 栽种 牧养 纳畜 "
          "破土 安葬 启攒",
          kYueDe));
  // 九空: 正月辰, backward through the four 季 branches: the clash of the triad's store.
  s.push_back(Bad("九空", ByMonth("辰 丑 戌 未 辰 丑 戌 未 辰 丑 戌 未"), "进人口 " + std::string(kStores),
                  kYueDe | kTianDeHe | kYueDeHe));
  // 九坎 and 九焦: 正月辰, backward through the 季 branches; 五月卯 through the
  // 仲; 九月寅 through the 孟.
  s.push_back(Firm(Bad("九坎", ByMonth("辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳"), "补垣塞穴 取鱼 乘船渡水")));
  s.push_back(Firm(Bad("九焦", ByMonth("辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳"), "鼓铸 栽种 修筑园圃")));
  // 土符: 正丑 二巳 三酉 四寅 五午 六戌 七卯 八未 九亥 十辰 十一申 十二子.
  s.push_back(Firm(Bad("土符", ByMonth("丑 巳 酉 寅 午 戌 卯 未 亥 辰 申 子"), kEarthWorks)));
  // 地囊: two pillars a month.
  s.push_back(
      Firm(Bad("地囊",
               ByMonthPillar("庚子庚午 癸未癸丑 甲子甲寅 己卯己丑 戊辰戊午 癸未癸巳 丙寅丙申 丁卯丁巳 "
                             "戊辰戊子 庚戌庚子 辛未辛酉 乙酉乙未"),
               kEarthWorks)));
  // 土王用事: the eighteen days before each 立.
  s.push_back(Bad(
      "土王用事", [](const Input& in) { return in.f.earthKing; }, kEarthWorks));
  // 大煞: 正戌 二巳 三午 四未 五寅 六卯 七辰 八亥 九子 十丑 十一申 十二酉.
  s.push_back(Firm(Bad("大煞", ByMonth("戌 巳 午 未 寅 卯 辰 亥 子 丑 申 酉"), kWar)));
  // 归忌: 孟月丑 仲月寅 季月子.
  s.push_back(Firm(Bad("归忌", ByMonth("丑 寅 子 丑 寅 子 丑 寅 子 丑 寅 子"), "般移 远回")));
  // 血忌: 正丑 二未 三寅 四申 ...
  s.push_back(Firm(Bad("血忌", ByMonth("丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子"), "针刺")));
  // 往亡: 正寅 二巳 三申 四亥 五卯 六午 七酉 八子 九辰 十未 十一戌 十二丑; 气往亡
  // counted in days from the month's jie. Nothing lifts them.
  constexpr std::string_view goneForbids =
      "上册进表章 颁诏 诏命公卿 招贤 宣政事 行幸 遣使 安抚边境 选将训兵 出师 上官赴任 临政亲民 嫁娶 进人口 "
      "般移 求医疗病 捕捉 畋猎 取鱼";
  s.push_back(Firm(Bad("往亡", ByMonth("寅 巳 申 亥 卯 午 酉 子 辰 未 戌 丑"), goneForbids)));
  s.push_back(Firm(Bad("气往亡", IsQiWangwang, goneForbids)));
  // 复日: one stem a month, the stem of the month's own element repeated:
  // 正甲 二乙 三戊 四丙 五丁 六己 七庚 八辛 九戊 十壬 十一癸 十二己. 重日: the
  // 巳 and 亥 days. A 德, 天赦 or 六合 lifts them, but the burial is then not
  // noted either.
  for (const auto& [name, rule] :
       {std::pair<std::string_view, Predicate>{"复日", ByMonth("甲 乙 戊 丙 丁 己 庚 辛 戊 壬 癸 己")},
        {"重日", OnDays("巳亥")}}) {
    Spirit twice = Firm(Bad(name, rule, "破土 安葬 启攒", kDeHe | kTianShe | kLiuHe));
    twice.liftedMutes = true;
    // What is cut on a repeating day is cut again: 复日 favours the tailor.
    if (name == "复日") twice.favours = DeedsOf("裁制");
    s.push_back(std::move(twice));
  }
  // 五离: the 申 and 酉 days (甲申乙酉 天地离, 丙申丁酉 日月离, ...); the
  // 德, 天赦, 三合 and 六合 lift it.
  s.push_back(Bad("五离", OnDays("申酉"), "庆赐 赏贺 宴会 结婚姻 纳采问名 立券 交易",
                  kDeHe | kTianShe | kSanHe | kLiuHe));
  // 八专: 丁未 己未 庚申 甲寅 癸丑, where stem and branch keep house together.
  s.push_back(Firm(Bad("八专", OnPillars("丁未 己未 庚申 甲寅 癸丑"),
                       std::string(kWar) + " 结婚姻 纳采问名 嫁娶", kTianYuan, kWar)));
  s.push_back(FromTable("阳错"));
  s.push_back(FromTable("阴错"));
  // 触水龙: 丙子 癸丑 癸未.
  s.push_back(Firm(Bad("触水龙", OnPillars("丙子 癸丑 癸未"), "取鱼 乘船渡水")));
  // The 分 and 至 days: the court's business, marriage, moving and trade
  // are not noted at all.
  const auto fenZhiDay = [](const Input& in) { return in.f.fenZhiDay; };
  s.push_back(Muting(Hidden(Bad("分至", fenZhiDay, "")),
                     "上册进表章 庆赐 赏贺 宴会 行幸 遣使 安抚边境 选将训兵 出师 上官赴任 临政亲民 结婚姻 "
                     "纳采问名 嫁娶 进人口 般移 开市 立券 交易 捕捉 畋猎 取鱼"));
  // 执, 危 and 收: "霜降后立春前宜畋猎雨水后立夏前宜取鱼".
  const auto gathering = [](const Input& in) {
    return in.officer == 5 || in.officer == 7 || in.officer == 9;
  };
  s.push_back(Hidden(Good(
      "畋猎日", [gathering](const Input& in) { return gathering(in) && in.f.huntSeason; }, "畋猎")));
  s.push_back(Hidden(Good(
      "取鱼日", [gathering](const Input& in) { return gathering(in) && in.f.fishSeason; }, "取鱼")));
  // Trees are felled from 立冬 to 立春, on the 危 days and the 午 and 申 days.
  s.push_back(Hidden(Good(
      "伐木日",
      [](const Input& in) {
        const int branch = in.f.day.branch.Index();
        return in.monthIndex >= 9 && (in.officer == 7 || branch == 6 || branch == 8);
      },
      "伐木")));
  // The hundred taboos of the day's stem and branch (彭祖百忌). Those the
  // almanac rules name (丁 壬 寅 卯 巳 酉 亥) are noted whatever the day's
  // grade; the others are settled with the day.
  s.push_back(Hidden(Bad("甲日", OnDays("甲"), "开仓库出货财")));
  s.push_back(Hidden(Bad("乙日", OnDays("乙"), "栽种")));
  s.push_back(Firm(Hidden(Bad("丁日", OnDays("丁"), "整容剃头"))));
  s.push_back(Hidden(Bad("庚日", OnDays("庚"), "经络")));
  s.push_back(Hidden(Bad("辛日", OnDays("辛"), "酝酿")));
  s.push_back(Firm(Hidden(Bad("壬日", OnDays("壬"), "开渠穿井"))));
  s.push_back(Hidden(Bad("丑日", OnDays("丑"), "冠带")));
  s.push_back(Firm(Hidden(Bad("寅日", OnDays("寅"), "祭祀"))));
  s.push_back(Firm(Hidden(Bad("卯日", OnDays("卯"), "开渠穿井"))));
  s.push_back(Firm(Hidden(Bad("巳日", OnDays("巳"), "行幸 遣使"))));
  s.push_back(Hidden(Bad("午日", OnDays("午"), "苫盖")));
  s.push_back(Hidden(Bad("未日", OnDays("未"), "求医疗病")));
  s.push_back(Hidden(Bad("申日", OnDays("申"), "安床")));
  s.push_back(Firm(Hidden(Bad("酉日", OnDays("酉"), "宴会"))));
  s.push_back(Firm(Hidden(Bad("亥日", OnDays("亥"), "嫁娶"))));
  // The common and the trade almanacs' words that the court's imply: what
  // favours or forbids 上册进表章 does the same to 上表章, 施恩封拜 to
  // 袭爵受封, the banquet to meeting kin.
  for (Spirit& spirit : s)
    for (DeedSet* deeds : {&spirit.favours, &spirit.forbids, &spirit.lifted, &spirit.mutes})
      for (const auto& [court, common] :
           {std::pair<std::string_view, std::string_view>{"上册进表章", "上表章"},
            {"施恩封拜", "袭爵受封"},
            {"宴会", "会亲友"}})
        if ((*deeds & DeedsOf(court)).any()) *deeds |= DeedsOf(common);
  return s;
}

}  // namespace

const std::vector<Spirit>& Spirits() {
  static const std::vector<Spirit> spirits = BuildSpirits();
  return spirits;
}

namespace {

// 宜忌等第 (resources/almanac/grades.tsv): where one of these 凶神 (or the
// officers 平, 收 and 闭) falls in the listed months, the day takes the grade
// given, 0 上 .. 5 下下. The gravest grade of the day's entries counts.
struct GradeRule {
  std::string_view spirit;
  std::string_view months;
  int grade;
};

const std::vector<GradeRule>& GradeRules() {
  static const std::vector<GradeRule> rules = [] {
    std::vector<GradeRule> out;
    for (const auto& record : tables::Records(tables::kGrades, "spirit", 4)) {
      int grade = 0;
      while (grade <= static_cast<int>(Grade::kXiaXia) && GradeName(static_cast<Grade>(grade)) != record[2])
        ++grade;
      if (grade > static_cast<int>(Grade::kXiaXia))
        throw std::logic_error("almanac rules: no grade " + std::string(record[2]));
      out.push_back({record[0], record[1], grade});
    }
    return out;
  }();
  return rules;
}

// How each grade settles what is both favoured and forbidden, with and
// without a 德 (天德, 月德 or their 合) on the day.
constexpr Settlement kSettleWithDe[] = {Settlement::kFavour,  Settlement::kFavour, Settlement::kFavour,
                                        Settlement::kNeither, Settlement::kForbid, Settlement::kNothing};
constexpr Settlement kSettleWithoutDe[] = {Settlement::kFavour, Settlement::kNeither, Settlement::kForbid,
                                           Settlement::kForbid, Settlement::kNothing, Settlement::kNothing};

const Spirit& SpiritNamed(std::string_view name) {
  for (const Spirit& s : Spirits())
    if (s.name == name) return s;
  throw std::logic_error("almanac rules: no spirit " + std::string(name));
}

bool Has(const std::vector<const Spirit*>& present, std::string_view name) {
  for (const Spirit* s : present)
    if (s->name == name) return true;
  return false;
}

}  // namespace

int GradeOf(const std::vector<std::string_view>& spirits, int monthIndex) {
  int grade = -1;
  for (const GradeRule& r : GradeRules()) {
    if (r.grade <= grade || !MonthIn(r.months, monthIndex)) continue;
    for (std::string_view name : spirits)
      if (name == r.spirit) grade = r.grade;
  }
  return grade;
}

bool LiftedOn(const Spirit& s, const Input& in, unsigned virtues) {
  return (s.liftedBy & virtues) && !MonthIn(s.notLiftedIn, in.monthIndex);
}

const DeedSet* LimitOn(const Spirit& s, const Input& in, const Standing& day) {
  if (day.unlimited && s.deathOrDefeat) return nullptr;
  if (s.onlyWhen && s.onlyWhen(in, day.virtues)) return &s.only;
  if (s.graded && day.settle == Settlement::kFavour) return &s.gradedOnly;
  return nullptr;
}

DeedSet ForbidsOn(const Spirit& s, const Input& in, const Standing& day) {
  if (LiftedOn(s, in, day.virtues)) return s.lifted;
  if (const DeedSet* limit = LimitOn(s, in, day)) return *limit;
  return s.forbids;
}

bool VetoesOn(const Spirit& s, const Input& in, unsigned virtues) {
  return s.firm && !LiftedOn(s, in, virtues);
}

Judgement Judge(const Input& in, Trace* trace) {
  Judgement j;
  std::vector<const Spirit*> present;
  std::vector<std::string_view> names;
  unsigned virtues = 0;
  for (const Spirit& s : Spirits()) {
    if (!s.applies(in)) continue;
    present.push_back(&s);
    names.push_back(s.name);
    virtues |= s.virtue;
    if (s.shown) (s.good ? j.goodSpirits : j.badSpirits).push_back(s.name);
  }
  // On 阳错 and 阴错 days a 德 counts as the month's 建, not as a 德
  // ("德作建论不作德论"): it neither settles the day nor lifts a 凶神.
  if (Has(present, "阳错") || Has(present, "阴错")) virtues &= ~kDeHe;
  const bool de = (virtues & kDeHe) != 0;
  j.grade = GradeOf(names, in.monthIndex);
  // A day outside the table: good and bad that meet cancel (吉凶相抵).
  Settlement settle = j.grade < 0 ? Settlement::kNeither
                      : de        ? kSettleWithDe[j.grade]
                                  : kSettleWithoutDe[j.grade];
  // 闭 with 王日 in the 子午卯酉 months and with 官日 and 天吏 in the 辰戌丑未
  // months (中次): "与天德月德天德合月德合天赦天愿并凡所忌者则不注宜所宜者亦不注忌":
  // 天赦 and 天愿 offset it as a 德 does.
  if (settle == Settlement::kForbid && j.grade == static_cast<int>(Grade::kZhongCi) &&
      in.monthIndex % 3 != 0 && in.officer == 11 && (virtues & (kTianShe | kTianYuan)))
    settle = Settlement::kNeither;
  // 卷十, 四废: "与月破并诸事皆忌".
  if (Has(present, "四废") && Has(present, "月破")) settle = Settlement::kNothing;
  j.settle = settle;
  // 卷十, 铺注条例: "凡天吏大时不以死败论者遇四废嵗薄逐阵仍以死败论".
  const Standing standing{virtues, settle,
                          Has(present, "四废") || Has(present, "岁薄") || Has(present, "逐阵")};
  DeedSet favoured, forbidden, muted, limited;
  std::vector<DeedSet> forbidsOn;
  for (const Spirit* s : present) {
    favoured |= s->favours;
    muted |= s->mutes;
    // A lesser 凶神 that a virtue of the day lifts forbids only what it
    // keeps; one the book limits on the day ("止忌") only what it names,
    // and that stands whatever the day favours.
    const DeedSet forbids = ForbidsOn(*s, in, standing);
    forbidden |= forbids;
    const DeedSet* limit = LiftedOn(*s, in, virtues) ? nullptr : LimitOn(*s, in, standing);
    if (limit) limited |= forbids;
    if (trace)
      trace->limits.push_back(!limit              ? std::string_view()
                              : limit == &s->only ? s->onlySaying
                                                  : s->gradedSaying);
    if (LiftedOn(*s, in, virtues) && s->liftedMutes) muted |= s->forbids;
    if (trace) forbidsOn.push_back(forbids);
  }
  if (trace) {
    trace->present = present;
    trace->forbids = forbidsOn;
    trace->virtues = virtues;
    trace->de = de;
    trace->favoured = favoured;
    trace->forbidden = forbidden;
    trace->muted = muted;
  }
  if (settle == Settlement::kNothing) {
    j.forbids.set();
    return j;
  }
  // The vetoes, unless a virtue lifted them, stand however the day settles.
  DeedSet vetoed;
  for (const Spirit* s : present)
    if (VetoesOn(*s, in, virtues)) {
      vetoed |= s->forbids;
      if (trace) trace->vetoes.push_back(s);
    }
  if (trace) {
    trace->vetoed = vetoed;
    trace->limited = limited;
  }
  // Each writing rule below says, for the explanation, what it changed.
  const auto rule = [&](std::string_view why, const auto& apply) {
    if (!trace) {
      apply();
      return;
    }
    const DeedSet suitBefore = favoured, forbidBefore = forbidden;
    apply();
    const DeedSet suitChanged = suitBefore ^ favoured, forbidChanged = forbidBefore ^ forbidden;
    for (std::size_t i = 0; i < Deeds.size(); ++i) {
      if (suitChanged.test(i)) trace->suitRule[i] = why;
      if (forbidChanged.test(i)) trace->forbidRule[i] = why;
    }
  };
  const DeedSet both = favoured & forbidden;
  if (settle == Settlement::kFavour) forbidden &= ~both;
  if (settle == Settlement::kForbid) favoured &= ~both;
  if (settle == Settlement::kNeither) {
    favoured &= ~both;
    forbidden &= ~both;
  }
  rule(kVetoRule, [&] {
    forbidden |= vetoed;
    favoured &= ~vetoed;
  });
  rule(kLimitRule, [&] {
    forbidden |= limited;
    favoured &= ~limited;
  });
  const auto drop = [](DeedSet& set, std::string_view words) { set &= ~Listed(words); };
  const auto isIn = [](const DeedSet& set, std::string_view word) { return (set & Listed(word)).any(); };
  // 德合, 赦愿, 月恩, 四相 and 时德 days note no 忌 for the household's and the
  // trade's business, unless the day follows 忌 over 宜.
  rule("铺注条例：德合赦愿月恩四相时德等日不注忌进人口、安床、经络、酝酿、开市、立券、交易、纳财", [&] {
    if ((virtues & kGenerous) && settle != Settlement::kForbid) forbidden &= ~Listed(kTrade);
  });
  // Where worship is forbidden (寅 days, 天狗), neither is 祈福 or 求嗣 noted
  // as 宜; where the journey is (巳), neither is the army's; where the
  // banquet is (酉), neither are the rewards of the court.
  const auto unless = [&](std::string_view why, std::string_view forbiddenDeed, std::string_view notNoted) {
    rule(why, [&] {
      if (isIn(vetoed, forbiddenDeed)) drop(favoured, notNoted);
    });
  };
  unless("铺注条例：忌祭祀之日不注宜祈福、求嗣", "祭祀", "祈福 求嗣");
  unless("铺注条例：忌遣使之日不注宜出师", "遣使", "出师");
  unless("铺注条例：忌宴会之日不注宜庆赐、赏贺", "宴会", "庆赐 赏贺");
  // Where good and bad offset each other (从宜亦从忌), the activities that
  // go together are left unnoted together.
  if (settle == Settlement::kNeither) {
    rule("铺注条例：吉凶相抵，相连之事并不注忌", [&] {
      const auto pair = [&](std::string_view one, std::string_view others) {
        if (!isIn(forbidden, one)) drop(forbidden, others);
      };
      pair("祈福", "求嗣");
      pair("结婚姻", "冠带 纳采问名 嫁娶 进人口");
      if (!Has(present, "不将")) pair("嫁娶", "冠带 纳采问名 结婚姻 进人口 般移 安床");
      pair("般移", "安床");
      pair("安床", "般移");
      pair("解除", "整容剃头 整手足甲");
      if (!isIn(forbidden, "兴造动土") || !isIn(forbidden, "竖柱上梁"))
        drop(forbidden,
             "修宫室 缮城郭 筑堤防 修仓库 鼓铸 苫盖 修置产室 开渠穿井 安碓硙 补垣塞穴 修饰垣墙 平治道涂 "
             "破屋坏垣");
      pair("开市", "立券 交易 纳财 开仓库出货财");
      pair("纳财", "开市 立券 交易");
      pair("立券", "开市 纳财 开仓库出货财");
      pair("牧养", "纳畜");
      pair("纳畜", "牧养");
      if (isIn(favoured, "安葬")) drop(forbidden, "启攒");
      if (isIn(favoured, "启攒")) drop(forbidden, "安葬");
    });
  }
  // What a veto forbids is noted whatever the rules above left out ("如遇德犹忌
  // …则仍注忌", "遇亥日厌对八专四忌四穷而仍注忌嫁娶者").
  rule(kVetoRule, [&] { forbidden |= vetoed; });
  rule(kLimitRule, [&] { forbidden |= limited; });
  // 诏命公卿 and 招贤 go with 施恩封拜 and 举正直: one forbidden, the others are
  // not noted as 宜.
  rule("铺注条例：忌诏命公卿、招贤之日不注宜施恩封拜、举正直", [&] {
    if (isIn(forbidden, "诏命公卿") || isIn(forbidden, "招贤")) drop(favoured, "施恩封拜 举正直 袭爵受封");
  });
  rule("铺注条例：忌施恩封拜、举正直之日不注宜诏命公卿、招贤", [&] {
    if (isIn(forbidden, "施恩封拜") || isIn(forbidden, "举正直")) drop(favoured, "诏命公卿 招贤");
  });
  // On 岁薄 and 逐阵 days nothing 月厌 forbids is noted as suiting the day.
  rule("铺注条例：岁薄、逐阵日不注宜月厌所忌之事", [&] {
    if (Has(present, "岁薄") || Has(present, "逐阵")) favoured &= ~SpiritNamed("月厌").forbids;
  });
  // 月厌 forbids the progress and the new office: the court's favours are not noted.
  rule("铺注条例：月厌日不注宜颁诏、施恩封拜、诏命公卿、招贤、举正直", [&] {
    if (Has(present, "月厌")) drop(favoured, "颁诏 施恩封拜 诏命公卿 招贤 举正直");
  });
  // 土府, 土符 and 地囊 forbid mending walls and stopping holes.
  rule("铺注条例：土府、土符、地囊日不注宜补垣塞穴", [&] {
    if (Has(present, "土府") || Has(present, "土符") || Has(present, "地囊")) drop(favoured, "补垣塞穴");
  });
  // 开 notes no burial and no breaking of the ground.
  rule("铺注条例：开日不注宜破土、安葬、启攒", [&] {
    if (in.officer == 10) drop(favoured, "破土 安葬 启攒");
  });
  // 四忌 and 四穷 forbid burial only; the ground is not broken either.
  rule("铺注条例：四忌、四穷日忌安葬，亦不注宜破土、启攒", [&] {
    if (Has(present, "四忌") || Has(present, "四穷")) {
      forbidden |= Listed("安葬");
      drop(favoured, "破土 启攒");
    }
  });
  // Where a 德合 meets 天赦 or 天愿, nothing is forbidden.
  rule("铺注条例：德合与天赦、天愿并，不注忌", [&] {
    if ((virtues & (kTianDeHe | kYueDeHe)) && (virtues & (kTianShe | kTianYuan))) forbidden.reset();
  });
  j.forbids = forbidden & ~muted;
  j.suits = favoured & ~forbidden & ~muted;
  // A day that follows 忌 over 宜, or whose veto forbids all but a few
  // things, notes the little it leaves and no more.
  j.restOmitted = (settle == Settlement::kForbid || vetoed.count() > Deeds.size() / 2) && j.suits.any();
  return j;
}

Judgement Judge(const DayFacts& facts, Trace* trace) {
  const int monthIndex = facts.month.Next(-2).Index();
  return Judge(
      Input{facts, monthIndex, monthIndex / 3, static_cast<int>(OfficerOf(facts.month, facts.day.branch))},
      trace);
}

}  // namespace vantrel::almanac::book
