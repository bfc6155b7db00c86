// SPDX-License-Identifier: GPL-3.0-or-later

// get, set and keys against the control names scripts used before them: the
// same edits give the same files, get shows what dump shows, typed.
#include "cli/command_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <nlohmann/json.hpp>
#include <sstream>

#include "image/id_tables.h"
#include "keys/value_keys.h"
#include "platform/scripted_platform.h"
#include "session/session.h"
#include "support/atom_walk.h"
#include "support/fake_sysfs.h"
#include "support/fixture_kinds.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"

namespace oza {
namespace {

using Json = nlohmann::json;

struct CliResult {
  int exitCode;
  std::string out;
  std::string err;
};

CliResult cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  test::FakeRomAccess access;
  CliContext context{out, err, access};
  const int code = runCommandLine(args, context);
  return {code, out.str(), err.str()};
}

// Every fixture kind, written into `dir`, and the real images.
std::vector<std::string> everyImage(const test::TempDir& dir) {
  std::vector<std::string> paths;
  for (const auto& [name, fixture] : test::fixtureKinds()) {
    paths.push_back(dir.file(name));
    test::writeBytes(paths.back(), fixture.build());
  }
  for (const std::string& path : test::realRomPaths()) paths.push_back(path);
  return paths;
}

// "GPU(N)" and "clock_info.N.gpu_mhz" with N replaced by `index`.
std::string withIndex(std::string text, int index) {
  for (const std::string mark : {"(N)", ".N."})
    if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at + 1, 1, std::to_string(index));
  return text;
}

// One edit per editable key, with the save argument a script wrote for it
// by control name. N stands for every index.
struct EditCase {
  const char* pattern;
  const char* value;
  std::string saveArgument;
};

std::vector<EditCase> editCases() {
  return {
      {"strings.date", "01/02/03,04:05", "--set=InfoText(0)=01/02/03,04:05"},
      {"strings.bios_version", "113-TEST", "--set=InfoText(1)=113-TEST"},
      {"strings.chip_type", "RV6", "--set=InfoText(2)=RV6"},
      {"strings.hardware_specs", "1GB", "--set=InfoText(3)=1GB"},
      {"strings.copyright", "(C) ATI", "--set=InfoText(4)=(C) ATI"},
      {"strings.atom_bios_version", "ATOM 1", "--set=InfoText(5)=ATOM 1"},
      {"strings.power_cable_message", "PLUG IN", "--set=InfoText(6)=PLUG IN"},
      {"ids.sub_vendor", "0x1234", "--set=Combo1=0x1234"},
      {"ids.card", "0x9501", "--select=Combo2=" + std::to_string(*cardRow(0x9501))},
      {"pre_modified", "true", "--check=Check1=1"},
      {"clock_info.N.gpu_mhz", "123.45", "--set=GPU(N)=123.45"},
      {"clock_info.N.memory_mhz", "234.5", "--set=RAM(N)=234.5"},
      {"clock_info.N.voltage_v", "1.125", "--set=Voltage(N)=1.125"},
      {"clock_info.N.voltage_v", "null", "--set=Voltage(N)=0"},
      {"clocks.locked", "true", "--check=Check2=1"},
      {"fan.mode", "lookup_table", "--check=Option5=1"},
      {"fan.mode", "transfer_function", "--check=Option4=1"},
      {"fan.tmin_c", "30", "--set=Text5=30"},
      {"fan.tmax_c", "90", "--set=Text6=90"},
      {"fan.tslope_percent", "40", "--set=Text7=40"},
      {"fan.duty_min_percent", "20", "--set=Text9=20"},
      {"fan.hysteresis_percent", "3", "--set=Type1Hysteresis=3"},
      {"fan.tmin_hysteresis_c", "2", "--set=Text8=2"},
      {"fan.spin_up_cycle_percent", "50", "--set=Text3=50"},
      {"fan.spin_up_time", "3", "--set=Text4=3"},
      {"fan.pwm_ramp_on", "false", "--check=Check3=0"},
      {"fan.pwm_ramp_percent", "4", "--set=Text2=4"},
      {"fan.lookup.N.threshold_c", "70", "--set=Type1Threshold(N)=70"},
      {"fan.lookup.N.speed_percent", "60", "--set=Type1FanSpeed(N)=60"},
      {"fan.table.hysteresis_c", "5", "--set=Text1=5"},
      {"fan.table.N.threshold_c", "70", "--set=Threshold(N)=70"},
      {"fan.table.N.speed_percent", "60", "--set=FanSpeed(N)=60"},
  };
}

