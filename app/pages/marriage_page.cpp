#include "app/pages/marriage_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/display_script.h"
#include "app/pages/controls.h"
#include "app/pages/entry_row.h"
#include "app/settings.h"
#include "common/datetime.h"

namespace vantrel::app {

MarriagePage::MarriagePage() {
  setObjectName(QStringLiteral("TabSheet1"));

  // The entry panel: 788 x 58 pixels at the top of the page, the man's row at
  // y = 6, the woman's at y = 33, and "测算" beside both.
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("RzPanel2"));
  panel->setFixedSize(788, 58);
  man_ = EntryRow::ForCouple(
      panel, Qt8("男方基本信息"),
      {"Xing", nullptr, "ComDate", "SYear", "SMonth", "Sday", "Shour", "CBFen", "ComboBoxDL"});
  woman_ = EntryRow::ForCouple(
      panel, Qt8("女方基本信息"),
      {"Xing3", nullptr, "ComDate3", "SYear3", "SMonth3", "Sday3", "Shour3", "CBFen3", "ComboBoxXX"});
  // A row that keeps a true-solar-time correction shows a note line under
  // it; the panel grows by that line.
  for (EntryRow* row : {man_, woman_}) {
    row->SetOnCorrectionShown([this, panel] {
      const int notes = (man_->HasCorrection() ? 1 : 0) + (woman_->HasCorrection() ? 1 : 0);
      panel->setFixedSize(788, 58 + 22 * notes);
    });
  }
  compute_ = new QPushButton(Qt8("测算"), panel);
  compute_->setObjectName(QStringLiteral("RzBitBtn2"));
  compute_->setFixedSize(64, 48);

  auto* rows = new QVBoxLayout;
  rows->setSpacing(6);
  rows->addWidget(man_);
  rows->addWidget(woman_);
  auto* entry = new QHBoxLayout(panel);
  entry->setContentsMargins(6, 6, 8, 4);
  entry->setSpacing(0);
  entry->addLayout(rows);
  entry->addStretch(1);
  AddFixedSize(entry, compute_);

  report_ = std::make_unique<PlainTextPane>(MakePane(this, "MemoSuccess", Wrap::PaneWidth));
  notice_ = MakeNoticeLine(this);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(2);
  AddFixedSize(page, panel, Qt::AlignHCenter);
  page->addWidget(notice_);
  page->addWidget(report_->widget(), 1);

  report_->widget()->setAccessibleName(Qt8("合婚报告"));
  AttachReportActions(report_->widget(), this, [this] { return identity_; });
}

MarriagePage::~MarriagePage() = default;

void MarriagePage::ComputeReport(Notifier& notifier) {
  MarriageEntry entry{ReadMarriagePerson(man_->Texts()), ReadMarriagePerson(woman_->Texts())};
  entry.man.correctionLine = man_->CorrectionLine();
  entry.woman.correctionLine = woman_->CorrectionLine();
  entry.man.zi = entry.woman.zi = CurrentZiRule();
  const MarriageReport report = BuildMarriageReport(entry);
  // A run that stopped before anything was made leaves the report shown, and its names.
  if (report.Started()) {
    // Line by line, as the report is read: each line is laid out as the view
    // follows it down.
    TextPane lines;
    lines.SetText(RenderMarriageReport(report));
    report_->Clear();
    for (const std::string& line : lines.lines()) report_->Add(line);
    const QString man = Qt8(report.manName), woman = Qt8(report.womanName);
    const QString kind = Shown(Qt8("合婚报告"));
    identity_ = {
        kind, Qt8(report.CoupleName()), {kind, man, woman, QString::fromStdString(FormatDate(Today()))}};
    ShowNoticeLine(notice_, report.warnings);
  }
  if (report.notice) {
    notifier.ShowNotice(*report.notice);
    if (report.focus == EntryFocus::ManName) man_->FocusName();
    if (report.focus == EntryFocus::WomanName) woman_->FocusName();
  }
  ShowFromStart(report_->widget());
  if (report.fault) std::rethrow_exception(report.fault);
}

}  // namespace vantrel::app
