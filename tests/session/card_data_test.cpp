// SPDX-License-Identifier: GPL-3.0-or-later

// The PowerPlay steps of the load: their messages, in order, and the reset.
#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "support/control_snapshot.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::FixtureImage;

const char* const kNoClocks =
    "Unable to find clock settings. This may be due to an unrecognized video card. Please drop a "
    "note to the eMail-address found in the about section. - Debug information: ";

class CardData : public ::testing::Test {
 protected:
  CardData() : session(platform) { session.start(); }

  bool load(const std::vector<std::uint8_t>& bytes) {
    const std::string path = dir.file("card" + std::to_string(++count) + ".rom");
    test::writeBytes(path, bytes);
    platform.messages.clear();
    return loadBiosFile(session, path);
  }

  // A failed load leaves the window as it was before it.
  void expectUnchanged(const std::map<std::string, test::ControlState>& before) {
    EXPECT_EQ(test::changedControls(before, test::snapshot(session.controls())), std::vector<std::string>{});
  }

  test::TempDir dir;
  ScriptedPlatform platform;
  Session session;
  int count = 0;
};

TEST_F(CardData, ALoadedImageFillsTheClockTab) {
  FixtureImage fixture;
  fixture.clocks = {{30000, 50000, 1100}, {50000, 80000, 1200}, {77500, 112600, 0xFF01}};
  ASSERT_TRUE(load(fixture.build()));
  EXPECT_TRUE(platform.messages.empty());
  const ClockTab& clock = session.form().clock;
  EXPECT_EQ(clock.recordCount.text(), "3");
  EXPECT_EQ(clock.gpuClock[2].text(), "775");
  EXPECT_EQ(clock.memoryClock[2].text(), "1126");
  EXPECT_EQ(clock.voltage[2].text(), "---");
  EXPECT_TRUE(clock.gpuClock[2].enabled());
  EXPECT_FALSE(clock.gpuClock[3].enabled());
  EXPECT_EQ(clock.stateList.items().size(), 2u);
  EXPECT_EQ(clock.stateList.items()[0], "0 - Boot");
  EXPECT_EQ(clock.standardGpuClock.text(), "775 MHz");
  EXPECT_EQ(clock.ramLimit.text(), "1200 MHz");
  EXPECT_EQ(clock.gpuLimit.text(), "860 MHz");
}

// Records past the sixteen a save writes have no box that takes an edit:
// one would be reported as saved and never written.
TEST_F(CardData, BlocksPastTheRecordsASaveWritesAreDisabled) {
  FixtureImage fixture;
  while (fixture.clocks.size() < 20) fixture.clocks.push_back({50000, 80000, 1200});
  ASSERT_TRUE(load(fixture.build()));
  const ClockTab& clock = session.form().clock;
  EXPECT_EQ(clock.recordCount.text(), "20");
  EXPECT_TRUE(clock.voltage[15].enabled());
  for (int block = 16; block < kClockBlocks; ++block) {
    EXPECT_FALSE(clock.gpuClock[block].enabled()) << block;
    EXPECT_EQ(clock.gpuClock[block].text(), "") << block;
  }
}

TEST_F(CardData, SignatureImagesClearTheStatesOfAnEarlierImage) {
  ASSERT_TRUE(load(FixtureImage().build()));
  session.form().clock.stateList.setListIndex(1);
  session.form().clock.stateList.click();
  FixtureImage signature;
  signature.revision4 = false;
  signature.signature = 3;
  ASSERT_TRUE(load(signature.build()));
  EXPECT_TRUE(session.form().clock.stateList.items().empty());
  EXPECT_EQ(session.form().clock.highModeIndex.text(), "0");
  EXPECT_EQ(session.form().clock.gpuClock[0].text(), "300");
}

TEST_F(CardData, NoClockTableStopsTheLoad) {
  FixtureImage fixture;
  fixture.revision4 = false;
  auto bytes = fixture.build();
  bytes[FixtureImage::kPowerPlay + 0x100] = 0x55;  // spoil the signature
  const auto before = test::snapshot(session.controls());
  EXPECT_FALSE(load(bytes));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, std::string(kNoClocks) + "'GetClockPos' reported 0.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  expectUnchanged(before);

  auto pointers = FixtureImage().build();  // a chain pointing past the end
  test::putWord(pointers, FixtureImage::kMasterData + 0x22, 0xFFF0);
  EXPECT_FALSE(load(pointers));
  EXPECT_EQ(platform.messages.back().text, std::string(kNoClocks) + "'GetClockPos' reported 0.");
}

TEST_F(CardData, NoOverdriveOnlyWarns) {
  FixtureImage fixture;
  fixture.overdrive = false;
  EXPECT_TRUE(load(fixture.build()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Unable to find overdrive settings. Maybe your card simply does not support overdrive. "
            "If you're sure this card supports it, please drop a note to the eMail-address found in "
            "the about section. - Debug information: 'GetOverDrive' reported error.");
  EXPECT_EQ(session.form().clock.gpuClock[0].text(), "300");
  EXPECT_EQ(session.form().clock.standardGpuClock.text(), "MHz");
}

TEST_F(CardData, ZeroRecordsStopTheLoad) {
  FixtureImage fixture;
  auto bytes = fixture.build();
  // Move the end signature 8 bytes on: no whole number of records.
  const std::int64_t end = fixture.clockPosition() + 16 * static_cast<std::int64_t>(fixture.clocks.size());
  bytes[static_cast<std::size_t>(end + 4)] = 0;
  bytes[static_cast<std::size_t>(end + 12)] = 0x7A;
  bytes[static_cast<std::size_t>(end + 8)] = 0x08;
  const auto before = test::snapshot(session.controls());
  EXPECT_FALSE(load(bytes));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, std::string(kNoClocks) + "'GetStatesNum(ClockPosition)' reported 0.");
  expectUnchanged(before);
}

TEST_F(CardData, MessagesComeInTheOrderOfTheSteps) {
  FixtureImage fixture;
  fixture.revision4 = false;
  fixture.overdrive = false;
  auto bytes = fixture.build();
  bytes[static_cast<std::size_t>(fixture.clockPosition() + 16 * 4)] = 0;         // no end signature...
  bytes.resize(static_cast<std::size_t>(fixture.clockPosition() + 16 * 4 + 7));  // ...and 3 bytes short
  EXPECT_FALSE(load(bytes));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_NE(platform.messages[0].text.find("'GetOverDrive'"), std::string::npos);
  EXPECT_NE(platform.messages[1].text.find("'GetStatesNum(ClockPosition)'"), std::string::npos);
}

TEST_F(CardData, TheLockIsOffAfterEveryLoad) {
  FixtureImage fixture;
  fixture.clocks.assign(10, test::ClockRecord{50000, 60000, 1100});
  ASSERT_TRUE(load(fixture.build()));
  session.form().clock.lock.click();
  ASSERT_TRUE(session.form().clock.lock.checked());
  ASSERT_TRUE(load(fixture.build()));
  EXPECT_FALSE(session.form().clock.lock.checked());
  EXPECT_TRUE(session.form().clock.gpuClock[4].enabled());
}

TEST_F(CardData, HelpLabelsOpenTheirTexts) {
  session.form().clock.stateHelpLink.click();
  EXPECT_TRUE(session.textWindow().shown());
  EXPECT_EQ(session.textWindow().window.text(), "Help on PowerPlay states");
  EXPECT_EQ(session.textWindow().text.text(), powerPlayHelpText());
  session.form().clock.lockHelpLink.click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, kDefaultTitle);
}

}  // namespace
}  // namespace oza
