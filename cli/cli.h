#pragma once
// The command-line front end: shared plumbing of the subcommands.
//
// Exit codes: 0 success; 2 a usage error or a validation message (the text
// the window would show in its notice box, on stderr); 1 any other error
// (its message on stderr).
//
// With --json every result is one JSON object on standard output (one a
// line), and so is a notice ({"notice": ...}) or an error ({"error": ...}),
// with the same exit codes.
#include <functional>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/notice.h"
#include "common/script.h"
#include "export/json_values.h"

namespace vantrel::cli {

// A call whose words are off: exit 2 with the message and the usage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A validation message of the program: exit 2 with the message alone.
class NoticeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Context {
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  bool gbk = false;   // --encoding gbk: output (and input) in GBK
  bool json = false;  // --json: JSON objects in UTF-8 (--encoding is ignored)
  // --script tw|hk: every line written is converted to Traditional Chinese
  // (before it is encoded); input is taken in either script.
  Script script = Script::Simplified;
  // Set when standard output or standard error is a terminal: what goes there
  // is made terminal-safe (control characters escaped, broken UTF-8 replaced),
  // so a typed name cannot send escape sequences to the terminal. Output that
  // is redirected stays byte for byte what the program wrote.
  bool safeOut = false;
  bool safeErr = false;
  // While a command answers the lines of standard input ("-"): the number of
  // the line being answered, 0 otherwise.
  long inputLine = 0;

  // Writes one line (a line break is added) in the chosen encoding.
  void Out(std::string_view line) const;
  void Err(std::string_view line) const;
  // Writes a warning on standard error; while a line of standard input is
  // answered, after the number of that line, as its failures are.
  void Warn(std::string_view line) const;
  // Writes one JSON object on a line of its own, "version" first.
  void OutJson(const json::Json& object) const;
  // A line as it is written out, in the chosen script (still UTF-8).
  std::string InScript(std::string_view line) const;
  // Converts an input text to UTF-8.
  std::string Input(std::string_view raw) const;
};

// The system's error number of the first write to standard output that
// failed (0 while none did), for the message at the end of the run.
int OutputError();

// Shows notices by raising NoticeError, so a command stops at the first
// validation message as the window's action would.
class ThrowingNotifier : public Notifier {
 public:
  void ShowNotice(std::string_view text) override { throw NoticeError(std::string(text)); }
};

using Handler = std::function<int(Context&, const std::vector<std::string>&)>;

struct Command {
  std::string name;
  std::string summary;  // one line for the program's --help
  std::string usage;    // the subcommand's --help text
  Handler run;
  bool writesJson = false;  // the command answers --json
};

// Registers a subcommand; used by the static registrations of each command file.
bool Register(Command command);
const std::map<std::string, Command>& Commands();

// Runs a command that takes one input of `fields` words. With the single
// argument "-" it reads one input per line from standard input (the words
// separated by blanks) and prints one result line per input, in order; an
// input that fails prints an empty line and its message on stderr, and the
// exit code is the worst one seen; the message, and any warning the command
// gives (Context::Warn) while it answers the line, names the line. A line
// that holds a NUL character, or is longer than kMaxInputLine bytes, fails as
// a usage error without being read as an input. Otherwise the arguments are
// the input.
inline constexpr std::size_t kMaxInputLine = 64 * 1024;
using LinesFn = std::function<std::vector<std::string>(const std::vector<std::string>&)>;
using JsonFn = std::function<json::Json(const std::vector<std::string>&)>;
int ForEachInput(Context& ctx, const std::vector<std::string>& args, std::size_t fields, const LinesFn& fn);
// The same, with `toJson` giving the object of one input under --json: a
// failed input of "-" is then the object {"line": n, "notice"|"error": ...}.
int ForEachInput(Context& ctx, const std::vector<std::string>& args, std::size_t fields, const LinesFn& fn,
                 const JsonFn& toJson);

// A message about one line of standard input: "line 3: ...".
std::string LineMessage(long number, std::string_view message);

// The error of an action that ended without a message of its own (a data
// file that could not be read), as --json reports it.
inline constexpr const char* kCancelledMessage = "the action was cancelled: a data file could not be read";

// The object of a notice or an error under --json: {"version", "notice"|"error"}.
json::Json NoticeJson(const std::string& notice);
json::Json ErrorJson(const std::string& error);

// Options of the form --name value (or --name=value). Unknown names and a
// missing value are usage errors; positional words are kept in order.
struct Options {
  std::map<std::string, std::string> values;
  std::vector<std::string> positional;
  bool Has(const std::string& name) const { return values.count(name) > 0; }
  std::string Get(const std::string& name, const std::string& fallback) const;
};
Options ParseOptions(const Context& ctx, const std::vector<std::string>& args,
                     const std::vector<std::string>& allowed);

// Takes the options `names` (--name value or --name=value) and the value-less
// `flags` (--name) out of `args`, leaving every other argument in order, and
// returns them by name without the dashes (a flag with an empty value); the
// last of a repeated option wins. An option without its value is a usage
// error. Values are converted from the chosen encoding, except those of the
// names in `bytes` (file names), which are kept byte for byte.
std::map<std::string, std::string> TakeOptions(const Context& ctx, std::vector<std::string>& args,
                                               const std::vector<std::string>& names,
                                               const std::vector<std::string>& flags = {},
                                               const std::vector<std::string>& bytes = {});

// The clock hour of an --hour value: "0".."23", or one of the 24 hour items
// ("子 0" .. "子 23") exactly. Anything else is a usage error.
int StrictHour(const std::string& value);

// Splits a line into words at blanks and tabs.
std::vector<std::string> SplitWords(std::string_view line);

}  // namespace vantrel::cli

#define VANTREL_CLI_CONCAT2(a, b) a##b
#define VANTREL_CLI_CONCAT(a, b) VANTREL_CLI_CONCAT2(a, b)
// Registers a subcommand at start-up: VANTREL_CLI_COMMAND({"name", "summary", "usage", handler});
#define VANTREL_CLI_COMMAND(...)                                            \
  static const bool VANTREL_CLI_CONCAT(vantrel_cli_registered_, __LINE__) = \
      ::vantrel::cli::Register(__VA_ARGS__)
