// Writes the synthetic fixture images to a folder: for trying the program by
// hand, for screenshots and as the seed corpus of the fuzz targets.
#include <filesystem>
#include <iostream>

#include "support/fixture_image.h"

using oza::test::FixtureImage;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fixtures FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  std::filesystem::create_directories(folder);
  auto save = [&](const FixtureImage& image, const char* name) { image.save(folder + "/" + name); };

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

  FixtureImage gddr5;
  gddr5.ramType = "GDDR5";
  save(gddr5, "gddr5_64k.rom");
  return 0;
}
