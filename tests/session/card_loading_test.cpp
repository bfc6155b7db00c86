// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/card_loading.h"

#include <gtest/gtest.h>

#include "card/pci_cards.h"
#include "platform/scripted_platform.h"
#include "session/session.h"
#include "support/fake_sysfs.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "support/temp_trap.h"

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

  ASSERT_TRUE(loadBiosFromCard(session, "0000:01:00.0", access)) << platform.messages.size();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(session.image()->bytes.bytes(), rom);
  EXPECT_EQ(session.form().info.videoCard.text(), "HD 3870");
  const std::string copy = session.form().loadedFile.text();
  EXPECT_EQ(test::readBytes(copy), rom);
  EXPECT_TRUE(access.enabled.empty());
  std::remove(copy.c_str());
}

TEST_F(CardLoading, APartialCopyIsLoadedWithAWarning) {
  const std::vector<std::uint8_t> rom = test::FixtureImage().build();
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", rom);
  sysfs.setRomWindow("0000:01:00.0", 131072);

  ASSERT_TRUE(loadBiosFromCard(session, "0000:01:00.0", access));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
  EXPECT_NE(platform.messages[0].text.find("gave 65,536 of the ROM window's 131,072 bytes, only the PCI images the "
                                           "ROM declares: the 65,536 bytes after them"),
            std::string::npos)
      << platform.messages[0].text;
  EXPECT_NE(platform.messages[0].text.find("Do not flash an edit of this copy"), std::string::npos);
  EXPECT_EQ(session.image()->bytes.bytes(), rom);
  const std::string copy = session.form().loadedFile.text();
  EXPECT_EQ(test::readBytes(copy), rom);
  std::remove(copy.c_str());
}

TEST_F(CardLoading, AFailedReadShowsItsMessageAndLoadsNothing) {
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", {0x00, 0x00, 0x00});

  EXPECT_FALSE(loadBiosFromCard(session, "0000:01:00.0", access));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("does not begin with 0x55 0xAA"), std::string::npos);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(session.image(), nullptr);
  EXPECT_EQ(session.form().loadedFile.text(), "");
  EXPECT_TRUE(access.enabled.empty());
}

class TrappedTempPlatform : public ScriptedPlatform {
 public:
  explicit TrappedTempPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string tempDirectory() override { return folder_; }

 private:
  std::string folder_;
};

// Another user laid traps in the temporary folder, also at the first names
// the copy draws: the card still loads, and no trap is sprung.
TEST(CardLoadingTemporaryCopy, ATrappedTemporaryFolderChangesNothing) {
  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  const std::vector<std::uint8_t> rom = test::FixtureImage().build();
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", rom);
  test::TempDir dir;
  const test::TempTrap trap(dir.path());
  trap.plant("oza0000000000000001.tmp", "oza0000000000000002.tmp");
  TrappedTempPlatform platform(trap.folder());
  platform.fileWrites.randomBits = [next = std::uint64_t{1}]() mutable { return next++; };
  Session session(platform);
  session.start();

  ASSERT_TRUE(loadBiosFromCard(session, "0000:01:00.0", access));
  const std::string copy = session.form().loadedFile.text();
  EXPECT_EQ(copy, trap.folder() + "/oza0000000000000003.tmp");
  EXPECT_EQ(test::readBytes(copy), rom);
  std::remove(copy.c_str());
  EXPECT_EQ(trap.damage(), "");
}

// The message names the folder the copy was to go to, or says there is none.
TEST(CardLoadingTemporaryCopy, NoTemporaryCopyNamesTheFolderOrItsAbsence) {
  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", test::FixtureImage().build());
  test::TempDir dir;
  test::writeText(dir.file("plain"), "");
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  const std::string runtime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
  unsetenv("HOME");
  unsetenv("XDG_RUNTIME_DIR");
  const struct {
    std::string folder;
    std::string text;
  } cases[] = {
      {dir.file("plain"), "could not be written to \"" + dir.file("plain") + "\"."},
      {"", "could not be written to a temporary file.\nNo folder for temporary files was found"},
  };
  for (const auto& c : cases) {
    TrappedTempPlatform platform(c.folder);
    Session session(platform);
    session.start();
    EXPECT_FALSE(loadBiosFromCard(session, "0000:01:00.0", access));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(c.text), std::string::npos) << platform.messages[0].text;
  }
  if (!home.empty()) setenv("HOME", home.c_str(), 1);
  if (!runtime.empty()) setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

}  // namespace
}  // namespace oza
