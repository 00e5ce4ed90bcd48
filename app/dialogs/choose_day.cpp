#include "app/dialogs/choose_day.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dispatcher.h"
#include "app/qt_text.h"
#include "app/report_output.h"
#include "export/choose_calendar.h"
#include "export/ics.h"

namespace vantrel::app {
namespace {

// The people table's columns.
enum Column { kRole, kName, kCalendar, kYear, kMonth, kDay, kHour, kMinute, kSex, kColumnCount };

const char* const kOptionTexts[4] = {"不忌即可（不必注宜）", "兼避日支相冲", "兼避刑、害",
                                     "采用俗例（大利月、嫁娶周堂）"};
const char* const kOptionNames[4] = {"OptNotForbidden", "OptDayBranch", "OptXingHai", "OptPopular"};

QDate ToQDate(const CivilDate& d) { return QDate(d.year, d.month, d.day); }
CivilDate FromQDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

QDateEdit* NewDateEdit(QWidget* parent, const char* name, const QDate& date) {
  auto* edit = new QDateEdit(date, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  edit->setCalendarPopup(true);
  edit->setDateRange(ToQDate(almanac::kFirstDay), ToQDate(almanac::kLastDay));
  return edit;
}

QString Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text().trimmed() : QString();
}

}  // namespace

TFrmChooseDay::TFrmChooseDay(QWidget* parent, CoupleSource couple)
    : QDialog(parent), couple_(std::move(couple)) {
  setObjectName(QStringLiteral("FrmChooseDay"));
  setWindowTitle(QStringLiteral("择日"));
  resize(900, 640);
  auto* page = new QVBoxLayout(this);

  // The activity and the range.
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("事项："), this));
  activity_ = new QComboBox(this);
  activity_->setObjectName(QStringLiteral("ActivityBox"));
  for (std::string_view word : choose::Activities()) activity_->addItem(Qt8(word));
  activity_->setCurrentText(Qt8(choose::kDefaultActivity));
  activity_->setAccessibleName(QStringLiteral("事项"));
  top->addWidget(activity_);
  top->addSpacing(16);
  const QDate tomorrow = QDate::currentDate().addDays(1);
  top->addWidget(new QLabel(QStringLiteral("从"), this));
  from_ = NewDateEdit(this, "FromDate", tomorrow);
  from_->setAccessibleName(QStringLiteral("开始日期"));
  top->addWidget(from_);
  top->addWidget(new QLabel(QStringLiteral("至"), this));
  to_ = NewDateEdit(this, "ToDate", tomorrow.addYears(1).addDays(-1));
  to_->setAccessibleName(QStringLiteral("结束日期"));
  top->addWidget(to_);
  top->addStretch(1);
  page->addLayout(top);

  // The people.
  people_ = new QTableWidget(0, kColumnCount, this);
  people_->setObjectName(QStringLiteral("PeopleTable"));
  people_->setHorizontalHeaderLabels({QStringLiteral("身份"), QStringLiteral("姓名"), QStringLiteral("历法"),
                                      QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"),
                                      QStringLiteral("时"), QStringLiteral("分"), QStringLiteral("性别")});
  people_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  people_->verticalHeader()->hide();
  people_->setFixedHeight(120);
  people_->setAccessibleName(QStringLiteral("当事人"));
  page->addWidget(people_);
  auto* peopleButtons = new QHBoxLayout;
  take_ = new QPushButton(QStringLiteral("取合婚页的男女方"), this);
  take_->setObjectName(QStringLiteral("BtnTakeCouple"));
  add_ = new QPushButton(QStringLiteral("添加当事人"), this);
  add_->setObjectName(QStringLiteral("BtnAddPerson"));
  remove_ = new QPushButton(QStringLiteral("删除当事人"), this);
  remove_->setObjectName(QStringLiteral("BtnRemovePerson"));
  peopleButtons->addWidget(take_);
  peopleButtons->addWidget(add_);
  peopleButtons->addWidget(remove_);
  peopleButtons->addStretch(1);
  page->addLayout(peopleButtons);

  // The options and the button.
  auto* optionRow = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    options_[i] = new QCheckBox(QString::fromUtf8(kOptionTexts[i]), this);
    options_[i]->setObjectName(QString::fromLatin1(kOptionNames[i]));
    optionRow->addWidget(options_[i]);
  }
  optionRow->addStretch(1);
  auto* choose = new QPushButton(QStringLiteral("开始择日"), this);
  choose->setObjectName(QStringLiteral("BtnChoose"));
  choose->setDefault(true);
  optionRow->addWidget(choose);
  page->addLayout(optionRow);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("Message"));
  message_->setStyleSheet(QStringLiteral("color: #b00000;"));
  message_->setWordWrap(true);
  page->addWidget(message_);

  // The list, and the selected day's almanac beside it.
  auto* split = new QSplitter(Qt::Horizontal, this);
  list_ = new QTreeWidget(split);
  list_->setObjectName(QStringLiteral("DayList"));
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  list_->setHeaderLabels({QStringLiteral("排名"), QStringLiteral("日期"), QStringLiteral("星期"),
                          QStringLiteral("农历"), QStringLiteral("日柱"), QStringLiteral("理由")});
  list_->setAccessibleName(QStringLiteral("择日结果"));
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* right = new QWidget(split);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  detail_ = new QPlainTextEdit(right);
  detail_->setObjectName(QStringLiteral("DayDetail"));
  detail_->setReadOnly(true);
  detail_->setAccessibleName(QStringLiteral("当日黄历与理由"));
  rightLayout->addWidget(detail_);
  auto* why = new QHBoxLayout;
  whyDate_ = NewDateEdit(right, "WhyDate", tomorrow);
  whyDate_->setAccessibleName(QStringLiteral("要查问的日期"));
  auto* whyButton = new QPushButton(QStringLiteral("为什么不选这一天"), right);
  whyButton->setObjectName(QStringLiteral("BtnWhy"));
  why->addWidget(whyDate_);
  why->addWidget(whyButton);
  why->addStretch(1);
  rightLayout->addLayout(why);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  page->addWidget(split, 1);

  // The list as text, for saving, printing and the PDF.
  listText_ = new QPlainTextEdit(this);
  listText_->setObjectName(QStringLiteral("ListText"));
  listText_->setReadOnly(true);
  listText_->hide();
  AttachReportActions(listText_, this, [this] {
    const QString activity = result_ ? Qt8(result_->request.activity) : activity_->currentText();
    return ReportIdentity{QStringLiteral("择日"),
                          activity,
                          {QStringLiteral("择日"), activity, QDate::currentDate().toString(Qt::ISODate)}};
  });

  connect(activity_, &QComboBox::currentTextChanged, this, [this] { ActivityChanged(); });
  OnClick(choose, this, [this] { Choose(); });
  OnClick(whyButton, this, [this] { ExplainWhy(); });
  OnClick(take_, this, [this] { TakeCouple(); });
  OnClick(add_, this, [this] { AddPerson(); });
  OnClick(remove_, this, [this] { RemovePerson(); });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!item || !result_) return;
    const int index = list_->indexOfTopLevelItem(item);
    if (index < 0 || index >= static_cast<int>(result_->chosen.size())) return;
    const choose::DayJudgement& day = result_->chosen[static_cast<std::size_t>(index)];
    ShowDay(*result_, day);
    // The question below starts from the day shown.
    whyDate_->setDate(ToQDate(day.day.date));
  });
  connect(list_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = MakeReportMenu(listText_);
    // The list is not the text pane: copying and selecting its hidden text
    // would do nothing the user could see.
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
      if (action->text() == QStringLiteral("复制") || action->text() == QStringLiteral("全选")) {
        menu->removeAction(action);
      } else if (action->isSeparator()) {
        menu->removeAction(action);
        break;
      }
    }
    menu->addSeparator();
    QAction* ics = menu->addAction(QStringLiteral("导出日历…"), this, [this] { ExportCalendar(); });
    ics->setObjectName(QStringLiteral("ExportCalendar"));
    ics->setEnabled(result_ && !result_->chosen.empty());
    menu->exec(list_->viewport()->mapToGlobal(at));
    delete menu;
  });

  ActivityChanged();
}

