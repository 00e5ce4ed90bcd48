#pragma once
// The main window TFrmIndex: a borderless 800 x 590 window with a title strip,
// a toolbar of six buttons and six pages that only the toolbar switches.
//
//   page 0 合婚        the two-person entry and the marriage report pane
//   page 1 八字及星座  the one-person entry and the chart/constellation pane
//   page 2 本日黄历    the almanac pickers, result pane and glossary
//   page 3 百科        the encyclopedia topics and their pane
//   page 4 功能大全    the catalogue of dialogs
//   page 5 关于我们    the about text
//
// Every handler runs through RunAction (app/dispatcher.h). Controls carry
// their designer names as object names ("Xing", "SYear", "MemoSuccess").
#include <QWidget>
#include <functional>
#include <memory>

#include "app/dialogs/true_solar_time.h"
#include "app/panes.h"
#include "app/report_output.h"
#include "common/pane.h"
#include "data/query.h"
#include "reports/marriage_report.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace vantrel::app {

class PaintedButton;

enum class Page { Marriage = 0, Chart = 1, Almanac = 2, Encyclopedia = 3, Catalogue = 4, About = 5 };

// One person's entry row of page 0 or 1.
struct EntryRow {
  QLineEdit* name = nullptr;
  QComboBox* sex = nullptr;  // page 1 only
  QComboBox* calendar = nullptr;
  QComboBox* year = nullptr;
  QComboBox* month = nullptr;
  QComboBox* day = nullptr;
  QComboBox* hour = nullptr;
  QComboBox* minute = nullptr;
  QComboBox* blood = nullptr;  // page 0 only
};

class TFrmIndex : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmIndex(QWidget* parent = nullptr);
  ~TFrmIndex() override;

  Page CurrentPage() const;

  // The toolbar and the window buttons.
  void RzToolButton2Click();   // 八字合婚: page 0
  void RzToolButton1Click();   // 生辰八字: page 1 for the chart report, Memo1 cleared
  void RzToolButton3Click();   // 星座大全: page 1 for the constellation report, Memo1 cleared
  void RzToolButton5Click();   // 本日黄历: page 2, and the almanac of the picked day at once
  void RzToolButton7Click();   // 合婚百科: page 3
  void RzToolButton8Click();   // 功能大全: page 4
  void RzToolButton10Click();  // 关于我们: page 5
  void RzToolButton11Click();  // 最小化
  // 关闭: closes the window queries, deletes the lock files beside the
  // database files and ends the process at once with exit code 0.
  void RzToolButton12Click();

  // "测算" of page 0: the marriage report in MemoSuccess.
  void RzBitBtn2Click();
  // The compute button of page 1: the chart report, or the constellation
  // report when the toolbar set the caption "星座分析", in Memo1.
  void RzButton2Click();
  // "查看" of page 2: the almanac of the picked day in MemoHuangli.
  void BtnHuangliClick();

  // The ten topic buttons share this action; it reads the pressed button's code.
  void ShowTopicOf(const QString& code);

  // The catalogue's dialogs. The omen windows are modeless and independent;
  // the others are modal, made afresh for each request and destroyed when
  // they close.
  void OpenFolkOmen(int page);
  void OpenMobileNumber();
  void OpenQQNumber();
  void OpenAnyNumber();
  void OpenNetName();
  void OpenMonthCalendar();
  void OpenBoyGirlChart();
  void OpenSolarTime();

  // Writes a Gregorian birth into the marriage page's man or woman row or the
  // chart page's row (calendar 公历, the hour item of the hour) and shows
  // that page; the true-solar-time dialog fills the rows through it.
  void FillBirth(BirthTarget target, CivilDate date, int hour, int minute);

  // How the close button ends the process; tests replace it.
  using ExitFunction = std::function<void(int)>;
  void SetExitFunction(ExitFunction exit) { exit_ = std::move(exit); }

  // The visible panes, as the reports write them.
  Pane& MemoSuccess() { return *memo_success_; }
  Pane& Memo1() { return *memo1_; }
  Pane& MemoHuangli() { return *memo_huangli_; }
  Pane& MemoBk() { return *memo_bk_; }

  const EntryRow& Man() const { return man_; }
  const EntryRow& Woman() const { return woman_; }
  const EntryRow& Single() const { return single_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void SelectPage(Page page);
  void BuildChrome();
  QWidget* BuildMarriagePage();
  QWidget* BuildChartPage();
  QWidget* BuildAlmanacPage();
  QWidget* BuildEncyclopediaPage();
  QWidget* BuildCataloguePage();
  QWidget* BuildAboutPage();
  EntryRow BuildPersonRow(QWidget* parent, int y, const char* const names[], bool two_person);
  void CloseQueries();
  // Creates the dialog, shows it modally and destroys it when it closes.
  template <typename Dialog>
  void OpenModal() {
    Dialog dialog(this);
    dialog.exec();
  }

  QStackedWidget* pages_ = nullptr;
  EntryRow man_;
  EntryRow woman_;
  EntryRow single_;
  QLineEdit* name_b2_ = nullptr;  // NameB2: a second name entry, never shown
  QPushButton* rz_button2_ = nullptr;
  QComboBox* sl_year_ = nullptr;
  QComboBox* sl_month_ = nullptr;
  QComboBox* sl_day_ = nullptr;

  std::unique_ptr<PlainTextPane> memo_success_;
  std::unique_ptr<PlainTextPane> memo1_;
  std::unique_ptr<PlainTextPane> memo_huangli_;
  std::unique_ptr<PlainTextPane> memo_bk_;
  // What each report pane holds, set when its report is written: the header
  // of its printed pages and the file name it offers.
  ReportIdentity marriage_report_;
  ReportIdentity chart_report_;
  ReportIdentity almanac_report_;
  ReportIdentity topic_report_;

  // The scratch panes of the reports, never shown: the marriage report's
  // (shensha, bone weight, personality and sum of each person) beside its
  // report pane, and REbazi, in which the single-person report is built.
  std::unique_ptr<MarriagePanes> marriage_panes_;
  TextPane re_bazi_;

  // ADOQuery1 on the main file (the almanac) and ADOQuery2 on the second file
  // (the marriage report); bound at creation, opened only when used.
  data::Query adoquery1_;
  data::Query adoquery2_;

  ExitFunction exit_;
};

}  // namespace vantrel::app
