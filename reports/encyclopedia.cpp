#include "reports/encyclopedia.h"

#include <optional>

#include "common/errors.h"
#include "common/text.h"
#include "data/reading_texts.h"

namespace vantrel {

EncyclopediaTopic ReadTopic(std::string_view code) {
  EncyclopediaTopic topic;
  const std::string key = text::Trim(code);
  if (key.empty()) return topic;
  std::optional<std::string> content;
  try {
    content = data::EncyclopediaContent(key);
  } catch (const DatabaseError& e) {
    topic.kind = EncyclopediaTopic::Kind::Cancelled;
    topic.reason = e.what();
    return topic;
  }
  topic.kind = EncyclopediaTopic::Kind::Text;
  if (content) {
    topic.hasRow = true;
    topic.lines = text::SplitLines(text::Trim(*content));
  }
  return topic;
}

std::string TopicPaneText(const EncyclopediaTopic& topic) { return text::Join(topic.lines, "\n"); }

}  // namespace vantrel
