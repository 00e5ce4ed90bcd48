#include "data/lookups.h"

#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"

namespace vantrel::data {
namespace {

// Runs a one-parameter statement on the second file and gives the named
// column of its first row; the empty text without a row. A database error
// propagates: a chart with blank ten gods and nayin would read as a real one.
std::string SecondFileLookup(const char* sql, const std::string& param, const char* column) {
  Query q(Database::Second);
  q.SetSql(sql);
  q.AddParam(param);
  q.Open();
  return q.IsEmpty() ? std::string() : q.Text(column);
}

}  // namespace

std::string StripParagraphTags(const std::string& text) {
  return text::ReplaceAll(text::ReplaceAll(text, "<p>", ""), "</p>", "");
}

std::string TopicText(const std::string& title, ConstellationTopic topic) {
  static const char* const kStatements[] = {
      "select content from ndeq where title = ?",
      "select content from aiqing where title = ?",
      "select content from mingren where title = ?",
  };
  try {
    Query q(Database::Main);
    q.SetSql(kStatements[static_cast<std::size_t>(topic)]);
    q.AddParam(title);
    q.Open();
    if (q.IsEmpty()) return {};
    return StripParagraphTags(q.Text(0));
  } catch (const DatabaseError& e) {
    throw SilentCancel(e.what());
  }
}

std::string CharacterElement(const std::string& character) {
  return SecondFileLookup("select wh from hzwh where hz like ? limit 1", "%" + text::Trim(character) + "%",
                          "wh");
}

std::string TenGodOf(const std::string& key) {
  return SecondFileLookup("select ShiShen from Shishen where jiazi = ? limit 1", key, "ShiShen");
}

std::string NayinOf(const std::string& pillar) {
  return SecondFileLookup("select layin from jiazi where jiazi = ? limit 1", pillar, "layin");
}

std::string ElementOf(Stem stem) { return CharacterElement(std::string(stem.Name())); }
std::string ElementOf(Branch branch) { return CharacterElement(std::string(branch.Name())); }
std::string TenGodOf(Stem day, Stem other) {
  return TenGodOf(std::string(day.Name()) + std::string(other.Name()));
}
std::string NayinOf(const Pillar& pillar) { return NayinOf(pillar.Text()); }

std::optional<DateTime> JieInstantOn(int year, DateTime day) {
  Query q(Database::Second);
  q.SetSql(
      "select SJ from JQ where YearA = ? and JQ in "
      "('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒') "
      "and substr(SJ, 1, 10) = ? limit 1");
  q.AddParam(static_cast<std::int64_t>(year));
  q.AddDateParam(day);
  q.Open();
  if (q.RecordCount() != 1) return std::nullopt;
  return q.DateTimeValue("SJ");
}

LifeGuaRow LifeGuaRowOf(int year, LifeGuaColumn column) {
  Query q(Database::Second);
  q.SetSql("select * from mg where Year = ? limit 1");
  q.AddParam(static_cast<std::int64_t>(year));
  q.Open();
  return {q.Text("mg"), q.Text(column == LifeGuaColumn::Woman ? "nv" : "nan"), q.Text("wuhang"),
          q.Text("sxwuhang")};
}

namespace {
// A statement on the second file keyed by the man's and the woman's value.
void OpenCouple(Query& q, const char* sql, const std::string& man, const std::string& woman) {
  q.SetDatabase(Database::Second);
  q.SetSql(sql);
  q.AddParam(man);
  q.AddParam(woman);
  q.Open();
}
}  // namespace

LifeGuaPair LifeGuaPairOf(const std::string& man, const std::string& woman) {
  Query q;
  OpenCouple(q, "select * from mghp where nan = ? and nv = ?", man, woman);
  return {q.Text("dj"), q.Text("mc")};
}

std::string LifeGuaAnalysis(const std::string& name) {
  Query q(Database::Second);
  q.SetSql("select \"Values\" from mgfx where mc = ?");
  q.AddParam(name);
  q.Open();
  return q.Text(0);
}

ElementPair ElementPairOf(const std::string& man, const std::string& woman) {
  Query q;
  OpenCouple(q, "select * from mgwx where nan = ? and nv = ?", man, woman);
  return {q.Text("fs"), q.Text("note")};
}

double StoredWeight(WeightTable table, const std::string& key) {
  static const char* const kStatements[] = {
      "select weight from chenggu1 where year = ?",
      "select weight from chenggu2 where month2 = ?",
      "select weight from chenggu3 where day2 = ?",
      "select weight from chenggu4 where time = ?",
  };
  Query q(Database::Main);
  q.SetSql(kStatements[static_cast<std::size_t>(table)]);
  q.AddParam(key);
  q.Open();
  return q.Number(0);
}

std::optional<std::array<std::string, 3>> BoneVerdict(const std::string& code) {
  Query q(Database::Main);
  q.SetSql("select MM, content, content2 from chenggu where weight = ?");
  q.AddParam(code);
  q.Open();
  if (q.IsEmpty()) return std::nullopt;
  return std::array<std::string, 3>{q.Text(0), q.Text(1), q.Text(2)};
}

std::array<std::string, 6> ZodiacTexts(const std::string& animal) {
  Query q(Database::Second);
  q.SetSql("select * from shengxiao where shuxing = ?");
  q.AddParam(animal);
  q.Open();
  std::array<std::string, 6> texts;
  const char* const columns[] = {"Tedian", "shouhushen", "yanshe", "fangwei", "hua", "shuzi"};
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = q.Text(columns[k]);
  return texts;
}

}  // namespace vantrel::data
