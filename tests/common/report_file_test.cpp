#include "common/report_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "common/text.h"
#include "tests/support/fixture.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using vantrel::testing::FixtureDir;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Nothing but the named files lies in the folder: no temporary file stays.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReportFile, EncodesUtf8WithLfAndGbkWithCrLf) {
  const std::vector<std::string> lines = {"男方基本信息：", "", "八字：乙丑   壬午"};
  EXPECT_EQ(EncodeReportLines(lines, TextEncoding::Utf8, "x"), "男方基本信息：\n\n八字：乙丑   壬午\n");
  const std::string gbk = EncodeReportLines(lines, TextEncoding::GbkCrLf, "x");
  EXPECT_EQ(gbk, text::ToGbk("男方基本信息：") + "\r\n\r\n" + text::ToGbk("八字：乙丑   壬午") + "\r\n");
  EXPECT_EQ(EncodeReportLines({}, TextEncoding::GbkCrLf, "x"), "");
}

TEST(ReportFile, AnameGbkCannotHoldIsAnErrorNamingTheCharacter) {
  try {
    EncodeReportLines({"姓名：张伟", "姓名：李😀"}, TextEncoding::GbkCrLf, "/tmp/r.txt");
    FAIL() << "no error";
  } catch (const FileWriteError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot write file \"/tmp/r.txt\". The character U+1F600 cannot be written in GBK");
  }
  EXPECT_NO_THROW(EncodeReportLines({"姓名：李😀"}, TextEncoding::Utf8, "x"));
}

TEST(ReportFile, WritesANewFileWholeWithUsualPermissions) {
  FixtureDir dir;
  const std::string path = dir.path() + "/合婚报告.txt";
  WriteFileAtomically(path, "一\n二\n");
  EXPECT_EQ(Read(path), "一\n二\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"合婚报告.txt"});
}

TEST(ReportFile, ReplacesAnExistingFileKeepingItsPermissions) {
  FixtureDir dir;
  const std::string path = dir.path() + "/r.txt";
  WriteFileAtomically(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteFileAtomically(path, "new text");
  EXPECT_EQ(Read(path), "new text");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"r.txt"});
}

TEST(ReportFile, AFailedWriteLeavesNothingAndTheOldFileWhole) {
  FixtureDir dir;
  // A folder stands where the file would go: the rename fails, the folder
  // and what it holds stay, and no temporary file is left.
  const std::string taken = dir.path() + "/taken";
  fs::create_directories(taken + "/inside");
  try {
    WriteFileAtomically(taken, "text");
    FAIL() << "no error";
  } catch (const FileWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write file \"" + taken + "\". Is a directory");
  }
  EXPECT_TRUE(fs::is_directory(taken + "/inside"));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"taken"});
  // A folder that does not exist, and one no one may write (even root).
  EXPECT_THROW(WriteFileAtomically(dir.path() + "/missing/r.txt", "x"), FileWriteError);
  EXPECT_THROW(WriteFileAtomically("/proc/vantrel-report.txt", "x"), FileWriteError);
  EXPECT_FALSE(fs::exists("/proc/vantrel-report.txt"));
}

std::string Message(const std::string& path, const std::string& bytes) {
  try {
    WriteFileAtomically(path, bytes);
  } catch (const FileWriteError& e) {
    return e.what();
  }
  return "";
}

struct stat Stat(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st;
}

TEST(ReportFile, APipeIsWrittenThroughAndNeverReplaced) {
  FixtureDir dir;
  const std::string fifo = dir.path() + "/pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // No program reads from it: refused at once rather than waiting forever.
  EXPECT_EQ(Message(fifo, "x"), "Cannot write file \"" + fifo + "\". No program is reading from the pipe");
  EXPECT_TRUE(S_ISFIFO(Stat(fifo).st_mode));
  // With a reader the report goes through the pipe.
  std::string received;
  std::thread reader([&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    char buf[256];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) received.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
  });
  // The reader has the pipe open once a non-blocking writer can open it;
  // that writer stays until the report is through, so the reader sees it whole.
  int held = -1;
  while ((held = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK)) < 0) std::this_thread::yield();
  WriteFileAtomically(fifo, "一\n二\n");
  ::close(held);
  reader.join();
  EXPECT_EQ(received, "一\n二\n");
  EXPECT_TRUE(S_ISFIFO(Stat(fifo).st_mode));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"pipe"});
}

