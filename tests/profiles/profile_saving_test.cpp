#include <sys/stat.h>

#include "profiles/profile_lines.h"
#include "profiles/profile_test_base.h"

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
  EXPECT_EQ(request.startFolder, "");
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].name, "XML files (*.xml)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
}

TEST_F(ProfileSaving, WithoutEditsOnlyLineEndsAndShownFormsChange) {
  // A value with something after its number (found by fuzzing) is written
  // as the number the window shows, inside the same quotes.
  ASSERT_TRUE(load("<a>\n" + profileEntry("FanSpeedAlgorithm_0", "manual") + "<b>\r" +
                   profileEntry("FanSpeedPercentTarget_0", "050") + profileEntry("CoreClockTarget_0", "74300&000") +
                   "<c>"));
  ASSERT_TRUE(saveTo("out.xml"));
  EXPECT_EQ(readText(dir.file("out.xml")), "<a>\r\n" + profileEntry("FanSpeedAlgorithm_0", "Manual") + "<b>\r\n" +
                                               profileEntry("FanSpeedPercentTarget_0", "50") +
                                               profileEntry("CoreClockTarget_0", "74300") + "<c>\r\n");
}

TEST_F(ProfileSaving, AnEditReplacesOnlyTheQuotedValue) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  editor.fanSpeedAlgorithm[1].setListIndex(1);
  editor.coreClock[1].setText("");
  ASSERT_TRUE(saveTo("out.xml"));
  std::string expected = replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\"");
  expected = replacedOnce(expected, "value=\"Automatic\"", "value=\"Manual\"");
  expected = replacedOnce(expected, "value=\"743000000\"", "value=\"\"");
  EXPECT_EQ(readText(dir.file("out.xml")), expected);

  // The lines keep the edits and the same lines are updated again.
  editor.fanSpeed[0].setText("65");
  ASSERT_TRUE(saveTo("again.xml"));
  EXPECT_EQ(readText(dir.file("again.xml")), replacedOnce(expected, "value=\"60\"", "value=\"65\""));
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

TEST_F(ProfileSaving, WithoutCardZeroNothingHappens) {
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_1", "Manual")));
  EXPECT_FALSE(saveTo("out.xml"));
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_TRUE(platform.messages.empty());
  ProfileEditor empty(platform, dir.path());
  empty.saveButton.click();
  EXPECT_TRUE(platform.saveDialogs.empty());
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

}  // namespace
}  // namespace oza
