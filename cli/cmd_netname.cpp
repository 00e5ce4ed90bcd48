// netname: the net-name dialog on the command line.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/dialog_outcome.h"
#include "divination/pinyin.h"

namespace vantrel::cli {
namespace {

std::vector<std::string> NetName(const std::vector<std::string>& in) {
  const NetNameLines lines = RenderNetNameLines(ValueOrThrow(MeasureNetName(NetNameEntryText(in[0]))));
  return {lines.name_line, lines.phrase_line};
}

VANTREL_CLI_COMMAND({"netname", "the personality read from a net name",
                     "Usage: vantrel-cli netname NAME|-\n"
                     "  Runs the net-name dialog's \"测算\" and prints its two lines, the name line\n"
                     "  \"你的网名：...\" and the phrase line \"你的性格：...\" (with \"-\", one name per\n"
                     "  line and the two lines of each tab-separated on one line). ASCII letters are\n"
                     "  taken in upper case, as the dialog's entry stores them. An empty name gives\n"
                     "  the dialog's message on stderr and exit 2.",
                     [](Context& ctx, const std::vector<std::string>& args) {
                       return ForEachInput(ctx, args, 1, NetName, [](const std::vector<std::string>& in) {
                         return json::NetNameJson(ValueOrThrow(MeasureNetName(NetNameEntryText(in[0]))));
                       });
                     },
                     true});

}  // namespace
}  // namespace vantrel::cli
