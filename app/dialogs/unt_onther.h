#pragma once
// The folk-omen window TFormOnther: seven pages of omens read by the double
// hour, of which one is shown, and a note naming the clock hours of every
// double hour. It is modeless: every request opens a new, independent window,
// a tool window that stays above the main window while it is open.
#include <QWidget>

class QStackedWidget;

namespace vantrel::app {

class TFormOnther : public QWidget {
  Q_OBJECT

 public:
  explicit TFormOnther(QWidget* parent = nullptr);

  void SetPage(int page);
  int Page() const;

 private:
  QStackedWidget* pages_;
};

// Opens a new omen window over `owner`'s window with this caption on page 0..6 and
// returns it; it destroys itself when closed.
TFormOnther* ShowFolkOmen(QWidget* owner, const QString& title, int page);

}  // namespace vantrel::app
