#include "common/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "common/text.h"

namespace vantrel {
namespace {

// The directory part of a path ("." for a bare name).
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& path, int error) {
  throw FileWriteError(path, std::strerror(error));
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A descriptor closed on every way out; Close reports a failed close.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }
  void Close(const std::string& path) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(path, errno);
  }

 private:
  int fd_;
};

// Writes every byte; raises FileWriteError for `path` on failure.
void WriteAll(const std::string& path, int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path, errno);
    }
    written += static_cast<std::size_t>(n);
  }
}

void (*g_before_write)() = nullptr;

// The temporary file of the write under way, removed when SIGINT, SIGHUP or
// SIGTERM ends the program before it is renamed into place. The path is
// kept in a fixed buffer: the handler may only call unlink.
constexpr int kCleanedSignals[] = {SIGINT, SIGHUP, SIGTERM};
char g_temp_path[PATH_MAX];
volatile std::sig_atomic_t g_temp_pending = 0;

extern "C" void RemoveTemporaryAndDie(int signal) {
  if (g_temp_pending) ::unlink(g_temp_path);
  g_temp_pending = 0;
  // The disposition it replaced was the default one: end as it would have.
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// Blocks the three signals while the temporary file comes and goes, so
// none falls between creating (or renaming) the file and noting it.
class SignalsBlocked {
 public:
  SignalsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (const int s : kCleanedSignals) sigaddset(&set, s);
    ::sigprocmask(SIG_BLOCK, &set, &saved_);
  }
  ~SignalsBlocked() { ::sigprocmask(SIG_SETMASK, &saved_, nullptr); }
  SignalsBlocked(const SignalsBlocked&) = delete;
  SignalsBlocked& operator=(const SignalsBlocked&) = delete;

 private:
  sigset_t saved_;
};

// A temporary file beside the target: created, noted for the signal
// handler (which is installed only where the signal would end the program
// anyway), and removed again unless it was renamed into place.
class TemporaryFile {
 public:
  TemporaryFile(const std::string& target, const std::string& shown) {
    std::string temp = FolderOf(target) + "/.vantrel-XXXXXX";
    if (temp.size() >= sizeof g_temp_path) Fail(shown, ENAMETOOLONG);
    const SignalsBlocked blocked;
    fd_ = ::mkstemp(temp.data());
    if (fd_ < 0) Fail(shown, errno);
    path_ = temp;
    std::memcpy(g_temp_path, temp.c_str(), temp.size() + 1);
    g_temp_pending = 1;
    for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i) {
      struct sigaction old {};
      ::sigaction(kCleanedSignals[i], nullptr, &old);
      if (!(old.sa_flags & SA_SIGINFO) && old.sa_handler == SIG_DFL) {
        struct sigaction act {};
        act.sa_handler = RemoveTemporaryAndDie;
        sigemptyset(&act.sa_mask);
        ::sigaction(kCleanedSignals[i], &act, nullptr);
        installed_[i] = true;
      }
    }
  }
  ~TemporaryFile() {
    const SignalsBlocked blocked;
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(path_.c_str());
    g_temp_pending = 0;
    for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i) {
      if (installed_[i]) ::signal(kCleanedSignals[i], SIG_DFL);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  void Close(const std::string& shown) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(shown, errno);
  }
  void RenameTo(const std::string& target, const std::string& shown) {
    const SignalsBlocked blocked;
    if (::rename(path_.c_str(), target.c_str()) != 0) Fail(shown, errno);
    renamed_ = true;
    g_temp_pending = 0;
  }

 private:
  int fd_ = -1;
  std::string path_;
  bool renamed_ = false;
  bool installed_[std::size(kCleanedSignals)] = {};
};

// Where a symbolic link that points nowhere yet leads: the file to create,
// as an editor creates it. Follows up to 40 links, as the system does.
std::string DanglingLinkTarget(const std::string& path, const std::string& shown) {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(at.c_str(), buf, sizeof buf);
    if (n < 0) Fail(shown, errno);
    if (static_cast<std::size_t>(n) >= sizeof buf) Fail(shown, ENAMETOOLONG);
    const std::string link(buf, static_cast<std::size_t>(n));
    at = link.front() == '/' ? link : FolderOf(at) + "/" + link;
  }
  Fail(shown, ELOOP);
}

