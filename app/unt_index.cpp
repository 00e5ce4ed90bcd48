#include "app/unt_index.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/artwork.h"
#include "app/dialogs/choose_day.h"
#include "app/dialogs/date_win.h"
#include "app/dialogs/settings_dialog.h"
#include "app/dialogs/unt_nannv.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_onther.h"
#include "app/dialogs/unt_wangm.h"
#include "app/dispatcher.h"
#include "app/enter_key.h"
#include "app/pages/about_page.h"
#include "app/pages/almanac_page.h"
#include "app/pages/catalogue_page.h"
#include "app/pages/chart_page.h"
#include "app/pages/controls.h"
#include "app/pages/encyclopedia_page.h"
#include "app/pages/entry_row.h"
#include "app/pages/marriage_page.h"
#include "app/settings.h"
#include "common/datetime.h"
#include "common/paths.h"

namespace vantrel::app {
namespace {

constexpr int kPageWidth = 790;
constexpr int kPageHeight = 456;

// Lays a widget and every widget in it out at once, outer before inner.
// A widget that has not been shown would otherwise wait for its first
// showing, and until then its controls would not stand at their places.
void LayOutNow(QWidget* widget) {
  if (QLayout* layout = widget->layout()) layout->activate();
  for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) LayOutNow(child);
}

void DeleteLockFile(const char* name) {
  std::error_code ignored;
  std::filesystem::remove(ProgramFile(name), ignored);
}

// The strip that moves the window as a title bar would. The window system
// moves the window where it can (X11 and Wayland alike); elsewhere the strip
// follows the mouse itself.
class TitleStrip : public QWidget {
 public:
  explicit TitleStrip(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("TitleStrip")); }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    QWindow* handle = window()->windowHandle();
    dragging_ = !(handle && handle->startSystemMove());
    grab_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (dragging_ && (event->buttons() & Qt::LeftButton))
      window()->move(event->globalPosition().toPoint() - grab_);
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

 private:
  bool dragging_ = false;
  QPoint grab_;
};

}  // namespace

TFrmIndex::TFrmIndex(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), exit_([](int code) { std::_Exit(code); }) {
  setObjectName(QStringLiteral("FrmIndex"));
  setWindowTitle(Qt8(kAppTitle));
  setFixedSize(800, 590);
  CenterOnFirstShow(this);
  // Date texts follow one convention throughout ("-" between the parts,
  // "yyyy-mm-dd"); the core's date functions always use it, so nothing has to
  // be switched when the window first shows.
  BuildChrome();

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("RzPanel1"));
  panel->setGeometry(5, 106, kPageWidth, kPageHeight);
  pages_ = new QStackedWidget(panel);
  pages_->setObjectName(QStringLiteral("RzPageControl1"));
  pages_->setGeometry(0, 0, kPageWidth, kPageHeight);
  marriage_ = new MarriagePage;
  chart_ = new ChartPage;
  almanac_ = new AlmanacPage;
  encyclopedia_ = new EncyclopediaPage;
  catalogue_ = new CataloguePage;
  const std::pair<const char*, QWidget*> pages[] = {
      {"合婚", marriage_},     {"八字及星座", chart_},   {"本日黄历", almanac_},
      {"百科", encyclopedia_}, {"功能大全", catalogue_}, {"关于我们", new AboutPage},
  };
  for (const auto& [caption, page] : pages) {
    page->setProperty("caption", Qt8(caption));
    page->resize(pages_->size());
    pages_->addWidget(page);
    LayOutNow(page);
  }
  ConnectPages();

  almanac_->PickDay(DecodeDate(Today()));
  SelectPage(Page::Marriage);
  for (QAbstractButton* b : toolbar_) b->setChecked(b->objectName() == QLatin1String("RzToolButton2"));
  // The window opens ready for the man's name, not on the first toolbar
  // button that comes first in the Tab order.
  marriage_->Man().FocusName();

  // Every button a screen reader meets is named after its caption.
  for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
    if (button->accessibleName().isEmpty()) button->setAccessibleName(button->text());
  }
}

TFrmIndex::~TFrmIndex() = default;

