// SPDX-License-Identifier: GPL-3.0-or-later

#include <filesystem>

#include "profile_editor/profile_test_base.h"

namespace oza {
namespace {

using test::profileEntry;
using test::realisticProfile;

class ProfileLoading : public test::ProfileTest {
 protected:
  // Frame state and the eight fields, one card a line: "on:Manual|Percent|45|...".
  std::string view() {
    std::string out;
    for (int k = 0; k < kProfileCards; ++k) {
      out += editor.cardFrame[k].enabled() ? "on:" : "off:";
      for (int f = 0; f < kProfileFields; ++f) out += (f ? "|" : "") + editor.field(f)[k].text();
      out += "\n";
    }
    return out;
  }
};

TEST_F(ProfileLoading, TheWindowOpensEmpty) {
  EXPECT_EQ(editor.window.text(), "Profile editor");
  for (int k = 0; k < kProfileCards; ++k) {
    EXPECT_EQ(editor.cardFrame[k].text(), "Card " + std::to_string(k));
    EXPECT_FALSE(editor.cardFrame[k].enabled());
    EXPECT_EQ(editor.fanSpeedAlgorithm[k].items(), (std::vector<std::string>{"Automatic", "Manual"}));
    EXPECT_EQ(editor.protocol[k].items(), (std::vector<std::string>{"Percent"}));
    EXPECT_EQ(editor.fanSpeedAlgorithm[k].listIndex(), -1);
  }
  EXPECT_EQ(view(), "off:|||||||\noff:|||||||\noff:|||||||\noff:|||||||\n");
  EXPECT_EQ(editor.loadButton.text(), "&Load profile...");
  EXPECT_EQ(editor.saveButton.text(), "&Save profile...");
  EXPECT_EQ(editor.exitButton.text(), "&Exit");

  editor.helpLink.click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "OZA");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  const std::string& help = platform.messages[0].text;
  EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 4);
  EXPECT_EQ(help.rfind("In the XML file ATI's catalyst control center (CCC)", 0), 0u);
  EXPECT_NE(help.find("there are several 'hidden' features.\r\nThat means"), std::string::npos);
  EXPECT_NE(help.find("\r\nFan speed algorithm needs to be set to manual, also."), std::string::npos);
}

TEST_F(ProfileLoading, ARealProfileFillsTheCardsItHolds) {
  ASSERT_TRUE(load(realisticProfile()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(view(),
            "on:Manual|Percent|45|2200|775000000|1125000000|1.25|2050\n"
            "on:Automatic|Percent|30|1500|743000000|1000000000|1200|2000\n"
            // Clock targets without algorithm or protocol: shown, not editable.
            "off:||||500000000|900000000||\n"
            "off:|||||||\n");
  EXPECT_EQ(editor.document.lines.size(), 66u);
  EXPECT_EQ(editor.document.valueLines[kAlgorithmField][0], 8u);
  EXPECT_EQ(editor.document.valueLines[2][0], 14u);
  EXPECT_EQ(editor.document.valueLines[4][2], 59u);
  EXPECT_EQ(editor.document.valueLines[kAlgorithmField][2], std::nullopt);
  EXPECT_EQ(editor.document.valueLines[2][3], std::nullopt);
}

TEST_F(ProfileLoading, TheSizeLimitIsTwoHundredThousandBytes) {
  const std::string entry = profileEntry("FanSpeedAlgorithm_0", "Manual");
  std::string exact = entry + std::string(kLargestProfileFile - entry.size() - 2, 'x') + "\r\n";
  ASSERT_EQ(exact.size(), 200000u);
  EXPECT_TRUE(load(exact));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(editor.cardFrame[0].enabled());
  const auto lines = editor.document.lines;

  // One byte more: the message, and the loaded profile stays as it was.
  EXPECT_FALSE(load(profileEntry("FanSpeedAlgorithm_1", "Manual") + std::string(kLargestProfileFile, 'x')));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error loading profile file.\nThe file holds 200,093 bytes; at most "
                                               "200,000 are read."}));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(platform.messages[0].title, "OZA");
  EXPECT_EQ(editor.document.lines, lines);
  EXPECT_TRUE(editor.cardFrame[0].enabled());
  EXPECT_FALSE(editor.cardFrame[1].enabled());
  EXPECT_EQ(editor.document.valueLines[kAlgorithmField][0], 1u);
}

