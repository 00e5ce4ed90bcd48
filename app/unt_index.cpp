#include "app/unt_index.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/artwork.h"
#include "app/dialogs/date_win.h"
#include "app/dialogs/unt_nannv.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_onther.h"
#include "app/dialogs/unt_wangm.h"
#include "app/dispatcher.h"
#include "common/datetime.h"
#include "common/paths.h"
#include "common/text.h"
#include "reports/almanac.h"
#include "reports/chart_report.h"
#include "reports/encyclopedia.h"
#include "reports/person_entry.h"

namespace vantrel::app {
namespace {

constexpr int kRowHeight = 21;
constexpr int kGap = 3;
constexpr int kPageWidth = 790;
constexpr int kPageHeight = 456;

// The folk-omen buttons of the catalogue: caption, window title, the sign on
// the icon. The page of the omen window is the button's position.
struct OmenButton {
  const char* caption;
  const char* title;
  const char* sign;
};
constexpr OmenButton kOmenButtons[] = {
    {"喷嚏预测", "打喷嚏占卜吉凶", "嚏"}, {"面热预测", "面热测吉凶", "面"}, {"心惊预测", "心惊测吉凶", "心"},
    {"犬吠预测", "犬吠测吉凶", "犬"},     {"眼跳预测", "眼跳测吉凶", "眼"}, {"耳热预测", "耳热测吉凶", "耳"},
    {"耳鸣预测", "耳鸣测吉凶", "鸣"},
};

// The encyclopedia topics: caption and the code of the topic's row.
constexpr std::pair<const char*, const char*> kTopics[] = {
    {"什么是八字", "hh01"}, {"八字合婚来源", "hh02"},     {"合婚方法", "hh03"}, {"小五婚", "hh04"},
    {"合婚其他外界因素", "hh05"}, {"六冲", "hh06"}, {"六害", "hh07"}, {"相刑", "hh08"},
    {"六合三合", "hh09"}, {"周太常斗临经合婚法", "hh10"},
};

QString Qt8(const char* text) { return QString::fromUtf8(text); }

QStringList Numbers(int first, int last, int digits) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
  return items;
}

// "子 0", "丑 1", "丑 2", ... "亥 22", "子 23": the branch of the double hour,
// a blank and the clock hour.
QStringList HourItems() {
  QStringList items;
  for (const char* item : kHourItems) items << Qt8(item);
  return items;
}

// The texts of an entry row as the reports read them.
PersonEntry ReadEntry(const EntryRow& row) {
  PersonEntry entry;
  entry.name = row.name->text().toStdString();
  entry.calendar = row.calendar->currentIndex() == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
  entry.year = row.year->currentText().toStdString();
  entry.month = row.month->currentText().toStdString();
  entry.day = row.day->currentText().toStdString();
  entry.hour = row.hour->currentText().toStdString();
  entry.minute = row.minute->currentText().toStdString();
  return entry;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items, bool editable) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(editable);
  // Typed text stays typed text; it never becomes an item of the list.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  return box;
}

// Shows a text in a list: its item when it has one, else the typed text.
void SetListText(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  box->setCurrentIndex(index);
  if (index < 0 && box->isEditable()) box->setEditText(text);
}

QString ResourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

void SetPaneText(QPlainTextEdit* edit, const QString& text) { PlainTextPane(edit).SetText(text.toStdString()); }

// A pane of a page at its place, with the Pane the reports write through.
std::unique_ptr<PlainTextPane> PlacePane(QWidget* page, const char* name, Wrap wrap, const QRect& geometry) {
  QPlainTextEdit* edit = MakePane(page, name, wrap);
  edit->setGeometry(geometry);
  return std::make_unique<PlainTextPane>(edit);
}

// Places controls from left to right on one row.
class RowPlacer {
 public:
  RowPlacer(QWidget* parent, int x, int y) : parent_(parent), x_(x), y_(y) {}

  template <typename W>
  W* Put(W* widget, int width) {
    widget->setGeometry(x_, y_, width, kRowHeight);
    x_ += width + kGap;
    return widget;
  }
  QLabel* Label(const QString& text) {
    auto* label = new QLabel(text, parent_);
    return Put(label, label->fontMetrics().horizontalAdvance(text) + 1);
  }
  QWidget* parent() const { return parent_; }
  int x() const { return x_; }

