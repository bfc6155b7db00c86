// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/man_page.h"

#include <cctype>

#include "cli/command_table.h"
#include "keys/value_keys.h"

namespace oza {

namespace {

// Text safe in roff: a backslash and a minus escaped, a line not starting
// with a control character.
std::string roff(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\\')
      escaped += "\\e";
    else if (c == '-')
      escaped += "\\-";
    else
      escaped += c;
  }
  if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\'')) escaped.insert(0, "\\&");
  return escaped;
}

// A synopsis with the place holders (IMAGE, FILE, ...) in italics.
std::string synopsisLines(const CommandEntry& entry) {
  const std::string line = synopsis(entry);
  const std::string head = "oza-cli " + entry.name;
  std::string body;
  for (std::size_t i = head.size(); i < line.size();) {
    if (std::isupper(static_cast<unsigned char>(line[i]))) {
      std::size_t end = i;
      while (end < line.size() && (std::isupper(static_cast<unsigned char>(line[end])) || line[end] == '_' ||
                                   line[end] == '.' || std::islower(static_cast<unsigned char>(line[end]))))
        ++end;
      body += "\\fI" + roff(line.substr(i, end - i)) + "\\fP";
      i = end;
    } else {
      body += roff(std::string(1, line[i]));
      ++i;
    }
  }
  return ".B " + roff(head) + "\n" + (body.empty() ? "" : body.substr(1) + "\n") + ".br\n";
}

std::string keysText() {
  std::string text;
  for (const ValueKey& entry : valueKeys()) {
    text += ".TP\n.B " + roff(entry.pattern) + "\n" + roff(keyTerms(entry)) + ".\n" + roff(entry.meaning) + ".\n";
    if (!entry.control.empty()) text += "Control: \\fB\\%" + roff(entry.control) + "\\fP.\n";
  }
  return text;
}

}  // namespace

std::string manPage(const std::string& source) {
  std::string page;
  std::size_t start = 0;
  while (start < source.size()) {
    std::size_t end = source.find('\n', start);
    if (end == std::string::npos) end = source.size();
    const std::string line = source.substr(start, end - start);
    if (line == "@SYNOPSIS@") {
      // Broken at blanks only, without stretching them.
      page += ".nh\n.ad l\n";
      for (const CommandEntry& entry : commandTable()) page += synopsisLines(entry);
      page += ".B oza\\-cli\n.BR \\-\\-help \" | \" \\-\\-version\n.ad\n.hy\n";
    } else if (line == "@KEYS@") {
      page += keysText();
    } else {
      page += line + "\n";
    }
    start = end + 1;
  }
  return page;
}

}  // namespace oza
