#include "data/reading_texts.h"

#include "data/query.h"

namespace vantrel::data {

std::optional<MobileNumberRow> MobileNumberRowOf(int remainder) {
  Query q(Database::Main);
  // `num` is a text column: the remainder is written as "7", "23".
  q.SetSql("select title, jx, content from shouji where num = ?");
  q.AddParam(std::to_string(remainder));
  q.Open();
  if (q.IsEmpty()) return std::nullopt;
  return MobileNumberRow{q.Text(0), q.Text(1), q.Text(2)};
}

std::optional<std::string> EncyclopediaContent(const std::string& code) {
  Query q(Database::Main);
  q.SetSql("select Tite, content from Noter where Cid = ?");
  q.AddParam(code);
  q.Open();
  if (q.IsEmpty()) return std::nullopt;
  return q.Text(1);
}

}  // namespace vantrel::data
