#include "common/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/text.h"

namespace vantrel {
namespace {

// The directory part of a path ("." for a bare name).
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& path, int error, const std::string& temp = {}, int fd = -1) {
  if (fd >= 0) ::close(fd);
  if (!temp.empty()) ::unlink(temp.c_str());
  throw FileWriteError(path, std::strerror(error));
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : Error("Cannot write file \"" + path + "\". " + reason) {}

std::string EncodeReportLines(const std::vector<std::string>& lines, TextEncoding encoding,
                              const std::string& path) {
  std::string out;
  for (const std::string& line : lines) {
    if (encoding == TextEncoding::Utf8) {
      out += line;
      out += '\n';
      continue;
    }
    const std::string gbk = text::ToGbk(line);
    if (text::FromGbk(gbk) != line) {
      // Name the first character that did not survive the round trip.
      for (const std::string& c : text::Characters(line)) {
        if (text::FromGbk(text::ToGbk(c)) != c) {
          throw FileWriteError(path, "The character \"" + c + "\" cannot be written in GBK");
        }
      }
      throw FileWriteError(path, "The text cannot be written in GBK");
    }
    out += gbk;
    out += "\r\n";
  }
  return out;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = FolderOf(path) + "/.vantrel-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail(path, errno);
  struct stat existing {};
  const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode();
  if (::fchmod(fd, mode) != 0) Fail(path, errno, temp, fd);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, errno, temp, fd);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) Fail(path, errno, temp, fd);
  if (::close(fd) != 0) Fail(path, errno, temp);
  if (::rename(temp.c_str(), path.c_str()) != 0) Fail(path, errno, temp);
}

std::string ReportFileName(const std::vector<std::string>& parts) {
  std::string name;
  for (const std::string& part : parts) {
    const std::string trimmed = text::Trim(part);
    if (trimmed.empty()) continue;
    if (!name.empty()) name += '_';
    name += trimmed;
  }
  for (char& c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || std::strchr("/\\:*?\"<>|", c) != nullptr) c = '_';
  }
  while (!name.empty() && (name.front() == '.' || name.front() == ' ')) name.erase(name.begin());
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name.empty() ? "报告" : name;
}

}  // namespace vantrel
