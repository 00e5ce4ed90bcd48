#pragma once
// The two database files that ship beside the program. They are SQLite
// files that keep the names under which the program has always looked for
// them; they are opened read-only and never written.
#include <string>

namespace vantrel::data {

enum class Database {
  Main,    // KelFile.dll: texts, weights and almanac days
  Second,  // Tgcode.dll: elements, ten gods, nayin, life gua, jie instants
};

// "KelFile.dll" or "Tgcode.dll".
const char* DatabaseFileName(Database db);
// The full path of the file in the program's folder, built afresh each time.
std::string DatabasePath(Database db);

}  // namespace vantrel::data
