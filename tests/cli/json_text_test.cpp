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

}  // namespace
}  // namespace oza
