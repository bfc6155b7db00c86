// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fixture_kinds.h"

#include "support/atom_table_fixture.h"

namespace oza::test {

std::map<std::string, FixtureImage> fixtureKinds() {
  std::map<std::string, FixtureImage> all;
  auto save = [&](const FixtureImage& image, const char* name) { all.emplace(name, image); };

  FixtureImage type1;
  type1.cableMessage = "PLEASE CONNECT THE POWER CABLE TO THE VIDEO CARD";
  save(type1, "type1_rev4.rom");

  FixtureImage type2;
  type2.fanType = 2;
  type2.chipType = "RV670";
  type2.hardwareSpecs = "ATI Radeon HD 3850 256MB 256bit GDDR3";
  type2.cardId = 0x9505;
  save(type2, "type2.rom");

  for (int signature = 1; signature <= 4; ++signature) {
    FixtureImage image;
    image.revision4 = false;
    image.signature = signature;
    save(image, ("signature" + std::to_string(signature) + ".rom").c_str());
  }

  FixtureImage rv770(131072);
  rv770.fanType = 0;
  rv770.rv770Registers = true;
  rv770.cardId = 0x9440;
  rv770.chipType = "RV770";
  rv770.ramType = "GDDR5";
  rv770.hardwareSpecs = "ATI Radeon HD 4870 512MB 256bit GDDR5";
  save(rv770, "rv770_no_table.rom");

  FixtureImage r680;
  r680.chipType = "R680";
  r680.hardwareSpecs = "ATI Radeon HD 3870 X2 512MB 256bit GDDR3";
  r680.cardId = 0x950F;
  r680.secondFanSection = true;
  save(r680, "r680.rom");

  FixtureImage revision5;
  revision5.tableRevision = 5;
  save(revision5, "type1_rev5.rom");

  // Stored values that whole percents cannot hold, and a speed above the
  // duty scale, as on real cards.
  FixtureImage odd;
  Type1Fields fields;
  fields.dutyScale = 128;
  fields.dutyMin = 45;
  fields.spinUpCycle = 77;
  fields.pwmRamp = 3;
  odd.registers = registersFor(fields);
  odd.type1Speeds = {40, 60, 80, 94, 100, 110, 121, 135};
  save(odd, "type1_odd_percents.rom");

  FixtureImage oddType2;
  oddType2.fanType = 2;
  oddType2.type2ScaleByte = 0x64;  // scale 200
  oddType2.type2Speeds = {30, 61, 99, 133, 150, 177, 199, 215};
  save(oddType2, "type2_odd_percents.rom");

  FixtureImage gddr5;
  gddr5.ramType = "GDDR5";
  save(gddr5, "gddr5_64k.rom");

  // Memory modules: two GDDR3 modules of an R6xx card, three GDDR5 modules of
  // an RV770 card, one of them with the longer timing entries.
  FixtureImage vram3;
  vram3.vramInfo =
      vramInfoTable(3, {{0x03, 0x30, 0, 24, {40000, 80000, 100000}}, {0x01, 0x30, 0, 24, {50000, 120000}}});
  save(vram3, "vram_info_rev3.rom");
  FixtureImage vram4 = rv770;
  vram4.vramInfo = vramInfoTable(4, {{0x06, 0x50, 32, 24, {15000, 50000, 90000, 120000}},
                                     {0x01, 0x50, 32, 36, {71400, 130000}},
                                     {0x05, 0x50, 64, 24, {100000}}});
  save(vram4, "vram_info_rev4.rom");
  return all;
}

}  // namespace oza::test
