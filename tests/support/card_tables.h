// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace oza::test {

// FirmwareInfo fields (clocks in 10 kHz, voltage in mV).
struct FirmwareFields {
  std::uint8_t contentRevision = 4;
  std::uint16_t size = 89;
  std::uint32_t engineClock = 68000, memoryClock = 79000;
  std::uint32_t engineClockPllMax = 250000, memoryClockPllMax = 250000;
  std::uint16_t engineClockPllMin = 50000, memoryClockPllMin = 50000;
  std::uint16_t bootVoltage = 1200;
};

// One voltage object of a VoltageObjectInfo table, as bytes.
std::vector<std::uint8_t> formulaObject(std::uint8_t type, std::uint8_t controlId, std::uint16_t base,
                                        std::uint16_t step, std::uint8_t entries, std::uint8_t flags = 0);
std::vector<std::uint8_t> lookUpObject(std::uint8_t type, std::uint8_t controlId,
                                       const std::vector<std::uint16_t>& millivolts);

struct VoltageTable {
  std::uint8_t contentRevision = 1;
  std::vector<std::vector<std::uint8_t>> objects;
};

struct ThermalFields {
  std::uint8_t type = 8;
  std::uint8_t fanParameters = 0x02;  // a fan, 2 pulses per revolution
  std::uint8_t minRpm = 10, maxRpm = 45;
};

// The card tables of a fixture: each given one is written into `bytes`, an
// image FixtureImage built, and the byte sum is restored.
struct CardTables {
  std::optional<FirmwareFields> firmware;
  std::optional<VoltageTable> voltage;
  std::optional<ThermalFields> thermal;
};
void addCardTables(std::vector<std::uint8_t>& bytes, const CardTables& tables);

// The tables of the real HD 4670 as a fixture has them.
CardTables hd4670Tables();

}  // namespace oza::test
