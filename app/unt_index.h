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

#include "app/dialogs/true_solar_time.h"
#include "app/panes.h"
#include "common/pane.h"

class QAbstractButton;
class QStackedWidget;

namespace vantrel::app {

class AlmanacPage;
class CataloguePage;
class ChartPage;
class EntryRow;
class EncyclopediaPage;
class MarriagePage;

enum class Page { Marriage = 0, Chart = 1, Almanac = 2, Encyclopedia = 3, Catalogue = 4, About = 5 };

class TFrmIndex : public QWidget {
  Q_OBJECT

 public:
  explicit TFrmIndex(QWidget* parent = nullptr);
  ~TFrmIndex() override;

  Page CurrentPage() const;
  // The object name of the toolbar or window button whose page is shown
  // ("RzToolButton5"); empty until a button was used.
  QString CurrentView() const;
  // Shows the page the program was left on in its last run (app/settings.h),
  // as its button would; the marriage page when none is remembered.
  void RestoreLastView();

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
  // 择日: the couple of the marriage page offered for a wedding.
  void OpenChooseDay();
  void OpenSettings();

  // Writes a Gregorian birth into the marriage page's man or woman row or the
  // chart page's row (calendar 公历, the hour item of the hour) and shows
  // that page; the true-solar-time dialog fills the rows through it.
  void FillBirth(BirthTarget target, CivilDate date, int hour, int minute);
  // The same for a birth corrected to true solar time: the row keeps the
  // correction, and the report says so.
  void FillCorrectedBirth(BirthTarget target, const SolarTimeCorrection& correction);

  // How the close button ends the process; tests replace it.
  using ExitFunction = std::function<void(int)>;
  void SetExitFunction(ExitFunction exit) { exit_ = std::move(exit); }

  // The visible panes, as the reports write them.
  Pane& MemoSuccess();
  Pane& Memo1();
  Pane& MemoHuangli();
  Pane& MemoBk();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void SelectPage(Page page);
  // Marks the toolbar button of the page shown as pressed and remembers it.
  void ShowView(const char* button);
  void BuildChrome();
  // Connects the pages' buttons to the window's handlers.
  void ConnectPages();
  // Shows the page of a birth row and gives the row.
  EntryRow& ShowRowOf(BirthTarget target);
  // Creates the dialog, shows it modally and destroys it when it closes.
  template <typename Dialog>
  void OpenModal() {
    Dialog dialog(this);
    dialog.exec();
  }

  QStackedWidget* pages_ = nullptr;
  QAbstractButton* toolbar_[6] = {};
  QString current_view_;
  MarriagePage* marriage_ = nullptr;
  ChartPage* chart_ = nullptr;
  AlmanacPage* almanac_ = nullptr;
  EncyclopediaPage* encyclopedia_ = nullptr;
  CataloguePage* catalogue_ = nullptr;

  ExitFunction exit_;
};

}  // namespace vantrel::app
