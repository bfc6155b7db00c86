// SPDX-License-Identifier: GPL-3.0-or-later

// The clock tab against an independent walk of the AtomBIOS tables, over the
// fixtures and the images of real cards; and what the real images show and
// how they save.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "text/number_text.h"
#include "powerplay/clock_records.h"
#include "image/pci_images.h"
#include "save/checksum.h"
#include "support/atom_walk.h"
#include "support/fixture_kinds.h"
#include "support/loaded_session.h"
#include "support/real_roms.h"

namespace oza {
namespace {

class RealImages : public test::LoadedSession {
 protected:
  RealImages() { platform.defaultAnswer = MessageAnswer::Yes; }
};

// Every record the walk finds (at most the 16 the tab has) shows its clocks
// and voltage in its block.
void expectTabShows(const MainForm& form, const std::vector<test::WalkedClock>& records) {
  const ClockTab& tab = form.clock;
  EXPECT_EQ(tab.recordCount.text(), std::to_string(records.size()));
  for (std::size_t r = 0; r < records.size() && r < kMaxRecords; ++r) {
    const int i = static_cast<int>(r);
    SCOPED_TRACE("record " + std::to_string(r));
    EXPECT_EQ(std::llround(textValue(tab.gpuClock[i].text()) * 100), records[r].engine);
    EXPECT_EQ(std::llround(textValue(tab.memoryClock[i].text()) * 100), records[r].memory);
    if (records[r].millivolts > kLargestVoltage) {
      EXPECT_EQ(tab.voltage[i].text(), "---");
    } else {
      EXPECT_EQ(std::llround(textValue(tab.voltage[i].text()) * 1000), records[r].millivolts);
    }
  }
}

TEST_F(RealImages, TheClockTabAgreesWithTheTablesOfEveryFixture) {
  int walked = 0;
  for (auto [name, fixture] : test::fixtureKinds()) {
    SCOPED_TRACE(name);
    fixture.clocks.push_back({123456, 654321, 3001});
    load(fixture);
    const auto records = test::walkClockInfos(loaded);
    if (!records) continue;  // found by a signature, no table to walk
    ++walked;
    expectTabShows(form, *records);
  }
  EXPECT_GE(walked, 5);
}

TEST_F(RealImages, TheClockTabAgreesWithTheTablesOfRealCards) {
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    load(test::readBytes(path));
    const auto records = test::walkClockInfos(loaded);
    ASSERT_TRUE(records.has_value());
    expectTabShows(form, *records);
  }
}

TEST_F(RealImages, TheHd4670WithARevisionFiveTable) {
  const std::string path = test::realRomPath("hd4670-rv730-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  load(test::readBytes(path));
  EXPECT_TRUE(platform.messages.empty());
  const ClockTab& tab = form.clock;
  EXPECT_EQ(tab.recordCount.text(), "5");
  const char* gpu[] = {"680", "230", "290", "450", "290"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tab.gpuClock[i].text(), gpu[i]);
    EXPECT_EQ(tab.memoryClock[i].text(), "790");
  }
  EXPECT_EQ(tab.voltage[0].text(), "1.2");
  EXPECT_EQ(tab.stateList.items().size(), 6u);
}

TEST_F(RealImages, TheHd4850WithARevisionFourTable) {
  const std::string path = test::realRomPath("hd4850-rv770-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  load(test::readBytes(path));
  const ClockTab& tab = form.clock;
  EXPECT_EQ(tab.recordCount.text(), "16");
  EXPECT_EQ(tab.gpuClock[0].text(), "503.12");
  EXPECT_EQ(tab.memoryClock[0].text(), "850");
  EXPECT_EQ(tab.voltage[0].text(), "1.05");
  EXPECT_EQ(tab.stateList.items().size(), 6u);
}

TEST_F(RealImages, SavesChangeOnlyWhatWasEdited) {
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    load(test::readBytes(path));
    ASSERT_TRUE(saveTo("plain.rom")) << texts().front();
    EXPECT_EQ(saved("plain.rom"), loaded);  // byte for byte

    form.clock.gpuClock[1].setText("300");
    ASSERT_TRUE(saveTo("a.rom"));
    ASSERT_TRUE(saveTo("b.rom"));
    EXPECT_EQ(saved("a.rom"), saved("b.rom"));
    const auto bytes = saved("a.rom");
    const std::int64_t record = *session.image()->clockLocation.clockPosition + 16;
    const ByteImage image(loaded);
    const std::int64_t freeSpace = freeSpacePosition(image);
    const std::int64_t last = checkedLast(image);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto p = static_cast<std::int64_t>(i);
      const bool own = p >= record && p < record + 3;
      const bool correction = (p >= kUpAreaFirst && p <= kUpAreaLast) || (p >= freeSpace && p <= last);
      if (bytes[i] != loaded[i]) {
        EXPECT_TRUE(own || correction) << "byte " << p;
      }
    }
    EXPECT_EQ(ByteImage(bytes).clock(record), 30000u);
  }
}

// A save patches the AtomBIOS image only: the images after it and the bytes
// after the chain (memory set-up data on some cards) stay as they were.
TEST_F(RealImages, SavesKeepEveryPciImageAndTheBytesAfterThem) {
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    load(test::readBytes(path));
    const PciImageChain chain = session.image()->pciImages;
    ASSERT_GE(chain.images.size(), 2u);
    form.clock.gpuClock[0].setText("400");
    form.clock.voltage[0].setText("1.1");
    form.info.infoText[0].setText("01/02/09");
    ASSERT_TRUE(saveTo("edited.rom")) << texts().front();
    const auto bytes = saved("edited.rom");
    ASSERT_EQ(bytes.size(), loaded.size());
    const auto second = static_cast<std::ptrdiff_t>(chain.images[1].offset);
    EXPECT_TRUE(std::equal(bytes.begin() + second, bytes.end(), loaded.begin() + second));
    EXPECT_EQ(walkPciImages(ByteImage(bytes)), chain);
  }
}

}  // namespace
}  // namespace oza
