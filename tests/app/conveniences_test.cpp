// What a user of a desktop program expects of the window: Enter in an entry
// row computes, the toolbar shows which page is open, omen windows stay above
// the main window, and the last page, save folder and birthplace come back
// at the next start, a damaged settings file giving the defaults.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/true_solar_time.h"
#include "app/dialogs/unt_onther.h"
#include "app/report_output.h"
#include "app/settings.h"
#include "app/unt_index.h"
#include "app_test.h"
#include "common/paths.h"

namespace vantrel::app {

using testing::BoxRecorder;
using testing::Child;

namespace {

QString Report(const TFrmIndex& w, const char* pane) { return Child<QPlainTextEdit>(w, pane)->toPlainText(); }

QStringList CheckedToolbarButtons(const TFrmIndex& w) {
  QStringList checked;
  for (auto* button : w.findChildren<QAbstractButton*>()) {
    if (button->objectName().startsWith(QStringLiteral("RzToolButton")) && button->isChecked())
      checked << button->objectName();
  }
  return checked;
}

void WriteSettings(const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(SettingsFile()).absolutePath());
  QFile file(SettingsFile());
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

}  // namespace

class ConveniencesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!testing::UseBuiltDataFiles()) QSKIP("the data files are not built");
    // The tests' own settings folder (tests/app/main.cpp), never the user's.
    QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    QVERIFY(SettingsFile().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
  }
  void cleanupTestCase() { SetProgramDirForTesting(""); }
  void init() { QFile::remove(SettingsFile()); }

  void EnterInAnEntryRowComputes() {
    BoxRecorder recorder;
    TFrmIndex w;
    w.show();
    testing::SetEntries(w, {{"Xing", "张伟"},
                            {"SYear", "1985"},
                            {"SMonth", "6"},
                            {"Sday", "18"},
                            {"Shour", "辰 8"},
                            {"Xing3", "李娜"},
                            {"SYear3", "1987"},
                            {"SMonth3", "10"},
                            {"Sday3", "3"},
                            {"Shour3", "酉 18"}});
    QTest::keyClick(Child<QLineEdit>(w, "Xing3"), Qt::Key_Return);
    QVERIFY(Report(w, "MemoSuccess").startsWith(QStringLiteral("男方基本信息")));
    // From an editable list too, and the keypad's Enter.
    Child<QPlainTextEdit>(w, "MemoSuccess")->clear();
    QTest::keyClick(Child<QComboBox>(w, "Sday"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Report(w, "MemoSuccess").startsWith(QStringLiteral("男方基本信息")));
    QVERIFY(recorder.boxes.empty());

    // On the chart page Enter runs 八字分析.
    Child<QAbstractButton>(w, "RzToolButton1")->click();
    testing::SetEntries(w, {{"Xing2", "王芳"}, {"SYear2", "1990"}});
    QTest::keyClick(Child<QComboBox>(w, "SYear2"), Qt::Key_Return);
    QVERIFY(Report(w, "Memo1").contains(QStringLiteral("王芳")));
    // The man's name missing: the notice, as the button gives it.
    Child<QAbstractButton>(w, "RzToolButton2")->click();
    testing::SetEntry(w, "Xing", QString());
    QTest::keyClick(Child<QComboBox>(w, "SYear"), Qt::Key_Return);
    QCOMPARE(recorder.boxes.size(), std::size_t{1});
    QCOMPARE(recorder.boxes[0].kind, BoxKind::Notice);
  }

  void TheToolbarShowsWhichPageIsOpen() {
    BoxRecorder recorder;
    TFrmIndex w;
    QCOMPARE(CheckedToolbarButtons(w), QStringList{QStringLiteral("RzToolButton2")});
    const std::pair<const char*, Page> buttons[] = {
        {"RzToolButton1", Page::Chart},     {"RzToolButton3", Page::Chart},
        {"RzToolButton5", Page::Almanac},   {"RzToolButton7", Page::Encyclopedia},
        {"RzToolButton8", Page::Catalogue}, {"RzToolButton2", Page::Marriage},
    };
    for (const auto& [name, page] : buttons) {
      Child<QAbstractButton>(w, name)->click();
      QCOMPARE(w.CurrentPage(), page);
      QCOMPARE(CheckedToolbarButtons(w), QStringList{QString::fromLatin1(name)});
      // A second click keeps it pressed.
      Child<QAbstractButton>(w, name)->click();
      QCOMPARE(CheckedToolbarButtons(w), QStringList{QString::fromLatin1(name)});
    }
    // 关于我们 has no toolbar button: none looks pressed.
    Child<QAbstractButton>(w, "RzToolButton10")->click();
    QCOMPARE(CheckedToolbarButtons(w), QStringList());
    // The true-solar-time dialog filling the chart row opens the chart page.
    w.FillBirth(BirthTarget::Chart, {2000, 1, 1}, 8, 0);
    QCOMPARE(CheckedToolbarButtons(w), QStringList{QStringLiteral("RzToolButton1")});
  }

  void OmenWindowsAreToolWindowsOfTheMainWindow() {
    TFrmIndex w;
    w.show();
    Child<QAbstractButton>(w, "OmenButton0")->click();
    Child<QAbstractButton>(w, "OmenButton4")->click();
    const QList<TFormOnther*> omens = w.findChildren<TFormOnther*>();
    QCOMPARE(omens.size(), 2);
    for (TFormOnther* omen : omens) {
      QCOMPARE(omen->parentWidget(), &w);
      QCOMPARE(omen->windowType(), Qt::Tool);
      QVERIFY(omen->isWindow());
      QVERIFY(!omen->isModal());
      QVERIFY(omen->isVisible());
    }
    // The main window stays usable while they are open.
    Child<QAbstractButton>(w, "RzToolButton8")->click();
    QCOMPARE(w.CurrentPage(), Page::Catalogue);
  }

  void TheLastPageFolderAndBirthplaceSurviveARestart() {
    BoxRecorder recorder;
    QTemporaryDir folder;
    {
      TFrmIndex w;
      Child<QAbstractButton>(w, "RzToolButton7")->click();
      testing::WriteSampleMarriageReport(w);
      SetSaveFileHook([&](const QString&, const QStringList&, QString*) {
        return folder.filePath(QStringLiteral("r.txt"));
      });
      SaveReportText(Child<QPlainTextEdit>(w, "MemoSuccess"), {QStringLiteral("合婚报告"), {}, {}});
      SetSaveFileHook(nullptr);
      TFrmSolarTime dialog(&w);
      dialog.PlaceEntry()->setText(QStringLiteral("乌鲁木齐"));
      dialog.reject();
    }
    // What the next run reads from the file.
    const Remembered remembered = ReadRemembered();
    QCOMPARE(remembered.outputFolder, folder.path());
    QCOMPARE(remembered.birthplace, QStringLiteral("乌鲁木齐"));
    QCOMPARE(remembered.view, QStringLiteral("RzToolButton7"));
    TFrmIndex next;
    QCOMPARE(next.CurrentPage(), Page::Marriage);  // a new window starts on 合婚 ...
    next.RestoreLastView();                        // ... and the program brings the last page back
    QCOMPARE(next.CurrentPage(), Page::Encyclopedia);
    QCOMPARE(CheckedToolbarButtons(next), QStringList{QStringLiteral("RzToolButton7")});
    TFrmSolarTime dialog(&next);
    QCOMPARE(dialog.PlaceEntry()->text(), QStringLiteral("乌鲁木齐"));

    // The almanac page comes back with the almanac shown, as its button shows it.
    Child<QAbstractButton>(next, "RzToolButton5")->click();
    TFrmIndex third;
    third.RestoreLastView();
    QCOMPARE(third.CurrentPage(), Page::Almanac);
    QVERIFY(!Report(third, "MemoHuangli").isEmpty());

    // A place the dialog does not know, or a folder that is gone, is not kept.
    RememberBirthplace(QStringLiteral("没有这个地方"));
    QCOMPARE(ReadRemembered().birthplace, QStringLiteral("乌鲁木齐"));
    RememberOutputFolder(folder.filePath(QStringLiteral("gone")));
    QCOMPARE(ReadRemembered().outputFolder, QString());
    QVERIFY(recorder.boxes.empty());
  }

  void ADamagedSettingsFileGivesTheDefaults() {
    BoxRecorder recorder;
    // NUL bytes and bytes that are no text, then a broken group.
    static constexpr char kGarbage[] = "\x00\xff\xfe[[[window\n\x01\x02page=\xff\n";
    const QByteArray damaged[] = {
        QByteArray(kGarbage, sizeof kGarbage - 1),
        QByteArray("[window]\npage=RzToolButton99\n[output]\nfolder=/no/such/folder\n"
                   "[solar_time]\nbirthplace=\"unclosed\n"),
        QByteArray("[window]\npage=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1f)\n"),
    };
    for (const QByteArray& bytes : damaged) {
      WriteSettings(bytes);
      const Remembered remembered = ReadRemembered();
      QCOMPARE(remembered.view, QString());
      QCOMPARE(remembered.outputFolder, QString());
      TFrmIndex w;
      w.RestoreLastView();
      QCOMPARE(w.CurrentPage(), Page::Marriage);
      QCOMPARE(CheckedToolbarButtons(w), QStringList{QStringLiteral("RzToolButton2")});
      // The next page remembered mends the file.
      Child<QAbstractButton>(w, "RzToolButton8")->click();
      QCOMPARE(ReadRemembered().view, QStringLiteral("RzToolButton8"));
    }
    QVERIFY(recorder.boxes.empty());
  }
};

VANTREL_APP_TEST(ConveniencesTest);

}  // namespace vantrel::app

#include "conveniences_test.moc"
