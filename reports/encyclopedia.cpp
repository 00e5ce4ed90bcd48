#include "reports/encyclopedia.h"

#include <string>

#include "common/errors.h"
#include "common/text.h"
#include "data/query.h"

namespace vantrel {

void ShowTopic(std::string_view code, Pane& pane) {
  const std::string key = text::Trim(code);
  if (key.empty()) return;
  data::Query q(data::Database::Main);
  pane.Clear();
  q.SetSql("select Tite, content from Noter where Cid = ?");
  q.AddParam(key);
  try {
    q.Open();
  } catch (const DatabaseError& e) {
    throw SilentCancel(e.what());
  }
  if (!q.IsEmpty()) pane.Add(text::Trim(q.Text(1)));
  q.Close();
}

}  // namespace vantrel
