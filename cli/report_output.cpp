#include "cli/report_output.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "common/report_file.h"

#ifdef VANTREL_HAVE_PDF
#include <QGuiApplication>
#include <cstdio>

#include "print/report_print.h"
#endif

namespace vantrel::cli {

const char* const kReportOutputUsage =
    "  --output FILE      also write the report to FILE (UTF-8, or GBK with CR LF under --encoding gbk)\n"
    "  --pdf FILE         also write the report as a PDF (A4, its columns aligned)\n"
    "  --quiet            do not print the report on standard output\n";

namespace {

// The folder part made absolute and free of links, with the last name: two
// paths that give the same text name the same file.
std::string Canonical(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  char* real = ::realpath(folder.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string canonical = std::string(real) + "/" + name;
  std::free(real);
  return canonical;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  if (a == b || Canonical(a) == Canonical(b)) return true;
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino && S_ISREG(sa.st_mode);
}

}  // namespace

ReportOutput TakeReportOutput(const Context& ctx, std::vector<std::string>& args) {
  // File names are bytes: under --encoding gbk too they are used as typed.
  const std::map<std::string, std::string> taken =
      TakeOptions(ctx, args, {"output", "pdf"}, {"quiet"}, {"output", "pdf"});
  ReportOutput output;
  output.quiet = taken.count("quiet") > 0;
  for (const auto& [name, path] : {std::pair{"output", &output.textPath}, {"pdf", &output.pdfPath}}) {
    const auto it = taken.find(name);
    if (it == taken.end()) continue;
    if (it->second.empty()) throw UsageError(std::string("option --") + name + " needs a file name");
    *path = it->second;
  }
  if (!output.textPath.empty() && SameFile(output.textPath, output.pdfPath)) {
    throw UsageError("--output and --pdf name the same file: " + output.textPath);
  }
  return output;
}

void DeliverReport(const Context& ctx, const ReportOutput& output, const std::vector<std::string>& lines,
                   const std::string& kind, const std::string& name, bool print) {
  // The files are written in the chosen script; standard output converts by itself.
  std::vector<std::string> written;
  if (!output.textPath.empty() || !output.pdfPath.empty()) {
    for (const std::string& line : lines) written.push_back(ctx.InScript(line));
  }
  if (!output.textPath.empty()) {
    const TextEncoding encoding = ctx.gbk ? TextEncoding::GbkCrLf : TextEncoding::Utf8;
    WriteFileAtomically(output.textPath, EncodeReportLines(written, encoding, output.textPath));
  }
  if (!output.pdfPath.empty())
    WritePdf(written, ctx.InScript(kind), ctx.InScript(name), output.pdfPath, ctx.script);
  if (print && !output.quiet) {
    for (const std::string& line : lines) ctx.Out(line);
  }
}

void WritePdf(const std::vector<std::string>& lines, const std::string& kind, const std::string& name,
              const std::string& path, Script script) {
#ifdef VANTREL_HAVE_PDF
  // Qt's GUI module draws the pages; it needs no display. The application
  // object lives for this one PDF.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the session (no runtime folder and the like) are not
  // the report's business on a terminal.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(m));
      });
  int argc = 1;
  char name0[] = "vantrel-cli";
  char* argv[] = {name0, nullptr};
  QGuiApplication qt(argc, argv);
  app::PrintedReport report{QString::fromStdString(kind), QString::fromStdString(name), {}, script};
  for (const std::string& line : lines) report.lines << QString::fromStdString(line);
  QByteArray bytes;
  try {
    bytes = app::ReportPdf(report);
  } catch (...) {
    qInstallMessageHandler(previous);
    throw;
  }
  qInstallMessageHandler(previous);
  // The path's bytes as given: a file name need not be UTF-8.
  WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
#else
  (void)lines, (void)kind, (void)name, (void)path, (void)script;
  throw UsageError("this vantrel-cli was built without Qt and cannot write PDF files");
#endif
}

}  // namespace vantrel::cli
