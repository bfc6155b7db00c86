#include "text/base_convert.h"

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"

namespace oza {
namespace {

struct ConvertCase {
  const char* text;
  int from, to;
  const char* expected;
};

TEST(baseConvert, ConvertsBetweenBasesAndRejectsWhatIsNoNumber) {
  const ConvertCase cases[] = {
      {"ff", 16, 10, "255"},   {"0", 16, 10, "0"},      {"255", 10, 16, "FF"},
      {"10", 10, 2, "1010"},   {"1G", 16, 10, "Error"}, {"", 10, 16, "Error"},
      {" 1", 10, 16, "Error"}, {"12", 1, 10, "Error"},  {"12", 10, 37, "Error"},
      {"z", 36, 10, "35"},     {"35", 10, 36, "Z"},     {"1.5", 10, 16, "Error"},
      {"-1", 10, 16, "Error"}, {"00FF", 16, 2, "11111111"},
      {"999999999999999999999999", 10, 16, "Error"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(baseConvert(c.text, c.from, c.to).value_or("Error"), c.expected) << c.text << " " << c.from << "->" << c.to;
}

TEST(padLeftZeros, PadsOnTheLeftAndRefusesTooLongTexts) {
  ScriptedPlatform platform;
  std::string text = "FF";
  EXPECT_EQ(padLeftZeros(4, text, platform), "00FF");
  EXPECT_EQ(text, "00FF");

  text = "ABC";
  EXPECT_EQ(padLeftZeros(2, text, platform), "");
  EXPECT_EQ(text, "ABC");

  text = "1";
  EXPECT_EQ(padLeftZeros(1000, text, platform).size(), 1000u);
  EXPECT_TRUE(platform.messages.empty());

  text = "1";
  EXPECT_EQ(padLeftZeros(1001, text, platform), "");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Biste bescheuert?");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
}

}  // namespace
}  // namespace oza
