#pragma once
// The rows of the main file that the number dialogs and the encyclopedia
// read by key. Each call makes a query of its own and releases it before
// returning; a file or table that cannot be read raises DatabaseError, and
// the caller decides what that means for its action.
#include <optional>
#include <string>

namespace vantrel::data {

// A row of table `shouji`: the reading of a mobile remainder.
struct MobileNumberRow {
  std::string title;    // the state
  std::string luck;     // the luck word
  std::string content;  // the description
};

// The row of a mobile remainder 1..79 (its texts trimmed); none without a row.
std::optional<MobileNumberRow> MobileNumberRowOf(int remainder);

// The `content` of the encyclopedia topic with this code ("hh06") in table
// `Noter`, trimmed of blanks; none without a row.
std::optional<std::string> EncyclopediaContent(const std::string& code);

}  // namespace vantrel::data
