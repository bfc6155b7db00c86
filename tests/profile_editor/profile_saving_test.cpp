// SPDX-License-Identifier: GPL-3.0-or-later

#include <filesystem>
#include <sys/stat.h>

#include "profiles/profile_lines.h"
#include "profile_editor/profile_test_base.h"

namespace oza {
namespace {

using test::profileEntry;
using test::readText;
using test::realisticProfile;
using test::replacedOnce;

class ProfileSaving : public test::ProfileTest {};

TEST_F(ProfileSaving, ARealProfileSavedWithoutEditsKeepsEveryByte) {
  ASSERT_TRUE(load(realisticProfile()));
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(readText(dir.file("out.xml")), realisticProfile());
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  const FileDialogRequest& request = platform.saveDialogs[0];
  EXPECT_EQ(request.title, "Save profile file...");
  EXPECT_EQ(request.defaultName, "Profiles.xml");
  EXPECT_EQ(request.startFolder, dir.path());  // the loaded profile's
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].name, "XML files (*.xml)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
}

TEST_F(ProfileSaving, WithoutEditsTheFileComesBackByteForByte) {
  // Line ends of every kind, values the window shows in another form (found
  // by fuzzing), a value line of a NUL and a long run of digits: none of it
  // was edited, so none of it changes.
  const std::string file = "<a>\n" + profileEntry("FanSpeedAlgorithm_0", "manual") + "<b>\r" +
                           profileEntry("FanSpeedPercentTarget_0", "050") +
                           profileEntry("CoreClockTarget_0", std::string("775\0", 4) + "0000000") +
                           profileEntry("MemoryClockTarget_0", std::string(5000, '9')) + "<c>";
  ASSERT_TRUE(load(file));
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")), file);

  // A file of CR-only line ends at the size limit saves as it came, and loads again.
  std::string crOnly = profileEntry("FanSpeedAlgorithm_0", "Automatic");
  for (char& c : crOnly)
    if (c == '\n') c = ' ';
  crOnly += std::string(kLargestProfileFile - crOnly.size(), '\r');
  ASSERT_TRUE(load(crOnly));
  ASSERT_TRUE(saveTo("cr.xml"));
  EXPECT_EQ(readText(dir.file("cr.xml")), crOnly);
  editor.fanSpeedAlgorithm[0].setListIndex(1);
  ASSERT_TRUE(saveTo("manual.xml"));
  EXPECT_TRUE(load(readText(dir.file("manual.xml"))));
  EXPECT_EQ(editor.fanSpeedAlgorithm[0].listIndex(), 1);
}

TEST_F(ProfileSaving, EditedBoxesAreWrittenUnchangedOnesKeepTheirBytes) {
  ASSERT_TRUE(load("<a>\n" + profileEntry("FanSpeedAlgorithm_0", "manual") + "<b>\r" +
                   profileEntry("FanSpeedPercentTarget_0", "050") + profileEntry("CoreClockTarget_0", "74300&000") +
                   "<c>"));
  editor.fanSpeed[0].setText("60");
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")), "<a>\n" + profileEntry("FanSpeedAlgorithm_0", "manual") + "<b>\r" +
                                               profileEntry("FanSpeedPercentTarget_0", "60") +
                                               profileEntry("CoreClockTarget_0", "74300&000") + "<c>");
}

TEST_F(ProfileSaving, AnEditReplacesOnlyTheQuotedValue) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  editor.fanSpeedAlgorithm[1].setListIndex(1);
  editor.coreClock[1].setText("5");
  ASSERT_TRUE(saveTo("out.xml"));
  std::string expected = replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\"");
  expected = replacedOnce(expected, "value=\"Automatic\"", "value=\"Manual\"");
  expected = replacedOnce(expected, "value=\"743000000\"", "value=\"5\"");
  EXPECT_EQ(readText(dir.file("out.xml")), expected);

  // The lines keep the edits and the same lines are updated again.
  editor.fanSpeed[0].setText("65");
  ASSERT_TRUE(saveTo("again.xml"));
  EXPECT_EQ(readText(dir.file("again.xml")), replacedOnce(expected, "value=\"60\"", "value=\"65\""));
}

