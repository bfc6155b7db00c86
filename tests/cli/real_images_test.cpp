// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using test::has;
using test::runCli;

TEST(CliRealImages, DumpShowsTheClocksAndAnUneditedSaveGivesTheFileBack) {
  const struct {
    const char* file;
    const char* states;
    const char* gpu0;
    const char* ram0;
    const char* voltage0;
  } cards[] = {{"hd4670-rv730-imac.rom", "5", "680", "790", "1.2"},
               {"hd4850-rv770-imac.rom", "16", "503.12", "850", "1.05"}};
  test::TempDir dir;
  for (const auto& card : cards) {
    SCOPED_TRACE(card.file);
    const std::string path = test::realRomPath(card.file);
    OZA_SKIP_WITHOUT_REAL_ROM(path);
    const auto dump = runCli("dump '" + path + "'");
    EXPECT_EQ(dump.exitCode, 0) << dump.out.substr(0, 400);
    EXPECT_TRUE(has(dump.out, std::string("\"States\":{\"text\":\"") + card.states + "\""));
    EXPECT_TRUE(has(dump.out, std::string("\"GPU(0)\":{\"text\":\"") + card.gpu0 + "\""));
    EXPECT_TRUE(has(dump.out, std::string("\"RAM(0)\":{\"text\":\"") + card.ram0 + "\""));
    EXPECT_TRUE(has(dump.out, std::string("\"Voltage(0)\":{\"text\":\"") + card.voltage0 + "\""));

    const std::string out = dir.file(card.file);
    const auto save = runCli("save '" + path + "' --out '" + out + "'");
    EXPECT_EQ(save.exitCode, 0) << save.out.substr(0, 400);
    EXPECT_EQ(test::readBytes(out), test::readBytes(path));
  }
}

}  // namespace
}  // namespace oza
