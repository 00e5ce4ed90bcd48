#pragma once
// The marriage page: the man's and the woman's entry rows with "测算" in a
// panel at the top, the report pane MemoSuccess below, and the scratch panes
// in which the report keeps each person's shensha, bone weight, personality
// and sum until the comparison copies them back.
#include <QWidget>
#include <memory>

#include "app/panes.h"
#include "app/report_output.h"
#include "common/notice.h"
#include "reports/marriage_report.h"

class QLabel;
class QPushButton;

namespace vantrel::app {

class EntryRow;

class MarriagePage : public QWidget {
 public:
  MarriagePage();
  ~MarriagePage() override;

  // Writes the marriage report of the two rows into MemoSuccess and shows its
  // start. A missing name focuses its entry after the notice; a fault is
  // raised after what was made is shown.
  void ComputeReport(Notifier& notifier);

  EntryRow& Man() { return *man_; }
  EntryRow& Woman() { return *woman_; }
  QPushButton* ComputeButton() const { return compute_; }
  PlainTextPane& ReportPane() { return *report_; }
  // The line above the report that tells of a birth close to a boundary
  // (BoundaryNotice); hidden when there is nothing to tell.
  QLabel* NoticeLine() const { return notice_; }

 private:
  EntryRow* man_ = nullptr;
  EntryRow* woman_ = nullptr;
  QPushButton* compute_ = nullptr;
  // Made after the entry panel, so Tab reaches the pane after the entries.
  QLabel* notice_ = nullptr;
  std::unique_ptr<PlainTextPane> report_;
  // The header of the report's printed pages and the file name it offers.
  ReportIdentity identity_;
};

}  // namespace vantrel::app
