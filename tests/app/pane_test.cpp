// The window's panes: the Pane adapter must behave like the in-memory pane the
// reports are tested with, and the pane font must keep report columns aligned.
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <functional>

#include "app/panes.h"
#include "app_test.h"

namespace vantrel::app {

class PaneTest : public QObject {
  Q_OBJECT

 private slots:
  // Every editing step leaves the widget's pane with the same lines as the
  // in-memory pane.
  void AdapterKeepsTheLinesOfTheInMemoryPane() {
    QPlainTextEdit edit;
    PlainTextPane shown(&edit);
    TextPane memory;
    const std::vector<std::pair<const char*, std::function<void(Pane&)>>> steps = {
        {"empty", [](Pane&) {}},
        {"add", [](Pane& p) { p.Add("男方 甲子"); }},
        {"add empty", [](Pane& p) { p.Add(""); }},
        {"add breaks", [](Pane& p) { p.Add("a\r\nb\nc\r"); }},
        {"delete middle", [](Pane& p) { p.DeleteLine(2); }},
        {"delete last", [](Pane& p) { p.DeleteLine(p.LineCount() - 1); }},
        {"delete first", [](Pane& p) { p.DeleteLine(0); }},
        {"delete outside", [](Pane& p) { p.DeleteLine(40); }},
        {"insert top", [](Pane& p) { p.InsertLine(0, "top"); }},
        {"insert middle", [](Pane& p) { p.InsertLine(2, "mid"); }},
        {"insert past end", [](Pane& p) { p.InsertLine(99, "end"); }},
        {"scroll to top", [](Pane& p) { ScrollToTop(p); }},
        {"set text", [](Pane& p) { p.SetText("x\ny\n"); }},
        {"set one empty line", [](Pane& p) { p.SetText("\n"); }},
        {"delete only line", [](Pane& p) { p.DeleteLine(0); }},
        {"insert into empty", [](Pane& p) { p.InsertLine(0, "only"); }},
        {"clear", [](Pane& p) { p.Clear(); }},
        {"add after clear", [](Pane& p) { p.Add("first"); }},
        {"set empty", [](Pane& p) { p.SetText(""); }},
    };
    for (const auto& [name, step] : steps) {
      step(shown);
      step(memory);
      QVERIFY2(shown.Text() == memory.Text(), name);
      QVERIFY2(shown.LineCount() == memory.LineCount(), name);
      for (int i = -1; i <= memory.LineCount(); ++i) QVERIFY2(shown.Line(i) == memory.Line(i), name);
    }
    shown.Add("见到的");
    QCOMPARE(edit.toPlainText(), QStringLiteral("见到的"));
  }

  void ScrollToTopLeavesTheViewOnTheFirstLine() {
    QPlainTextEdit* edit = MakePane(nullptr, "Memo", Wrap::None);
    std::unique_ptr<QPlainTextEdit> owner(edit);
    edit->resize(300, 120);
    edit->show();
    PlainTextPane pane(edit);
    for (int i = 0; i < 300; ++i) pane.Add("第" + std::to_string(i) + "行");
    QCoreApplication::processEvents();
    QScrollBar* bar = edit->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());  // appending follows the text down
    ScrollToTop(pane);
    QCoreApplication::processEvents();
    QCOMPARE(bar->value(), 0);
    QCOMPARE(edit->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);  // the line at the top of the view
    QCOMPARE(pane.LineCount(), 300);
    QCOMPARE(pane.Line(0), std::string("第0行"));
  }

  void PanesAreReadOnlyAndInADoubleWidthFont() {
    std::unique_ptr<QPlainTextEdit> report(MakePane(nullptr, "MemoSuccess", Wrap::PaneWidth));
    QVERIFY(report->isReadOnly());
    QCOMPARE(report->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(report->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(report->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(report->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(report->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QVERIFY2(IsDoubleWidth(report->font()), qPrintable(report->font().family()));
    const QFontMetricsF m(report->font());
    // A report line of pillars: the Chinese text and its blank-padded twin
    // take the same width.
    QCOMPARE(m.horizontalAdvance(QStringLiteral("甲子   乙丑")),
             m.horizontalAdvance(QStringLiteral("1980   1981")) + 0.0);
    std::unique_ptr<QPlainTextEdit> chart(MakePane(nullptr, "Memo1", Wrap::None));
    QCOMPARE(chart->lineWrapMode(), QPlainTextEdit::NoWrap);
  }

  void DoubleWidthTellsProportionalFontsApart() {
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPixelSize(12);
    if (QFontInfo(proportional).family() != QStringLiteral("DejaVu Sans"))
      QSKIP("DejaVu Sans is not installed");
    QVERIFY(!IsDoubleWidth(proportional));
  }
};

VANTREL_APP_TEST(PaneTest);

}  // namespace vantrel::app

#include "pane_test.moc"
