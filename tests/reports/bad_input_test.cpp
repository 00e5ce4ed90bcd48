// Everything a user can type into the entry rows of both person reports:
// each text gives its message or its error, and nothing else happens (no
// crash, no other exception, no half-written pane where the pane must stay).
#include <gtest/gtest.h>

#include <functional>

#include "common/errors.h"
#include "reports/almanac.h"
#include "reports/chart_report.h"
#include "reports/marriage_report.h"
#include "tests/support/entry_rows.h"
#include "tests/support/report_runs.h"

namespace vantrel {
namespace {

// Texts a user can type into an editable list or a name edit.
const std::vector<std::string> kTypedTexts = {"",
                                              " ",
                                              "\t",
                                              "abc",
                                              "-1",
                                              "-5",
                                              "0",
                                              "1899",
                                              "1900",
                                              "2101",
                                              "9999",
                                              "12345678901234567890",
                                              "24",
                                              "60",
                                              "13",
                                              "32",
                                              "30",
                                              "29",
                                              "2013-2-30",
                                              "子 24",
                                              "子 -1",
                                              "子",
                                              "子 ",
                                              "子 abc",
                                              "１９８０",
                                              "'",
                                              "' or '1'='1",
                                              "'; drop table mg; --",
                                              "\x01\x02\x7f",
                                              "😀",
                                              "ㄱ한",
                                              "\r\n",
                                              "1e3",
                                              "+7",
                                              "007"};

enum class Outcome { Completed, Notice, Error, Cancelled };

struct MarriageResult {
  Outcome outcome;
  std::string message;
  TextPane report;
};

MarriageResult RunCouple(const testing::CoupleRows& rows) {
  MarriageResult r;
  r.report.Add("previous report");
  MarriagePanes panes(r.report);
  RecordingNotifier notifier;
  try {
    RunMarriageReport(rows.Read(), panes, notifier, {}, 2024);
    r.outcome = notifier.messages.empty() ? Outcome::Completed : Outcome::Notice;
    if (!notifier.messages.empty()) r.message = notifier.messages.front();
    EXPECT_LE(notifier.messages.size(), 1u);
  } catch (const Error& e) {
    r.outcome = Outcome::Error;
    r.message = e.what();
  } catch (const SilentCancel&) {
    r.outcome = Outcome::Cancelled;
  }
  return r;
}

EntryTexts Valid(const char* name) {
  EntryTexts e;
  e.name = name;
  e.year = "1985";
  e.month = "6";
  e.day = "15";
  e.hour = "巳 10";
  e.minute = "30";
  return e;
}

using Field = std::string EntryTexts::*;
const std::pair<Field, const char*> kFields[] = {
    {&EntryTexts::name, "name"}, {&EntryTexts::year, "year"}, {&EntryTexts::month, "month"},
    {&EntryTexts::day, "day"},   {&EntryTexts::hour, "hour"}, {&EntryTexts::minute, "minute"}};

// The man's row: whatever is typed, the pane is either untouched or holds a
// report that starts with his heading, and only the program's own messages
// and errors come out.
TEST(BadInput, EveryTextInEveryFieldOfTheMarriageEntry) {
  for (int calendar = 0; calendar < 2; ++calendar) {
    for (const auto& [field, label] : kFields) {
      for (const auto& text : kTypedTexts) {
        for (bool woman : {false, true}) {
          testing::CoupleRows entry{Valid("张三"), Valid("李四")};
          EntryTexts& p = woman ? entry.woman : entry.man;
          p.calendar = calendar == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
          p.*field = text;
          const MarriageResult r = RunCouple(entry);
          const std::string where = std::string(woman ? "woman " : "man ") + label + " = '" + text + "'";
          if (r.report.Text() != "previous report\n") {
            EXPECT_EQ(r.report.Line(0), "男方基本信息：") << where;
          }
          if (r.outcome == Outcome::Notice && !woman) {
            // Every notice about the man comes before his section is written.
            EXPECT_EQ(r.report.Text(), "previous report\n") << where << ": " << r.message;
          }
          if (r.outcome == Outcome::Completed) {
            EXPECT_EQ(r.report.lines().back(),
                      "特别声明：以上分析只做参考，即使分析不佳世上也有欢喜冤家或旷世奇缘的情感。")
                << where;
          }
          EXPECT_NE(r.outcome, Outcome::Cancelled) << where;
        }
      }
    }
  }
}

// The exact outcome of the texts a user is likely to type into the man's row.
TEST(BadInput, TheMansFieldsGiveTheirMessagesOrErrors) {
  struct Case {
    Field field;
    std::string text;
    int calendar;
    Outcome outcome;
    std::string message;
    bool paneUnchanged;
  };
  const Case cases[] = {
      {&EntryTexts::name, " ", 0, Outcome::Notice, "男方姓名不能为空!", true},
      {&EntryTexts::year, "", 0, Outcome::Notice, "请选择男方出生年!", true},
      {&EntryTexts::month, " ", 0, Outcome::Notice, "请选择男方出生月!", true},
      {&EntryTexts::day, "\t", 0, Outcome::Notice, "请选择男方出生日!", true},
      {&EntryTexts::hour, "", 0, Outcome::Notice, "请选择男方出生小时!", true},
      {&EntryTexts::year, "abc", 0, Outcome::Error, "'abc-6-15' is not a valid date", true},
      {&EntryTexts::year, "abc", 1, Outcome::Error, "'abc' is not a valid integer value", true},
      {&EntryTexts::year, "0", 0, Outcome::Error, "'0-6-15' is not a valid date", true},
      {&EntryTexts::year, "12345678901234567890", 0, Outcome::Error,
       "'12345678901234567890-6-15' is not a valid date", true},
      {&EntryTexts::year, "-1", 0, Outcome::Error, "'-1-6-15' is not a valid date", true},
      {&EntryTexts::day, "31", 0, Outcome::Error, "'1985-6-31' is not a valid date", true},
      // Dates the lunar calendar cannot place.
      {&EntryTexts::year, "1899", 0, Outcome::Notice, "请检查输入数据是否出错！", true},
      {&EntryTexts::year, "2101", 0, Outcome::Notice, "请检查输入数据是否出错！", true},
      {&EntryTexts::year, "9999", 0, Outcome::Notice, "请检查输入数据是否出错！", true},
      {&EntryTexts::year, "1900", 1, Outcome::Notice, "请检查输入数据是否出错！", true},
      {&EntryTexts::day, "30", 1, Outcome::Notice, "请检查输入数据是否出错！",
       true},  // lunar 1985-6 has 29 days
      // The hour and minute are read after his heading lines.
      {&EntryTexts::hour, "子 24", 0, Outcome::Error, "", false},
      {&EntryTexts::hour, "子 -1", 0, Outcome::Error, "", false},
      {&EntryTexts::hour, "24", 0, Outcome::Error, "'' is not a valid integer value", false},
      {&EntryTexts::minute, "60", 0, Outcome::Error, "", false},
      {&EntryTexts::minute, "", 0, Outcome::Error, "'' is not a valid integer value", false},
      {&EntryTexts::minute, "abc", 0, Outcome::Error, "'abc' is not a valid integer value", false},
  };
  for (const Case& c : cases) {
    testing::CoupleRows entry{Valid("张三"), Valid("李四")};
    entry.man.calendar = c.calendar == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
    entry.man.*c.field = c.text;
    const MarriageResult r = RunCouple(entry);
    const std::string where = "'" + c.text + "' calendar " + std::to_string(c.calendar);
    EXPECT_EQ(r.outcome, c.outcome) << where << ": " << r.message;
    if (!c.message.empty()) {
      EXPECT_EQ(r.message, c.message) << where;
    }
    EXPECT_EQ(r.report.Text() == "previous report\n", c.paneUnchanged) << where;
    if (!c.paneUnchanged) {
      EXPECT_EQ(r.report.LineCount(), 5) << where;  // his heading lines
    }
  }
}

TEST(BadInput, NamesOfEveryKindAreShownAsTyped) {
  for (const std::string name : {"😀", "ㄱ한",
                                 "a\x01"
                                 "b",
                                 "O'Brien", "'; drop table mg; --"}) {
    testing::CoupleRows entry{Valid(""), Valid("李四")};
    entry.man.name = name;
    const MarriageResult r = RunCouple(entry);
    ASSERT_EQ(r.outcome, Outcome::Completed) << name << ": " << r.message;
    EXPECT_EQ(r.report.Line(2).rfind("姓名：" + name + " 年龄：", 0), 0u) << name;
  }
}

// The single-person report builds off-screen: a run that does not complete
// never changes the visible pane.
TEST(BadInput, EveryTextInEveryFieldOfTheChartEntry) {
  for (const char* caption : {"八字分析", "星座分析"}) {
    for (int calendar = 0; calendar < 2; ++calendar) {
      for (const auto& [field, label] : kFields) {
        for (const auto& text : kTypedTexts) {
          testing::ChartRow entry;
          entry.person = Valid("王五");
          entry.person.calendar = calendar == 0 ? CalendarKind::Solar : CalendarKind::Lunar;
          entry.person.*field = text;
          entry.kind = std::string(caption) == "八字分析" ? ReportKind::Chart : ReportKind::Constellation;
          TextPane visible, scratch;
          visible.Add("before");
          RecordingNotifier notifier;
          bool completed = false;
          try {
            RunChartReport(entry.Read(), visible, scratch, notifier, 2024);
            completed = notifier.messages.empty();
          } catch (const Error&) {
          }
          const std::string where = std::string(caption) + " " + label + " = '" + text + "'";
          if (completed) {
            EXPECT_EQ(visible.lines().back(), kChartClosingLine) << where;
          } else {
            EXPECT_EQ(visible.Text(), "before\n") << where;
          }
        }
      }
    }
  }
}

TEST(BadInput, SexAndHiddenNameTextsNeverFail) {
  for (const auto& text : kTypedTexts) {
    ChartEntry entry;
    entry.sex = SexOfText(text);
    entry.hiddenName = text;
    TextPane visible, scratch;
    RecordingNotifier notifier;
    RunChartReport(entry, visible, scratch, notifier, 2024);
    EXPECT_TRUE(notifier.messages.empty()) << text;
    EXPECT_EQ(visible.lines().back(), kChartClosingLine) << text;
  }
}

// The almanac pickers: a notice, a day's ten lines, or silence for a day
// without a row; there are lines only when a row was found.
TEST(BadInput, EveryTextInEveryAlmanacPicker) {
  const std::string valid[] = {"2013", "09", "21"};
  for (int picker = 0; picker < 3; ++picker) {
    for (const auto& text : kTypedTexts) {
      std::string parts[] = {valid[0], valid[1], valid[2]};
      parts[picker] = text;
      const std::string where = "picker " + std::to_string(picker) + " = '" + text + "'";
      AlmanacDay day;
      try {
        day = AlmanacDayOf(parts[0], parts[1], parts[2]);
      } catch (const std::exception& e) {
        ADD_FAILURE() << where << ": " << e.what();
      }
      const std::vector<std::string> lines = AlmanacLines(day);
      if (day.notice) {
        EXPECT_FALSE(day.row.has_value()) << where;
        EXPECT_TRUE(lines.empty()) << where;
      } else if (day.row) {
        EXPECT_FALSE(day.row->fault) << where;
        EXPECT_EQ(lines.size(), 19u) << where;
        EXPECT_EQ(lines.back().rfind("忌:", 0), 0u) << where;
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