TEST_F(ProfileLoading, AFileThatCannotBeReadChangesNothing) {
  ASSERT_TRUE(load(realisticProfile()));
  editor.fanSpeed[0].setText("60");
  std::string missing = dir.file("missing.xml");
  EXPECT_FALSE(loadProfile(editor, missing));
  std::string folder = dir.path();
  EXPECT_FALSE(loadProfile(editor, folder));
  // Each load asks about the edit first (answered Discard), then fails.
  const std::string question = "Save the changes to " + dir.file("Profiles.xml") + "?";
  EXPECT_EQ(texts(), (std::vector<std::string>{question, "Error loading profile file.\nThere is no such file.",
                                               question, "Error loading profile file.\nIt is a folder."}));
  // What the window shows still belongs to the lines it will save into.
  EXPECT_EQ(editor.document.valueLines[2][0], 14u);
  EXPECT_EQ(editor.fanSpeed[0].text(), "60");
  EXPECT_TRUE(editor.cardFrame[0].enabled());
}

TEST_F(ProfileLoading, OnlyTheNamedCardsAreEnabled) {
  ASSERT_TRUE(load(profileEntry("FanSpeedProtocol_0", "Percent")));
  EXPECT_EQ(view(), "on:|Percent||||||\noff:|||||||\noff:|||||||\noff:|||||||\n");
  // A new load replaces everything the last one showed.
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_3", "Manual") + profileEntry("CoreVoltageTarget_3", "1100")));
  EXPECT_EQ(view(), "off:|||||||\noff:|||||||\noff:|||||||\non:Manual||||||1100|\n");
  EXPECT_EQ(editor.document.valueLines[kProtocolField][0], std::nullopt);
}

TEST_F(ProfileLoading, KeysMatchInTheirCaseValuesInAny) {
  ASSERT_TRUE(load(profileEntry("fanspeedalgorithm_0", "Manual") + profileEntry("FanSpeedAlgorithm_1", "manual") +
                   profileEntry("FanSpeedAlgorithm_2", "AUTOMATIC") + profileEntry("FanSpeedProtocol_2", "pErCeNt") +
                   profileEntry("FanSpeedAlgorithm_3", "Auto") + profileEntry("FanSpeedProtocol_3", "RPM")));
  EXPECT_FALSE(editor.cardFrame[0].enabled());
  EXPECT_EQ(editor.fanSpeedAlgorithm[1].text(), "Manual");
  EXPECT_EQ(editor.fanSpeedAlgorithm[2].text(), "Automatic");
  EXPECT_EQ(editor.protocol[2].text(), "Percent");
  // Found, but neither word: the frame is enabled, the lists show nothing.
  EXPECT_TRUE(editor.cardFrame[3].enabled());
  EXPECT_EQ(editor.fanSpeedAlgorithm[3].listIndex(), -1);
  EXPECT_EQ(editor.protocol[3].listIndex(), -1);
}

TEST_F(ProfileLoading, TheLastOccurrenceOfAKeyWins) {
  ASSERT_TRUE(load(profileEntry("FanSpeedPercentTarget_0", "40") + profileEntry("FanSpeedAlgorithm_0", "Manual") +
                   profileEntry("FanSpeedPercentTarget_0", "55") + profileEntry("FanSpeedAlgorithm_0", "Unknown")));
  EXPECT_EQ(editor.fanSpeed[0].text(), "55");
  EXPECT_EQ(editor.document.valueLines[2][0], 7u);
  EXPECT_EQ(editor.document.valueLines[kAlgorithmField][0], 10u);
  // The last line names neither word, so nothing is chosen for it.
  EXPECT_EQ(editor.fanSpeedAlgorithm[0].listIndex(), -1);
  // "manual" wins over "automatic" in the same line.
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_0", "Manual or Automatic")));
  EXPECT_EQ(editor.fanSpeedAlgorithm[0].text(), "Manual");
}

TEST_F(ProfileLoading, NumbersAreNormalisedForTheWindow) {
  ASSERT_TRUE(load(profileEntry("FanSpeedAlgorithm_0", "Manual") + profileEntry("FanSpeedPercentTarget_0", "050") +
                   profileEntry("FanSpeedRPMTarget_0", "50%") + profileEntry("CoreClockTarget_0", "abc") +
                   profileEntry("CoreVoltageTarget_0", "1.250") +
                   "<Feature name=\"MemoryVoltageTarget_0\">\r\n  <Property name=\"Want\" />\r\n"));
  EXPECT_EQ(view().substr(0, view().find('\n')), "on:Manual||50|50|0||1.25|");
  // The memory voltage line has no value=: found, but nothing to show.
  EXPECT_EQ(editor.document.valueLines[7][0], 16u);
}

