// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/load_pipeline.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/scripted_platform.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/control_snapshot.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

class LoadPipeline : public ::testing::Test {
 protected:
  LoadPipeline() : session(platform) { session.start(); }

  std::string save(const test::FixtureImage& fixture, const std::string& name = "card.rom") {
    const std::string path = dir.file(name);
    fixture.save(path);
    return path;
  }

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    return texts;
  }

  test::TempDir dir;
  ScriptedPlatform platform;
  Session session;
};

TEST_F(LoadPipeline, LoadsAFixtureImageIntoTheInformationTab) {
  test::FixtureImage fixture;
  const std::string path = save(fixture);
  EXPECT_TRUE(loadBiosFile(session, path));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(session.form().loadedFile.text(), path);
  EXPECT_EQ(session.form().info.infoText[2].text(), "RV670");
  EXPECT_EQ(session.form().info.videoCard.text(), "HD 3870");
  EXPECT_EQ(session.image()->cardId, 0x9501);
  EXPECT_EQ(session.image()->checkSum, test::sumOf(fixture.build()));
  EXPECT_EQ(session.image()->checkSum % 256, 0);
  EXPECT_EQ(session.form().info.checksum.text(),
            "0x" + std::string("0000").substr(0, 0) + session.form().info.checksum.text().substr(2));
  EXPECT_FALSE(session.form().info.preModified.checked());
}

TEST_F(LoadPipeline, CancelledDialogChangesNothing) {
  EXPECT_FALSE(loadBiosFile(session, ""));
  ASSERT_EQ(platform.openDialogs.size(), 1u);
  EXPECT_EQ(platform.openDialogs[0].title, "Open BIOS file...");
  ASSERT_EQ(platform.openDialogs[0].filters.size(), 2u);
  EXPECT_EQ(platform.openDialogs[0].filters[0].name, "BIOS files (*.rom; *.bin)");
  EXPECT_EQ(platform.openDialogs[0].filters[0].pattern, "*.rom; *.bin");
  EXPECT_EQ(platform.openDialogs[0].filters[1].name, "All Files (*.*)");
  EXPECT_EQ(platform.openDialogs[0].filters[1].pattern, "*.*");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadPipeline, TheDialogPathIsTakenAsItIs) {
  const std::string path = save(test::FixtureImage(), " card.rom ");
  platform.queueOpenPath(path);
  EXPECT_TRUE(loadBiosFile(session, ""));
  EXPECT_EQ(session.form().loadedFile.text(), path);
}

TEST_F(LoadPipeline, WhatCannotBeOpenedAsAFileKeepsThePreviousImageAndSaysWhy) {
  // None of these may be waited for or read without end: a FIFO without a
  // writer, a device that never ends.
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  const bool device = ::mknod(dir.file("zero").c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {dir.file("missing.rom"), "There is no such file."},
      {dir.path(), "It is a folder."},
      {dir.file("fifo"), "It is a FIFO (named pipe), not a regular file."},
      {device ? dir.file("zero") : dir.file("fifo"),
       device ? "It is a character device, not a regular file." : "It is a FIFO (named pipe), not a regular file."},
  };
  ASSERT_TRUE(loadBiosFile(session, save(test::FixtureImage())));
  for (const auto& c : cases) {
    platform.messages.clear();
    EXPECT_FALSE(loadBiosFile(session, c.path));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Unable to open file. Invalid file name specified?\n" + c.reason);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages[0].title, kDefaultTitle);
    EXPECT_EQ(session.form().info.infoText[2].text(), "RV670");
  }
}

// Files the load refuses, each with the message it shows.
struct Refusal {
  std::string path;
  std::string text;
};

std::vector<Refusal> refusals(const test::TempDir& dir) {
  const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    test::writeBytes(dir.file(name), bytes);
    return dir.file(name);
  };
  test::FixtureImage noChip;
  noChip.chipType = "X600";
  test::FixtureImage wideBus;
  wideBus.cardInterface = "PCI_EXPRESS_GEN2";
  test::FixtureImage noClocks;
  noClocks.revision4 = false;
  auto spoiled = noClocks.build();
  spoiled[test::FixtureImage::kPowerPlay + 0x100] = 0x55;  // no clock table signature
  test::FixtureImage fixture;
  auto noRecords = fixture.build();
  const auto end = static_cast<std::size_t>(fixture.clockPosition() + 16 * 4);
  noRecords[end + 4] = 0;  // the end signature 8 bytes on: no whole number of records
  noRecords[end + 12] = 0x7A;
  noRecords[end + 8] = 0x08;
  const char* const notAti = "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: ";
  const char* const invalid = "Invalid file specified. Not an ATI BIOS? - Debug information: ";
  const char* const noClockSettings =
      "Unable to find clock settings. This may be due to an unrecognized video card. Please drop a note to the "
      "eMail-address found in the about section. - Debug information: ";
  return {
      {dir.file("missing.rom"), "Unable to open file. Invalid file name specified?\nThere is no such file."},
      {write("big.rom", std::vector<std::uint8_t>(1000001, 0)),
       std::string(notAti) +
           "'ReadBIOSToArray' reported error.\nThe file holds 1,000,001 bytes; at most 1,000,000 are read."},
      {write("empty.rom", {}), std::string(notAti) + "'ReadBIOSToArray' reported error.\nThe file is empty."},
      {write("ff.rom", std::vector<std::uint8_t>(1000000, 0xFF)),
       std::string(notAti) + "'GetStringPos' reported error."},
      {write("nochip.rom", noChip.build()), std::string(invalid) + "'CheckValid' reported error."},
      {write("bus.rom", wideBus.build()), std::string(invalid) + "'CheckValid' reported error."},
      {write("noclocks.rom", spoiled), std::string(noClockSettings) + "'GetClockPos' reported 0."},
      {write("norecords.rom", noRecords), std::string(noClockSettings) + "'GetStatesNum(ClockPosition)' reported 0."},
  };
}

