// KelFile.dll, the main file.
#include <cctype>
#include <stdexcept>

#include "calendar/ganzhi.h"
#include "common/datetime.h"
#include "tools/datagen/database_writer.h"
#include "tools/datagen/datagen.h"

namespace vantrel::tools {
namespace {

namespace schema = data::schema;

// The bone-weight year table covers every lunar year a chart can have, from
// the 甲子 year 1864 on.
constexpr int kFirstWeightYear = 1864;
constexpr int kLastWeightYear = 2100;

// A bone weight is written as 两 and one decimal for 钱 ("1.2", "0.5"). Each
// one stays below 2 两 5 钱, so that the total of four keeps one digit before
// the point, as the weight code needs.
std::vector<std::string> Weights(const ResourceTable& table, const std::string& key,
                                 const std::vector<std::string>& keys) {
  std::vector<std::string> weights = ValuesByKey(table, key, "weight", keys);
  for (const std::string& w : weights) {
    const bool shape = w.size() == 3 && std::isdigit(static_cast<unsigned char>(w[0])) && w[1] == '.' &&
                       std::isdigit(static_cast<unsigned char>(w[2]));
    if (!shape || w < "0.1" || w > "2.4") {
      throw std::runtime_error(table.file + ": '" + w + "' is not a bone weight");
    }
  }
  return weights;
}

std::vector<std::string> NumberTexts(int first, int last) {
  std::vector<std::string> texts;
  for (int n = first; n <= last; ++n) texts.push_back(std::to_string(n));
  return texts;
}

void WriteWeights(DatabaseWriter& w, const std::string& resources) {
  // Per lunar year, keyed '1864'..'2100': the weight of the year's pillar.
  const auto byPillar = Weights(ReadResource(resources, "kelfile/chenggu_year.tsv"), "pillar", PillarTexts());
  w.Create(schema::kChenggu1);
  for (int year = kFirstWeightYear; year <= kLastWeightYear; ++year) {
    w.Insert(schema::kChenggu1, {std::to_string(year), byPillar[Mod(CycleIndexOfYear(year), 60)]});
  }

  // Per lunar month '1'..'12' and per lunar day '1'..'30', as written.
  struct Numbered {
    const schema::Table& table;
    const char* key;
    int last;
  };
  for (const Numbered& n :
       {Numbered{schema::kChenggu2, "month", 12}, Numbered{schema::kChenggu3, "day", 30}}) {
    const std::vector<std::string> keys = NumberTexts(1, n.last);
    const auto weights =
        Weights(ReadResource(resources, std::string("kelfile/chenggu_") + n.key + ".tsv"), n.key, keys);
    w.Create(n.table);
    for (std::size_t i = 0; i < keys.size(); ++i) w.Insert(n.table, {keys[i], weights[i]});
  }

  // Per clock hour '0'..'23', from the weight of its double hour: 23 and 0
  // are 子, 1 and 2 丑, ..., 21 and 22 亥.
  std::vector<std::string> branches(BranchNames.begin(), BranchNames.end());
  const auto byBranch = Weights(ReadResource(resources, "kelfile/chenggu_hour.tsv"), "branch", branches);
  w.Create(schema::kChenggu4);
  for (int hour = 0; hour < 24; ++hour) {
    w.Insert(schema::kChenggu4,
             {std::to_string(hour), byBranch[static_cast<std::size_t>(HourBranch(hour).Index())]});
  }
}

// The almanac days come from the almanac generator; the lookup sends the
// day as "yyyy-mm-dd", so every key must be written exactly so.
void WriteHuangdao(DatabaseWriter& w, const std::string& file) {
  w.Create(schema::kHuangdao);
  if (file.empty()) return;
  const ResourceTable days = ReadResourceTable(file);
  const int gn = days.Column("gn");
  for (const auto& row : days.rows) {
    const std::optional<DateTime> date = TryStrToDate(row[gn]);
    if (!date || FormatDate(*date) != row[gn]) {
      throw std::runtime_error(file + ": '" + row[gn] + "' is not a date written yyyy-mm-dd");
    }
  }
  w.Load(schema::kHuangdao, days);
}

}  // namespace

void BuildKelFile(const std::string& resources, const std::string& out, const std::string& huangdao) {
  DatabaseWriter w(out);
  WriteWeights(w, resources);
  WriteResourceTables(w, resources,
                      {{schema::kChenggu, "kelfile/chenggu.tsv"},
                       {schema::kShouji, "kelfile/shouji.tsv"},
                       {schema::kNdeq, "kelfile/ndeq.tsv"},
                       {schema::kAiqing, "kelfile/aiqing.tsv"},
                       {schema::kMingren, "kelfile/mingren.tsv"},
                       {schema::kNoter, "kelfile/noter.tsv"}});
  WriteHuangdao(w, huangdao);
  w.Finish();
}

}  // namespace vantrel::tools
