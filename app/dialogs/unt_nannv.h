#pragma once
// The boy/girl conception chart TFrm_NanNv ("生男生女"): the traditional
// table of the mother's nominal age against the lunar month of conception.
// The user may write in the pane; nothing is kept when the dialog closes.
#include <QDialog>

class QPlainTextEdit;

namespace vantrel::app {

class TFrm_NanNv : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);

  QPlainTextEdit* Chart() const { return memo_; }

 private:
  QPlainTextEdit* memo_;
};

}  // namespace vantrel::app
