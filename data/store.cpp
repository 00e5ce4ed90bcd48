#include "data/store.h"

#include "common/paths.h"

namespace vantrel::data {

const char* DatabaseFileName(Database db) { return db == Database::Main ? "KelFile.dll" : "Tgcode.dll"; }

std::string DatabasePath(Database db) { return ProgramFile(DatabaseFileName(db)); }

}  // namespace vantrel::data
