// SPDX-License-Identifier: GPL-3.0-or-later

// oza-cli tables, and the memory module keys, on a real image and on
// fixtures whose tables are inconsistent.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "support/fixture_kinds.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using Json = nlohmann::json;
using test::has;
using test::runCli;

TEST(CliTables, ListsBothMastersOfARealImage) {
  const std::string path = test::realRomPath("hd4850-rv770-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  const auto json = runCli("tables " + path);
  ASSERT_EQ(json.exitCode, 0);
  const Json tables = Json::parse(json.out);
  EXPECT_EQ(tables["data"].size(), 34u);
  EXPECT_EQ(tables["command"].size(), 80u);
  EXPECT_EQ(tables["findings"], Json::array());
  EXPECT_EQ(tables["data"][28], Json::parse(R"({"index":28,"name":"VRAM_Info","offset":45898,"size":1093,
      "format_revision":1,"content_revision":4,"absent":false})"));
  EXPECT_EQ(tables["data"][0]["absent"], true);
  EXPECT_EQ(tables["command"][0]["parameter_bytes"], 8);
  EXPECT_EQ(tables["command"][0]["updated_by_utility"], false);

  const auto text = runCli("tables " + path + " --format text");
  EXPECT_TRUE(has(text.out, "\n28\tVRAM_Info\t0xB34A\t1093\t1.4\n")) << text.out;
  EXPECT_TRUE(has(text.out, "\n0\tUtilityPipeLine\tabsent\n"));
  EXPECT_TRUE(has(text.out, "Findings: none\n"));

  const Json values = Json::parse(runCli("get " + path + " memory.module").out)["values"];
  EXPECT_EQ(values["memory.module.count"], 2);
  EXPECT_EQ(values["memory.module.0.vendor"], "Hynix");
  EXPECT_EQ(values["memory.module.0.type"], "GDDR3");
  EXPECT_EQ(values["memory.module.0.size_mb"], 512);
  EXPECT_EQ(values["memory.module.0.strap_count"], 10);
  EXPECT_EQ(values["memory.module.0.strap.0.up_to_mhz"], 150);
  EXPECT_EQ(values["memory.module.0.strap.9.up_to_mhz"], 1200);
  EXPECT_EQ(values["memory.module.1.vendor"], "Samsung");
  EXPECT_EQ(values["memory.module.1.strap_count"], 5);
  EXPECT_FALSE(values.contains("memory.module.1.strap.5.up_to_mhz"));
  EXPECT_FALSE(values.contains("memory.module.2.vendor"));
}

TEST(CliTables, FindingsOfALayoutThatIsWrongAndFilesThatAreNoImage) {
  test::TempDir dir;
  std::vector<std::uint8_t> bytes = test::fixtureKinds().at("vram_info_rev4.rom").build();
  test::putWord(bytes, test::FixtureImage::kMasterData, 63);  // half an entry more
  test::writeBytes(dir.file("odd.rom"), bytes);
  const Json odd = Json::parse(runCli("tables " + dir.file("odd.rom")).out);
  ASSERT_EQ(odd["findings"].size(), 1u);
  EXPECT_EQ(odd["findings"][0]["rule"], "tables_within_image");
  EXPECT_EQ(odd["findings"][0]["detail"], "Master data table is 63 bytes long, which holds no whole number of entries");

  // Bytes that hold no image still list what little they say, and a file
  // that cannot be read is a failure.
  test::writeBytes(dir.file("zero.rom"), std::vector<std::uint8_t>(0x100, 0));
  EXPECT_EQ(runCli("tables " + dir.file("zero.rom")).exitCode, 0);
  EXPECT_EQ(runCli("tables " + dir.file("missing.rom")).exitCode, 1);
  EXPECT_EQ(runCli("tables").exitCode, 2);
}

TEST(CliTables, DiffRowsOfBytesNameTheirTableOrNone) {
  test::TempDir dir;
  std::vector<std::uint8_t> bytes = test::fixtureKinds().at("vram_info_rev4.rom").build();
  test::writeBytes(dir.file("a.rom"), bytes);
  bytes[test::FixtureImage::kVramInfo + 40] ^= 0x01;
  bytes[0x5000] ^= 0x01;
  test::writeBytes(dir.file("b.rom"), bytes);
  const auto diff = runCli("diff " + dir.file("a.rom") + " " + dir.file("b.rom") + " --format json");
  EXPECT_EQ(diff.exitCode, 1);
  const Json rows = Json::parse(diff.out)["differences"];
  std::vector<Json> tables;
  for (const Json& row : rows)
    if (row.contains("table")) tables.push_back(row["table"]);
  EXPECT_EQ(tables, (std::vector<Json>{Json("VRAM_Info"), Json()}));
  EXPECT_TRUE(
      has(runCli("diff " + dir.file("a.rom") + " " + dir.file("b.rom")).out, "Bytes 0x3028 (1 byte) in VRAM_Info\t"));
}

TEST(CliTables, MemoryModuleKeysOfEachRevision) {
  test::TempDir dir;
  for (const char* kind : {"vram_info_rev3.rom", "vram_info_rev4.rom"}) {
    SCOPED_TRACE(kind);
    test::fixtureKinds().at(kind).save(dir.file(kind));
    const Json values = Json::parse(runCli("get " + dir.file(kind) + " memory.module").out)["values"];
    const bool rev4 = std::string(kind) == "vram_info_rev4.rom";
    EXPECT_EQ(values["memory.module.count"], rev4 ? 3 : 2);
    EXPECT_EQ(values["memory.module.0.vendor"], rev4 ? "Hynix" : "Elpida");
    EXPECT_EQ(values["memory.module.0.size_mb"], rev4 ? Json(512) : Json());
    EXPECT_EQ(values["memory.module.1.strap.1.up_to_mhz"], rev4 ? 1300 : 1200);
  }
}

}  // namespace
}  // namespace oza