TEST(ReportFile, ADeviceNodeIsWrittenThroughAndSocketsAreRefused) {
  FixtureDir dir;
  // A null device of our own (mknod needs root); the real /dev stays untouched.
  const std::string null = dir.path() + "/null";
  if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    WriteFileAtomically(null, "report");
    EXPECT_TRUE(S_ISCHR(Stat(null).st_mode));
    EXPECT_EQ(Stat(null).st_rdev, makedev(1, 3));
    const std::string full = dir.path() + "/full";
    ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    EXPECT_EQ(Message(full, "report"), "Cannot write file \"" + full + "\". No space left on device");
    EXPECT_TRUE(S_ISCHR(Stat(full).st_mode));
  }
  const std::string socket_path = dir.path() + "/socket";
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, socket_path.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(Message(socket_path, "x"),
            "Cannot write file \"" + socket_path + "\". It is a socket, not a file");
  EXPECT_TRUE(S_ISSOCK(Stat(socket_path).st_mode));
  ::close(s);
  for (const std::string& name : Names(dir.path())) EXPECT_NE(name.rfind(".vantrel-", 0), 0u) << name;
}

TEST(ReportFile, ReplacingNeverCopiesSetIdBitsAndKeepsTheOwner) {
  FixtureDir dir;
  const std::string path = dir.path() + "/r.txt";
  WriteFileAtomically(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 06755), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  }
  const struct stat before = Stat(path);
  WriteFileAtomically(path, "new");
  EXPECT_EQ(Read(path), "new");
  const struct stat after = Stat(path);
  EXPECT_EQ(after.st_mode & 07777, 0755u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"r.txt"});
}

// As a user who may not write it, a read-only file is refused as ">" would
// refuse it; run in a child that gives up root where the test has it.
TEST(ReportFile, AReadOnlyFileIsRefusedToAUserWhoCannotWriteIt) {
  FixtureDir dir;
  const std::string path = dir.path() + "/r.txt";
  WriteFileAtomically(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    const std::string message = Message(path, "new");
    ::_exit(message == "Cannot write file \"" + path + "\". Permission denied" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(Stat(path).st_mode & 07777, 0444u);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"r.txt"});
}

TEST(ReportFile, LinksStayAndTheFileTheyLeadToGetsTheReport) {
  FixtureDir dir;
  const std::string file = dir.path() + "/file.txt", link = dir.path() + "/link.txt";
  WriteFileAtomically(file, "old");
  ASSERT_EQ(::symlink("file.txt", link.c_str()), 0);
  WriteFileAtomically(link, "through the link");
  EXPECT_TRUE(S_ISLNK(Stat(link).st_mode));
  EXPECT_EQ(Read(file), "through the link");
  // A link that points nowhere yet: its target is created.
  const std::string dangling = dir.path() + "/dangling.txt";
  ASSERT_EQ(::symlink("new.txt", dangling.c_str()), 0);
  WriteFileAtomically(dangling, "made");
  EXPECT_TRUE(S_ISLNK(Stat(dangling).st_mode));
  EXPECT_EQ(Read(dir.path() + "/new.txt"), "made");
  // A hard link: both names show the new report.
  const std::string other = dir.path() + "/other.txt";
  ASSERT_EQ(::link(file.c_str(), other.c_str()), 0);
  WriteFileAtomically(other, "both");
  EXPECT_EQ(Read(file), "both");
  EXPECT_EQ(Stat(file).st_ino, Stat(other).st_ino);
  EXPECT_EQ(Names(dir.path()),
            (std::vector<std::string>{"dangling.txt", "file.txt", "link.txt", "new.txt", "other.txt"}));
}

int g_signal = 0;

// A signal that arrives while the report is being written ends the program
// as usual, and takes the temporary file with it.
TEST(ReportFile, ASignalDuringTheWriteLeavesNoTemporaryFile) {
  for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
    FixtureDir dir;
    const std::string path = dir.path() + "/r.txt";
    WriteFileAtomically(path, "old");
    g_signal = signal;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::signal(signal, SIG_DFL);
      SetBeforeWriteHookForTesting([] { ::raise(g_signal); });
      try {
        WriteFileAtomically(path, "new");
      } catch (...) {
      }
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"r.txt"}) << signal;
  }
}

TEST(ReportFile, FileNamesFromTheContent) {
  EXPECT_EQ(ReportFileName({"合婚报告", "张伟", "李娜", "2026-12-10"}), "合婚报告_张伟_李娜_2026-12-10");
  EXPECT_EQ(ReportFileName({"八字", " 王芳 "}), "八字_王芳");
  EXPECT_EQ(ReportFileName({"八字", ""}), "八字");
  EXPECT_EQ(ReportFileName({"黄历", "a/b\\c:d*e?f\"g<h>i|j\tk"}), "黄历_a_b_c_d_e_f_g_h_i_j_k");
  EXPECT_EQ(ReportFileName({"..", " "}), "报告");
  EXPECT_EQ(ReportFileName({"../../etc/passwd"}), "_.._etc_passwd");
}

}  // namespace
}  // namespace vantrel
