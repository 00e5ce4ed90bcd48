#include "app/error_text.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "app/qt_text.h"

namespace vantrel::app {
namespace {

// The system's reason as the error message holds it, read from strerror() in
// the running locale so that it matches whatever language it came in.
struct KnownReason {
  int error;
  const char* text;
};

const KnownReason kKnownReasons[] = {
    {ENOENT, "文件夹不存在"},
    {EACCES, "没有写入这个文件夹的权限"},
    {EPERM, "没有写入这个文件夹的权限"},
    {ENOSPC, "磁盘已满"},
    {EDQUOT, "磁盘配额已用完"},
    {EROFS, "文件系统是只读的"},
    {ENOTDIR, "路径中有一部分不是文件夹"},
    {EISDIR, "已有同名的文件夹"},
    {ENAMETOOLONG, "文件名太长"},
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

QString WriteReasonText(const std::string& reason) {
  for (const KnownReason& known : kKnownReasons) {
    if (reason == std::strerror(known.error)) return Qt8(known.text);
  }
  // EncodeReportLines: "The character U+1F600 cannot be written in GBK".
  constexpr std::string_view kCharacter = "The character U+";
  constexpr std::string_view kCharacterEnd = " cannot be written in GBK";
  if (StartsWith(reason, kCharacter) && reason.size() > kCharacter.size() + kCharacterEnd.size() &&
      reason.compare(reason.size() - kCharacterEnd.size(), kCharacterEnd.size(), kCharacterEnd) == 0) {
    const std::string hex =
        reason.substr(kCharacter.size(), reason.size() - kCharacter.size() - kCharacterEnd.size());
    bool ok = false;
    const char32_t code = QString::fromStdString(hex).toUInt(&ok, 16);
    if (ok && code <= 0x10FFFF) {
      return QStringLiteral("字符\"%1\"无法用GBK保存").arg(QString::fromUcs4(&code, 1));
    }
  }
  if (reason == "The text cannot be written in GBK") return QStringLiteral("文字无法用GBK保存");
  return Qt8(reason);
}

QString WriteErrorText(const QString& path, const std::string& message) {
  const std::string prefix = "Cannot write file \"" + path.toStdString() + "\". ";
  const std::string reason = StartsWith(message, prefix) ? message.substr(prefix.size()) : message;
  return QStringLiteral("无法写入文件\"%1\"：%2").arg(path, WriteReasonText(reason));
}

}  // namespace vantrel::app
