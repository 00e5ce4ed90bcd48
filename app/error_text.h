#pragma once
// What the window says when a report cannot be written: the file and the
// reason in Chinese, for the message box. The command line keeps its English
// lines; they are meant for scripts.
#include <QString>
#include <string>

namespace vantrel::app {

// The system's reason for a failed write in Chinese where it is a common one
// (a missing folder, no permission, a full disk, a read-only file system),
// otherwise as the system gave it. `reason` is the text of strerror() or the
// GBK message of EncodeReportLines.
QString WriteReasonText(const std::string& reason);

// "无法写入文件"<path>"：<reason>" from the message of a FileWriteError about
// `path`; a message of another form is shown after the file as it is.
QString WriteErrorText(const QString& path, const std::string& message);

}  // namespace vantrel::app
