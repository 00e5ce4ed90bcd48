#include "tools/lib/almanac_rules.h"

#include <bitset>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <stdexcept>

#include "calendar/lunar.h"
#include "common/text.h"
#include "tools/resource_format.h"

namespace vantrel::tools {

const std::array<std::string_view, 12> OfficerNames = {"建", "除", "满", "平", "定", "执",
                                                       "破", "危", "成", "收", "开", "闭"};

const std::array<std::string_view, 12> RoadSpiritNames = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                                          "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};

// The words of the almanac glossary (立券 written as the contract is named)
// and 开仓, opening the granary, which the officer 建 forbids.
const std::vector<std::string_view> ActivityNames = {
    "嫁娶", "祭祀", "安葬", "出行", "祈福", "动土", "安床", "开光", "纳采", "入殓", "移徙",
    "破土", "解除", "入宅", "修造", "栽种", "开市", "移柩", "订盟", "拆卸", "立券", "交易",
    "求嗣", "上梁", "纳财", "起基", "斋醮", "赴任", "冠笄", "安门", "修坟", "挂匾", "开仓"};

const std::array<std::string_view, 11> AlmanacColumns = {"gn",   "nn",   "suici", "tszf", "wuhang", "cong",
                                                         "pzbj", "jsyq", "yi",    "xsyq", "ji"};

namespace {

// ---------------------------------------------------------------------------
// Tables of the pillar alone.

// 纳音: one name for each pair of pillars, from 甲子乙丑.
constexpr std::array<std::string_view, 30> kNayin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// 胎神逐日所占: the place the fetal god keeps on each of the sixty days and
// the quarter it lies in, from 甲子. The place runs in a thirty-day round;
// the quarter goes round the outside of the house and then through its rooms.
constexpr std::array<std::string_view, 60> kFetalGod = {
    "占门碓外东南", "碓磨厕外东南", "厨灶炉外正南", "仓库门外正南", "房床栖外正南",   // 甲子..戊辰
    "占门床外正南", "占碓磨外正南", "厨灶厕外西南", "仓库炉外西南", "房床门外西南",   // 己巳..癸酉
    "门鸡栖外西南", "碓磨床外西南", "厨灶碓外西南", "仓库厕外正西", "房床炉外正西",   // 甲戌..戊寅
    "占大门外正西", "碓磨栖外正西", "厨灶床外正西", "仓库碓外西北", "房床厕外西北",   // 己卯..癸未
    "占门炉外西北", "碓磨门外西北", "厨灶栖外西北", "仓库床外西北", "房床碓外正北",   // 甲申..戊子
    "占门厕外正北", "碓磨炉外正北", "厨灶门外正北", "仓库栖外正北", "占房床房内北",   // 己丑..癸巳
    "占门碓房内北", "碓磨厕房内北", "厨灶炉房内北", "仓库门房内北", "房床栖房内中",   // 甲午..戊戌
    "占门床房内中", "占碓磨房内南", "厨灶厕房内南", "仓库炉房内南", "房床门房内西",   // 己亥..癸卯
    "门鸡栖房内东", "碓磨床房内东", "厨灶碓房内东", "仓库厕房内东", "房床炉房内中",   // 甲辰..戊申
    "占大门外东北", "碓磨栖外东北", "厨灶床外东北", "仓库碓外东北", "房床厕外东北",   // 己酉..癸丑
    "占门炉外东北", "碓磨门外正东", "厨灶栖外正东", "仓库床外正东", "房床碓外正东",   // 甲寅..戊午
    "占门厕外正东", "碓磨炉外东南", "厨灶门外东南", "仓库栖外东南", "占房床外东南"};  // 己未..癸亥

// 彭祖百忌: the saying of each day stem and of each day branch.
constexpr std::array<std::string_view, 10> kPengzuStem = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮", "戊不受田田主不祥",
    "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝", "壬不泱水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kPengzuBranch = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香",
    "辰不哭泣必主重丧", "巳不远行财物伏藏", "午不苫盖屋主更张", "未不服药毒气入肠",
    "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// 煞方: the sha of a day lies in the quarter its branch's triad faces away
// from: 申子辰 南, 寅午戌 北, 亥卯未 西, 巳酉丑 东.
constexpr std::array<std::string_view, 12> kShaDirection = {"南", "东", "北", "西", "南", "东",
                                                            "北", "西", "南", "东", "北", "西"};

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

// ---------------------------------------------------------------------------
// The rules.

// The facts with the month counted from 正月 and its season.
struct RuleInput {
  const DayFacts& f;
  int monthIndex;  // 0 = 正月 (寅) .. 11 = 十二月 (丑)
  int season;      // 0 春 (寅卯辰) .. 3 冬 (亥子丑)
};

using ActivitySet = std::bitset<64>;

// The blank-separated words of a table.
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

// A blank-separated list of activities; a word outside ActivityNames is a
// fault in the tables below.
ActivitySet Activities(std::string_view words) {
  ActivitySet set;
  for (const std::string& word : Words(words)) {
    std::size_t i = 0;
    while (i < ActivityNames.size() && ActivityNames[i] != word) ++i;
    if (i == ActivityNames.size()) throw std::logic_error("almanac rules: unknown activity " + word);
    set.set(i);
  }
  return set;
}

// A set of stems, branches and pillars a day may be matched against.
struct DayMatch {
  std::uint16_t stems = 0;
  std::uint16_t branches = 0;
  std::bitset<60> pillars;

