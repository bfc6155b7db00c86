// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/save_pipeline.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/scripted_platform.h"
#include "save/checksum.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "support/control_snapshot.h"
#include "support/fixture_image.h"
#include "support/fixture_kinds.h"
#include "support/loaded_session.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::FixtureImage;

using SavePipeline = test::LoadedSession;

TEST_F(SavePipeline, AnUneditedSaveOfEveryKindOfImageGivesItBackByteForByte) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const auto& [name, fixture] : test::fixtureKinds()) images.push_back(fixture.build());
  for (const std::string& path : test::realRomPaths()) images.push_back(test::readBytes(path));
  for (const auto& bytes : images) {
    load(bytes);
    ASSERT_TRUE(saveTo("unedited.rom"));
    EXPECT_EQ(saved("unedited.rom"), bytes);
    // The review said so before the save.
    EXPECT_TRUE(platform.reviews.back().summary.starts_with("The save changes nothing in the image"));
    EXPECT_TRUE(platform.reviews.back().changes.empty());
    std::filesystem::remove(dir.file("unedited.rom"));
  }
  EXPECT_GE(images.size(), 12u);
}

// Working out the review touches no box: a cancelled one leaves the window
// as it was, with nothing to save, in look-up mode too (whose values a save
// writes whatever the boxes show).
TEST_F(SavePipeline, ACancelledReviewChangesNothingInTheWindow) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const std::string& path : test::realRomPaths()) images.push_back(test::readBytes(path));
  test::Type1Fields lookUp;
  lookUp.controlMode = 3;
  FixtureImage fixture;
  fixture.registers = test::registersFor(lookUp);
  images.push_back(fixture.build());
  platform.confirmSaves = false;
  for (const auto& bytes : images) {
    load(bytes);
    const auto before = test::snapshot(session.controls());
    EXPECT_FALSE(saveTo("cancelled.rom"));
    EXPECT_EQ(test::changedControls(before, test::snapshot(session.controls())), std::vector<std::string>{});
    EXPECT_FALSE(session.hasUnsavedEdits());
  }
}