void TFrmIndex::BuildChrome() {
  auto* strip = new TitleStrip(this);
  strip->setGeometry(2, 1, 663, 18);

  struct ToolButton {
    const char* name;
    const char* hint;
    void (TFrmIndex::*action)();
  };
  const ToolButton toolbar[kToolbarButtonCount] = {
      {"RzToolButton2", "八字合婚", &TFrmIndex::RzToolButton2Click},
      {"RzToolButton1", "生辰八字详细分析", &TFrmIndex::RzToolButton1Click},
      {"RzToolButton3", "星座分析", &TFrmIndex::RzToolButton3Click},
      {"RzToolButton5", "黄道吉日", &TFrmIndex::RzToolButton5Click},
      {"RzToolButton7", "合婚知识及方法参考", &TFrmIndex::RzToolButton7Click},
      {"RzToolButton8", "缘分测试、民俗预测及吉祥数字等功能", &TFrmIndex::RzToolButton8Click},
  };
  for (int i = 0; i < kToolbarButtonCount; ++i) {
    auto* button = new PaintedButton(this, PaintToolbarHighlight);
    button->setObjectName(QString::fromLatin1(toolbar[i].name));
    button->setText(ToolbarCaption(i));
    button->setToolTip(Qt8(toolbar[i].hint));
    button->setGeometry(ToolbarButtonLeft(i), 23, 75, 77);
    button->setAccessibleName(Qt8(toolbar[i].hint));
    // Checked while its page is shown (ShowView), which gives it the pressed look.
    button->setCheckable(true);
    toolbar_[i] = button;
    OnClick(button, this, [this, action = toolbar[i].action] { (this->*action)(); });
    // Ctrl+1 .. Ctrl+6 press the toolbar's buttons from the keyboard.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)), this);
    connect(shortcut, &QShortcut::activated, button, [this, button] {
      setAttribute(Qt::WA_KeyboardFocusChange);  // the page's focused control shows it
      button->click();
    });
  }

  struct SmallButton {
    const char* name;
    const char* hint;
    int x;
    WindowButton look;
    void (TFrmIndex::*action)();
  };
  const SmallButton corner[] = {
      {"RzToolButton10", "关于我们", 697, WindowButton::About, &TFrmIndex::RzToolButton10Click},
      {"RzToolButton11", "最小化", 724, WindowButton::Minimize, &TFrmIndex::RzToolButton11Click},
      {"RzToolButton12", "关闭", 752, WindowButton::Close, &TFrmIndex::RzToolButton12Click},
  };
  for (const SmallButton& b : corner) {
    auto* button =
        new PaintedButton(this, [look = b.look](QPainter& p, const QRectF& r, const ButtonLook& state) {
          PaintWindowButton(p, r, state, look);
        });
    button->setObjectName(QString::fromLatin1(b.name));
    button->setToolTip(Qt8(b.hint));
    button->setGeometry(b.x, 1, 27, 19);
    button->setAccessibleName(Qt8(b.hint));
    OnClick(button, this, [this, action = b.action] { (this->*action)(); });
  }
}

void TFrmIndex::ConnectPages() {
  OnClick(marriage_->ComputeButton(), this, [this] { RzBitBtn2Click(); });
  OnClick(chart_->ComputeButton(), this, [this] { RzButton2Click(); });
  // Enter in an entry row computes, as the button beside the rows does.
  PressOnEnter(&marriage_->Man(), marriage_->ComputeButton());
  PressOnEnter(&marriage_->Woman(), marriage_->ComputeButton());
  PressOnEnter(&chart_->Person(), chart_->ComputeButton());
  OnClick(almanac_->ShowButton(), this, [this] { BtnHuangliClick(); });
  for (QPushButton* topic : encyclopedia_->TopicButtons()) {
    OnClick(topic, this, [this, code = EncyclopediaPage::TopicCode(topic)] { ShowTopicOf(code); });
  }
  for (int i = 0; i < CataloguePage::kFolkOmenCount; ++i) {
    OnClick(catalogue_->FolkOmenButton(i), this, [this, i] { OpenFolkOmen(i); });
  }
  const std::pair<CatalogueTool, void (TFrmIndex::*)()> tools[] = {
      {CatalogueTool::MobileNumber, &TFrmIndex::OpenMobileNumber},
      {CatalogueTool::QQNumber, &TFrmIndex::OpenQQNumber},
      {CatalogueTool::AnyNumber, &TFrmIndex::OpenAnyNumber},
      {CatalogueTool::NetName, &TFrmIndex::OpenNetName},
      {CatalogueTool::MonthCalendar, &TFrmIndex::OpenMonthCalendar},
      {CatalogueTool::BoyGirlChart, &TFrmIndex::OpenBoyGirlChart},
      {CatalogueTool::SolarTime, &TFrmIndex::OpenSolarTime},
      {CatalogueTool::ChooseDay, &TFrmIndex::OpenChooseDay},
      {CatalogueTool::Settings, &TFrmIndex::OpenSettings},
  };
  for (const auto& [tool, open] : tools) {
    OnClick(catalogue_->ToolButton(tool), this, [this, open = open] { (this->*open)(); });
  }
}

Pane& TFrmIndex::MemoSuccess() { return marriage_->ReportPane(); }

Pane& TFrmIndex::Memo1() { return chart_->ReportPane(); }

Pane& TFrmIndex::MemoHuangli() { return almanac_->ResultPane(); }

Pane& TFrmIndex::MemoBk() { return encyclopedia_->TopicPane(); }

Page TFrmIndex::CurrentPage() const { return static_cast<Page>(pages_->currentIndex()); }

void TFrmIndex::SelectPage(Page page) { pages_->setCurrentIndex(static_cast<int>(page)); }

