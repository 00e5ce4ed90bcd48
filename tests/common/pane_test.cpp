#include "common/pane.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace vantrel {
namespace {

TEST(TextPane, AddSplitsLineBreaksAndKeepsATrailingEmptyLine) {
  TextPane pane;
  pane.Add("a");
  pane.Add("");
  pane.Add("b\nc");
  EXPECT_EQ(pane.LineCount(), 4);
  EXPECT_EQ(pane.Text(), "a\n\nb\nc\n");
  TextPane copy;
  copy.Add(pane.Text());  // a pane's text ends with a break: one empty line follows
  EXPECT_EQ(copy.LineCount(), 5);
  EXPECT_EQ(copy.Line(4), "");
}

TEST(TextPane, SetTextEndsTheLastLineAtItsBreak) {
  TextPane pane;
  pane.Add("old");
  pane.SetText("x\ny\n");
  EXPECT_EQ(pane.LineCount(), 2);
  pane.SetText("");
  EXPECT_EQ(pane.LineCount(), 0);
}

TEST(TextPane, LineEditingIgnoresIndicesOutOfRange) {
  TextPane pane;
  pane.Add("a\nb");
  pane.DeleteLine(5);
  pane.InsertLine(99, "c");
  EXPECT_EQ(pane.Text(), "a\nb\nc\n");
  EXPECT_EQ(pane.Line(-1), "");
}

TEST(FileError, QuotesThePathAndTheReason) {
  const FileError e("/opt/vantrel/shensha/niangan.txt", "No such file or directory");
  EXPECT_STREQ(e.what(), "Cannot open file \"/opt/vantrel/shensha/niangan.txt\". No such file or directory");
}

}  // namespace
}  // namespace vantrel
