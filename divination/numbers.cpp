#include "divination/numbers.h"

#include <cstdint>
#include <stdexcept>

#include "common/datetime.h"
#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"
#include "divination/number_types.h"

namespace vantrel {
namespace {

// The 81-number table: the verdict, the luck word and the personality type
// of every remainder 0..80. The texts are the program's own, their slips
// ("思虎虑周祥，计书力行", "即获得成功") included. Rows 0 to 24 run through the
// nine types in turn; from row 25 on the types follow no cycle.
constexpr NumberRow kNumberTable[kNumberTableRows] = {
    {"大展鸿图，信用得固，名利双收，可获成功", "吉", 1},      // 0
    {"根基不固，摇摇欲坠，一盛一衰，劳而无获", "凶", 2},      // 1
    {"根深蒂固，蒸蒸日上，如意吉祥，百事顺遂", "吉", 3},      // 2
    {"前途坎坷，苦难折磨，非有毅力，难望成功", "凶", 4},      // 3
    {"阴阳和合，生意兴隆，名利双收，后福重重", "吉", 5},      // 4
    {"万宝集门，天降幸运，立志奋发，得成大功", "吉", 6},      // 5
    {"独营生意，和气吉祥，排除万难，必获成功", "吉", 7},      // 6
    {"努力发达，贯彻志望，不忘进退，可望成功", "吉", 8},      // 7
    {"虽抱奇才，有才无命，独营无力，财力难望", "凶", 9},      // 8
    {"乌云遮月，暗淡无光，空费心力，徒劳无功", "凶", 1},      // 9
    {"草木逢春，枝叶沾露，稳健着实，必得人望", "吉", 2},      // 10
    {"薄弱无力，孤立无援，外祥内苦，谋事难成", "凶", 3},      // 11
    {"天赋吉运，能得人望，善用智慧，必获成功", "吉", 4},      // 12
    {"忍得若难，必有后福，是成是败，惟靠紧毅", "凶", 5},      // 13
    {"谦恭做事，外得人和，大事成就，一门兴隆", "吉", 6},      // 14
    {"能获众望，成就大业，名利双收，盟主四方", "吉", 7},      // 15
    {"排除万难，有贵人助，把握时机，可得成功", "吉", 8},      // 16
    {"经商做事，顺利昌隆，如能慎始，百事亨通", "吉", 9},      // 17
    {"成功虽早，慎防亏空，内外不合，障碍重重", "凶", 1},      // 18
    {"智商志大，历尽艰难，焦心忧劳，进得两难", "凶", 2},      // 19
    {"先历困苦，后得幸福，霜雪梅花，春来怒放", "吉", 3},      // 20
    {"秋草逢霜，怀才不遇，忧愁怨苦，事不如意", "凶", 4},      // 21
    {"旭日升天，名显四方，渐次进展，终成大业", "吉", 5},      // 22
    {"绵绣前程，须靠自力，多用智谋，能奏大功", "吉", 6},      // 23
    {"天时地利，只欠人和，讲信修睦，即可成功", "吉", 7},      // 24
    {"波澜起伏，千变万化，凌架万难，必可成功", "凶", 9},      // 25
    {"一成一败，一盛一衰，惟靠谨慎，可守成功", "凶带吉", 1},  // 26
    {"鱼临旱地，难逃恶运，此数大凶，不如更名", "凶", 9},      // 27
    {"如龙得云，青云直上，智谋奋进，才略奏功", "吉", 1},      // 28
    {"吉凶参半，得失相伴，投机取巧，吉凶无常", "凶", 2},      // 29
    {"此数大吉，名利双收，渐进向上，大业成就", "吉", 3},      // 30
    {"池中之龙，风云际会，一跃上天，成功可望", "吉", 4},      // 31
    {"意气用事，人和必失，如能慎始，必可昌隆", "吉", 5},      // 32
    {"灾难不绝，难望成功，此数大凶，不如更名", "凶", 6},      // 33
    {"中吉之数，进退保守，生意安稳，成就普通", "吉", 7},      // 34
    {"波澜得叠，常陷穷困，动不如静，有才无命", "凶", 9},      // 35
    {"逢凶化吉，吉人天相，风调雨顺，生意兴隆", "吉", 1},      // 36
    {"名虽可得，利则难获，艺界发展，可望成功", "凶带吉", 2},  // 37
    {"云开见月，虽有劳碌，光明坦途，指日可望", "吉", 3},      // 38
    {"一成一衰，沉浮不定，知难而退，自获天佑", "吉带凶", 4},  // 39
    {"天赋吉运，德望兼备，继续努力，前途无限", "吉", 5},      // 40
    {"事业不专，十九不成，专心进取，可望成功", "吉带凶", 6},  // 41
    {"雨夜之花，外祥内苦，忍耐自重，转凶为吉", "吉带凶", 7},  // 42
    {"虽用心计，事难遂愿，贪功冒进，必招失败", "凶", 8},      // 43
    {"杨柳遇春，绿叶发枝，冲破难关，一举成名", "吉", 3},      // 44
    {"坎坷不平，艰难重重，若无耐心，难望有成", "凶", 4},      // 45
    {"有贵人助，可成大业，虽遇不幸，浮沉不定", "吉", 5},      // 46
    {"美化丰实，鹤立鸡群，名利俱全，繁荣富贵", "吉", 6},      // 47
    {"遇吉则吉，遇凶则凶，惟靠谨慎，逢凶化吉", "凶", 7},      // 48
    {"吉凶互见，一成一败，凶中有吉，吉中有凶", "吉带凶", 8},  // 49
    {"一盛一衰，浮沉不常，自重自处，可保平安", "吉带凶", 9},  // 50
    {"草木逢春，雨过天晴，渡过难关，即获得成功", "吉", 1},    // 51
    {"盛衰参半，外祥内苦，先吉后凶，先凶后吉", "吉带凶", 2},  // 52
    {"虽倾全力，难望成功，此数大凶，最好改名", "凶", 3},      // 53
    {"外观昌隆，内隐祸患，克服难关，开出泰运", "吉带凶", 5},  // 54
    {"事与愿违，终难成功，欲速不达，有始无终", "凶", 6},      // 55
    {"虽有困难，时来运转，旷野枯草，春来花开", "吉", 7},      // 56
    {"半凶半吉，浮沉多端，始凶终吉，能保成功", "凶带吉", 8},  // 57
    {"遇事猜疑，难望成事，大刀阔斧，始可有成", "凶", 9},      // 58
    {"黑暗无光，心迷意乱，出尔反尔，难定方针", "凶", 1},      // 59
    {"运遮半月，内隐风波，应有谨慎，始保平安", "吉带凶", 2},  // 60
    {"烦闷懊恼，事业难展，自防灾祸，始免困境", "凶", 3},      // 61
    {"万物化育，繁荣之象，专心一意，必能成功", "吉", 4},      // 62
    {"见异思迁，十九不成，徒劳无功，不如更名", "凶", 5},      // 63
    {"吉运自来，能享盛名，把握时机，必获成功", "吉", 6},      // 64
    {"黑夜温长，进退维谷，内外不和，信用缺乏", "凶", 7},      // 65
    {"独营事业，事事如意，功成名就，富贵自来", "吉", 9},      // 66
    {"思虎虑周祥，计书力行，不失先机，可望成功", "吉", 6},    // 67
    {"动摇不安，常陷逆境，不得时运，难得利润", "凶", 7},      // 68
    {"惨淡经营，难免贫困，此数不吉，最好改名", "凶", 8},      // 69
    {"吉凶参半，惟赖勇气，贯彻力行，始可成功", "吉带凶", 9},  // 70
    {"利害混集，凶多吉少，得而复失，难以安顺", "凶", 1},      // 71
    {"安乐自来，自然吉祥，力行不懈，终必成功", "吉", 2},      // 72
    {"利不及费，坐食山空，如无章法，难望成功", "凶", 2},      // 73
    {"吉中带凶，欲速不达，进不如守，可保安祥", "吉带凶", 3},  // 74
    {"此数大凶，破产之象，宜速改名，以避厄运", "凶", 4},      // 75
    {"先苦后甘，先甜后苦，如能守成，不致失败", "吉带凶", 5},  // 76
    {"有得有失，华而不实，须防劫财，始保安顺", "吉带凶", 6},  // 77
    {"如走夜路，前途无光，希望不大，劳而无功", "凶", 7},      // 78
    {"得而复失，枉费心机，守成无贪，可保安稳", "吉带凶", 9},  // 79
    {"最极之数，还本归元，能得繁荣，发达成功", "吉", 1},      // 80
};

// The fixed result of a mobile number whose tail leaves no remainder (or
// has no tail at all).
constexpr std::string_view kSuperLuck = "超吉";
constexpr std::string_view kSuperLuckDescription = "超吉不做详细评论";

// The value field texts of a row text "verdict|luck|description".
NumberFields FieldsOfRowText(std::string_view number, std::string_view row_text) {
  const std::size_t first = row_text.find('|');
  const std::size_t second = first == std::string_view::npos ? first : row_text.find('|', first + 1);
  NumberFields f;
  f.number = number;
  f.state = row_text.substr(0, first);
  if (first != std::string_view::npos) {
    f.luck = row_text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1);
  }
  if (second != std::string_view::npos) f.description = row_text.substr(second + 1);
  return f;
}

// The mobile dialog: the remainder's row of table `shouji` on the main file.
NumberOutcome MeasureMobile(const std::string& t) {
  const std::string r = shoujiinfostr(t);
  if (r.empty()) {
    return NumberOutcome::Set(
        {t, std::string(kSuperLuck), std::string(kSuperLuck), std::string(kSuperLuckDescription)});
  }
  try {
    data::Query q(data::Database::Main);
    q.SetSql("select title, jx, content from shouji where num = ?");
    q.AddParam(r);
    q.Open();
    // A remainder without a row shows the number and three empty fields.
    return NumberOutcome::Set({t, q.Text(0), q.Text(1), q.Text(2)});
  } catch (const DatabaseError& e) {
    return NumberOutcome::Unchanged(e.what());
  }
}

}  // namespace

