// SPDX-License-Identifier: GPL-3.0-or-later

// The manual page and the README against the command and key tables.
#include "cli/man_page.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "cli/command_table.h"
#include "keys/value_keys.h"

namespace oza {
namespace {

std::string sourceFile(const std::string& name) {
  std::ifstream in(std::string(OZA_SOURCE_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string roffName(std::string name) {
  for (std::size_t at = 0; (at = name.find('-', at)) != std::string::npos; at += 2) name.insert(at, "\\");
  return name;
}

// The ".TP / .B name" entries of a section of the page.
std::set<std::string> entriesOf(const std::string& page, const std::string& section, const std::string& next) {
  const std::size_t start = page.find(".SH " + section + "\n");
  const std::size_t end = page.find(".SH " + next + "\n");
  std::set<std::string> entries;
  std::istringstream lines(page.substr(start, end - start));
  std::string line, previous;
  while (std::getline(lines, line)) {
    if (previous == ".TP" && line.starts_with(".B ")) entries.insert(line.substr(3));
    previous = line;
  }
  return entries;
}

TEST(ManPage, DescribesEveryCommandAndEveryKeyOfTheTables) {
  const std::string source = sourceFile("data/man/oza-cli.1.in");
  ASSERT_FALSE(source.empty());
  const std::string page = manPage(source);
  std::set<std::string> commands;
  for (const CommandEntry& entry : commandTable()) {
    commands.insert(roffName(entry.name));
    EXPECT_NE(page.find(".B " + roffName("oza-cli " + entry.name) + "\n"), std::string::npos) << entry.name;
  }
  EXPECT_EQ(entriesOf(page, "COMMANDS", "KEYS"), commands);

  std::set<std::string> keys;
  for (const ValueKey& entry : valueKeys()) {
    keys.insert(entry.pattern);
    EXPECT_NE(page.find(roffName(entry.meaning)), std::string::npos) << entry.pattern;
  }
  EXPECT_EQ(entriesOf(page, "KEYS", "EXIT STATUS"), keys);
  EXPECT_EQ(page.find('@'), std::string::npos);
}

TEST(ManPage, TheReadmeListsEveryCommandAsTheUsageDoes) {
  const std::string readme = sourceFile("README.md");
  for (const CommandEntry& entry : commandTable())
    EXPECT_NE(readme.find("\n    " + synopsis(entry) + "\n"), std::string::npos) << synopsis(entry);
}

}  // namespace
}  // namespace oza
