// The generator of the reference texts: it compiles the real files and
// refuses damaged ones, so that a broken resource stops the build.
#include "tools/texts/texts_generator.h"

#include <gtest/gtest.h>

namespace vantrel::tools::texts {
namespace {

Source Resource(const std::string& name) {
  return {name, ReadWholeFile(std::string(VANTREL_SOURCE_DIR) + "/resources/texts/" + name)};
}

// The source with the first occurrence of `from` replaced by `to`.
Source Damaged(Source source, const std::string& from, const std::string& to) {
  const std::size_t at = source.content.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) source.content.replace(at, from.size(), to);
  return source;
}

// The source cut after its first `keep` bytes, as a truncated copy would be.
Source Cut(Source source, std::size_t keep) {
  source.content.resize(keep);
  return source;
}

// Expects the kind to refuse the sources with an error naming `fault`.
void ExpectRefused(std::string_view kind, const std::vector<Source>& sources, const std::string& fault) {
  try {
    GenerateTexts(kind, sources);
    ADD_FAILURE() << kind << " accepted a file with: " << fault;
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(fault), std::string::npos) << e.what();
  }
}

TEST(TextsGenerator, CompilesEveryResourceFile) {
  const std::string table = GenerateTexts("number-table", {Resource("number_table.tsv")});
  EXPECT_NE(table.find("{\"大展鸿图，信用得固，名利双收，可获成功\", \"吉\", 1},  // 0\n"),
            std::string::npos);
  EXPECT_NE(table.find("static_assert(kNumberTableRows == 81);"), std::string::npos);
  EXPECT_NO_THROW(GenerateTexts("number-types", {Resource("number_types.tsv")}));
  EXPECT_NO_THROW(GenerateTexts("letter-phrases", {Resource("letter_phrases.tsv")}));
  // A trailing blank of a glossary line survives into the literal.
  EXPECT_NE(GenerateTexts("glossary", {Resource("almanac_glossary.txt")})
                .find("\"嫁娶 ：男娶女嫁，举行结婚大典的吉日 \","),
            std::string::npos);
  EXPECT_NO_THROW(GenerateTexts("folk-omens", {Resource("folk_omens.txt")}));
  const std::string chart =
      GenerateTexts("boy-girl", {Resource("boy_girl_chart.tsv"), Resource("boy_girl_chart.txt")});
  EXPECT_NE(chart.find("\"女男女男男男男男男男男男\",  // 18\n"), std::string::npos);
}

TEST(TextsGenerator, RefusesIncompleteTables) {
  const Source table = Resource("number_table.tsv");
  ExpectRefused("number-table", {Cut(table, table.content.rfind("\n80\t") + 1)}, "missing (80 of 81");
  ExpectRefused("number-table", {Damaged(table, "\n80\t", "\n79\t")}, "number 79 appears twice");
  ExpectRefused("number-table", {Damaged(table, "\n80\t", "\n81\t")}, "unknown number '81'");
  ExpectRefused("number-table", {Damaged(table, "\n7\t", "\n07\t")}, "unknown number '07'");
  // A table cut inside its last record loses fields, which the reader refuses.
  ExpectRefused("number-table", {Cut(table, table.content.size() - 4)}, "expected 4 fields");

  const Source letters = Resource("letter_phrases.tsv");
  ExpectRefused("letter-phrases", {Damaged(letters, "\nq\t", "\nQ\t")}, "unknown letter 'Q'");
  ExpectRefused("letter-phrases", {Damaged(letters, "\nz\t老实，想问题容易兜圈子\n", "\n")},
                "missing (25 of 26");

  const Source types = Resource("number_types.tsv");
  ExpectRefused("number-types", {Damaged(types, "\n9\t", "\n0\t")}, "unknown type '0'");

  const Source ages = Resource("boy_girl_chart.tsv");
  const Source notes = Resource("boy_girl_chart.txt");
  ExpectRefused("boy-girl", {Damaged(ages, "\n45\t", "\n46\t"), notes}, "unknown age '46'");
  ExpectRefused("boy-girl", {Cut(ages, ages.content.rfind("\n45\t") + 1), notes}, "missing (27 of 28");
}

TEST(TextsGenerator, RefusesMisshapenEntries) {
  const Source table = Resource("number_table.tsv");
  ExpectRefused("number-table", {Damaged(table, "\t吉带凶\t", "\t吉凶\t")}, "luck '吉凶'");
  ExpectRefused("number-table", {Damaged(table, "\t凶\t2\n", "\t凶\t10\n")}, "type '10' is not 1..9");
  ExpectRefused("number-table", {Damaged(table, "\t大展鸿图，信用得固，名利双收，可获成功\t", "\t\t")},
                "number 0 verdict is empty");
  ExpectRefused("number-table", {Damaged(table, "可获成功", "可获\\n成功")}, "control character");
  ExpectRefused("number-table", {Damaged(table, "number\tverdict", "number\tphrase")}, "columns must be");
  ExpectRefused("number-table", {Damaged(table, "大展", "\xb4\xf3")}, "not UTF-8");

  const Source ages = Resource("boy_girl_chart.tsv");
  const Source notes = Resource("boy_girl_chart.txt");
  ExpectRefused("boy-girl", {Damaged(ages, "\n18\t女\t", "\n18\t子\t"), notes}, "age 18, month 1: '子'");
  // The cells stand under the heading's months, which must all be there, the
  // first after room for the age.
  ExpectRefused("boy-girl", {ages, Damaged(notes, "  12月|", "  12|")}, "twelve months");
  ExpectRefused("boy-girl", {ages, Damaged(notes, "|年龄   1月", "|1月")}, "twelve months");
  // GBK has no emoji: the pane shows one "?", too narrow for the age.
  ExpectRefused("boy-girl", {ages, Damaged(notes, "|年龄   1月", "|😀月")}, "twelve months");
}

TEST(TextsGenerator, RefusesIncompleteBlockFiles) {
  const Source glossary = Resource("almanac_glossary.txt");
  ExpectRefused("glossary", {Cut(glossary, glossary.content.find('\n', glossary.content.size() / 2) + 1)},
                "no [end]");
  ExpectRefused("glossary", {Damaged(glossary, "[end]", "")}, "no [end]");
  ExpectRefused("glossary", {Damaged(glossary, "[glossary]", "[glosary]")}, "blocks must be [glossary]");

  const Source omens = Resource("folk_omens.txt");
  ExpectRefused("folk-omens", {Cut(omens, omens.content.find("[note]"))}, "no [end]");
  ExpectRefused("folk-omens", {Damaged(omens, "[page 3]", "[page 4]")}, "twice");
  ExpectRefused("folk-omens", {Damaged(Damaged(omens, "[page 2]", "[page x]"), "[page 1]", "[page 2]")},
                "blocks must be [page 0][page 1]");

  const Source notes = Resource("boy_girl_chart.txt");
  ExpectRefused("boy-girl",
                {Resource("boy_girl_chart.tsv"), Damaged(notes, "[note]\n", "[note]\n|second|\n")},
                "[note] must hold exactly one line");
}

TEST(TextsGenerator, RefusesUnknownKindsAndWrongFileCounts) {
  ExpectRefused("numbers", {Resource("number_table.tsv")}, "unknown kind numbers");
  ExpectRefused("boy-girl", {Resource("boy_girl_chart.tsv")}, "takes 2 input file(s)");
  ExpectRefused("glossary", {}, "takes 1 input file(s)");
}

}  // namespace
}  // namespace vantrel::tools::texts
