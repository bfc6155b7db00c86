// SPDX-License-Identifier: GPL-3.0-or-later

// The window sets the C library's locale from the environment; numbers must
// still be read and shown with the point.
#include <gtest/gtest.h>

#include "support/decimal_comma.h"
#include "support/loaded_session.h"
#include "text/number_text.h"

namespace oza {
namespace {

using test::FixtureImage;
using DecimalComma = test::LoadedSession;

TEST_F(DecimalComma, BoxesShowAndSavesTakeThePointUnderADecimalCommaLocale) {
  test::DecimalCommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no decimal-comma locale could be made";
  EXPECT_EQ(decimalText(1.263), "1.263");
  EXPECT_EQ(textValue("755.55"), 755.55);
  EXPECT_EQ(decimalValue("1.2"), 1.2);

  FixtureImage fixture;
  fixture.clocks[0] = {74250, 80000, 1263};
  load(fixture);
  EXPECT_EQ(form.clock.gpuClock[0].text(), "742.5");
  EXPECT_EQ(form.clock.voltage[0].text(), "1.263");
  form.clock.gpuClock[0].setText("755.55");
  form.clock.voltage[0].setText("1.2");
  ASSERT_TRUE(saveTo("out.rom")) << texts().front();

  Session reloaded(platform);
  reloaded.start();
  ASSERT_TRUE(loadBiosFile(reloaded, dir.file("out.rom")));
  EXPECT_EQ(reloaded.image()->clockInfos[0].engineClock, 75555u);
  EXPECT_EQ(reloaded.image()->clockInfos[0].voltage, 1200u);
}

}  // namespace
}  // namespace oza
