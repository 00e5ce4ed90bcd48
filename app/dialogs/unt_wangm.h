#pragma once
// The net-name dialog TFrmWangming ("网名与性格"): a nickname in, a short
// personality phrase out, chosen by the pinyin initial of the name's last
// readable character.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace vantrel::app {

class TFrmWangming : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmWangming(QWidget* parent = nullptr);

  QLineEdit* Entry() const { return entry_; }
  // "测算" over what the entry holds.
  void RzBitBtn1Click();

 private:
  QLineEdit* entry_ = nullptr;
  QLabel* name_line_ = nullptr;
  QLabel* phrase_line_ = nullptr;
};

}  // namespace vantrel::app