void TFrmChooseDay::SetPersonRow(int row, const QString& role, const EntryTexts& texts, const QString& sex) {
  const QString values[kColumnCount] = {
      role,
      Qt8(texts.name),
      texts.calendar == CalendarKind::Lunar ? QStringLiteral("农历") : QStringLiteral("公历"),
      Qt8(texts.year),
      Qt8(texts.month),
      Qt8(texts.day),
      Qt8(texts.hour),
      Qt8(texts.minute),
      sex};
  for (int c = 0; c < kColumnCount; ++c) {
    auto* item = new QTableWidgetItem(values[c]);
    // The role and, in a couple, the sex are fixed.
    if (c == kRole || (c == kSex && role != QStringLiteral("当事人")))
      item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    people_->setItem(row, c, item);
  }
}

void TFrmChooseDay::ActivityChanged() {
  const bool wedding = activity_->currentText() == Qt8(choose::kDefaultActivity);
  take_->setVisible(wedding);
  add_->setVisible(!wedding);
  remove_->setVisible(!wedding);
  options_[3]->setEnabled(wedding);
  people_->setRowCount(0);
  if (wedding) TakeCouple();
}

void TFrmChooseDay::TakeCouple() {
  std::pair<EntryTexts, EntryTexts> couple;
  if (couple_) couple = couple_();
  people_->setRowCount(2);
  SetPersonRow(0, QStringLiteral("男方"), couple.first, QStringLiteral("男"));
  SetPersonRow(1, QStringLiteral("女方"), couple.second, QStringLiteral("女"));
}

