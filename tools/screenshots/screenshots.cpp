// Renders every page of the main window after a sample action, and every
// dialog, to PNG files: `vantrel_screenshots FOLDER`. It runs on the
// offscreen platform, so it needs no display. The program's data files are
// read from the tool's own folder, as the program reads them.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryFile>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/dialogs/choose_day.h"
#include "app/dialogs/date_win.h"
#include "app/dialogs/true_solar_time.h"
#include "app/dialogs/unt_nannv.h"
#include "app/dialogs/unt_numbers.h"
#include "app/dialogs/unt_onther.h"
#include "app/dialogs/unt_wangm.h"
#include "app/dispatcher.h"
#include "app/panes.h"
#include "app/report_output.h"
#include "app/unt_index.h"
#include "print/report_print.h"
#include "tools/tool_args.h"

namespace {

using vantrel::app::TFrmChooseDay;
using vantrel::app::TFrmIndex;

QString g_folder;
int g_failures = 0;

void SavePixmap(const QPixmap& pixmap, const QString& name) {
  const QString path = g_folder + QLatin1Char('/') + name + QStringLiteral(".png");
  if (!pixmap.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++g_failures;
    return;
  }
  std::printf("%s\n", qPrintable(path));
}

void Save(QWidget* widget, const QString& name, qreal scale = 1) {
  QPixmap pixmap(widget->size() * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::white);
  widget->render(&pixmap);
  SavePixmap(pixmap, name);
}

// The marriage page with the report pane's context menu open over it.
void SaveReportMenu(TFrmIndex& window) {
  auto* pane = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
  std::unique_ptr<QMenu> menu(vantrel::app::MakeReportMenu(pane));
  menu->adjustSize();
  QPixmap pixmap(window.size());
  pixmap.fill(Qt::white);
  window.render(&pixmap);
  QPainter p(&pixmap);
  const QPoint at = pane->mapTo(&window, QPoint(160, 90));
  menu->render(&p, at);
  p.setPen(QColor(0x99, 0x99, 0x99));
  p.drawRect(QRect(at, menu->size()).adjusted(0, 0, -1, -1));
  p.end();
  SavePixmap(pixmap, QStringLiteral("report_menu"));
}

// The first page of the marriage report's PDF, as a picture.
void SaveReportPdfPage(TFrmIndex& window) {
  auto* pane = window.findChild<QPlainTextEdit*>(QStringLiteral("MemoSuccess"));
  const vantrel::app::PrintedReport report{QStringLiteral("合婚报告"), QStringLiteral("张伟 / 李娜"),
                                           vantrel::app::PaneLines(pane)};
  QTemporaryFile pdf;
  pdf.open();
  vantrel::app::WriteReportPdf(report, pdf.fileName());
  QProcess render;
  render.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                pdf.fileName(), g_folder + QStringLiteral("/report_pdf_page")});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) {
    std::fprintf(stderr, "pdftoppm (poppler-utils) could not render the PDF\n");
    ++g_failures;
    return;
  }
  std::printf("%s\n", qPrintable(g_folder + QStringLiteral("/report_pdf_page.png")));
}

// Shows a dialog without its modal loop, lets `act` fill it and saves it.
template <typename Dialog>
void SaveDialog(QWidget* owner, const QString& name, const std::function<void(Dialog&)>& act = {}) {
  Dialog dialog(owner);
  dialog.show();
  QCoreApplication::processEvents();
  if (act) vantrel::app::RunAction(&dialog, [&] { act(dialog); });
  QCoreApplication::processEvents();
  Save(&dialog, name);
}

void Click(QWidget& window, const char* name) {
  auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) {
    std::fprintf(stderr, "no button %s\n", name);
    ++g_failures;
    return;
  }
  button->click();
  QCoreApplication::processEvents();
}

