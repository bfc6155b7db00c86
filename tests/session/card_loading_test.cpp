#include "session/card_loading.h"

#include <gtest/gtest.h>

#include "card/pci_cards.h"
#include "platform/scripted_platform.h"
#include "session/session.h"
#include "support/fake_sysfs.h"
#include "support/fixture_image.h"

namespace oza {
namespace {

class CardLoading : public ::testing::Test {
 protected:
  CardLoading() : session(platform) { session.start(); }

  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  ScriptedPlatform platform;
  Session session;
};

TEST_F(CardLoading, TheCardsBiosIsLoadedFromATemporaryCopy) {
  const std::vector<std::uint8_t> rom = test::FixtureImage().build();
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", rom);

  ASSERT_TRUE(LoadBIOSFromCard(session, "0000:01:00.0", access)) << platform.messages.size();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(session.BIOSArray.bytes(), rom);
  EXPECT_EQ(session.form.info.Combo2.text(), "HD 3870");
  const std::string copy = session.form.Label49.text();
  EXPECT_EQ(test::readBytes(copy), rom);
  EXPECT_TRUE(access.enabled.empty());
  std::remove(copy.c_str());
}

TEST_F(CardLoading, AFailedReadShowsItsMessageAndLoadsNothing) {
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", {0x00, 0x00, 0x00});

  EXPECT_FALSE(LoadBIOSFromCard(session, "0000:01:00.0", access));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("does not begin with 0x55 0xAA"), std::string::npos);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(session.BIOSArray.bytes().empty());
  EXPECT_EQ(session.form.Label49.text(), "");
  EXPECT_TRUE(access.enabled.empty());
}

}  // namespace
}  // namespace oza
