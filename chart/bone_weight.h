#pragma once
// Bone-weight fortune (称骨): the weights of the lunar year, month, day and
// clock hour of birth add up to a total in 两 and 钱 that names a verdict, a
// poem and the poem's meaning in the main file (KelFile.dll).
#include <string>

namespace vantrel {

// The three lines of a person's bone weight: the weight and verdict
// ("你的骨重为：4两3钱 " + verdict), "诗评：" + poem and "诗意：" + meaning. The
// keys are decimal texts: lunar year, lunar month, lunar day and clock hour
// 0..23. A key without a row weighs nothing; a total whose code has no
// verdict row gives three empty lines. Any database error ends the calling
// action silently (SilentCancel).
struct BoneWeightLines {
  std::string weight;
  std::string poem;
  std::string meaning;
};
BoneWeightLines BoneWeightOf(const std::string& yearKey, const std::string& monthKey,
                             const std::string& dayKey, const std::string& hourKey);

}  // namespace vantrel
