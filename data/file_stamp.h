#pragma once
// What identifies the contents of a data file: what was read from it may be
// used again only while none of these change.
#include <sys/stat.h>

#include <optional>
#include <string>

namespace vantrel::data {

struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long modified_ns = 0;
  long long changed_ns = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of a regular file; none for a missing file or anything else.
inline std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                   st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
}

}  // namespace vantrel::data
