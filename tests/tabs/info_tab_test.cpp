// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/info_tab.h"

#include <gtest/gtest.h>

#include "document/image_decoding.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "save/checksum.h"
#include "support/fixture_image.h"

namespace oza {
namespace {

LoadedImage idImage(std::uint16_t vendor, std::uint16_t card) {
  LoadedImage image;
  image.subVendorId = vendor;
  image.cardId = card;
  return image;
}

TEST(Ids, ListsHoldTheVendorsAndCardsInOrder) {
  InfoTab tab;
  tab.fillIdLists();
  ASSERT_EQ(tab.subVendor.items().size(), 45u);
  ASSERT_EQ(tab.videoCard.items().size(), 34u);
  EXPECT_EQ(tab.subVendor.items()[8], "0x174B - PC Partner (known as Sapphire)");
  EXPECT_EQ(tab.subVendor.items()[44], "0x5333 - S3 Graphics Go. Ltd.");
  EXPECT_EQ(tab.videoCard.items()[0], "HD 2400");
  EXPECT_EQ(tab.videoCard.items()[33], "FireGL V8650 (use a 2900 GT or Pro or XT 2,048 MB)");
  for (const auto& vendor : vendorTable()) EXPECT_EQ(std::string(vendor.item).substr(2, 4), hexText(vendor.id, 4));
}

TEST(Ids, KnownAndUnknownIdsAreShown) {
  const struct {
    std::uint16_t vendor, card;
    const char* vendorText;
    int vendorIndex;
    const char* cardText;
    int cardIndex;
    std::uint16_t cardId;
  } cases[] = {
      {0x1002, 0x9597, "0x1002 - ATI (also used by several other vendors as Jetway, Palit, PowerColor and others)", 1,
       "HD 3600 series", 19, 0x9597},
      {0x1234, 0x9999, "0x1234 - (unkown)", -1, "(unkown)", -1, 0x9999},
      {0x174B, 0x9400, "0x174B - PC Partner (known as Sapphire)", 8, "HD 2900 XT", 12, 0x9400},
      {0x000A, 0x940A, "0x000A - (unkown)", -1, "FireGL V8650 (use a 2900 GT or Pro or XT 2,048 MB)", 33, 0x940A},
  };
  for (const auto& c : cases) {
    InfoTab tab;
    tab.fillIdLists();
    tab.show(idImage(c.vendor, c.card));
    EXPECT_EQ(tab.subVendor.text(), c.vendorText);
    EXPECT_EQ(tab.subVendor.listIndex(), c.vendorIndex);
    EXPECT_EQ(tab.videoCard.text(), c.cardText);
    EXPECT_EQ(tab.videoCard.listIndex(), c.cardIndex);
    EXPECT_EQ(subVendorText(c.vendor), c.vendorText);
    EXPECT_EQ(videoCardText(c.card), c.cardText);
  }
}

TEST(InfoDiagram, MarksEachDetectedValueOnly) {
  const struct {
    const char* ramType;
    const char* bus;
    int size, width;
    std::vector<int> white;
  } cases[] = {
      {"DDR", "AGP", 0, 0, {122, 123, 158, 159}},
      {"GDDR2", "PCI", 64, 0, {102, 103, 126, 127, 154, 155}},
      {"GDDR3", "PCI_EXPRESS", 512, 256, {114, 115, 130, 131, 146, 147, 162, 163}},
      {"gddr5", "pci_express", 1024, 512, {118, 119, 150, 151, 162, 163, 166, 167}},
      {"GDDR4", "PCIE", 128, 128, {106, 107, 134, 135, 142, 143}},
      {"DDR2", "PCIX", 256, 64, {110, 111, 126, 127, 138, 139}},
  };
  for (const auto& c : cases) {
    InfoTab tab;
    LoadedImage image;
    image.strings.ramType = c.ramType;
    image.strings.cardInterface = c.bus;
    image.strings.ramSize = static_cast<std::uint16_t>(c.size);
    image.strings.ramBusWidth = static_cast<std::uint16_t>(c.width);
    tab.show(image);
    EXPECT_EQ(tab.whiteLines(), c.white) << c.ramType << " " << c.bus;
  }
}

TEST(InfoDiagram, FieldsShowTheStringsSizeAndChecksum) {
  test::FixtureImage fixture;
  fixture.cableMessage = "CONNECT POWER";
  fixture.version = "V\xE9R";  // a byte above 127 shows as its Latin-1 character
  const LoadedImage image = *decodeImage("", ByteImage(fixture.build()));
  InfoTab tab;
  tab.show(image);
  EXPECT_EQ(tab.infoText[0].text(), "09/10/08 14:22");
  EXPECT_EQ(tab.infoText[1].text(), "V\xC3\xA9R");
  EXPECT_EQ(tab.infoText[6].text(), "CONNECT POWER\r");  // up to the line feed, as the load splits it
  EXPECT_EQ(tab.checksum.text(), checkSumText(image.checkSum));
  EXPECT_EQ(tab.biosSize.text(), "0x10000");
}

TEST(Ids, SubVendorIdFromTheBoxText) {
  const struct {
    const char* text;
    std::optional<std::uint16_t> id;
  } cases[] = {
      {"0x1458 - GigaByte", 0x1458}, {"0x174b", 0x174B}, {"0x12ZZ - typed", 0x1200},
      {"0x12", std::nullopt},        {"", std::nullopt}, {"ab 1 2 3", 0x0000},
  };
  for (const auto& c : cases) {
    InfoTab tab;
    tab.subVendor.setText(c.text);
    EXPECT_EQ(tab.subVendorId(), c.id) << c.text;
  }
}

TEST(Ids, ChosenCardIdKeepsTheLoadedOneOfASharedEntry) {
  InfoTab tab;
  tab.fillIdLists();
  EXPECT_EQ(tab.chosenCardId(0x9501), std::nullopt);  // nothing chosen
  tab.videoCard.setListIndex(19);                     // "HD 3600 series"
  EXPECT_EQ(tab.chosenCardId(0x9597), 0x9597);
  EXPECT_EQ(tab.chosenCardId(0x9501), 0x9598);
}

}  // namespace
}  // namespace oza