  bool Has(const Pillar& p) const {
    return ((stems >> p.stem) & 1u) || ((branches >> p.branch) & 1u) || pillars.test(p.Index());
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
      const int s = StemBranchIndex(chars[i], false);
      const int b = StemBranchIndex(chars[i + 1], true);
      if (s < 0 || b < 0 || s % 2 != b % 2) throw std::logic_error("almanac rules: bad pillar in " + entry);
      m.pillars.set(Pillar{s, b}.Index());
    }
    return m;
  }
  for (const std::string& c : chars) {
    if (const int s = StemBranchIndex(c, false); s >= 0) {
      m.stems |= static_cast<std::uint16_t>(1u << s);
    } else if (const int b = StemBranchIndex(c, true); b >= 0) {
      m.branches |= static_cast<std::uint16_t>(1u << b);
    } else {
      throw std::logic_error("almanac rules: bad character in " + entry);
    }
  }
  return m;
}

// A rule table keyed by the month (twelve entries, 正月 first), the season
// (four entries, 春 first) or by nothing (one entry), matched against the day.
enum class Key { Month, Season, Day };

using Predicate = std::function<bool(const RuleInput&)>;

Predicate Keyed(Key key, std::string_view table, bool pillars) {
  const std::vector<std::string> words = Words(table);
  const std::size_t expected = key == Key::Month ? 12 : key == Key::Season ? 4 : 1;
  if (words.size() != expected)
    throw std::logic_error("almanac rules: wrong entry count in " + std::string(table));
  std::vector<DayMatch> entries;
  for (const auto& w : words) entries.push_back(ParseEntry(w, pillars));
  return [key, entries](const RuleInput& in) {
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

struct SpiritRule {
  std::string_view name;
  Predicate applies;
  ActivitySet suits;
  ActivitySet forbids;
  bool suitsNothing = false;  // a day of this spirit suits nothing at all
};

SpiritRule Good(std::string_view name, Predicate p, std::string_view suits) {
  return {name, std::move(p), Activities(suits), {}, false};
}

SpiritRule Bad(std::string_view name, Predicate p, std::string_view forbids, bool suitsNothing = false) {
  return {name, std::move(p), {}, Activities(forbids), suitsNothing};
}

// 气往亡: the day so many days into the month, counting the jie day as the
// first: 立春 7, 惊蛰 14, 清明 21, 立夏 8, 芒种 16, 小暑 24, 立秋 9, 白露 18,
// 寒露 27, 立冬 10, 大雪 20, 小寒 30.
constexpr std::array<int, 12> kQiWangwang = {7, 14, 21, 8, 16, 24, 9, 18, 27, 10, 20, 30};

bool IsQiWangwang(const RuleInput& in) {
  return in.f.daysIntoMonth + 1 == kQiWangwang[static_cast<std::size_t>(in.monthIndex)];
}
bool ClashesTheYear(const RuleInput& in) { return in.f.day.branch == Mod(in.f.yearBranch + 6, 12); }
bool IsEveOfFenZhi(const RuleInput& in) { return in.f.eveOfFenZhi; }
bool IsEveOfLi(const RuleInput& in) { return in.f.eveOfLi; }

// The auspicious spirits (吉神), each with what it favours. Month tables run
// from 正月 (the 寅 month) to 十二月; season tables from 春 to 冬.
const std::vector<SpiritRule>& GoodSpirits() {
  static const std::vector<SpiritRule> rules = {
      // 天德: 正丁 二坤 三壬 四辛 五乾 六甲 七癸 八艮 九丙 十乙 十一巽 十二庚. In the
      // four middle months of the seasons (卯午酉子) it stands on a trigram,
      // which no day is, so those months have no 天德 day and no 天德合 day.
      Good("天德", ByMonth("丁 - 壬 辛 - 甲 癸 - 丙 乙 - 庚"), "祭祀 祈福 求嗣 修造 赴任"),
      // 天德合: the stem that combines with 天德 (丁壬 辛丙 甲己 癸戊 乙庚).
      Good("天德合", ByMonth("壬 - 丁 丙 - 己 戊 - 辛 庚 - 乙"), "祭祀 祈福 修造"),
      // 月德: 寅午戌月丙, 亥卯未月甲, 申子辰月壬, 巳酉丑月庚.
      Good("月德", ByMonth("丙 甲 壬 庚 丙 甲 壬 庚 丙 甲 壬 庚"), "祭祀 祈福 求嗣 修造 赴任"),
      // 月德合: the stem that combines with 月德.
      Good("月德合", ByMonth("辛 己 丁 乙 辛 己 丁 乙 辛 己 丁 乙"), "祭祀 祈福 修造"),
      // 天恩: 甲子至戊辰, 己卯至癸未, 己酉至癸丑 (fifteen days).
      Good("天恩", OnPillars("甲子 乙丑 丙寅 丁卯 戊辰 己卯 庚辰 辛巳 壬午 癸未 己酉 庚戌 辛亥 壬子 癸丑"),
           "祭祀 祈福 斋醮"),
      // 天愿: one pillar in each month.
      Good("天愿", ByMonthPillar("乙亥 甲戌 乙酉 丙申 丁未 戊午 己巳 庚辰 辛卯 壬寅 癸丑 甲子"),
           "嫁娶 纳采 订盟 出行"),
      // 月恩: 正丙 二丁 三庚 四己 五戊 六辛 七壬 八癸 九庚 十乙 十一甲 十二辛.
      Good("月恩", ByMonth("丙 丁 庚 己 戊 辛 壬 癸 庚 乙 甲 辛"), "嫁娶 移徙 修造 赴任"),
      // 月空: 寅午戌月壬, 亥卯未月庚, 申子辰月丙, 巳酉丑月甲.
      Good("月空", ByMonth("壬 庚 丙 甲 壬 庚 丙 甲 壬 庚 丙 甲"), "修造 上梁"),
      // 母仓: the element that bears the season's: 春亥子 夏寅卯 秋辰戌丑未 冬申酉.
      Good("母仓", BySeason("亥子 寅卯 辰戌丑未 申酉"), "栽种 纳财"),
      // 四相: the stems of the element the season brings on: 春丙丁 夏戊己 秋壬癸 冬甲乙.
      Good("四相", BySeason("丙丁 戊己 壬癸 甲乙"), "修造 栽种"),
      // 时德: 春午 夏辰 秋子 冬寅.
      Good("时德", BySeason("午 辰 子 寅"), "祈福 赴任"),
      // 王日 官日 守日 相日 民日: the five days of the season.
      Good("王日", BySeason("寅 巳 申 亥"), "赴任"),
      Good("官日", BySeason("卯 午 酉 子"), "赴任"),
      Good("守日", BySeason("酉 子 卯 午"), ""),
      Good("相日", BySeason("巳 申 亥 寅"), "赴任"),
      Good("民日", BySeason("午 酉 子 卯"), "栽种 交易"),
      // 驿马: the branch that clashes the first of the month's triad:
      // 寅午戌月申, 亥卯未月巳, 申子辰月寅, 巳酉丑月亥.
      Good("驿马", ByMonth("申 巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥"), "出行 移徙 赴任"),
      // 天马: 正午 二申 三戌 四子 五寅 六辰, and again from 七月.
      Good("天马", ByMonth("午 申 戌 子 寅 辰 午 申 戌 子 寅 辰"), "出行 赴任"),
      // 天喜: 正月戌, forward through the branches.
      Good("天喜", ByMonth("戌 亥 子 丑 寅 卯 辰 巳 午 未 申 酉"), "嫁娶 纳采 订盟"),
      // 天医: 正月丑, forward. It favours healing, which has no word in the glossary.
      Good("天医", ByMonth("丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 子"), ""),
      // 生气: 正月子, forward.
      Good("生气", ByMonth("子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥"), "动土 修造 栽种"),
      // 益后: 正子 二午 三丑 四未 五寅 六申 七卯 八酉 九辰 十戌 十一巳 十二亥.
      Good("益后", ByMonth("子 午 丑 未 寅 申 卯 酉 辰 戌 巳 亥"), "嫁娶 修造 求嗣"),
      // 续世: the branch after 益后.
      Good("续世", ByMonth("丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子"), "嫁娶 求嗣"),
      // 三合: the other two branches of the month branch's triad.
      Good("三合", ByMonth("午戌 未亥 申子 酉丑 戌寅 亥卯 子辰 丑巳 寅午 卯未 辰申 巳酉"),
           "嫁娶 纳采 订盟 立券 交易"),
      // 六合: the branch that combines with the month branch (寅亥 卯戌 辰酉 巳申 午未 子丑).
      Good("六合", ByMonth("亥 戌 酉 申 未 午 巳 辰 卯 寅 丑 子"), "嫁娶 订盟 交易"),
      // 阳德: 正月戌, forward through the yang branches.
      Good("阳德", ByMonth("戌 子 寅 辰 午 申 戌 子 寅 辰 午 申"), "嫁娶 修造"),
      // 阴德: 正月酉, backward through the yin branches.
      Good("阴德", ByMonth("酉 未 巳 卯 丑 亥 酉 未 巳 卯 丑 亥"), "祭祀 祈福"),
      // 金堂: 正辰 二戌 三巳 四亥 五午 六子 七未 八丑 九申 十寅 十一酉 十二卯.
      Good("金堂", ByMonth("辰 戌 巳 亥 午 子 未 丑 申 寅 酉 卯"), "修造 入宅 上梁"),
      // 玉宇: the branch before 金堂.
      Good("玉宇", ByMonth("卯 酉 辰 戌 巳 亥 午 子 未 丑 申 寅"), "入宅 修造 安门"),
      // 鸣吠: the fourteen days on which the dead are buried with the cock's crow and the dog's bark:
      // 庚午 壬申 癸酉 壬午 甲申 乙酉 己酉 丙申 丁酉 壬寅 丙午 庚寅 庚申 辛酉.
      Good("鸣吠", OnPillars("庚午 壬申 癸酉 壬午 甲申 乙酉 己酉 丙申 丁酉 壬寅 丙午 庚寅 庚申 辛酉"),
           "安葬 入殓 破土 移柩 修坟"),
      // 鸣吠对: the ten days that answer them.
      Good("鸣吠对", OnPillars("丙寅 丁卯 丙子 辛卯 甲午 庚子 癸卯 壬子 甲寅 乙卯"), "安葬 入殓 破土"),
      // 除神: the 申 and 酉 days, when metal sweeps away.
      Good("除神", OnDays("申酉"), "解除 拆卸"),
      // 五合: the 寅 and 卯 days (甲寅乙卯 日月合, 丙寅丁卯 阴阳合, 戊寅己卯 人民合, 庚寅辛卯 金石合,
      // 壬寅癸卯 江河合).
      Good("五合", OnDays("寅卯"), "订盟 纳采 立券 交易"),
  };
  return rules;
}

// The inauspicious spirits (凶神), each with what it forbids.
const std::vector<SpiritRule>& BadSpirits() {
  static const std::vector<SpiritRule> rules = {
      // 岁破: the branch that clashes the year's.
      Bad("岁破", ClashesTheYear, "嫁娶 出行 动土 修造 安葬 入宅 移徙 开市"),
      // 月破: the branch that clashes the month's; it is always the officer 破,
      // whose rule forbids the great matters.
      Bad("月破", ByMonth("申 酉 戌 亥 子 丑 寅 卯 辰 巳 午 未"), ""),
      // 大耗 lies with 月破, 小耗 the branch before it: losses of goods.
      Bad("大耗", ByMonth("申 酉 戌 亥 子 丑 寅 卯 辰 巳 午 未"), "开仓 纳财 交易"),
      Bad("小耗", ByMonth("未 申 酉 戌 亥 子 丑 寅 卯 辰 巳 午"), "开仓 纳财 交易 立券"),
      // The three sha of the month's triad: 劫煞 灾煞 月煞, the three
      // branches before the triad's first (寅午戌月 亥子丑, 亥卯未月 申酉戌,
      // 申子辰月 巳午未, 巳酉丑月 寅卯辰).
      Bad("劫煞", ByMonth("亥 申 巳 寅 亥 申 巳 寅 亥 申 巳 寅"), "嫁娶 出行 移徙 修造 赴任"),
      Bad("灾煞", ByMonth("子 酉 午 卯 子 酉 午 卯 子 酉 午 卯"), "出行 动土 修造"),
      Bad("月煞", ByMonth("丑 戌 未 辰 丑 戌 未 辰 丑 戌 未 辰"), "嫁娶 动土 修造 开市"),
      // 天火: 正子 二卯 三午 四酉, three times round.
      Bad("天火", ByMonth("子 卯 午 酉 子 卯 午 酉 子 卯 午 酉"), "修造 上梁"),
      // 月厌: 正月戌, backward through the branches; 地火 lies with it, 厌对 opposite.
      Bad("月厌", ByMonth("戌 酉 申 未 午 巳 辰 卯 寅 丑 子 亥"), "嫁娶 出行 移徙"),
      Bad("地火", ByMonth("戌 酉 申 未 午 巳 辰 卯 寅 丑 子 亥"), "栽种"),
      Bad("厌对", ByMonth("辰 卯 寅 丑 子 亥 戌 酉 申 未 午 巳"), "嫁娶 纳采"),
      // 四击: 春戌 夏丑 秋辰 冬未.
      Bad("四击", BySeason("戌 丑 辰 未"), "出行"),
      // 复日: one stem a month, the stem of the month's own element repeated:
      // 正甲 二乙 三戊 四丙 五丁 六己 七庚 八辛 九戊 十壬 十一癸 十二己.
      Bad("复日", ByMonth("甲 乙 戊 丙 丁 己 庚 辛 戊 壬 癸 己"),
          "安葬 入殓 破土 移柩"),
      // 重日: the 巳 and 亥 days.
      Bad("重日", OnDays("巳亥"), "安葬 入殓 破土 移柩"),
      // 天罡: 正巳 二子 三未 四寅, seven branches on each month; 河魁 opposite.
      Bad("天罡", ByMonth("巳 子 未 寅 酉 辰 亥 午 丑 申 卯 戌"), "嫁娶 修造 入宅 上梁"),
      Bad("河魁", ByMonth("亥 午 丑 申 卯 戌 巳 子 未 寅 酉 辰"), "嫁娶 修造 入宅 上梁"),
      // 死神: 正月巳, forward; 死气: 正月午, forward.
      Bad("死神", ByMonth("巳 午 未 申 酉 戌 亥 子 丑 寅 卯 辰"), ""),
      Bad("死气", ByMonth("午 未 申 酉 戌 亥 子 丑 寅 卯 辰 巳"), "栽种"),
      // 往亡: 正寅 二巳 三申 四亥 五卯 六午 七酉 八子 九辰 十未 十一戌 十二丑.
      Bad("往亡", ByMonth("寅 巳 申 亥 卯 午 酉 子 辰 未 戌 丑"), "出行 嫁娶 移徙 赴任 入宅"),
      // 气往亡: counted in days from the month's jie (kQiWangwang).
      Bad("气往亡", IsQiWangwang, "出行 嫁娶 移徙 赴任 入宅"),
      // 归忌: 孟月丑 仲月寅 季月子.
      Bad("归忌", ByMonth("丑 寅 子 丑 寅 子 丑 寅 子 丑 寅 子"), "出行 嫁娶 移徙 入宅"),
      // 血支: 正月丑, forward; 血忌: 正丑 二未 三寅 四申 ... They forbid the
      // needle, which has no word in the glossary.
      Bad("血支", ByMonth("丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 子"), ""),
      Bad("血忌", ByMonth("丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子"), ""),
      // 天吏: 正酉 二午 三卯 四子, three times round; 大时 (咸池) opposite.
      Bad("天吏", ByMonth("酉 午 卯 子 酉 午 卯 子 酉 午 卯 子"), "赴任 出行"),
      Bad("大时", ByMonth("卯 子 酉 午 卯 子 酉 午 卯 子 酉 午"), "嫁娶"),
      // 五虚: the triad the season's element overcomes: 春巳酉丑 夏申子辰 秋亥卯未 冬寅午戌.
      Bad("五虚", BySeason("巳酉丑 申子辰 亥卯未 寅午戌"), "开市 纳财 开仓 栽种"),
      // 土符: 正丑 二巳 三酉 四寅 五午 六戌 七卯 八未 九亥 十辰 十一申 十二子.
      Bad("土符", ByMonth("丑 巳 酉 寅 午 戌 卯 未 亥 辰 申 子"), "动土 破土 修造 起基"),
      // 月刑: the branch the month branch punishes (寅巳 卯子 辰辰 巳申 午午 未丑 ...).
      Bad("月刑", ByMonth("巳 子 辰 申 午 丑 寅 酉 未 亥 卯 戌"), ""),
      // 月害: the branch that harms the month branch (寅巳 卯辰 申亥 酉戌 子未 丑午).
      Bad("月害", ByMonth("巳 辰 卯 寅 丑 子 亥 戌 酉 申 未 午"), ""),
      // 天贼: 正月丑, running backward through the branches month by month.
      Bad("天贼", ByMonth("丑 子 亥 戌 酉 申 未 午 巳 辰 卯 寅"), "出行 修造 开仓"),
      // 游祸: 正巳 二寅 三亥 四申, three times round.
      Bad("游祸", ByMonth("巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥 申"), "祈福 祭祀 斋醮"),
      // 五离: the 申 and 酉 days (甲申乙酉 天地离, 丙申丁酉 日月离, ...).
      Bad("五离", OnDays("申酉"), "嫁娶 订盟 纳采 立券 交易"),
      // 四废: the pillars of the element dead in the season: 春庚申辛酉
      // 夏壬子癸亥 秋甲寅乙卯 冬丙午丁巳. Nothing is begun on them.
      Bad("四废", BySeasonPillar("庚申辛酉 壬子癸亥 甲寅乙卯 丙午丁巳"),
          "嫁娶 出行 动土 修造 安葬 入宅 移徙 开市 赴任", true),
      // 四离: the eve of 春分 夏至 秋分 冬至; 四绝: the eve of 立春 立夏 立秋
      // 立冬. The great matters are not undertaken on them.
      Bad("四离", IsEveOfFenZhi, "嫁娶 出行 赴任 移徙 开市", true),
      Bad("四绝", IsEveOfLi, "嫁娶 出行 赴任 移徙 开市", true),
  };
  return rules;
}

// 建除十二神: what each officer suits and forbids.
struct OfficerRule {
  ActivitySet suits;
  ActivitySet forbids;
};

const std::array<OfficerRule, 12>& OfficerRules() {
  static const std::array<OfficerRule, 12> rules = {{
      // 建: set out and take office; the earth and the granary stay closed.
      {Activities("祭祀 出行 祈福 赴任 冠笄"), Activities("安葬 动土 破土 修造 开仓")},
      // 除: clear away the old.
      {Activities("祭祀 祈福 解除 拆卸 斋醮"), Activities("赴任 开仓")},
      // 满: fill the stores; nothing is planted or buried.
      {Activities("祭祀 祈福 开市 立券 交易 纳财"), Activities("安葬 动土 栽种 赴任")},
      // 平: level and mend.
      {Activities("动土 修造 安门 修坟"), Activities("栽种 开仓")},
      // 定: settle agreements and marriages; no journeys.
      {Activities("嫁娶 祭祀 纳采 入宅 订盟 立券 交易 冠笄"), Activities("出行 移徙 赴任")},
      // 执: hold on; nothing moves out.
      {Activities("祭祀 祈福 栽种 立券 求嗣"), Activities("出行 移徙 入宅 开市 开仓")},
      // 破: the day clashes the month: nothing is begun.
      {Activities(""),
       Activities("嫁娶 出行 动土 开光 纳采 移徙 入宅 修造 开市 订盟 立券 交易 上梁 赴任 安葬")},
      // 危: take care; no journeys and no building high.
      {Activities("祭祀 祈福 安床"), Activities("出行 移徙 修造 开市 上梁")},
      // 成: everything comes to completion.
      {Activities(
           "嫁娶 出行 祈福 动土 安床 开光 纳采 移徙 入宅 修造 开市 订盟 立券 交易 求嗣 上梁 起基 挂匾"),
       Activities("")},
      // 收: gather in; nothing is sent away.
      {Activities("纳采 栽种 立券 交易 纳财"), Activities("安葬 出行 开市 移柩")},
      // 开: open up; no grave is opened or closed.
      {Activities("嫁娶 祭祀 出行 祈福 开光 移徙 入宅 栽种 开市 求嗣 上梁 赴任 挂匾"),
       Activities("安葬 破土")},
      // 闭: close and store away.
      {Activities("安葬 纳财 修坟"), Activities("嫁娶 出行 开光 移徙 开市 赴任")},
  }};
  return rules;
}

std::vector<std::string_view> ActivityList(const ActivitySet& set) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < ActivityNames.size(); ++i) {
    if (set.test(i)) out.push_back(ActivityNames[i]);
  }
  return out;
}

std::string JoinOr(const std::vector<std::string_view>& words, std::string_view none) {
  if (words.empty()) return std::string(none);
  std::string out;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i) out += ' ';
    out += words[i];
  }
  return out;
}

