#include "app/dialogs/date_win.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "app/dialogs/entry_group.h"
#include "app/dispatcher.h"
#include "app/panes.h"
#include "calendar/month_grid.h"

namespace vantrel::app {
namespace {

QColor Rgb(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff); }

QRect ToQt(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

QFont Font(const QStringList& families, int pixels, int weight = QFont::Normal) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

const QStringList kArialBlack = {QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")};
const QStringList kArial = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")};
const QStringList kLiShu = {QStringLiteral("LiSu"), QStringLiteral("Noto Serif CJK SC"),
                            QStringLiteral("WenQuanYi Zen Hei")};
const QStringList kHeiTi = {QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC"),
                            QStringLiteral("WenQuanYi Zen Hei")};

void SetColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// A label that reports the press and the click of the mouse.
class CellLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> on_press;
  std::function<void()> on_click;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && on_press) on_press();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && on_click) {
      RunAction(window(), on_click);
    }
  }
};

CellLabel* MakeClickable(QWidget* parent, const QString& text, const QString& hint,
                         std::function<void()> click) {
  auto* label = new CellLabel(text, parent);
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(hint);
  label->on_click = std::move(click);
  return label;
}

}  // namespace

UpDown::UpDown(QWidget* parent, int minimum, int maximum)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), value_(minimum) {
  auto* up = new QToolButton(this);
  auto* down = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  up->setObjectName(QStringLiteral("Up"));
  down->setObjectName(QStringLiteral("Down"));
  up->setGeometry(0, 0, 16, 13);
  down->setGeometry(0, 13, 16, 13);
  resize(16, 26);
  connect(up, &QToolButton::clicked, this, [this] { Up(); });
  connect(down, &QToolButton::clicked, this, [this] { Down(); });
}

void UpDown::setValue(int value) { value_ = std::clamp(value, minimum_, maximum_); }

void UpDown::Up() {
  setValue(value_ + 1);
  if (on_click) RunAction(window(), on_click);
}

void UpDown::Down() {
  setValue(value_ - 1);
  if (on_click) RunAction(window(), on_click);
}

TFRM_Date::TFRM_Date(QWidget* parent, DateTime date) : QDialog(parent), date_(date) {
  setObjectName(QStringLiteral("FRM_Date"));
  SetUpDialogWindow(this, QStringLiteral("澄岚日历"), QSize(331, 285));
  QFont base = ProgramFont();
  base.setPointSize(9);
  setFont(base);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);

  // The pale watermarks lie behind everything else.
  label16_ = new QLabel(this);
  label16_->setFont(Font(kArialBlack, 120, QFont::Black));
  label16_->setGeometry(0, 80, 331, 150);
  label20_ = new QLabel(this);
  label20_->setFont(Font(kArialBlack, 64, QFont::Black));
  label20_->setGeometry(0, 100, 331, 90);
  for (QLabel* mark : {label16_, label20_}) {
    mark->setAlignment(Qt::AlignCenter);
    SetColour(mark, QColor(0xee, 0xf2, 0xf8));
  }
  label16_->setObjectName(QStringLiteral("Label16"));
  label20_->setObjectName(QStringLiteral("Label20"));

  shape2_ = new QFrame(this);
  shape2_->setObjectName(QStringLiteral("Shape2"));
  shape2_->setStyleSheet(QStringLiteral("background-color: #7EE281;"));
  shape2_->resize(kMarkerWidth, kMarkerHeight);

  // The year and the month with their spinners; a click on either number
  // shows its own spinner and hides the other one.
  label1_ = AddDatePart({"Label1", "UpDown1", Font(kArialBlack, 29, QFont::Black), QRect(4, 2, 88, 38), "年",
                         92, 106, 1901, 2050, "单击改变年份"},
                        &TFRM_Date::year_, up_down1_);
  SetColour(label1_, Qt::blue);
  label17_ = AddDatePart({"Label17", "UpDown2", Font(kArial, 32, QFont::Bold), QRect(124, 2, 42, 38), "月",
                          167, 182, 1, 12, "单击改变月份"},
                         &TFRM_Date::month_, up_down2_);
  label17_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  label21_ = new QLabel(this);
  label21_->setObjectName(QStringLiteral("Label21"));
  label21_->setFont(Font(kLiShu, 35, QFont::Bold));
  label21_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label21_->setGeometry(200, 0, 124, 40);
  SetColour(label21_, QColor(0x8b, 0x1a, 0x1a));

  // The weekday headings above and below the grid; Sunday and Saturday in red.
  static const char* const kWeekdays[] = {"星期日", "星期一", "星期二", "星期三",
                                          "星期四", "星期五", "星期六"};
  for (int column = 0; column < kMonthGridColumns; ++column) {
    for (int top : {40, 250}) {
      auto* heading = new QLabel(QString::fromUtf8(kWeekdays[column]), this);
      heading->setAlignment(Qt::AlignCenter);
      heading->setGeometry(DayLabelRect(column + 1).left - 4, top, 44, 14);
      if (column == 0 || column == 6) SetColour(heading, Qt::red);
    }
  }

  // BuildDayCells: the 37 cells, each a day number and a lunar text.
  for (int cell = 1; cell <= kMonthGridCells; ++cell) {
    auto* day = new CellLabel(this);
    day->setObjectName(QStringLiteral("DayLabel%1").arg(cell));
    day->setGeometry(ToQt(DayLabelRect(cell)));
    day->setFont(Font(kArialBlack, 14, QFont::Black));
    day->on_press = [this, day] { shape2_->move(day->x() - 1, day->y() + 1); };
    auto* text = new CellLabel(this);
    text->setObjectName(QStringLiteral("TextLabel%1").arg(cell));
    text->setGeometry(ToQt(TextLabelRect(cell)));
    text->setFont(Font(
        {QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")},
        12));
    text->on_press = [this, text] { shape2_->move(text->x(), text->y() - 16); };
    for (CellLabel* label : {day, text}) {
      label->setAlignment(Qt::AlignCenter);
      label->setCursor(Qt::PointingHandCursor);
      label->on_click = [this, cell] { SelectCell(cell); };
    }
    day_labels_[static_cast<std::size_t>(cell - 1)] = day;
    text_labels_[static_cast<std::size_t>(cell - 1)] = text;
  }

  label22_ = new QLabel(this);
  label22_->setObjectName(QStringLiteral("Label22"));
  label22_->setFont(Font(kHeiTi, 19, QFont::Bold));
  label22_->setGeometry(10, 264, 160, 20);

  auto* today = MakeClickable(this, QStringLiteral("今天"), QString(), [this] {
    date_ = Today();
    FormShow();
  });
  today->setObjectName(QStringLiteral("StaticText1"));
  today->setFrameStyle(QFrame::Box | QFrame::Plain);
  today->setAlignment(Qt::AlignCenter);
  today->setGeometry(282, 265, 40, 17);
}

