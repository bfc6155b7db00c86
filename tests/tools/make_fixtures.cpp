// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the synthetic fixture images to a folder, for trying the program by
// hand and for screenshots; with --fuzz-corpus, the seed corpora of the fuzz
// targets (load/, save/, profile/).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "support/fixture_image.h"
#include "support/fixture_kinds.h"
#include "support/profile_fixture.h"

using oza::test::FixtureImage;

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string asText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

int writeCorpus(const std::string& folder) {
  namespace fs = std::filesystem;
  for (const char* target : {"load", "save", "profile"}) fs::create_directories(folder + "/" + target);
  const auto images = oza::test::fixtureKinds();
  for (const char* name :
       {"type1_rev4.rom", "type2.rom", "signature1.rom", "signature3.rom", "rv770_no_table.rom", "r680.rom"})
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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--fuzz-corpus") return writeCorpus(args[1]);
  if (args.size() != 1) {
    std::cerr << "usage: make_fixtures FOLDER | make_fixtures --fuzz-corpus FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(args[0]);
  for (const auto& [name, image] : oza::test::fixtureKinds()) image.save(args[0] + "/" + name);
  return 0;
}
