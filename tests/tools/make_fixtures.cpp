// Writes the synthetic fixture images to a folder, for trying the program by
// hand and for screenshots; with --fuzz-corpus, the seed corpora of the fuzz
// targets (load/, save/, profile/).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "support/fixture_image.h"
#include "support/profile_fixture.h"

using oza::test::FixtureImage;

namespace {

std::map<std::string, FixtureImage> fixtures();

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string asText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

int writeCorpus(const std::string& folder) {
  namespace fs = std::filesystem;
  for (const char* target : {"load", "save", "profile"}) fs::create_directories(folder + "/" + target);
  const auto images = fixtures();
  for (const char* name : {"type1_rev4.rom", "type2.rom", "signature1.rom", "signature3.rom", "rv770_no_table.rom",
                           "r680.rom"})
    images.at(name).save(folder + "/load/" + name);
  // The save target reads 48 bytes of edits before the image.
  const std::string noEdits(48, '\0');
  std::string someEdits;
  for (int i = 0; i < 48; ++i) someEdits += static_cast<char>(i * 53 + 7);
  for (const char* name : {"type1_rev4.rom", "type2.rom", "rv770_no_table.rom"}) {
    const std::string image = asText(images.at(name).build());
    writeFile(folder + "/save/plain_" + std::string(name), noEdits + image);
    writeFile(folder + "/save/edited_" + std::string(name), someEdits + image);
  }
  // The profile target reads one byte of edits before the text.
  writeFile(folder + "/profile/realistic.xml", std::string(1, '\0') + oza::test::realisticProfile());
  writeFile(folder + "/profile/edited.xml", std::string(1, '\x05') + oza::test::realisticProfile());
  return 0;
}

std::map<std::string, FixtureImage> fixtures() {
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

  FixtureImage gddr5;
  gddr5.ramType = "GDDR5";
  save(gddr5, "gddr5_64k.rom");
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--fuzz-corpus") return writeCorpus(args[1]);
  if (args.size() != 1) {
    std::cerr << "usage: make_fixtures FOLDER | make_fixtures --fuzz-corpus FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(args[0]);
  for (const auto& [name, image] : fixtures()) image.save(args[0] + "/" + name);
  return 0;
}
