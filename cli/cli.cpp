#include "cli/cli.h"

#include <iostream>

#include "common/errors.h"
#include "common/text.h"

namespace vantrel::cli {

void Context::Out(std::string_view line) const {
  out << (gbk ? text::ToGbk(line) : std::string(line)) << '\n';
}

void Context::Err(std::string_view line) const {
  err << (gbk ? text::ToGbk(line) : std::string(line)) << '\n';
}

std::string Context::Input(std::string_view raw) const { return gbk ? text::FromGbk(raw) : std::string(raw); }

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

int ForEachInput(Context& ctx, const std::vector<std::string>& args, std::size_t fields,
                 const std::function<std::vector<std::string>(const std::vector<std::string>&)>& fn) {
  if (args.size() == 1 && args[0] == "-") {
    int rc = 0;
    std::string raw;
    long number = 0;
    while (std::getline(ctx.in, raw)) {
      ++number;
      std::string line = ctx.Input(raw);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> words = fields == 1 ? std::vector<std::string>{text::Trim(line)} : SplitWords(line);
      try {
        if (words.size() != fields) {
          throw UsageError("expected " + std::to_string(fields) + " fields");
        }
        ctx.Out(text::Join(fn(words), "\t"));
      } catch (const NoticeError& e) {
        ctx.Out("");
        ctx.Err("line " + std::to_string(number) + ": " + e.what());
        rc = std::max(rc, 2);
      } catch (const UsageError& e) {
        ctx.Out("");
        ctx.Err("line " + std::to_string(number) + ": " + e.what());
        rc = std::max(rc, 2);
      } catch (const SilentCancel&) {
        ctx.Out("");
        rc = std::max(rc, 1);
      } catch (const std::exception& e) {
        ctx.Out("");
        ctx.Err("line " + std::to_string(number) + ": " + e.what());
        rc = std::max(rc, 1);
      }
    }
    return rc;
  }
  if (args.size() != fields) throw UsageError("expected " + std::to_string(fields) + " arguments");
  std::vector<std::string> words;
  for (const auto& a : args) words.push_back(ctx.Input(a));
  for (const auto& line : fn(words)) ctx.Out(line);
  return 0;
}

std::string Options::Get(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

Options ParseOptions(const Context& ctx, const std::vector<std::string>& args,
                     const std::vector<std::string>& allowed) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0 || a == "-") {
      options.positional.push_back(ctx.Input(a));
      continue;
    }
    std::string name = a.substr(2);
    std::string value;
    bool has_value = false;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      has_value = true;
    }
    bool known = false;
    for (const auto& n : allowed) known = known || n == name;
    if (!known) throw UsageError("unknown option --" + name);
    if (!has_value) {
      if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
      value = args[++i];
    }
    options.values[name] = ctx.Input(value);
  }
  return options;
}

}  // namespace vantrel::cli
