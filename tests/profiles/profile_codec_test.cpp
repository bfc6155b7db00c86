// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_codec.h"

#include <gtest/gtest.h>

#include <utility>

#include "profiles/profile_lines.h"
#include "support/profile_fixture.h"

namespace oza {
namespace {

using test::profileEntry;

constexpr std::size_t kAlgorithm = kAlgorithmField;
constexpr std::size_t kProtocol = kProtocolField;
constexpr std::size_t kPercent = 2;
constexpr std::size_t kCoreClock = 4;
constexpr std::size_t kMemoryClock = 5;

ProfileValue entry(int index) { return {index, std::nullopt}; }
ProfileValue number(const std::string& text) { return {std::nullopt, text}; }

TEST(ProfileDecoding, EachSettingIsFoundWithTheLineAfterItsName) {
  const DecodedProfile decoded =
      decodeProfile("<a>\n" + profileEntry("FanSpeedPercentTarget_1", "050") +
                    profileEntry("FanSpeedAlgorithm_0", "x") + profileEntry("FanSpeedProtocol_0", "Percent"));
  EXPECT_FALSE(decoded.error);
  EXPECT_EQ(decoded.document.lines.size(), 10u);
  EXPECT_EQ(decoded.document.valueLines[kPercent][1], 2u);
  EXPECT_EQ(decoded.values[kPercent][1], number("50"));
  EXPECT_EQ(decoded.document.valueLines[kAlgorithm][0], 5u);
  EXPECT_EQ(decoded.values[kAlgorithm][0], ProfileValue{});  // found, but no word of the list
  EXPECT_EQ(decoded.values[kProtocol][0], entry(0));
  // Settings the file does not name: no line, no value.
  EXPECT_EQ(decoded.document.valueLines[kPercent][0], std::nullopt);
  EXPECT_EQ(decoded.values[kPercent][0], ProfileValue{});
  EXPECT_EQ(decoded.document.valueLines[kAlgorithm][3], std::nullopt);

  const DecodedProfile empty = decodeProfile("");
  EXPECT_FALSE(empty.error);
  EXPECT_TRUE(empty.document.lines.empty());
  EXPECT_EQ(empty.values, ProfileValues{});
}

TEST(ProfileDecoding, ListWordsStandAnywhereInAnyCase) {
  struct Case {
    std::size_t field;
    std::string value;
    std::optional<int> entry;
  };
  const std::vector<Case> cases = {
      {kAlgorithm, "Automatic", 0},
      {kAlgorithm, "MANUAL", 1},
      {kAlgorithm, "Manual or Automatic", 1},
      {kAlgorithm, "automatic, manual", 1},
      {kAlgorithm, "Auto", {}},
      {kProtocol, "pErCeNt", 0},
      {kProtocol, "RPM", {}},
  };
  for (const Case& c : cases) {
    const auto key = kProfileFieldTable[c.field].key + std::string("2");
    const DecodedProfile decoded = decodeProfile(profileEntry(key, c.value));
    EXPECT_EQ(decoded.values[c.field][2].entry, c.entry) << c.value;
  }
}

TEST(ProfileDecoding, ALaterNameLineOverridesAnEarlierOne) {
  const DecodedProfile decoded =
      decodeProfile(profileEntry("CoreClockTarget_0", "40") + profileEntry("FanSpeedAlgorithm_0", "Manual") +
                    profileEntry("CoreClockTarget_0", "55") + profileEntry("FanSpeedAlgorithm_0", "Unknown") +
                    "<Feature name=\"MemoryClockTarget_0\">\r\n  <Property name=\"Want\" />\r\n");
  EXPECT_EQ(decoded.document.valueLines[kCoreClock][0], 7u);
  EXPECT_EQ(decoded.values[kCoreClock][0], number("55"));
  // The last line holds no word: nothing is chosen, however the first read.
  EXPECT_EQ(decoded.document.valueLines[kAlgorithm][0], 10u);
  EXPECT_EQ(decoded.values[kAlgorithm][0], ProfileValue{});
  // A line without value=: its line is known, its number is none.
  EXPECT_EQ(decoded.document.valueLines[kMemoryClock][0], 13u);
  EXPECT_EQ(decoded.values[kMemoryClock][0], ProfileValue{});
}

TEST(ProfileDecoding, ANameOnTheLastLineStopsWithWhatWasFound) {
  // Card 1 fails at the last line; card 0 and the line of card 1 before it
  // were found already.
  const std::string cardOneLast = profileEntry("CoreClockTarget_1", "100") +
                                  profileEntry("FanSpeedAlgorithm_0", "Manual") +
                                  "<Feature name=\"FanSpeedProtocol_1\">";
  DecodedProfile decoded = decodeProfile(cardOneLast);
  EXPECT_EQ(decoded.error, ProfileDecodeError::NameWithoutValueLine);
  EXPECT_EQ(decoded.document.lines.size(), 7u);
  EXPECT_EQ(decoded.values[kAlgorithm][0], entry(1));
  EXPECT_EQ(decoded.values[kCoreClock][1], number("100"));
  EXPECT_EQ(decoded.document.valueLines[kProtocol][1], std::nullopt);

  // Card 0 fails first, so card 1 is never looked for.
  decoded = decodeProfile(profileEntry("CoreClockTarget_1", "100") + "<Feature name=\"FanSpeedAlgorithm_0\">\r\n");
  EXPECT_EQ(decoded.error, ProfileDecodeError::NameWithoutValueLine);
  EXPECT_EQ(decoded.document.valueLines[kCoreClock][1], std::nullopt);
  EXPECT_EQ(decoded.values[kCoreClock][1], ProfileValue{});
}

TEST(ProfileEncodingQuotes, ASingleQuotedValueTakesNoSingleQuote) {
  const DecodedProfile quoted = decodeProfile("<Feature name=\"CoreClockTarget_1\">\n<P value='45'/>\n");
  ProfileValues values = quoted.values;
  values[kCoreClock][1] = number("7");
  EXPECT_EQ(encodeProfile(quoted.document, values)->at(1), "<P value='7'/>");
  values[kCoreClock][1] = number("7'");
  EXPECT_FALSE(encodeProfile(quoted.document, values));
}

class ProfileEncoding : public ::testing::Test {
 protected:
  ProfileEncoding()
      : decoded(decodeProfile(profileEntry("FanSpeedAlgorithm_0", "Automatic") +
                              profileEntry("FanSpeedProtocol_0", "RPM") + profileEntry("CoreClockTarget_1", "100") +
                              "<Feature name=\"MemoryClockTarget_1\">\r\n  <Property name=\"Want\" />\r\n")) {}

