// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace oza::test {

// A profile file as the control centre writes it: CR LF line ends, a name
// line per setting followed by its value line, cards 0 and 1 with every
// setting, card 2 with its clock and voltage targets only, and lines of
// other settings (one with a value=, one with a Latin-1 byte) around them.
// Every value is already in the form the editor shows, so a save without
// edits gives the same bytes.
inline std::string realisticProfile() {
  const std::vector<std::string> lines = {
      "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>",
      "<!-- Profiles of Ren\xE9's workstation -->",
      "<Profiles version=\"1.0\">",
      "  <Profile name=\"Gaming\" hotkey=\"Ctrl+Alt+G\">",
      "    <Feature name=\"OverdriveEnabled_0\">",
      "      <Property name=\"Want_0\" value=\"1\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedAlgorithm_0\">",
      "      <Property name=\"Want_0\" value=\"Manual\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedProtocol_0\">",
      "      <Property name=\"Want_0\" value=\"Percent\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedPercentTarget_0\">",
      "      <Property name=\"Want_0\" value=\"45\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedRPMTarget_0\">",
      "      <Property name=\"Want_0\" value=\"2200\" />",
      "    </Feature>",
      "    <Feature name=\"CoreClockTarget_0\">",
      "      <Property name=\"Want_0\" value=\"775000000\" />",
      "    </Feature>",
      "    <Feature name=\"MemoryClockTarget_0\">",
      "      <Property name=\"Want_0\" value=\"1125000000\" />",
      "    </Feature>",
      "    <Feature name=\"CoreVoltageTarget_0\">",
      "      <Property name=\"Want_0\" value=\"1.25\" />",
      "    </Feature>",
      "    <Feature name=\"MemoryVoltageTarget_0\">",
      "      <Property name=\"Want_0\" value=\"2050\" />",
      "    </Feature>",
      "    <Feature name=\"AspectRatio_1\">",
      "      <Property name=\"Want_1\" value=\"Keep\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedAlgorithm_1\">",
      "      <Property name=\"Want_1\" value=\"Automatic\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedProtocol_1\">",
      "      <Property name=\"Want_1\" value=\"Percent\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedPercentTarget_1\">",
      "      <Property name=\"Want_1\" value=\"30\" />",
      "    </Feature>",
      "    <Feature name=\"FanSpeedRPMTarget_1\">",
      "      <Property name=\"Want_1\" value=\"1500\" />",
      "    </Feature>",
      "    <Feature name=\"CoreClockTarget_1\">",
      "      <Property name=\"Want_1\" value=\"743000000\" />",
      "    </Feature>",
      "    <Feature name=\"MemoryClockTarget_1\">",
      "      <Property name=\"Want_1\" value=\"1000000000\" />",
      "    </Feature>",
      "    <Feature name=\"CoreVoltageTarget_1\">",
      "      <Property name=\"Want_1\" value=\"1200\" />",
      "    </Feature>",
      "    <Feature name=\"MemoryVoltageTarget_1\">",
      "      <Property name=\"Want_1\" value=\"2000\" />",
      "    </Feature>",
      "    <Feature name=\"CoreClockTarget_2\">",
      "      <Property name=\"Want_2\" value=\"500000000\" />",
      "    </Feature>",
      "    <Feature name=\"MemoryClockTarget_2\">",
      "      <Property name=\"Want_2\" value=\"900000000\" />",
      "    </Feature>",
      "  </Profile>",
      "</Profiles>",
  };
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// One setting as three lines: its name line, its value line, the closing line.
inline std::string profileEntry(const std::string& key, const std::string& value) {
  return "<Feature name=\"" + key + "\">\r\n  <Property name=\"Want\" value=\"" + value + "\" />\r\n</Feature>\r\n";
}

// The file with the first occurrence of `from` replaced by `to`.
inline std::string replacedOnce(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace oza::test
