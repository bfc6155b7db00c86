// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_check.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "verify/check_rules.h"
#include "verify/image_pairs.h"

namespace oza {
namespace {

using test::FixtureImage;
using Names = std::set<std::string>;

FixtureImage sound() {
  FixtureImage f;
  test::Type1Fields fields;
  fields.tslope = 54;
  f.registers = test::registersFor(fields);
  return f;
}

class ImageCheck : public ::testing::Test {
 protected:
  // Checks `bytes`, against `original` when it is given.
  CheckReport check(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>* original = nullptr) {
    image = pairs.load("image.rom", bytes);
    if (original) against = pairs.load("original.rom", *original);
    return checkImage(*image, original ? &*against : nullptr);
  }
  static Names with(const CheckReport& report, CheckOutcome outcome) {
    Names names;
    for (const CheckItem& item : report.items)
      if (item.outcome == outcome) names.insert(item.name);
    return names;
  }
  static const CheckItem& item(const CheckReport& report, const std::string& name) {
    for (const CheckItem& i : report.items)
      if (i.name == name) return i;
    throw std::out_of_range(name);
  }
  test::ImagePairs pairs;
  std::optional<ImageFile> image, against;
};

TEST_F(ImageCheck, ASoundImageListsEveryCheckAsPassed) {
  const auto bytes = sound().build();
  const CheckReport alone = check(bytes);
  // One classed PowerPlay state only: the class order is not checked; nor
  // is what needs the card's own tables, which the fixture does not list.
  const Names notRun{
      "PowerPlay classes in order",    "Voltages on the regulator's levels", "Voltages within the regulator's levels",
      "Clocks within the PLL's range", "Boot state from the firmware",       "Fan run by the thermal controller"};
  EXPECT_EQ(alone.items.size(), 23u);
  EXPECT_EQ(with(alone, CheckOutcome::Passed).size(), 17u);
  EXPECT_EQ(with(alone, CheckOutcome::NotRun), notRun);
  EXPECT_EQ(alone.exitCode(true), 0);
  const CheckReport paired = check(bytes, &bytes);
  EXPECT_EQ(paired.items.size(), 30u);
  EXPECT_EQ(with(paired, CheckOutcome::Passed).size(), 24u);
  const std::string text = checkText(paired);
  EXPECT_NE(text.find("ok       Byte sum as the original: "), std::string::npos) << text;
  EXPECT_NE(text.find("\n0 errors, 0 warnings\n"), std::string::npos) << text;
}

// Scripts tell the rules apart by key and people by name.
TEST(CheckRules, KeysAndNamesAreUnique) {
  Names keys, names;
  for (const CheckRule& rule : checkRules()) {
    EXPECT_TRUE(keys.insert(rule.key).second) << rule.key;
    EXPECT_TRUE(names.insert(rule.name).second) << rule.name;
  }
}

TEST_F(ImageCheck, EachErrorAlone) {
  const auto good = sound().build();
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool paired;
    Names errors;
  };
  std::vector<Case> cases;
  cases.push_back({"does not load", std::vector<std::uint8_t>(65536, 0), false, {"Loads"}});
  {
    // With an image beyond the declared one, so that it is no copy that ends
    // with its images.
    FixtureImage odd(70144);
    odd.declaredSize = 57344;
    odd.registers = sound().registers;
    cases.push_back({"length", odd.build(), false, {"File length"}});
  }
  {
    auto longer = good;
    longer[0x02] = 0x81;  // 66048 bytes declared
    longer[0x21] = static_cast<std::uint8_t>(longer[0x21] - 1);
    cases.push_back({"shorter than declared", longer, false, {"Declared image length"}});
  }
  {
    auto off = good;
    off[off.size() - 0x2000 + 10] = 0xFE;
    cases.push_back({"checksum", off, false, {"Declared image checksum"}});
  }
  {
    auto padded = good;
    padded.resize(131072, 0x00);  // same sum, twice the length
    cases.push_back({"length as original", padded, true, {"Length as the original"}});
  }
  {
    auto dated = good;
    for (std::size_t p : {0x50, 0x51, 0x53, 0x54}) dated[p] = static_cast<std::uint8_t>(dated[p] + 64);  // +256
    cases.push_back({"sum as original", dated, true, {"Byte sum as the original"}});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckReport report = check(c.bytes, c.paired ? &good : nullptr);
    EXPECT_EQ(with(report, CheckOutcome::Error), c.errors);
    EXPECT_EQ(with(report, CheckOutcome::Warning), Names{});
    EXPECT_EQ(report.exitCode(false), 1);
  }
}

TEST_F(ImageCheck, ErrorsNameWhatWasFound) {
  const auto good = sound().build();
  auto off = good;
  off[off.size() - 0x2000 + 10] = 0xFE;
  EXPECT_EQ(item(check(off), "Declared image checksum").detail, "sums to 255 modulo 256, not 0");
  const CheckReport broken = check(std::vector<std::uint8_t>(65536, 0));
  EXPECT_NE(item(broken, "Loads").detail.find("'GetStringPos' reported error"), std::string::npos)
      << item(broken, "Loads").detail;
  EXPECT_EQ(item(broken, "GDDR5 image size").outcome, CheckOutcome::NotRun);
  test::TempDir dir;
  image = loadImageFile(dir.file("missing.rom"));
  const CheckReport missing = checkImage(*image, nullptr);
  EXPECT_EQ(item(missing, "Loads").detail, "Unable to open file. Invalid file name specified?\nThere is no such file.");
  EXPECT_EQ(item(missing, "File length").outcome, CheckOutcome::NotRun);
}

TEST_F(ImageCheck, EachWarningAlone) {
  const auto good = sound().build();
  struct Case {
    const char* name;
    std::function<void(FixtureImage&)> change;
    bool paired;
    Names warnings;
  };
  auto withFields = [](std::function<void(test::Type1Fields&)> set) {
    return [set](FixtureImage& f) {
      test::Type1Fields fields;
      fields.tslope = 54;
      set(fields);
      f.registers = test::registersFor(fields);
    };
  };
  const std::vector<Case> cases = {
      {"GDDR5 64 kB",
       [](FixtureImage& f) {
         f.ramType = "GDDR5";
         for (test::ClockRecord& clock : f.clocks) clock.ram = 50000;
       },
       false,
       {"GDDR5 image size", "Whole ROM copy"}},
      {"GDDR5 clock infos with two memory clocks",
       [](FixtureImage& f) {
         FixtureImage big(131072);
         big.declaredSize = 65536;  // an EFI image and data after it
         big.registers = f.registers;
         big.ramType = "GDDR5";
         f = big;
       },
       false,
       {"GDDR5 clock infos share one memory clock"}},
      {"an EFI image of another device",
       [](FixtureImage& f) {
         FixtureImage big(131072);
         big.declaredSize = 65536;
         big.registers = f.registers;
         big.secondPciDeviceId = 0x9440;
         f = big;
       },
       false,
       {"PCI image chain"}},
      {"a performance state clocked and fed below a battery one",
       [](FixtureImage& f) {
         f.states = {{0x0001, {2, 2, 2}}, {0x0005, {0, 0, 0}}};
       },
       false,
       {"PowerPlay classes in order"}},
      {"a stored Tslope other than the computed one",
       withFields([](test::Type1Fields& t) { t.tslope = 200; }),
       false,
       {"Stored Tslope as computed"}},
      {"another card ID", [](FixtureImage& f) { f.cardId = 0x9505; }, true, {"IDs as the original"}},
      {"another sub vendor", [](FixtureImage& f) { f.subVendor = 0x1043; }, true, {"IDs as the original"}},
      {"above Overdrive GPU",
       [](FixtureImage& f) { f.clocks[3].gpu = 86001; },
       false,
       {"Clocks within the Overdrive limits"}},
      {"above Overdrive RAM",
       [](FixtureImage& f) { f.clocks[0].ram = 120100; },
       false,
       {"Clocks within the Overdrive limits"}},
      {"above the RAM limit, no GPU limit",
       [](FixtureImage& f) {
         f.odGpuLimit = 0;
         f.clocks[1].ram = 120001;
       },
       false,
       {"Clocks within the Overdrive limits"}},
      {"thresholds fall", [](FixtureImage& f) { f.type1Thresholds[5] = 80; }, false, {"Fan look-up table rises"}},
      {"thresholds stay",
       [](FixtureImage& f) {
         f.type1Thresholds[5] = 80;
         f.type1Thresholds[4] = 80;
       },
       false,
       {"Fan look-up table rises"}},
      {"speeds fall", [](FixtureImage& f) { f.type1Speeds[2] = 100; }, false, {"Fan look-up table rises"}},
      {"type-2 speeds fall",
       [](FixtureImage& f) {
         f.fanType = 2;
         f.type2Speeds[6] = 60;
       },
       false,
       {"Fan look-up table rises"}},
      {"Tmin not below Tmax",
       withFields([](test::Type1Fields& t) {
         t.tmin = 90;
         t.tmax = 90;
       }),
       false,
       {"Tmin below Tmax", "Stored Tslope as computed"}},
      {"voltage above the original's",
       [](FixtureImage& f) { f.clocks[2].voltage = 1350; },
       true,
       {"Voltages within the original's range"}},
      {"voltage below the original's",
       [](FixtureImage& f) { f.clocks[0].voltage = 1000; },
       true,
       {"Voltages within the original's range"}},
      {"clock raised",
       [](FixtureImage& f) {
         f.clocks[1].gpu = 77500 * 6 / 5 + 1;
         f.odGpuLimit = 99000;
       },
       true,
       {"Clocks at most 20 % over the original's highest"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FixtureImage changed = sound();
    c.change(changed);
    const CheckReport report = c.paired ? check(test::withSumOf(changed.build(), good), &good) : check(changed.build());
    EXPECT_EQ(with(report, CheckOutcome::Warning), c.warnings);
    EXPECT_EQ(with(report, CheckOutcome::Error), Names{});
    EXPECT_EQ(report.exitCode(false), 0);
    EXPECT_EQ(report.exitCode(true), 1);
  }
}

TEST_F(ImageCheck, BytesOutsideKnownFieldsAreCountedWithTheirOffsets) {
  const auto good = sound().build();
  auto changed = good;
  const std::size_t unused = static_cast<std::size_t>(sound().clockPosition()) + 8;  // a record's unread half
  changed[unused] = 1;
  changed[0x3000] = 2;
  changed[changed.size() - 0x2000 + 6] -= 3;  // the filler keeps the sum
  const CheckReport report = check(changed, &good);
  EXPECT_EQ(with(report, CheckOutcome::Warning), Names{"Bytes outside known fields as the original"});
  EXPECT_EQ(item(report, "Bytes outside known fields as the original").detail,
            "2 bytes differ at 0x0828 (1 byte), 0x3000 (1 byte)");
}

TEST_F(ImageCheck, AllWarningsTogether) {
  const auto good = sound().build();
  FixtureImage changed = sound();
  changed.ramType = "GDDR5";
  changed.clocks[3].gpu = 95000;  // above the limit and 20 % over 775 MHz
  changed.clocks[2].voltage = 1400;
  changed.type1Thresholds[7] = 60;
  changed.cardId = 0x9505;
  changed.states = {{0x0001, {3, 3, 3}}, {0x0003, {0, 0, 0}}};
  test::Type1Fields fields;
  fields.tslope = 54;
  fields.tmin = 110;
  changed.registers = test::registersFor(fields);
  auto bytes = test::withSumOf(changed.build(), good);
  bytes[0x3000] = 1;
  bytes[bytes.size() - 0x2000 + 40] -= 1;
  const CheckReport report = check(bytes, &good);
  EXPECT_EQ(with(report, CheckOutcome::Error), Names{});
  EXPECT_EQ(
      with(report, CheckOutcome::Warning),
      (Names{"GDDR5 image size", "Clocks within the Overdrive limits", "Fan look-up table rises", "Tmin below Tmax",
             "Stored Tslope as computed", "PowerPlay classes in order", "GDDR5 clock infos share one memory clock",
             "Voltages within the original's range", "Clocks at most 20 % over the original's highest",
             "IDs as the original", "Whole ROM copy", "Bytes outside known fields as the original"}));
  EXPECT_NE(checkText(report).find("\n0 errors, 12 warnings\n"), std::string::npos);
}

TEST_F(ImageCheck, AllErrorsTogether) {
  const auto good = sound().build();
  FixtureImage odd(70144);
  odd.registers = sound().registers;
  auto bytes = odd.build();
  bytes[bytes.size() - 0x2000 - 0x200 + 10] ^= 0x01;
  const CheckReport report = check(bytes, &good);
  EXPECT_EQ(with(report, CheckOutcome::Error),
            (Names{"File length", "Declared image checksum", "Length as the original", "Byte sum as the original"}));
  auto unreadable = std::vector<std::uint8_t>(70000, 0);
  unreadable[2] = 0xFF;
  const CheckReport worst = check(unreadable, &good);
  EXPECT_EQ(with(worst, CheckOutcome::Error), (Names{"Loads", "File length", "Declared image length",
                                                     "Length as the original", "Byte sum as the original"}));
}

// As the kernel gives a card's ROM: the chain of images and nothing after it.
TEST_F(ImageCheck, RealImagesCutWhereTheirChainEndsArePartialCopies) {
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const auto whole = test::readBytes(path);
    EXPECT_EQ(item(check(whole), "Whole ROM copy").outcome, CheckOutcome::Passed);
    const PciImageChain chain = walkPciImages(ByteImage(whole));
    ASSERT_EQ(chain.images.size(), 2u);
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + chain.end);
    const CheckReport report = check(cut);
    EXPECT_EQ(with(report, CheckOutcome::Warning), Names{"Whole ROM copy"});
    EXPECT_NE(item(report, "Whole ROM copy").detail.find("partial copy"), std::string::npos);
    // Cut inside the EFI image: the chain runs past the end.
    const std::vector<std::uint8_t> shorter(whole.begin(), whole.begin() + chain.end - 4096);
    const CheckReport cutShorter = check(shorter);
    const CheckItem& past = item(cutShorter, "PCI image chain");
    EXPECT_EQ(past.outcome, CheckOutcome::Warning);
    EXPECT_NE(past.detail.find("past the end of the file"), std::string::npos) << past.detail;
  }
}

}  // namespace
}  // namespace oza