  // The value line of a field and card in the encoded lines.
  std::string valueLine(const std::vector<std::string>& lines, std::size_t field, std::size_t card) const {
    return lines.at(*decoded.document.valueLines[field][card]);
  }

  DecodedProfile decoded;
};

TEST_F(ProfileEncoding, TheDecodedValuesGiveTheSameLines) {
  EXPECT_EQ(encodeProfile(decoded.document, decoded.values), decoded.document.lines);
}

TEST_F(ProfileEncoding, OnlyTheQuotedValuesOfTheValueLinesChange) {
  ProfileValues values = decoded.values;
  values[kAlgorithm][0] = entry(1);
  values[kProtocol][0] = entry(0);
  values[kCoreClock][1] = number("");
  values[kMemoryClock][1] = number("900");  // its line has no value= to replace
  values[kCoreClock][0] = number("700");    // card 0 has no such line
  const auto lines = encodeProfile(decoded.document, values);
  ASSERT_TRUE(lines);
  std::vector<std::string> expected = decoded.document.lines;
  expected[1] = "  <Property name=\"Want\" value=\"Manual\" />";
  expected[4] = "  <Property name=\"Want\" value=\"Percent\" />";
  expected[7] = "  <Property name=\"Want\" value=\"\" />";
  EXPECT_EQ(*lines, expected);

  // A list without a choice leaves its line, whatever it holds.
  values[kProtocol][0] = ProfileValue{};
  EXPECT_EQ(valueLine(*encodeProfile(decoded.document, values), kProtocol, 0), decoded.document.lines[4]);
}

TEST_F(ProfileEncoding, AValueThatCannotBeWrittenWritesNothing) {
  const std::vector<std::pair<std::size_t, ProfileValue>> unwritable = {
      {kCoreClock, number("1\"2")}, {kCoreClock, number("<")},   {kCoreClock, number("a&b")},
      {kCoreClock, number("\xE9")}, {kCoreClock, number("1\n")}, {kAlgorithm, entry(2)},
      {kAlgorithm, entry(-1)},      {kProtocol, entry(1)},
  };
  for (const auto& [field, value] : unwritable) {
    ProfileValues values = decoded.values;
    values[field][field == kCoreClock ? 1 : 0] = value;
    EXPECT_FALSE(encodeProfile(decoded.document, values)) << field << " " << value.number.value_or("");
  }
  // Where there is nothing to replace, nothing is written, so nothing fails.
  ProfileValues values = decoded.values;
  values[kMemoryClock][1] = number("\"");
  values[kCoreClock][3] = number("\"");
  EXPECT_TRUE(encodeProfile(decoded.document, values));
}

TEST(ProfileEncodingOrder, ALineNamedByTwoSettingsTakesTheLaterOnesValue) {
  const DecodedProfile decoded =
      decodeProfile("<Feature name=\"CoreClockTarget_0 MemoryClockTarget_0\">\r\n<P value=\"1\"/>\r\n");
  ASSERT_EQ(decoded.document.valueLines[kCoreClock][0], decoded.document.valueLines[kMemoryClock][0]);
  ProfileValues values = decoded.values;
  values[kCoreClock][0] = number("700");
  values[kMemoryClock][0] = number("900");
  EXPECT_EQ(encodeProfile(decoded.document, values)->at(1), "<P value=\"900\"/>");
}

}  // namespace
}  // namespace oza
