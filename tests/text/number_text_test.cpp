// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/number_text.h"

#include <gtest/gtest.h>

#include "text/latin1.h"

namespace oza {
namespace {

TEST(NumberText, RoundsHalfToEven) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(62.5), 62);
  EXPECT_EQ(roundHalfEven(63.5), 64);
  EXPECT_EQ(roundToInt16(32767.4), 32767);
  EXPECT_EQ(roundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(roundToInt16(-32769), std::nullopt);
  EXPECT_EQ(roundToByte(255.4), 255);
  EXPECT_EQ(roundToByte(255.5), std::nullopt);
  EXPECT_EQ(roundToByte(-0.6), std::nullopt);
}

TEST(NumberText, ValueOfATextIsItsLeadingNumber) {
  EXPECT_EQ(textValue("1.25V"), 1.25);
  EXPECT_EQ(textValue("---"), 0);
  EXPECT_EQ(textValue(""), 0);
  EXPECT_EQ(textValue("abc"), 0);
  EXPECT_EQ(textValue("-3"), -3);
  EXPECT_EQ(textValue("40.5"), 40.5);
  EXPECT_EQ(textValue("1.2.3"), 1.2);
  EXPECT_EQ(textValue(".5"), 0.5);
  EXPECT_EQ(textValue("12abc"), 12);
}

TEST(NumberText, DecimalTextIsShortAndPlain) {
  EXPECT_EQ(decimalText(742.18), "742.18");
  EXPECT_EQ(decimalText(74218 / 100.0), "742.18");
  EXPECT_EQ(decimalText(800), "800");
  EXPECT_EQ(decimalText(1200 / 1000.0), "1.2");
  EXPECT_EQ(decimalText(742.57 * 100), "74257");
  EXPECT_EQ(decimalText(0.0004 * 1000), "0.4");
  EXPECT_EQ(decimalText(1e-5), "0.00001");
  EXPECT_EQ(decimalText(1e20), "100000000000000000000");
  EXPECT_EQ(decimalText(-0.0), "0");
  EXPECT_EQ(decimalText(-3), "-3");
}

TEST(Latin1, RoundTripsEveryByteAndRejectsWiderCharacters) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)).value(), all);
  EXPECT_EQ(utf8Length(latin1ToUtf8(all)), all.size());
  EXPECT_FALSE(utf8ToLatin1("\xE2\x82\xAC").has_value());  // the euro sign
  EXPECT_EQ(utf8ToLatin1Lossy("a\xE2\x82\xAC"), "a?");
  EXPECT_FALSE(utf8ToLatin1("\xC3").has_value());
}

}  // namespace
}  // namespace oza