TEST(KeyCommands, SetByKeyAndSaveByControlNameGiveTheSameFile) {
  test::TempDir dir;
  std::map<std::string, int> compared;
  for (const std::string& image : everyImage(dir)) {
    for (const EditCase& edit : editCases()) {
      const ValueKey& entry = *findKey(withIndex(edit.pattern, 0))->entry;
      // Every index is found the same way: the first two and the last stand for them.
      for (const int index : std::set<int>{0, std::min(1, entry.count - 1), entry.count - 1}) {
        const std::string key = withIndex(edit.pattern, index);
        SCOPED_TRACE(image + " " + key + "=" + edit.value);
        const std::string byKey = dir.file("by_key.rom"), byName = dir.file("by_name.rom");
        const CliResult set = cli({"set", image, key + "=" + edit.value, "--out", byKey, "--force"});
        const CliResult save = cli({"save", image, withIndex(edit.saveArgument, index), "--out", byName, "--force"});
        if (set.exitCode == 2 && save.exitCode != 2) {
          // A box a save would not write does not take the value.
          EXPECT_NE(set.err.find("this image holds no such value"), std::string::npos) << set.err;
          continue;
        }
        // null for a value the image does not hold leaves it as it is.
        if (set.exitCode == 0 && save.exitCode == 2 && std::string(edit.value) == "null") {
          EXPECT_EQ(test::readBytes(byKey), test::readBytes(image));
          continue;
        }
        ASSERT_EQ(set.exitCode, save.exitCode) << set.out.substr(0, 300) << save.out.substr(0, 300);
        if (set.exitCode == 0) {
          EXPECT_TRUE(test::readBytes(byKey) == test::readBytes(byName))
              << cli({"diff", byKey, byName, "--format", "text"}).out;
        }
        ++compared[edit.pattern];
        std::filesystem::remove(byKey);
        std::filesystem::remove(byName);
      }
    }
  }
  // Every editable key was compared on some image.
  for (const ValueKey& entry : valueKeys())
    if (entry.editable) {
      EXPECT_GT(compared[entry.pattern], 0) << entry.pattern;
    }
}

// The typed value a dumped control shows for `entry`; nothing where its text
// does not say it (a card the list does not know).
std::optional<Json> dumpedValue(const ValueKey& entry, const Json& control) {
  if (control.contains("checked")) return Json(control["checked"].get<bool>());
  std::string text = control["text"];
  if (entry.type.kind == KeyKind::Text) return text.empty() ? Json(nullptr) : Json(text);
  if (text.empty() || text == "---") return Json(nullptr);
  if (!entry.unit.empty() && text.ends_with(" " + entry.unit)) text.resize(text.size() - entry.unit.size() - 1);
  if (text.starts_with("0x")) return Json(std::stoul(text.substr(2, text.find(' ') - 2), nullptr, 16));
  if (control.contains("index")) return std::nullopt;
  return Json(std::stod(text));
}

TEST(KeyCommands, GetShowsWhatDumpShowsTyped) {
  test::TempDir dir;
  int compared = 0;
  for (const std::string& image : everyImage(dir)) {
    SCOPED_TRACE(image);
    const CliResult get = cli({"get", image});
    const CliResult dump = cli({"dump", image});
    ASSERT_EQ(get.exitCode, 0) << get.out;
    const Json values = Json::parse(get.out)["values"];
    const Json controls = Json::parse(dump.out)["controls"];
    for (const KeyRef& key : keysUnder("")) {
      const std::string name = key.entry->controlName(key.index);
      if (name.empty() || !values.contains(key.key())) continue;
      SCOPED_TRACE(key.key());
      const Json& value = values[key.key()];
      if (key.entry->type.kind == KeyKind::Choice) {  // the option buttons
        const std::string chosen = controls["Option5"]["checked"].get<bool>()   ? "lookup_table"
                                   : controls["Option4"]["checked"].get<bool>() ? "transfer_function"
                                                                                : "";
        EXPECT_EQ(value, chosen.empty() ? Json(nullptr) : Json(chosen));
        continue;
      }
      const std::optional<Json> shown = dumpedValue(*key.entry, controls[name]);
      if (!shown) continue;
      if (value.is_null() && shown->is_boolean()) {  // a flag the image lacks shows cleared
        EXPECT_FALSE(shown->get<bool>()) << name;
      } else if (value.is_number() && shown->is_number()) {
        EXPECT_NEAR(value.get<double>(), shown->get<double>(), 1e-9) << name;
      } else {
        EXPECT_EQ(value, *shown) << name;
      }
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000);
}

TEST(KeyCommands, GetAgreesWithAWalkOfTheClockInfosOfRealCards) {
  const auto paths = test::realRomPaths();
  OZA_SKIP_WITHOUT_REAL_ROM(paths);
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const auto records = test::walkClockInfos(test::readBytes(path));
    ASSERT_TRUE(records.has_value());
    const Json values = Json::parse(cli({"get", path, "clock_info"}).out)["values"];
    EXPECT_EQ(values["clock_info.count"], records->size());
    for (std::size_t r = 0; r < records->size() && r < 20; ++r) {
      const std::string record = "clock_info." + std::to_string(r) + ".";
      EXPECT_EQ(std::llround(values[record + "gpu_mhz"].get<double>() * 100), (*records)[r].engine);
      EXPECT_EQ(std::llround(values[record + "memory_mhz"].get<double>() * 100), (*records)[r].memory);
      EXPECT_EQ(std::llround(values[record + "voltage_v"].get<double>() * 1000), (*records)[r].millivolts);
    }
  }
}

