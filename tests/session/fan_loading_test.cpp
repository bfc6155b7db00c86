// SPDX-License-Identifier: GPL-3.0-or-later

// The fan steps of the load and the fan page.
#include <gtest/gtest.h>

#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "session/tab_pages.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::FixtureImage;

class FanLoading : public ::testing::Test {
 protected:
  FanLoading() : session(platform) { session.start(); }

  bool load(const FixtureImage& fixture) {
    const std::string path = dir.file("card" + std::to_string(++count) + ".rom");
    fixture.save(path);
    platform.messages.clear();
    return loadBiosFile(session, path);
  }

  test::TempDir dir;
  ScriptedPlatform platform;
  Session session;
  int count = 0;
  MainForm& form = session.form();
};

TEST_F(FanLoading, NoUsableFanSettingsDisableTheFanTab) {
  FixtureImage none;
  none.fanType = 0;
  ASSERT_TRUE(load(FixtureImage()));
  form.fanTabButton.click();
  EXPECT_TRUE(form.fan.type1Frame.visible());
  EXPECT_FALSE(form.info.infoFrame.visible());

  ASSERT_TRUE(load(none));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(form.fanTabButton.enabled());
  EXPECT_TRUE(form.infoTabButton.checked());
  EXPECT_TRUE(form.info.infoFrame.visible());
  EXPECT_FALSE(form.fan.type1Frame.visible());
}

TEST_F(FanLoading, AFanReaderThatFailsOnlyDisablesTheTab) {
  FixtureImage broken;
  test::Type1Fields fields;
  fields.controlMode = 5;
  broken.registers = test::registersFor(fields);
  ASSERT_TRUE(load(broken));
  EXPECT_FALSE(form.fanTabButton.enabled());
  EXPECT_EQ(form.clock.gpuClock[0].text(), "300");
}

TEST_F(FanLoading, Rv770CardsShowFrameFourEvenForTypeTwo) {
  FixtureImage rv770;
  rv770.fanType = 2;
  rv770.cardId = 0x9442;
  rv770.rv770Registers = true;
  ASSERT_TRUE(load(rv770));
  EXPECT_TRUE(form.fanTabButton.enabled());
  EXPECT_EQ(form.fan.type2Threshold[0].text(), "40");  // read by the type-2 reader
  form.fanTabButton.click();
  EXPECT_TRUE(form.fan.type1Frame.visible());
  EXPECT_FALSE(form.fan.type2Frame.visible());
}

TEST_F(FanLoading, ASecondImageShowsItsOwnFanSettingsAtOnce) {
  ASSERT_TRUE(load(FixtureImage()));
  form.fanTabButton.click();
  FixtureImage type2;
  type2.fanType = 2;
  ASSERT_TRUE(load(type2));
  EXPECT_TRUE(form.fanTabButton.checked());
  EXPECT_TRUE(form.fan.type2Frame.visible());
  EXPECT_FALSE(form.fan.type1Frame.visible());
  EXPECT_EQ(form.fan.type2Hysteresis.text(), "3");

  FixtureImage other;
  test::Type1Fields fields;
  fields.tmin = 45;
  other.registers = test::registersFor(fields);
  ASSERT_TRUE(load(other));
  EXPECT_TRUE(form.fan.type1Frame.visible());
  EXPECT_EQ(form.fan.tmin.text(), "45");
}

// The box holds what a save writes: the stored Tslope, with the computed one
// beside it where it differs; a change of Tmin puts the computed one in.
TEST_F(FanLoading, TslopeShowsTheStoredOneAndTheComputedOneBesideIt) {
  const struct {
    int stored;
    const char* shown;
    const char* hint;
  } cases[] = {{200, "78", "computed: 21"}, {10, "4", "computed: 21"}, {54, "21", ""}};
  for (const auto& c : cases) {
    FixtureImage image;
    test::Type1Fields fields;
    fields.tslope = c.stored;
    image.registers = test::registersFor(fields);
    ASSERT_TRUE(load(image));
    EXPECT_EQ(form.fan.tslope.text(), c.shown);
    EXPECT_EQ(form.fan.computedTslopeHint.text(), c.hint);
    EXPECT_EQ(form.fan.computedTslopeHint.visible(), *c.hint != 0);
  }
  form.fan.tslope.setText("30");
  EXPECT_EQ(form.fan.computedTslopeHint.text(), "computed: 21");
  form.fan.tmin.setText(std::to_string(std::stoi(form.fan.tmin.text()) + 1));
  EXPECT_EQ(form.fan.computedTslopeHint.text(), "");
  EXPECT_NE(form.fan.tslope.text(), "30");
}

TEST_F(FanLoading, AnImageWithoutALookUpTableShowsNoneOfTheLastOne) {
  FixtureImage table;
  test::Type1Fields lookUp;
  lookUp.controlMode = 3;
  table.registers = test::registersFor(lookUp);
  FixtureImage rv770;
  rv770.fanType = 0;  // no fan data section: the card has no look-up table
  rv770.cardId = 0x9442;
  rv770.rv770Registers = true;
  rv770.registers = test::registersFor(lookUp);

  ASSERT_TRUE(load(rv770));
  const std::vector<GraphLine> fresh = form.fan.type1Graph.segments();
  ASSERT_TRUE(load(table));
  ASSERT_EQ(form.fan.type1Threshold[7].text(), "98");
  ASSERT_TRUE(load(rv770));
  EXPECT_TRUE(form.fanTabButton.enabled());
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(form.fan.type1Threshold[k].text(), "0");
    EXPECT_EQ(form.fan.type1Speed[k].text(), "0");
  }
  EXPECT_EQ(form.fan.type1Graph.segments().size(), fresh.size());

  // A load that draws no graph at all leaves both blank.
  FixtureImage none;
  none.fanType = 0;
  ASSERT_TRUE(load(table));
  ASSERT_TRUE(load(none));
  EXPECT_TRUE(form.fan.type1Graph.lines.empty());
  EXPECT_TRUE(form.fan.type2Graph.lines.empty());
}

TEST_F(FanLoading, GraphsAreSavedAsBitmaps) {
  ASSERT_TRUE(load(FixtureImage()));
  const std::string path = dir.file("graph.bmp");
  platform.queueSavePath(path);
  form.fan.saveType1GraphButton.click();
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(platform.saveDialogs[0].title, "Save graph...");
  EXPECT_EQ(platform.saveDialogs[0].defaultName, "Graph.bmp");
  EXPECT_EQ(platform.saveDialogs[0].filters[0].name, "Bitmap files (*.bmp)");
  EXPECT_EQ(platform.saveDialogs[0].filters[1].pattern, "*.*");
  const auto bytes = test::readBytes(path);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(bytes[18] | bytes[19] << 8, 333);
  EXPECT_EQ(bytes[22] | bytes[23] << 8, 221);
  EXPECT_EQ(bytes.size(), 54u + 221u * 1000u);  // rows of 999 bytes padded to 1000

  // Saving again asks first; No keeps the file, Yes replaces it.
  test::writeText(path, "old");
  platform.queueSavePath(path);
  form.fan.saveType1GraphButton.click();
  EXPECT_EQ(platform.messages.back().text, "File exists. Overwrite?");
  EXPECT_EQ(platform.messages.back().title, "File exists.");
  EXPECT_EQ(test::readText(path), "old");
  platform.queueSavePath(path);
  platform.queueAnswer(MessageAnswer::Yes);
  form.fan.saveType1GraphButton.click();
  EXPECT_EQ(test::readBytes(path).size(), bytes.size());

  form.fan.saveType2GraphButton.click();  // cancelled: nothing written, nothing said
  EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace oza