// Fills the named entries and lists with the texts, as a user would.
void Fill(QWidget& window, std::initializer_list<std::pair<const char*, const char*>> entries) {
  for (const auto& [name, text] : entries) {
    const QString value = QString::fromUtf8(text);
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
      edit->setText(value);
    } else if (auto* box = window.findChild<QComboBox*>(QString::fromLatin1(name))) {
      const int index = box->findText(value);
      if (index >= 0) {
        box->setCurrentIndex(index);
      } else {
        box->setEditText(value);
      }
    } else {
      std::fprintf(stderr, "no entry %s\n", name);
      ++g_failures;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (vantrel::tools::WantsHelp(argc, argv, "usage: vantrel_screenshots FOLDER\n")) return 0;
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantrel_screenshots FOLDER\n");
    return 2;
  }
  if (!vantrel::tools::IsOutputPath("vantrel_screenshots", argv[1])) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vantrel::app::SetUpApplication();
  g_folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_folder);
  // A message box would wait for a click nobody gives: its text goes to the
  // console instead.
  vantrel::app::SetMessageBoxHook([](vantrel::app::BoxKind, const QString& caption, const QString& text) {
    std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
  });

  TFrmIndex window;
  window.show();
  QCoreApplication::processEvents();

  // The marriage page with two sample people.
  Fill(window, {{"Xing", "张伟"},
                {"SYear", "1985"},
                {"SMonth", "6"},
                {"Sday", "18"},
                {"Shour", "辰 8"},
                {"Xing3", "李娜"},
                {"SYear3", "1987"},
                {"SMonth3", "10"},
                {"Sday3", "3"},
                {"Shour3", "酉 18"}});
  Click(window, "RzBitBtn2");
  Save(&window, QStringLiteral("main_marriage"));
  Save(&window, QStringLiteral("main_marriage@2x"), 2);
  SaveReportMenu(window);
  SaveReportPdfPage(window);

  Click(window, "RzToolButton1");
  Fill(window, {{"Xing2", "王芳"}, {"CBsex2", "女"}, {"SYear2", "1990"}, {"SMonth2", "3"}, {"Sday2", "12"}});
  Click(window, "RzButton2");
  Save(&window, QStringLiteral("main_chart"));

  Click(window, "RzToolButton3");
  Click(window, "RzButton2");
  Save(&window, QStringLiteral("main_constellation"));

  Click(window, "RzToolButton5");
  Fill(window, {{"SlYear", "2013"}, {"SlMonth", "09"}, {"Slday", "21"}});
  Click(window, "BtnHuangli");
  Save(&window, QStringLiteral("main_almanac"));

  Click(window, "RzToolButton7");
  Save(&window, QStringLiteral("main_encyclopedia_intro"));
  Click(window, "Topic_hh06");
  Save(&window, QStringLiteral("main_encyclopedia"));

  Click(window, "RzToolButton8");
  Save(&window, QStringLiteral("main_catalogue"));

  Click(window, "RzToolButton10");
  Save(&window, QStringLiteral("main_about"));

  // The dialogs, shown without their modal loops.
  {
    vantrel::app::TFormOnther* omen = vantrel::app::ShowFolkOmen(&window, QStringLiteral("眼跳测吉凶"), 4);
    QCoreApplication::processEvents();
    Save(omen, QStringLiteral("dialog_omen"));
    omen->close();
  }
  using namespace vantrel::app;
  SaveDialog<TFrm_NanNv>(&window, QStringLiteral("dialog_boy_girl"));
  SaveDialog<TFrm_SJcs>(&window, QStringLiteral("dialog_mobile"), [](TFrm_SJcs& d) {
    d.Entry()->setText(QStringLiteral("13912340002"));
    d.RzBitBtn1Click();
  });
  SaveDialog<TFrmQQhm>(&window, QStringLiteral("dialog_qq"), [](TFrmQQhm& d) {
    d.Entry()->setText(QStringLiteral("123456789"));
    d.RzBitBtn1Click();
  });
  SaveDialog<TFrm_onther>(&window, QStringLiteral("dialog_any_number"), [](TFrm_onther& d) {
    d.Entry()->setText(QStringLiteral("20130921"));
    d.RzBitBtn1Click();
  });
  SaveDialog<TFrmWangming>(&window, QStringLiteral("dialog_net_name"), [](TFrmWangming& d) {
    d.Entry()->setText(QStringLiteral("小明"));
    d.RzBitBtn1Click();
  });
  SaveDialog<TFRM_Date>(&window, QStringLiteral("dialog_calendar"));
  SaveDialog<TFrmSolarTime>(&window, QStringLiteral("dialog_solar_time"), [](TFrmSolarTime& d) {
    d.DateEntry()->setDate(QDate(1988, 7, 20));
    d.HourEntry()->setValue(6);
    d.MinuteEntry()->setValue(30);
    d.PlaceEntry()->setText(QStringLiteral("乌鲁木齐"));
  });
  SaveDialog<TFrmChooseDay>(&window, QStringLiteral("dialog_choose_day"), [](TFrmChooseDay& d) {
    d.FromDate()->setDate(QDate(2027, 1, 1));
    d.ToDate()->setDate(QDate(2027, 12, 31));
    const char* const couple[2][4] = {{"张伟", "1998", "3", "5"}, {"李娜", "2000", "7", "9"}};
    for (int row = 0; row < 2; ++row) {
      d.PeopleTable()->item(row, 1)->setText(QString::fromUtf8(couple[row][0]));
      for (int c = 1; c < 4; ++c)
        d.PeopleTable()->item(row, c + 2)->setText(QString::fromUtf8(couple[row][c]));
    }
    d.Choose();
  });
  return g_failures == 0 ? 0 : 1;
}
