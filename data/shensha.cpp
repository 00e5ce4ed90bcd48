#include "data/shensha.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

#include "common/errors.h"
#include "common/paths.h"
#include "common/text.h"
#include "data/file_stamp.h"

namespace vantrel::data {
namespace {

constexpr std::size_t kNameChars = 5;
constexpr std::size_t kMaxItems = 21;
constexpr int kValueBytes = 10;
// nianzhi.txt is read up to line 13, rizhi.txt up to line 6, and the first
// five lines of rizhu.txt test whole pillars.
constexpr int kNianzhiLines = 14;
constexpr int kRizhiLines = 7;
constexpr int kRizhuPillarLines = 5;
// The two nianzhi lines that hold one rule for each direction of the chart.
constexpr int kForwardLine = 2;
constexpr int kBackwardLine = 3;

// The largest rule file read. The real files hold a few KiB; a larger one is
// damaged or not a rule file, and reading it would only stall the report.
constexpr std::size_t kMaxRuleFileBytes = 1 << 20;

[[noreturn]] void TooLarge(int fd, const std::string& path) {
  ::close(fd);
  throw FileError(path, std::string(std::strerror(EFBIG)) + " (over 1 MiB)");
}

std::string ReadWholeFile(const std::string& path) {
  // Opened without waiting: a pipe or a device put in a rule file's place
  // must not hold the report forever. Only a regular file is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw FileError(path, std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    throw FileError(path, std::strerror(error));
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw FileError(path, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
  }
  if (static_cast<std::uintmax_t>(st.st_size) > kMaxRuleFileBytes) TooLarge(fd, path);
  std::string bytes;
  char buf[8192];
  while (true) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      throw FileError(path, std::strerror(error));
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxRuleFileBytes) TooLarge(fd, path);  // a file that grew meanwhile
  }
  ::close(fd);
  return bytes;
}

// A substring test; an empty text occurs nowhere. The texts are UTF-8, so a
// match always starts on a character.
bool Occurs(const std::string& needle, const std::string& haystack) {
  return !needle.empty() && haystack.find(needle) != std::string::npos;
}

// The rules of a rule file, one per line. A chart asks each file seven
// times or more, so the rules are read and parsed once and kept while the
// file stays exactly the same; anything but an unchanged regular file is
// read afresh (and refused as reading it says).
std::shared_ptr<const std::vector<ShenshaRule>> RulesOf(const char* file) {
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const std::vector<ShenshaRule>> rules;
  };
  thread_local std::map<std::string, Entry> cache;
  const std::string path = ProgramFile(std::string("shensha/") + file);
  const std::optional<FileStamp> stamp = StampOf(path);
  if (stamp) {
    const auto hit = cache.find(path);
    if (hit != cache.end() && hit->second.stamp == *stamp) return hit->second.rules;
  }
  cache.erase(path);
  auto rules = std::make_shared<std::vector<ShenshaRule>>();
  for (const std::string& line : LoadShenshaFile(file)) rules->push_back(ParseShenshaLine(line));
  if (stamp) cache[path] = {*stamp, rules};
  return rules;
}

// The common procedure of every evaluator: the names of all items that
// match, each after one blank, in file order. No lines at all gives nothing,
// not even the names counted in code.
template <typename Considered, typename Matches>
std::optional<std::string> Collect(const char* file, Considered considered, Matches matches) {
  const std::shared_ptr<const std::vector<ShenshaRule>> rules = RulesOf(file);
  if (rules->empty()) return std::nullopt;
  std::string acc;
  for (int i = 0; i < static_cast<int>(rules->size()); ++i) {
    if (!considered(i)) continue;
    const ShenshaRule& rule = (*rules)[static_cast<std::size_t>(i)];
    for (const ShenshaItem& item : rule.items) {
      if (matches(i, item)) acc += " " + rule.name;
    }
  }
  return acc;
}

// 披麻 two branches before the year (or day) branch `a`, 吊客 two after it,
// 丧门 three after it.
void AddMourningStars(std::string& acc, const std::string& a, const std::string& b) {
  const std::optional<Branch> from = Branch::FromName(a);
  if (!from) return;
  if (b == from->Next(-2).Name()) acc += " 披麻";
  if (b == from->Next(2).Name()) acc += " 吊客";
  if (b == from->Next(3).Name()) acc += " 丧门";
}

std::string Result(const std::optional<std::string>& acc) { return acc ? text::Trim(*acc) : std::string(); }

bool AllLines(int) { return true; }

// A key holds `a` and the value holds `b`: the test of the stem and branch files.
std::string KeyAndValue(const char* file, const std::string& a, const std::string& b) {
  return Result(Collect(file, AllLines, [&](int, const ShenshaItem& item) {
    return Occurs(a, item.key) && Occurs(b, item.value);
  }));
}

}  // namespace

std::vector<std::string> LoadShenshaFile(const std::string& name) {
  const std::string text = text::FromGbk(ReadWholeFile(ProgramFile("shensha/" + name)));
  if (text.empty()) return {};
  std::vector<std::string> lines = text::SplitLines(text);
  // The break after the last line does not open another one.
  if (text.back() == '\n' || text.back() == '\r') lines.pop_back();
  return lines;
}

