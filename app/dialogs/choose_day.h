#pragma once
// The 择日 dialog: the activity, the date range, the people concerned and
// the options; the ranked list of chosen days (date, weekday, lunar date,
// the day's pillar, rank, the reasons in one line). Selecting a day shows
// its whole almanac and its reasons; "为什么不选这一天" answers for any date.
// The list is saved, printed and exported to PDF like a report, and its
// context menu also offers 导出日历….
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "reports/choose_day.h"
#include "reports/entry_texts.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace vantrel::app {

class TFrmChooseDay : public QDialog {
  Q_OBJECT

 public:
  // The rows of the marriage page, read when the dialog opens (for 嫁娶)
  // and whenever its button takes them again.
  using CoupleSource = std::function<std::pair<EntryTexts, EntryTexts>()>;
  explicit TFrmChooseDay(QWidget* parent = nullptr, CoupleSource couple = {});

  QComboBox* ActivityBox() const { return activity_; }
  QDateEdit* FromDate() const { return from_; }
  QDateEdit* ToDate() const { return to_; }
  QTableWidget* PeopleTable() const { return people_; }
  QCheckBox* Option(int index) const { return options_[index]; }
  QTreeWidget* DayList() const { return list_; }
  QPlainTextEdit* DayDetail() const { return detail_; }
  QPlainTextEdit* ListText() const { return listText_; }
  QLabel* Message() const { return message_; }
  QDateEdit* WhyDate() const { return whyDate_; }

  // The request as the controls hold it.
  choose::ChooseRequest Request() const;
  // 开始择日: works out the list, or shows the message that stopped it.
  void Choose();
  // 为什么不选这一天: the judgement of the date in WhyDate.
  void ExplainWhy();
  // Puts the marriage page's couple into the people table.
  void TakeCouple();
  // Adds an empty person row / removes the selected one.
  void AddPerson();
  void RemovePerson();
  // Writes the listed days as all-day events to a calendar file.
  void ExportCalendar();

 private:
  void ActivityChanged();
  void ShowDay(const choose::ChooseResult& context, const choose::DayJudgement& judgement);
  void ShowMessage(const QString& text);
  void SetPersonRow(int row, const QString& role, const EntryTexts& texts, const QString& sex);

  CoupleSource couple_;
  QComboBox* activity_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QTableWidget* people_ = nullptr;
  QPushButton* take_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QCheckBox* options_[4] = {};
  QTreeWidget* list_ = nullptr;
  QPlainTextEdit* detail_ = nullptr;
  QPlainTextEdit* listText_ = nullptr;
  QLabel* message_ = nullptr;
  QDateEdit* whyDate_ = nullptr;
  std::optional<choose::ChooseResult> result_;
};

}  // namespace vantrel::app