TEST_F(ProfileLoading, ANameOnTheLastLineFailsTheLoad) {
  ASSERT_TRUE(load(realisticProfile()));
  EXPECT_FALSE(load(profileEntry("FanSpeedAlgorithm_0", "Manual") + profileEntry("CoreClockTarget_0", "700") +
                    "<Feature name=\"FanSpeedProtocol_1\">"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error loading profile file."}));
  // What was filled stays; no frame is enabled, so nothing can be saved.
  EXPECT_EQ(view(), "off:Manual||||700|||\noff:|||||||\noff:|||||||\noff:|||||||\n");
  platform.queueSavePath(dir.file("out.xml"));
  EXPECT_FALSE(saveProfile(editor));
  EXPECT_TRUE(platform.saveDialogs.empty());
}

TEST_F(ProfileLoading, LinesMayEndInLfCrAloneOrCrCrLf) {
  ASSERT_TRUE(
      load("<Feature name=\"FanSpeedAlgorithm_0\">\n<P value=\"Manual\"/>\n"
           "<Feature name=\"FanSpeedPercentTarget_0\">\r<P value=\"70\"/>\r"
           "<Feature name=\"CoreClockTarget_0\">\r\r\n<P value=\"700\"/>\r\r\n"));
  EXPECT_EQ(editor.document.lines.size(), 6u);
  EXPECT_EQ(editor.fanSpeedAlgorithm[0].text(), "Manual");
  EXPECT_EQ(editor.fanSpeed[0].text(), "70");
  EXPECT_EQ(editor.coreClock[0].text(), "700");
}

TEST_F(ProfileLoading, ABoxWhoseLineASaveCannotWriteIsDisabled) {
  // Card 0 holds no protocol and no memory voltage; card 1 is not editable.
  ASSERT_TRUE(
      load("<Feature name=\"FanSpeedAlgorithm_0\">\n<P value='Manual'/>\n"
           "<Feature name=\"FanSpeedPercentTarget_0\">\n<P name=\"Want\"/>\n"
           "<Feature name=\"FanSpeedRPMTarget_0\">\n<P value=1500/>\n"
           "<Feature name=\"CoreClockTarget_0\">\n<P value='700'/>\n"
           "<Feature name=\"MemoryClockTarget_0\">\n<P value=\"900\"/>\n"
           "<Feature name=\"CoreVoltageTarget_0\">\n<P value=\"1.2/>\n"
           "<Feature name=\"CoreClockTarget_1\">\n<P/>\n"));
  const auto enabledBoxes = [&](int k) {
    std::string out;
    for (int f = 0; f < kProfileFields; ++f) out += editor.field(f)[k].enabled() ? '1' : '0';
    return out;
  };
  EXPECT_EQ(enabledBoxes(0), "10001100");
  EXPECT_EQ(editor.fanSpeed[0].toolTip(), "The profile holds no value of this setting that can be changed.");
  // Its frame disables card 1 already.
  EXPECT_FALSE(editor.cardFrame[1].enabled());
  EXPECT_EQ(enabledBoxes(1), "11111111");
  // The next load starts afresh.
  ASSERT_TRUE(load(realisticProfile()));
  EXPECT_EQ(enabledBoxes(0), "11111111");
  EXPECT_EQ(editor.fanSpeed[0].toolTip(), "");
}

TEST_F(ProfileLoading, TheLoadButtonAsksForTheFile) {
  test::writeText(dir.file("Profiles.xml"), realisticProfile());
  platform.queueOpenPath(dir.file("Profiles.xml"));
  editor.loadButton.click();
  ASSERT_EQ(platform.openDialogs.size(), 1u);
  const FileDialogRequest& request = platform.openDialogs[0];
  EXPECT_EQ(request.title, "Open profile file...");
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].name, "XML files (*.xml)");
  EXPECT_EQ(request.filters[0].pattern, "*.xml");
  EXPECT_EQ(request.filters[1].name, "All Files (*.*)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
  EXPECT_EQ(request.startFolder, "");  // the control centre's folder does not exist here
  EXPECT_TRUE(editor.cardFrame[0].enabled());

  // Cancelling is silent and changes nothing; the dialog now starts in the
  // loaded profile's folder, and without one in the control centre's.
  std::filesystem::create_directories(dir.file("appdata/ATI/ACE"));
  editor.loadButton.click();
  EXPECT_EQ(platform.openDialogs[1].startFolder, dir.path());
  ProfileEditor fresh(platform, dir.file("appdata"));
  fresh.loadButton.click();
  EXPECT_EQ(platform.openDialogs[2].startFolder, dir.file("appdata/ATI/ACE/"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(editor.cardFrame[0].enabled());
}

TEST(ProfileFolder, TheControlCentresFolderUnderLocalApplicationData) {
  test::TempDir dir;
  EXPECT_EQ(profileStartFolder(""), "");
  EXPECT_EQ(profileStartFolder(dir.path()), "");
  std::filesystem::create_directories(dir.file("ATI/ACE"));
  EXPECT_EQ(profileStartFolder(dir.path()), dir.file("ATI/ACE/"));
  EXPECT_EQ(profileStartFolder(dir.path() + "/"), dir.file("ATI/ACE/"));
}

}  // namespace
}  // namespace oza
