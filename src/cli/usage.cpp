#include "cli/usage.h"

#include <array>

namespace oza {

namespace {

struct CommandText {
  const char* name;
  const char* synopsis;
  const char* description;
};

constexpr std::array<CommandText, 7> kCommands{{
    {"dump", "oza-cli dump IMAGE [--answer yes|no]\n",
     "Loads IMAGE exactly as the window does and prints its messages and controls as one JSON\n"
     "object. --answer answers the questions of the load (default no).\n"},
    {"save",
     "oza-cli save IMAGE --out FILE [--set NAME=TEXT]... [--check NAME=0|1]\n"
     "                    [--select NAME=INDEX|TEXT] [--answer yes|no] [--force]\n",
     "Loads IMAGE, applies each edit in order as a user would make it, saves to FILE and prints\n"
     "the JSON after the save. --force answers the overwrite question with yes.\n"},
    {"profile-dump", "oza-cli profile-dump FILE\n",
     "Loads a Profiles.xml as the profile editor does and prints its controls.\n"},
    {"profile-save",
     "oza-cli profile-save FILE --out OUT [--set NAME=TEXT]... [--select NAME=INDEX|TEXT] [--force]\n",
     "Applies the edits to a Profiles.xml and writes OUT; only the recorded values change.\n"},
    {"cards", "oza-cli cards\n",
     "Lists the installed display devices of vendor 0x1002: PCI address, vendor and device ID,\n"
     "card name and whether this user may read their BIOS.\n"},
    {"read-card", "oza-cli read-card ADDR --out FILE [--force]\n",
     "Reads the BIOS of the card at PCI address ADDR (needs root), writes it to FILE and prints\n"
     "the JSON of loading FILE. --force answers the overwrite question with yes.\n"},
    {"help", "oza-cli help [COMMAND]\n", "Shows this text, or what COMMAND does.\n"},
}};

}  // namespace

std::string usageText() {
  std::string text = "usage: ";
  bool first = true;
  for (const CommandText& command : kCommands) {
    text += (first ? "" : "       ") + std::string(command.synopsis);
    first = false;
  }
  return text + "       oza-cli --help | --version\n";
}

std::string commandHelp(const std::string& name) {
  for (const CommandText& command : kCommands)
    if (name == command.name) return std::string("usage: ") + command.synopsis + "\n" + command.description;
  return {};
}

}  // namespace oza
