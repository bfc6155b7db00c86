// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/image_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "support/temp_dir.h"
#include "verify/image_pairs.h"

namespace oza {
namespace {

using test::FixtureImage;
using Whats = std::set<std::string>;

// Every difference of a fixture pair but the byte sum, which follows from
// nearly any change.
Whats whats(const std::vector<Difference>& differences) {
  Whats out;
  for (const Difference& d : differences)
    if (d.what != "Byte sum") out.insert(d.what);
  return out;
}

FixtureImage base() {
  FixtureImage f;
  f.cableMessage = "PLEASE CONNECT THE POWER CABLE";
  test::Type1Fields fields;
  fields.tslope = 54;
  f.registers = test::registersFor(fields);
  return f;
}

FixtureImage type2() {
  FixtureImage f = base();
  f.fanType = 2;
  return f;
}

// The fixture fixes its byte sum in byte 0x21, a byte no field owns; the
// original's keeps a pair to the change itself.
std::vector<std::uint8_t> sameChecksumByte(std::vector<std::uint8_t> changed,
                                           const std::vector<std::uint8_t>& original) {
  changed[0x21] = original[0x21];
  return changed;
}

struct Change {
  const char* name;
  std::function<FixtureImage()> start;
  std::function<void(FixtureImage&)> change;
  Whats expected;
};

const char* const kDeg =
    " (\xC2\xB0"
    "C)";

std::vector<Change> changes() {
  return {
      {"date", base, [](FixtureImage& f) { f.date = "09/11/08 14:22 "; }, {"Date"}},
      {"version", base, [](FixtureImage& f) { f.version = "113-B50102-102"; }, {"BIOS version"}},
      {"chip type", base, [](FixtureImage& f) { f.chipType = "RV635"; }, {"Chip type"}},
      {"interface", base, [](FixtureImage& f) { f.cardInterface = "PCI_EXPRESZ"; }, {"Card interface"}},
      {"RAM type", base, [](FixtureImage& f) { f.ramType = "GDDR4"; }, {"RAM type"}},
      {"hardware",
       base,
       [](FixtureImage& f) { f.hardwareSpecs = "ATI Radeon HD 3870 X2 512MB 256bit GDDR4"; },
       {"Hardware specs"}},
      {"cable",
       base,
       [](FixtureImage& f) { f.cableMessage = "PLEASE CONNECT THE POWER CABLX"; },
       {"Power cable message"}},
      {"copyright",
       base,
       [](FixtureImage& f) { f.copyright = "(C) 1988-2006, ATI Technologies Inc. "; },
       {"Copyright"}},
      {"atom",
       base,
       [](FixtureImage& f) { f.atomVersion = "ATOMBIOSBK-ATI VER010.069.000.000.000001"; },
       {"AtomBIOS version"}},
      {"sub vendor", base, [](FixtureImage& f) { f.subVendor = 0x1043; }, {"Sub vendor ID"}},
      {"card", base, [](FixtureImage& f) { f.cardId = 0x9505; }, {"Video card ID"}},
      {"GPU clock", base, [](FixtureImage& f) { f.clocks[2].gpu = 51000; }, {"Clock info 2 GPU (MHz)"}},
      {"RAM clock", base, [](FixtureImage& f) { f.clocks[1].ram = 51000; }, {"Clock info 1 RAM (MHz)"}},
      {"voltage", base, [](FixtureImage& f) { f.clocks[3].voltage = 1250; }, {"Clock info 3 voltage (V)"}},
      {"state", base, [](FixtureImage& f) { f.states[1].classification = 0x0010; }, {"PowerPlay state 1"}},
      {"state slots",
       base,
       [](FixtureImage& f) {
         f.states[1].clockIndices = {1, 1, 3};
       },
       {"PowerPlay state 1"}},
      {"standard GPU", base, [](FixtureImage& f) { f.odGpu = 78000; }, {"Standard clock GPU (MHz)"}},
      {"standard RAM", base, [](FixtureImage& f) { f.odRam = 113000; }, {"Standard clock RAM (MHz)"}},
      {"GPU limit", base, [](FixtureImage& f) { f.odGpuLimit = 90000; }, {"Upper limit GPU (MHz)"}},
      {"RAM limit", base, [](FixtureImage& f) { f.odRamLimit = 125000; }, {"Upper limit RAM (MHz)"}},
      {"PWM ramp",
       base,
       [](FixtureImage& f) {
         test::Type1Fields fields;
         fields.tslope = 54;
         fields.pwmRamp = 51;
         f.registers = test::registersFor(fields);
       },
       {"PWM ramp (%)", "Fan register 0"}},
      {"stored Tslope",
       base,
       [](FixtureImage& f) { f.registers = test::registersFor({}); },
       {"Fan register 1", "Tslope (%)"}},
      {"look-up threshold",
       base,
       [](FixtureImage& f) { f.type1Thresholds[4] = 81; },
       {std::string("Look-up threshold 4") + kDeg}},
      {"look-up speed", base, [](FixtureImage& f) { f.type1Speeds[6] = 240; }, {"Look-up fan speed 6 (%)"}},
      {"type-2 threshold",
       type2,
       [](FixtureImage& f) { f.type2Thresholds[2] = 61; },
       {std::string("Fan table threshold 2") + kDeg}},
      {"type-2 speed", type2, [](FixtureImage& f) { f.type2Speeds[7] = 120; }, {"Fan table speed 7 (%)"}},
      {"type-2 hysteresis",
       type2,
       [](FixtureImage& f) { f.type2Hysteresis = 5; },
       {std::string("Fan table hysteresis") + kDeg}},
  };
}

class ImageDiff : public ::testing::Test {
 protected:
  std::vector<Difference> diff(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    first = pairs.load("a.rom", a);
    second = pairs.load("b.rom", b);
    EXPECT_TRUE(first->loaded()) << first->failure;
    EXPECT_TRUE(second->loaded()) << second->failure;
    return diffImages(*first->image, *second->image);
  }
  test::ImagePairs pairs;
  std::optional<ImageFile> first, second;
};

TEST_F(ImageDiff, EqualImagesHaveNoDifference) {
  for (const auto& start : {base, type2}) {
    const auto bytes = start().build();
    EXPECT_TRUE(diff(bytes, bytes).empty());
    EXPECT_EQ(differencesText("a", "b", {}), "A: a\nB: b\nThe images are equal.\n");
  }
}

TEST_F(ImageDiff, EachKindOfDifferenceAlone) {
  for (const Change& c : changes()) {
    SCOPED_TRACE(c.name);
    const auto original = c.start().build();
    FixtureImage changed = c.start();
    c.change(changed);
    EXPECT_EQ(whats(diff(original, sameChecksumByte(changed.build(), original))), c.expected);
  }
}

TEST_F(ImageDiff, DifferencesShowBothSidesAsTheTabsDo) {
  FixtureImage changed = base();
  changed.clocks[2].gpu = 51000;
  changed.subVendor = 0x1043;
  const auto original = base().build();
  const auto differences = diff(original, sameChecksumByte(changed.build(), original));
  ASSERT_EQ(differences.size(), 3u);
  EXPECT_EQ(differences[2].what, "Byte sum");
  EXPECT_EQ(differences[0].a,
            "0x1002 - ATI (also used by several other vendors as Jetway, Palit, PowerColor and others)");
  EXPECT_EQ(differences[0].b, "0x1043 - Asus");
  EXPECT_EQ(differences[1].what, "Clock info 2 GPU (MHz)");
  EXPECT_EQ(differences[1].a, "500");
  EXPECT_EQ(differences[1].b, "510");
  EXPECT_EQ(differenceRowsText(differences).substr(0, 14), "What\tIn A\tIn B");
}

TEST_F(ImageDiff, BytesOutsideKnownFieldsAndCorrectionAreas) {
  const auto original = base().build();
  auto changed = original;
  changed[0x3000] = 0x11;
  changed[0x3004] = 0x22;  // joined to the same range
  changed[0x3100] = 0x33;
  const auto differences = diff(original, changed);
  EXPECT_EQ(whats(differences),
            (Whats{"Bytes outside known fields", "Bytes 0x3000-0x3004 (5 bytes)", "Bytes 0x3100 (1 byte)"}));
  EXPECT_EQ(differences[0].what, "Byte sum");
  EXPECT_EQ(differences[1].b, "3 bytes differ in 2 ranges");
  EXPECT_EQ(differences[2].a, "00 00 00 00 00");
  EXPECT_EQ(differences[2].b, "11 00 00 00 22");

  auto corrected = original;
  corrected[0x08] = 0x01;
  corrected[original.size() - 0x2000 + 6] = 0xFE;
  EXPECT_EQ(whats(diff(original, corrected)), (Whats{"Pre-modified", "Checksum correction (header) 0x0008 (1 byte)",
                                                     "Checksum correction (filler) 0xE006 (1 byte)"}));
}

TEST_F(ImageDiff, ImagesOfDifferentLengths) {
  const auto original = base().build();
  auto longer = original;
  longer.resize(131072, 0x00);
  // The zeros after the image are bytes after its PCI images.
  EXPECT_EQ(whats(diff(original, longer)), (Whats{"Bytes after the PCI images", "Length"}));
  for (const Difference& d : diff(original, longer)) {
    if (d.what == "Length") {
      EXPECT_EQ(d.b, "131072 bytes");
    }
  }

  // A larger image of the same card: its filler and second half move, what
  // the tabs show stays.
  FixtureImage large(131072);
  large.cableMessage = base().cableMessage;
  large.registers = base().registers;
  for (const std::string& what : whats(diff(original, large.build())))
    EXPECT_TRUE(what == "Length" || what.rfind("Bytes", 0) == 0 || what.rfind("Checksum correction", 0) == 0 ||
                what == "PCI image 0 length (bytes)")
        << what;
}

TEST_F(ImageDiff, AllKindsTogether) {
  FixtureImage changed = base();
  Whats expected;
  for (const Change& c : changes()) {
    if (c.start().fanType != changed.fanType || std::string(c.name) == "stored Tslope" ||
        std::string(c.name) == "PWM ramp")
      continue;
    c.change(changed);
    expected.insert(c.expected.begin(), c.expected.end());
  }
  const auto original = base().build();
  auto bytes = sameChecksumByte(changed.build(), original);
  bytes[0x3000] = 0x11;
  expected.insert({"Bytes outside known fields", "Bytes 0x3000 (1 byte)"});
  EXPECT_EQ(whats(diff(original, bytes)), expected);
}

TEST_F(ImageDiff, AnImageThatDoesNotLoadSaysWhy) {
  const ImageFile broken = pairs.load("broken.rom", std::vector<std::uint8_t>(65536, 0));
  EXPECT_FALSE(broken.loaded());
  EXPECT_NE(broken.failure.find("Debug information"), std::string::npos) << broken.failure;
  test::TempDir dir;
  const ImageFile missing = loadImageFile(dir.file("missing.rom"));
  EXPECT_EQ(missing.failure, "Unable to open file. Invalid file name specified?\nThere is no such file.");
}

}  // namespace
}  // namespace oza
