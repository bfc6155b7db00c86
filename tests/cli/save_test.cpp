// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::has;
using test::runCli;

class CliSave : public ::testing::Test {
 protected:
  CliSave() {
    test::FixtureImage fixture;
    test::Type1Fields fields;
    fields.tslope = 54;  // what the fan page computes: an unedited save keeps the bytes
    fixture.registers = test::registersFor(fields);
    original = fixture.build();
    test::writeBytes(dir.file("in.rom"), original);
  }
  // Saves with `edits` and returns the positions that changed outside the
  // two areas the checksum correction uses.
  std::vector<std::int64_t> changed(const std::string& edits) {
    const auto run = runCli("save " + dir.file("in.rom") + " --out " + dir.file("out.rom") + " " + edits);
    EXPECT_EQ(run.exitCode, 0) << run.out.substr(0, 300);
    saved = test::readBytes(dir.file("out.rom"));
    EXPECT_EQ(saved.size(), original.size());
    EXPECT_EQ(test::sumOf(saved), test::sumOf(original));
    std::vector<std::int64_t> positions;
    for (std::size_t i = 0; i < saved.size() && i < original.size(); ++i)
      if (saved[i] != original[i] && i < original.size() - 0x2000 && (i < 0x07 || i > 0x16))
        positions.push_back(static_cast<std::int64_t>(i));
    return positions;
  }
  test::TempDir dir;
  std::vector<std::uint8_t> original;
  std::vector<std::uint8_t> saved;
};

TEST_F(CliSave, AClockEdit) {
  const std::int64_t record3 = test::FixtureImage().clockPosition() + 3 * 16;
  EXPECT_EQ(changed("--set 'GPU(3)=800'"), (std::vector<std::int64_t>{record3, record3 + 1}));  // 01 2E BC -> 01 38 80
  EXPECT_EQ(saved[static_cast<std::size_t>(record3)] | saved[static_cast<std::size_t>(record3) + 1] << 8 |
                saved[static_cast<std::size_t>(record3) + 2] << 16,
            80000);
}

TEST_F(CliSave, AFanEdit) {
  // Tmax 100 changes bits 24..17 of register 2 and, through Tslope, register 1.
  const std::int64_t reg1 = test::FixtureImage::kFanTable + 16;
  const std::int64_t reg2 = test::FixtureImage::kFanTable + 24;
  EXPECT_EQ(changed("--set Text6=100"), (std::vector<std::int64_t>{reg1 + 2, reg2 + 2}));
  EXPECT_EQ(saved[static_cast<std::size_t>(reg2 + 2)] >> 1, 100 & 0x7F);
}

TEST_F(CliSave, AStringEditAndAnIdChoice) {
  const auto positions = changed("--set 'InfoText(4)=(C) 2008 ATI' --select 'Combo1=0x1043 - Asus'");
  EXPECT_EQ(saved[0x7C], 0x43);
  EXPECT_EQ(saved[0x7D], 0x10);
  const std::string copyright = "(C) 2008 ATI" + std::string(test::FixtureImage().copyright.size() - 12, ' ');
  std::size_t at = 0;
  while (original[at] != '(' || original[at + 1] != 'C') ++at;
  EXPECT_EQ(std::string(saved.begin() + static_cast<std::ptrdiff_t>(at),
                        saved.begin() + static_cast<std::ptrdiff_t>(at + copyright.size())),
            copyright);
}

TEST_F(CliSave, RefusalsAndUsage) {
  // A text no save can write as typed is a usage error, naming the box and
  // what it takes.
  auto run = runCli("save " + dir.file("in.rom") + " --out " + dir.file("out.rom") + " --set 'GPU(0)=1.2.3'", true);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(has(run.out,
                  "'GPU(0)' (Clock info 0, GPU (MHz)) holds '1.2.3', which is no number; it takes a number "
                  "from 0 to 167772.15 with at most 2 decimals"))
      << run.out;

  test::writeText(dir.file("exists.rom"), "x");
  run = runCli("save " + dir.file("in.rom") + " --out " + dir.file("exists.rom"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(has(run.out, "File exists. Overwrite?"));
  EXPECT_EQ(test::readText(dir.file("exists.rom")), "x");
  run = runCli("save " + dir.file("in.rom") + " --out " + dir.file("exists.rom") + " --force");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(test::readBytes(dir.file("exists.rom")), original);

  EXPECT_EQ(runCli("save " + dir.file("in.rom")).exitCode, 2);
  EXPECT_EQ(runCli("save " + dir.file("in.rom") + " --out x --set 'Nope=1'").exitCode, 2);
  EXPECT_EQ(runCli("save " + dir.file("in.rom") + " --out x --set 'GPU(19)=1'").exitCode, 2);  // disabled
  EXPECT_EQ(runCli("save " + dir.file("in.rom") + " --out x --select 'Combo2=HD 9999'").exitCode, 2);
  EXPECT_EQ(runCli("dump " + dir.file("in.rom") + " --set 'GPU(0)=1'").exitCode, 2);
}

TEST_F(CliSave, ChecksAndOptionsAreClicks) {
  const auto run =
      runCli("save " + dir.file("in.rom") + " --out " + dir.file("out.rom") + " --check Option5=1 --select 'Combo2=3'");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(has(run.out, "\"Type1Hysteresis\":{\"text\":\"0\""));
  EXPECT_TRUE(has(run.out, "\"Combo2\":{\"text\":\"HD 2400 Pro AGP\""));
}

}  // namespace
}  // namespace oza
