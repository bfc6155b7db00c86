// SPDX-License-Identifier: GPL-3.0-or-later

// Build step: writes oza-cli(1) from its source, with the commands and keys
// of the program itself.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/man_page.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: oza-man-page SOURCE PAGE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << oza::manPage(source.str());
  out.close();
  if (!in || !out) {
    std::cerr << "oza-man-page: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