 private:
  QWidget* parent_;
  int x_;
  int y_;
};

struct BirthFieldNames {
  const char* year;
  const char* month;
  const char* day;
  const char* hour;
  const char* minute;
};

// Year, month, day, hour and minute with their labels; the label after the
// minute is the caller's.
void AddBirthFields(RowPlacer& row, EntryRow& entry, const BirthFieldNames& names) {
  entry.year = row.Put(MakeList(row.parent(), names.year, Numbers(1900, 2019, 0), true), 56);
  entry.year->setMaxVisibleItems(30);
  SetListText(entry.year, QStringLiteral("1980"));
  row.Label(Qt8("年"));
  entry.month = row.Put(MakeList(row.parent(), names.month, Numbers(1, 12, 0), true), 42);
  row.Label(Qt8("月"));
  entry.day = row.Put(MakeList(row.parent(), names.day, Numbers(1, 31, 0), true), 42);
  row.Label(Qt8("日"));
  entry.hour = row.Put(MakeList(row.parent(), names.hour, HourItems(), true), 60);
  entry.hour->setMaxVisibleItems(24);
  row.Label(Qt8("时"));
  entry.minute = row.Put(MakeList(row.parent(), names.minute, Numbers(0, 59, 0), true), 42);
}

QLineEdit* MakeNameEntry(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(20);
  return edit;
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
    if (dragging_ && (event->buttons() & Qt::LeftButton)) window()->move(event->globalPosition().toPoint() - grab_);
  }
  void mouseReleaseEvent(QMouseEvent*) override { dragging_ = false; }

 private:
  bool dragging_ = false;
  QPoint grab_;
};

}  // namespace

TFrmIndex::TFrmIndex(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      adoquery1_(data::Database::Main),
      adoquery2_(data::Database::Second),
      exit_([](int code) { std::_Exit(code); }) {
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
  const std::pair<const char*, QWidget*> pages[] = {
      {"合婚", BuildMarriagePage()},     {"八字及星座", BuildChartPage()}, {"本日黄历", BuildAlmanacPage()},
      {"百科", BuildEncyclopediaPage()}, {"功能大全", BuildCataloguePage()}, {"关于我们", BuildAboutPage()},
  };
  for (const auto& [caption, page] : pages) {
    page->setProperty("caption", Qt8(caption));
    pages_->addWidget(page);
  }

  // The almanac pickers show today: a four-digit year, a two-digit month and day.
  const CivilDate today = DecodeDate(Today());
  SetListText(sl_year_, QStringLiteral("%1").arg(today.year, 4, 10, QLatin1Char('0')));
  SetListText(sl_month_, QStringLiteral("%1").arg(today.month, 2, 10, QLatin1Char('0')));
  SetListText(sl_day_, QStringLiteral("%1").arg(today.day, 2, 10, QLatin1Char('0')));
  SelectPage(Page::Marriage);
  // The window opens ready for the man's name, not on the first toolbar
  // button that comes first in the Tab order.
  man_.name->setFocus();

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
    auto* button = new PaintedButton(this, [look = b.look](QPainter& p, const QRectF& r, const ButtonLook& state) {
      PaintWindowButton(p, r, state, look);
    });
    button->setObjectName(QString::fromLatin1(b.name));
    button->setToolTip(Qt8(b.hint));
    button->setGeometry(b.x, 1, 27, 19);
    button->setAccessibleName(Qt8(b.hint));
    OnClick(button, this, [this, action = b.action] { (this->*action)(); });
  }
}