TEST(KeyCommands, ADryRunListsWhatDiffReportsAfterTheSaveAndWritesNothing) {
  test::TempDir dir;
  int compared = 0;
  for (const std::string& image : everyImage(dir)) {
    SCOPED_TRACE(image);
    const Json values = Json::parse(cli({"get", image}).out)["values"];
    std::vector<std::string> edits = {"clock_info.0.gpu_mhz=123.45", "strings.bios_version=113-DRY"};
    if (values.contains("fan.tmax_c") && !values["fan.tmax_c"].is_null()) edits.push_back("fan.tmax_c=90");
    const std::string out = dir.file("dry.rom");
    std::vector<std::string> args = {"set", image, "--out", out, "--force"};
    args.insert(args.end(), edits.begin(), edits.end());
    std::vector<std::string> dryArgs = args;
    dryArgs.push_back("--dry-run");
    const CliResult dry = cli(dryArgs);
    ASSERT_EQ(dry.exitCode, 0) << dry.err << dry.out.substr(0, 300);
    EXPECT_FALSE(std::filesystem::exists(out));
    const Json review = Json::parse(dry.out);
    EXPECT_EQ(review["written"], false);
    ASSERT_EQ(cli(args).exitCode, 0);
    const Json diff = Json::parse(cli({"diff", image, out, "--format", "json"}).out);
    EXPECT_EQ(review["changes"], diff["differences"]);
    EXPECT_GE(review["changes"].size(), edits.size());
    // The check is of the saved image against the loaded one.
    EXPECT_EQ(review["check"]["against"], image);
    std::filesystem::remove(out);
    ++compared;
  }
  EXPECT_GE(compared, 12);
}

