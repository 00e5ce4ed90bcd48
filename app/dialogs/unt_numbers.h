#pragma once
// The three number dialogs: the mobile number (TFrm_SJcs), the QQ number
// (TFrmQQhm) and any number (TFrm_onther). They share one layout: an input
// group whose entry takes only digits, and a result group of four fields.
#include <QDialog>

#include "divination/numbers.h"

class QLabel;
class QLineEdit;

namespace vantrel::app {

class TFrmNumber : public QDialog {
  Q_OBJECT

 public:
  QLineEdit* Entry() const { return entry_; }
  // "测算" over what the entry holds.
  void RzBitBtn1Click();

 protected:
  TFrmNumber(QWidget* parent, NumberDialog kind);

 private:
  NumberDialog kind_;
  QLineEdit* entry_ = nullptr;
  QLabel* number_ = nullptr;
  QLabel* state_ = nullptr;
  QLabel* luck_ = nullptr;
  QLabel* description_ = nullptr;
};

class TFrm_SJcs : public TFrmNumber {
  Q_OBJECT
 public:
  explicit TFrm_SJcs(QWidget* parent = nullptr) : TFrmNumber(parent, NumberDialog::Mobile) {}
};

class TFrmQQhm : public TFrmNumber {
  Q_OBJECT
 public:
  explicit TFrmQQhm(QWidget* parent = nullptr) : TFrmNumber(parent, NumberDialog::QQ) {}
};

class TFrm_onther : public TFrmNumber {
  Q_OBJECT
 public:
  explicit TFrm_onther(QWidget* parent = nullptr) : TFrmNumber(parent, NumberDialog::Any) {}
};

}  // namespace vantrel::app
