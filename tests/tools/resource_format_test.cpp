#include "tools/resource_format.h"

#include <gtest/gtest.h>

namespace vantrel::tools {
namespace {

TEST(ResourceFormat, ParsesHeaderRecordsAndEscapes) {
  const ResourceTable t = ParseResourceTable(
      "# a note\n\nweight\tMM\tcontent\n43\t衣食无忧\t一\\n二\\t三\\\\四\r\n44\t\t \n", "t.tsv");
  ASSERT_EQ(t.columns, (std::vector<std::string>{"weight", "MM", "content"}));
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0][2], "一\n二\t三\\四");
  EXPECT_EQ(t.rows[1][1], "");
  EXPECT_EQ(t.rows[1][2], " ");  // blanks are kept as written
  EXPECT_EQ(t.Column("content"), 2);
  EXPECT_THROW(t.Column("nope"), std::runtime_error);
}

TEST(ResourceFormat, RejectsRecordsWithTheWrongFieldCount) {
  EXPECT_THROW(ParseResourceTable("a\tb\n1\n", "bad.tsv"), std::runtime_error);
  EXPECT_THROW(ParseResourceTable("# only a comment\n", "empty.tsv"), std::runtime_error);
}

TEST(ResourceFormat, EscapedFieldsReadBackAsWritten) {
  const std::string field = "一\t二\n三\\n四\\";
  EXPECT_EQ(EscapeResourceField(field), "一\\t二\\n三\\\\n四\\\\");
  EXPECT_EQ(UnescapeResourceField(EscapeResourceField(field)), field);
  const ResourceTable t = ParseResourceTable("a\tb\n" + EscapeResourceField(field) + "\tx\n", "t.tsv");
  EXPECT_EQ(t.rows.at(0).at(0), field);
}

}  // namespace
}  // namespace vantrel::tools
