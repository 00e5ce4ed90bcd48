// Arbitrary requests to choose a day: any activity text, any range (kept
// short so each run stays quick), any typed couple or people, any options.
// Each request gives a notice or a list; every chosen day lies in the range,
// is not forbidden for the activity and explains itself, and the JSON of the
// result reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/errors.h"
#include "export/json_values.h"
#include "reports/choose_day.h"
#include "reports/entry_texts.h"
#include "tests/fuzz/fuzz_fields.h"

namespace {

vantrel::PersonEntry Entry(const std::vector<std::string>& f, std::size_t at) {
  return vantrel::ReadMarriagePerson(vantrel::fuzz::SolarRowAt(f, at, false));
}

long DayNumber(const vantrel::CivilDate& d) {
  return static_cast<long>(vantrel::EncodeDate(d.year, d.month, d.day));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantrel;
  const std::vector<std::string> f = fuzz::Fields(data, size, 16);
  choose::ChooseRequest request;
  if (!f[0].empty()) request.activity = f[0];
  // The range: a start read from the input, at most 60 days long, and
  // sometimes outside the almanac's years or backwards.
  const int year = 1895 + static_cast<int>(f[1].size() * 7 % 215);
  const int month = 1 + static_cast<int>(f[2].size() % 12);
  const int length = static_cast<int>(f[3].size() % 62) - 1;
  request.from = {year, month, 1};
  request.to = DecodeDate(EncodeDate(year, month, 1) + length);
  const unsigned flags = f[4].empty() ? 0u : static_cast<unsigned char>(f[4][0]);
  request.options.notForbiddenEnough = flags & 1u;
  request.options.dayBranch = flags & 2u;
  request.options.xingHai = flags & 4u;
  request.options.popularRules = flags & 8u;
  const int people = static_cast<int>(flags >> 4 & 3u);
  for (int k = 0; k < people && k < 2; ++k) {
    choose::ChoosePerson p;
    p.role = request.activity == "嫁娶" ? (k == 0 ? choose::Role::kMan : choose::Role::kWoman)
                                        : choose::Role::kPerson;
    p.sex = k == 0 ? Sex::Man : Sex::Woman;
    p.entry = Entry(f, 5 + 5 * static_cast<std::size_t>(k));
    request.people.push_back(p);
  }

  choose::ChooseResult result;
  try {
    result = choose::ChooseDays(request);
  } catch (const Error&) {
    return 0;  // a typed birth that is no number, as the reports raise it
  }
  if (result.notice) {
    if (!result.chosen.empty()) std::abort();
    return 0;
  }
  for (const choose::DayJudgement& j : result.chosen) {
    const long n = DayNumber(j.day.date);
    if (n < DayNumber(request.from) || n > DayNumber(request.to)) std::abort();
    if (!j.chosen || j.reasons.empty()) std::abort();
    for (const std::string_view word : j.day.verdict.forbids) {
      if (word == request.activity) std::abort();
    }
    if (choose::ExplainLine(result, j).empty()) std::abort();
  }
  const std::string text =
      json::ChooseResultJson(result).dump(-1, ' ', false, json::Json::error_handler_t::replace);
  if (json::Json::parse(text).dump(-1, ' ', false, json::Json::error_handler_t::replace) != text)
    std::abort();
  return 0;
}
