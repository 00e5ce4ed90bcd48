#include "app/pages/almanac_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/controls.h"
#include "reports/almanac.h"

namespace vantrel::app {
namespace {

// A heading over a pane, its text `indent` pixels in from the pane's edge.
QLabel* MakeHeading(QWidget* parent, const QString& text, int indent) {
  auto* label = new QLabel(text, parent);
  label->setIndent(indent);
  label->setFixedHeight(16);
  return label;
}

}  // namespace

AlmanacPage::AlmanacPage() {
  setObjectName(QStringLiteral("TabSheet3"));

  auto* pickers = new QHBoxLayout;
  ControlRow row(this, pickers);
  pickers->setContentsMargins(4, 0, 0, 0);
  row.Label(Qt8("选择黄历："));
  year_ = row.Put(MakeList(this, "SlYear", Numbers(2008, 2019, 4), true), 62);
  row.Label(Qt8("年"));
  month_ = row.Put(MakeList(this, "SlMonth", Numbers(1, 12, 2), true), 46);
  row.Label(Qt8("月"));
  day_ = row.Put(MakeList(this, "Slday", Numbers(1, 31, 2), true), 46);
  year_->setAccessibleName(Qt8("黄历年"));
  month_->setAccessibleName(Qt8("黄历月"));
  day_->setAccessibleName(Qt8("黄历日"));
  row.Label(Qt8("日"));
  show_ = row.Put(new QPushButton(Qt8("查看"), this), 56);
  show_->setObjectName(QStringLiteral("BtnHuangli"));
  row.Finish();

  QLabel* result_heading = MakeHeading(this, Qt8("测算结果："), 4);
  result_ = std::make_unique<PlainTextPane>(MakePane(this, "MemoHuangli", Wrap::PaneWidth));
  result_->widget()->setAccessibleName(Qt8("测算结果"));
  AttachReportActions(result_->widget(), this, [this] { return identity_; });

  QLabel* glossary_heading = MakeHeading(this, Qt8("黄历名词解释："), 1);
  QPlainTextEdit* glossary = MakePane(this, "MemoGlossary", Wrap::PaneWidth);
  glossary->setAccessibleName(Qt8("黄历名词解释"));
  QStringList lines;
  for (const std::string& line : AlmanacGlossary()) lines << QString::fromStdString(line);
  glossary->setPlainText(lines.join(QLatin1Char('\n')));

  // Two panes of equal width side by side, each under its heading.
  auto* panes = new QGridLayout;
  panes->setHorizontalSpacing(6);
  panes->setVerticalSpacing(2);
  panes->addWidget(result_heading, 0, 0);
  panes->addWidget(glossary_heading, 0, 1);
  panes->addWidget(result_->widget(), 1, 0);
  panes->addWidget(glossary, 1, 1);
  panes->setColumnStretch(0, 1);
  panes->setColumnStretch(1, 1);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 8, 0, 0);
  page->setSpacing(0);
  page->addLayout(pickers);
  page->addSpacing(7);
  page->addLayout(panes, 1);
}

AlmanacPage::~AlmanacPage() = default;

void AlmanacPage::PickDay(CivilDate day) {
  SetListText(year_, QStringLiteral("%1").arg(day.year, 4, 10, QLatin1Char('0')));
  SetListText(month_, QStringLiteral("%1").arg(day.month, 2, 10, QLatin1Char('0')));
  SetListText(day_, QStringLiteral("%1").arg(day.day, 2, 10, QLatin1Char('0')));
}

void AlmanacPage::ShowPickedDay(Notifier& notifier) {
  const AlmanacDay day = AlmanacDayOf(year_->currentText().toStdString(), month_->currentText().toStdString(),
                                      day_->currentText().toStdString());
  if (day.notice) {
    notifier.ShowNotice(*day.notice);
  } else if (day.row) {
    result_->Clear();
    for (const std::string& line : AlmanacLines(day)) result_->Add(line);
    if (day.row->fault) std::rethrow_exception(day.row->fault);
    const QString date =
        QString::fromStdString(FormatDate(EncodeDate(day.date->year, day.date->month, day.date->day)));
    identity_ = {Qt8("黄历"), date, {Qt8("黄历"), date}};
  }
  ShowFromStart(result_->widget());
}

}  // namespace vantrel::app
