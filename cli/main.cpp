// vantrel-cli: the command-line front end over the same core as the window.
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "calendar/solar_time.h"
#include "cli/cli.h"
#include "common/errors.h"

namespace {

void PrintHelp(std::ostream& os) {
  os << "Usage: vantrel-cli [--encoding utf-8|gbk] [--script simplified|tw|hk] COMMAND [ARGS...]\n"
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
        "Exit codes: 0 success, 2 usage error or validation message, 1 error.\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  Context ctx{std::cout, std::cerr, std::cin};
  ctx.safeOut = isatty(STDOUT_FILENO) == 1;
  ctx.safeErr = isatty(STDERR_FILENO) == 1;

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
      ctx.Err("vantrel-cli: unknown option " + args[i]);
      PrintHelp(std::cerr);
      return 2;
    }
    if (value == "gbk" || value == "GBK") {
      ctx.gbk = true;
    } else if (value == "utf-8" || value == "utf8" || value == "UTF-8") {
      ctx.gbk = false;
    } else {
      ctx.Err("vantrel-cli: unknown encoding " + value);
      return 2;
    }
  }
  if (i >= args.size()) {
    PrintHelp(std::cerr);
    return 2;
  }
  const auto& commands = Commands();
  const auto it = commands.find(args[i]);
  if (it == commands.end()) {
    ctx.Err("vantrel-cli: unknown command " + args[i]);
    PrintHelp(std::cerr);
    return 2;
  }
  const Command& command = it->second;
  std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
  for (const auto& a : rest) {
    if (a == "--help" || a == "-h") {
      std::cout << command.usage << '\n';
      return 0;
    }
  }
  try {
    return command.run(ctx, rest);
  } catch (const UsageError& e) {
    ctx.Err("vantrel-cli " + command.name + ": " + e.what());
    std::cerr << command.usage << '\n';
    return 2;
  } catch (const NoticeError& e) {
    ctx.Err(e.what());
    return 2;
  } catch (const vantrel::ClockGapError& e) {
    // A clock time that summer time skipped is a fault of the input, like a
    // date that does not exist: a validation message.
    ctx.Err(e.what());
    return 2;
  } catch (const vantrel::SilentCancel& e) {
    if (!e.reason().empty()) ctx.Err(e.reason());
    return 1;
  } catch (const std::exception& e) {
    ctx.Err(e.what());
    return 1;
  }
}
