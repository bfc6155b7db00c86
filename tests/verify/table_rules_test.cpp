// SPDX-License-Identifier: GPL-3.0-or-later

// The check rules of the table layout, and the tables that the check and the
// diff name for bytes that differ.
#include <gtest/gtest.h>

#include <functional>

#include "support/fixture_image.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "verify/check_rules.h"
#include "verify/image_diff.h"
#include "verify/image_pairs.h"

namespace oza {
namespace {

using test::FixtureImage;
using test::putWord;

CheckOutcome outcomeOf(const std::vector<std::uint8_t>& bytes, RuleFunction rule, std::string* detail = nullptr) {
  const ImageFile file = test::ImagePairs::load("image.rom", bytes);
  Finding found;
  rule(file, nullptr, found);
  if (detail) *detail = found.detail;
  return found.outcome;
}

TEST(TableRules, EachRuleWarnsOfItsOwnFault) {
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> fault;
    CheckOutcome within, apart;
  } cases[] = {
      {"sound", [](auto&) {}, CheckOutcome::Passed, CheckOutcome::Passed},
      {"VRAM_Info past the file",
       [](auto& b) { putWord(b, FixtureImage::kMasterData + 4 + 2 * 28, 0xFFF0), putWord(b, 0xFFF0, 0x40); },
       CheckOutcome::Warning, CheckOutcome::Passed},
      {"PowerPlay over the fan-control table",
       [](auto& b) { putWord(b, FixtureImage::kPowerPlay, 0x1808), putWord(b, FixtureImage::kFanTable, 0x10); },
       CheckOutcome::Passed, CheckOutcome::Warning},
      {"master of an odd size", [](auto& b) { putWord(b, FixtureImage::kMasterCommand, 121); }, CheckOutcome::Warning,
       CheckOutcome::Passed},
      {"no master tables", [](auto& b) { putWord(b, 0x48, 0xFFFF); }, CheckOutcome::NotRun, CheckOutcome::NotRun},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> bytes = FixtureImage().build();
    c.fault(bytes);
    EXPECT_EQ(outcomeOf(bytes, checkTablesWithinImage), c.within);
    EXPECT_EQ(outcomeOf(bytes, checkTablesApart), c.apart);
  }
}

TEST(TableRules, ChangedBytesNameTheTableTheyLieIn) {
  const std::string path = test::realRomPath("hd4850-rv770-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  const std::vector<std::uint8_t> original = test::readBytes(path);
  std::vector<std::uint8_t> changed = original;
  changed[0xB35E + 32 + 24] ^= 0x01;  // the second strap of the Hynix module
  changed[0x9000] ^= 0x01;            // in no table
  changed[0x9001] ^= 0x01;
  const ImageFile a = test::ImagePairs::load("a.rom", original);
  const ImageFile b = test::ImagePairs::load("b.rom", changed);
  ASSERT_TRUE(a.loaded() && b.loaded());
  std::vector<std::string> rows;
  for (const Difference& d : diffImages(*a.image, *b.image))
    if (d.table) rows.push_back(d.what + " | " + *d.table);
  EXPECT_EQ(rows, (std::vector<std::string>{"Bytes 0x9000-0x9001 (2 bytes) | ",
                                            "Bytes 0xB396 (1 byte) in VRAM_Info | VRAM_Info"}));
  Finding found;
  checkBytesOutsideKnownFields(b, &a, found);
  EXPECT_EQ(found.detail, "3 bytes differ at 0x9000-0x9001 (2 bytes), 0xB396 (1 byte) in VRAM_Info");
}

}  // namespace
}  // namespace oza
