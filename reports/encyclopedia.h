#pragma once
// The encyclopedia page: ten topic buttons beside one text pane. A topic's
// text is the `content` of its row in table Noter of the main file.
#include <string_view>

#include "common/pane.h"

namespace vantrel {

// Shows the topic with this code ("hh06") in the pane.
//
// An empty code (after trimming) does nothing. Otherwise the pane is cleared
// first, so a code without a row leaves it empty. The text is trimmed and
// its line breaks become separate lines; the view then goes back to the first
// line. A database that cannot be read (missing file or table) cancels the
// action silently, with the pane left empty.
void ShowTopic(std::string_view code, Pane& pane);

}  // namespace vantrel
