// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_text.h"

#include <gtest/gtest.h>

namespace oza {
namespace {

TEST(JsonText, NumbersKeepFifteenDigitsAndWholeNumbersHaveNoFraction) {
  const std::vector<std::pair<double, std::string>> cases = {
      {3.0, "3"},
      {-40.0, "-40"},
      {12.5, "12.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {-2.0 / 3, "-0.666666666666667"},
      {1e300 * 1e300, "0"},
      {123456.75, "123456.75"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(jsonText(jsonNumber(value)), text) << value;
}

TEST(JsonText, TextsAreEscapedAndInvalidUtf8IsReplaced) {
  const Json json = {{"a\"b", "line\r\n\x01\\ \xC3\xA9 \xFF end"}};
  EXPECT_EQ(jsonText(json), "{\"a\\\"b\":\"line\\r\\n\\u0001\\\\ \xC3\xA9 \xEF\xBF\xBD end\"}");
}

TEST(JsonText, EveryControlIsEscapedAndThePrintableRestIsKept) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\x7f", "\\u007f"},
      {"\xC2\x80", "\\u0080"},
      {"\xC2\x9B"
       "31m\xC2\x9B"
       "2J",
       "\\u009b31m\\u009b2J"},  // CSI, which xterm obeys in UTF-8
      {"\xC2\x9F", "\\u009f"},
      {"\xC2\xA0\xC2\xBF", "\xC2\xA0\xC2\xBF"},
      {"\xC4\x82\xC2\x85", "\xC4\x82\\u0085"},
      {"\x9B", "\xEF\xBF\xBD"},
  };
  for (const auto& [text, escaped] : cases) {
    EXPECT_EQ(jsonText(Json(text)), "\"" + escaped + "\"") << text;
    EXPECT_EQ(jsonText(Json{{text, 1}}), "{\"" + escaped + "\":1}") << text;
  }
}

}  // namespace
}  // namespace oza
