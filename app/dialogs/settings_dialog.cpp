#include "app/dialogs/settings_dialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/display_script.h"
#include "app/panes.h"
#include "app/settings.h"
#include "calendar/places.h"
#include "common/errors.h"

namespace vantrel::app {
namespace {

// The list items in the order of the enums.
const char* const kZiItems[] = {"子时不换日（23点仍属当日，时柱按当日起）", "子时换日（23点起日柱取次日）",
                                "晚子时（日柱仍取当日，时柱取次日子时）"};
const char* const kScriptItems[] = {"简体", "繁體（台湾）", "繁體（香港）"};

QPushButton* SmallButton(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TFrmSettings::TFrmSettings(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmSettings"));
  SetUpDialogWindow(this, QStringLiteral("设置"), QSize(460, 340));
  const Remembered remembered = ReadRemembered();
  auto* layout = new QVBoxLayout(this);

  auto* chart = new QGroupBox(QStringLiteral("八字"), this);
  auto* chartForm = new QFormLayout(chart);
  zi_ = new QComboBox(chart);
  zi_->setObjectName(QStringLiteral("ZiRuleList"));
  for (const char* item : kZiItems) zi_->addItem(QString::fromUtf8(item));
  zi_->setCurrentIndex(static_cast<int>(CurrentZiRule()));
  zi_->setAccessibleName(QStringLiteral("子时规则"));
  chartForm->addRow(QStringLiteral("子时（23-24点）："), zi_);
  layout->addWidget(chart);

  auto* display = new QGroupBox(QStringLiteral("显示"), this);
  auto* displayForm = new QFormLayout(display);
  script_ = new QComboBox(display);
  script_->setObjectName(QStringLiteral("ScriptList"));
  // Each script is named in its own writing, whatever the window shows.
  script_->setProperty("vantrelAsIs", true);
  for (const char* item : kScriptItems) script_->addItem(QString::fromUtf8(item));
  script_->setCurrentIndex(static_cast<int>(DisplayScript()));
  script_->setAccessibleName(QStringLiteral("字形"));
  displayForm->addRow(QStringLiteral("字形："), script_);
  layout->addWidget(display);

  auto* kept = new QGroupBox(QStringLiteral("记住的内容"), this);
  auto* keptForm = new QFormLayout(kept);
  folder_ = new QLineEdit(remembered.outputFolder, kept);
  folder_->setObjectName(QStringLiteral("OutputFolder"));
  folder_->setReadOnly(true);
  folder_->setPlaceholderText(QStringLiteral("（未记住）"));
  folder_->setAccessibleName(QStringLiteral("保存报告的文件夹"));
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folder_, 1);
  QPushButton* choose = SmallButton(QStringLiteral("选择…"), "BtnChooseFolder", kept);
  QPushButton* forgetFolder = SmallButton(QStringLiteral("清除"), "BtnForgetFolder", kept);
  folderRow->addWidget(choose);
  folderRow->addWidget(forgetFolder);
  keptForm->addRow(QStringLiteral("保存文件夹："), folderRow);

  place_ = new QLineEdit(LastBirthplace(), kept);
  place_->setObjectName(QStringLiteral("Birthplace"));
  place_->setPlaceholderText(QStringLiteral("地名，如 乌鲁木齐；或经度，如 87.6"));
  place_->setAccessibleName(QStringLiteral("出生地"));
  QStringList places;
  for (const PlaceRecord& p : Places()) places << QString::fromStdString(p.name);
  auto* completer = new QCompleter(places, place_);
  completer->setFilterMode(Qt::MatchStartsWith);
  place_->setCompleter(completer);
  auto* placeRow = new QHBoxLayout;
  placeRow->addWidget(place_, 1);
  QPushButton* forgetPlace = SmallButton(QStringLiteral("清除"), "BtnForgetPlace", kept);
  placeRow->addWidget(forgetPlace);
  keptForm->addRow(QStringLiteral("真太阳时出生地："), placeRow);
  layout->addWidget(kept);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("SettingsMessage"));
  message_->setWordWrap(true);
  message_->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
  layout->addWidget(message_);
  layout->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  QPushButton* ok = SmallButton(QStringLiteral("确定"), "BtnOk", this);
  ok->setDefault(true);
  QPushButton* cancel = SmallButton(QStringLiteral("取消"), "BtnCancel", this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(choose, &QPushButton::clicked, this, [this] {
    const QString start = folder_->text().isEmpty() ? QDir::homePath() : folder_->text();
    const QString picked =
        QFileDialog::getExistingDirectory(this, Shown(QStringLiteral("保存报告的文件夹")), start);
    if (!picked.isEmpty()) folder_->setText(QDir::cleanPath(picked));
  });
  connect(forgetFolder, &QPushButton::clicked, folder_, &QLineEdit::clear);
  connect(forgetPlace, &QPushButton::clicked, place_, &QLineEdit::clear);
  connect(place_, &QLineEdit::textChanged, message_, &QLabel::clear);
  connect(ok, &QPushButton::clicked, this, &TFrmSettings::Keep);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSettings::Keep() {
  // A birthplace typed in either script is checked before anything is kept.
  const QString place = place_->text().trimmed();
  if (!place.isEmpty()) {
    try {
      ParseBirthplace(place.toStdString());
    } catch (const Error&) {
      message_->setText(
          Shown(QStringLiteral("没有找到出生地“%1”，请输入地名或经度（东经为正）。").arg(place)));
      place_->setFocus();
      return;
    }
  }
  RememberZiRule(static_cast<ZiRule>(zi_->currentIndex()));
  const Script script = static_cast<Script>(script_->currentIndex());
  RememberScript(script);
  const QString folder = folder_->text();
  if (folder.isEmpty()) {
    if (!ReadRemembered().outputFolder.isEmpty()) ForgetOutputFolder();
  } else if (folder != ReadRemembered().outputFolder && QFileInfo(folder).isDir()) {
    RememberOutputFolder(folder);
  }
  if (place.isEmpty()) {
    if (!LastBirthplace().isEmpty()) ForgetBirthplace();
  } else if (place != LastBirthplace()) {
    RememberBirthplace(place);
  }
  accept();
  SetDisplayScript(script);
}

}  // namespace vantrel::app
