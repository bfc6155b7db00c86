#include "session/load_pipeline.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/scripted_platform.h"
#include "session/session.h"
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

  void expectEmptyDisplay() {
    for (int i = 0; i < 7; ++i) EXPECT_EQ(session.form.info.infoText[i].text(), "") << i;
    EXPECT_EQ(session.form.info.checksum.text(), "");
    EXPECT_EQ(session.form.info.biosSize.text(), "");
    EXPECT_EQ(session.form.info.subVendor.text(), "");
    EXPECT_EQ(session.form.info.videoCard.text(), "");
    EXPECT_TRUE(session.form.info.whiteLines().empty());
    EXPECT_FALSE(session.form.info.preModified.checked());
    EXPECT_EQ(session.loadedCheckSum, 0);
    EXPECT_TRUE(session.strings.chipType.empty());
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
  EXPECT_EQ(session.form.loadedFile.text(), path);
  EXPECT_EQ(session.form.info.infoText[2].text(), "RV670");
  EXPECT_EQ(session.form.info.videoCard.text(), "HD 3870");
  EXPECT_EQ(session.cardId, 0x9501);
  EXPECT_EQ(session.loadedCheckSum, test::sumOf(fixture.build()));
  EXPECT_EQ(session.loadedCheckSum % 256, 0);
  EXPECT_EQ(session.form.info.checksum.text(),
            "0x" + std::string("0000").substr(0, 0) + session.form.info.checksum.text().substr(2));
  EXPECT_FALSE(session.form.info.preModified.checked());
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
  EXPECT_EQ(session.form.loadedFile.text(), path);
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
    EXPECT_EQ(session.form.info.infoText[2].text(), "RV670");
  }
}

TEST_F(LoadPipeline, EachRefusalShowsItsMessageAndEmptiesTheDisplay) {
  test::FixtureImage noChip;
  noChip.chipType = "X600";
  test::FixtureImage wideBus;
  wideBus.cardInterface = "PCI_EXPRESS_GEN2";
  const struct {
    std::string path;
    std::string text;
  } cases[] = {
      {[&] {
         test::writeBytes(dir.file("big.rom"), std::vector<std::uint8_t>(1000001, 0));
         return dir.file("big.rom");
       }(),
       "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: 'ReadBIOSToArray' reported error.\n"
       "The file holds 1,000,001 bytes; at most 1,000,000 are read."},
      {[&] {
         test::writeBytes(dir.file("empty.rom"), {});
         return dir.file("empty.rom");
       }(),
       "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: 'ReadBIOSToArray' reported error.\n"
       "The file is empty."},
      {[&] {
         test::writeBytes(dir.file("ff.rom"), std::vector<std::uint8_t>(1000000, 0xFF));
         return dir.file("ff.rom");
       }(),
       "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: 'GetStringPos' reported error."},
      {save(noChip, "nochip.rom"),
       "Invalid file specified. Not an ATI BIOS? - Debug information: 'CheckValid' reported error."},
      {save(wideBus, "bus.rom"),
       "Invalid file specified. Not an ATI BIOS? - Debug information: 'CheckValid' reported error."},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(loadBiosFile(session, save(test::FixtureImage())));
    platform.messages.clear();
    EXPECT_FALSE(loadBiosFile(session, c.path));
    ASSERT_EQ(platform.messages.size(), 1u) << c.path;
    EXPECT_EQ(platform.messages[0].text, c.text);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    expectEmptyDisplay();
  }
}

TEST_F(LoadPipeline, AFailedReadKeepsTheFormerImage) {
  test::FixtureImage fixture;
  ASSERT_TRUE(loadBiosFile(session, save(fixture)));
  test::writeBytes(dir.file("big.rom"), std::vector<std::uint8_t>(1000001, 0));
  loadBiosFile(session, dir.file("big.rom"));
  EXPECT_EQ(session.image.bytes(), fixture.build());
}

TEST_F(LoadPipeline, ANonNumericStringPositionIsASplitFailureAndExactlyOneMillionBytesIsRead) {
  test::FixtureImage fixture(1000000);
  EXPECT_TRUE(loadBiosFile(session, save(fixture)));
  EXPECT_EQ(session.form.info.biosSize.text(), "0xF4240");
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
  EXPECT_TRUE(session.textWindow.shown());
  EXPECT_EQ(session.textWindow.window.text(), "File may be corrupted");
  EXPECT_EQ(session.textWindow.text.text().substr(0, 40), "The problem is that the 4870's (and mayb");

  session.textWindow.okButton.click();
  EXPECT_FALSE(session.textWindow.shown());
  platform.messages.clear();
  ASSERT_TRUE(loadBiosFile(session, save(gddr5)));  // answered No
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_FALSE(session.textWindow.shown());

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
  EXPECT_TRUE(session.form.info.preModified.checked());
}

}  // namespace
}  // namespace oza
