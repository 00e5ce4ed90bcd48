#include "calendar/places.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "common/errors.h"

namespace vantrel {
namespace {

TEST(Places, EveryProvincialCapitalAndTheCitiesAbroad) {
  for (const char* name :
       {"北京",     "天津", "上海", "重庆", "石家庄", "太原",   "呼和浩特", "沈阳",  "长春", "哈尔滨",
        "南京",     "杭州", "合肥", "福州", "南昌",   "济南",   "郑州",     "武汉",  "长沙", "广州",
        "南宁",     "海口", "成都", "贵阳", "昆明",   "拉萨",   "西安",     "兰州",  "西宁", "银川",
        "乌鲁木齐", "香港", "澳门", "台北", "新加坡", "吉隆坡", "旧金山",   "温哥华"}) {
    EXPECT_TRUE(FindPlace(name).has_value()) << name;
  }
  EXPECT_GE(Places().size(), 340u);
}

TEST(Places, TheTableIsSound) {
  std::set<std::string> names;
  std::set<std::string> zones;
  for (const PlaceRecord& p : Places()) {
    EXPECT_TRUE(names.insert(p.name).second) << "twice: " << p.name;
    EXPECT_TRUE(p.longitude >= -180 && p.longitude <= 180 && p.latitude >= -90 && p.latitude <= 90) << p.name;
    zones.insert(p.zone);
    if (p.zone == "Asia/Shanghai") {
      // The mainland lies between 73°E and 135°E, 18°N and 54°N (Sansha further south).
      EXPECT_TRUE(p.longitude > 73 && p.longitude < 135 && p.latitude > 15 && p.latitude < 54) << p.name;
    }
  }
  // Every zone is one the system's database knows.
  for (const std::string& zone : zones) {
    EXPECT_NO_THROW(TrueSolarTime(EncodeDate(2000, 1, 1), {"x", 100, zone})) << zone;
  }
}

TEST(Places, NamesAsUsersWriteThem) {
  const auto urumqi = FindPlace("乌鲁木齐市");
  ASSERT_TRUE(urumqi.has_value());
  EXPECT_NEAR(urumqi->longitude, 87.6, 0.1);
  EXPECT_NEAR(FindPlace(" 喀什 ")->longitude, 76.0, 0.1);
  EXPECT_NEAR(FindPlace("哈尔滨")->latitude, 45.75, 0.1);
  EXPECT_EQ(FindPlace("香港")->zone, "Asia/Hong_Kong");
  EXPECT_EQ(PlaceNamesStartingWith("乌鲁"), std::vector<std::string>{"乌鲁木齐"});
  EXPECT_EQ(ParseBirthplace("延吉").zone, "Asia/Shanghai");  // a prefecture by its seat
}

TEST(Places, ABareLongitudeOrNearMatches) {
  const SolarPlace east = ParseBirthplace("87.6");
  EXPECT_EQ(east.name, "东经87.6度");
  EXPECT_DOUBLE_EQ(east.longitude, 87.6);
  EXPECT_EQ(ParseBirthplace("-122.4").name, "西经122.4度");
  try {
    ParseBirthplace("乌鲁木");
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("is neither a known place nor a longitude"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("near matches: 乌鲁木齐"), std::string::npos);
  }
  EXPECT_THROW(ParseBirthplace("200"), ConvertError);
  EXPECT_THROW(ParseBirthplace(""), ConvertError);
}

// Decimal degrees only, with a sign or a side; shown in one usual form.
TEST(Places, LongitudesAreDecimalDegreesShownNormalised) {
  EXPECT_EQ(ParseLongitude("120"), 120.0);
  EXPECT_EQ(ParseLongitude("+120.50"), 120.5);
  EXPECT_EQ(ParseLongitude("73.5W"), -73.5);
  EXPECT_EQ(ParseLongitude("73.5e"), 73.5);
  EXPECT_EQ(ParseLongitude("东经116.4"), 116.4);
  EXPECT_EQ(ParseLongitude("西经74度"), -74.0);
  EXPECT_EQ(ParseLongitude("180"), 180.0);
  EXPECT_EQ(ParseLongitude("-180"), -180.0);
  const std::optional<double> zero = ParseLongitude("-0");
  ASSERT_TRUE(zero.has_value());
  EXPECT_FALSE(std::signbit(*zero));
  for (const char* bad : {"0x78", "-0x1p3", "1e2", "inf", "-nan", "180.01", "东经-120", "-73W", "W73", ".",
                          "1.2.3", "12 0", "", "１２０"}) {
    EXPECT_FALSE(ParseLongitude(bad).has_value()) << bad;
  }
  EXPECT_EQ(ParseBirthplace("-0").name, "东经0度");
  EXPECT_EQ(ParseBirthplace("0120.50").name, "东经120.5度");
  EXPECT_EQ(ParseBirthplace("73.50W").name, "西经73.5度");
  EXPECT_EQ(ParseBirthplace("西经74度").name, "西经74度");
  EXPECT_THROW(ParseBirthplace("0x78"), ConvertError);
}

TEST(Places, ZonesAreTheNamesTheDatabaseLists) {
  for (const char* zone : {"Asia/Shanghai", "America/New_York", "US/Eastern", "UTC", "Etc/GMT-8"}) {
    EXPECT_TRUE(IsKnownZone(zone)) << zone;
  }
  for (const char* zone : {"zone.tab", "zone1970.tab", "tzdata.zi", "leapseconds", "Factory", "localtime",
                           "posixrules", "posix/Asia/Tokyo", "right/UTC", "Asia", "", "Mars/Base"}) {
    EXPECT_FALSE(IsKnownZone(zone)) << zone;
  }
}

TEST(Places, HalfACharacterIsRefused) {
  EXPECT_THROW(PlaceNamesStartingWith("\xe5\x8c"), ConvertError);
  EXPECT_THROW(PlaceNamesStartingWith("\xc0\xaf"), ConvertError);  // an overlong form
  EXPECT_EQ(PlaceNamesStartingWith("乌鲁"), std::vector<std::string>{"乌鲁木齐"});
  EXPECT_TRUE(PlaceNamesStartingWith("xyz").empty());
}

}  // namespace
}  // namespace vantrel
