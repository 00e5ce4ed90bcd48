#include "app/pages/about_page.h"

#include <QVBoxLayout>

#include "app/pages/controls.h"
#include "app/panes.h"

namespace vantrel::app {

AboutPage::AboutPage() {
  setObjectName(QStringLiteral("TabSheet6"));
  QPlainTextEdit* pane = MakePane(this, "MemoAbout", Wrap::PaneWidth);
  pane->setAccessibleName(Qt8("关于我们"));
  PlainTextPane(pane).SetText(ResourceText(QStringLiteral(":/texts/about.txt")).toStdString());
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(pane);
}

}  // namespace vantrel::app
