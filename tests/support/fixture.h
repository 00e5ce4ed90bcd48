#pragma once
// A temporary program folder for tests: the program looks for its data
// files there while the fixture lives.
#include <string>

namespace vantrel::testing {

class FixtureDir {
 public:
  FixtureDir();
  ~FixtureDir();
  FixtureDir(const FixtureDir&) = delete;
  FixtureDir& operator=(const FixtureDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  // Creates (or replaces) a SQLite file in the folder by running the script.
  void WriteDatabase(const std::string& name, const std::string& sql) const;
  // Writes a file with exactly these bytes, creating folders on the way.
  void WriteFile(const std::string& name, const std::string& bytes) const;
  // Copies the real built data (both database files and the shensha
  // folder) into the fixture folder, to be spoiled by a test.
  void CopyBuiltData() const;
  // Runs a script on a database file of the folder, which must exist.
  void Execute(const std::string& name, const std::string& sql) const;

 private:
  std::string path_;
};

// The folder of the test program, where the build puts the real data files.
std::string BuiltDataDir();

}  // namespace vantrel::testing