EntryRow TFrmIndex::BuildPersonRow(QWidget* parent, int y, const char* const names[], bool two_person) {
  EntryRow entry;
  RowPlacer row(parent, 6, y);
  // Screen readers name each field after its label, and on the marriage
  // page after the person too ("男方姓名").
  const auto name_fields = [&entry](const QString& person) {
    const std::pair<QWidget*, const char*> fields[] = {
        {entry.name, "姓名"},   {entry.sex, "性别"},     {entry.calendar, "历法"}, {entry.year, "出生年"},
        {entry.month, "出生月"}, {entry.day, "出生日"},   {entry.hour, "出生时"},   {entry.minute, "出生分"},
        {entry.blood, "血型"},
    };
    for (const auto& [field, label] : fields) {
      if (field) field->setAccessibleName(person + Qt8(label));
    }
  };
  if (two_person) {
    // names: heading, name, calendar, year, month, day, hour, minute, blood type
    QLabel* heading = row.Label(Qt8(names[0]));
    heading->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold;"));
    row.Label(Qt8("姓名"));
    entry.name = row.Put(MakeNameEntry(parent, names[1]), 80);
    entry.calendar = row.Put(MakeList(parent, names[2], {Qt8("公历(阳历)"), Qt8("农历(阴历)")}, false), 84);
    AddBirthFields(row, entry, {names[3], names[4], names[5], names[6], names[7]});
    row.Label(Qt8("分 血型"));
    entry.blood = row.Put(
        MakeList(parent, names[8], {QString(), Qt8("A型"), Qt8("B型"), Qt8("O型"), Qt8("AB型")}, false), 54);
    entry.blood->setCurrentIndex(-1);
    name_fields(Qt8(names[0]).left(2));
  } else {
    // names: name, sex, calendar, year, month, day, hour, minute
    row.Label(Qt8("姓名"));
    entry.name = row.Put(MakeNameEntry(parent, names[0]), 90);
    row.Label(Qt8("姓别"));
    entry.sex = row.Put(MakeList(parent, names[1], {Qt8("男"), Qt8("女")}, false), 44);
    entry.calendar = row.Put(MakeList(parent, names[2], {Qt8("公历"), Qt8("农历")}, false), 56);
    AddBirthFields(row, entry, {names[3], names[4], names[5], names[6], names[7]});
    row.Label(Qt8("分"));
    name_fields(QString());
  }
  return entry;
}

QWidget* TFrmIndex::BuildMarriagePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet1"));
  auto* entry = new QWidget(page);
  entry->setObjectName(QStringLiteral("RzPanel2"));
  entry->setGeometry(1, 0, 788, 58);
  static const char* const kMan[] = {"男方基本信息", "Xing", "ComDate", "SYear", "SMonth",
                                     "Sday", "Shour", "CBFen", "ComboBoxDL"};
  static const char* const kWoman[] = {"女方基本信息", "Xing3", "ComDate3", "SYear3", "SMonth3",
                                       "Sday3", "Shour3", "CBFen3", "ComboBoxXX"};
  man_ = BuildPersonRow(entry, 6, kMan, true);
  woman_ = BuildPersonRow(entry, 33, kWoman, true);

  auto* compute = new QPushButton(Qt8("测算"), entry);
  compute->setObjectName(QStringLiteral("RzBitBtn2"));
  compute->setGeometry(716, 6, 64, 48);
  OnClick(compute, this, [this] { RzBitBtn2Click(); });

  memo_success_ = PlacePane(page, "MemoSuccess", Wrap::PaneWidth, QRect(0, 60, kPageWidth, kPageHeight - 60));
  memo_success_->widget()->setAccessibleName(Qt8("合婚报告"));
  AttachReportActions(memo_success_->widget(), page, [this] { return marriage_report_; });
  marriage_panes_ = std::make_unique<MarriagePanes>(*memo_success_);
  return page;
}

QWidget* TFrmIndex::BuildChartPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet2"));
  static const char* const kNames[] = {"Xing2", "CBsex2", "ComDate2", "SYear2", "SMonth2", "Sday2", "Shour2", "CBFen2"};
  single_ = BuildPersonRow(page, 8, kNames, false);
  name_b2_ = MakeNameEntry(page, "NameB2");
  name_b2_->hide();

  rz_button2_ = new QPushButton(Qt8("八字分析"), page);
  rz_button2_->setObjectName(QStringLiteral("RzButton2"));
  rz_button2_->setGeometry(640, 6, 90, 25);
  OnClick(rz_button2_, this, [this] { RzButton2Click(); });

  memo1_ = PlacePane(page, "Memo1", Wrap::PaneWidth, QRect(0, 38, kPageWidth, kPageHeight - 38));
  memo1_->widget()->setAccessibleName(Qt8("分析报告"));
  AttachReportActions(memo1_->widget(), page, [this] { return chart_report_; });
  return page;
}

