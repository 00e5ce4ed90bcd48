#pragma once
// The fixed texts of the two reference dialogs: the folk omens read by the
// double hour (seven pages) and the boy/girl conception chart. Nothing here
// is computed from a birth; the texts are shown as they are.
#include <string>
#include <vector>

namespace vantrel {

inline constexpr int kFolkOmenPageCount = 7;

// The text lines of one omen page, 0..6 (sneezing, a hot face, a startled
// heart, a dog's barking, a twitching eye, a hot ear, a ringing ear). A page
// outside 0..6 has no lines.
const std::vector<std::string>& FolkOmenLines(int page);

// The page as its pane shows it: an empty line after every text line except
// the last.
std::string FolkOmenText(int page);

// The four lines of the note under the pages, which name the clock hours of
// every double hour.
const std::vector<std::string>& FolkOmenNote();

// The boy/girl chart: the mother's nominal age (虚岁) 18..45 against the lunar
// month of conception 1..12.
inline constexpr int kBoyGirlFirstAge = 18;
inline constexpr int kBoyGirlLastAge = 45;

// "男" or "女"; the empty text for an age or month outside the chart.
std::string BoyGirlCell(int age, int month);

// The header line "年龄   1月 ..." and then one line per age, each cell
// standing under the "月" of its month's heading (by GBK width, so the
// columns line up in a font whose Chinese characters are two columns wide).
std::vector<std::string> BoyGirlChartLines();

// The note under the chart.
const char* BoyGirlChartNote();

}  // namespace vantrel
