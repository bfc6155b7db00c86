// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::has;
using test::runCli;

class CliVerify : public ::testing::Test {
 protected:
  CliVerify() {
    test::FixtureImage fixture;
    test::Type1Fields fields;
    fields.tslope = 54;  // as Tmin, Tmax and Duty cycle min give it
    fixture.registers = test::registersFor(fields);
    fixture.save(dir.file("a.rom"));
    fixture.clocks[3].gpu = 90000;  // above the Overdrive limit
    fixture.save(dir.file("b.rom"));
    test::writeBytes(dir.file("broken.rom"), std::vector<std::uint8_t>(65536, 0));
  }
  std::string file(const char* name) { return dir.file(name); }
  test::TempDir dir;
};

TEST_F(CliVerify, CheckExitsOneOnErrorsAndOnWarningsOnlyWhenStrict) {
  const auto sound = runCli("check " + file("a.rom"));
  EXPECT_EQ(sound.exitCode, 0);
  EXPECT_TRUE(has(sound.out, "ok       Declared image checksum: sums to 0 modulo 256\n")) << sound.out;
  EXPECT_TRUE(has(sound.out, "0 errors, 0 warnings\n"));

  EXPECT_EQ(runCli("check " + file("b.rom")).exitCode, 0);
  EXPECT_EQ(runCli("check " + file("b.rom") + " --strict").exitCode, 1);
  const auto paired = runCli("check " + file("b.rom") + " --against " + file("a.rom") + " --format json");
  EXPECT_EQ(paired.exitCode, 0);
  // The fixture's checksum byte evens out the clock's bytes.
  EXPECT_TRUE(has(paired.out,
                  "{\"name\":\"Bytes outside known fields as the original\",\"outcome\":\"warning\","
                  "\"detail\":\"1 byte differs at 0x0021 (1 byte)\",\"key\":\"bytes_outside_known_fields\","
                  "\"values\":{\"bytes.differing\":1}}"))
      << paired.out;
  EXPECT_TRUE(has(paired.out, "\"key\":\"clocks_within_overdrive_limits\",\"values\":{\"clock_info.3.gpu_mhz\":900,"))
      << paired.out;
  EXPECT_TRUE(has(paired.out, "\"errors\":0,\"warnings\":2}")) << paired.out;
  EXPECT_EQ(runCli("check " + file("b.rom") + " --against " + file("a.rom") + " --strict").exitCode, 1);

  const auto broken = runCli("check " + file("broken.rom") + " --format json");
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_TRUE(has(broken.out, "{\"name\":\"Loads\",\"outcome\":\"error\",\"detail\":\"Unable to attain BIOS"));
}

TEST_F(CliVerify, DiffExitsZeroForEqualOneForDifferentTwoForAnImageThatDoesNotLoad) {
  const auto equal = runCli("diff " + file("a.rom") + " " + file("a.rom") + " --format json");
  EXPECT_EQ(equal.exitCode, 0);
  EXPECT_TRUE(has(equal.out, "\"equal\":true,\"differences\":[]")) << equal.out;

  const auto differ = runCli("diff " + file("a.rom") + " " + file("b.rom"));
  EXPECT_EQ(differ.exitCode, 1);
  EXPECT_TRUE(has(differ.out, "Clock info 3 GPU (MHz)\t775\t900\n")) << differ.out;
  const auto json = runCli("diff " + file("a.rom") + " " + file("b.rom") + " --format json");
  EXPECT_TRUE(has(json.out,
                  "{\"what\":\"Clock info 3 GPU (MHz)\",\"a\":\"775\",\"b\":\"900\",\"key\":\"clock_info.3.gpu_mhz\","
                  "\"valueA\":775,\"valueB\":900}"))
      << json.out;

  const auto broken = runCli({"diff", file("a.rom"), file("broken.rom")}, true);
  EXPECT_EQ(broken.exitCode, 2);
  EXPECT_TRUE(has(broken.out, "broken.rom does not load: Unable to attain BIOS information.")) << broken.out;
}

TEST_F(CliVerify, UsageErrors) {
  for (const std::string& args : std::vector<std::string>{
           "diff " + file("a.rom"), "check", "check " + file("a.rom") + " --format xml",
           "diff " + file("a.rom") + " " + file("a.rom") + " --strict", "check " + file("a.rom") + " " + file("b.rom"),
           "check " + file("a.rom") + " --against"})
    EXPECT_EQ(runCli(args).exitCode, 2) << args;
}

}  // namespace
}  // namespace oza