QWidget* TFrmIndex::BuildAlmanacPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet3"));
  RowPlacer row(page, 4, 8);
  row.Label(Qt8("选择黄历："));
  sl_year_ = row.Put(MakeList(page, "SlYear", Numbers(2008, 2019, 4), true), 62);
  row.Label(Qt8("年"));
  sl_month_ = row.Put(MakeList(page, "SlMonth", Numbers(1, 12, 2), true), 46);
  row.Label(Qt8("月"));
  sl_day_ = row.Put(MakeList(page, "Slday", Numbers(1, 31, 2), true), 46);
  sl_year_->setAccessibleName(Qt8("黄历年"));
  sl_month_->setAccessibleName(Qt8("黄历月"));
  sl_day_->setAccessibleName(Qt8("黄历日"));
  row.Label(Qt8("日"));
  auto* show = row.Put(new QPushButton(Qt8("查看"), page), 56);
  show->setObjectName(QStringLiteral("BtnHuangli"));
  OnClick(show, this, [this] { BtnHuangliClick(); });

  constexpr int kHalf = kPageWidth / 2;
  auto* result = new QLabel(Qt8("测算结果："), page);
  result->setGeometry(4, 36, 200, 16);
  memo_huangli_ = PlacePane(page, "MemoHuangli", Wrap::PaneWidth, QRect(0, 54, kHalf - 3, kPageHeight - 54));
  memo_huangli_->widget()->setAccessibleName(Qt8("测算结果"));
  AttachReportActions(memo_huangli_->widget(), page, [this] { return almanac_report_; });

  auto* glossary_label = new QLabel(Qt8("黄历名词解释："), page);
  glossary_label->setGeometry(kHalf + 4, 36, 200, 16);
  QPlainTextEdit* glossary = MakePane(page, "MemoGlossary", Wrap::PaneWidth);
  glossary->setAccessibleName(Qt8("黄历名词解释"));
  glossary->setGeometry(kHalf + 3, 54, kHalf - 3, kPageHeight - 54);
  QStringList lines;
  for (const std::string& line : AlmanacGlossary()) lines << QString::fromStdString(line);
  glossary->setPlainText(lines.join(QLatin1Char('\n')));
  return page;
}

QWidget* TFrmIndex::BuildEncyclopediaPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet4"));
  int y = 3;
  // The topic shown stays marked (pressed) until another one is chosen. The
  // buttons are not an exclusive group: in one, Tab would reach only the
  // marked button and the others only by the arrow keys.
  auto topics = std::make_shared<QList<QPushButton*>>();
  for (const auto& [caption, code] : kTopics) {
    auto* button = new QPushButton(Qt8(caption), page);
    button->setCheckable(true);
    topics->append(button);
    button->setObjectName(QStringLiteral("Topic_%1").arg(QString::fromLatin1(code)));
    // The code is the key of the topic's row; it is kept, never shown.
    button->setProperty("topicCode", QString::fromLatin1(code));
    button->setGeometry(4, y, 153, 22);
    OnClick(button, this, [this, button, topics] {
      for (QPushButton* topic : *topics) topic->setChecked(topic == button);
      topic_report_ = {Qt8("合婚百科"), button->text(), {Qt8("合婚百科"), button->text()}};
      ShowTopicOf(button->property("topicCode").toString());
    });
    y += 32;
  }
  memo_bk_ = PlacePane(page, "MemoBk", Wrap::PaneWidth, QRect(162, 0, kPageWidth - 162, kPageHeight));
  memo_bk_->widget()->setAccessibleName(Qt8("合婚百科"));
  topic_report_ = {Qt8("合婚百科"), QString(), {Qt8("合婚百科")}};
  AttachReportActions(memo_bk_->widget(), page, [this] { return topic_report_; });
  memo_bk_->SetText(ResourceText(QStringLiteral(":/texts/encyclopedia_intro.txt")).toStdString());
  return page;
}