TEST_F(ProfileSaving, AnEditKeepsItsLinesQuotesAndEnds) {
  const struct {
    const char* end;
    char quote;
  } shapes[] = {{"\r\n", '"'}, {"\r\r\n", '"'}, {"\r\r\n", '\''}, {"\n", '\''}, {"\r", '\''}};
  platform.defaultAnswer = MessageAnswer::Yes;  // each shape replaces the last one's files
  for (const auto& shape : shapes) {
    const std::string q(1, shape.quote);
    const auto entry = [&](const std::string& key, const std::string& value) {
      return "<Feature name=\"" + key + "\">" + shape.end + "<P value=" + q + value + q + "/>" + shape.end;
    };
    const std::string file = entry("FanSpeedAlgorithm_0", "Manual") + entry("FanSpeedPercentTarget_0", "45");
    const std::string where = testing::PrintToString(shape.end) + " " + q;
    ASSERT_TRUE(load(file)) << where;
    ASSERT_EQ(editor.fanSpeed[0].text(), "45") << where;
    ASSERT_TRUE(editor.fanSpeed[0].enabled()) << where;
    editor.fanSpeed[0].setText("77");
    ASSERT_TRUE(saveTo("out.xml")) << where;
    const std::string saved = readText(dir.file("out.xml"));
    EXPECT_EQ(saved, entry("FanSpeedAlgorithm_0", "Manual") + entry("FanSpeedPercentTarget_0", "77")) << where;
    // The same edit saved again, and the saved file loaded, change nothing.
    ASSERT_TRUE(saveTo("again.xml"));
    EXPECT_EQ(readText(dir.file("again.xml")), saved) << where;
    ASSERT_TRUE(load(saved));
    EXPECT_EQ(editor.fanSpeed[0].text(), "77") << where;
  }
}

TEST_F(ProfileSaving, AnEditTheSavedFileWouldNotHoldIsRefused) {
  // A list text that is none of its entries, as a script may type it.
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeedAlgorithm[0].setText("manual");
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error saving profile file.\nCard 0: Fan speed algorithm "
                                               "(FanSpeedAlgo(0)) holds \"manual\", none of its entries."}));
  // Two boxes whose names share one value line, edited apart: one would be lost.
  ProfileEditor shared(platform, dir.path());
  test::writeText(dir.file("shared.xml"),
                  profileEntry("FanSpeedAlgorithm_0", "Manual") +
                      "<Feature name=\"CoreClockTarget_0 MemoryClockTarget_0\">\r\n<P value=\"1\"/>\r\n");
  std::string path = dir.file("shared.xml");
  ASSERT_TRUE(loadProfile(shared, path));
  shared.coreClock[0].setText("700");
  shared.memoryClock[0].setText("900");
  platform.queueSavePath(dir.file("out.xml"));
  EXPECT_FALSE(saveProfile(shared));
  EXPECT_EQ(texts().back(),
            "Error saving profile file.\nCard 0: Core clock (Hz) (CoreClock(0)) would not read back "
            "as \"700\" from the saved file.");
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.xml")));
}

TEST_F(ProfileSaving, CardsUpToTheHighestEnabledOneAreWritten) {
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_0", "Manual") + profileEntry("CoreClockTarget_1", "100") +
                   profileEntry("FanSpeedProtocol_2", "Percent") + profileEntry("CoreClockTarget_3", "300")));
  ASSERT_TRUE(editor.cardFrame[2].enabled());
  // Set from the core: the window would not let a disabled frame be edited.
  editor.coreClock[1].setText("111");
  editor.coreClock[3].setText("333");
  editor.coreClock[0].setText("999");  // card 0 holds no clock line: nothing to write
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")),
            profileEntry("FanSpeedAlgorithm_0", "Manual") + profileEntry("CoreClockTarget_1", "111") +
                profileEntry("FanSpeedProtocol_2", "Percent") + profileEntry("CoreClockTarget_3", "300"));
}

TEST_F(ProfileSaving, WithoutCardZeroItSaysThereIsNothingToSave) {
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_1", "Manual")));
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_EQ(texts(), (std::vector<std::string>{"Nothing to save: this profile holds no Overdrive settings of card 0 "
                                               "(its fan speed algorithm or protocol)."}));
  ProfileEditor empty(platform, dir.path());
  empty.saveButton.click();
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_EQ(texts().back(), "No profile loaded. Load a profile file first.");
}

TEST_F(ProfileSaving, AnEditedNumberBoxLeftEmptyOrAFileGrownPastTheLimitIsRefused) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.coreClock[1].setText("");
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error saving profile file.\nCard 1: Core clock (Hz) (CoreClock(1)) is "
                                               "empty; it needs a number."}));
  platform.messages.clear();
  editor.coreClock[1].setText(std::string(kLargestProfileFile, '1'));
  EXPECT_FALSE(saveTo("out.xml"));
  ASSERT_EQ(texts().size(), 1u);
  EXPECT_EQ(texts()[0].substr(0, texts()[0].find('\n')), "Error saving profile file.");
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.xml")));
}

