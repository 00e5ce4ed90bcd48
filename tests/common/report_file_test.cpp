#include "common/report_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
              "Cannot write file \"/tmp/r.txt\". The character \"😀\" cannot be written in GBK");
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
