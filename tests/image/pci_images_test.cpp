// SPDX-License-Identifier: GPL-3.0-or-later

// The chain of PCI images a file holds, against an independent walk over
// every fixture kind and the images of real cards, and on broken chains.
#include <gtest/gtest.h>

#include "image/pci_images.h"
#include "support/atom_walk.h"
#include "support/fixture_kinds.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

void expectAsWalked(const std::vector<std::uint8_t>& bytes) {
  const PciImageChain chain = walkPciImages(ByteImage(bytes));
  const std::vector<test::WalkedPciImage> walked = test::walkPciChain(bytes);
  ASSERT_EQ(chain.images.size(), walked.size());
  std::size_t end = 0;
  for (std::size_t n = 0; n < walked.size(); ++n) {
    SCOPED_TRACE("image " + std::to_string(n));
    const PciImage& image = chain.images[n];
    EXPECT_EQ(image.offset, std::int64_t(walked[n].offset));
    EXPECT_EQ(image.length, std::int64_t(walked[n].length));
    EXPECT_EQ(image.codeType, walked[n].codeType);
    EXPECT_EQ(image.deviceId, walked[n].deviceId);
    EXPECT_EQ(image.vendorId, 0x1002);
    EXPECT_EQ(image.last, walked[n].last);
    end = walked[n].offset + walked[n].length;
  }
  EXPECT_EQ(chain.end, std::int64_t(end));
  EXPECT_EQ(chain.tailBytes, std::int64_t(bytes.size() - std::min(end, bytes.size())));
}

TEST(PciImages, EveryFixtureKindAndRealCardAsAnIndependentWalk) {
  for (const auto& [name, fixture] : test::fixtureKinds()) {
    SCOPED_TRACE(name);
    const auto bytes = fixture.build();
    expectAsWalked(bytes);
    // An image declared shorter than its file has an EFI image after it.
    const std::size_t images = walkPciImages(ByteImage(bytes)).images.size();
    EXPECT_EQ(images, fixture.declaredSize && fixture.declaredSize < bytes.size() ? 2u : 1u);
  }
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    expectAsWalked(test::readBytes(path));
  }
}

TEST(PciImages, RealCardsHoldAnAtomBiosAndAnEfiImage) {
  struct Card {
    const char* file;
    std::int64_t first, second;
    std::uint16_t device;
  };
  for (const Card& card :
       {Card{"hd4670-rv730-imac.rom", 64000, 46080, 0x9488}, Card{"hd4850-rv770-imac.rom", 63488, 48128, 0x944A}}) {
    const std::string path = test::realRomPath(card.file);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    SCOPED_TRACE(card.file);
    const PciImageChain chain = walkPciImages(ByteImage(test::readBytes(path)));
    ASSERT_EQ(chain.images.size(), 2u);
    EXPECT_EQ(codeTypeName(chain.images[0].codeType), "x86");
    EXPECT_EQ(codeTypeName(chain.images[1].codeType), "EFI");
    EXPECT_EQ(chain.images[0].length, card.first);
    EXPECT_EQ(chain.images[1].offset, card.first);
    EXPECT_EQ(chain.images[1].length, card.second);
    EXPECT_FALSE(chain.images[0].last);
    EXPECT_TRUE(chain.images[1].last);
    EXPECT_EQ(chain.images[1].deviceId, card.device);
    EXPECT_EQ(chain.tailBytes, 131072 - card.first - card.second);
    EXPECT_EQ(chain.tailData, 0);
    EXPECT_FALSE(chain.pastEnd);
  }
}

TEST(PciImages, BrokenChainsStopWhereTheyBreak) {
  struct Case {
    const char* what;
    void (*spoil)(std::vector<std::uint8_t>&);
    std::size_t images;
    bool pastEnd;
  };
  // The fixture's first image: its data structure at 0x24, 64 kB long, last.
  const Case cases[] = {
      {"sound", [](std::vector<std::uint8_t>&) {}, 1, false},
      {"no 55 AA", [](std::vector<std::uint8_t>& b) { b[1] = 0; }, 0, false},
      {"no PCIR", [](std::vector<std::uint8_t>& b) { b[0x24] = 'X'; }, 0, false},
      {"structure cut by the end", [](std::vector<std::uint8_t>& b) { b[0x18] = 0xF0, b[0x19] = 0xFF; }, 0, false},
      {"pointer off the 4-byte grid", [](std::vector<std::uint8_t>& b) { b[0x18] = 0x25; }, 0, false},
      {"longer than the file", [](std::vector<std::uint8_t>& b) { b[0x24 + 0x11] = 0x01; }, 1, true},
      {"length 0", [](std::vector<std::uint8_t>& b) { b[0x24 + 0x10] = 0; }, 1, false},
      {"not last, nothing after it",
       [](std::vector<std::uint8_t>& b) {
         b[0x24 + 0x10] = 0x40;  // 32 kB
         b[0x24 + 0x15] = 0;
         b[40000] = 0x12;
       },
       1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto bytes = test::FixtureImage().build();
    c.spoil(bytes);
    const PciImageChain chain = walkPciImages(ByteImage(bytes));
    EXPECT_EQ(chain.images.size(), c.images);
    EXPECT_EQ(chain.pastEnd, c.pastEnd);
    expectAsWalked(bytes);
  }
  auto half = test::FixtureImage().build();
  half[0x24 + 0x10] = 0x40;
  half[0x24 + 0x15] = 0;
  half[40000] = 0x12;
  const PciImageChain chain = walkPciImages(ByteImage(half));
  EXPECT_EQ(chain.tailBytes, 32768);
  EXPECT_GE(chain.tailData, 1);
}

}  // namespace
}  // namespace oza
