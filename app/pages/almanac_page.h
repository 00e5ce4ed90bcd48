#pragma once
// The almanac page: the date pickers SlYear, SlMonth and Slday with "查看"
// in a row at the top, the result pane MemoHuangli on the left and the
// glossary of almanac terms on the right.
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "almanac/almanac.h"
#include "app/panes.h"
#include "app/report_output.h"
#include "common/datetime.h"
#include "common/notice.h"

class QComboBox;
class QPlainTextEdit;
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
  // The line under the pane that says why the day suits or forbids the word
  // the text cursor stands on (read by screen readers).
  QPlainTextEdit* ReasonLine() const { return reason_; }

  // Why the shown day suits or forbids the word of its 宜 or 忌 line at a
  // position of the pane's text; empty elsewhere. The pane shows it as the
  // tooltip of the word under the mouse and in the reason line for the word
  // at the cursor.
  QString ReasonAt(int position) const;

  // 导出日历…: asks for the first and the last day (the shown day's month
  // at first), then for the file, and writes one all-day event a day.
  void ExportCalendar();

 private:
  QComboBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QPushButton* show_ = nullptr;
  std::unique_ptr<PlainTextPane> result_;
  QPlainTextEdit* reason_ = nullptr;
  ReportIdentity identity_;
  // The shown day and the reasons of its words.
  std::optional<CivilDate> shown_;
  std::vector<almanac::WordReason> reasons_;
};

}  // namespace vantrel::app