ShenshaRule ParseShenshaLine(const std::string& line) {
  ShenshaRule rule;
  const std::string field = text::FirstChars(line, kNameChars);
  rule.name = text::Trim(field);
  const std::string body = text::Trim(text::ReplaceAll(line, field, ""));

  std::size_t start = 0;
  for (std::size_t count = 0; count < kMaxItems && start <= body.size(); ++count) {
    const std::size_t comma = body.find(',', start);
    std::string piece = body.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    start = comma == std::string::npos ? body.size() + 1 : comma + 1;
    // The blanks after a comma are dropped.
    if (count > 0) piece.erase(0, std::min(piece.find_first_not_of(' '), piece.size()));
    if (text::Trim(piece).empty()) continue;
    const std::size_t colon = piece.find(':');
    if (colon == std::string::npos) {
      rule.items.push_back({std::string(), text::GbkCopy(piece, 1, kValueBytes)});
    } else {
      rule.items.push_back(
          {piece.substr(0, colon), text::Trim(text::GbkCopy(piece.substr(colon + 1), 1, kValueBytes))});
    }
  }
  return rule;
}

std::string ShenshaNiangan(const std::string& a, const std::string& b) {
  return KeyAndValue("niangan.txt", a, b);
}

std::string ShenshaNianzhi(const std::string& a, const std::string& b, LuckDirection direction) {
  auto acc = Collect(
      "nianzhi.txt",
      [&](int line) {
        if (line >= kNianzhiLines) return false;
        if (line == kForwardLine) return direction == LuckDirection::Forward;
        if (line == kBackwardLine) return direction == LuckDirection::Backward;
        return true;
      },
      [&](int, const ShenshaItem& item) { return Occurs(a, item.key) && Occurs(b, item.value); });
  if (acc) AddMourningStars(*acc, a, b);
  return Result(acc);
}

std::string ShenshaYuezhi(const std::string& a, const std::string& b, const std::string& c) {
  return Result(Collect("yuezhi.txt", AllLines, [&](int, const ShenshaItem& item) {
    return Occurs(a, item.key) && (Occurs(b, item.value) || Occurs(c, item.value));
  }));
}

std::string ShenshaRigan(const std::string& a, const std::string& b) {
  return KeyAndValue("rigan.txt", a, b);
}

std::string ShenshaRizhi(const std::string& a, const std::string& b) {
  auto acc = Collect(
      "rizhi.txt", [](int line) { return line < kRizhiLines; },
      [&](int, const ShenshaItem& item) { return Occurs(a, item.key) && Occurs(b, item.value); });
  if (acc) AddMourningStars(*acc, a, b);
  return Result(acc);
}

std::string ShenshaRizhu(const std::string& a, const std::string& b) {
  const std::vector<std::string> chars = text::Characters(a);
  const std::string branch = chars.empty() ? std::string() : chars.back();
  return Result(Collect("rizhu.txt", AllLines, [&](int line, const ShenshaItem& item) {
    if (line < kRizhuPillarLines) return Occurs(a, item.key) && (Occurs(b, item.value) || item.value.empty());
    return Occurs(branch, item.key) && Occurs(b, item.value);
  }));
}

std::string ShenshaRizhus(const std::string& a, const std::string& b) {
  return Result(Collect("rizhus.txt", AllLines, [&](int, const ShenshaItem& item) {
    return (Occurs(a, item.key) || item.key.empty()) && Occurs(b, item.value);
  }));
}

std::vector<std::string> PillarShenshaResults(PillarPosition at, const ChartPillars& pillars,
                                              LuckDirection direction) {
  const auto which = static_cast<std::size_t>(at);
  const Pillar& year = pillars[0];
  const Pillar& month = pillars[1];
  const Pillar& day = pillars[2];
  const Pillar& hour = pillars[3];
  const Pillar& p = pillars[which];
  std::vector<std::string> results = {
      ShenshaNiangan(year.StemText(), p.BranchText()),
      ShenshaNianzhi(year.BranchText(), p.BranchText(), direction),
      ShenshaYuezhi(month.BranchText(), p.StemText(), p.BranchText()),
      ShenshaRigan(day.StemText(), p.BranchText()),
      ShenshaRizhi(day.BranchText(), p.BranchText()),
      ShenshaRizhu(p.Text(), day.Text()),
  };
  // The day-and-hour rules are printed on the year, month and day lines.
  if (at != PillarPosition::Hour) results.push_back(ShenshaRizhus(day.Text(), hour.Text()));
  return results;
}

std::string PillarShenshaLine(PillarPosition at, const std::vector<std::string>& results) {
  static const char* const kHeadings[] = {"年柱：", "月柱：", "日柱：", "时柱："};
  return std::string(kHeadings[static_cast<std::size_t>(at)]) + text::Trim(text::Join(results, " "));
}

std::string PillarShenshaLine(PillarPosition at, const ChartPillars& pillars, LuckDirection direction) {
  return PillarShenshaLine(at, PillarShenshaResults(at, pillars, direction));
}

}  // namespace vantrel::data
