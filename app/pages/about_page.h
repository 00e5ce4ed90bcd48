#pragma once
// The about page: one read-only pane, MemoAbout, with the text about the
// program's makers.
#include <QWidget>

namespace vantrel::app {

class AboutPage : public QWidget {
 public:
  AboutPage();
};

}  // namespace vantrel::app