QLabel* TFRM_Date::AddDatePart(const DatePart& part, int TFRM_Date::*value, UpDown*& spinner) {
  spinner = new UpDown(this, part.minimum, part.maximum);
  spinner->setObjectName(QString::fromLatin1(part.spinner_name));
  spinner->move(part.spinner_left, 8);
  // The arrows carry no text; a screen reader names them by what they change.
  const QString measure = QString::fromUtf8(part.unit) + QStringLiteral("份");
  spinner->findChild<QToolButton*>(QStringLiteral("Up"))->setAccessibleName(measure + QStringLiteral("加一"));
  spinner->findChild<QToolButton*>(QStringLiteral("Down"))
      ->setAccessibleName(measure + QStringLiteral("减一"));
  spinner->on_click = [this, value, spinner] {
    this->*value = spinner->value();
    ShowMonth(ClampedDate(year_, month_, day_));
  };
  QLabel* label = MakeClickable(this, QString(), QString::fromUtf8(part.hint), [this, spinner] {
    for (UpDown* each : {up_down1_, up_down2_}) each->setVisible(each == spinner);
  });
  label->setObjectName(QString::fromLatin1(part.label_name));
  label->setFont(part.font);
  label->setGeometry(part.label);
  auto* unit = new QLabel(QString::fromUtf8(part.unit), this);
  unit->setGeometry(part.unit_left, 18, 14, 16);
  return label;
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RunAction(this, [this] { FormShow(); });
}

void TFRM_Date::changeEvent(QEvent* event) {
  // Once the calendar has had the focus, losing it closes the calendar.
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      was_active_ = true;
    } else if (was_active_ && isVisible()) {
      close();
    }
  }
  QDialog::changeEvent(event);
}

void TFRM_Date::FormShow() {
  const CivilDate shown = DecodeDate(date_);
  year_ = shown.year;
  month_ = shown.month;
  day_ = shown.day;
  up_down1_->setValue(year_);
  up_down2_->setValue(month_);
  ShowMonth(date_);
}

void TFRM_Date::ShowMonth(DateTime date) {
  const CivilDate shown = DecodeDate(date);
  grid_ = BuildMonthGrid(shown.year, shown.month, shown.day);
  const MonthGrid& grid = grid_;
  label1_->setText(QString::number(grid.year));
  label20_->setText(QString::number(grid.year));
  label17_->setText(QString::number(grid.month));
  label16_->setText(QString::number(grid.month));
  label21_->setText(Qt8(grid.zodiac));
  for (int cell = 1; cell <= kMonthGridCells; ++cell) {
    QLabel* day = day_labels_[static_cast<std::size_t>(cell - 1)];
    QLabel* text = text_labels_[static_cast<std::size_t>(cell - 1)];
    const MonthCell& c = grid.Cell(cell);
    QFont font = day->font();
    font.setPointSize(11);
    day->setFont(font);
    SetColour(day, Qt::black);
    day->setVisible(c.used());
    text->setVisible(c.used());
    if (!c.used()) continue;
    day->setText(QString::number(c.day));
    text->setText(Qt8(c.text));
    SetColour(text, Rgb(c.colour));
  }
  shape2_->setGeometry(ToQt(MarkerRect(grid.selectedCell)));
  label22_->setText(Qt8(grid.constellation));
}

void TFRM_Date::SelectCell(int cell) {
  const MonthCell& c = grid_.Cell(cell);
  if (!c.used()) return;
  const int day = c.day;
  day_ = day;
  StoreSelectedDate();
}

void TFRM_Date::StoreSelectedDate() {
  // The month is not drawn again: the constellation keeps showing the day of
  // the last drawing.
  if (const std::optional<DateTime> date = TryEncodeDate(year_, month_, day_)) date_ = *date;
}

}  // namespace vantrel::app
