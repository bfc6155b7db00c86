// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/info_writer.h"

#include <gtest/gtest.h>

#include "document/image_decoding.h"
#include "support/expected_error.h"
#include "support/fixture_image.h"
#include "tabs/info_tab.h"

namespace oza {
namespace {

using test::FixtureImage;

// An image loaded into an information tab; writes go into `image`.
struct Info {
  explicit Info(const FixtureImage& fixture) : loaded(*decodeImage("", ByteImage(fixture.build()))) {
    image = loaded.bytes;
    strings = loaded.strings;
    cardId = loaded.cardId;
    tab.fillIdLists();
    tab.show(loaded);
  }
  std::optional<InfoWriteError> write() {
    return test::errorOf(writeInfoSettings(image, strings, tab.changedSettings(strings, cardId)));
  }
  std::string bytesAt(std::int64_t first, std::size_t count) const {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char>(*image.at(first + static_cast<std::int64_t>(i)));
    return text;
  }
  LoadedImage loaded;
  ByteImage image;
  InfoStrings strings;
  InfoTab tab;
  std::uint16_t cardId = 0;
};

TEST(InfoWriter, UneditedTextsWriteTheSameBytes) {
  FixtureImage fixture;
  fixture.cableMessage = "CONNECT THE POWER CABLE";
  fixture.date = "09/10/08 14:22 ";
  Info info(fixture);
  EXPECT_EQ(info.write(), std::nullopt);
  EXPECT_EQ(info.image.bytes(), fixture.build());
}

TEST(InfoWriter, DateIsCutOrPaddedToFourteen) {
  Info info{FixtureImage()};
  info.tab.infoText[0].setText("01/02/03 04:05:06 extra");
  EXPECT_EQ(info.write(), std::nullopt);
  EXPECT_EQ(info.bytesAt(0x50, 15), "01/02/03 04:05 ");  // 0x5E is not written
  info.tab.infoText[0].setText("1/2/3");
  EXPECT_EQ(info.write(), std::nullopt);
  EXPECT_EQ(info.tab.infoText[0].text(), "1/2/3");  // the box keeps what it shows
  EXPECT_EQ(info.bytesAt(0x50, 14), "1/2/3         ");
}

TEST(InfoWriter, ShorterStringsArePaddedInTheImage) {
  Info info{FixtureImage()};
  const std::string version = info.tab.infoText[1].text();
  info.tab.infoText[1].setText(version.substr(0, version.size() - 3));
  EXPECT_EQ(info.write(), std::nullopt);
  EXPECT_EQ(info.bytesAt(FixtureImage::kStrings, version.size() + 1),
            version.substr(0, version.size() - 3) + "   " + std::string(1, '\0'));
}

TEST(InfoWriter, TooLongStringsWriteNothing) {
  const FixtureImage fixture;
  const InfoWriteError errors[] = {InfoWriteError::BiosVersionTooLong,     InfoWriteError::ChipTypeTooLong,
                                   InfoWriteError::HardwareSpecsTooLong,   InfoWriteError::CopyrightTooLong,
                                   InfoWriteError::AtomBiosVersionTooLong, InfoWriteError::PowerCableMessageTooLong};
  for (int box = 1; box <= 6; ++box) {
    Info info(fixture);
    if (box != 1) info.tab.infoText[1].setText("SHORT");
    info.tab.infoText[box].setText(info.tab.infoText[box].text() + "X");
    EXPECT_EQ(info.write(), errors[box - 1]) << box;
    EXPECT_EQ(info.image.bytes(), fixture.build()) << box;
  }
}

TEST(InfoWriter, CharactersWithoutAnEightBitCodeFail) {
  Info info{FixtureImage()};
  info.tab.infoText[4].setText("\xE2\x82\xAC");  // the euro sign
  EXPECT_EQ(info.write(), InfoWriteError::Failed);
  Info latin{FixtureImage()};
  latin.tab.infoText[4].setText("(C) \xC3\xA9t\xC3\xA9 ATI");  // é is one byte
  EXPECT_EQ(latin.write(), std::nullopt);
  const std::int64_t copyright = *latin.image.find(std::vector<std::uint8_t>{'(', 'C', ')', ' '}, 0, 0x200);
  EXPECT_EQ(latin.bytesAt(copyright, 11), "(C) \xE9t\xE9 ATI");
}

TEST(InfoWriter, SubVendorFromTheComboText) {
  Info info{FixtureImage()};
  info.tab.subVendor.setText("0x1458 - GigaByte");
  EXPECT_EQ(info.write(), std::nullopt);
  EXPECT_EQ(info.image.at(0x7C), 0x58);
  EXPECT_EQ(info.image.at(0x7D), 0x14);
  info.tab.subVendor.setText("0x12");
  EXPECT_EQ(info.write(), InfoWriteError::SubVendor);
}

TEST(InfoWriter, VideoCardIdsSharedByOneEntry) {
  FixtureImage fixture;
  fixture.cardId = 0x9597;
  Info unedited(fixture);
  EXPECT_EQ(unedited.write(), std::nullopt);
  EXPECT_EQ(unedited.image.word(0x88), 0x9597u);

  FixtureImage other;  // an HD 3870
  Info chosen(other);
  chosen.tab.videoCard.setListIndex(19);  // "HD 3600 series"
  EXPECT_EQ(chosen.write(), std::nullopt);
  EXPECT_EQ(chosen.image.word(0x88), 0x9598u);

  chosen.tab.videoCard.setText("something typed");  // no entry selected: kept
  EXPECT_EQ(chosen.write(), std::nullopt);
  EXPECT_EQ(chosen.image.word(0x88), 0x9598u);
}

TEST(InfoWriter, ImagesWithoutCableMessageTakeOnlyAnEmptyOne) {
  Info info{FixtureImage()};
  EXPECT_EQ(info.write(), std::nullopt);
  info.tab.infoText[6].setText("x");
  EXPECT_EQ(info.write(), InfoWriteError::PowerCableMessageTooLong);
}

// The codec alone: it writes exactly the changes it is given.
TEST(InfoWriter, WritesOnlyTheChangesItIsGiven) {
  const FixtureImage fixture;
  Info info(fixture);
  InfoChanges changes;
  changes.cardId = 0x9442;
  EXPECT_EQ(test::errorOf(writeInfoSettings(info.image, info.strings, changes)), std::nullopt);
  std::vector<std::uint8_t> expected = fixture.build();
  expected[0x88] = 0x42;
  expected[0x89] = 0x94;
  EXPECT_EQ(info.image.bytes(), expected);
}

TEST(InfoWriter, AChangedSubVendorWithoutAnIdFailsAndATooLongStringWinsOverAll) {
  Info info{FixtureImage()};
  InfoChanges changes;
  changes.subVendorChanged = true;
  EXPECT_EQ(test::errorOf(writeInfoSettings(info.image, info.strings, changes)), InfoWriteError::SubVendor);
  changes.tooLong = 3;
  EXPECT_EQ(test::errorOf(writeInfoSettings(info.image, info.strings, changes)), InfoWriteError::CopyrightTooLong);
  info.strings.positions.reset();
  EXPECT_EQ(test::errorOf(writeInfoSettings(info.image, info.strings, changes)), InfoWriteError::CopyrightTooLong);
  changes.tooLong.reset();
  EXPECT_EQ(test::errorOf(writeInfoSettings(info.image, info.strings, changes)), InfoWriteError::Failed);
}

TEST(InfoTabChanges, PaddingIsNoChangeAndATooLongStringStopsTheFitting) {
  FixtureImage fixture;
  fixture.date = "09/10/08 1:22 ";
  Info info(fixture);
  std::vector<Control*> boxes;
  info.tab.collect(boxes);
  rememberAsLoaded(boxes);
  info.tab.infoText[0].setText("09/10/08 1:22    ");
  EXPECT_FALSE(info.tab.changedSettings(info.strings, info.cardId).date);
  info.tab.infoText[2].setText("A");
  info.tab.infoText[3].setText(info.tab.infoText[3].text() + "X");
  info.tab.infoText[4].setText("B");
  const InfoChanges changes = info.tab.changedSettings(info.strings, info.cardId);
  EXPECT_EQ(changes.tooLong, 2);
  EXPECT_EQ(changes.strings[1], "A" + std::string(info.strings.chipType.size() - 1, ' '));
  EXPECT_EQ(info.tab.infoText[4].text(), "B");  // after the long one: as typed
}

TEST(InfoWriter, MessagesNameTheirOldCodes) {
  EXPECT_EQ(infoWriteMessage(InfoWriteError::Failed),
            "Error writing BIOS information. Maybe no BIOS loaded before? - Debug information: 'WriteInfoSettings' "
            "reported 0.");
  EXPECT_EQ(infoWriteMessage(InfoWriteError::CopyrightTooLong),
            "Error writing copyright message. Maybe string too long (can't be longer than original one)? - Debug "
            "information: 'WriteInfoSettings' reported 6.");
  EXPECT_EQ(infoWriteMessage(InfoWriteError::CardId),
            "Error writing video card ID. - Debug information: 'WriteInfoSettings' reported 10.");
}

}  // namespace
}  // namespace oza
