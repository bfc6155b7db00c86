// SPDX-License-Identifier: GPL-3.0-or-later

// The real card images against themselves and against a saved edit of
// themselves.
#include <gtest/gtest.h>

#include <set>

#include "platform/scripted_platform.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "verify/image_check.h"
#include "verify/image_diff.h"

namespace oza {
namespace {

struct RealImage {
  const char* file;
  // Edits as the user types them, and the differences they must make.
  std::vector<std::pair<std::string, std::string>> edits;
  std::set<std::string> changes;
};

void PrintTo(const RealImage& image, std::ostream* out) { *out << image.file; }

class RealImages : public ::testing::TestWithParam<RealImage> {
 protected:
  void SetUp() override {
    path = test::realRomPath(GetParam().file);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    image = loadImageFile(path);
    if (!image.loaded()) GTEST_SKIP() << "NOTE: " << GetParam().file << " does not load yet: " << image.failure;
  }
  std::string path;
  ImageFile image;
};

TEST_P(RealImages, AgainstItselfNoDifferenceAndNoError) {
  const ImageFile again = loadImageFile(path);
  EXPECT_TRUE(diffImages(*image.image, *again.image).empty());
  const CheckReport report = checkImage(image, &again);
  EXPECT_EQ(report.count(CheckOutcome::Error), 0) << checkText(report);
  EXPECT_EQ(report.count(CheckOutcome::Warning), 0) << checkText(report);
}

TEST_P(RealImages, AgainstASavedEditExactlyTheEditedFieldsAndTheCorrection) {
  test::TempDir dir;
  ScriptedPlatform platform;
  Session session(platform);
  session.start();
  ASSERT_TRUE(loadBiosFile(session, path));
  for (const auto& [name, text] : GetParam().edits) session.findControl(name)->setText(text);
  platform.queueSavePath(dir.file("edit.rom"));
  ASSERT_TRUE(saveBiosFile(session));
  const ImageFile& original = image;
  const ImageFile edited = loadImageFile(dir.file("edit.rom"));
  ASSERT_TRUE(edited.loaded()) << edited.failure;

  std::set<std::string> edits, correction;
  for (const Difference& d : diffImages(*original.image, *edited.image)) {
    if (d.what.rfind("Checksum correction", 0) == 0 || d.what == "Pre-modified")
      correction.insert(d.what);
    else
      edits.insert(d.what);
  }
  EXPECT_EQ(edits, GetParam().changes);
  EXPECT_FALSE(correction.empty());
  const CheckReport report = checkImage(edited, &original);
  EXPECT_EQ(report.count(CheckOutcome::Error), 0) << checkText(report);
  // The only warnings: the sub vendor edit, which a flasher may not take,
  // and the edit of clock info 0, which the boot state uses but runs at
  // FirmwareInfo's values instead.
  std::set<std::string> warned;
  for (const CheckItem& item : report.items)
    if (item.outcome == CheckOutcome::Warning) warned.insert(item.name);
  EXPECT_EQ(warned, (std::set<std::string>{"IDs as the original", "Boot state from the firmware"}))
      << checkText(report);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, RealImages,
    ::testing::Values(RealImage{"hd4850-rv770-imac.rom",
                                {{"GPU(0)", "450"}, {"InfoText(1)", "113-B9090"}, {"Combo1", "0x1043 - Asus"}},
                                {"Clock info 0 GPU (MHz)", "BIOS version", "Sub vendor ID"}},
                      RealImage{"hd4670-rv730-imac.rom",
                                {{"GPU(0)", "600"}, {"RAM(1)", "700"}, {"Combo1", "0x1043 - Asus"}},
                                {"Clock info 0 GPU (MHz)", "Clock info 1 RAM (MHz)", "Sub vendor ID"}}),
    [](const auto& info) { return std::string(info.param.file).substr(0, 6); });

}  // namespace
}  // namespace oza
