// SPDX-License-Identifier: GPL-3.0-or-later

// Edits not yet saved: what counts as one, the question before they would be
// lost, and undo and redo of each kind of edit.
#include "session/unsaved_edits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "session/card_loading.h"
#include "support/control_snapshot.h"
#include "support/fake_sysfs.h"
#include "support/loaded_session.h"

namespace oza {
namespace {

using test::FixtureImage;

class UnsavedEdits : public test::LoadedSession {
 protected:
  // A fixture with ten clock infos, so that the lock applies, and fan
  // settings other than the recommended ones.
  static FixtureImage tenRecords() {
    FixtureImage fixture;
    test::Type1Fields fields;
    fields.tmin = 45;
    fixture.registers = test::registersFor(fields);
    while (fixture.clocks.size() < 10)
      fixture.clocks.push_back({40000u + 100u * static_cast<std::uint32_t>(fixture.clocks.size()), 60000, 1150});
    return fixture;
  }
};

TEST_F(UnsavedEdits, AnEditCountsUntilItsValueIsBack) {
  EXPECT_FALSE(session.hasUnsavedEdits());  // nothing loaded
  load(FixtureImage());
  EXPECT_FALSE(session.hasUnsavedEdits());
  Control& gpu = form.clock.gpuClock[3];
  const std::string shown = gpu.text();
  gpu.setText("800");
  EXPECT_TRUE(session.hasUnsavedEdits());
  gpu.setText(shown + ".0");  // the same number typed back
  EXPECT_FALSE(session.hasUnsavedEdits());
  form.info.preModified.click();
  EXPECT_TRUE(session.hasUnsavedEdits());
  form.info.preModified.click();
  form.fanTabButton.click();  // choosing a tab edits nothing
  form.fan.type1ContinuousGraph.click();
  EXPECT_FALSE(session.hasUnsavedEdits());
}

TEST_F(UnsavedEdits, ALoadAsksFirstAndGoesOnOnlyAfterSaveOrDiscard) {
  const std::string other = dir.file("other.rom");
  FixtureImage second;
  second.version = "113-OTHER-0001";
  test::writeBytes(other, second.build());
  test::FakeSysfs sysfs;
  test::FakeRomAccess access;
  sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", second.build());
  const struct {
    const char* name;
    std::function<bool(Session&, ScriptedPlatform&)> load;
  } ways[] = {
      {"a named file", [&](Session& s, ScriptedPlatform&) { return loadBiosFile(s, other); }},
      {"the open dialog",
       [&](Session& s, ScriptedPlatform& p) {
         p.queueOpenPath(other);
         return loadBiosFile(s, "");
       }},
      {"the card", [&](Session& s, ScriptedPlatform&) { return loadBiosFromCard(s, "0000:01:00.0", access); }},
  };
  for (const auto& way : ways) {
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Discard, MessageAnswer::Save}) {
      SCOPED_TRACE(std::string(way.name) + " " + std::to_string(static_cast<int>(answer)));
      load(FixtureImage());
      form.clock.gpuClock[3].setText("800");
      platform.queueAnswer(answer);
      const std::string saved = dir.file("saved.rom");
      std::filesystem::remove(saved);
      if (answer == MessageAnswer::Save) platform.queueSavePath(saved);
      const bool loaded = way.load(session, platform);

      ASSERT_FALSE(platform.messages.empty());
      const Message& question = platform.messages.front();
      EXPECT_EQ(question.question, MessageQuestion::UnsavedEdits);
      EXPECT_EQ(question.buttons, MessageButtons::SaveDiscardCancel);
      EXPECT_EQ(question.text, "Save the changes to " + dir.file("in.rom") + "?");
      EXPECT_EQ(loaded, answer != MessageAnswer::Cancel);
      if (answer == MessageAnswer::Cancel) {
        EXPECT_EQ(form.clock.gpuClock[3].text(), "800");
        EXPECT_TRUE(platform.openDialogs.empty());
      } else {
        EXPECT_EQ(session.image()->strings.biosVersion, "113-OTHER-0001");
      }
      EXPECT_EQ(std::filesystem::exists(saved), answer == MessageAnswer::Save);
      if (loaded && session.form().loadedFile.text() != other) std::remove(session.form().loadedFile.text().c_str());
      platform.openDialogs.clear();
    }
  }
  // Without edits nothing is asked.
  load(FixtureImage());
  ASSERT_TRUE(loadBiosFile(session, other));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UnsavedEdits, EachKindOfEditIsOneStepToUndoAndRedo) {
  FanTab& fan = form.fan;
  const struct {
    const char* kind;
    std::function<void()> edit;
  } edits[] = {
      {"typing", [&] { form.clock.gpuClock[2].setText("6"), form.clock.gpuClock[2].setText("66"); }},
      {"a choice", [&] { form.info.videoCard.setListIndex(3); }},
      {"a check", [&] { form.info.preModified.click(); }},
      {"an option", [&] { fan.lookUpTableMode.click(); }},
      {"a drag",
       [&] {
         fan.type1GraphMouseDown(45, 20);
         for (int x = 46; x <= 55; ++x) fan.type1GraphMouseMove(x, 20 + x - 45, true);
         fan.type1GraphMouseUp();
       }},
      {"the recommended values", [&] { fan.recommendedValuesButton.click(); }},
      {"the lock", [&] { form.clock.lock.click(); }},
  };
  for (const auto& edit : edits) {
    SCOPED_TRACE(edit.kind);
    load(tenRecords());
    fan.transferFunctionMode.click();
    session.history().reset();
    EXPECT_FALSE(session.history().canUndo());
    const auto before = test::snapshot(session.editControls());
    const int drawingsBefore = fan.type1Graph.drawings;
    edit.edit();
    const auto after = test::snapshot(session.editControls());
    ASSERT_NE(test::changedControls(before, after), std::vector<std::string>{});
    EXPECT_TRUE(session.hasUnsavedEdits());
    session.history().record();

    session.history().undo();
    EXPECT_EQ(test::changedControls(before, test::snapshot(session.editControls())), std::vector<std::string>{});
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_FALSE(session.hasUnsavedEdits());
    EXPECT_GT(fan.type1Graph.drawings, drawingsBefore);  // the graph shows the boxes again
    session.history().redo();
    EXPECT_EQ(test::changedControls(after, test::snapshot(session.editControls())), std::vector<std::string>{});
    EXPECT_FALSE(session.history().canRedo());
  }
}

TEST_F(UnsavedEdits, AnEditNotYetRecordedIsAStepOfItsOwnAndALoadStartsAfresh) {
  load(FixtureImage());
  Control& gpu = form.clock.gpuClock[1];
  const std::string loaded = gpu.text();
  gpu.setText("111");
  session.history().record();
  gpu.setText("222");  // still in the box
  session.history().undo();
  EXPECT_EQ(gpu.text(), "111");
  session.history().undo();
  EXPECT_EQ(gpu.text(), loaded);
  session.history().redo();
  session.history().redo();
  EXPECT_EQ(gpu.text(), "222");
  session.history().undo();
  session.history().undo();
  gpu.setText("333");  // a new edit drops what could be redone
  session.history().record();
  EXPECT_FALSE(session.history().canRedo());
  session.history().undo();
  EXPECT_EQ(gpu.text(), loaded);

  platform.queueAnswer(MessageAnswer::Discard);
  load(FixtureImage());
  EXPECT_FALSE(session.history().canUndo());
  EXPECT_FALSE(session.history().canRedo());
}

}  // namespace
}  // namespace oza
