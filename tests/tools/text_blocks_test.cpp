#include "tools/text_blocks.h"

#include <gtest/gtest.h>

namespace vantrel::tools {
namespace {

TEST(TextBlocks, KeepEveryShownLineAsWritten) {
  const std::vector<TextBlock> blocks = ParseTextBlocks(
      "# note\n\n[one]\n|  leading and trailing  |\n||\n|a|b|\r\n# inside\n[two words]\n|说明：|\n[end]\n# "
      "after\n\n",
      "t.txt");
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].name, "one");
  EXPECT_EQ(blocks[0].lines, (std::vector<std::string>{"  leading and trailing  ", "", "a|b"}));
  EXPECT_EQ(blocks[1].name, "two words");
  EXPECT_EQ(blocks[1].lines, (std::vector<std::string>{"说明："}));
}

TEST(TextBlocks, RefuseIncompleteOrMisshapenFiles) {
  const std::pair<const char*, const char*> cases[] = {
      {"[a]\n|x|\n", "no [end]"},                      // truncated
      {"[a]\n|x|\n[en", "neither"},                    // cut inside the last line
      {"|x|\n[a]\n|y|\n[end]\n", "outside a block"},   // a line before any block
      {"[a]\n[b]\n|y|\n[end]\n", "[a] has no lines"},  // an empty block
      {"[a]\n|x|\n[end]\n", ""},                       // (the sound file)
      {"[a]\n|x|\n[a]\n|y|\n[end]\n", "twice"},        // a name used twice
      {"[a]\n|x|\n[end]\n|y|\n", "after [end]"},       // text after the end
      {"[a]\n|x| \n[end]\n", "neither"},               // a blank after the closing bar
      {"[a]\nx\n[end]\n", "neither"},                  // a bare line
      {"[a]\n|\n[end]\n", "neither"},                  // a lone bar
      {"[end]\n", "no blocks"},
      {"[a]\n|x\ty|\n[end]\n", "control"},
      {"[a]\n|\xe5\xad|\n[end]\n", "UTF-8"},      // a character cut short
      {"[a]\n|\xc0\xaf|\n[end]\n", "UTF-8"},      // an overlong form
      {"[a]\n|\xed\xa0\x80|\n[end]\n", "UTF-8"},  // a surrogate
      {"[a]\n|\x80|\n[end]\n", "UTF-8"},          // a stray continuation byte
      {"[a]\n|\xb5\xe7|\n[end]\n", "UTF-8"},      // GBK bytes
  };
  for (const auto& [content, fault] : cases) {
    if (*fault == '\0') {
      EXPECT_NO_THROW(ParseTextBlocks(content, "t.txt"));
      continue;
    }
    try {
      ParseTextBlocks(content, "t.txt");
      ADD_FAILURE() << "accepted: " << content;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(fault), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("t.txt", 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace vantrel::tools