const NumberRow& NumberTableRow(int row) {
  if (row < 0 || row >= kNumberTableRows) {
    throw std::out_of_range("no row " + std::to_string(row) + " in the number table");
  }
  return kNumberTable[row];
}

std::string_view NumberTypeText(int type) {
  if (type < 1 || type > kNumberTypeCount) {
    throw std::out_of_range("no personality type " + std::to_string(type));
  }
  return kNumberTypeTexts[type - 1];
}

std::string NumberRowText(int row) {
  const NumberRow& r = NumberTableRow(row);
  std::string text(r.verdict);
  text += '|';
  text += r.luck;
  text += '|';
  text += NumberTypeText(r.type);
  return text;
}

std::string NumberVerdict(std::string_view number_text) {
  const std::int64_t n = StrToInt64(number_text);
  return NumberRowText(static_cast<int>((n % kNumberTableRows + kNumberTableRows) % kNumberTableRows));
}

std::string shoujiinfostr(std::string_view number_text) {
  // The entry text is GBK, so the tail is cut by byte position; for the
  // digits of a typed number that is the same as cutting by character.
  const std::string tail = text::GbkCopy(number_text, 8, 4);
  std::int64_t value = 0;
  if (tail.empty() || !TryStrToInt64(tail, value)) return {};
  const std::int64_t r = (value % 80 + 80) % 80;
  return r == 0 ? std::string() : std::to_string(r);
}

bool NumberKeyAccepted(char32_t key) { return (key >= U'0' && key <= U'9') || key == 8 || key == 13; }

std::string_view NumberEmptyMessage(NumberDialog dialog) {
  switch (dialog) {
    case NumberDialog::Mobile:
      return "请输入11位手机号码！";
    case NumberDialog::QQ:
      return "请输入你的QQ号码！";
    case NumberDialog::Any:
      break;
  }
  return "请输入你的号码！";
}

NumberOutcome MeasureNumber(NumberDialog dialog, std::string_view entry) {
  const std::string t = text::Trim(entry);
  if (t.empty()) return NumberOutcome::Notice(std::string(NumberEmptyMessage(dialog)));
  if (dialog == NumberDialog::Mobile) return MeasureMobile(t);
  // A pasted text that is not a number raises its conversion error here,
  // before any field changes.
  return NumberOutcome::Set(FieldsOfRowText(t, NumberVerdict(t)));
}

}  // namespace vantrel
