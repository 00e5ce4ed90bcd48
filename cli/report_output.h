#pragma once
// --output FILE, --pdf FILE and --quiet of the report commands: the report
// goes to standard output unless --quiet, and to the files named, each
// written whole or not at all (a failure exits 1 and leaves nothing behind).
// --output follows --encoding: UTF-8 with LF, or GBK with CR LF.
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vantrel::cli {

struct ReportOutput {
  std::string textPath;
  std::string pdfPath;
  bool quiet = false;
};

// Takes the three options out of the arguments, leaving the others.
ReportOutput TakeReportOutput(const Context& ctx, std::vector<std::string>& args);

// The files first, then standard output (unless `print` is false). `kind`
// and `name` head the PDF's pages ("合婚报告", "张伟 / 李娜").
void DeliverReport(const Context& ctx, const ReportOutput& output, const std::vector<std::string>& lines,
                   const std::string& kind, const std::string& name, bool print = true);

// The usage lines of the three options.
extern const char* const kReportOutputUsage;

// Writes a PDF of the lines; a build without Qt's GUI module refuses.
void WritePdf(const std::vector<std::string>& lines, const std::string& kind, const std::string& name,
              const std::string& path, Script script = Script::Simplified);

}  // namespace vantrel::cli