QWidget* TFrmIndex::BuildCataloguePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet5"));
  constexpr int kStep = 71 + 16;
  const auto heading = [page](const QString& text, int y) {
    auto* label = new QLabel(text, page);
    label->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold; font-size: 14px;"));
    label->setGeometry(20, y, 300, 20);
  };
  const auto button = [page](int group, int index, const QString& caption, const QString& sign) {
    auto* b = new PaintedButton(page, [group, sign, caption](QPainter& p, const QRectF& r, const ButtonLook& look) {
      PaintCatalogueButton(p, r, look, group, sign, caption);
    });
    b->setText(caption);
    b->setToolTip(caption);
    b->setAccessibleName(caption);
    b->setGeometry(24 + index * kStep, group == 0 ? 44 : 190, 71, 71);
    return b;
  };

  heading(Qt8("民俗预测"), 16);
  for (int i = 0; i < static_cast<int>(std::size(kOmenButtons)); ++i) {
    PaintedButton* b = button(0, i, Qt8(kOmenButtons[i].caption), Qt8(kOmenButtons[i].sign));
    b->setObjectName(QStringLiteral("OmenButton%1").arg(i));
    OnClick(b, this, [this, i] { OpenFolkOmen(i); });
  }

  heading(Qt8("数字吉祥"), 162);
  struct Tool {
    const char* name;
    const char* caption;
    const char* sign;
    void (TFrmIndex::*open)();
  };
  const Tool tools[] = {
      {"BtnShouji", "手机号码", "机", &TFrmIndex::OpenMobileNumber},
      {"BtnQQ", "QQ号分析", "QQ", &TFrmIndex::OpenQQNumber},
      {"BtnNumber", "更多数字", "数", &TFrmIndex::OpenAnyNumber},
      {"BtnWangming", "网名分析", "网", &TFrmIndex::OpenNetName},
      {"BtnCalendar", "万年历法", "历", &TFrmIndex::OpenMonthCalendar},
      {"BtnNanNv", "生男生女", "孕", &TFrmIndex::OpenBoyGirlChart},
      {"BtnSolarTime", "真太阳时", "晷", &TFrmIndex::OpenSolarTime},
  };
  for (int i = 0; i < static_cast<int>(std::size(tools)); ++i) {
    PaintedButton* b = button(1, i, Qt8(tools[i].caption), Qt8(tools[i].sign));
    b->setObjectName(QString::fromLatin1(tools[i].name));
    OnClick(b, this, [this, open = tools[i].open] { (this->*open)(); });
  }
  return page;
}

QWidget* TFrmIndex::BuildAboutPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet6"));
  QPlainTextEdit* pane = MakePane(page, "MemoAbout", Wrap::PaneWidth);
  pane->setAccessibleName(Qt8("关于我们"));
  pane->setGeometry(0, 0, kPageWidth, kPageHeight);
  SetPaneText(pane, ResourceText(QStringLiteral(":/texts/about.txt")));
  return page;
}

Page TFrmIndex::CurrentPage() const { return static_cast<Page>(pages_->currentIndex()); }

void TFrmIndex::SelectPage(Page page) { pages_->setCurrentIndex(static_cast<int>(page)); }

void TFrmIndex::RzToolButton2Click() { SelectPage(Page::Marriage); }

void TFrmIndex::RzToolButton1Click() {
  SelectPage(Page::Chart);
  rz_button2_->setText(Qt8("八字分析"));
  memo1_->Clear();
}

void TFrmIndex::RzToolButton3Click() {
  SelectPage(Page::Chart);
  rz_button2_->setText(Qt8("星座分析"));
  memo1_->Clear();
}

void TFrmIndex::RzToolButton5Click() {
  SelectPage(Page::Almanac);
  BtnHuangliClick();
}

void TFrmIndex::RzToolButton7Click() { SelectPage(Page::Encyclopedia); }

void TFrmIndex::RzToolButton8Click() { SelectPage(Page::Catalogue); }

void TFrmIndex::RzToolButton10Click() { SelectPage(Page::About); }

void TFrmIndex::RzToolButton11Click() { showMinimized(); }

void TFrmIndex::RzToolButton12Click() {
  CloseQueries();
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
  const MarriageEntry entry{ReadEntry(man_), ReadEntry(woman_)};
  const QString man = man_.name->text().trimmed(), woman = woman_.name->text().trimmed();
  marriage_report_ = {Qt8("合婚报告"), man + QStringLiteral(" / ") + woman,
                      {Qt8("合婚报告"), man, woman, QString::fromStdString(FormatDate(Today()))}};
  RunMarriageReport(entry, *marriage_panes_, notifier, adoquery2_, [this](EntryFocus focus) {
    if (focus == EntryFocus::ManName) man_.name->setFocus();
    if (focus == EntryFocus::WomanName) woman_.name->setFocus();
  });
  ShowFromStart(memo_success_->widget());
}

