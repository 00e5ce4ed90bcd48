#pragma once
// The catalogue page: two groups of picture buttons, each a row under its
// heading. "民俗预测" opens the folk-omen windows (the button's position is
// the omen window's page), "数字吉祥" the number, name, calendar and chart
// dialogs and the settings (设置).
#include <QString>
#include <QWidget>
#include <array>

class QAbstractButton;

namespace vantrel::app {

enum class CatalogueTool {
  MobileNumber,
  QQNumber,
  AnyNumber,
  NetName,
  MonthCalendar,
  BoyGirlChart,
  SolarTime,
  ChooseDay,
  Settings
};

class CataloguePage : public QWidget {
 public:
  static constexpr int kFolkOmenCount = 7;
  static constexpr int kToolCount = 9;

  CataloguePage();

  QAbstractButton* FolkOmenButton(int page) const { return omens_.at(static_cast<std::size_t>(page)); }
  QAbstractButton* ToolButton(CatalogueTool tool) const { return tools_.at(static_cast<std::size_t>(tool)); }

  // The title of the omen window of a page ("打喷嚏占卜吉凶" for page 0);
  // empty for a page that does not exist.
  static QString FolkOmenTitle(int page);

 private:
  std::array<QAbstractButton*, kFolkOmenCount> omens_{};
  std::array<QAbstractButton*, kToolCount> tools_{};
};

}  // namespace vantrel::app
