#include "common/errors.h"

namespace vantrel {

FileError::FileError(const std::string& path, const std::string& reason)
    : Error("Cannot open file \"" + path + "\". " + reason), path_(path) {}

}  // namespace vantrel