TEST_F(SavePipeline, AnUneditedSaveWritesTheImageAsLoaded) {
  test::Type1Fields fields;
  fields.tslope = 54;
  FixtureImage fixture;
  fixture.registers = test::registersFor(fields);
  load(fixture);
  EXPECT_TRUE(saveTo("out.rom"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(test::readBytes(dir.file("out.rom")), loaded);
  ASSERT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(platform.saveDialogs[0].title, "Save BIOS file...");
  EXPECT_EQ(platform.saveDialogs[0].filters[0].name, "BIOS files (*.rom)");
  EXPECT_EQ(platform.saveDialogs[0].filters[0].pattern, "*.rom");
  EXPECT_EQ(platform.saveDialogs[0].filters[1].name, "All Files (*.*)");
}

TEST_F(SavePipeline, EditsAreWrittenAndTheSumRestored) {
  load(FixtureImage());
  form.clock.gpuClock[3].setText("800");
  form.fan.tmax.setText("100");
  form.info.infoText[1].setText("NEW");
  ASSERT_TRUE(saveTo("out.rom"));
  const auto saved = test::readBytes(dir.file("out.rom"));
  ASSERT_EQ(saved.size(), loaded.size());
  EXPECT_EQ(test::sumOf(saved), test::sumOf(loaded));
  EXPECT_TRUE(saveTo("again.rom"));  // the same edits twice give the same file
  EXPECT_EQ(test::readBytes(dir.file("again.rom")), saved);

  Session reloaded(platform);
  reloaded.start();
  ASSERT_TRUE(loadBiosFile(reloaded, dir.file("out.rom")));
  EXPECT_EQ(reloaded.form().clock.gpuClock[3].text(), "800");
  EXPECT_EQ(reloaded.form().fan.tmax.text(), "100");
  EXPECT_EQ(reloaded.form().info.infoText[1].text(), "NEW" + std::string(11, ' '));  // padded to its length
  EXPECT_EQ(reloaded.image()->checkSum, session.image()->checkSum);
  EXPECT_TRUE(reloaded.form().info.preModified.checked());  // the filler now shows the correction
}

TEST_F(SavePipeline, EachWriterFailureShowsItsMessageAndWritesNoFile) {
  load(FixtureImage());
  form.clock.stateList.choose(1);
  form.clock.gpuClock[0].setText("abc");
  EXPECT_FALSE(saveTo("a.rom"));
  // The box is named on a line of its own and gets the focus, on its tab;
  // nothing else of the window changes.
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "Unable to write clock settings. This may be due to illegal values set. "
                         "- Debug information: 'WriteClockSettings' reported error.\nClock info 0, GPU (MHz) "
                         "holds \"abc\", which is no number; it takes a number from 0 to "
                         "167772.15 with at most 2 decimals."}));
  EXPECT_EQ(session.takeFocusRequest(), &form.clock.gpuClock[0]);
  EXPECT_TRUE(form.clockTabButton.checked());
  EXPECT_EQ(form.clock.stateList.listIndex(), 1);
  form.clock.gpuClock[0].setText("300");

  platform.messages.clear();
  FixtureImage type2;  // a type-2 value beyond a byte
  type2.fanType = 2;
  load(type2);
  form.fan.type2Hysteresis.setText("300");
  EXPECT_FALSE(saveTo("a.rom"));
  EXPECT_EQ(texts(),
            (std::vector<std::string>{"Unable to write fan settings. This may be due to illegal values set. "
                                      "- Debug information: 'WriteFanSettings' 1.\nHysteresis (\u00B0C) holds \"300\", "
                                      "which is above 255; it takes a whole number from 0 to 255."}));
  EXPECT_EQ(session.takeFocusRequest(), &form.fan.type2Hysteresis);
  load(FixtureImage());

  platform.messages.clear();
  form.info.infoText[2].setText(form.info.infoText[2].text() + "X");
  EXPECT_FALSE(saveTo("a.rom"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error writing reported chip type. Maybe string too long (can't be "
                                               "longer than original one)? - Debug information: 'WriteInfoSettings' "
                                               "reported 4.\nReported chip type holds \"RV670X\": the reported chip "
                                               "type, such as RV670 (must hold an upper-case R or M)."}));
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);

  // A character the image's 8-bit set cannot hold: the message says which.
  platform.messages.clear();
  form.info.infoText[2].setText("RV6\xE2\x82\xAC");
  EXPECT_FALSE(saveTo("a.rom"));
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error writing BIOS information. Maybe no BIOS loaded before? - Debug "
                                               "information: 'WriteInfoSettings' reported 0.\nThe character "
                                               "\"\xE2\x82\xAC\" (U+20AC) in the chip type (InfoText(2)) has no 8-bit "
                                               "code."}));
  EXPECT_TRUE(platform.saveDialogs.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.rom")));
}

TEST_F(SavePipeline, CancelLeavesTheLoadedImageAndASavedFileBecomesTheImage) {
  load(FixtureImage());
  form.clock.gpuClock[3].setText("800");
  EXPECT_FALSE(saveBiosFile(session));  // dialog cancelled
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(session.image()->bytes.bytes(), loaded);
  EXPECT_TRUE(session.hasUnsavedEdits());
  platform.confirmSaves = false;  // the review cancelled: no dialog
  EXPECT_FALSE(saveBiosFile(session));
  EXPECT_EQ(platform.saveDialogs.size(), 1u);
  EXPECT_EQ(platform.reviews.size(), 2u);
  platform.confirmSaves = true;
  EXPECT_TRUE(saveTo("a.rom"));
  EXPECT_EQ(test::sumOf(saved("a.rom")), test::sumOf(loaded));
  EXPECT_EQ(platform.statuses.back(), "Saved " + dir.file("a.rom"));
  // The file dialogs start in the folder of the file the window shows.
  EXPECT_EQ(platform.saveDialogs.back().startFolder, dir.path());
  // The saved file is the window's image now: named, nothing unsaved, and
  // the next save compares with it.
  EXPECT_EQ(session.image()->bytes.bytes(), saved("a.rom"));
  EXPECT_EQ(form.loadedFile.text(), dir.file("a.rom"));
  EXPECT_FALSE(session.hasUnsavedEdits());
  EXPECT_EQ(form.clock.gpuClock[3].text(), "800");
  EXPECT_TRUE(saveTo("b.rom")) << texts().back();
  EXPECT_EQ(saved("a.rom"), saved("b.rom"));
}