TEST_F(LoadPipeline, EachRefusalShowsItsMessageAndKeepsTheImageItsEditsAndEveryTab) {
  ASSERT_TRUE(loadBiosFile(session, save(test::FixtureImage())));
  const LoadedImage* loaded = session.image();
  MainForm& form = session.form();
  form.clock.gpuClock[3].setText("800");
  form.info.infoText[1].setText("EDITED");
  form.fan.tmax.setText("99");
  form.fanTabButton.click();
  for (const Refusal& c : refusals(dir)) {
    platform.messages.clear();
    const auto before = test::snapshot(session.controls());
    EXPECT_FALSE(loadBiosPath(session, c.path));
    ASSERT_EQ(platform.messages.size(), 1u) << c.path;
    EXPECT_EQ(platform.messages[0].text, c.text);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(test::changedControls(before, test::snapshot(session.controls())), std::vector<std::string>{}) << c.path;
    EXPECT_EQ(session.image(), loaded);
  }
  // Save still writes the edits into the image that was loaded.
  platform.messages.clear();
  platform.queueSavePath(dir.file("out.rom"));
  ASSERT_TRUE(saveBiosFile(session)) << platform.messageTexts().front();
  ScriptedPlatform quiet;
  Session reloaded(quiet);
  reloaded.start();
  ASSERT_TRUE(loadBiosFile(reloaded, dir.file("out.rom")));
  EXPECT_EQ(reloaded.form().clock.gpuClock[3].text(), "800");
  EXPECT_EQ(reloaded.form().info.infoText[1].text(), "EDITED" + std::string(8, ' '));
}

TEST_F(LoadPipeline, ARefusalAtTheStartLeavesTheStartState) {
  const auto start = test::snapshot(session.controls());
  for (const Refusal& c : refusals(dir)) {
    EXPECT_FALSE(loadBiosFile(session, c.path));
    EXPECT_EQ(test::changedControls(start, test::snapshot(session.controls())), std::vector<std::string>{}) << c.path;
    EXPECT_EQ(session.image(), nullptr);
  }
  platform.messages.clear();
  EXPECT_FALSE(saveBiosFile(session));
  EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{"Unable to write clock settings. This may be due to "
                                                               "illegal values set. - Debug information: "
                                                               "'WriteClockSettings' reported error."}));
}

TEST_F(LoadPipeline, AFailedReadKeepsTheFormerImage) {
  test::FixtureImage fixture;
  ASSERT_TRUE(loadBiosFile(session, save(fixture)));
  test::writeBytes(dir.file("big.rom"), std::vector<std::uint8_t>(1000001, 0));
  loadBiosFile(session, dir.file("big.rom"));
  EXPECT_EQ(session.image()->bytes.bytes(), fixture.build());
}

TEST_F(LoadPipeline, ANonNumericStringPositionIsASplitFailureAndExactlyOneMillionBytesIsRead) {
  test::FixtureImage fixture(1000000);
  EXPECT_TRUE(loadBiosFile(session, save(fixture)));
  EXPECT_EQ(session.form().info.biosSize.text(), "0xF4240");
}

TEST_F(LoadPipeline, HostileFilesEndInAFailureMessage) {
  std::vector<std::vector<std::uint8_t>> files = {
      {0x00},
      std::vector<std::uint8_t>(0x6F, 0x00),
      std::vector<std::uint8_t>(300, 0x00),
  };
  // Strings without terminator up to the end of the file.
  std::vector<std::uint8_t> unterminated(0x100, 'A');
  unterminated[0x6E] = 0x80;
  files.push_back(unterminated);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string path = dir.file("hostile" + std::to_string(i));
    test::writeBytes(path, files[i]);
    platform.messages.clear();
    loadBiosFile(session, path);
    EXPECT_FALSE(platform.messages.empty()) << i;
  }
}

TEST_F(LoadPipeline, SmallGddr5ImagesAskAboutCorruption) {
  test::FixtureImage gddr5;
  gddr5.ramType = "GDDR5";
  platform.queueAnswer(MessageAnswer::Yes);
  ASSERT_TRUE(loadBiosFile(session, save(gddr5)));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Warning!");
  EXPECT_EQ(platform.messages[0].text, "File may be corrupted. Show more detailed information?");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(session.textWindow().shown());
  EXPECT_EQ(session.textWindow().window.text(), "File may be corrupted");
  EXPECT_EQ(session.textWindow().text.text().substr(0, 40), "The problem is that the 4870's (and mayb");

  session.textWindow().okButton.click();
  EXPECT_FALSE(session.textWindow().shown());
  platform.messages.clear();
  ASSERT_TRUE(loadBiosFile(session, save(gddr5)));  // answered No
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_FALSE(session.textWindow().shown());

  test::FixtureImage large(131072);
  large.ramType = "GDDR5";
  platform.messages.clear();
  ASSERT_TRUE(loadBiosFile(session, save(large, "large.rom")));
  EXPECT_TRUE(platform.messages.empty());

  test::FixtureImage gddr3;
  ASSERT_TRUE(loadBiosFile(session, save(gddr3, "gddr3.rom")));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadPipeline, PreModifiedImagesAreFlagged) {
  auto bytes = test::FixtureImage().build();
  bytes[0x07] = 1;
  bytes[0x21] = static_cast<std::uint8_t>(bytes[0x21] - 1);
  test::writeBytes(dir.file("mod.rom"), bytes);
  ASSERT_TRUE(loadBiosFile(session, dir.file("mod.rom")));
  EXPECT_TRUE(session.form().info.preModified.checked());
}

}  // namespace
}  // namespace oza