// The day number of an instant: its date part.
long DayNumber(DateTime x) { return static_cast<long>(std::floor(x)); }

// 1899-12-30 (day 0) was a 壬申 day, index 8.
Pillar DayPillar(long dayNumber) { return Pillar::FromIndex(Mod(static_cast<int>(dayNumber % 60) + 8, 60)); }

// 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, of 乙 or 庚 戊寅, and so on;
// the stems then run on with the months.
Pillar MonthPillar(Stem yearStem, Branch month) {
  return {Mod(2 * yearStem + 2 + Mod(month - 2, 12), 10), month};
}

}  // namespace

std::string NayinName(const Pillar& p) {
  return std::string(kNayin[static_cast<std::size_t>(p.Index() / 2)]);
}

std::string FetalGodPosition(const Pillar& day) {
  return std::string(kFetalGod[static_cast<std::size_t>(day.Index())]);
}

std::string ClashText(const Pillar& day) {
  // The clashed pillar is six days back in the cycle: its branch six places
  // on, its stem four stems on.
  const Pillar clashed = Pillar::FromIndex(day.Index() + 54);
  return "冲" + std::string(AnimalNames[clashed.branch]) + "(" + clashed.Text() + ")煞" +
         std::string(kShaDirection[day.branch]);
}

std::string PengzuTaboos(const Pillar& day) {
  return std::string(kPengzuStem[day.stem]) + " " + std::string(kPengzuBranch[day.branch]);
}