TEST_F(SavePipeline, ExistingFilesAreReplacedOnlyAfterYes) {
  load(FixtureImage());
  test::writeBytes(dir.file("old.rom"), std::vector<std::uint8_t>(100000, 0xAB));
  EXPECT_FALSE(saveTo("old.rom"));  // answered No
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "File exists.");
  EXPECT_EQ(platform.messages[0].text, "File exists. Overwrite?");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(test::readBytes(dir.file("old.rom")).size(), 100000u);

  platform.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(saveTo("old.rom"));
  const auto saved = test::readBytes(dir.file("old.rom"));
  EXPECT_EQ(saved.size(), loaded.size());  // exactly as long as the image
  EXPECT_EQ(test::sumOf(saved), test::sumOf(loaded));
  EXPECT_EQ(test::listDir(dir.path()).size(), 2u);  // no temporary file left
}

TEST_F(SavePipeline, AWriteProtectedTargetIsLeftAsItWas) {
  load(FixtureImage());
  test::writeText(dir.file("ro.rom"), "keep me");
  std::filesystem::permissions(dir.file("ro.rom"), std::filesystem::perms::owner_read);
  platform.queueAnswer(MessageAnswer::Yes);
  EXPECT_FALSE(saveTo("ro.rom"));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].title, "Write error");
  EXPECT_EQ(platform.messages[1].text, "Unable to overwrite file. Maybe write protected or in use by other program?");
  EXPECT_EQ(platform.messages[1].icon, MessageIcon::Error);
  EXPECT_EQ(test::readText(dir.file("ro.rom")), "keep me");
}

