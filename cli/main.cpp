// vantrel-cli: the command-line front end over the same core as the window.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "calendar/solar_time.h"
#include "cli/cli.h"
#include "common/errors.h"

namespace {

void PrintHelp(std::ostream& os) {
  os << "Usage: vantrel-cli [--encoding utf-8|gbk] [--script simplified|tw|hk] [--json] COMMAND [ARGS...]\n"
        "       vantrel-cli COMMAND --help\n"
        "       vantrel-cli --version\n\n"
        "Commands:\n";
  for (const auto& [name, command] : vantrel::cli::Commands()) {
    os << "  " << name;
    for (std::size_t i = name.size(); i < 16; ++i) os << ' ';
    os << command.summary << '\n';
  }
  os << "\nWhere a command takes one input, the argument \"-\" reads one input per line\n"
        "from standard input and prints one result per line.\n"
        "--json (before or after the command) prints each result as one JSON object\n"
        "per line, a notice as {\"notice\": ...} and an error as {\"error\": ...}; the\n"
        "schemas are in docs/schema. JSON is UTF-8 whatever --encoding says.\n"
        "Exit codes: 0 success, 2 usage error or validation message, 1 error.\n";
}

// A standard stream the program was started without is given a stand-in
// that refuses writes, so that no file the program opens later takes its
// number and receives the report by mistake. Writing to a closed standard
// output thus fails as it should.
void HoldClosedStandardStreams() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    const int stand_in = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (stand_in >= 0 && stand_in != fd) {
      ::dup2(stand_in, fd);
      ::close(stand_in);
    }
  }
}

// What was written must have reached standard output: a full disk, a
// closed output or any other write error is the command's failure.
int CheckStandardOutput(int rc) {
  errno = 0;
  std::cout.flush();
  // Each check runs, whatever the one before found: the flush must happen.
  const bool streamFailed = !std::cout.good();
  const bool flushFailed = std::fflush(stdout) != 0;
  const bool fileFailed = std::ferror(stdout) != 0;
  const bool failed = streamFailed || flushFailed || fileFailed;
  if (!failed) return rc;
  const int error = vantrel::cli::OutputError() != 0 ? vantrel::cli::OutputError() : errno;
  std::cerr << "vantrel-cli: cannot write to standard output"
            << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << std::endl;
  return rc == 0 ? 1 : rc;
}

int Run(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
  HoldClosedStandardStreams();
  return CheckStandardOutput(Run(argc, argv));
}

