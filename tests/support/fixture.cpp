#include "tests/support/fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/paths.h"

namespace vantrel::testing {

FixtureDir::FixtureDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "vantrel-test-XXXXXX").string();
  if (!mkdtemp(templ.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = templ;
  SetProgramDirForTesting(path_);
}

FixtureDir::~FixtureDir() {
  SetProgramDirForTesting("");
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(path_, ec);
}

void FixtureDir::WriteDatabase(const std::string& name, const std::string& sql) const {
  std::filesystem::remove(File(name));
  Execute(name, sql);
}

void FixtureDir::CopyBuiltData() const {
  namespace fs = std::filesystem;
  const fs::path from = BuiltDataDir();
  for (const char* name : {"KelFile.dll", "Tgcode.dll"}) {
    fs::copy_file(from / name, File(name), fs::copy_options::overwrite_existing);
  }
  fs::copy(from / "shensha", File("shensha"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void FixtureDir::Execute(const std::string& name, const std::string& sql) const {
  const std::string file = File(name);
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + file);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("fixture script failed: " + message);
}

void FixtureDir::WriteFile(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = File(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

std::string BuiltDataDir() { return VANTREL_BIN_DIR; }

}  // namespace vantrel::testing
