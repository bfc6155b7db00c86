// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/firmware_info.h"

#include "image/data_tables.h"

namespace oza {

namespace {

// Offsets of ATOM_FIRMWARE_INFO_V1_3 / _V1_4, from the table's start.
constexpr std::int64_t kDefaultEngineClock = 8;
constexpr std::int64_t kDefaultMemoryClock = 12;
constexpr std::int64_t kMaxEngineClockPll = 24;
constexpr std::int64_t kMaxMemoryClockPll = 28;
constexpr std::int64_t kBootVoltage = 46;
constexpr std::int64_t kMinEngineClockPll = 64;
constexpr std::int64_t kMinMemoryClockPll = 70;
// Up to and including the last field read.
constexpr int kLastFieldEnd = kMinMemoryClockPll + 2;

}  // namespace

std::optional<FirmwareInfo> readFirmwareInfo(const ByteImage& image) {
  const auto table = dataTable(image, DataTable::FirmwareInfo);
  if (!table || table->formatRevision != 1) return std::nullopt;
  if (table->contentRevision != 3 && table->contentRevision != 4) return std::nullopt;
  if (table->size < kLastFieldEnd) return std::nullopt;
  const std::int64_t at = table->position;
  ImageReader read(image);
  FirmwareInfo info;
  info.contentRevision = table->contentRevision;
  info.bootEngineClock = read.dword(at + kDefaultEngineClock);
  info.bootMemoryClock = read.dword(at + kDefaultMemoryClock);
  info.engineClockPllMax = read.dword(at + kMaxEngineClockPll);
  info.memoryClockPllMax = read.dword(at + kMaxMemoryClockPll);
  info.engineClockPllMin = read.word(at + kMinEngineClockPll);
  info.memoryClockPllMin = read.word(at + kMinMemoryClockPll);
  const auto bootVoltage = static_cast<std::uint16_t>(read.word(at + kBootVoltage));
  if (table->contentRevision >= 4) info.bootVoltage = bootVoltage;
  if (!read.ok()) return std::nullopt;
  return info;
}

}  // namespace oza
