// SPDX-License-Identifier: GPL-3.0-or-later

// The review before a save of the real HD 4850 says what the card will do
// with the edits, and only with them.
#include <gtest/gtest.h>

#include "support/loaded_session.h"
#include "support/real_roms.h"

namespace oza {
namespace {

using CardReview = test::LoadedSession;

TEST_F(CardReview, SaysWhatTheCardDoesWithTheEdits) {
  const std::string path = test::realRomPath("hd4850-rv770-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  load(test::readBytes(path));
  const struct {
    const char* box;
    const char* text;
    const char* rule;
    bool error;
    const char* says;
  } cases[] = {
      {"Voltage(2)", "0.925", "Voltages on the regulator's levels", false,
       "0.925 V is between the regulator's levels 0.900 and 0.950 V: the card sets 0.950 V (driver) or 0.900 V (BIOS)"},
      {"Voltage(2)", "1.2", "Voltages within the regulator's levels", true, "the driver refuses the state"},
      {"GPU(0)", "450", "Boot state from the firmware", false, "the card boots at 503.12 / 850 MHz, 1.050 V"},
      {"GPU(3)", "2600", "Clocks within the PLL's range", true, "2600 MHz above the PLL's highest 2500 MHz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box + std::string("=") + c.text);
    load(loaded);
    session.findControl(c.box)->setText(c.text);
    ASSERT_TRUE(saveTo(std::string(c.rule) + ".rom")) << (texts().empty() ? "" : texts().back());
    const auto& findings = platform.reviews.back().findings;
    const auto found = std::find_if(findings.begin(), findings.end(), [&](const auto& f) { return f.rule == c.rule; });
    ASSERT_NE(found, findings.end());
    EXPECT_EQ(found->error, c.error);
    EXPECT_NE(found->detail.find(c.says), std::string::npos) << found->detail;
  }
  // Unedited, the card runs as it does today: nothing to say.
  load(loaded);
  ASSERT_TRUE(saveTo("unedited.rom"));
  EXPECT_TRUE(platform.reviews.back().findings.empty());
}

}  // namespace
}  // namespace oza
