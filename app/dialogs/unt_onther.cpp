#include "app/dialogs/unt_onther.h"

#include <QLabel>
#include <QStackedWidget>

#include "app/panes.h"
#include "reports/reference_charts.h"

namespace vantrel::app {

TFormOnther::TFormOnther(QWidget* parent) : QWidget(parent), pages_(new QStackedWidget(this)) {
  setObjectName(QStringLiteral("FormOnther"));
  SetUpDialogWindow(this, QString(), QSize(388, 283));
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setGeometry(6, 6, 376, 200);
  for (int page = 0; page < kFolkOmenPageCount; ++page) {
    QPlainTextEdit* pane = MakePane(pages_, "Memo", Wrap::PaneWidth);
    pane->setObjectName(QStringLiteral("Memo%1").arg(page + 1));
    pane->setPlainText(QString::fromStdString(FolkOmenText(page)));
    pages_->addWidget(pane);
  }

  QStringList note;
  for (const std::string& line : FolkOmenNote()) note << QString::fromStdString(line);
  auto* label = new QLabel(note.join(QLatin1Char('\n')), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setTextFormat(Qt::PlainText);
  label->setStyleSheet(QStringLiteral("color: navy;"));
  label->setGeometry(6, 210, 376, 68);
}

void TFormOnther::SetPage(int page) {
  if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
}

int TFormOnther::Page() const { return pages_->currentIndex(); }

TFormOnther* ShowFolkOmen(QWidget* owner, const QString& title, int page) {
  auto* window = new TFormOnther(owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(title);
  window->SetPage(page);
  window->show();
  return window;
}

}  // namespace vantrel::app
