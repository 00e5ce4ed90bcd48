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
#include "data/query.h"

class QComboBox;
class QPushButton;

namespace vantrel::app {

class AlmanacPage : public QWidget {
 public:
  AlmanacPage();
  ~AlmanacPage() override;

  // Shows a day in the pickers: a four-digit year, a two-digit month and day.
  void PickDay(CivilDate day);
  // Writes the almanac of the picked day into MemoHuangli, read through the
  // window's query on the main file, and shows its start.
  void ShowPickedDay(data::Query& query, Notifier& notifier);

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