void TFrmChooseDay::AddPerson() {
  const int row = people_->rowCount();
  people_->insertRow(row);
  EntryTexts texts;
  texts.year.clear();
  texts.month.clear();
  texts.day.clear();
  SetPersonRow(row, QStringLiteral("当事人"), texts, QStringLiteral("男"));
  people_->setCurrentCell(row, kName);
  people_->editItem(people_->item(row, kName));
}

void TFrmChooseDay::RemovePerson() {
  const int row = people_->currentRow();
  if (row >= 0) people_->removeRow(row);
}

choose::ChooseRequest TFrmChooseDay::Request() const {
  choose::ChooseRequest r;
  r.activity = activity_->currentText().trimmed().toStdString();
  r.from = FromQDate(from_->date());
  r.to = FromQDate(to_->date());
  r.options.notForbiddenEnough = options_[0]->isChecked();
  r.options.dayBranch = options_[1]->isChecked();
  r.options.xingHai = options_[2]->isChecked();
  r.options.popularRules = options_[3]->isChecked() && options_[3]->isEnabled();
  for (int row = 0; row < people_->rowCount(); ++row) {
    EntryTexts t;
    t.name = Cell(people_, row, kName).toStdString();
    t.calendar =
        Cell(people_, row, kCalendar) == QStringLiteral("农历") ? CalendarKind::Lunar : CalendarKind::Solar;
    t.year = Cell(people_, row, kYear).toStdString();
    t.month = Cell(people_, row, kMonth).toStdString();
    t.day = Cell(people_, row, kDay).toStdString();
    // An hour typed as a number 0..23 becomes its item; an item stays as it is.
    const QString hour = Cell(people_, row, kHour);
    bool number = false;
    const int h = hour.toInt(&number);
    t.hour = number && h >= 0 && h <= 23 ? std::string(kHourItems[static_cast<std::size_t>(h)])
                                         : hour.toStdString();
    t.minute = Cell(people_, row, kMinute).toStdString();
    const QString role = Cell(people_, row, kRole);
    const choose::Role r2 = role == QStringLiteral("男方")   ? choose::Role::kMan
                            : role == QStringLiteral("女方") ? choose::Role::kWoman
                                                             : choose::Role::kPerson;
    const Sex sex = r2 == choose::Role::kWoman                         ? Sex::Woman
                    : r2 == choose::Role::kMan                         ? Sex::Man
                    : Cell(people_, row, kSex) == QStringLiteral("女") ? Sex::Woman
                                                                       : Sex::Man;
    r.people.push_back({r2, ReadMarriagePerson(t), sex});
  }
  return r;
}