TEST_F(ProfileSaving, LinesTheWindowCannotShowStayAsTheyWere) {
  const std::string file = profileEntry("FanSpeedAlgorithm_0", "Auto") + profileEntry("FanSpeedProtocol_0", "RPM") +
                           "<Feature name=\"FanSpeedPercentTarget_0\">\r\n  <Property name=\"Want\" />\r\n" +
                           "<Feature name=\"FanSpeedRPMTarget_0\">\r\n  <Property value=\"1500 />\r\n";
  ASSERT_TRUE(load(file));
  editor.fanSpeed[0].setText("60");
  editor.fanSpeedRpm[0].setText("2000");
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")), file);
}

TEST_F(ProfileSaving, AValueThatWouldBreakTheFileIsRefused) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  editor.fanSpeedRpm[0].setText("2000\" foo=\"");
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error saving profile file."}));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_EQ(joinProfileLines(editor.document.lines), realisticProfile());
}

TEST_F(ProfileSaving, ACancelledSaveKeepsTheUpdatedLines) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  EXPECT_FALSE(saveProfile(editor));
  EXPECT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(editor.document.lines[14], "      <Property name=\"Want_0\" value=\"60\" />");
}

TEST_F(ProfileSaving, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  test::writeText(dir.file("out.xml"), "old");

  platform.queueAnswer(MessageAnswer::No);
  EXPECT_FALSE(saveTo("out.xml"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "File exists.");
  EXPECT_EQ(platform.messages[0].text, "File exists. Overwrite?");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(readText(dir.file("out.xml")), "old");

  chmod(dir.file("out.xml").c_str(), 0444);
  platform.queueAnswer(MessageAnswer::Yes);
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_EQ(platform.messages.back().title, "Write error");
  EXPECT_EQ(platform.messages.back().text,
            "Unable to overwrite file. Maybe write protected or in use by other program?");
  EXPECT_EQ(readText(dir.file("out.xml")), "old");

  chmod(dir.file("out.xml").c_str(), 0644);
  platform.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")), replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\""));
  EXPECT_EQ(test::listDir(dir.path()).size(), 2u);  // Profiles.xml and out.xml, no temporary file
}

TEST_F(ProfileSaving, AFailedWriteSaysSoAndLeavesNoFile) {
  ASSERT_TRUE(load(realisticProfile()));
  EXPECT_FALSE(saveTo("no such folder/out.xml"));
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "Error writing profile to file. Maybe file system error (HD full/write protected)? - Debug "
                         "information: 'WriteProfileToFile(sFile)' reported error."}));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(test::listDir(dir.path()).size(), 1u);
}

TEST_F(ProfileSaving, UnsavedEditsAreAskedAboutBeforeALoadOrExitAndASaveSettlesThem) {
  ASSERT_TRUE(load(realisticProfile()));
  EXPECT_FALSE(editor.hasUnsavedEdits());
  editor.fanSpeed[0].setText("45.0");  // the same number
  EXPECT_FALSE(editor.hasUnsavedEdits());
  editor.fanSpeed[0].setText("60");
  EXPECT_TRUE(editor.hasUnsavedEdits());

  platform.queueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(load(realisticProfile(), "other.xml"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_EQ(platform.messages[0].text, "Save the changes to " + dir.file("Profiles.xml") + "?");
  EXPECT_EQ(editor.fanSpeed[0].text(), "60");
  platform.queueAnswer(MessageAnswer::Cancel);
  editor.exitButton.click();
  EXPECT_FALSE(editor.unloaded());

  // Saved: nothing unsaved, and the saved file is the one named from now on.
  platform.messages.clear();
  platform.queueAnswer(MessageAnswer::Save);
  platform.queueSavePath(dir.file("saved.xml"));
  editor.exitButton.click();
  EXPECT_TRUE(editor.unloaded());
  EXPECT_FALSE(editor.hasUnsavedEdits());
  EXPECT_EQ(editor.path, dir.file("saved.xml"));
  EXPECT_NE(test::readText(dir.file("saved.xml")).find("value=\"60\""), std::string::npos);
}

}  // namespace
}  // namespace oza
