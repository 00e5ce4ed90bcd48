#include "calendar/places.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "common/script.h"
#include "common/text.h"

namespace vantrel {

extern const std::string_view kPlacesTable;

namespace {

std::vector<PlaceRecord> ParseTable() {
  std::vector<PlaceRecord> places;
  for (const std::string& line : text::SplitLines(kPlacesTable)) {
    if (line.empty() || line[0] == '#' || line.rfind("name\t", 0) == 0) continue;
    std::vector<std::string> f;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
      f.push_back(line.substr(start, tab - start));
    }
    f.push_back(line.substr(start));
    if (f.size() < 5) throw std::logic_error("places table: short line " + line);
    places.push_back(
        {f[0], f[1], std::strtod(f[2].c_str(), nullptr), std::strtod(f[3].c_str(), nullptr), f[4]});
  }
  return places;
}

}  // namespace

const std::vector<PlaceRecord>& Places() {
  static const std::vector<PlaceRecord> places = ParseTable();
  return places;
}

std::optional<PlaceRecord> FindPlace(std::string_view name) {
  const std::string key = text::Trim(name);
  const auto find = [](const std::string& k) -> std::optional<PlaceRecord> {
    for (const PlaceRecord& p : Places()) {
      if (p.name == k || p.name + "市" == k) return p;
    }
    return std::nullopt;
  };
  if (std::optional<PlaceRecord> p = find(key)) return p;
  // A name typed in Traditional Chinese (烏魯木齊) is looked up in Simplified.
  const std::string simplified = ToSimplified(key);
  return simplified == key ? std::nullopt : find(simplified);
}

std::vector<std::string> PlaceNamesStartingWith(std::string_view prefix) {
  const std::string key = text::Trim(prefix);
  std::vector<std::string> names;
  for (const PlaceRecord& p : Places()) {
    if (p.name.rfind(key, 0) == 0) names.push_back(p.name);
  }
  return names;
}

std::vector<std::string> NearPlaceNames(std::string_view name, std::size_t count) {
  const std::vector<std::string> typed = text::Characters(ToSimplified(text::Trim(name)));
  std::vector<std::pair<int, const PlaceRecord*>> scored;
  for (const PlaceRecord& p : Places()) {
    const std::vector<std::string> chars = text::Characters(p.name);
    int score = 0;
    // A shared beginning counts most, then every character the two share.
    for (std::size_t i = 0; i < typed.size() && i < chars.size() && typed[i] == chars[i]; ++i) score += 3;
    for (const std::string& c : typed) score += std::count(chars.begin(), chars.end(), c) > 0 ? 1 : 0;
    if (score > 0) scored.emplace_back(score, &p);
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::string> names;
  for (std::size_t i = 0; i < scored.size() && i < count; ++i) names.push_back(scored[i].second->name);
  return names;
}

std::optional<double> ParseLongitude(std::string_view text) {
  const std::string typed(text);
  char* end = nullptr;
  const double degrees = std::strtod(typed.c_str(), &end);
  if (typed.empty() || end == typed.c_str() || *end != '\0' || !std::isfinite(degrees) || degrees < -180 ||
      degrees > 180) {
    return std::nullopt;
  }
  return degrees;
}

SolarPlace ParseBirthplace(std::string_view text) {
  const std::string typed = text::Trim(text);
  if (const std::optional<PlaceRecord> p = FindPlace(typed)) return {p->name, p->longitude, p->zone};
  if (const std::optional<double> degrees = ParseLongitude(typed)) {
    const std::string shown = *degrees < 0 ? typed.substr(1) : typed;
    return {(*degrees < 0 ? "西经" : "东经") + shown + "度", *degrees, "Asia/Shanghai"};
  }
  std::string message = "'" + typed + "' is neither a known place nor a longitude";
  const std::vector<std::string> near = NearPlaceNames(typed);
  if (!near.empty()) message += "; near matches: " + text::Join(near, ", ");
  throw ConvertError(message);
}

}  // namespace vantrel
