#include "calendar/places.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vantrel
