#pragma once
// The encyclopedia page: ten topic buttons beside one text pane. A topic's
// text is the `content` of its row in table Noter of the main file.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What choosing a topic gives the page.
struct EncyclopediaTopic {
  enum class Kind {
    Nothing,    // an empty code: the page changes nothing
    Text,       // the topic's lines; none for a code without a row
    Cancelled,  // the database could not be read: the action ends silently
  };

  Kind kind = Kind::Nothing;
  // Text: the trimmed content, one entry per line, in order; empty for a code
  // without a row.
  std::vector<std::string> lines;
  bool hasRow = false;
  std::string reason;  // Cancelled: the database error's message

  friend bool operator==(const EncyclopediaTopic&, const EncyclopediaTopic&) = default;
};

// The topic with this code ("hh06"). An empty code (after trimming) gives
// Nothing. The content is trimmed and its line breaks become separate lines.
// A database that cannot be read (missing file or table) gives Cancelled.
EncyclopediaTopic ReadTopic(std::string_view code);

// The pane text of a topic: its lines joined by line breaks; empty for a
// topic without a row. The page clears its pane for every topic but Nothing,
// adds this text when the topic has a row, and goes back to the first line.
std::string TopicPaneText(const EncyclopediaTopic& topic);

}  // namespace vantrel