void TFrmIndex::RzButton2Click() {
  WindowNotifier notifier(this);
  ChartEntry entry;
  entry.person = ReadEntry(single_);
  entry.hiddenName = name_b2_->text().toStdString();
  entry.sex = SexOfText(single_.sex->currentText().trimmed().toStdString());
  entry.kind = rz_button2_->text() == Qt8("八字分析") ? ReportKind::Chart : ReportKind::Constellation;
  const std::string before = memo1_->Text();
  RunChartReport(entry, *memo1_, re_bazi_, notifier);
  if (memo1_->Text() != before) {
    const QString kind = entry.kind == ReportKind::Chart ? Qt8("八字") : Qt8("星座");
    const QString name = single_.name->text().trimmed();
    chart_report_ = {kind, name, {kind, name}};
  }
  ShowFromStart(memo1_->widget());
}

void TFrmIndex::BtnHuangliClick() {
  WindowNotifier notifier(this);
  const std::string before = memo_huangli_->Text();
  ShowAlmanac(sl_year_->currentText().toStdString(), sl_month_->currentText().toStdString(),
              sl_day_->currentText().toStdString(), adoquery1_, *memo_huangli_, notifier);
  DateTime day;
  if (memo_huangli_->Text() != before &&
      TryStrToDate(text::Join({sl_year_->currentText().trimmed().toStdString(),
                               sl_month_->currentText().trimmed().toStdString(),
                               sl_day_->currentText().trimmed().toStdString()}, "-"),
                   day)) {
    const QString date = QString::fromStdString(FormatDate(day));
    almanac_report_ = {Qt8("黄历"), date, {Qt8("黄历"), date}};
  }
  ShowFromStart(memo_huangli_->widget());
}

void TFrmIndex::ShowTopicOf(const QString& code) { ShowTopic(code.toStdString(), *memo_bk_); }

void TFrmIndex::OpenFolkOmen(int page) {
  if (page < 0 || page >= static_cast<int>(std::size(kOmenButtons))) return;
  ShowFolkOmen(this, Qt8(kOmenButtons[page].title), page);
}

void TFrmIndex::OpenMobileNumber() { OpenModal<TFrm_SJcs>(); }

void TFrmIndex::OpenQQNumber() { OpenModal<TFrmQQhm>(); }

void TFrmIndex::OpenAnyNumber() { OpenModal<TFrm_onther>(); }

void TFrmIndex::OpenNetName() { OpenModal<TFrmWangming>(); }

void TFrmIndex::OpenMonthCalendar() { OpenModal<TFRM_Date>(); }

void TFrmIndex::OpenBoyGirlChart() { OpenModal<TFrm_NanNv>(); }

void TFrmIndex::OpenSolarTime() {
  TFrmSolarTime dialog(this, [this](BirthTarget target, CivilDate date, int hour, int minute) {
    FillBirth(target, date, hour, minute);
  });
  dialog.exec();
}

void TFrmIndex::FillBirth(BirthTarget target, CivilDate date, int hour, int minute) {
  if (target == BirthTarget::Chart) {
    RzToolButton1Click();  // the chart page, for the chart report
  } else {
    RzToolButton2Click();
  }
  const EntryRow& row = target == BirthTarget::MarriageMan ? man_ : target == BirthTarget::MarriageWoman ? woman_ : single_;
  row.calendar->setCurrentIndex(0);  // 公历
  SetListText(row.year, QString::number(date.year));
  SetListText(row.month, QString::number(date.month));
  SetListText(row.day, QString::number(date.day));
  SetListText(row.hour, Qt8(kHourItems[static_cast<std::size_t>(hour)]));
  SetListText(row.minute, QString::number(minute));
}

void TFrmIndex::CloseQueries() {
  adoquery1_.Close();
  adoquery2_.Close();
}

void TFrmIndex::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintMainBackground(p, size());
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
  // The window system's close: the queries are closed and the window goes
  // the normal way; the lock files are left alone.
  CloseQueries();
  QWidget::closeEvent(event);
}

}  // namespace vantrel::app
