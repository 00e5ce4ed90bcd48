#pragma once
// Reads whole results from a database file, for tests that check every row
// of a table (the program's own query keeps only the first row).
#include <string>
#include <vector>

namespace vantrel::testing {

using Rows = std::vector<std::vector<std::string>>;

// Every row of the statement, each value as its text (NULL as the empty
// text). The file is opened read-only and immutable; any failure throws
// std::runtime_error.
Rows AllRows(const std::string& file, const std::string& sql);

// The first column of every row.
std::vector<std::string> FirstColumn(const std::string& file, const std::string& sql);

// A data file of the build: BuiltDataDir() + "/" + name.
std::string BuiltFile(const std::string& name);

}  // namespace vantrel::testing
