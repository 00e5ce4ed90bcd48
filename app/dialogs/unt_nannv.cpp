#include "app/dialogs/unt_nannv.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "app/panes.h"
#include "app/report_output.h"
#include "common/text.h"
#include "reports/reference_charts.h"

namespace vantrel::app {

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frm_NanNv"));
  SetUpDialogWindow(this, QStringLiteral("生男生女"), QSize(594, 561));

  // The chart's columns line up only in the pane font, and only unwrapped.
  memo_ = MakePane(this, "Memo1", Wrap::None);
  memo_->setAccessibleName(windowTitle());
  // The user may edit the chart (nothing is kept), so it shows its caret.
  memo_->setReadOnly(false);
  memo_->setTextInteractionFlags(Qt::TextEditorInteraction);
  memo_->setCursorWidth(1);
  memo_->setGeometry(8, 8, 578, 496);
  memo_->setPlainText(QString::fromStdString(text::Join(BoyGirlChartLines(), "\n")));
  AttachReportActions(memo_, this, [] {
    return ReportIdentity{QStringLiteral("生男生女"), QString(), {QStringLiteral("生男生女")}};
  });

  auto* note = new QLabel(QString::fromUtf8(BoyGirlChartNote()), this);
  note->setObjectName(QStringLiteral("Label1"));
  note->setWordWrap(true);
  note->setGeometry(8, 510, 578, 44);
}

}  // namespace vantrel::app
