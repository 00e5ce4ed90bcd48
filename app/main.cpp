// Vantrel: the desktop program. The application is set up, the main window is
// created and shown, and the message loop runs until the window closes.
#include <QApplication>

#include "app/panes.h"
#include "app/unt_index.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vantrel::app::SetUpApplication(app);
  // The window destroys itself when the window system closes it; that ends
  // the message loop the normal way.
  auto* window = new vantrel::app::TFrmIndex;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return QApplication::exec();
}
