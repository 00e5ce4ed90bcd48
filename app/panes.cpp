#include "app/panes.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTranslator>
#include <clocale>
#include <cmath>

#include "app/artwork.h"
#include "app/dispatcher.h"
#include "app/display_script.h"
#include "app/pane_frame.h"
#include "app/qt_text.h"
#include "common/text.h"

namespace vantrel::app {

QFont ProgramFont() {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC")});
  font.setPixelSize(12);
  return font;
}

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("vantrel"));
  // The program speaks Chinese whatever the system's language: dates, month
  // and day names and the first day of the week are those of China. Numbers
  // the user types are read with the C rules ("87.6", never "87,6"): Qt set
  // the C library to the system's locale, whose decimal comma would cut
  // 87.60 to 87 in strtod.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
  std::setlocale(LC_NUMERIC, "C");
  // Qt's own texts (the message boxes' buttons, the standard dialogs, the
  // text fields' context menus) in Simplified Chinese. No display name is
  // set, so a window's title is exactly its caption.
  static QTranslator qtTranslator;
  if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTranslator);
  }
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
  QApplication::setFont(ProgramFont());
  QApplication::setWindowIcon(AppIcon());
}

QPlainTextEdit* MakePane(QWidget* parent, const char* name, Wrap wrap) {
  auto* edit = NewOutlinedPane(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // A read-only pane takes the keyboard for selecting; the caret it would
  // blink is no place to type, so it is not drawn.
  edit->setCursorWidth(0);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (wrap == Wrap::None) {
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  } else {
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  edit->setFont(PaneFont());
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  edit->setPalette(palette);
  return edit;
}

void ScrollToTop(Pane& pane) {
  if (pane.LineCount() == 0) return;
  const std::string first = pane.Line(0);
  pane.DeleteLine(0);
  pane.InsertLine(0, first);
}

void ShowFromStart(QPlainTextEdit* edit) {
  QTextCursor cursor = edit->textCursor();
  cursor.movePosition(QTextCursor::Start);
  edit->setTextCursor(cursor);
  edit->verticalScrollBar()->setValue(0);
  edit->horizontalScrollBar()->setValue(0);
}

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

namespace {

// Centres its window once, at the window's first showing, then leaves.
class FirstShowCentering : public QObject {
 public:
  explicit FirstShowCentering(QWidget* window) : QObject(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      CenterOnScreen(static_cast<QWidget*>(watched));
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void CenterOnFirstShow(QWidget* window) { window->installEventFilter(new FirstShowCentering(window)); }

void SetUpDialogWindow(QWidget* window, const QString& caption, QSize size) {
  const Qt::WindowFlags kind = qobject_cast<QDialog*>(window) ? Qt::Dialog : Qt::Window;
  window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowSystemMenuHint);
  window->setWindowTitle(caption);
  window->setFixedSize(size);
  CenterOnFirstShow(window);
}

PlainTextPane::PlainTextPane(QPlainTextEdit* edit) : edit_(edit) {
  edit_->setProperty("vantrelReportPane", true);
}

void PlainTextPane::Clear() {
  edit_->clear();
  empty_ = true;
}

void PlainTextPane::Add(std::string_view text) {
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  // insertText turns each line break into a new line of the document.
  cursor.insertText((empty_ ? QString() : QStringLiteral("\n")) +
                    Qt8(Shown(text::Join(text::SplitLines(text), "\n"))));
  empty_ = false;
  ShowPosition(cursor.position());
}

std::string PlainTextPane::Text() const {
  std::string out;
  if (empty_) return out;
  for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
    out += block.text().toStdString();
    out.push_back('\n');
  }
  return out;
}

void PlainTextPane::SetText(std::string_view text) {
  std::vector<std::string> lines = text.empty() ? std::vector<std::string>() : text::SplitLines(text);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  edit_->setPlainText(Qt8(Shown(text::Join(lines, "\n"))));
  empty_ = lines.empty();
}

int PlainTextPane::LineCount() const { return empty_ ? 0 : edit_->document()->blockCount(); }

std::string PlainTextPane::Line(int index) const {
  if (index < 0 || index >= LineCount()) return {};
  return edit_->document()->findBlockByNumber(index).text().toStdString();
}

void PlainTextPane::DeleteLine(int index) {
  const int count = LineCount();
  if (index < 0 || index >= count) return;
  if (count == 1) {
    Clear();
    return;
  }
  QTextDocument* doc = edit_->document();
  const QTextBlock block = doc->findBlockByNumber(index);
  QTextCursor cursor(doc);
  if (index < count - 1) {
    // The line and the break after it.
    cursor.setPosition(block.position());
    cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
  } else {
    // The last line and the break before it.
    cursor.setPosition(block.position() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
}

void PlainTextPane::InsertLine(int index, std::string_view text) {
  const int count = LineCount();
  if (index < 0) index = 0;
  if (index >= count) {
    Add(text);
    return;
  }
  QTextCursor cursor(edit_->document());
  cursor.setPosition(edit_->document()->findBlockByNumber(index).position());
  const int position = cursor.position();
  cursor.insertText(Qt8(Shown(text)) + QStringLiteral("\n"));
  ShowPosition(position);
}

void PlainTextPane::ShowPosition(int position) {
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(position);
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
  if (position == 0) edit_->verticalScrollBar()->setValue(0);
}

}  // namespace vantrel::app
