#include "data/lookups.h"

#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"

namespace vantrel::data {
namespace {

// Runs a one-parameter statement on the second file and delivers the named
// column of its first row; a database error leaves `result` untouched.
void SecondFileLookup(const char* sql, const std::string& param, const char* column, std::string& result) {
  try {
    Query q(Database::Second);
    q.SetSql(sql);
    q.AddParam(param);
    q.Open();
    result = q.IsEmpty() ? std::string() : q.Text(column);
  } catch (const DatabaseError&) {
    // The lookup's result stays as the caller had it.
  }
}

}  // namespace

std::string StripParagraphTags(const std::string& text) {
  return text::ReplaceAll(text::ReplaceAll(text, "<p>", ""), "</p>", "");
}

std::string TopicText(const std::string& title, int topic) {
  static const char* const kStatements[] = {
      "select content from ndeq where title = ?",
      "select content from aiqing where title = ?",
      "select content from mingren where title = ?",
  };
  if (topic < 0 || topic > 2) return {};
  try {
    Query q(Database::Main);
    q.SetSql(kStatements[topic]);
    q.AddParam(title);
    q.Open();
    if (q.IsEmpty()) return {};
    return StripParagraphTags(q.Text(0));
  } catch (const DatabaseError& e) {
    throw SilentCancel(e.what());
  }
}

void CharacterElement(const std::string& character, std::string& result) {
  SecondFileLookup("select wh from hzwh where hz like ? limit 1", "%" + text::Trim(character) + "%", "wh", result);
}

void TenGodOf(const std::string& key, std::string& result) {
  SecondFileLookup("select ShiShen from Shishen where jiazi = ? limit 1", key, "ShiShen", result);
}

void NayinOf(const std::string& pillar, std::string& result) {
  SecondFileLookup("select layin from jiazi where jiazi = ? limit 1", pillar, "layin", result);
}

std::string CharacterElement(const std::string& character) {
  std::string r;
  CharacterElement(character, r);
  return r;
}

std::string TenGodOf(const std::string& key) {
  std::string r;
  TenGodOf(key, r);
  return r;
}

std::string NayinOf(const std::string& pillar) {
  std::string r;
  NayinOf(pillar, r);
  return r;
}

}  // namespace vantrel::data
