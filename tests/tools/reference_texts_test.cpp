// The program shows exactly what the reference text files say: every entry
// of each file is compared with what the core returns for it.
#include <gtest/gtest.h>

#include "divination/numbers.h"
#include "divination/pinyin.h"
#include "reports/almanac.h"
#include "reports/reference_charts.h"
#include "tools/resource_format.h"
#include "tools/text_blocks.h"

namespace vantrel {
namespace {

std::string Path(const std::string& name) {
  return std::string(VANTREL_SOURCE_DIR) + "/resources/texts/" + name;
}

tools::ResourceTable Table(const std::string& name) { return tools::ReadResourceTable(Path(name)); }

std::vector<tools::TextBlock> Blocks(const std::string& name) {
  return tools::ParseTextBlocks(tools::ReadWholeFile(Path(name)), name);
}

TEST(ReferenceTexts, TheNumberTableAndLetterPhrasesAreTheFilesEntries) {
  const tools::ResourceTable table = Table("number_table.tsv");
  ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(kNumberTableRows));
  for (const auto& row : table.rows) {
    const NumberRow& shown = NumberTableRow(std::stoi(row[0]));
    EXPECT_EQ(shown.verdict, row[1]) << row[0];
    EXPECT_EQ(shown.luck, row[2]) << row[0];
    EXPECT_EQ(shown.type, std::stoi(row[3])) << row[0];
  }
  const tools::ResourceTable letters = Table("letter_phrases.tsv");
  ASSERT_EQ(letters.rows.size(), 26u);
  for (const auto& row : letters.rows) EXPECT_EQ(NetNamePhrase(row[0].at(0)), row[1]) << row[0];
}

TEST(ReferenceTexts, ThePanesShowTheBlockFilesLineForLine) {
  EXPECT_EQ(AlmanacGlossary(), Blocks("almanac_glossary.txt").at(0).lines);

  const std::vector<tools::TextBlock> omens = Blocks("folk_omens.txt");
  ASSERT_EQ(omens.size(), static_cast<std::size_t>(kFolkOmenPageCount + 1));
  for (int page = 0; page < kFolkOmenPageCount; ++page) {
    EXPECT_EQ(FolkOmenLines(page), omens[static_cast<std::size_t>(page)].lines) << page;
  }
  EXPECT_EQ(FolkOmenNote(), omens.back().lines);
}

TEST(ReferenceTexts, TheBoyGirlChartIsTheFilesGrid) {
  const tools::ResourceTable grid = Table("boy_girl_chart.tsv");
  ASSERT_EQ(grid.rows.size(), static_cast<std::size_t>(kBoyGirlLastAge - kBoyGirlFirstAge + 1));
  for (const auto& row : grid.rows) {
    for (int month = 1; month <= 12; ++month) {
      EXPECT_EQ(BoyGirlCell(std::stoi(row[0]), month), row[static_cast<std::size_t>(month)])
          << row[0] << " " << month;
    }
  }
  const std::vector<tools::TextBlock> notes = Blocks("boy_girl_chart.txt");
  EXPECT_EQ(BoyGirlChartLines().at(0), notes.at(0).lines.at(0));
  EXPECT_EQ(BoyGirlChartNote(), notes.at(1).lines.at(0));
}

}  // namespace
}  // namespace vantrel
