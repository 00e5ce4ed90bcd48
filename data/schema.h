#pragma once
// The tables of the two database files, in one place: the generator creates
// them from these statements, the tests compare the built files with them,
// and the key formats below are what every statement of the program sends.
//
// The program reads every value as text and trims it, so the declared types
// only decide how SQLite stores a value: weights are REAL, the two year
// columns INTEGER, the instant of a jie term a DATETIME column that holds its
// text. Keys are stored exactly as the statements bind them: '1980', '1',
// '23', never '01' or ' 1'. Every key column has a unique index, so a
// duplicate key fails the build instead of hiding behind the first row.
#include <array>
#include <span>

#include "data/store.h"

namespace vantrel::data::schema {

struct Table {
  const char* name;
  const char* create;  // the CREATE TABLE statement
  const char* index;   // the CREATE INDEX statement on the key columns, or nullptr
};

// ---- KelFile.dll, the main file ----

// Bone weight of the lunar year: `year` the year in decimal, '1864'..'2100';
// the weight follows the year's sexagenary pillar.
inline constexpr Table kChenggu1{"chenggu1", "create table chenggu1 (year TEXT, weight REAL)",
                                 "create unique index chenggu1_year on chenggu1 (year)"};
// Bone weight of the lunar month: `month2` '1'..'12'.
inline constexpr Table kChenggu2{"chenggu2", "create table chenggu2 (month2 TEXT, weight REAL)",
                                 "create unique index chenggu2_month2 on chenggu2 (month2)"};
// Bone weight of the lunar day: `day2` '1'..'30'.
inline constexpr Table kChenggu3{"chenggu3", "create table chenggu3 (day2 TEXT, weight REAL)",
                                 "create unique index chenggu3_day2 on chenggu3 (day2)"};
// Bone weight of the birth hour: `time` the clock hour '0'..'23'; 23 and 0
// are the 子 hour, 1 and 2 the 丑 hour, ..., 21 and 22 the 亥 hour.
inline constexpr Table kChenggu4{"chenggu4", "create table chenggu4 (time TEXT, weight REAL)",
                                 "create unique index chenggu4_time on chenggu4 (time)"};
// The verdict, poem and meaning of a total weight: `weight` the two-digit
// code, 两 digit then 钱 digit ('43' for 4 两 3 钱, '50' for 5 两).
inline constexpr Table kChenggu{"chenggu",
                                "create table chenggu (weight TEXT, MM TEXT, content TEXT, content2 TEXT)",
                                "create unique index chenggu_weight on chenggu (weight)"};
// The fortune of a mobile number: `num` the remainder of its last four
// digits by 80, '1'..'79'; `jx` one of 吉 凶 吉带凶 凶带吉.
inline constexpr Table kShouji{"shouji", "create table shouji (num TEXT, title TEXT, jx TEXT, content TEXT)",
                               "create unique index shouji_num on shouji (num)"};
// The three constellation texts: `title` the sign's name exactly as the
// constellation rule gives it, "金牛座 " with its trailing blank included.
// The texts may hold "<p>" and "</p>", removed when they are shown.
inline constexpr Table kNdeq{"ndeq", "create table ndeq (title TEXT, content TEXT)",
                             "create unique index ndeq_title on ndeq (title)"};
inline constexpr Table kAiqing{"aiqing", "create table aiqing (title TEXT, content TEXT)",
                               "create unique index aiqing_title on aiqing (title)"};
inline constexpr Table kMingren{"mingren", "create table mingren (title TEXT, content TEXT)",
                                "create unique index mingren_title on mingren (title)"};
// The encyclopedia topics: `Cid` 'hh01'..'hh10'; `Tite` is a title that is
// not shown.
inline constexpr Table kNoter{"Noter", "create table Noter (Cid TEXT, Tite TEXT, content TEXT)",
                              "create unique index Noter_Cid on Noter (Cid)"};
// The almanac day: `gn` the date as 'yyyy-mm-dd'.
inline constexpr Table kHuangdao{
    "huangdao",
    "create table huangdao (gn TEXT, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT, cong TEXT, pzbj TEXT, "
    "jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT)",
    "create unique index huangdao_gn on huangdao (gn)"};

inline constexpr std::array<Table, 11> kMainTables = {kChenggu1, kChenggu2, kChenggu3, kChenggu4,
                                                      kChenggu,  kShouji,   kNdeq,     kAiqing,
                                                      kMingren,  kNoter,    kHuangdao};

// ---- Tgcode.dll, the second file ----

// The five element of a character, found by containment ("hz like '%甲%'"),
// taking the first row: no character may stand in two rows. Five rows, one
// per element, so it has no index.
inline constexpr Table kHzwh{"hzwh", "create table hzwh (hz TEXT, wh TEXT)", nullptr};
// The ten god: `jiazi` the day stem followed by the other stem ("甲丙").
inline constexpr Table kShishen{"Shishen", "create table Shishen (jiazi TEXT, ShiShen TEXT)",
                                "create unique index Shishen_jiazi on Shishen (jiazi)"};
// The nayin: `jiazi` the pillar ("甲子"), `layin` three characters, the last
// one its element.
inline constexpr Table kJiazi{"jiazi", "create table jiazi (jiazi TEXT, layin TEXT)",
                              "create unique index jiazi_jiazi on jiazi (jiazi)"};
// Per lunar year 1900..2100 (`Year` an integer): `mg` two characters naming
// the man's gua, `nan` and `nv` the life-gua numerals 一..九 of a man and a
// woman, `wuhang` the element of the year's nayin, `sxwuhang` the element of
// the year's animal, one character each; the report reads their
// concatenation by character position.
inline constexpr Table kMg{
    "mg", "create table mg (Year INTEGER, mg TEXT, nan TEXT, nv TEXT, wuhang TEXT, sxwuhang TEXT)",
    "create unique index mg_Year on mg (Year)"};
// The couple's life-gua pair: `nan`, `nv` numerals 一二三四六七八九 (a 五 has
// been replaced before the lookup), `dj` the grade code '1', '2' or '3', `mc`
// the pair's name (生气 天医 延年 伏位 绝命 五鬼 六煞 祸害).
inline constexpr Table kMghp{"mghp", "create table mghp (nan TEXT, nv TEXT, dj TEXT, mc TEXT)",
                             "create unique index mghp_pair on mghp (nan, nv)"};
// The analysis of a pair name: `mc` as in mghp. "Values" is a keyword of
// SQLite: a statement must write the column name in double quotes.
inline constexpr Table kMgfx{"mgfx", "create table mgfx (mc TEXT, \"Values\" TEXT)",
                             "create unique index mgfx_mc on mgfx (mc)"};
// The couple's year elements: `nan`, `nv` element characters, `fs` the score
// '5' (one feeds the other), '3' (the same element) or '1' (one checks the
// other), `note` a text.
inline constexpr Table kMgwx{"mgwx", "create table mgwx (nan TEXT, nv TEXT, fs TEXT, note TEXT)",
                             "create unique index mgwx_pair on mgwx (nan, nv)"};
// The twelve jie terms of each year 1900..2100: `YearA` the Gregorian year in
// which the term falls (小寒 of a year falls in its January), `JQ` the term's
// name, `SJ` its instant in China Standard Time as 'yyyy-mm-dd hh:mm:ss'.
inline constexpr Table kJq{"JQ", "create table JQ (YearA INTEGER, JQ TEXT, SJ DATETIME)",
                           "create unique index JQ_year_term on JQ (YearA, JQ)"};
// The zodiac animals: `shuxing` the animal character (鼠 .. 猪).
inline constexpr Table kShengxiao{"shengxiao",
                                  "create table shengxiao (shuxing TEXT, Tedian TEXT, shouhushen TEXT, "
                                  "yanshe TEXT, fangwei TEXT, hua TEXT, shuzi TEXT)",
                                  "create unique index shengxiao_shuxing on shengxiao (shuxing)"};

inline constexpr std::array<Table, 9> kSecondTables = {kHzwh, kShishen, kJiazi, kMg,       kMghp,
                                                       kMgfx, kMgwx,    kJq,    kShengxiao};

// The tables of one file.
inline std::span<const Table> TablesOf(Database db) {
  if (db == Database::Main) return kMainTables;
  return kSecondTables;
}

}  // namespace vantrel::data::schema