namespace {

int Run(int argc, char** argv) {
  using namespace vantrel::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  Context ctx{std::cout, std::cerr, std::cin};
  ctx.safeOut = isatty(STDOUT_FILENO) == 1;
  ctx.safeErr = isatty(STDERR_FILENO) == 1;

  // --json anywhere (before or after the command) makes even a call that
  // goes wrong before its command runs answer with a JSON object.
  ctx.json = std::find(args.begin(), args.end(), "--json") != args.end();
  // A usage error of the program itself: the message, then the help.
  const auto usageError = [&ctx](const std::string& message) {
    if (ctx.json) {
      ctx.OutJson(ErrorJson(message));
    } else {
      ctx.Err(message);
    }
    PrintHelp(std::cerr);
    return 2;
  };

  std::size_t i = 0;
  while (i < args.size() && args[i].rfind("--", 0) == 0) {
    if (args[i] == "--help" || args[i] == "-h") {
      PrintHelp(std::cout);
      return 0;
    }
    if (args[i] == "--help-commands") {
      // Every command with its usage, in scdoc: the build makes the manual
      // page's COMMANDS section from it, so the page and --help never part.
      for (const auto& [name, command] : vantrel::cli::Commands()) {
        // The one-line summary becomes a sentence.
        std::string summary = command.summary;
        if (!summary.empty() && summary[0] >= 'a' && summary[0] <= 'z') {
          summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
        }
        std::cout << "## " << name << "\n\n" << summary << ".\n\n```\n" << command.usage << "\n```\n\n";
      }
      return 0;
    }
    if (args[i] == "--json") {
      ++i;
      continue;
    }
    if (args[i] == "--version") {
      std::cout << "vantrel-cli " VANTREL_VERSION "\n";
      return 0;
    }
    if (args[i] == "--script" || args[i].rfind("--script=", 0) == 0) {
      // Simplified Chinese, or Traditional as written in Taiwan (tw) or Hong Kong (hk).
      const bool separate = args[i] == "--script";
      const std::string name = separate ? (i + 1 < args.size() ? args[i + 1] : "") : args[i].substr(9);
      i += separate ? 2 : 1;
      const std::optional<vantrel::Script> script = vantrel::ScriptOfName(name);
      if (!script) {
        ctx.Err("vantrel-cli: unknown script " + name + " (simplified, tw or hk)");
        return 2;
      }
      ctx.script = *script;
      continue;
    }
    std::string value;
    if (args[i] == "--encoding" && i + 1 < args.size()) {
      value = args[i + 1];
      i += 2;
    } else if (args[i].rfind("--encoding=", 0) == 0) {
      value = args[i].substr(11);
      i += 1;
    } else {
      return usageError("vantrel-cli: unknown option " + args[i]);
    }
    if (value == "gbk" || value == "GBK") {
      ctx.gbk = true;
    } else if (value == "utf-8" || value == "utf8" || value == "UTF-8") {
      ctx.gbk = false;
    } else if (ctx.json) {
      ctx.OutJson(ErrorJson("vantrel-cli: unknown encoding " + value));
      return 2;
    } else {
      ctx.Err("vantrel-cli: unknown encoding " + value);
      return 2;
    }
  }
  if (i >= args.size()) {
    if (ctx.json) return usageError("vantrel-cli: no command");
    PrintHelp(std::cerr);
    return 2;
  }
  const auto& commands = Commands();
  const auto it = commands.find(args[i]);
  if (it == commands.end()) return usageError("vantrel-cli: unknown command " + args[i]);
  const Command& command = it->second;
  std::vector<std::string> rest;
  for (auto a = args.begin() + static_cast<long>(i) + 1; a != args.end(); ++a) {
    if (*a == "--help" || *a == "-h") {
      std::cout << command.usage << '\n';
      return 0;
    }
    if (*a != "--json") rest.push_back(*a);
  }
  if (ctx.json) {
    // JSON is UTF-8, and so is what a JSON caller passes in.
    ctx.gbk = false;
    if (!command.writesJson) {
      ctx.OutJson(
          ErrorJson("vantrel-cli " + command.name + ": --json is not available for this command yet"));
      return 2;
    }
  }
  try {
    return command.run(ctx, rest);
  } catch (const UsageError& e) {
    const std::string message = "vantrel-cli " + command.name + ": " + e.what();
    if (ctx.json) {
      ctx.OutJson(ErrorJson(message));
    } else {
      ctx.Err(message);
    }
    std::cerr << command.usage << '\n';
    return 2;
  } catch (const NoticeError& e) {
    if (ctx.json) {
      ctx.OutJson(NoticeJson(e.what()));
    } else {
      ctx.Err(e.what());
    }
    return 2;
  } catch (const vantrel::ClockGapError& e) {
    // A clock time that summer time skipped is a fault of the input, like a
    // date that does not exist: a validation message.
    if (ctx.json) {
      ctx.OutJson(NoticeJson(e.what()));
    } else {
      ctx.Err(e.what());
    }
    return 2;
  } catch (const vantrel::SilentCancel& e) {
    if (ctx.json) {
      ctx.OutJson(ErrorJson(e.reason().empty() ? kCancelledMessage : e.reason()));
    } else if (!e.reason().empty()) {
      ctx.Err(e.reason());
    }
    return 1;
  } catch (const std::exception& e) {
    if (ctx.json) {
      ctx.OutJson(ErrorJson(e.what()));
    } else {
      ctx.Err(e.what());
    }
    return 1;
  }
}

}  // namespace
