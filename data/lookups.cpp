#include "data/lookups.h"

#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"

namespace vantrel::data {
namespace {

// Runs a one-parameter statement on the second file and gives the named
// column of its first row; the empty text without a row or on a database error.
std::string SecondFileLookup(const char* sql, const std::string& param, const char* column) {
  try {
    Query q(Database::Second);
    q.SetSql(sql);
    q.AddParam(param);
    q.Open();
    return q.IsEmpty() ? std::string() : q.Text(column);
  } catch (const DatabaseError&) {
    return {};
  }
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
