#pragma once
// The reference texts of the almanac glossary, the folk-omen pages and the
// boy/girl chart, compiled in from resources/texts/ (almanac_glossary.txt,
// folk_omens.txt, boy_girl_chart.tsv and .txt) by tools/texts; edit the
// resource files, not the generated code. Every line is as the panes show it.
#include <span>
#include <string_view>

#include "reports/reference_charts.h"

namespace vantrel {

// The glossary pane's lines.
extern const std::span<const std::string_view> kAlmanacGlossaryLines;

// The lines of omen pages 0..6 and of the note under them.
extern const std::span<const std::string_view> kFolkOmenPages[kFolkOmenPageCount];
extern const std::span<const std::string_view> kFolkOmenNoteLines;

// One row per age from kBoyGirlFirstAge: the twelve cells (男 or 女) of
// lunar months 1..12 in a row.
extern const std::string_view kBoyGirlRows[kBoyGirlLastAge - kBoyGirlFirstAge + 1];

// The chart's heading line and the note under it.
extern const char kBoyGirlHeading[];
extern const char kBoyGirlNote[];

}  // namespace vantrel