TEST(KeyCommands, EditsAScriptCannotMakeAreUsageErrorsNamingTheKey) {
  test::TempDir dir;
  const std::string image = dir.file("in.rom"), out = dir.file("out.rom");
  test::writeBytes(image, test::fixtureKinds().at("type1_rev4.rom").build());
  const std::string twice = dir.file("twice.json"), huge = dir.file("huge.json"), many = dir.file("many.json");
  test::writeText(twice, R"({"fan.tmax_c":80,"fan.tmax_c":95})");
  test::writeText(huge, R"({"fan.tmax_c":9007199254740993})");
  std::string keys = "{";
  for (int k = 0; k < 100000; ++k) keys += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
  test::writeText(many, keys + "}");  // 1 MB, read in linear time
  const struct {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{"set", image, "--edits", twice, "--out", out}, "names the key 'fan.tmax_c' twice"},
      {{"set", image, "--edits", huge, "--out", out}, "fan.tmax_c: 9007199254740993 is outside 0..255"},
      {{"set", image, "fan.tmax_c=9007199254740993", "--out", out}, "fan.tmax_c: 9007199254740993 is outside"},
      {{"set", image, "--edits", many, "--out", out}, "no key '0'"},
      {{"set", image, "clock_info.x.gpu_mhz=1", "--out", out}, "no key 'clock_info.x.gpu_mhz'"},
      {{"set", image, "clock_info.20.gpu_mhz=1", "--out", out}, "no key 'clock_info.20.gpu_mhz'"},
      {{"set", image, "checksum=5", "--out", out}, "checksum: is read-only"},
      {{"set", image, "fan.tmax_c=300", "--out", out}, "fan.tmax_c: 300 is outside 0..255"},
      {{"set", image, "clock_info.0.gpu_mhz=1.234", "--out", out}, "no whole number of 0.01"},
      {{"set", image, "fan.tmax_c=90.0000001", "--out", out}, "fan.tmax_c: 90.0000001 is no whole number of 1"},
      {{"set", image, "clock_info.0.gpu_mhz=fast", "--out", out}, "clock_info.0.gpu_mhz: takes a number"},
      {{"set", image, "fan.tmin_c=null", "--out", out}, "fan.tmin_c: takes a number, not null"},
      {{"set", image, "fan.mode=sideways", "--out", out}, "fan.mode: takes transfer_function|lookup_table"},
      {{"set", image, "clocks.locked=2", "--out", out}, "clocks.locked: takes true or false"},
      {{"set", image, "strings.date=01/02/03,04:05:06", "--out", out}, "strings.date: takes at most 14 characters"},
      {{"set", image, "ids.card=0x0001", "--out", out}, "no entry of the card list has the ID 0x0001"},
      {{"set", image, "fan.tmax_c", "--out", out}, "'fan.tmax_c' is no KEY=VALUE"},
      {{"get", image, "fan.nothing"}, "no key or prefix 'fan.nothing'"},
      {{"keys", "fan.nothing"}, "no key or prefix 'fan.nothing'"},
      // Edits by control name take the same path.
      {{"save", image, "--set=GPU(0)=abc", "--out", out}, "'GPU(0)' takes digits and the point only, not 'a'"},
      {{"save", image, "--set=Nope=1", "--out", out}, "no control named 'Nope'"},
      // A text no save can write as typed, refused where it is given.
      {{"save", image, "--set=Text6=80.5", "--out", out},
       "'Text6' (Tmax (\u00B0C)) holds '80.5', which is no whole number; it takes a whole number from 0 to 255"},
      {{"save", image, "--set=Voltage(0)=1..2", "--out", out}, "holds '1..2', which is no number"},
      {{"save", image, "--set=GPU(0)=1.2.3", "--out", out}, "holds '1.2.3', which is no number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    const CliResult run = cli(c.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("usage: oza-cli " + c.args[0]), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

// What get prints of the editable values, given back to set, gives the file
// back byte for byte: get prints nothing set refuses.
TEST(KeyCommands, GetsEditableValuesGivenToSetGiveTheFileBack) {
  test::TempDir dir;
  for (const std::string& image : everyImage(dir)) {
    SCOPED_TRACE(image);
    const CliResult got = cli({"get", image});
    ASSERT_EQ(got.exitCode, 0) << got.err;
    Json edits = Json::object();
    const Json values = Json::parse(got.out)["values"];
    for (const auto& [key, value] : values.items())
      if (const std::optional<KeyRef> ref = findKey(key); ref && ref->entry->editable) edits[key] = value;
    const std::string file = dir.file("edits.json"), out = dir.file("out.rom");
    test::writeText(file, edits.dump());
    const CliResult set = cli({"set", image, "--edits", file, "--out", out, "--force"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(test::readBytes(out), test::readBytes(image));
  }
}

TEST(KeyCommands, AFileOfEditsServesLikeArgumentsAndSetPrintsTheSavedValues) {
  test::TempDir dir;
  const std::string image = dir.file("in.rom"), edits = dir.file("edits.json");
  test::writeBytes(image, test::fixtureKinds().at("type1_rev4.rom").build());
  test::writeText(edits, R"({"clock_info.0.gpu_mhz": 700, "fan.tmax_c": "90", "clocks.locked": true,
                             "strings.bios_version": "113-TEST"})");
  const CliResult byFile = cli({"set", image, "--edits", edits, "--out", dir.file("a.rom")});
  ASSERT_EQ(byFile.exitCode, 0) << byFile.err;
  const CliResult byArguments = cli({"set", image, "clock_info.0.gpu_mhz=700", "fan.tmax_c=90", "clocks.locked=true",
                                     "strings.bios_version=113-TEST", "--out", dir.file("b.rom")});
  EXPECT_EQ(test::readBytes(dir.file("a.rom")), test::readBytes(dir.file("b.rom")));
  const Json saved = Json::parse(byFile.out)["values"];
  EXPECT_EQ(saved["clock_info.0.gpu_mhz"], 700);
  EXPECT_EQ(saved["fan.tmax_c"], 90);
  EXPECT_EQ(saved["strings.bios_version"], "113-TEST      ");  // padded to the length it replaces

  const std::string text = cli({"get", dir.file("a.rom"), "clock_info.0", "fan.mode", "--format", "text"}).out;
  EXPECT_EQ(text,
            "clock_info.0.gpu_mhz = 700 MHz\nclock_info.0.memory_mhz = 500 MHz\n"
            "clock_info.0.voltage_v = 1.1 V\nfan.mode = transfer_function\n");

  for (const char* bad : {"[1, 2]", "{\"fan.tmax_c\": [90]}", "{\"fan.tmax_c\": ", "{\"no.such\": 1}",
                          "{\"\":1,\"\":2}", "7", "{\"fan.tmax_c\": 90} {}"}) {
    SCOPED_TRACE(bad);
    test::writeText(edits, bad);
    EXPECT_EQ(cli({"set", image, "--edits", edits, "--out", dir.file("c.rom")}).exitCode, 2);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("c.rom")));
}

TEST(KeyCommands, EveryEditableControlOfTheWindowHasExactlyOneKey) {
  std::map<std::string, int> keysOfControl;
  for (const KeyRef& key : keysUnder("")) {
    std::istringstream names(key.entry->controlName(key.index));
    for (std::string name; names >> name;) ++keysOfControl[name];
  }
  // Option buttons that choose what the window shows, not what the image holds.
  const std::set<std::string> viewOnly = {"Option1", "Option2", "Option3", "Option6", "Option7", "Option8", "Option9"};
  ScriptedPlatform platform;
  Session session(platform);
  session.start();
  std::set<std::string> controls;
  for (const Control* control : session.controls()) {
    controls.insert(control->name());
    const ControlKind kind = control->kind();
    const bool editable = kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
                          kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
    if (editable && !viewOnly.count(control->name())) {
      EXPECT_EQ(keysOfControl[control->name()], 1) << control->name();
    }
  }
  for (const auto& [name, count] : keysOfControl) {
    EXPECT_EQ(count, 1) << name;
    EXPECT_TRUE(controls.count(name)) << name << " is no control of the window";
  }
}

TEST(KeyCommands, EveryKeySaysWhatItHoldsAndItsUnit) {
  const std::map<std::string, std::string> suffixUnits = {{"_mhz", "MHz"},    {"_v", "V"},   {"_c", "°C"},
                                                          {"_percent", "%"},  {"_mb", "MB"}, {"_bits", "bits"},
                                                          {"_bytes", "bytes"}};
  // Numbers that count or identify rather than measure.
  const std::set<std::string> unitless = {"ids.sub_vendor",
                                          "ids.card",
                                          "checksum",
                                          "byte_sum",
                                          "clock_info.count",
                                          "states.count",
                                          "states.N.classification",
                                          "states.N.low_clock_info",
                                          "states.N.medium_clock_info",
                                          "states.N.high_clock_info",
                                          "fan.spin_up_time",
                                          "fan.register.N",
                                          "images.count",
                                          "images.N.offset",
                                          "images.N.vendor_id",
                                          "images.N.device_id",
                                          "images.end_offset",
                                          "memory.module.count",
                                          "memory.module.N.strap_count",
                                          "voltage_regulator.levels",
                                          "thermal.fan_pulses_per_revolution"};
  std::set<std::string> patterns;
  for (const ValueKey& entry : valueKeys()) {
    SCOPED_TRACE(entry.pattern);
    EXPECT_TRUE(patterns.insert(entry.pattern).second) << "twice";
    EXPECT_EQ(entry.pattern.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_.N"), std::string::npos);
    EXPECT_EQ(entry.pattern.find('N') != std::string::npos, entry.count > 1);
    EXPECT_FALSE(entry.meaning.empty());
    std::string suffixUnit;
    for (const auto& [suffix, unit] : suffixUnits)
      if (entry.pattern.ends_with(suffix)) suffixUnit = unit;
    EXPECT_EQ(entry.unit, suffixUnit);
    if (entry.type.kind == KeyKind::Number) {
      EXPECT_TRUE(!entry.unit.empty() || unitless.count(entry.pattern));
    }
  }
}

}  // namespace
}  // namespace oza