void TFrmChooseDay::ShowMessage(const QString& text) { message_->setText(text); }

void TFrmChooseDay::Choose() {
  list_->clear();
  detail_->clear();
  listText_->clear();
  result_.reset();
  choose::ChooseResult result = choose::ChooseDays(Request());
  if (result.notice) {
    // Nothing half shown: the list stays empty and the message says why.
    ShowMessage(Qt8(*result.notice));
    return;
  }
  result_ = std::move(result);
  QString people;
  for (const choose::PersonPillars& p : result_->people)
    people += QStringLiteral("%1：年柱%2 日柱%3。").arg(Qt8(p.label), Qt8(p.year.Text()), Qt8(p.day.Text()));
  ShowMessage(QStringLiteral("共查%1天，可选%2天。%3选中一天可看当日黄历与理由。")
                  .arg(result_->examined)
                  .arg(result_->chosen.size())
                  .arg(people));
  int rank = 0;
  for (const choose::DayJudgement& j : result_->chosen) {
    const CivilDate& d = j.day.date;
    auto* item = new QTreeWidgetItem(
        list_,
        {QString::number(++rank), ToQDate(d).toString(Qt::ISODate), Qt8(choose::WeekdayText(j.day.weekday)),
         Qt8(choose::LunarDayText(j.day.lunar)), Qt8(j.day.day.Text()), Qt8(choose::ReasonsLine(j.reasons))});
    item->setToolTip(5, item->text(5));
  }
  for (int c = 0; c < 5; ++c) list_->resizeColumnToContents(c);
  QStringList lines;
  for (const std::string& line : choose::ChooseLines(*result_)) lines << Qt8(line);
  listText_->setPlainText(lines.join(QLatin1Char('\n')));
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
}

void TFrmChooseDay::ShowDay(const choose::ChooseResult& context, const choose::DayJudgement& judgement) {
  QStringList lines;
  for (const std::string& line : choose::DayDetailLines(context, judgement)) lines << Qt8(line);
  detail_->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFrmChooseDay::ExplainWhy() {
  // The day is judged for the request as the controls hold it now.
  const choose::ChooseResult context = choose::ChooseDays(Request());
  if (context.notice) {
    ShowMessage(Qt8(*context.notice));
    return;
  }
  ShowDay(context, choose::JudgeDay(context, FromQDate(whyDate_->date())));
}

void TFrmChooseDay::ExportCalendar() {
  if (!result_ || result_->chosen.empty()) return;
  const QString name = QStringLiteral("择日_%1_%2.ics")
                           .arg(Qt8(result_->request.activity), QDate::currentDate().toString(Qt::ISODate));
  const QString path =
      AskOutputFile(this, QStringLiteral("导出日历"), name, {QStringLiteral("日历文件 (*.ics)")});
  if (path.isEmpty()) return;
  const choose::ChooseResult result = *result_;
  WriteOrSayError(this, path, [&] {
    WriteCalendarFile(QFile::encodeName(path).toStdString(), ChosenDayCalendarInfo(result),
                      ChosenDayEvents(result));
  });
}

}  // namespace vantrel::app
