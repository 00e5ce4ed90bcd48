#include "chart/bone_weight.h"

#include <cstdio>

#include "common/errors.h"
#include "data/lookups.h"

namespace vantrel {
namespace {

// The weight of one key in one of the four weight tables; 0 without a row.
// No weight of the tables reaches 10 两 nor falls below 0, so a stored value
// outside that range counts as no row.
double Weight(data::WeightTable table, const std::string& key) {
  const double weight = data::StoredWeight(table, key);
  return weight >= 0 && weight < 10 ? weight : 0;
}

// The two-digit code of a total: the 两 digit and the 钱 digit. The weights
// carry one decimal and stay below 10 两, so the total reads "4.3" or "5";
// "5" becomes "50". Any other shape gives a code that names no row.
std::string WeightCode(double total) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", total);
  const std::string digits = buf;
  if (digits.size() == 1) return digits + "0";
  return digits.substr(0, 1) + (digits.size() >= 3 ? digits.substr(2, 1) : std::string());
}

}  // namespace

BoneWeightLines BoneWeightOf(const std::string& yearKey, const std::string& monthKey,
                             const std::string& dayKey, const std::string& hourKey) {
  try {
    double total = 0;
    total += Weight(data::WeightTable::Year, yearKey);
    total += Weight(data::WeightTable::Month, monthKey);
    total += Weight(data::WeightTable::Day, dayKey);
    total += Weight(data::WeightTable::Hour, hourKey);
    const std::string code = WeightCode(total);
    const std::optional<std::array<std::string, 3>> verdict = data::BoneVerdict(code);
    if (!verdict) return {};
    const std::string liang = code.substr(0, 1);
    const std::string qian = code.size() >= 2 ? code.substr(1, 1) : std::string();
    const std::string weight = qian == "0" ? liang + "两 " : liang + "两" + qian + "钱 ";
    return {"你的骨重为：" + weight + (*verdict)[0], "诗评：" + (*verdict)[1], "诗意：" + (*verdict)[2]};
  } catch (const DatabaseError& e) {
    throw SilentCancel(e.what());
  }
}

}  // namespace vantrel
