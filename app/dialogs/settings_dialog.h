#pragma once
// The 设置 dialog of the catalogue: the 子 hour rule the reports are cast
// with, the script the window shows its texts in, and what the program
// remembers between runs (the folder reports are saved to, the birthplace
// of the true-solar-time dialog). 确定 keeps the choices (they are
// remembered across runs) and shows the window in the chosen script;
// 取消 leaves everything as it was.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::app {

class TFrmSettings : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmSettings(QWidget* parent = nullptr);

  QComboBox* ZiRuleList() const { return zi_; }
  QComboBox* ScriptList() const { return script_; }
  QLineEdit* FolderEntry() const { return folder_; }
  QLineEdit* BirthplaceEntry() const { return place_; }
  QLabel* Message() const { return message_; }

  // Keeps the choices and closes; a birthplace the program does not know
  // keeps the dialog open with a message.
  void Keep();

 private:
  QComboBox* zi_ = nullptr;
  QComboBox* script_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QLineEdit* place_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace vantrel::app
