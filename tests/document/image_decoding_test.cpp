// SPDX-License-Identifier: GPL-3.0-or-later

// The loaded image holds every value of an image, typed, and where it lies;
// a load that stops says why and what it had said before.
#include "document/image_decoding.h"

#include <gtest/gtest.h>

#include "support/fixture_image.h"

namespace oza {
namespace {

using test::FixtureImage;

TEST(ImageDecoding, AFixtureDecodesIntoItsValues) {
  FixtureImage fixture;
  fixture.clocks = {{30000, 50000, 1100}, {50000, 80000, 1200}, {77500, 112600, 0xFF01}};
  const auto bytes = fixture.build();
  const auto loaded = decodeImage("card.rom", ByteImage(bytes));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->path, "card.rom");
  EXPECT_EQ(loaded->bytes.bytes(), bytes);
  EXPECT_EQ(loaded->checkSum, test::sumOf(bytes));
  EXPECT_EQ(loaded->strings.chipType, "RV670");
  ASSERT_TRUE(loaded->strings.positions);
  EXPECT_EQ(loaded->strings.positions->biosVersion.first, FixtureImage::kStrings);
  EXPECT_EQ(loaded->dateTime, "09/10/08 14:22");
  EXPECT_EQ(loaded->subVendorId, 0x1002);
  EXPECT_EQ(loaded->cardId, 0x9501);
  EXPECT_FALSE(loaded->preModified);
  EXPECT_EQ(loaded->clockLocation.clockPosition, fixture.clockPosition());
  EXPECT_EQ(loaded->clockRecordCount, 3);
  ASSERT_EQ(loaded->clockInfos.size(), 3u);
  EXPECT_EQ(loaded->clockInfos[2].engineClock, 77500u);
  EXPECT_EQ(loaded->clockInfos[2].voltage, 0xFF01);
  EXPECT_EQ(loaded->states().classification.size(), 2u);
  ASSERT_TRUE(loaded->overdrive && loaded->overdrive->complete());
  EXPECT_EQ(loaded->overdrive->engineLimit, 86000u);
  EXPECT_TRUE(loaded->fan.usable);
  EXPECT_EQ(loaded->fan.location.tableType, FanTableType::Type1);
  EXPECT_TRUE(loaded->notices.empty());
  EXPECT_FALSE(loaded->mayBeCutShort());
}

TEST(ImageDecoding, ANoticeDoesNotStopTheLoadAndAStopKeepsTheNoticesBeforeIt) {
  FixtureImage noOverdrive;
  noOverdrive.overdrive = false;
  const auto loaded = decodeImage("", ByteImage(noOverdrive.build()));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->notices, std::vector<LoadNotice>{LoadNotice::NoOverdrive});
  EXPECT_EQ(loaded->overdrive, std::nullopt);

  noOverdrive.endSignature = false;  // records up to the image's end: no whole number of them
  auto bytes = noOverdrive.build();
  bytes.resize(bytes.size() - 3);
  const auto stopped = decodeImage("", ByteImage(bytes));
  ASSERT_FALSE(stopped);
  EXPECT_EQ(stopped.error().error, LoadError::RecordCount);
  EXPECT_EQ(stopped.error().notices, std::vector<LoadNotice>{LoadNotice::NoOverdrive});
}

TEST(ImageDecoding, AFanThatCannotBeReadIsNoFailure) {
  FixtureImage noFan;
  noFan.fanType = 0;
  const auto loaded = decodeImage("", ByteImage(noFan.build()));
  ASSERT_TRUE(loaded);
  EXPECT_FALSE(loaded->fan.supported);
  EXPECT_FALSE(loaded->fan.usable);

  FixtureImage gddr5;
  gddr5.ramType = "GDDR5";
  EXPECT_TRUE(decodeImage("", ByteImage(gddr5.build()))->mayBeCutShort());
}

}  // namespace
}  // namespace oza