void TFrmIndex::ShowView(const char* button) {
  const QString name = QString::fromLatin1(button);
  for (QAbstractButton* b : toolbar_) {
    if (b) b->setChecked(b->objectName() == name);
  }
  current_view_ = name;
  RememberView(name);
}

QString TFrmIndex::CurrentView() const { return current_view_; }

void TFrmIndex::RestoreLastView() {
  const QString view = ReadRemembered().view;
  if (view.isEmpty()) return;
  if (auto* button = findChild<QAbstractButton*>(view)) RunAction(this, [button] { button->click(); });
}

void TFrmIndex::RzToolButton2Click() {
  SelectPage(Page::Marriage);
  ShowView("RzToolButton2");
}

void TFrmIndex::RzToolButton1Click() {
  SelectPage(Page::Chart);
  chart_->ChooseChartReport();
  ShowView("RzToolButton1");
}

void TFrmIndex::RzToolButton3Click() {
  SelectPage(Page::Chart);
  chart_->ChooseConstellationReport();
  ShowView("RzToolButton3");
}

void TFrmIndex::RzToolButton5Click() {
  SelectPage(Page::Almanac);
  ShowView("RzToolButton5");
  BtnHuangliClick();
}

void TFrmIndex::RzToolButton7Click() {
  SelectPage(Page::Encyclopedia);
  ShowView("RzToolButton7");
}

void TFrmIndex::RzToolButton8Click() {
  SelectPage(Page::Catalogue);
  ShowView("RzToolButton8");
}

void TFrmIndex::RzToolButton10Click() {
  SelectPage(Page::About);
  ShowView("RzToolButton10");
}

void TFrmIndex::RzToolButton11Click() { showMinimized(); }

void TFrmIndex::RzToolButton12Click() {
  DeleteLockFile("Tgcode.ldb");
  DeleteLockFile("KelFile.ldb");
  QCoreApplication::quit();
  DeleteLockFile("KelFile.ldb");
  DeleteLockFile("Tgcode.ldb");
  DeleteLockFile("KelFile.ldb");
  exit_(0);
}

void TFrmIndex::RzBitBtn2Click() {
  WindowNotifier notifier(this);
  marriage_->ComputeReport(notifier);
}

void TFrmIndex::RzButton2Click() {
  WindowNotifier notifier(this);
  chart_->ComputeReport(notifier);
}

void TFrmIndex::BtnHuangliClick() {
  WindowNotifier notifier(this);
  almanac_->ShowPickedDay(notifier);
}

void TFrmIndex::ShowTopicOf(const QString& code) { encyclopedia_->ShowTopic(code); }

void TFrmIndex::OpenFolkOmen(int page) {
  const QString title = CataloguePage::FolkOmenTitle(page);
  if (!title.isEmpty()) ShowFolkOmen(this, title, page);
}

void TFrmIndex::OpenMobileNumber() { OpenModal<TFrm_SJcs>(); }

void TFrmIndex::OpenQQNumber() { OpenModal<TFrmQQhm>(); }

void TFrmIndex::OpenAnyNumber() { OpenModal<TFrm_onther>(); }

void TFrmIndex::OpenNetName() { OpenModal<TFrmWangming>(); }

void TFrmIndex::OpenMonthCalendar() { OpenModal<TFRM_Date>(); }

void TFrmIndex::OpenBoyGirlChart() { OpenModal<TFrm_NanNv>(); }

void TFrmIndex::OpenSettings() { OpenModal<TFrmSettings>(); }

void TFrmIndex::OpenSolarTime() {
  TFrmSolarTime dialog(this, [this](BirthTarget target, const SolarTimeCorrection& correction) {
    FillCorrectedBirth(target, correction);
  });
  dialog.exec();
}

void TFrmIndex::OpenChooseDay() {
  TFrmChooseDay dialog(
      this, [this] { return std::make_pair(marriage_->Man().Texts(), marriage_->Woman().Texts()); });
  dialog.exec();
}

EntryRow& TFrmIndex::ShowRowOf(BirthTarget target) {
  if (target == BirthTarget::Chart) {
    RzToolButton1Click();  // the chart page, for the chart report
  } else {
    RzToolButton2Click();
  }
  return target == BirthTarget::MarriageMan     ? marriage_->Man()
         : target == BirthTarget::MarriageWoman ? marriage_->Woman()
                                                : chart_->Person();
}

void TFrmIndex::FillBirth(BirthTarget target, CivilDate date, int hour, int minute) {
  ShowRowOf(target).ShowGregorianBirth(date, hour, minute);
}

void TFrmIndex::FillCorrectedBirth(BirthTarget target, const SolarTimeCorrection& correction) {
  ShowRowOf(target).ShowCorrectedBirth(correction);
}

void TFrmIndex::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintMainBackground(p, size());
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
  // The window system's close: the window goes the normal way; the lock
  // files are left alone.
  QWidget::closeEvent(event);
}

}  // namespace vantrel::app
