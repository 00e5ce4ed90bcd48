#pragma once
// The almanac page: the date pickers SlYear, SlMonth and Slday with "查看"
// in a row at the top, the result pane MemoHuangli on the left and the
// glossary of almanac terms on the right.
#include <QWidget>
#include <memory>

#include "app/panes.h"
#include "app/report_output.h"
#include "common/datetime.h"
#include "common/notice.h"

class QComboBox;
class QPushButton;

namespace vantrel::app {

class AlmanacPage : public QWidget {
 public:
  AlmanacPage();
  ~AlmanacPage() override;

  // Shows a day in the pickers: a four-digit year, a two-digit month and day.
  void PickDay(CivilDate day);
  // Writes the almanac of the picked day into MemoHuangli and shows its
  // start. A picker that fails its check shows its notice, and a day without
  // a row is silent; both leave the pane as it was. A database error
  // propagates (a missing column after the lines before it were written).
  void ShowPickedDay(Notifier& notifier);

  QPushButton* ShowButton() const { return show_; }
  PlainTextPane& ResultPane() { return *result_; }

 private:
  QComboBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QPushButton* show_ = nullptr;
  std::unique_ptr<PlainTextPane> result_;
  ReportIdentity identity_;
};

}  // namespace vantrel::app
