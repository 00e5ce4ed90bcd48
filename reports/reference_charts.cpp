#include "reports/reference_charts.h"

#include <array>

#include "common/text.h"

namespace vantrel {
namespace {

// The omen pages in catalogue order; page 0 reads the sneeze by the clock
// hour, the others by the double hour.
const std::array<std::vector<std::string>, kFolkOmenPageCount> kOmenPages = {{
    {  // 0
        "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
        "凌晨3 点-凌晨5点 有人前来相约食饭。",
        "早上5 点-早上7点 有财运到来或有人找你询问事情。",
        "早上 7点-早上9点 有人请食饭、大喜之事将发生。",
        "早上9点-中午11点 有朋友将前来求财。",
        "中午11点-下午1点 有贵客到来，你会为远方来宾举行宴会。",
        "下午 1点-下午3点 有人请食饭，吉利之事将会降临你身。",
        "下午 3点-下午5点 小心饮食。",
        "下午 5点-晚上7点 有异性前来相求、询问事情。",
        "晚上 7点-晚上9点 你会思念一位异性、希望和好如初。",
        "晚上9点-晚上11点 有惊无险，虚惊一场。",
        "晚上11点-凌晨1点 有人欢朋宴客。",
    },
    {  // 1
        "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
        "丑时；主有烦恼，忧悉子事。  未时：主有镅讼，口舌是非。",
        "寅时：主有远客，来聚会吉。  申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。  酉时：主有远人，相会大吉。",
        "辰时：主有远客，喜事相逢。  戌时：主有酒食，自送来事。",
        "巳时：主有要事，人相大吉。  亥时：主有官非，口舌之事。",
    },
    {  // 2
        "子时：主有女子，右喜事至。 午时：主有饮食，及喜事至。",
        "丑时；主有恶事，临门大凶。 未时：主有女人，思念大吉。",
        "寅时：主有远客，饮食大吉。 申时：主有贵人，会道想见。",
        "卯时：主有饮食，及友人来。 酉时：主有大喜，之信至吉。",
        "辰时：主有成客，喜事大吉。 戌时：主有贵人，即至大吉。",
        "巳时：主有女思，及喜事至。 亥时：主有丧服，及恶梦凶。",
    },
    {  // 3
        "子时：主夫之人，时争闹画。 午时：主有酒食，宴会事吉。",
        "丑时；主心中有，忧疑之事。 未时：主妻外心，有破财喜。",
        "寅时：主失得财，帛大吉利。 申时：主家宅内，小口事凶。",
        "卯时：主失雄心，得财利来。 酉时：主加官禄，有得财吉。",
        "辰时：主有财喜，大事通吉。 戌时：主有口舌，招灾事凶。",
        "巳时：主亲人来，及有信至。 亥时：主有官司，词讼随后。",
    },
    {  // 4
        "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
        "丑时：左有忧人，右有人恩。未时：左主吉昌，右有中喜。",
        "寅时：左远人来，右若事至。申时：左有损财，右有女思。",
        "卯时：左贵客来，右平安进。酉时：左有客来，右远客至。",
        "辰时：左远客来，右主损害。戌时：左有客至，右主聚会。",
        "巳时：左有饮食，右有凶恶。亥时：左主客至，右主官非。",
    },
    {  // 5
        "子时：主有僧道来商量事 。午时：主有饮食，喜事来吉。",
        "丑时：主有喜事，临身夺吉。未时：主有客至，相求之事。",
        "寅时：主有饮食，相会大吉。申时：主有喜享，酒食宴乐。",
        "卯时：主有远人，来相见吉。酉时：主有人来，言婚姻事。",
        "辰时：主有财喜，大通达吉，戌时：主有镅讼，口舌之事。",
        "已时：主有财物，之事不利。亥时：主有官非，词讼之事。",
    },
    {  // 6
        "子时：左主女思，右主失财。丑时：左主口舌，右主争讼。",
        "寅时：左主失财，右主心急。未时：左主饮食，右主人来。",
        "卯时：左主饮食，右主室至。申时：左主行人，右主喜事。",
        "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。",
        "巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。",
        "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。",
    },
}};

// One row per age from 18, the cells for lunar months 1..12.
constexpr std::array<const char*, kBoyGirlLastAge - kBoyGirlFirstAge + 1> kBoyGirlRows = {
    "女男女男男男男男男男男男",  // 18
    "男女男女女男男男男男女女",  // 19
    "女男女男男男男男男女男男",  // 20
    "男女女女女女女女女女女女",  // 21
    "女男男女男女女男女女女女",  // 22
    "男男女男男女男女男男男女",  // 23
    "男女男男女男男女女女女女",  // 24
    "女男男女女男女男男男男男",  // 25
    "男女男女女男女男女女女女",  // 26
    "女男女男女女男男男男女男",  // 27
    "男女男女女女男男男男女女",  // 28
    "女男女女男男男男男男男女",  // 29
    "男女女女女女女女女女男男",  // 30
    "男女男女女女女女女女女男",  // 31
    "男女男女女女女女女女女男",  // 32
    "女男女男女女女男女女女男",  // 33
    "男女男女女女女女女女男男",  // 34
    "男男女男女女女男女女男男",  // 35
    "女男男女男女女女男男男男",  // 36
    "男女男男女男女男女男女男",  // 37
    "女男女男男女男女男女男女",  // 38
    "男女男男男女女男女男女女",  // 39
    "女男女男女男男女男女男女",  // 40
    "男女男女男女男男女男女男",  // 41
    "女男女男女男女男男女男女",  // 42
    "男女男女男女男女男男男男",  // 43
    "男男女男男男女男女男女女",  // 44
    "女男男女女女男女男女男男",  // 45
};

constexpr const char* kBoyGirlHeader =
    "年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月";

}  // namespace

const std::vector<std::string>& FolkOmenLines(int page) {
  static const std::vector<std::string> kNone;
  if (page < 0 || page >= kFolkOmenPageCount) return kNone;
  return kOmenPages[static_cast<std::size_t>(page)];
}

std::string FolkOmenText(int page) { return text::Join(FolkOmenLines(page), "\n\n"); }

const std::vector<std::string>& FolkOmenNote() {
  static const std::vector<std::string> kNote = {
      "说明：",
      "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点",
      "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点",
      "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点",
  };
  return kNote;
}

std::string BoyGirlCell(int age, int month) {
  if (age < kBoyGirlFirstAge || age > kBoyGirlLastAge || month < 1 || month > 12) return {};
  const auto cells = text::Characters(kBoyGirlRows[static_cast<std::size_t>(age - kBoyGirlFirstAge)]);
  return cells[static_cast<std::size_t>(month - 1)];
}

std::vector<std::string> BoyGirlChartLines() {
  // The column of each month is where the "月" of its heading stands.
  std::vector<std::size_t> columns;
  std::size_t width = 0;
  for (const std::string& ch : text::Characters(kBoyGirlHeader)) {
    if (ch == "月") columns.push_back(width);
    width += text::GbkWidth(ch);
  }
  std::vector<std::string> lines = {kBoyGirlHeader};
  for (int age = kBoyGirlFirstAge; age <= kBoyGirlLastAge; ++age) {
    std::string line = std::to_string(age);
    for (int month = 1; month <= 12; ++month) {
      line.append(columns[static_cast<std::size_t>(month - 1)] - text::GbkWidth(line), ' ');
      line += BoyGirlCell(age, month);
    }
    lines.push_back(line);
  }
  return lines;
}

const char* BoyGirlChartNote() {
  return "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
         "下半月以下个月份计算。";
}

}  // namespace vantrel
