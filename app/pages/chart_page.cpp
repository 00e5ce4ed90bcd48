#include "app/pages/chart_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/display_script.h"
#include "app/pages/controls.h"
#include "app/pages/entry_row.h"
#include "app/settings.h"
#include "reports/chart_report.h"

namespace vantrel::app {
namespace {

const char* const kChartCaption = "八字分析";
const char* const kConstellationCaption = "星座分析";

}  // namespace

ChartPage::ChartPage() {
  setObjectName(QStringLiteral("TabSheet2"));
  person_ = EntryRow::ForSingle(
      this, {"Xing2", "CBsex2", "ComDate2", "SYear2", "SMonth2", "Sday2", "Shour2", "CBFen2", nullptr});
  // A birth whose hour is not known: the report lists the twelve possible hours.
  person_->OfferUnknownHour();
  hidden_name_ = MakeNameEntry(this, "NameB2");
  hidden_name_->hide();
  compute_ = new QPushButton(Qt8(kChartCaption), this);
  compute_->setObjectName(QStringLiteral("RzButton2"));
  compute_->setFixedSize(90, 25);
  report_ = std::make_unique<PlainTextPane>(MakePane(this, "Memo1", Wrap::PaneWidth));
  notice_ = MakeNoticeLine(this);

  // The row and the button share one middle line; the button ends 60 pixels
  // before the page's right edge.
  auto* entry = new QHBoxLayout;
  entry->setContentsMargins(6, 0, 60, 0);
  entry->setSpacing(0);
  entry->addWidget(person_, 0, Qt::AlignVCenter);
  entry->addStretch(1);
  AddFixedSize(entry, compute_);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 6, 0, 0);
  page->setSpacing(7);
  page->addLayout(entry);
  page->addWidget(notice_);
  page->addWidget(report_->widget(), 1);

  report_->widget()->setAccessibleName(Qt8("分析报告"));
  AttachReportActions(report_->widget(), this, [this] { return identity_; });
}

ChartPage::~ChartPage() = default;

void ChartPage::ChooseChartReport() { Choose(Qt8(kChartCaption)); }

void ChartPage::ChooseConstellationReport() { Choose(Qt8(kConstellationCaption)); }

void ChartPage::Choose(const QString& caption) {
  compute_->setText(caption);
  report_->Clear();
  ShowNoticeLine(notice_, {});
}

void ChartPage::ComputeReport(Notifier& notifier) {
  ChartEntry entry;
  entry.person = ReadChartPerson(person_->Texts());
  entry.person.correctionLine = person_->CorrectionLine();
  entry.person.zi = CurrentZiRule();
  entry.hiddenName = hidden_name_->text().toStdString();
  entry.sex = SexOfText(person_->Sex().trimmed().toStdString());
  // The caption of the button says which report it makes.
  entry.kind = compute_->text() == Qt8(kChartCaption) ? ReportKind::Chart : ReportKind::Constellation;
  const ChartReport report = BuildChartReport(entry);
  // A run that stops half way leaves the report shown, and its name.
  if (report.Complete()) {
    report_->SetText(RenderChartReport(report));
    const QString kind = Shown(Qt8(report.KindWord()));
    const QString name = Qt8(report.name);
    identity_ = {kind, name, {kind, name}};
    ShowNoticeLine(notice_, report.warnings);
  }
  if (report.notice) notifier.ShowNotice(*report.notice);
  ShowFromStart(report_->widget());
  if (report.fault) std::rethrow_exception(report.fault);
}

}  // namespace vantrel::app
