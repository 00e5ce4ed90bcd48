#include "calendar/places.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/errors.h"
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
  if (!text::IsWellFormedUtf8(key))
    throw ConvertError("'" + key + "' is not a whole text: it holds broken UTF-8");
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

namespace {

bool StripPrefix(std::string& s, std::string_view prefix) {
  if (s.rfind(prefix, 0) != 0) return false;
  s.erase(0, prefix.size());
  return true;
}

bool StripSuffix(std::string& s, std::string_view suffix) {
  if (s.size() < suffix.size() || s.compare(s.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  s.erase(s.size() - suffix.size());
  return true;
}

// Digits with at most one decimal point among them, nothing else.
bool IsDecimal(std::string_view s) {
  std::size_t digits = 0, points = 0;
  for (const char c : s) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

// The shortest decimal text that reads back as the same number: "120",
// "87.62".
std::string DegreesText(double degrees) {
  char buf[64];
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, degrees);
  return error == std::errc() ? std::string(buf, end) : std::to_string(degrees);
}

}  // namespace

std::optional<double> ParseLongitude(std::string_view text) {
  std::string s = text::Trim(text);
  // The side of the world, written before (东经120) or after (120E) the
  // number, or a sign; a side and a sign together are not accepted.
  int side = 0;  // +1 east, -1 west
  if (StripPrefix(s, "东经")) {
    side = 1;
  } else if (StripPrefix(s, "西经")) {
    side = -1;
  }
  if (!StripSuffix(s, "度")) StripSuffix(s, "°");
  if (side == 0 && !s.empty()) {
    const char last = s.back();
    if (last == 'E' || last == 'e' || last == 'W' || last == 'w') {
      side = (last == 'E' || last == 'e') ? 1 : -1;
      s.pop_back();
      StripSuffix(s, "°");
    }
  }
  int sign = 1;
  if (side == 0 && !s.empty() && (s[0] == '-' || s[0] == '+')) {
    sign = s[0] == '-' ? -1 : 1;
    s.erase(0, 1);
  }
  if (!IsDecimal(s) || s.size() > 32) return std::nullopt;
  const double magnitude = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(magnitude) || magnitude > 180) return std::nullopt;
  if (magnitude == 0) return 0.0;  // never -0
  return (side != 0 ? side : sign) * magnitude;
}

bool IsKnownZone(std::string_view name) {
  // The names the zone database lists in tzdata.zi: its zones ("Z") and
  // links ("L"). "Factory" is a placeholder with no offset of its own.
  static const std::vector<std::string> zones = [] {
    const char* dir = std::getenv("TZDIR");
    const std::string folder = std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/";
    std::vector<std::string> names;
    std::ifstream in(folder + "tzdata.zi");
    for (std::string line; std::getline(in, line);) {
      std::istringstream words(line);
      std::string kind, first, second;
      words >> kind >> first >> second;
      if (kind == "Z") names.push_back(first);
      if (kind == "L") names.push_back(second);
    }
    if (names.empty()) {
      // A database without tzdata.zi: the zones of zone1970.tab (code,
      // position, name), and UTC.
      std::ifstream table(folder + "zone1970.tab");
      for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string codes, position, zone;
        words >> codes >> position >> zone;
        if (!zone.empty()) names.push_back(zone);
      }
      names.push_back("UTC");
    }
    std::sort(names.begin(), names.end());
    return names;
  }();
  return name != "Factory" && std::binary_search(zones.begin(), zones.end(), name);
}

SolarPlace ParseBirthplace(std::string_view text) {
  const std::string typed = text::Trim(text);
  if (const std::optional<PlaceRecord> p = FindPlace(typed)) return {p->name, p->longitude, p->zone, true};
  if (const std::optional<double> degrees = ParseLongitude(typed)) {
    return {(*degrees < 0 ? "西经" : "东经") + DegreesText(std::fabs(*degrees)) + "度", *degrees,
            "Asia/Shanghai"};
  }
  std::string message = "'" + typed + "' is neither a known place nor a longitude";
  const std::vector<std::string> near = NearPlaceNames(typed);
  if (!near.empty()) message += "; near matches: " + text::Join(near, ", ");
  throw ConvertError(message);
}

}  // namespace vantrel
