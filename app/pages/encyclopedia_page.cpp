#include "app/pages/encyclopedia_page.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/pages/controls.h"
#include "reports/encyclopedia.h"

namespace vantrel::app {
namespace {

// The topics: caption and the code of the topic's row.
constexpr std::pair<const char*, const char*> kTopics[] = {
    {"什么是八字", "hh01"},
    {"八字合婚来源", "hh02"},
    {"合婚方法", "hh03"},
    {"小五婚", "hh04"},
    {"合婚其他外界因素", "hh05"},
    {"六冲", "hh06"},
    {"六害", "hh07"},
    {"相刑", "hh08"},
    {"六合三合", "hh09"},
    {"周太常斗临经合婚法", "hh10"},
};

}  // namespace

EncyclopediaPage::EncyclopediaPage() {
  setObjectName(QStringLiteral("TabSheet4"));
  // The buttons are not an exclusive group: in one, Tab would reach only the
  // marked button and the others only by the arrow keys.
  auto* column = new QVBoxLayout;
  column->setContentsMargins(4, 3, 5, 0);
  column->setSpacing(10);
  for (const auto& [caption, code] : kTopics) {
    auto* button = new QPushButton(Qt8(caption), this);
    button->setCheckable(true);
    button->setObjectName(QStringLiteral("Topic_%1").arg(QString::fromLatin1(code)));
    // The code is the key of the topic's row; it is kept, never shown.
    button->setProperty("topicCode", QString::fromLatin1(code));
    button->setFixedSize(153, 22);
    AddFixedSize(column, button);
    topics_.append(button);
  }
  column->addStretch(1);

  text_ = std::make_unique<PlainTextPane>(MakePane(this, "MemoBk", Wrap::PaneWidth));
  text_->widget()->setAccessibleName(Qt8("合婚百科"));
  identity_ = {Qt8("合婚百科"), QString(), {Qt8("合婚百科")}};
  AttachReportActions(text_->widget(), this, [this] { return identity_; });
  text_->SetText(ResourceText(QStringLiteral(":/texts/encyclopedia_intro.txt")).toStdString());

  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(0);
  page->addLayout(column);
  page->addWidget(text_->widget(), 1);
}

EncyclopediaPage::~EncyclopediaPage() = default;

QString EncyclopediaPage::TopicCode(const QPushButton* button) {
  return button->property("topicCode").toString();
}

void EncyclopediaPage::ShowTopic(const QString& code) {
  for (QPushButton* topic : topics_) {
    if (TopicCode(topic) != code) continue;
    for (QPushButton* other : topics_) other->setChecked(other == topic);
    identity_ = {Qt8("合婚百科"), topic->text(), {Qt8("合婚百科"), topic->text()}};
  }
  const EncyclopediaTopic topic = ReadTopic(code.toStdString());
  if (topic.kind == EncyclopediaTopic::Kind::Nothing) return;
  // A code without a row, and a database that cannot be read, leave the pane
  // empty; the latter ends the action without a word.
  text_->Clear();
  if (topic.kind == EncyclopediaTopic::Kind::Cancelled || !topic.hasRow) return;
  text_->Add(TopicPaneText(topic));
  text_->ShowFirstLine();
}

}  // namespace vantrel::app