TEST_F(SavePipeline, AFailedWriteSaysSoAndLeavesNothingBehind) {
  load(FixtureImage());
  std::filesystem::create_directory(dir.file("folder.rom"));
  EXPECT_FALSE(saveTo("folder.rom"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Error writing BIOS to file. Maybe file system error (HD full/write "
            "protected)? - Debug information: 'WriteBIOSToFile(sFile)' reported error.\n"
            "\"folder.rom\" is a folder.");
  EXPECT_EQ(test::listDir(dir.path()).size(), 2u);
}

TEST_F(SavePipeline, AWriteCutShortByAFileSizeLimitKeepsTheOldTarget) {
  load(FixtureImage());
  const std::string target = dir.file("target.rom");
  test::writeBytes(target, std::vector<std::uint8_t>(70000, 0x5A));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{30000, 30000};
    setrlimit(RLIMIT_FSIZE, &limit);
    platform.messages.clear();
    platform.queueAnswer(MessageAnswer::Yes);
    platform.queueSavePath(target);
    const bool written = saveBiosFile(session);
    const bool reported = !platform.messages.empty() &&
                          platform.messages.back().text.find("'WriteBIOSToFile(sFile)'") != std::string::npos;
    _exit(!written && reported ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(test::readBytes(target), std::vector<std::uint8_t>(70000, 0x5A));
  EXPECT_EQ(test::listDir(dir.path()).size(), 2u);
}

TEST_F(SavePipeline, DefaultFileNames) {
  FixtureImage fixture;
  fixture.clocks = {{10000, 20000, 1000}, {30000, 50000, 1100}, {50000, 80000, 1200}, {77500, 112600, 1300}};
  load(fixture);
  EXPECT_EQ(form.clock.defaultFileName(), "2D - 300, 500, 1.1 3D - 775, 1126, 1.3.rom");
  form.clock.memoryClock[2].setText("");
  EXPECT_EQ(form.clock.defaultFileName(), "Default.rom");
  form.clock.memoryClock[2].setText("1");
  form.clock.gpuClock[1].setText(std::string(300, '1'));
  EXPECT_EQ(form.clock.defaultFileName(), "Default.rom");
}

// An image whose filler area holds `filler` after the marker, and whose
// header area holds `header`.
std::vector<std::uint8_t> withCorrectionAreas(const std::vector<std::uint8_t>& filler, std::uint8_t header) {
  FixtureImage fixture;
  test::Type1Fields fields;
  fields.tslope = 54;  // as the fan page computes it: saving leaves the fan bytes alone
  fixture.registers = test::registersFor(fields);
  auto bytes = fixture.build();
  std::fill(bytes.end() - 0x2000, bytes.end(), 0x00);
  const std::size_t marker = bytes.size() - filler.size() - 6;  // the area starts 5 after the 0xFF
  bytes[marker] = 0x5B;
  bytes[marker + 1] = 0xFF;
  std::copy(filler.begin(), filler.end(), bytes.end() - static_cast<std::ptrdiff_t>(filler.size()));
  std::fill(bytes.begin() + 0x07, bytes.begin() + 0x17, header);
  bytes[0x21] = 0;
  bytes[0x21] = static_cast<std::uint8_t>((256 - test::sumOf(bytes) % 256) % 256);
  return bytes;
}

TEST_F(SavePipeline, ADifferenceOfExactlyTheRoomIsRefused) {
  load(withCorrectionAreas({0xFF, 0xFF}, 0x00));  // room (last - start) * 255 = 255
  ASSERT_EQ(correctionRoomDown(session.image()->bytes), 255);
  form.clock.gpuClock[0].setText("302.07");     // 0x007530 -> 0x0075FF: +207
  form.clock.memoryClock[0].setText("500.48");  // 0x00C350 -> 0x00C380: +48
  EXPECT_FALSE(saveTo("out.rom"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Can't save.");
  EXPECT_EQ(platform.messages[0].text, "Checksumdifference too large. Can't correct (down).");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);

  form.info.preModified.setChecked(true);
  EXPECT_FALSE(saveTo("out.rom"));
  EXPECT_EQ(platform.messages.back().text,
            "Checksumdifference too large. Can't correct (down). Please try again with a plain, not previously "
            "modified BIOS file.");

  EXPECT_EQ(session.image()->bytes.bytes(), loaded);  // nothing of the refused saves stays
  form.clock.memoryClock[0].setText("500.47");        // one unit less fits
  EXPECT_TRUE(saveTo("out.rom"));
  EXPECT_EQ(test::sumOf(test::readBytes(dir.file("out.rom"))), session.image()->checkSum);
}

TEST_F(SavePipeline, UpwardRoomAndTheFinalTest) {
  load(withCorrectionAreas({0xFF, 0xFF}, 0xFF));  // no room upwards at all
  form.clock.gpuClock[0].setText("299.99");
  EXPECT_FALSE(saveTo("out.rom"));
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text,  // the full header marks the image as modified before
            "Checksumdifference too large. Can't correct (up). Please try again with a plain, not previously "
            "modified BIOS file.");

  // A filler area of zeros has room on paper but nothing to lower.
  load(withCorrectionAreas({0x00, 0x00, 0x00}, 0x00));
  form.clock.gpuClock[0].setText("300.01");
  EXPECT_FALSE(saveTo("out.rom"));
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_EQ(platform.messages.back().text,
            "Error during checksum correction. - Debug information: Checksum after correction not equal to loaded "
            "file checksum.");
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.rom")));
}

}  // namespace
}  // namespace oza
