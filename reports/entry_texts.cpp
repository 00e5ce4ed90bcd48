#include "reports/entry_texts.h"

#include "common/text.h"

namespace vantrel {
namespace {

enum class HourItemCut { AsTyped, Trimmed };

PersonEntry ReadPersonEntry(const EntryTexts& texts, HourItemCut cut) {
  PersonEntry e;
  e.name = texts.name;
  e.calendar = texts.calendar;
  const std::pair<const std::string*, BirthField> fields[] = {{&texts.year, BirthField::Year},
                                                              {&texts.month, BirthField::Month},
                                                              {&texts.day, BirthField::Day},
                                                              {&texts.hour, BirthField::Hour}};
  for (const auto& [value, field] : fields) {
    if (text::Trim(*value).empty()) {
      e.blank = field;
      break;
    }
  }
  if (texts.calendar == CalendarKind::Solar) {
    e.date = Parsed<CivilDate>::Of([&] {
      return DecodeDate(
          StrToDate(text::Trim(texts.year) + "-" + text::Trim(texts.month) + "-" + text::Trim(texts.day)));
    });
  } else {
    // A braced list is evaluated in order: the first text that is no number names the error.
    e.date = Parsed<CivilDate>::Of([&] {
      return CivilDate{StrToInt(texts.year), StrToInt(texts.month), StrToInt(texts.day)};
    });
  }
  e.hourUnknown = text::Trim(texts.hour) == kUnknownHourItem;
  const std::string item = cut == HourItemCut::Trimmed ? text::Trim(texts.hour) : texts.hour;
  e.hourText = text::Trim(text::GbkCopy(item, 4, 2));
  e.hour = TypedNumber::Of([&] { return StrToInt(e.hourText); });
  e.minuteText = texts.minute;
  e.minute = TypedNumber::Of([&] { return StrToInt(text::Trim(texts.minute)); });
  return e;
}

}  // namespace

PersonEntry ReadMarriagePerson(const EntryTexts& texts) {
  return ReadPersonEntry(texts, HourItemCut::AsTyped);
}

PersonEntry ReadChartPerson(const EntryTexts& texts) { return ReadPersonEntry(texts, HourItemCut::Trimmed); }

}  // namespace vantrel
