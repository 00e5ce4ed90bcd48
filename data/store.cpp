#include "data/store.h"

#include "common/paths.h"

namespace vantrel::data {

const char* DatabaseFileName(Database db) { return db == Database::Main ? "KelFile.dll" : "Tgcode.dll"; }

std::string DatabasePath(Database db) { return ProgramFile(DatabaseFileName(db)); }

std::string ConnectionString(Database db) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + DatabasePath(db) + ";Persist Security Info=True";
}

}  // namespace vantrel::data
