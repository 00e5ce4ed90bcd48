#pragma once
// The encyclopedia page: ten topic buttons in a column on the left and the
// text pane MemoBk beside them, which opens on the introduction. The topic
// shown stays marked (pressed) until another one is chosen.
#include <QList>
#include <QWidget>
#include <memory>

#include "app/panes.h"
#include "app/report_output.h"

class QPushButton;

namespace vantrel::app {

class EncyclopediaPage : public QWidget {
 public:
  EncyclopediaPage();
  ~EncyclopediaPage() override;

  // Shows the topic with this code ("hh06") in MemoBk and marks its button.
  void ShowTopic(const QString& code);

  const QList<QPushButton*>& TopicButtons() const { return topics_; }
  // The code of the topic a button shows.
  static QString TopicCode(const QPushButton* button);
  PlainTextPane& TopicPane() { return *text_; }

 private:
  QList<QPushButton*> topics_;
  std::unique_ptr<PlainTextPane> text_;
  ReportIdentity identity_;
};

}  // namespace vantrel::app
