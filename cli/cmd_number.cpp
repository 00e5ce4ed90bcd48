// number: the three number dialogs (mobile, QQ, any number) on the command line.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/dialog_outcome.h"
#include "divination/numbers.h"

namespace vantrel::cli {
namespace {

NumberDialog DialogOfKind(const std::string& kind) {
  if (kind == "mobile") return NumberDialog::Mobile;
  if (kind == "qq") return NumberDialog::QQ;
  if (kind == "any") return NumberDialog::Any;
  throw UsageError("--kind must be mobile, qq or any");
}

int Number(Context& ctx, const std::vector<std::string>& args) {
  const Options options = ParseOptions(ctx, args, {"kind"});
  if (!options.Has("kind")) throw UsageError("--kind mobile|qq|any is required");
  const NumberDialog dialog = DialogOfKind(options.Get("kind", ""));
  const std::string kind = options.Get("kind", "");
  return ForEachInput(
      ctx, options.positional, 1,
      [dialog](const std::vector<std::string>& in) {
        const NumberFields f = RenderNumberFields(ValueOrThrow(MeasureNumber(dialog, in[0])));
        return std::vector<std::string>{f.number, f.state, f.luck, f.description};
      },
      [dialog, kind](const std::vector<std::string>& in) {
        const NumberVerdictValue value = ValueOrThrow(MeasureNumber(dialog, in[0]));
        const NumberFields f = RenderNumberFields(value);
        json::Json j = {{"kind", kind}};
        j.update(json::NumberVerdictJson(value));
        // The four fields as the dialog shows them.
        j["fields"] = {
            {"number", f.number}, {"state", f.state}, {"luck", f.luck}, {"description", f.description}};
        return j;
      });
}

VANTREL_CLI_COMMAND({"number", "the fortune of a mobile, QQ or any number",
                     "Usage: vantrel-cli number --kind mobile|qq|any NUMBER|-\n"
                     "  Runs the number dialog's \"测算\" and prints its four result fields, one per\n"
                     "  line: the number, the state, the luck word and the description (with \"-\",\n"
                     "  one input per line and the fields of each tab-separated on one line).\n"
                     "  qq and any read the 81-number table; mobile reads table shouji of\n"
                     "  KelFile.dll for the last four digits modulo 80. The dialog's message for an\n"
                     "  empty number goes to stderr with exit 2; a text that is not a number, or a\n"
                     "  database that cannot be read, exits 1.",
                     Number, true});

}  // namespace
}  // namespace vantrel::cli
