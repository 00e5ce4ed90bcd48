#include "app/display_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QWidget>
#include <functional>

namespace vantrel::app {
namespace {

Script& Current() {
  static Script script = Script::Simplified;
  return script;
}

// One text of a widget. The program's own text is kept in a property beside
// the one shown: a text that differs from what was shown last was set by the
// program since, and becomes the text to show.
void ConvertSlot(QObject* o, const char* slot, const QString& now,
                 const std::function<void(const QString&)>& set) {
  const QByteArray ownKey = QByteArray("vantrelOwn_") + slot;
  const QByteArray shownKey = QByteArray("vantrelShown_") + slot;
  const QByteArray scriptKey = QByteArray("vantrelScript_") + slot;
  const QVariant shown = o->property(shownKey.constData());
  const int script = static_cast<int>(Current());
  // Shown already in this script and not changed since.
  if (shown.isValid() && shown.toString() == now && o->property(scriptKey.constData()).toInt() == script)
    return;
  QString own = shown.isValid() && shown.toString() == now ? o->property(ownKey.constData()).toString() : now;
  if (own.isEmpty() && !shown.isValid()) return;
  const QString want = Shown(own);
  if (want != now) set(want);
  o->setProperty(ownKey.constData(), own);
  o->setProperty(shownKey.constData(), want);
  o->setProperty(scriptKey.constData(), script);
}

void ConvertWidget(QWidget* w) {
  if (w->property("vantrelAsIs").toBool()) return;
  if (w->isWindow()) {
    ConvertSlot(w, "title", w->windowTitle(), [w](const QString& t) { w->setWindowTitle(t); });
  }
  ConvertSlot(w, "tip", w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->textFormat() != Qt::RichText) {
      ConvertSlot(w, "text", label->text(), [label](const QString& t) { label->setText(t); });
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    ConvertSlot(w, "text", button->text(), [button](const QString& t) { button->setText(t); });
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    ConvertSlot(w, "text", group->title(), [group](const QString& t) { group->setTitle(t); });
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    // What the user typed stays as typed; only the hint is the program's.
    ConvertSlot(w, "hint", edit->placeholderText(),
                [edit](const QString& t) { edit->setPlaceholderText(t); });
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    // The hour items ("丑 1") name branches, which OpenCC would read as words (醜).
    const int kept = list->property("vantrelKeepItems").toInt();
    for (int i = kept; i < list->count(); ++i) {
      const QByteArray slot = "item" + QByteArray::number(i);
      ConvertSlot(w, slot.constData(), list->itemText(i),
                  [list, i](const QString& t) { list->setItemText(i, t); });
    }
  } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) {
      const QByteArray slot = "tab" + QByteArray::number(i);
      ConvertSlot(w, slot.constData(), tabs->tabText(i),
                  [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    }
  } else if (auto* pane = qobject_cast<QPlainTextEdit*>(w)) {
    // A pane the reports write converts as it is written; a reading pane
    // filled once (the omens, the boy/girl chart) is converted whole.
    if (!pane->property("vantrelReportPane").toBool() && pane->isReadOnly()) {
      ConvertSlot(w, "text", pane->toPlainText(), [pane](const QString& t) { pane->setPlainText(t); });
    }
  }
}

class ScriptFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* o, QEvent* e) override {
    const QEvent::Type t = e->type();
    if ((t == QEvent::Show || t == QEvent::Paint || t == QEvent::Polish) && o->isWidgetType()) {
      // In Simplified Chinese every text is shown as made (SetDisplayScript
      // put back what an earlier script had converted).
      if (Current() != Script::Simplified) ConvertWidget(static_cast<QWidget*>(o));
    }
    return false;
  }
};

}  // namespace

Script DisplayScript() { return Current(); }

QString Shown(const QString& text) {
  if (Current() == Script::Simplified) return text;
  return QString::fromStdString(ToScript(text.toStdString(), Current()));
}

std::string Shown(std::string_view utf8) { return ToScript(utf8, Current()); }

QString ShownPart(const QString& part, const QString& whole) {
  const qsizetype at = part.isEmpty() ? -1 : whole.indexOf(part);
  const QString shown = Shown(whole);
  // OpenCC's conversions keep the length, so the part is where it was.
  if (at < 0 || shown.size() != whole.size()) return Shown(part);
  return shown.mid(at, part.size());
}

QString Unshown(const QString& text) {
  if (Current() == Script::Simplified) return text;
  return QString::fromStdString(ToSimplified(text.toStdString()));
}

void ShowInScript(QWidget* root) {
  ConvertWidget(root);
  for (QWidget* w : root->findChildren<QWidget*>()) ConvertWidget(w);
}

void SetDisplayScript(Script script) {
  if (script == Current()) return;
  const Script before = Current();
  Current() = script;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    ShowInScript(window);
    // What a window paints itself (the main window's motto and footer) is
    // painted again, not only where a widget changed its text.
    window->update();
    // The report panes hold what was written in the script of then.
    for (QPlainTextEdit* pane : window->findChildren<QPlainTextEdit*>()) {
      if (!pane->property("vantrelReportPane").toBool() || pane->document()->isEmpty()) continue;
      std::string text = pane->toPlainText().toStdString();
      if (before != Script::Simplified) text = ToSimplified(text);
      pane->setPlainText(QString::fromStdString(ToScript(text, script)));
    }
  }
}

void InstallScriptFilter() {
  static ScriptFilter* filter = nullptr;
  if (filter) return;
  filter = new ScriptFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace vantrel::app
