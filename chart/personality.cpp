#include "chart/personality.h"

namespace vantrel {

std::string BirthdayPersonality(int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return {};
  std::string text(PersonalityTexts[static_cast<std::size_t>(day)]);
  text += PersonalityTexts[static_cast<std::size_t>(100 * month + day)];
  return text;
}

}  // namespace vantrel
