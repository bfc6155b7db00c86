// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/clock_tab.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/number_keys.h"
#include "document/loaded_image.h"
#include "platform/scripted_platform.h"

namespace oza {
namespace {

// A tab showing an image of `count` records, with distinct values.
void fill(ClockTab& tab, int count) {
  LoadedImage image;
  image.clockRecordCount = count;
  image.clockInfos.resize(static_cast<std::size_t>(std::min(count, 16)));
  tab.show(image);
  for (int i = 0; i < count && i < 16; ++i) {
    tab.gpuClock[i].setText(std::to_string(100 + i));
    tab.memoryClock[i].setText(std::to_string(200 + i));
    tab.voltage[i].setText("1." + std::to_string(i));
  }
  tab.applyClockInfoLock();
}

TEST(ClockTab, StartsEmptyAndDisabledWithoutACount) {
  ClockTab tab;
  tab.applyClockInfoLock();
  for (int i = 0; i < kClockBlocks; ++i) {
    EXPECT_FALSE(tab.gpuClock[i].enabled());
    EXPECT_EQ(tab.voltage[i].text(), "");
  }
  EXPECT_FALSE(tab.lock.checked());
  EXPECT_EQ(tab.blockCaption[7].text(), "Clock info 07");
  EXPECT_EQ(tab.blockCaption[19].text(), "Clock info 19");
  EXPECT_EQ(tab.lowModeIndex.text(), "0");
  EXPECT_EQ(tab.standardGpuClock.text(), "MHz");
}

TEST(ClockTab, BlocksBeyondTheCountAreEmptyAndDisabled) {
  ClockTab tab;
  fill(tab, 5);
  EXPECT_TRUE(tab.gpuClock[4].enabled());
  EXPECT_FALSE(tab.memoryClock[5].enabled());
  EXPECT_EQ(tab.gpuClock[5].text(), "");
  tab.clearClockBlocks();
  EXPECT_TRUE(tab.voltage[19].enabled());
}

TEST(ClockTab, TheLockCannotStayCheckedBelowSevenRecords) {
  ClockTab tab;
  fill(tab, 5);
  tab.lock.click();
  EXPECT_FALSE(tab.lock.checked());
  EXPECT_FALSE(tab.gpuClock[5].enabled());
}

TEST(ClockTab, LockedFollowersTakeTheirSourcesAtOnceAndFollowThem) {
  ClockTab tab;
  fill(tab, 10);
  tab.lock.click();
  ASSERT_TRUE(tab.lock.checked());
  for (int follower : {4, 5, 6, 8, 9}) EXPECT_FALSE(tab.gpuClock[follower].enabled()) << follower;
  EXPECT_TRUE(tab.gpuClock[7].enabled());
  // Ticking copies every master into its followers at once.
  for (ControlArray* boxes : {&tab.gpuClock, &tab.memoryClock, &tab.voltage})
    for (const auto& [follower, master] : {std::pair{4, 1}, {5, 2}, {6, 3}, {8, 7}, {9, 7}})
      EXPECT_EQ((*boxes)[follower].text(), (*boxes)[master].text()) << follower;

  tab.gpuClock[1].setText("555");
  EXPECT_EQ(tab.gpuClock[4].text(), "555");
  EXPECT_EQ(tab.gpuClock[5].text(), "102");

  tab.gpuClock[4].setText("1");  // a follower is overwritten by its source at once
  EXPECT_EQ(tab.gpuClock[4].text(), "555");

  tab.lock.click();  // unlocking enables the followers again
  EXPECT_TRUE(tab.gpuClock[4].enabled());
  tab.gpuClock[1].setText("556");
  EXPECT_EQ(tab.gpuClock[4].text(), "555");
}

TEST(ClockTab, HoldingTheMouseOnAStateColoursItsBlocks) {
  ClockTab tab;
  PowerPlayStates states;
  states.stateEntrySize = 4;
  states.stateClockIndex = {{0, 2, 2}, {0, 0, 0}, {1, 25, 3}};
  states.classification = {0x0008, 0x0001, 0x0000};
  tab.showStates(states);
  EXPECT_EQ(tab.stateList.items(),
            (std::vector<std::string>{"0 - Boot", "1 - Power saving for notebooks in battery mode", "2"}));

  tab.stateList.setListIndex(0);
  tab.listMouseDown();
  EXPECT_EQ(tab.lowModeIndex.text(), "0");
  EXPECT_EQ(tab.mediumModeIndex.text(), "2");
  EXPECT_EQ(tab.highModeIndex.text(), "2");
  EXPECT_EQ(tab.gpuClock[0].backColor(), (Rgb{0, 255, 0}));
  EXPECT_EQ(tab.voltage[2].backColor(), (Rgb{255, 255, 0}));
  EXPECT_FALSE(tab.gpuClock[1].backColor().has_value());
  tab.listMouseUp();
  for (int i = 0; i < kClockBlocks; ++i) EXPECT_FALSE(tab.memoryClock[i].backColor().has_value());

  tab.stateList.setListIndex(1);
  tab.listMouseDown();
  EXPECT_EQ(tab.gpuClock[0].backColor(), (Rgb{0, 255, 0}));
  tab.listMouseUp();

  tab.stateList.setListIndex(2);  // block 25 does not exist and is skipped
  tab.listMouseDown();
  EXPECT_EQ(tab.mediumModeIndex.text(), "25");
  EXPECT_EQ(tab.gpuClock[1].backColor(), (Rgb{0, 255, 0}));
  EXPECT_EQ(tab.gpuClock[3].backColor(), (Rgb{255, 0, 0}));
}

TEST(ClockTab, ClicksShowOnlyExistingSlots) {
  ClockTab tab;
  PowerPlayStates states;
  states.stateEntrySize = 3;
  states.stateClockIndex = {{4, 5}};
  states.classification = {0};
  tab.showStates(states);
  tab.listClick();  // no selection: nothing changes
  EXPECT_EQ(tab.lowModeIndex.text(), "0");
  tab.stateList.choose(0);  // by mouse or arrow key alike
  EXPECT_EQ(tab.lowModeIndex.text(), "4");
  EXPECT_EQ(tab.mediumModeIndex.text(), "5");
  EXPECT_EQ(tab.highModeIndex.text(), "0");
  EXPECT_FALSE(tab.gpuClock[4].backColor().has_value());  // highlighting needs the mouse held
}

TEST(ClockTab, ScrollingMovesTheBandsByTheDifference) {
  ClockTab tab;
  tab.bandScroll.setValue(240);
  EXPECT_EQ(tab.bandOffset(), -240);
  EXPECT_EQ(tab.lastScrollValue, 240);
  tab.bandScroll.setValue(100);
  EXPECT_EQ(tab.bandOffset(), -100);
  tab.bandScroll.setValue(0);
  EXPECT_EQ(tab.bandOffset(), 0);
}

TEST(ClockTab, KeyFilterAndHelp) {
  for (char c : std::string("0123456789.\b\r\x03\x16\x18\x1A")) EXPECT_TRUE(numberKeyAccepted(c)) << int(c);
  for (char c : std::string("a,-+ eE\x01")) EXPECT_FALSE(numberKeyAccepted(c)) << int(c);

  ScriptedPlatform platform;
  ClockTab().showLockHelp(platform);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[0].text.substr(0, 48), "This is just for helping with over-/underclockin");
  EXPECT_NE(platform.messages[0].text.find("some\r\nclock infos"), std::string::npos);
  EXPECT_GT(powerPlayHelpText().size(), 900u);
}

}  // namespace
}  // namespace oza
