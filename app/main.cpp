// Vantrel: the desktop program. The application is set up, the main window is
// created and shown, and the message loop runs until the window closes.
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/display_script.h"
#include "app/panes.h"
#include "app/settings.h"
#include "app/unt_index.h"

namespace {

constexpr const char* kHelp =
    "Usage: vantrel [--help | --version]\n"
    "\n"
    "Starts the Vantrel window: Bazi (Four Pillars) marriage matching, one person's\n"
    "chart and constellation reports, the almanac of a day, an encyclopedia of\n"
    "matching lore, number and net-name divination and a month calendar.\n"
    "The window needs a graphical session (DISPLAY or WAYLAND_DISPLAY); the same\n"
    "reports are on the command line through vantrel-cli.\n"
    "\n"
    "Data files, read from the folder of the real program file (they are never\n"
    "written):\n"
    "  KelFile.dll   the main database: texts of the reports, the almanac days\n"
    "  Tgcode.dll    the second database: ten gods, nayin, life gua, jie instants\n"
    "  shensha/      the seven shensha rule files (GBK text)\n"
    "\n"
    "The last page, save folder, birthplace and the choices of 设置 (the 子 hour\n"
    "rule, the script) are remembered in\n"
    "$XDG_CONFIG_HOME/vantrel/vantrel.conf (by default ~/.config/vantrel/).\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before anything of the window system is touched, so they work
  // without a display.
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::puts("vantrel " VANTREL_VERSION);
      return 0;
    }
  }
  QApplication app(argc, argv);
  vantrel::app::SetUpApplication();
  // The script chosen in 设置, for every text from the first one shown.
  vantrel::app::InstallScriptFilter();
  vantrel::app::SetDisplayScript(vantrel::app::ReadRemembered().script);
  // The window destroys itself when the window system closes it; that ends
  // the message loop the normal way.
  auto* window = new vantrel::app::TFrmIndex;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->RestoreLastView();
  window->show();
  return QApplication::exec();
}
