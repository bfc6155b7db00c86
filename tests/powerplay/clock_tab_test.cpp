#include "powerplay/clock_tab.h"

#include <gtest/gtest.h>

#include "controls/number_keys.h"
#include "platform/scripted_platform.h"

namespace oza {
namespace {

// A tab showing `count` records with distinct values.
void fill(ClockTab& tab, int count) {
  tab.States.setText(std::to_string(count));
  tab.clearClockBlocks();
  for (int i = 0; i < count && i < 16; ++i) {
    tab.GPU[i].setText(std::to_string(100 + i));
    tab.RAM[i].setText(std::to_string(200 + i));
    tab.Voltage[i].setText("1." + std::to_string(i));
  }
  tab.applyClockInfoLock();
}

TEST(ClockTab, StartsEmptyAndDisabledWithoutACount) {
  ClockTab tab;
  tab.applyClockInfoLock();
  for (int i = 0; i < kClockBlocks; ++i) {
    EXPECT_FALSE(tab.GPU[i].enabled());
    EXPECT_EQ(tab.Voltage[i].text(), "");
  }
  EXPECT_FALSE(tab.Check2.checked());
  EXPECT_EQ(tab.ClockInfo[7].text(), "Clock info 07");
  EXPECT_EQ(tab.ClockInfo[19].text(), "Clock info 19");
  EXPECT_EQ(tab.Label92.text(), "0");
  EXPECT_EQ(tab.Label101.text(), "MHz");
}

TEST(ClockTab, BlocksBeyondTheCountAreEmptyAndDisabled) {
  ClockTab tab;
  fill(tab, 5);
  EXPECT_TRUE(tab.GPU[4].enabled());
  EXPECT_FALSE(tab.RAM[5].enabled());
  EXPECT_EQ(tab.GPU[5].text(), "");
  tab.clearClockBlocks();
  EXPECT_TRUE(tab.Voltage[19].enabled());
}

TEST(ClockTab, TheLockCannotStayCheckedBelowSevenRecords) {
  ClockTab tab;
  fill(tab, 5);
  tab.Check2.click();
  EXPECT_FALSE(tab.Check2.checked());
  EXPECT_FALSE(tab.GPU[5].enabled());
}

TEST(ClockTab, LockedFollowersMirrorTheirSourcesOnTheNextChangeOfTheirKind) {
  ClockTab tab;
  fill(tab, 10);
  tab.Check2.click();
  ASSERT_TRUE(tab.Check2.checked());
  for (int follower : {4, 5, 6, 8, 9}) EXPECT_FALSE(tab.GPU[follower].enabled()) << follower;
  EXPECT_TRUE(tab.GPU[7].enabled());
  EXPECT_EQ(tab.GPU[4].text(), "104");  // nothing copied yet

  tab.GPU[1].setText("555");
  EXPECT_EQ(tab.GPU[4].text(), "555");
  EXPECT_EQ(tab.GPU[5].text(), "102");
  EXPECT_EQ(tab.GPU[6].text(), "103");
  EXPECT_EQ(tab.GPU[8].text(), "107");
  EXPECT_EQ(tab.GPU[9].text(), "107");
  EXPECT_EQ(tab.RAM[4].text(), "204");  // RAM follows only when a RAM box changes
  tab.RAM[0].setText("999");
  EXPECT_EQ(tab.RAM[4].text(), "201");

  tab.GPU[4].setText("1");  // a follower is overwritten by its source at once
  EXPECT_EQ(tab.GPU[4].text(), "555");

  tab.Check2.click();  // unlocking enables the followers again
  EXPECT_TRUE(tab.GPU[4].enabled());
  tab.GPU[1].setText("556");
  EXPECT_EQ(tab.GPU[4].text(), "555");
}

TEST(ClockTab, HoldingTheMouseOnAStateColoursItsBlocks) {
  ClockTab tab;
  PowerPlayStates states;
  states.stateEntrySize = 4;
  states.stateClockIndex = {{0, 2, 2}, {0, 0, 0}, {1, 25, 3}};
  states.classification = {0x0008, 0x0001, 0x0000};
  tab.showStates(states);
  EXPECT_EQ(tab.List1.items(), (std::vector<std::string>{"0 - Boot",
                                                          "1 - Power saving for notebooks in battery mode", "2"}));

  tab.List1.setListIndex(0);
  tab.listMouseDown();
  EXPECT_EQ(tab.Label92.text(), "0");
  EXPECT_EQ(tab.Label93.text(), "2");
  EXPECT_EQ(tab.Label94.text(), "2");
  EXPECT_EQ(tab.GPU[0].backColor(), (Rgb{0, 255, 0}));
  EXPECT_EQ(tab.Voltage[2].backColor(), (Rgb{255, 255, 0}));
  EXPECT_FALSE(tab.GPU[1].backColor().has_value());
  tab.listMouseUp();
  for (int i = 0; i < kClockBlocks; ++i) EXPECT_FALSE(tab.RAM[i].backColor().has_value());

  tab.List1.setListIndex(1);
  tab.listMouseDown();
  EXPECT_EQ(tab.GPU[0].backColor(), (Rgb{0, 255, 0}));
  tab.listMouseUp();

  tab.List1.setListIndex(2);  // block 25 does not exist and is skipped
  tab.listMouseDown();
  EXPECT_EQ(tab.Label93.text(), "25");
  EXPECT_EQ(tab.GPU[1].backColor(), (Rgb{0, 255, 0}));
  EXPECT_EQ(tab.GPU[3].backColor(), (Rgb{255, 0, 0}));
}

TEST(ClockTab, ClicksShowOnlyExistingSlots) {
  ClockTab tab;
  PowerPlayStates states;
  states.stateEntrySize = 3;
  states.stateClockIndex = {{4, 5}};
  states.classification = {0};
  tab.showStates(states);
  tab.listClick();  // no selection: nothing changes
  EXPECT_EQ(tab.Label92.text(), "0");
  tab.List1.choose(0);  // by mouse or arrow key alike
  EXPECT_EQ(tab.Label92.text(), "4");
  EXPECT_EQ(tab.Label93.text(), "5");
  EXPECT_EQ(tab.Label94.text(), "0");
  EXPECT_FALSE(tab.GPU[4].backColor().has_value());  // highlighting needs the mouse held
}

TEST(ClockTab, ScrollingMovesTheBandsByTheDifference) {
  ClockTab tab;
  tab.VScroll1.setValue(240);
  EXPECT_EQ(tab.bandOffset(), -240);
  EXPECT_EQ(tab.lastScrollValue, 240);
  tab.VScroll1.setValue(100);
  EXPECT_EQ(tab.bandOffset(), -100);
  tab.VScroll1.setValue(0);
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
