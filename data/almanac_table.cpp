#include "data/almanac_table.h"

#include "common/errors.h"
#include "data/query.h"

namespace vantrel::data {

std::optional<HuangdaoRow> HuangdaoRowOf(CivilDate day) {
  Query query(Database::Main);
  query.SetSql("select * from huangdao where gn = ? limit 1");
  query.AddDateParam(EncodeDate(day.year, day.month, day.day));
  query.Open();
  if (query.IsEmpty()) return std::nullopt;

  HuangdaoRow row;
  std::string* const texts[] = {&row.nn,   &row.suici, &row.tszf, &row.wuhang, &row.cong,
                                &row.pzbj, &row.jsyq,  &row.yi,   &row.xsyq,   &row.ji};
  try {
    for (const std::string_view column : kHuangdaoTextColumns) {
      *texts[row.columnsRead] = query.Text(column);
      ++row.columnsRead;
    }
  } catch (const DatabaseError&) {
    row.fault = std::current_exception();
  }
  return row;
}

}  // namespace vantrel::data