AlmanacEngine::AlmanacEngine(TermInstantSource source) : source_(std::move(source)) {
  // Build the rule tables now, so a malformed table shows at once.
  GoodSpirits();
  BadSpirits();
  OfficerRules();
}

const std::array<long, 24>& AlmanacEngine::TermDays(int year) {
  auto it = term_days_.find(year);
  if (it != term_days_.end()) return it->second;
  std::array<long, 24> days{};
  for (int t = 0; t < 24; ++t) {
    days[static_cast<std::size_t>(t)] = DayNumber(source_(year, t));
    if (t > 0 && days[static_cast<std::size_t>(t)] <= days[static_cast<std::size_t>(t - 1)]) {
      throw std::runtime_error("solar terms of " + std::to_string(year) + " are out of order at term " +
                               std::to_string(t));
    }
  }
  return term_days_.emplace(year, days).first->second;
}

int OfficerOf(Branch month, Branch day) { return Mod(day - month, 12); }

int RoadSpiritOf(Branch month, Branch day) {
  // 青龙 starts at 子 in the 寅 and 申 months and two branches further on in
  // each month after: 卯酉 寅, 辰戌 辰, 巳亥 午, 子午 申, 丑未 戌.
  return Mod(day - 2 * (month - 2), 12);
}

bool IsYellowRoad(int roadSpirit) {
  static constexpr std::array<bool, 12> kYellow = {true,  true, false, false, true, true,
                                                   false, true, false, false, true, false};
  return kYellow[static_cast<std::size_t>(Mod(roadSpirit, 12))];
}

