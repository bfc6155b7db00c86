// SPDX-License-Identifier: GPL-3.0-or-later

// Properties of saving over many generated images and random edits, legal
// and not: a written file keeps the length and byte sum of the loaded one,
// changes no byte outside the fields the writers own and the two correction
// areas, and shows the edited values when loaded again; a save that stops
// leaves the file on disk as it was.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>
#include <set>

#include "text/latin1.h"
#include "text/number_text.h"
#include "platform/scripted_platform.h"
#include "save/checksum.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "support/fixture_image.h"
#include "support/fixture_kinds.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "verify/known_fields.h"

namespace oza {
namespace {

using test::FixtureImage;

int pick(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

FixtureImage randomImage(std::mt19937& rng) {
  FixtureImage f(pick(rng, 0, 3) == 0 ? 131072 : 65536);
  if (f.size() == 131072 && pick(rng, 0, 1)) f.declaredSize = 63488;
  f.revision4 = pick(rng, 0, 2) != 0;
  f.signature = pick(rng, 1, 4);
  f.clocks.clear();
  const int records = pick(rng, 1, 18);
  for (int r = 0; r < records; ++r)
    f.clocks.push_back({static_cast<std::uint32_t>(pick(rng, 10000, 120000)),
                        static_cast<std::uint32_t>(pick(rng, 10000, 150000)),
                        static_cast<std::uint16_t>(pick(rng, 0, 9) == 0 ? 0xFF01 : pick(rng, 800, 1500))});
  f.fanType = pick(rng, 0, 2);
  if (f.fanType == 0 || pick(rng, 0, 4) == 0) {
    f.rv770Registers = true;
    f.cardId = static_cast<std::uint16_t>(0x9440 + pick(rng, 0, 7));
  }
  test::Type1Fields fields;
  fields.controlMode = pick(rng, 2, 3);
  fields.dutyScale = pick(rng, 100, 255);
  fields.tmin = pick(rng, 20, 70);
  fields.tmax = pick(rng, 71, 120);
  fields.dutyMin = pick(rng, 0, fields.dutyScale / 2);
  fields.tslope = pick(rng, 0, 255);
  fields.hysteresis = pick(rng, 0, 63);
  f.registers = test::registersFor(fields);
  for (auto& t : f.type1Thresholds) t = static_cast<std::uint8_t>(pick(rng, 0, 120));
  f.type2ScaleByte = static_cast<std::uint8_t>(pick(rng, 50, 127));
  f.type2Hysteresis = static_cast<std::uint8_t>(pick(rng, 0, 9));
  if (pick(rng, 0, 1)) f.cableMessage = "PLEASE CONNECT THE POWER CABLE";
  return f;
}

// An edit and how its box must read after loading the saved file, when the
// edit was legal; an empty expectation checks nothing.
struct Edit {
  std::string control;
  std::string text;
  std::function<bool(const std::string& reloaded)> expect;
};

Edit randomEdit(std::mt19937& rng, Session& session) {
  const MainForm& form = session.form();
  const int kind = pick(rng, 0, 7);
  const int block = pick(rng, 0, 15);
  auto sameValue = [](double v) {
    return [v](const std::string& shown) { return std::fabs(textValue(shown) - v) < 1e-9; };
  };
  switch (kind) {
    case 0: {  // a clock, legal or not
      const char* illegal[] = {"abc", "-5", "1.2.3", "", "167772.16", "742.555"};
      if (pick(rng, 0, 3) == 0) return {"GPU(" + std::to_string(block) + ")", illegal[pick(rng, 0, 5)], {}};
      const double mhz = pick(rng, 0, 2000000) / 100.0;
      return {(pick(rng, 0, 1) ? "GPU(" : "RAM(") + std::to_string(block) + ")", decimalText(mhz), sameValue(mhz)};
    }
    case 1: {  // a voltage
      const int mv = pick(rng, 0, 4000);
      const std::string text = pick(rng, 0, 5) == 0 ? "---" : decimalText(mv / 1000.0);
      return {"Voltage(" + std::to_string(block) + ")", text, [text, mv](const std::string& shown) {
                if (text == "---" || mv == 0 || mv > 3000) return shown == "---";
                return std::fabs(textValue(shown) - mv / 1000.0) < 1e-9;
              }};
    }
    case 2: {  // an information string, shorter, as long or too long
      const int box = pick(rng, 1, 6);
      const std::string loaded = form.info.infoText[box].text();
      const std::size_t length = static_cast<std::size_t>(pick(rng, 0, static_cast<int>(loaded.size()) + 1));
      // What loading checks stays in the text, so that the saved file loads.
      static const char* const kept[] = {"", "", "R", "", "(C) ATI", "ATOM", ""};
      std::string text = kept[box];
      while (text.size() < length) text += static_cast<char>('A' + pick(rng, 0, 25));
      return {"InfoText(" + std::to_string(box) + ")", text,
              [text](const std::string& shown) { return trimBlanks(shown) == trimBlanks(text); }};
    }
    case 3: {  // the date
      std::string text = std::to_string(pick(rng, 0, 999999)) + "/" + std::to_string(pick(rng, 0, 999999999));
      return {"InfoText(0)", text,
              [text](const std::string& shown) { return shown == trimBlanks(text.substr(0, 14)); }};
    }
    case 4: {  // a vendor, from the list or typed
      const auto& items = form.info.subVendor.items();
      const std::string item = items[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(items.size()) - 1))];
      return {"Combo1", item, [item](const std::string& shown) { return shown == item; }};
    }
    case 5: {  // a type-1 threshold or Tmax, within their range or beyond it
      const int value = pick(rng, 0, 300);
      if (pick(rng, 0, 1)) return {"Text6", std::to_string(value), {}};
      const std::string name = "Type1Threshold(" + std::to_string(pick(rng, 0, 7)) + ")";
      return {name, std::to_string(value), {}};
    }
    case 6: {  // the type-2 table
      const int value = pick(rng, 0, 140);
      if (pick(rng, 0, 3) == 0) return {"Text1", std::to_string(pick(rng, 0, 300)), {}};
      const int k = pick(rng, 0, 7);
      return {(pick(rng, 0, 1) ? "Threshold(" : "FanSpeed(") + std::to_string(k) + ")", std::to_string(value), {}};
    }
    default: {  // a card from the list
      const int entry = pick(rng, 0, 33);
      return {"Combo2", session.form().info.videoCard.items()[static_cast<std::size_t>(entry)], {}};
    }
  }
}

// Positions the writers may change, and the two correction areas.
std::set<std::int64_t> writableBytes(Session& session, const ByteImage& loaded) {
  std::set<std::int64_t> writable;
  std::vector<KnownField> fields = correctionAreas(loaded);
  for (const KnownField& field : knownFields(*session.image()))
    if (field.written) fields.push_back(field);
  for (const KnownField& field : fields)
    for (std::int64_t p = field.first; p <= field.last; ++p) writable.insert(p);
  return writable;
}

TEST(SaveProperties, ManyImagesManyEdits) {
  std::mt19937 rng(20261208);
  test::TempDir dir;
  int written = 0, stopped = 0;
  for (int round = 0; round < 160; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const FixtureImage fixture = randomImage(rng);
    const std::vector<std::uint8_t> original = fixture.build();
    test::writeBytes(dir.file("in.rom"), original);
    ScriptedPlatform platform;
    platform.defaultAnswer = MessageAnswer::Yes;
    Session session(platform);
    session.start();
    ASSERT_TRUE(loadBiosFile(session, dir.file("in.rom")));
    const ByteImage loaded = session.image()->bytes;

    std::vector<Edit> edits;
    const int count = pick(rng, 0, 6);
    for (int e = 0; e < count; ++e) {
      Edit edit = randomEdit(rng, session);
      Control* control = session.findControl(edit.control);
      ASSERT_NE(control, nullptr) << edit.control;
      if (!control->enabled()) continue;
      control->setText(edit.text);
      // Later edits of the same box replace earlier ones; rules may have
      // changed what was typed, so only untouched texts are checked.
      std::erase_if(edits, [&](const Edit& old) { return old.control == edit.control; });
      if (edit.expect && control->text() == edit.text) edits.push_back(edit);
    }

    const std::set<std::int64_t> writable = writableBytes(session, loaded);
    const std::string target = dir.file("out.rom");
    const std::vector<std::uint8_t> previous(static_cast<std::size_t>(pick(rng, 0, 70000)), 0x3C);
    test::writeBytes(target, previous);
    platform.queueSavePath(target);
    if (!saveBiosFile(session)) {
      ++stopped;
      EXPECT_FALSE(platform.messages.empty());
      EXPECT_EQ(test::readBytes(target), previous);
      continue;
    }
    ++written;
    const auto saved = test::readBytes(target);
    ASSERT_EQ(saved.size(), original.size());
    EXPECT_EQ(test::sumOf(saved), session.image()->checkSum);
    const std::size_t declared = static_cast<std::size_t>(checkedLast(loaded) + 1);
    EXPECT_EQ(test::sumOf({saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(declared)}) % 256,
              test::sumOf({original.begin(), original.begin() + static_cast<std::ptrdiff_t>(declared)}) % 256);
    for (std::size_t i = 0; i < saved.size(); ++i)
      if (saved[i] != original[i]) {
        EXPECT_TRUE(writable.count(static_cast<std::int64_t>(i))) << "byte " << i;
      }

    ScriptedPlatform again;
    Session reloaded(again);
    reloaded.start();
    ASSERT_TRUE(loadBiosFile(reloaded, target)) << again.messages.front().text;
    for (const Edit& edit : edits)
      EXPECT_TRUE(edit.expect(reloaded.findControl(edit.control)->text()))
          << edit.control << " typed '" << edit.text << "' reads '" << reloaded.findControl(edit.control)->text()
          << "'";
  }
  // Both outcomes must have been exercised.
  EXPECT_GT(written, 40);
  EXPECT_GT(stopped, 5);
}

// The bytes an edit of one control may change: its own field, the Tslope
// field (always saved as computed) and the two correction areas.
std::set<std::int64_t> bytesOf(const Session& session, const ByteImage& loaded, const std::string& control) {
  std::set<std::int64_t> bytes;
  auto range = [&](std::int64_t first, std::int64_t last) {
    for (std::int64_t p = first; p <= last; ++p) bytes.insert(p);
  };
  range(kUpAreaFirst, kUpAreaLast);
  range(freeSpacePosition(loaded), checkedLast(loaded));
  const FanLocation& fan = session.image()->fan.location;
  if (fan.registerPositions[1]) range(*fan.registerPositions[1] + 2, *fan.registerPositions[1] + 2);
  const std::int64_t clocks = *session.image()->clockLocation.clockPosition;
  const auto index = [&](const std::string& base) {
    return control.rfind(base + "(", 0) == 0 ? std::stoi(control.substr(base.size() + 1)) : -1;
  };
  if (int r = index("GPU"); r >= 0) range(clocks + 16 * r, clocks + 16 * r + 2);
  if (int r = index("RAM"); r >= 0) range(clocks + 16 * r + 3, clocks + 16 * r + 5);
  if (int r = index("Voltage"); r >= 0) range(clocks + 16 * r + 6, clocks + 16 * r + 7);
  const std::int64_t section = fan.type1Section.value_or(-1000);
  const std::int64_t table = fan.type2TableMarker.value_or(-1000);
  if (int k = index("Type1FanSpeed"); k >= 0) range(section + 13 + k, section + 13 + k);
  if (int k = index("FanSpeed"); k >= 0) range(table + 3 + 4 * k, table + 3 + 4 * k);
  if (int k = index("Threshold"); k >= 0) range(table + 1 + 4 * k, table + 1 + 4 * k);
  if (control == "Text6") range(*fan.registerPositions[2] + 2, *fan.registerPositions[2] + 3);  // Tmax, bits 24..17
  if (control == "Text1") range(*fan.type2HysteresisMarker + 1, *fan.type2HysteresisMarker + 1);
  if (control == "InfoText(1)") {
    const StringRange& version = session.image()->strings.positions->biosVersion;
    range(version.first, version.last);
  }
  if (control == "Combo1") range(0x7C, 0x7D);
  return bytes;
}

std::vector<std::uint8_t> savedBytes(Session& session, ScriptedPlatform& platform, const std::string& path) {
  platform.queueSavePath(path);
  platform.messages.clear();
  EXPECT_TRUE(saveBiosFile(session)) << (platform.messages.empty() ? "" : platform.messages.front().text);
  return test::readBytes(path);
}

TEST(SaveProperties, EveryKindOfImageSavesOnlyWhatWasEdited) {
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> images;
  for (const auto& [name, fixture] : test::fixtureKinds()) images.emplace_back(name, fixture.build());
  const auto real = test::realRomPaths();
  if (real.empty()) std::cout << "[   NOTE   ] real card images not found: fixtures only\n";
  for (const std::string& path : real) images.emplace_back(path, test::readBytes(path));

  const std::pair<std::string, std::string> edits[] = {{"", ""},  // no edit at all
                                                       {"GPU(1)", "401.25"},
                                                       {"RAM(0)", "999"},
                                                       {"Voltage(2)", "1.333"},
                                                       {"Type1FanSpeed(6)", "61"},
                                                       {"FanSpeed(3)", "44"},
                                                       {"Threshold(5)", "77"},
                                                       {"Text6", "99"},
                                                       {"Text1", "5"},
                                                       {"InfoText(1)", "X"},
                                                       {"Combo1", "0x1458 - GigaByte"}};
  test::TempDir dir;
  int applied = 0;
  for (const auto& [name, bytes] : images) {
    test::writeBytes(dir.file("in.rom"), bytes);
    const ByteImage loaded(bytes);
    for (const auto& [control, text] : edits) {
      SCOPED_TRACE(name + " " + control);
      ScriptedPlatform platform;
      platform.defaultAnswer = MessageAnswer::Yes;
      Session session(platform);
      session.start();
      ASSERT_TRUE(loadBiosFile(session, dir.file("in.rom")));
      if (!control.empty()) {
        Control* box = session.findControl(control);
        ASSERT_NE(box, nullptr);
        if (!box->enabled() || !box->visible() || box->text().empty()) continue;
        box->setText(text);
        ++applied;
      }
      // A refused save first: it must leave nothing behind.
      Control& chip = session.form().info.infoText[2];
      const std::string chipText = chip.text();
      chip.setText(chipText + "TOO LONG");
      EXPECT_FALSE(saveBiosFile(session));
      chip.setText(chipText);

      const auto first = savedBytes(session, platform, dir.file("first.rom"));
      const auto second = savedBytes(session, platform, dir.file("second.rom"));
      EXPECT_EQ(first, second);
      ASSERT_EQ(first.size(), bytes.size());
      const std::set<std::int64_t> allowed = bytesOf(session, loaded, control);
      for (std::size_t i = 0; i < first.size(); ++i)
        if (first[i] != bytes[i]) {
          EXPECT_TRUE(allowed.count(static_cast<std::int64_t>(i))) << "byte " << i;
        }
    }
  }
  EXPECT_GT(applied, 60);
}

}  // namespace
}  // namespace oza
