// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/value_keys.h"

#include <algorithm>
#include <unordered_map>

#include "document/loaded_image.h"
#include "document/shown_values.h"
#include "files/file_io.h"
#include "fan/fan_reader.h"
#include "image/atom_layout.h"
#include "image/id_tables.h"
#include "keys/card_keys.h"
#include "powerplay/clock_records.h"
#include "save/checksum.h"
#include "text/latin1.h"
#include "text/number_text.h"

namespace oza {

namespace {

using Getter = std::function<KeyValue(const LoadedImage&, int)>;

KeyType number(double lowest, double highest, double step = 1, bool nullable = false) {
  KeyType type;
  type.lowest = lowest;
  type.highest = highest;
  type.step = step;
  type.nullable = nullable;
  return type;
}

KeyType text(std::size_t largest = 0) {
  KeyType type;
  type.kind = KeyKind::Text;
  type.largest = largest;
  return type;
}

KeyType choice(std::vector<std::string> entries) {
  KeyType type;
  type.kind = KeyKind::Choice;
  type.entries = std::move(entries);
  return type;
}

KeyType flag() {
  KeyType type;
  type.kind = KeyKind::Flag;
  return type;
}

KeyValue none() { return std::monostate{}; }
KeyValue numberOf(const std::string& shown) {
  if (shown.empty()) return none();
  return textValue(shown);
}
KeyValue numberIf(std::uint32_t value, bool present) { return present ? KeyValue(double(value)) : none(); }

// A text of the image as the window shows it.
Getter shownText(const std::string InfoStrings::*field) {
  return [field](const LoadedImage& image, int) { return KeyValue(latin1ToUtf8(image.strings.*field)); };
}

// A clock info value in its box's unit; none beyond the records.
Getter clockValue(std::optional<double> (*value)(const ClockInfo&)) {
  return [value](const LoadedImage& image, int i) -> KeyValue {
    if (i >= static_cast<int>(image.clockInfos.size())) return none();
    const std::optional<double> v = value(image.clockInfos[static_cast<std::size_t>(i)]);
    return v ? KeyValue(*v) : none();
  };
}

// An Overdrive clock in MHz; none when unread.
Getter overdriveValue(std::optional<std::uint32_t> OverdriveClocks::*field) {
  return [field](const LoadedImage& image, int) -> KeyValue {
    if (!image.overdrive || !(*image.overdrive.*field)) return none();
    return megahertz(*(*image.overdrive.*field));
  };
}

// A fan box, as the fan tab shows it after the load; none when not shown.
Getter fanValue(std::string ShownFan::*box) {
  return [box](const LoadedImage& image, int) { return numberOf(shownFan(image.fan).*box); };
}

Getter fanTableValue(std::array<std::string, kFanTablePoints> ShownFan::*boxes) {
  return [boxes](const LoadedImage& image, int i) {
    return numberOf((shownFan(image.fan).*boxes)[static_cast<std::size_t>(i)]);
  };
}

// A slot (1 low, 2 medium, 3 high) of a PowerPlay state.
Getter stateSlot(int slot) {
  return [slot](const LoadedImage& image, int s) -> KeyValue {
    const std::optional<int> index = image.states().clockIndex(s, slot);
    return index ? KeyValue(double(*index)) : none();
  };
}

using Where = std::function<std::optional<ValueBytes>(const LoadedImage&, int)>;

Where fixedBytes(std::int64_t first, std::int64_t length) {
  return [first, length](const LoadedImage&, int) { return std::optional<ValueBytes>({first, first + length - 1}); };
}

Where stringBytes(StringRange StringPositions::*field) {
  return [field](const LoadedImage& image, int) -> std::optional<ValueBytes> {
    if (!image.strings.positions) return std::nullopt;
    const StringRange& range = *image.strings.positions.*field;
    if (range.first > range.last) return std::nullopt;
    return ValueBytes{range.first, range.last};
  };
}

// A part of clock info record N: `length` bytes from `offset`.
Where recordBytes(std::int64_t offset, std::int64_t length) {
  return [offset, length](const LoadedImage& image, int i) -> std::optional<ValueBytes> {
    const std::optional<std::int64_t>& records = image.clockLocation.clockPosition;
    if (!records || i >= static_cast<int>(image.clockInfos.size())) return std::nullopt;
    const std::int64_t at = *records + kRecordSize * i + offset;
    return ValueBytes{at, at + length - 1};
  };
}

Where overdriveBytes(std::optional<std::uint32_t> OverdriveClocks::*field, std::int64_t offset) {
  return [field, offset](const LoadedImage& image, int) -> std::optional<ValueBytes> {
    if (!image.overdrive || !(*image.overdrive.*field)) return std::nullopt;
    const std::int64_t at = image.overdrive->fields + offset;
    return ValueBytes{at, at + 2};
  };
}

bool always(const LoadedImage&, int) { return true; }
bool stateExists(const LoadedImage& image, int s) { return s < static_cast<int>(image.states().classification.size()); }

// The memory modules of VRAM_Info, read-only. A key names one index, so the
// straps of each module have a key of their own.
template <typename Add>
void addMemoryModuleKeys(Add add) {
  constexpr int kModules = 8;
  constexpr int kStraps = 16;
  const auto module = [](const LoadedImage& image, int n) -> const MemoryModule* {
    if (!image.vramInfo || n < 0 || n >= static_cast<int>(image.vramInfo->modules.size())) return nullptr;
    return &image.vramInfo->modules[static_cast<std::size_t>(n)];
  };
  const auto field = [module](auto get) {
    return [module, get](const LoadedImage& image, int n) -> KeyValue {
      const MemoryModule* m = module(image, n);
      return m ? get(*m) : none();
    };
  };
  const auto exists = [module](const LoadedImage& image, int n) { return module(image, n) != nullptr; };
  add({"memory.module.count", 1, "", number(0, 255),
       "How many memory modules the VRAM_Info table describes (that lie in it); keys name the first 8", "", "", false,
       [](const LoadedImage& image, int) {
         return KeyValue(double(image.vramInfo ? image.vramInfo->modules.size() : 0));
       }});
  add({"memory.module.N.vendor", kModules, "", text(), "The vendor of memory module N", "", "", false,
       field([](const MemoryModule& m) { return KeyValue(m.vendor()); }), exists});
  add({"memory.module.N.type", kModules, "", text(), "The memory type of memory module N", "", "", false,
       field([](const MemoryModule& m) { return KeyValue(m.type()); }), exists});
  add({"memory.module.N.size_mb", kModules, "MB", number(0, 255 * 16, 1, true),
       "The memory size of memory module N; none where the table does not say", "", "", false,
       field([](const MemoryModule& m) { return m.sizeMb ? KeyValue(double(*m.sizeMb)) : none(); }), exists});
  add({"memory.module.N.strap_count", kModules, "", number(0, 65535), "How many timing straps memory module N holds",
       "", "", false, field([](const MemoryModule& m) { return KeyValue(double(m.straps.size())); }), exists});
  for (int n = 0; n < kModules; ++n) {
    const auto strap = [module, n](const LoadedImage& image, int s) -> const MemoryStrap* {
      const MemoryModule* m = module(image, n);
      if (!m || s >= static_cast<int>(m->straps.size())) return nullptr;
      return &m->straps[static_cast<std::size_t>(s)];
    };
    const std::string which = std::to_string(n);
    add({"memory.module." + which + ".strap.N.up_to_mhz", kStraps, "MHz", number(0, 42949672.95, 0.01),
         "The memory clock up to which timing strap N of memory module " + which + " applies", "", "", false,
         [strap](const LoadedImage& image, int s) {
           const MemoryStrap* found = strap(image, s);
           return found ? KeyValue(megahertz(found->upTo)) : none();
         },
         [strap](const LoadedImage& image, int s) { return strap(image, s) != nullptr; }});
  }
}

std::vector<ValueKey> buildKeys() {
  const KeyType clock = number(0, 167772.15, 0.01);
  const KeyType percent = number(0, kLargestPercent);
  const KeyType temperature = number(0, kLargestTemperature);
  const std::string deg =
      "\xC2\xB0"
      "C";
  std::vector<ValueKey> k;
  // The label names the value in comparisons: the diff, Compare and the
  // review before a save.
  auto add = [&k](ValueKey key, std::string label = "", Where bytes = nullptr) {
    if (!key.present) key.present = always;
    key.label = std::move(label);
    key.bytes = std::move(bytes);
    k.push_back(std::move(key));
  };
  // The information tab.
  add({"strings.date", 1, "", text(kDateLength), "The BIOS date and time text (cut or padded to 14 characters)",
       "Bios date/time", "InfoText(0)", true,
       [](const LoadedImage& image, int) { return KeyValue(latin1ToUtf8(image.dateTime)); }},
      "Date", fixedBytes(kDateFirst, kDateLength));
  add({"strings.bios_version", 1, "", text(), "The BIOS version string, such as 113-B50102-101", "BIOS version string",
       "InfoText(1)", true, shownText(&InfoStrings::biosVersion)},
      "BIOS version", stringBytes(&StringPositions::biosVersion));
  add({"strings.chip_type", 1, "", text(), "The reported chip type, such as RV670 (must hold an upper-case R or M)",
       "Reported chip type", "InfoText(2)", true, shownText(&InfoStrings::chipType)},
      "Chip type", stringBytes(&StringPositions::chipType));
  add({"strings.hardware_specs", 1, "", text(), "The hardware specs string: memory size, bus width and type",
       "Hardware specs string", "InfoText(3)", true, shownText(&InfoStrings::hardwareSpecs)},
      "Hardware specs", stringBytes(&StringPositions::hardwareSpecs));
  add({"strings.copyright", 1, "", text(), "The copyright message (must hold \"ATI\")", "Copyright message",
       "InfoText(4)", true, shownText(&InfoStrings::copyright)},
      "Copyright", stringBytes(&StringPositions::copyright));
  add({"strings.atom_bios_version", 1, "", text(), "The AtomBIOS version (must hold \"ATOM\")", "AtomBIOS version",
       "InfoText(5)", true, shownText(&InfoStrings::atomBiosVersion)},
      "AtomBIOS version", stringBytes(&StringPositions::atomBiosVersion));
  add({"strings.power_cable_message", 1, "", text(), "The power cable error message, where the image has one",
       "Power cabel error message", "InfoText(6)", true,
       [](const LoadedImage& image, int) {
         const bool held = image.strings.positions && image.strings.positions->powerCableMessage;
         return held ? KeyValue(latin1ToUtf8(image.strings.powerCableMessage)) : none();
       }},
      "Power cable message", [](const LoadedImage& image, int) -> std::optional<ValueBytes> {
        const auto& positions = image.strings.positions;
        if (!positions || !positions->powerCableMessage) return std::nullopt;
        const StringRange& range = *positions->powerCableMessage;
        return range.first <= range.last ? std::optional<ValueBytes>({range.first, range.last}) : std::nullopt;
      });
  add({"strings.card_interface", 1, "", text(), "The card interface the image names, such as PCI_EXPRESS", "", "",
       false, shownText(&InfoStrings::cardInterface)},
      "Card interface", stringBytes(&StringPositions::cardInterface));
  add({"memory.type", 1, "", text(), "The memory type the image names, such as GDDR3", "", "", false,
       shownText(&InfoStrings::ramType)},
      "RAM type", stringBytes(&StringPositions::ramType));
  add({"memory.size_mb", 1, "MB", number(0, 1024), "The memory size the hardware specs name; none when they name none",
       "", "", false,
       [](const LoadedImage& image, int) { return numberIf(image.strings.ramSize, image.strings.ramSize); }});
  add({"memory.bus_bits", 1, "bits", number(0, 512),
       "The memory bus width the hardware specs name; none when they name none", "", "", false,
       [](const LoadedImage& image, int) { return numberIf(image.strings.ramBusWidth, image.strings.ramBusWidth); }});
  add({"ids.sub_vendor", 1, "", number(0, 0xFFFF), "The sub vendor ID: the maker of the card (0x1043 Asus, ...)",
       "Sub vendor", "Combo1", true, [](const LoadedImage& image, int) { return KeyValue(double(image.subVendorId)); }},
      "Sub vendor ID", fixedBytes(kSubVendorId, 2));
  add({"ids.sub_vendor_name", 1, "", text(), "The sub vendor as the vendor list names it", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(subVendorText(image.subVendorId)); }});
  add({"ids.card", 1, "", number(0, 0xFFFF),
       "The video card ID the driver detects the card by (changing it is dangerous: see the FAQ)", "Video card",
       "Combo2", true, [](const LoadedImage& image, int) { return KeyValue(double(image.cardId)); }},
      "Video card ID", fixedBytes(kCardId, 2));
  add({"ids.card_name", 1, "", text(), "The video card as the card list names it", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(videoCardText(image.cardId)); }});
  add({"pre_modified", 1, "", flag(), "Whether the image shows the checksum correction of an earlier save",
       "BIOS had been pre-modified using OZA", "Check1", true,
       [](const LoadedImage& image, int) { return KeyValue(image.preModified); }},
      "Pre-modified");
  add({"checksum", 1, "", number(0, 0xFFFF), "The low 16 bits of the byte sum, as the window shows the checksum",
       "BIOS checksum", "Label24", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.checkSum & 0xFFFF)); }});
  add({"byte_sum", 1, "", number(0, 255e6), "The sum of all bytes, which a save restores", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.checkSum)); }},
      "Byte sum");
  add({"size_bytes", 1, "bytes", number(1, 1000000), "The length of the image file", "BIOS size", "Label25", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.bytes.size())); }},
      "Length");

  // The clock tab.
  add({"clock_info.count", 1, "", number(0, 32767), "The number of clock info records the image holds",
       "Clock infos found", "States", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.clockRecordCount)); }},
      "Clock info records");
  add({"clock_info.N.gpu_mhz", kClockBlocks, "MHz", clock, "The GPU (engine) clock of clock info N",
       "Clock info N, GPU (MHz)", "GPU(N)", true,
       clockValue([](const ClockInfo& c) -> std::optional<double> { return megahertz(c.engineClock); })},
      "Clock info N GPU (MHz)", recordBytes(0, 3));
  add({"clock_info.N.memory_mhz", kClockBlocks, "MHz", clock, "The memory clock of clock info N",
       "Clock info N, RAM (MHz)", "RAM(N)", true,
       clockValue([](const ClockInfo& c) -> std::optional<double> { return megahertz(c.memoryClock); })},
      "Clock info N RAM (MHz)", recordBytes(3, 3));
  add({"clock_info.N.voltage_v", kClockBlocks, "V", number(0, 65.535, 0.001, true),
       "The voltage of clock info N; none where the driver sets it (\"---\")", "Clock info N, Voltage (V)",
       "Voltage(N)", true, clockValue([](const ClockInfo& c) { return volts(c.voltage); })},
      "Clock info N voltage (V)", recordBytes(6, 2));
  add({"clocks.locked", 1, "", flag(), "Whether the locked clock infos follow their masters (cards of the 3xx0 family)",
       "Locked", "Check2", true, [](const LoadedImage&, int) { return KeyValue(false); }});
  add({"overdrive.gpu_mhz", 1, "MHz", number(0, 167772.15, 0.01, true), "The Overdrive standard GPU clock",
       "Standard clock GPU", "Label101", false, overdriveValue(&OverdriveClocks::engineClock)},
      "Standard clock GPU (MHz)", overdriveBytes(&OverdriveClocks::engineClock, OverdriveClocks::kEngineOffset));
  add({"overdrive.memory_mhz", 1, "MHz", number(0, 167772.15, 0.01, true), "The Overdrive standard memory clock",
       "Standard clock RAM", "Label102", false, overdriveValue(&OverdriveClocks::memoryClock)},
      "Standard clock RAM (MHz)", overdriveBytes(&OverdriveClocks::memoryClock, OverdriveClocks::kMemoryOffset));
  add({"overdrive.gpu_limit_mhz", 1, "MHz", number(0, 167772.15, 0.01, true),
       "The Overdrive upper limit of the GPU clock", "Upper limit GPU", "Label104", false,
       overdriveValue(&OverdriveClocks::engineLimit)},
      "Upper limit GPU (MHz)", overdriveBytes(&OverdriveClocks::engineLimit, OverdriveClocks::kEngineLimitOffset));
  add({"overdrive.memory_limit_mhz", 1, "MHz", number(0, 167772.15, 0.01, true),
       "The Overdrive upper limit of the memory clock", "Upper limit RAM", "Label103", false,
       overdriveValue(&OverdriveClocks::memoryLimit)},
      "Upper limit RAM (MHz)", overdriveBytes(&OverdriveClocks::memoryLimit, OverdriveClocks::kMemoryLimitOffset));
  add({"states.count", 1, "", number(0, 255),
       "The number of PowerPlay states (none listed for a signature-found table)", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.states().classification.size())); }},
      "PowerPlay states");
  add({"states.N.classification", 255, "", number(0, 0xFFFF), "The classification word of PowerPlay state N", "", "",
       false,
       [](const LoadedImage& image, int s) {
         return KeyValue(double(image.states().classification[static_cast<std::size_t>(s)]));
       },
       stateExists},
      "", [](const LoadedImage& image, int s) -> std::optional<ValueBytes> {
        const auto& states = image.clockLocation.states;
        if (!states || s >= static_cast<int>(states->classificationPositions.size())) return std::nullopt;
        const std::int64_t at = states->classificationPositions[static_cast<std::size_t>(s)];
        return ValueBytes{at, at + 1};
      });
  add({"states.N.description", 255, "", text(), "What the classification of PowerPlay state N says", "", "", false,
       [](const LoadedImage& image, int s) {
         return KeyValue(stateDescription(image.states().classification[static_cast<std::size_t>(s)]));
       },
       stateExists});
  add({"states.N.low_clock_info", 255, "", number(0, 255, 1, true), "The clock info of mode 1 ('low') of state N", "",
       "", false, stateSlot(1), stateExists});
  add({"states.N.medium_clock_info", 255, "", number(0, 255, 1, true), "The clock info of mode 2 ('medium') of state N",
       "", "", false, stateSlot(2), stateExists});
  add({"states.N.high_clock_info", 255, "", number(0, 255, 1, true), "The clock info of mode 3 ('high') of state N", "",
       "", false, stateSlot(3), stateExists});
  for (ValueKey& key : cardKeys()) add(std::move(key));

  // The fan tab.
  add({"fan.settings", 1, "", choice({"none", "type_1", "type_2"}),
       "Which fan settings the image holds that can be edited: none, type-1 settings or a type-2 table", "", "", false,
       [](const LoadedImage& image, int) {
         if (!image.fan.usable) return KeyValue(std::string("none"));
         return KeyValue(std::string(image.fan.location.tableType == FanTableType::Type2 ? "type_2" : "type_1"));
       }},
      "Fan settings");
  add({"fan.mode", 1, "", choice({"transfer_function", "lookup_table"}),
       "How the fan speed follows the temperature: the transfer function or the look-up table", "Fan control mode",
       "Option4 Option5", true,
       [](const LoadedImage& image, int) -> KeyValue {
         const std::optional<bool> transfer = shownFan(image.fan).transferFunction;
         if (!transfer) return none();
         return std::string(*transfer ? "transfer_function" : "lookup_table");
       }},
      "Fan control mode");
  add({"fan.tmin_c", 1, deg, temperature, "Tmin: below it the fan runs at Duty cycle min", "Tmin (\u00B0C)", "Text5",
       true, fanValue(&ShownFan::tmin)},
      "Tmin (\u00B0C)");
  add({"fan.tmax_c", 1, deg, temperature, "Tmax: from it on the fan runs at full speed", "Tmax (\u00B0C)", "Text6",
       true, fanValue(&ShownFan::tmax)},
      "Tmax (\u00B0C)");
  add({"fan.tslope_percent", 1, "%", number(0, kLargestTslope),
       "Tslope: the slope of the transfer function, as the image stores it; a change of Tmin, Tmax or Duty cycle min "
       "computes it anew",
       "Tslope (%)", "Text7", true, fanValue(&ShownFan::tslope)},
      "Tslope (%)");
  add({"fan.computed_tslope_percent", 1, "%", number(0, kLargestTslope, 1, true),
       "The Tslope that Tmin, Tmax and Duty cycle min give", "", "", false, fanValue(&ShownFan::computedTslope)});
  add({"fan.stored_tslope_percent", 1, "%", number(0, kLargestTslope, 1, true),
       "The Tslope the image stores (what fan.tslope_percent shows after a load)", "", "", false,
       [](const LoadedImage& image, int) -> KeyValue {
         if (!image.fan.usable || !image.fan.registers) return none();
         const std::optional<int> stored = percentOf(image.fan.registers->tslope, image.fan.registers->dutyScale);
         return stored ? KeyValue(double(*stored)) : none();
       }});
  add({"fan.duty_min_percent", 1, "%", percent, "Duty cycle min: the slowest the fan runs", "Duty cycle min (%)",
       "Text9", true, fanValue(&ShownFan::dutyCycleMin)},
      "Duty cycle min (%)");
  add({"fan.hysteresis_percent", 1, "%", percent, "The hysteresis of the fan speed", "Hysteresis (%)",
       "Type1Hysteresis", true, fanValue(&ShownFan::hysteresis)},
      "Hysteresis (%)");
  add({"fan.tmin_hysteresis_c", 1, deg, number(0, kLargestSeven), "The hysteresis around Tmin",
       "Tmin hysteresis (\u00B0C)", "Text8", true, fanValue(&ShownFan::tminHysteresis)},
      "Tmin hysteresis (\u00B0C)");
  add({"fan.spin_up_cycle_percent", 1, "%", percent, "The duty cycle the fan starts with", "Spin up cycle (%)", "Text3",
       true, fanValue(&ShownFan::spinUpCycle)},
      "Spin up cycle (%)");
  add({"fan.spin_up_time", 1, "", number(0, kLargestSeven),
       "How long the fan starts at the spin up cycle (internal time units)", "Spin up time (internal time units)",
       "Text4", true, fanValue(&ShownFan::spinUpTime)},
      "Spin up time (internal time units)");
  add({"fan.pwm_ramp_on", 1, "", flag(), "Whether the fan speed changes in ramps", "PWM ramp on", "Check3", true,
       [](const LoadedImage& image, int) -> KeyValue {
         return shownFan(image.fan).transferFunction ? KeyValue(shownFan(image.fan).pwmRampOn) : none();
       }},
      "PWM ramp on");
  add({"fan.pwm_ramp_percent", 1, "%", percent, "The step of a ramp", "PWM ramp (%)", "Text2", true,
       fanValue(&ShownFan::pwmRamp)},
      "PWM ramp (%)");
  add({"fan.lookup.N.threshold_c", kFanTablePoints, deg, number(0, kLargestThreshold),
       "The temperature of point N of the type-1 look-up table", "Look-up table point N, Threshold (\u00B0C)",
       "Type1Threshold(N)", true, fanTableValue(&ShownFan::type1Thresholds)},
      "Look-up threshold N (\u00B0C)");
  add({"fan.lookup.N.speed_percent", kFanTablePoints, "%", percent,
       "The fan speed of point N of the type-1 look-up table", "Look-up table point N, Fan speed (%)",
       "Type1FanSpeed(N)", true, fanTableValue(&ShownFan::type1Speeds)},
      "Look-up fan speed N (%)");
  add({"fan.table.hysteresis_c", 1, deg, number(0, 255), "The hysteresis of the type-2 fan table",
       "Hysteresis (\u00B0C)", "Text1", true, fanValue(&ShownFan::type2Hysteresis)},
      "Fan table hysteresis (\u00B0C)");
  add({"fan.table.N.threshold_c", kFanTablePoints, deg, number(0, kLargestThreshold),
       "The temperature of point N of the type-2 fan table", "Fan table point N, Threshold (\u00B0C)", "Threshold(N)",
       true, fanTableValue(&ShownFan::type2Thresholds)},
      "Fan table threshold N (\u00B0C)");
  add({"fan.table.N.speed_percent", kFanTablePoints, "%", percent, "The fan speed of point N of the type-2 fan table",
       "Fan table point N, Fan speed (%)", "FanSpeed(N)", true, fanTableValue(&ShownFan::type2Speeds)},
      "Fan table speed N (%)");
  add({"fan.register.N", 3, "", number(0, 4294967295.0, 1, true),
       "The 32-bit value of fan register N, with the bits no box shows (a stored Tslope, for one)", "", "", false,
       [](const LoadedImage& image, int n) -> KeyValue {
         const auto& position = image.fan.location.registerPositions[static_cast<std::size_t>(n)];
         const std::optional<std::uint32_t> value = position ? image.bytes.dword(*position) : std::nullopt;
         return value ? KeyValue(double(*value)) : none();
       }},
      "Fan register N", [](const LoadedImage& image, int n) -> std::optional<ValueBytes> {
        // Registers count as the image's fields where the fan's control block was found.
        const auto& at = image.fan.location.registerPositions[static_cast<std::size_t>(n)];
        if (!image.fan.location.fanControlPosition || !at) return std::nullopt;
        return ValueBytes{*at, *at + 3, true};
      });

  // The chain of PCI images of the file, and what follows it.
  constexpr int kImages = 8;
  const auto imageField = [](auto get) {
    return [get](const LoadedImage& image, int n) -> KeyValue {
      const auto& images = image.pciImages.images;
      return n < static_cast<int>(images.size()) ? get(images[static_cast<std::size_t>(n)]) : none();
    };
  };
  const auto imageExists = [](const LoadedImage& image, int n) {
    return n < static_cast<int>(image.pciImages.images.size());
  };
  // A chain may hold more images than keys name: the count says how many
  // there are, within its own range (each image takes at least 512 bytes).
  add({"images.count", 1, "", number(0, kLargestImageFile / 512),
       "How many PCI images the file's chain holds (the AtomBIOS image first); keys name the first 8", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.pciImages.images.size())); }},
      "PCI images");
  add({"images.N.offset", kImages, "", number(0, kLargestImageFile), "Where PCI image N begins in the file", "", "",
       false, imageField([](const PciImage& p) { return KeyValue(double(p.offset)); }), imageExists},
      "PCI image N offset");
  add({"images.N.length_bytes", kImages, "bytes", number(0, 65535 * 512.0),
       "The length of PCI image N, as its data structure declares it", "", "", false,
       imageField([](const PciImage& p) { return KeyValue(double(p.length)); }), imageExists},
      "PCI image N length (bytes)");
  add({"images.N.code_type", kImages, "", text(), "The code PCI image N holds: x86, EFI, Open Firmware or another type",
       "", "", false, imageField([](const PciImage& p) { return KeyValue(codeTypeName(p.codeType)); }), imageExists},
      "PCI image N code type");
  add({"images.N.vendor_id", kImages, "", number(0, 0xFFFF), "The vendor ID the data structure of PCI image N names",
       "", "", false, imageField([](const PciImage& p) { return KeyValue(double(p.vendorId)); }), imageExists},
      "PCI image N vendor ID");
  add({"images.N.device_id", kImages, "", number(0, 0xFFFF), "The device ID the data structure of PCI image N names",
       "", "", false, imageField([](const PciImage& p) { return KeyValue(double(p.deviceId)); }), imageExists},
      "PCI image N device ID");
  add({"images.N.last", kImages, "", flag(), "Whether PCI image N is marked as the last of the chain", "", "", false,
       imageField([](const PciImage& p) { return KeyValue(p.last); }), imageExists},
      "PCI image N marked last");
  add({"images.end_offset", 1, "", number(0, 65535 * 512.0 * 8),
       "Where the chain of PCI images ends (beyond the file when an image claims more than it has)", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.pciImages.end)); }});
  add({"images.tail_bytes", 1, "bytes", number(0, kLargestImageFile),
       "The bytes of the file after its PCI images (memory set-up data on some cards)", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.pciImages.tailBytes)); }},
      "Bytes after the PCI images");
  add({"images.tail_data_bytes", 1, "bytes", number(0, kLargestImageFile),
       "Of the bytes after the PCI images, those that are neither 0x00 nor 0xFF", "", "", false,
       [](const LoadedImage& image, int) { return KeyValue(double(image.pciImages.tailData)); }},
      "Data bytes after the PCI images");
  addMemoryModuleKeys(add);
  return k;
}