DayVerdict JudgeDay(const DayFacts& facts) {
  const int monthIndex = Mod(facts.month - 2, 12);
  const RuleInput in{facts, monthIndex, monthIndex / 3};
  const int officer = OfficerOf(facts.month, facts.day.branch);
  const OfficerRule& rule = OfficerRules()[static_cast<std::size_t>(officer)];
  ActivitySet suits = rule.suits;
  ActivitySet forbids = rule.forbids;
  bool suitsNothing = officer == 6;  // 破: the day clashes the month
  DayVerdict v;
  for (const SpiritRule& r : GoodSpirits()) {
    if (!r.applies(in)) continue;
    v.goodSpirits.push_back(r.name);
    suits |= r.suits;
  }
  for (const SpiritRule& r : BadSpirits()) {
    if (!r.applies(in)) continue;
    v.badSpirits.push_back(r.name);
    forbids |= r.forbids;
    suitsNothing = suitsNothing || r.suitsNothing;
  }
  // What any rule forbids is not suited, whatever the good spirits favour.
  if (suitsNothing) suits.reset();
  suits &= ~forbids;
  v.suits = ActivityList(suits);
  v.forbids = ActivityList(forbids);
  return v;
}

AlmanacDay AlmanacEngine::Day(DateTime date) {
  const long today = DayNumber(date);
  const int year = DecodeDate(static_cast<DateTime>(today)).year;
  const std::array<long, 24>& terms = TermDays(year);

  // The month is the one whose jie came last: jie j (term 2j) opens the
  // month of branch j + 1 (小寒 丑, 立春 寅, .. 大雪 子). Before 小寒 the 子
  // month that began at 大雪 of the year before still runs.
  int jie = -1;
  for (int j = 11; j >= 0 && jie < 0; --j) {
    if (terms[static_cast<std::size_t>(2 * j)] <= today) jie = j;
  }
  const long jieDay = jie >= 0 ? terms[static_cast<std::size_t>(2 * jie)] : TermDays(year - 1)[22];
  const Branch monthBranch = Mod(jie + 1, 12);
  // The year begins on the day of 立春.
  const int solarYear = today >= terms[2] ? year : year - 1;

  AlmanacDay d;
  d.date = static_cast<DateTime>(today);
  d.year = Pillar::FromIndex(CycleIndexOfYear(solarYear));
  d.month = MonthPillar(d.year.stem, monthBranch);
  d.day = DayPillar(today);
  // On a jie day the month moves on with the day, so the officer of the day
  // before repeats.
  d.officer = OfficerOf(monthBranch, d.day.branch);
  d.roadSpirit = RoadSpiritOf(monthBranch, d.day.branch);

  DayFacts& f = d.facts;
  f.day = d.day;
  f.month = monthBranch;
  f.yearBranch = d.year.branch;
  f.daysIntoMonth = today - jieDay;
  // Every 分, 至 and 立 falls between early February and late December, so
  // its eve lies in the same Gregorian year.
  for (const int t : {5, 11, 17, 23})
    f.eveOfFenZhi = f.eveOfFenZhi || terms[static_cast<std::size_t>(t)] == today + 1;
  for (const int t : {2, 8, 14, 20}) f.eveOfLi = f.eveOfLi || terms[static_cast<std::size_t>(t)] == today + 1;
  d.verdict = JudgeDay(f);
  return d;
}

