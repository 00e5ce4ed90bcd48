#include "app/dialogs/unt_onther.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>

#include "app/panes.h"
#include "app/report_output.h"
#include "reports/reference_charts.h"

namespace vantrel::app {

TFormOnther::TFormOnther(QWidget* parent) : QWidget(parent), pages_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("FormOnther"));
  SetUpDialogWindow(this, QString(), QSize(388, 283));
  // A tool window of the main window: it stays above the main window while it
  // is open, and the main window stays usable (it is modeless).
  setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setGeometry(6, 6, 376, 200);
  for (int page = 0; page < kFolkOmenPageCount; ++page) {
    QPlainTextEdit* pane = MakePane(pages_, "Memo", Wrap::PaneWidth);
    pane->setObjectName(QStringLiteral("Memo%1").arg(page + 1));
    pane->setPlainText(QString::fromStdString(FolkOmenText(page)));
    AttachReportActions(pane, pane, [this] {
      return ReportIdentity{windowTitle(), QString(), {windowTitle()}};
    });
    pages_->addWidget(pane);
  }

  QStringList note;
  for (const std::string& line : FolkOmenNote()) note << QString::fromStdString(line);
  auto* label = new QLabel(note.join(QLatin1Char('\n')), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QStringLiteral("color: navy;"));
  label->setGeometry(6, 210, 376, 68);

  // Esc closes the window, as it closes every dialog of the program.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TFormOnther::SetPage(int page) {
  if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
}

int TFormOnther::Page() const { return pages_->currentIndex(); }

TFormOnther* ShowFolkOmen(QWidget* owner, const QString& title, int page) {
  // The newest omen window still open: a new one steps down and right from
  // it, so that each new window can be seen; the first one, and one that
  // would leave the screen, stands in the centre.
  static QPointer<TFormOnther> newest;
  auto* window = new TFormOnther(owner ? owner->window() : nullptr);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(title);
  for (QPlainTextEdit* pane : window->findChildren<QPlainTextEdit*>()) pane->setAccessibleName(title);
  window->SetPage(page);
  window->show();
  if (newest && newest->isVisible()) {
    constexpr int kCascadeStep = 24;
    const QPoint place = newest->pos() + QPoint(kCascadeStep, kCascadeStep);
    QScreen* screen = newest->screen() ? newest->screen() : QGuiApplication::primaryScreen();
    if (screen && screen->availableGeometry().contains(QRect(place, window->frameGeometry().size()))) {
      window->move(place);
    } else {
      CenterOnScreen(window);
    }
  }
  // The window opened by a click or a key takes the keyboard, so that the
  // arrows scroll it and Esc closes it at once.
  window->activateWindow();
  newest = window;
  return window;
}

}  // namespace vantrel::app
