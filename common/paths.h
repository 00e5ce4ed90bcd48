#pragma once
// The program's folder: the folder of the running executable. The database
// files and the shensha rule folder lie there.
#include <string>

namespace vantrel {

// The folder of the running executable, without a trailing "/".
std::string ProgramDir();

// Tests point the program at a folder of fixture files; an empty text goes
// back to the executable's folder.
void SetProgramDirForTesting(const std::string& dir);

// ProgramDir() + "/" + name.
std::string ProgramFile(const std::string& name);

}  // namespace vantrel
