// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/card_tables.h"

#include "support/fixture_image.h"

namespace oza::test {

namespace {

constexpr std::int64_t kFirmwareAt = 0x3000;
constexpr std::int64_t kVoltageAt = 0x3100;
constexpr int kMasterSize = 4 + 34 * 2;
constexpr int kPowerPlayHeaderSize = 0x21;

void putMasterEntry(std::vector<std::uint8_t>& b, int index, std::int64_t at) {
  if ((b[FixtureImage::kMasterData] | b[FixtureImage::kMasterData + 1] << 8) < kMasterSize)
    putWord(b, FixtureImage::kMasterData, kMasterSize);
  putWord(b, FixtureImage::kMasterData + 4 + 2 * index, static_cast<std::uint32_t>(at));
}

void putFirmware(std::vector<std::uint8_t>& b, const FirmwareFields& f) {
  putWord(b, kFirmwareAt, f.size);
  b[kFirmwareAt + 2] = 1, b[kFirmwareAt + 3] = f.contentRevision;
  putDword(b, kFirmwareAt + 8, f.engineClock);
  putDword(b, kFirmwareAt + 12, f.memoryClock);
  putDword(b, kFirmwareAt + 24, f.engineClockPllMax);
  putDword(b, kFirmwareAt + 28, f.memoryClockPllMax);
  putWord(b, kFirmwareAt + 46, f.bootVoltage);
  putWord(b, kFirmwareAt + 64, f.engineClockPllMin);
  putWord(b, kFirmwareAt + 70, f.memoryClockPllMin);
  putMasterEntry(b, 4, kFirmwareAt);
}

void putVoltage(std::vector<std::uint8_t>& b, const VoltageTable& v) {
  std::int64_t at = kVoltageAt + 4;
  for (const auto& object : v.objects)
    for (const std::uint8_t byte : object) b.at(static_cast<std::size_t>(at++)) = byte;
  putWord(b, kVoltageAt, static_cast<std::uint32_t>(at - kVoltageAt));
  b[kVoltageAt + 2] = 1, b[kVoltageAt + 3] = v.contentRevision;
  putMasterEntry(b, 32, kVoltageAt);
}

void putThermal(std::vector<std::uint8_t>& b, const ThermalFields& t) {
  const std::int64_t p = FixtureImage::kPowerPlay;
  if ((b[p] | b[p + 1] << 8) < kPowerPlayHeaderSize) putWord(b, p, kPowerPlayHeaderSize);
  b[p + 0x19] = t.type, b[p + 0x1C] = t.fanParameters, b[p + 0x1D] = t.minRpm, b[p + 0x1E] = t.maxRpm;
  putMasterEntry(b, 15, p);
}

std::vector<std::uint8_t> objectHead(std::uint8_t type, std::uint8_t size, std::uint8_t controlId) {
  std::vector<std::uint8_t> object(18, 0);
  object[0] = type, object[1] = size, object[2] = controlId;
  return object;
}

}  // namespace

std::vector<std::uint8_t> formulaObject(std::uint8_t type, std::uint8_t controlId, std::uint16_t base,
                                        std::uint16_t step, std::uint8_t entries, std::uint8_t flags) {
  auto object = objectHead(type, static_cast<std::uint8_t>(26 + entries), controlId);
  object.insert(object.end(),
                {static_cast<std::uint8_t>(base), static_cast<std::uint8_t>(base >> 8), static_cast<std::uint8_t>(step),
                 static_cast<std::uint8_t>(step >> 8), entries, flags, 0, 0});
  for (int i = 0; i < entries; ++i) object.push_back(static_cast<std::uint8_t>(i));
  return object;
}

std::vector<std::uint8_t> lookUpObject(std::uint8_t type, std::uint8_t controlId,
                                       const std::vector<std::uint16_t>& millivolts) {
  const auto entries = static_cast<std::uint8_t>(millivolts.size());
  auto object = objectHead(type, static_cast<std::uint8_t>(22 + 4 * entries), controlId);
  object.insert(object.end(), {entries, 0, 0, 0});
  for (std::size_t i = 0; i < millivolts.size(); ++i)
    object.insert(object.end(), {static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(millivolts[i]),
                                 static_cast<std::uint8_t>(millivolts[i] >> 8)});
  return object;
}

void addCardTables(std::vector<std::uint8_t>& bytes, const CardTables& tables) {
  const std::int64_t before = sumOf(bytes);
  if (tables.firmware) putFirmware(bytes, *tables.firmware);
  if (tables.voltage) putVoltage(bytes, *tables.voltage);
  if (tables.thermal) putThermal(bytes, *tables.thermal);
  bytes[0x21] = static_cast<std::uint8_t>(bytes[0x21] - (sumOf(bytes) - before));
}

CardTables hd4670Tables() {
  CardTables tables;
  tables.firmware = FirmwareFields{};
  tables.voltage = VoltageTable{1, {formulaObject(1, 0x80, 900, 100, 4)}};
  tables.thermal = ThermalFields{11, 0x00, 0, 0};
  return tables;
}

}  // namespace oza::test