// The lunar month as almanacs write it: 正月 for the first, 冬月 and 腊月 for
// the last two; a leap month takes 闰 before it.
std::string AlmanacMonthName(int month, bool leap) {
  static constexpr std::array<std::string_view, 12> kNames = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                              "七月", "八月", "九月", "十月", "冬月", "腊月"};
  if (month < 1 || month > 12) return {};
  return (leap ? "闰" : "") + std::string(kNames[static_cast<std::size_t>(month - 1)]);
}

AlmanacRow AlmanacEngine::Row(DateTime date) {
  const AlmanacDay d = Day(date);
  const LunarDate lunar = SolarToLunar(d.date);
  AlmanacRow row;
  row.gn = FormatDate(d.date);
  row.nn = AlmanacMonthName(lunar.month, lunar.isLeap) + LunarDayName(lunar.day) + " " +
           std::string(kWeekdays[static_cast<std::size_t>(DayOfWeek(d.date) - 1)]) + " " +
           std::string(RoadSpiritNames[static_cast<std::size_t>(d.roadSpirit)]) +
           (IsYellowRoad(d.roadSpirit) ? "黄道日" : "黑道日");
  row.suici = d.year.Text() + "年 " + d.month.Text() + "月 " + d.day.Text() + "日";
  row.tszf = FetalGodPosition(d.day);
  row.wuhang =
      NayinName(d.day) + " " + std::string(OfficerNames[static_cast<std::size_t>(d.officer)]) + "执位";
  row.cong = ClashText(d.day);
  row.pzbj = PengzuTaboos(d.day);
  row.jsyq = JoinOr(d.verdict.goodSpirits, "无");
  row.yi = JoinOr(d.verdict.suits, "诸事不宜");
  row.xsyq = JoinOr(d.verdict.badSpirits, "无");
  row.ji = JoinOr(d.verdict.forbids, "诸事不忌");
  return row;
}

void WriteAlmanacTable(AlmanacEngine& engine, DateTime first, DateTime last, std::ostream& out) {
  for (std::size_t i = 0; i < AlmanacColumns.size(); ++i) out << (i ? "\t" : "") << AlmanacColumns[i];
  out << '\n';
  for (long x = DayNumber(first); x <= DayNumber(last); ++x) {
    const std::vector<std::string> fields = engine.Row(static_cast<DateTime>(x)).Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "\t" : "") << EscapeResourceField(fields[i]);
    out << '\n';
  }
}

}  // namespace vantrel::tools
