#pragma once
// Taking a report out of the program as a text file: the bytes in the chosen
// encoding, a file name made from the report's content, and a write that
// never leaves a half-written file behind.
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"

namespace vantrel {

enum class TextEncoding {
  Utf8,     // UTF-8, lines ending in LF
  GbkCrLf,  // GBK, lines ending in CR LF, as editors on Windows expect
};

// A file that cannot be written: "Cannot write file "<path>". <reason>".
class FileWriteError : public Error {
 public:
  FileWriteError(const std::string& path, const std::string& reason);
};

// The lines as the file holds them: each line followed by its line end. In
// GBK a character that GBK cannot hold is an error naming it (the file would
// otherwise hold "?" in its place), raised as FileWriteError for `path`.
std::string EncodeReportLines(const std::vector<std::string>& lines, TextEncoding encoding,
                              const std::string& path);

// Writes the bytes to a new file beside `path` and renames it into place.
// An existing file is replaced only by the rename, so it stays whole until
// the new one is complete; on any failure the new file is removed and
// FileWriteError carries the system's reason. The path's bytes are used as
// they are. A new file gets the usual permissions (0666 less the umask).
//
// What stands at `path` decides the way, as the shell's ">" would:
// - a regular file is replaced only if the user may open it for writing
//   ("Permission denied" otherwise); it keeps its permission bits (never a
//   set-user-ID or set-group-ID bit) and its owner and group. Where a
//   replacement could not keep the owner, or the file has other names (hard
//   links), it is written over in place instead;
// - a symbolic link stays a link: the file it leads to gets the report (and
//   is created where the link points nowhere yet), as editors do;
// - a character device (a terminal, /dev/null) or a pipe is written
//   through, never replaced, and so is a file reached through an open
//   descriptor's name (/dev/stdout, /proc/self/fd/N); a pipe no program reads from is refused, so the
//   write cannot wait forever;
// - a folder, a socket or a block device is refused.
// SIGINT, SIGHUP or SIGTERM during the write remove the temporary file
// before the program ends as the signal would have ended it (where the
// program had left that signal's default in place).
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// For tests: called after the temporary file is made and before the bytes
// go into it (nullptr for none).
void SetBeforeWriteHookForTesting(void (*hook)());

// A file name from parts joined by "_": characters that file systems refuse
// (/ \ : * ? " < > | and control characters) become "_", surrounding blanks
// and dots go, and an empty result is "报告". The extension is the caller's.
std::string ReportFileName(const std::vector<std::string>& parts);

}  // namespace vantrel
