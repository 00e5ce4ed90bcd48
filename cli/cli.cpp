#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <iostream>

#include "common/errors.h"
#include "common/text.h"
#include "reports/person_entry.h"

namespace vantrel::cli {

namespace {
int g_output_error = 0;

void WriteLine(std::ostream& os, std::string_view line, bool gbk, bool safe) {
  const std::string shown = safe ? text::TerminalSafe(line) : std::string(line);
  os << (gbk ? text::ToGbk(shown) : shown) << '\n';
}
}  // namespace

int OutputError() { return g_output_error; }

void Context::Out(std::string_view line) const {
  errno = 0;
  WriteLine(out, InScript(line), gbk, safeOut);
  if (out.fail() && g_output_error == 0) g_output_error = errno != 0 ? errno : EIO;
}

void Context::Err(std::string_view line) const { WriteLine(err, InScript(line), gbk, safeErr); }

void Context::Warn(std::string_view line) const { Err(inputLine > 0 ? LineMessage(inputLine, line) : line); }

std::string LineMessage(long number, std::string_view message) {
  return "line " + std::to_string(number) + ": " + std::string(message);
}

std::string Context::InScript(std::string_view line) const { return ToScript(line, script); }

std::string Context::Input(std::string_view raw) const { return gbk ? text::FromGbk(raw) : std::string(raw); }

void Context::OutJson(const json::Json& object) const {
  json::Json versioned = {{"version", json::kSchemaVersion}};
  for (const auto& [key, value] : object.items()) {
    if (key != "version") versioned[key] = value;
  }
  // Control characters are escaped by the writer and broken UTF-8 replaced,
  // so the line is safe on a terminal as it is.
  out << versioned.dump(-1, ' ', false, json::Json::error_handler_t::replace) << '\n';
}

json::Json NoticeJson(const std::string& notice) {
  return {{"version", json::kSchemaVersion}, {"notice", notice}};
}

json::Json ErrorJson(const std::string& error) {
  return {{"version", json::kSchemaVersion}, {"error", error}};
}

namespace {
std::map<std::string, Command>& Registry() {
  static std::map<std::string, Command> commands;
  return commands;
}
}  // namespace

bool Register(Command command) {
  Registry()[command.name] = std::move(command);
  return true;
}

const std::map<std::string, Command>& Commands() { return Registry(); }

namespace {

// Reads one line without its line feed. A line longer than kMaxInputLine is
// consumed up to its end but not kept: `tooLong` says so and `line` is empty.
bool ReadBoundedLine(std::istream& in, std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  std::streambuf* buf = in.rdbuf();
  bool any = false;
  while (true) {
    const int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (tooLong) continue;
    if (line.size() >= kMaxInputLine) {
      tooLong = true;
      line.clear();
      line.shrink_to_fit();
      continue;
    }
    line.push_back(static_cast<char>(c));
  }
}

}  // namespace

int StrictHour(const std::string& value) {
  for (std::size_t h = 0; h < kHourItems.size(); ++h) {
    if (value == kHourItems[h]) return static_cast<int>(h);
  }
  const bool digits = !value.empty() && value.size() <= 2 &&
                      std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits && std::stoi(value) <= 23) return std::stoi(value);
  throw UsageError("the hour is 0..23 or an hour item such as 子 23, not " + value);
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

int ForEachInput(Context& ctx, const std::vector<std::string>& args, std::size_t fields, const LinesFn& fn) {
  return ForEachInput(ctx, args, fields, fn, nullptr);
}

int ForEachInput(Context& ctx, const std::vector<std::string>& args, std::size_t fields, const LinesFn& fn,
                 const JsonFn& toJson) {
  const bool asJson = ctx.json && toJson;
  if (args.size() == 1 && args[0] == "-") {
    int rc = 0;
    std::string raw;
    bool tooLong = false;
    long number = 0;
    // A failed line: an empty result line and the message on stderr, or
    // under --json one object that says it.
    const auto fail = [&](const char* kind, const std::string& message, int code, bool say = true) {
      rc = std::max(rc, code);
      if (asJson) {
        json::Json failure = {{"line", number}};
        failure[kind] = say ? message : std::string(kCancelledMessage);
        ctx.OutJson(failure);
        return;
      }
      ctx.Out("");
      if (say) ctx.Err(LineMessage(number, message));
    };
    // What the command warns of while it answers a line names the line.
    struct Answering {
      Context& ctx;
      ~Answering() { ctx.inputLine = 0; }
    } answering{ctx};
    while (ReadBoundedLine(ctx.in, raw, tooLong)) {
      ++number;
      ctx.inputLine = number;
      std::string line = tooLong ? std::string() : ctx.Input(raw);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> words =
          fields == 1 ? std::vector<std::string>{text::Trim(line)} : SplitWords(line);
      try {
        if (tooLong) {
          throw UsageError("the line is longer than " + std::to_string(kMaxInputLine / 1024) +
                           " KiB, not read");
        }
        if (raw.find('\0') != std::string::npos) {
          throw UsageError("the line holds a NUL character: '" +
                           text::ReplaceAll(line, std::string_view("\0", 1), "\\0") + "'");
        }
        if (words.size() != fields) {
          throw UsageError("expected " + std::to_string(fields) + " fields");
        }
        if (asJson) {
          json::Json result = toJson(words);
          // The object says which line it answers.
          json::Json numbered = {{"line", number}};
          for (const auto& [key, value] : result.items()) numbered[key] = value;
          ctx.OutJson(numbered);
        } else {
          ctx.Out(text::Join(fn(words), "\t"));
        }
      } catch (const NoticeError& e) {
        fail("notice", e.what(), 2);
      } catch (const UsageError& e) {
        fail("error", e.what(), 2);
      } catch (const SilentCancel& e) {
        fail("error", e.reason(), 1, !e.reason().empty());
      } catch (const std::exception& e) {
        fail("error", e.what(), 1);
      }
      // Output that cannot be written ends the run: the caller reports it.
      if (ctx.out.fail()) return std::max(rc, 1);
    }
    return rc;
  }
  if (args.size() != fields) throw UsageError("expected " + std::to_string(fields) + " arguments");
  std::vector<std::string> words;
  for (const auto& a : args) words.push_back(ctx.Input(a));
  if (asJson) {
    ctx.OutJson(toJson(words));
    return 0;
  }
  for (const auto& line : fn(words)) ctx.Out(line);
  return 0;
}

std::string Options::Get(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

std::map<std::string, std::string> TakeOptions(const Context& ctx, std::vector<std::string>& args,
                                               const std::vector<std::string>& names,
                                               const std::vector<std::string>& flags,
                                               const std::vector<std::string>& bytes) {
  std::map<std::string, std::string> taken;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) == 0 && std::find(flags.begin(), flags.end(), a.substr(2)) != flags.end()) {
      taken[a.substr(2)] = "";
      continue;
    }
    const auto name = std::find_if(names.begin(), names.end(), [&a](const std::string& n) {
      return a == "--" + n || a.rfind("--" + n + "=", 0) == 0;
    });
    const bool raw = name != names.end() && std::find(bytes.begin(), bytes.end(), *name) != bytes.end();
    if (name == names.end()) {
      rest.push_back(a);
    } else if (a.size() > name->size() + 2) {
      const std::string value = a.substr(name->size() + 3);
      taken[*name] = raw ? value : ctx.Input(value);
    } else if (i + 1 < args.size()) {
      ++i;
      taken[*name] = raw ? args[i] : ctx.Input(args[i]);
    } else {
      throw UsageError("option --" + *name + " needs a value");
    }
  }
  args = std::move(rest);
  return taken;
}

Options ParseOptions(const Context& ctx, const std::vector<std::string>& args,
                     const std::vector<std::string>& allowed) {
  Options options;
  std::vector<std::string> rest = args;
  options.values = TakeOptions(ctx, rest, allowed);
  for (const std::string& a : rest) {
    if (a.rfind("--", 0) == 0) throw UsageError("unknown option --" + a.substr(2, a.find('=') - 2));
    options.positional.push_back(ctx.Input(a));
  }
  return options;
}

}  // namespace vantrel::cli