// Whether the path reaches its file through an open descriptor's name
// (/dev/stdout is a link to /proc/self/fd/1): the file then is one the
// program, or its caller, has open, and replacing it would leave them
// writing to a file no longer there.
bool ThroughDescriptor(const std::string& path) {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    if (at.rfind("/proc/", 0) == 0 || at.rfind("/dev/fd/", 0) == 0) return true;
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return false;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(at.c_str(), buf, sizeof buf);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buf) return false;
    const std::string link(buf, static_cast<std::size_t>(n));
    at = link.front() == '/' ? link : FolderOf(at) + "/" + link;
  }
  return false;
}

// A target that is there but no regular file: a terminal, /dev/null or a
// pipe is written through, as the shell's ">" would; what cannot take a
// report is refused. It is never replaced.
void WriteThrough(const std::string& path, const struct stat& st, std::string_view bytes) {
  if (S_ISDIR(st.st_mode)) Fail(path, EISDIR);
  if (S_ISSOCK(st.st_mode)) throw FileWriteError(path, "It is a socket, not a file");
  if (S_ISBLK(st.st_mode)) throw FileWriteError(path, "It is a block device, not a file");
  // A pipe no program reads from would hold the write forever: refuse it.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENXIO && S_ISFIFO(st.st_mode))
      throw FileWriteError(path, "No program is reading from the pipe");
    Fail(path, errno);
  }
  OpenFile file(fd);
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) Fail(path, errno);
  WriteAll(path, fd, bytes);
  file.Close(path);
}

// Writes over an existing regular file in place: for a file whose owner a
// replacement could not keep, or one with other names (hard links).
void WriteInPlace(const std::string& target, const std::string& shown, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Fail(shown, errno);
  OpenFile file(fd);
  WriteAll(shown, fd, bytes);
  if (::fsync(fd) != 0) Fail(shown, errno);
  file.Close(shown);
}

}  // namespace

void SetBeforeWriteHookForTesting(void (*hook)()) { g_before_write = hook; }

namespace {

// "U+1F600": a character named by its code point, so the message reads the
// same in any encoding the terminal uses.
std::string CodePointName(const std::string& c) {
  const auto lead = static_cast<unsigned char>(c.empty() ? 0 : c[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
  unsigned long code = length == 1 ? lead : lead & (0x7fu >> length);
  for (std::size_t i = 1; i < length && i < c.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(c[i]) & 0x3fu);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04lX", code);
  return buf;
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
          throw FileWriteError(path, "The character " + CodePointName(c) + " cannot be written in GBK");
        }
      }
      throw FileWriteError(path, "The text cannot be written in GBK");
    }
    out += gbk;
    out += "\r\n";
  }
  return out;
}

namespace {

// Replaces the file at `target` (a regular file described by `existing`, or
// none) through a temporary file renamed into place. False, with nothing
// written, when the replacement could not keep an existing file's owner.
bool Replace(const std::string& target, const std::string& shown, const struct stat* existing,
             std::string_view bytes) {
  TemporaryFile temp(target, shown);
  if (existing) {
    struct stat mine {};
    if (::fstat(temp.fd(), &mine) != 0) Fail(shown, errno);
    if ((mine.st_uid != existing->st_uid || mine.st_gid != existing->st_gid) &&
        ::fchown(temp.fd(), existing->st_uid, existing->st_gid) != 0) {
      return false;
    }
  }
  // Permission bits only: a set-user-ID or set-group-ID bit is never copied.
  const mode_t mode = existing ? (existing->st_mode & 0777) : NewFileMode();
  if (::fchmod(temp.fd(), mode) != 0) Fail(shown, errno);
  if (g_before_write) g_before_write();
  WriteAll(shown, temp.fd(), bytes);
  if (::fsync(temp.fd()) != 0) Fail(shown, errno);
  temp.Close(shown);
  temp.RenameTo(target, shown);
  return true;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat st {};
  std::string target = path;
  const struct stat* existing = nullptr;
  if (::stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      WriteThrough(path, st, bytes);
      return;
    }
    // Standard output sent to a file, named /dev/stdout: written as ">" would.
    if (ThroughDescriptor(path)) {
      WriteInPlace(path, path, bytes);
      return;
    }
    // Behind symbolic links the file they lead to gets the report; the
    // links stay as they are.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) Fail(path, errno);
    target = real;
    std::free(real);
    // Only a file the user may open for writing is replaced, as with ">".
    const int probe = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) Fail(path, errno);
    ::close(probe);
    existing = &st;
  } else if (errno == ENOENT) {
    target = DanglingLinkTarget(path, path);
  } else {
    Fail(path, errno);
  }
  // A file with other names keeps them all only when written over in place.
  if (existing && existing->st_nlink > 1) {
    WriteInPlace(target, path, bytes);
    return;
  }
  if (!Replace(target, path, existing, bytes)) WriteInPlace(target, path, bytes);
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
