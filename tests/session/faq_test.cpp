// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/faq.h"

#include <gtest/gtest.h>

#include <vector>

namespace oza {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find("\r\n", start);
    out.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return out;
    start = end + 2;
  }
}

TEST(Faq, HeaderThenTwelveQuestionsEachWithItsAnswer) {
  const std::vector<std::string> l = lines(faqText());
  ASSERT_GE(l.size(), 2u);
  EXPECT_EQ(l[0], "FAQ - Frequently asked questions");
  EXPECT_EQ(l[1], "");
  std::vector<std::string> questions;
  for (std::size_t i = 2; i < l.size();) {
    ASSERT_EQ(l[i].rfind("Q: ", 0), 0u) << l[i];
    questions.push_back(l[i]);
    ++i;
    ASSERT_EQ(l[i].rfind("A: ", 0), 0u) << l[i];
    ++i;
    while (i < l.size() && !l[i].empty()) ++i;  // a second answer line
    ++i;
  }
  ASSERT_EQ(questions.size(), 12u);
  EXPECT_EQ(questions[0], "Q: Why do I get three dashes instead of a number in some of the 'voltage' boxes?");
  EXPECT_EQ(questions[2], "Q: What's that 'BIOS had been pre-modified using OZA' checkbox for?");
  EXPECT_EQ(questions[8],
            "Q: Are you certain I can modify my 3870 X\xC2\xB2 BIOS using OZA? I heard rumors about "
            "problems with it.");
  EXPECT_EQ(questions[11],
            "Q: The BIOS checksum displayed in OZA sometimes differs from the one displayed in "
            "WinFlash. Why?");
}

}  // namespace
}  // namespace oza
