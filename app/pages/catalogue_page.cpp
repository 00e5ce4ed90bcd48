#include "app/pages/catalogue_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/display_script.h"
#include "app/pages/controls.h"

namespace vantrel::app {
namespace {

// The folk-omen buttons: caption, window title, the sign on the icon.
struct OmenButton {
  const char* caption;
  const char* title;
  const char* sign;
};
constexpr OmenButton kOmenButtons[CataloguePage::kFolkOmenCount] = {
    {"喷嚏预测", "打喷嚏占卜吉凶", "嚏"}, {"面热预测", "面热测吉凶", "面"}, {"心惊预测", "心惊测吉凶", "心"},
    {"犬吠预测", "犬吠测吉凶", "犬"},     {"眼跳预测", "眼跳测吉凶", "眼"}, {"耳热预测", "耳热测吉凶", "耳"},
    {"耳鸣预测", "耳鸣测吉凶", "鸣"},
};

// The tool buttons, in the order of CatalogueTool: object name, caption and
// the sign on the icon.
struct ToolButton {
  const char* name;
  const char* caption;
  const char* sign;
};
constexpr ToolButton kToolButtons[CataloguePage::kToolCount] = {
    {"BtnShouji", "手机号码", "机"},    {"BtnQQ", "QQ号分析", "QQ"},       {"BtnNumber", "更多数字", "数"},
    {"BtnWangming", "网名分析", "网"},  {"BtnCalendar", "万年历法", "历"}, {"BtnNanNv", "生男生女", "孕"},
    {"BtnSolarTime", "真太阳时", "晷"}, {"BtnZeri", "择日", "择"},         {"BtnSettings", "设置", "设"},
};

constexpr int kButtonSize = 71;
constexpr int kButtonGap = 16;

void AddHeading(QVBoxLayout* page, const QString& text) {
  auto* label = new QLabel(text, page->parentWidget());
  label->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold; font-size: 14px;"));
  label->setFixedSize(300, 20);
  AddFixedSize(page, label);
}

// A group's row of buttons, four pixels in from its heading.
QHBoxLayout* AddButtonRow(QVBoxLayout* page) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(4, 0, 0, 0);
  row->setSpacing(kButtonGap);
  page->addLayout(row);
  return row;
}

QAbstractButton* AddButton(QHBoxLayout* row, QWidget* page, int group, const QString& caption,
                           const QString& sign) {
  auto* button =
      new PaintedButton(page, [group, sign, caption](QPainter& p, const QRectF& r, const ButtonLook& look) {
        PaintCatalogueButton(p, r, look, group, ShownPart(sign, caption), Shown(caption));
      });
  button->setText(caption);
  button->setToolTip(caption);
  button->setAccessibleName(caption);
  button->setFixedSize(kButtonSize, kButtonSize);
  AddFixedSize(row, button);
  return button;
}

}  // namespace

CataloguePage::CataloguePage() {
  setObjectName(QStringLiteral("TabSheet5"));
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(20, 16, 0, 0);
  page->setSpacing(0);

  AddHeading(page, Qt8("民俗预测"));
  page->addSpacing(8);
  QHBoxLayout* omens = AddButtonRow(page);
  for (int i = 0; i < kFolkOmenCount; ++i) {
    QAbstractButton* b = AddButton(omens, this, 0, Qt8(kOmenButtons[i].caption), Qt8(kOmenButtons[i].sign));
    b->setObjectName(QStringLiteral("OmenButton%1").arg(i));
    omens_[static_cast<std::size_t>(i)] = b;
  }
  omens->addStretch(1);

  page->addSpacing(47);
  AddHeading(page, Qt8("数字吉祥"));
  page->addSpacing(8);
  QHBoxLayout* tools = AddButtonRow(page);
  for (int i = 0; i < kToolCount; ++i) {
    QAbstractButton* b = AddButton(tools, this, 1, Qt8(kToolButtons[i].caption), Qt8(kToolButtons[i].sign));
    b->setObjectName(QString::fromLatin1(kToolButtons[i].name));
    tools_[static_cast<std::size_t>(i)] = b;
  }
  tools->addStretch(1);
  page->addStretch(1);
}

QString CataloguePage::FolkOmenTitle(int page) {
  if (page < 0 || page >= kFolkOmenCount) return {};
  return Qt8(kOmenButtons[page].title);
}

}  // namespace vantrel::app