// The pattern's "N" replaced by `index`.
std::string withIndex(const std::string& pattern, int index) {
  std::string text = pattern;
  const std::size_t at = text.find('N');
  if (at != std::string::npos && (at == 0 || text[at - 1] == '.' || text[at - 1] == '('))
    text.replace(at, 1, std::to_string(index));
  return text;
}

// The word "N" of a caption or label replaced by `index`.
std::string withIndexWord(std::string text, int count, int index) {
  const std::size_t at = text.find(" N");
  if (count > 1 && at != std::string::npos && (at + 2 == text.size() || text[at + 2] == ',' || text[at + 2] == ' '))
    text.replace(at + 1, 1, std::to_string(index));
  return text;
}

}  // namespace

std::string ValueKey::key(int index) const { return withIndex(pattern, index); }
std::string ValueKey::controlName(int index) const { return withIndex(control, index); }

std::vector<std::string> ValueKey::controlNames(int index) const {
  std::vector<std::string> out;
  const std::string names = controlName(index);
  for (std::size_t start = 0; start < names.size();) {
    const std::size_t end = std::min(names.find(' ', start), names.size());
    out.push_back(names.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::string ValueKey::captionOf(int index) const { return withIndexWord(caption, count, index); }
std::string ValueKey::labelOf(int index) const { return withIndexWord(label, count, index); }

NumberRule numberRule(const KeyType& type) {
  return {type.lowest, type.highest, decimalsOfStep(type.step), type.nullable};
}

const std::vector<ValueKey>& valueKeys() {
  static const std::vector<ValueKey> keys = buildKeys();
  return keys;
}

std::optional<KeyRef> findKey(const std::string& key) {
  // The diff and the check look up a key for each row they report.
  static const std::unordered_map<std::string, KeyRef> keys = [] {
    std::unordered_map<std::string, KeyRef> byKey;
    for (const ValueKey& entry : valueKeys())
      for (int i = 0; i < entry.count; ++i) byKey.emplace(entry.key(i), KeyRef{&entry, i});
    return byKey;
  }();
  const auto found = keys.find(key);
  return found == keys.end() ? std::nullopt : std::optional<KeyRef>(found->second);
}

std::vector<KeyRef> keysUnder(const std::string& prefix) {
  std::vector<KeyRef> keys;
  for (const ValueKey& entry : valueKeys())
    for (int i = 0; i < entry.count; ++i) {
      const std::string key = entry.key(i);
      if (prefix.empty() || key == prefix || key.rfind(prefix + ".", 0) == 0) keys.push_back({&entry, i});
    }
  return keys;
}

const ControlField* fieldOfControl(const std::string& control) {
  static const std::unordered_map<std::string, ControlField> fields = [] {
    std::unordered_map<std::string, ControlField> byName;
    for (const ValueKey& entry : valueKeys())
      for (int i = 0; i < entry.count && !entry.control.empty(); ++i) {
        std::optional<NumberRule> rule;
        if (entry.editable && entry.type.kind == KeyKind::Number) rule = numberRule(entry.type);
        for (const std::string& name : entry.controlNames(i))
          byName.emplace(name, ControlField{{&entry, i}, entry.captionOf(i), rule});
      }
    return byName;
  }();
  const auto found = fields.find(control);
  return found == fields.end() ? nullptr : &found->second;
}

std::optional<KeyRef> keyOfControl(const std::string& control) {
  const ControlField* field = fieldOfControl(control);
  return field ? std::optional<KeyRef>(field->key) : std::nullopt;
}

std::string typeText(const KeyType& type) {
  switch (type.kind) {
    case KeyKind::Number:
      return decimalText(type.lowest) + ".." + decimalText(type.highest) +
             (type.step != 1 ? " step " + decimalText(type.step) : "") + (type.nullable ? " or none" : "");
    case KeyKind::Text:
      return type.largest ? "text of at most " + std::to_string(type.largest) + " characters"
                          : "text no longer than the image's";
    case KeyKind::Choice: {
      std::string entries;
      for (const std::string& entry : type.entries) entries += (entries.empty() ? "" : "|") + entry;
      return entries;
    }
    case KeyKind::Flag: break;
  }
  return "true|false";
}

std::string keyTerms(const ValueKey& entry) {
  std::string terms;
  if (entry.count > 1) terms += "N 0.." + std::to_string(entry.count - 1) + ", ";
  if (!entry.unit.empty()) terms += entry.unit + ", ";
  return terms + typeText(entry.type) + (entry.editable ? "" : ", read-only");
}

std::string keyDescription(const KeyRef& key) {
  const ValueKey& entry = *key.entry;
  std::string meaning = entry.meaning;
  // "clock info N": the index of this key.
  for (std::size_t at = 0; entry.count > 1 && (at = meaning.find(" N", at)) != std::string::npos; at += 2)
    if (at + 2 == meaning.size() || meaning[at + 2] == ' ' || meaning[at + 2] == ',' || meaning[at + 2] == ';')
      meaning.replace(at + 1, 1, std::to_string(key.index));
  std::string terms = entry.unit.empty() ? "" : entry.unit + ", ";
  terms += typeText(entry.type);
  return meaning + "\n" + terms;
}

}  // namespace oza
