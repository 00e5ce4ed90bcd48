#pragma once
// The chart page: one person's entry row, the compute button RzButton2 and
// the report pane Memo1. The button's caption, "八字分析" or "星座分析",
// says which of the two reports it writes; the toolbar sets it.
#include <QWidget>
#include <memory>

#include "app/panes.h"
#include "app/report_output.h"
#include "common/notice.h"
#include "common/pane.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::app {

class EntryRow;

class ChartPage : public QWidget {
 public:
  ChartPage();
  ~ChartPage() override;

  // Sets the button to the chart report ("八字分析") or the constellation
  // report ("星座分析") and empties Memo1.
  void ChooseChartReport();
  void ChooseConstellationReport();
  // Writes the chosen report of the row into Memo1 and shows its start.
  void ComputeReport(Notifier& notifier);

  EntryRow& Person() { return *person_; }
  QPushButton* ComputeButton() const { return compute_; }
  PlainTextPane& ReportPane() { return *report_; }
  // The line above the report that tells of a birth close to a boundary
  // (BoundaryNotice); hidden when there is nothing to tell.
  QLabel* NoticeLine() const { return notice_; }

 private:
  void Choose(const QString& caption);

  EntryRow* person_ = nullptr;
  QLineEdit* hidden_name_ = nullptr;  // NameB2: a second name entry, never shown
  QPushButton* compute_ = nullptr;
  QLabel* notice_ = nullptr;
  std::unique_ptr<PlainTextPane> report_;
  // REbazi, in which the report is built before it replaces Memo1.
  ReportIdentity identity_;
};

}  // namespace vantrel::app
