// SPDX-License-Identifier: GPL-3.0-or-later

#include "profiles/profile_lines.h"

#include <gtest/gtest.h>

namespace oza {
namespace {

using Lines = std::vector<std::string>;

TEST(ProfileLines, EveryKindOfLineEndEndsALine) {
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\n\r", {"", ""}},  // LF, then a lone CR: two empty lines
      // CRs before an LF belong to its end; CRs without one end a line each.
      {"a\r\r\nb\r\r\r\n", {"a", "b"}},
      {"a\r\r\n\r\nb", {"a", "", "b"}},
      {"a\r\rb\r\r", {"a", "", "b", ""}},
      {"a\n\r\r\nb", {"a", "", "b"}},
      {std::string("\xE9\x00\xFF\r\n", 5), {std::string("\xE9\x00\xFF", 3)}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> ends;
    EXPECT_EQ(splitProfileLines(c.bytes, &ends), c.lines) << c.bytes;
    EXPECT_EQ(joinProfileLines(c.lines, ends), c.bytes);
  }
}

TEST(ProfileLines, JoiningEndsEveryLineWithCrLf) {
  EXPECT_EQ(joinProfileLines({}), "");
  EXPECT_EQ(joinProfileLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  const std::string file = "<x>\r\n  <y value=\"1\" />\r\n</x>\r\n";
  EXPECT_EQ(joinProfileLines(splitProfileLines(file)), file);
}

TEST(ProfileLines, OnlyTheTextBetweenTheQuotesIsReplaced) {
  const struct {
    std::string line, value, replaced;
  } cases[] = {
      {"  <Property name=\"Want_0\" value=\"45\" />", "60", "  <Property name=\"Want_0\" value=\"60\" />"},
      {"<P VALUE=\"45\"/>", "7", "<P VALUE=\"7\"/>"},
      {"<P value=\"\" x=\"1\"/>", "12", "<P value=\"12\" x=\"1\"/>"},
      {"<P value=\"45\" other=\"3\"/>", "", "<P value=\"\" other=\"3\"/>"},
      {"<P a=\"1\" value=\"2\" value=\"3\"/>", "9", "<P a=\"1\" value=\"9\" value=\"3\"/>"},
      // No value the editor can replace: the line stays as it is.
      {"<P name=\"Want_0\" />", "60", "<P name=\"Want_0\" />"},
      // Either quote, closed by the same kind; the first quoted value= counts.
      {"<P value='45' name=\"x\" />", "60", "<P value='60' name=\"x\" />"},
      {"<P value='4\"5' x='1'/>", "7", "<P value='7' x='1'/>"},
      {"<P value=\"4'5\" x=\"1\"/>", "7", "<P value=\"7\" x=\"1\"/>"},
      {"<P value=45 Value='3'/>", "8", "<P value=45 Value='8'/>"},
      {"<P value=45 />", "60", "<P value=45 />"},
      {"<P value=\"45 />", "60", "<P value=\"45 />"},
      {"<P value='45\" />", "60", "<P value='45\" />"},
      {"<P value=", "60", "<P value="},
  };
  for (const auto& c : cases) EXPECT_EQ(replaceQuotedValue(c.line, c.value), c.replaced) << c.line;
  const auto span = findQuotedValue("<P Value=\"050\"/>");
  ASSERT_TRUE(span);
  EXPECT_EQ(span->start, 10u);
  EXPECT_EQ(span->length, 3u);
}

TEST(ProfileLines, NumbersAreShownWithoutLeadingZerosOrTrailingDecimals) {
  const struct {
    std::string value;
    const char* shown;
  } cases[] = {
      {"050", "50"},
      {"1.25", "1.25"},
      {"1.50", "1.5"},
      {"50%", "50"},
      {"abc", "0"},
      {"", "0"},
      {"2.", "2"},
      {".5", "0.5"},
      {"-0", "0"},
      {"1.2.3", "1.2"},
      {"1125000000", "1125000000"},
      // Fifteen significant digits, spelt out without an exponent.
      {" +1.23456789012345678", "1.23456789012346"},
      {"100000000000000000000000", "100000000000000000000000"},
      {"0.0000001", "0.0000001"},
      {"-7", "-7"},
      {std::string(400, '9'), "0"},  // past a double's range
  };
  for (const auto& c : cases) EXPECT_EQ(shownNumber(c.value), c.shown) << c.value;
}

TEST(ProfileLines, OnlyPlainTextCanGoBetweenTheQuotes) {
  for (const char* good : {"", "60", "1.25", "Manual", "50 %"}) EXPECT_TRUE(isWritableValue(good)) << good;
  for (const char* bad : {"6\"0", "<60", "a&b", "\t", "60\r\n", "\xC3\xA9"}) EXPECT_FALSE(isWritableValue(bad)) << bad;
  EXPECT_TRUE(isWritableValue("6'0"));
  EXPECT_FALSE(isWritableValue("6'0", '\''));
  EXPECT_FALSE(isWritableValue("6\"0", '\''));
}

}  // namespace
}  // namespace oza
