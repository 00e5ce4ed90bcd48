#include "app/pages/almanac_page.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "app/display_script.h"
#include "app/file_dialog.h"
#include "app/pages/controls.h"
#include "export/almanac_calendar.h"
#include "export/ics.h"
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

// Shows the reason of the word under the mouse as the pane's tooltip.
class ReasonTips : public QObject {
 public:
  ReasonTips(QPlainTextEdit* pane, const AlmanacPage* page) : QObject(pane), pane_(pane), page_(page) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString reason = page_->ReasonAt(pane_->cursorForPosition(help->pos()).position());
    if (reason.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      // As rich text, so that a long reason wraps instead of running off the screen.
      QToolTip::showText(help->globalPos(),
                         QStringLiteral("<qt>") + reason.toHtmlEscaped() + QStringLiteral("</qt>"),
                         pane_->viewport());
    }
    return true;
  }

 private:
  QPlainTextEdit* pane_;
  const AlmanacPage* page_;
};

QDate ToQDate(CivilDate d) { return QDate(d.year, d.month, d.day); }
CivilDate FromQDate(const QDate& d) { return CivilDate{d.year(), d.month(), d.day()}; }

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
  // The report menu, and the almanac as a calendar file.
  QPlainTextEdit* pane = result_->widget();
  QObject::disconnect(pane, &QWidget::customContextMenuRequested, nullptr, nullptr);
  connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
    QMenu* menu = MakeReportMenu(pane);
    menu->addSeparator();
    menu->addAction(Qt8("导出日历…"), this, [this] { ExportCalendar(); });
    menu->exec(pane->viewport()->mapToGlobal(at));
    delete menu;
  });
  pane->viewport()->installEventFilter(new ReasonTips(pane, this));
  reason_ = new QPlainTextEdit(this);
  reason_->setObjectName(QStringLiteral("MemoReason"));
  reason_->setAccessibleName(Qt8("宜忌缘由"));
  reason_->setReadOnly(true);
  reason_->setFrameShape(QFrame::NoFrame);
  reason_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  reason_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  reason_->viewport()->setAutoFillBackground(false);
  reason_->setCursorWidth(0);
  reason_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  connect(pane, &QPlainTextEdit::cursorPositionChanged, this, [this, pane] {
    const QString reason = ReasonAt(pane->textCursor().position());
    reason_->setPlainText(reason);
    pane->setAccessibleDescription(reason);
  });

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
  panes->addWidget(result_->widget(), 1, 0, 2, 1);
  panes->addWidget(glossary, 1, 1);
  // The reason of the word at the cursor, under the glossary: the result
  // pane keeps its whole height. Four lines high, so that the glossary does
  // not move as the text changes.
  // A long reason scrolls within its four lines.
  reason_->setFixedHeight(4 * reason_->fontMetrics().lineSpacing() + 8);
  panes->addWidget(reason_, 2, 1);
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
    shown_ = day.date;
    // The table and the engine agree on every day the engine knows; a day
    // outside them has a page and no reasons.
    try {
      reasons_ = almanac::ExplainDay(almanac::DayOf(*day.date));
    } catch (const std::out_of_range&) {
      reasons_.clear();
    }
    reason_->clear();
  }
  ShowFromStart(result_->widget());
}

QString AlmanacPage::ReasonAt(int position) const {
  const QTextBlock block = result_->widget()->document()->findBlock(position);
  if (!block.isValid() || reasons_.empty()) return {};
  const QString line = block.text();
  const QString suitLabel = Qt8("宜:"), forbidLabel = Qt8("忌:");
  const bool suits = line.startsWith(suitLabel);
  if (!suits && !line.startsWith(forbidLabel)) return {};
  // The blank-separated word the position falls in (or just after).
  const int column = position - block.position();
  const int labelLength = static_cast<int>(suitLabel.size());
  if (column < labelLength) return {};
  int start = column;
  while (start > labelLength && line[start - 1] != QLatin1Char(' ')) --start;
  int end = column;
  while (end < line.size() && line[end] != QLatin1Char(' ')) ++end;
  // The pane shows the words in the script chosen; the reasons are kept in
  // the program's own, and told in the script chosen.
  const std::string word = Unshown(line.mid(start, end - start)).toStdString();
  for (const almanac::WordReason& r : reasons_)
    if (r.suits == suits && r.word == word) return Shown(QString::fromStdString(almanac::ReasonLine(r)));
  return {};
}

void AlmanacPage::ExportCalendar() {
  QDialog dialog(this);
  dialog.setWindowTitle(Qt8("导出日历"));
  auto* form = new QFormLayout(&dialog);
  const QDate lowest = ToQDate(almanac::kFirstDay), highest = ToQDate(almanac::kLastDay);
  QDate shown = shown_ ? ToQDate(*shown_) : QDate::currentDate();
  if (shown < lowest || shown > highest) shown = lowest;
  const auto makeDate = [&](const char* name, const QDate& value) {
    auto* edit = new QDateEdit(value, &dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setDateRange(lowest, highest);
    return edit;
  };
  QDateEdit* from = makeDate("EdtFrom", QDate(shown.year(), shown.month(), 1));
  QDateEdit* to = makeDate("EdtTo", QDate(shown.year(), shown.month(), shown.daysInMonth()));
  from->setAccessibleName(Qt8("起始日"));
  to->setAccessibleName(Qt8("结束日"));
  form->addRow(Qt8("起始日："), from);
  form->addRow(Qt8("结束日："), to);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(Qt8("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(Qt8("取消"));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (to->date() < from->date()) {
      QMessageBox::information(&dialog, Qt8("提示"), Qt8("结束日不能早于起始日!"));
      return;
    }
    dialog.accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;
  const CivilDate first = FromQDate(from->date()), last = FromQDate(to->date());
  const QString span = from->date() == to->date()
                           ? from->date().toString(QStringLiteral("yyyy-MM-dd"))
                           : from->date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_') +
                                 to->date().toString(QStringLiteral("yyyy-MM-dd"));
  QString filter = Qt8("iCalendar 日历 (*.ics)");
  const QString path =
      AskSaveFileName(this, Qt8("导出日历"), QDir::homePath() + Qt8("/黄历 ") + span + QStringLiteral(".ics"),
                      {filter}, &filter);
  if (path.isEmpty()) return;
  try {
    WriteCalendarFile(QFile::encodeName(path).toStdString(), AlmanacCalendarInfo(first, last),
                      AlmanacEvents(first, last));
  } catch (const std::exception& e) {
    QMessageBox::warning(this, Qt8("提示"), Qt8("日历未能写入: ") + QString::fromStdString(e.what()));
  }
}

}  // namespace vantrel::app
