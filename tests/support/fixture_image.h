// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace oza::test {

// One clock info record: GPU and memory clock in 10 kHz, voltage in mV.
struct ClockRecord {
  std::uint32_t gpu = 0;
  std::uint32_t ram = 0;
  std::uint16_t voltage = 0;
};

// A PowerPlay state of a revision-4 table.
struct PowerPlayState {
  std::uint16_t classification = 0;
  std::vector<std::uint8_t> clockIndices;  // one per slot
};

struct FanRegisters {
  std::uint32_t reg0 = 0;
  std::uint32_t reg1 = 0;
  std::uint32_t reg2 = 0;
};

// Assembles a synthetic AtomBIOS image so that each test states the bytes it
// cares about. Layout (64 kB by default):
//   0x00 55 AA, 0x02 size / 512, 0x07..0x16 zero, 0x21 checksum byte,
//   0x48 -> ROM header (0x0200): +0x1E master command table (0x0280),
//   +0x20 master data table (0x0240) whose +0x22 -> PowerPlay table (0x0800),
//   0x50 date text, 0x6E -> string block (0x90), 0x7C sub vendor, 0x88 card ID,
//   Overdrive block at 0x1000, fan-control command table at 0x2000 (last, so
//   that no other 0x7A byte follows it), filler "[" at size - 0x2000, then
//   0xFF to the end.
class FixtureImage {
 public:
  static constexpr std::int64_t kRomHeader = 0x0200;
  static constexpr std::int64_t kMasterData = 0x0240;
  static constexpr std::int64_t kMasterCommand = 0x0280;
  static constexpr std::int64_t kFanTable = 0x2000;
  static constexpr std::int64_t kPowerPlay = 0x0800;
  static constexpr std::int64_t kOverdrive = 0x1000;
  static constexpr std::int64_t kStrings = 0x90;
  static constexpr std::int64_t kPciData = 0x24;  // the first image's "PCIR", from the word at 0x18
  static constexpr std::int64_t kVramInfo = 0x3000;

  explicit FixtureImage(std::size_t size = 65536);

  // Information strings. A cable message is written with the separator real
  // images use (LF, 0, CR LF) unless `plainCableSeparator`.
  std::string version = "113-B50102-101";
  std::string chipType = "RV670";
  std::string cardInterface = "PCI_EXPRESS";
  std::string ramType = "GDDR3";
  std::string hardwareSpecs = "ATI Radeon HD 3870 X2 512MB 256bit GDDR3";
  std::optional<std::string> cableMessage;
  bool plainCableSeparator = false;
  std::string copyright = "(C) 1988-2005, ATI Technologies Inc. ";
  std::string atomVersion = "ATOMBIOSBK-ATI VER010.069.000.000.000000";
  std::string date = "09/10/08 14:22 ";
  std::uint16_t subVendor = 0x1002;
  std::uint16_t cardId = 0x9501;
  // The device IDs the PCI data structures of the first image and of the
  // second one (where the declared image is shorter than the file) name.
  std::uint16_t pciDeviceId = 0x9501;
  std::uint16_t secondPciDeviceId = 0x9501;

  // PowerPlay. With `revision4`, a revision-4 table with `states`; otherwise
  // the records follow clock table signature `signature` (1..4) placed at
  // kPowerPlay, and the PowerPlay pointer leads to a table of revision 3.
  bool revision4 = true;
  // With `revision4`: the revision byte written (5: the newer header, read
  // the same way) and the clock info record size the header declares.
  std::uint8_t tableRevision = 4;
  std::uint8_t clockInfoSize = 16;
  int signature = 1;
  std::vector<ClockRecord> clocks = {
      {30000, 50000, 1100}, {30000, 50000, 1100}, {50000, 80000, 1200}, {77500, 112600, 1300}};
  std::vector<PowerPlayState> states = {{0x0008, {0, 0, 0}}, {0x0001, {1, 2, 3}}};
  int stateEntrySize = 4;
  bool endSignature = true;

  // Overdrive: standard GPU/RAM clock, RAM/GPU upper limit (10 kHz).
  bool overdrive = true;
  std::uint32_t odGpu = 77500, odRam = 112500, odRamLimit = 120000, odGpuLimit = 86000;

  // Fan controller: 0 none (no 0x7A in the table), 1 or 2.
  int fanType = 1;
  bool rv770Registers = false;  // register numbers 0x01DB.. instead of 0x0201..
  FanRegisters registers;
  std::vector<std::uint8_t> type1Thresholds = {60, 65, 70, 75, 80, 85, 90, 98};
  std::vector<std::uint8_t> type1Speeds = {76, 105, 128, 156, 178, 207, 230, 255};  // of DutyScale 255
  std::uint8_t type2ScaleByte = 0x7F;                                               // "M" byte; scale = 2 * byte
  std::uint8_t type2Hysteresis = 3;
  std::vector<std::uint8_t> type2Thresholds = {40, 50, 60, 70, 80, 90, 100, 110};
  std::vector<std::uint8_t> type2Speeds = {38, 51, 64, 76, 89, 102, 114, 127};
  bool secondFanSection = false;  // an earlier type-1 section (for the R680 rule)

  // A VRAM_Info table (test::vramInfoTable), written at kVramInfo and listed
  // in the master data table, when not empty.
  std::vector<std::uint8_t> vramInfo;

  // A declared image shorter than the file (byte 0x02 x 512), followed by a
  // second option-ROM image and 0xFF padding; 0 for a file that is one image.
  std::size_t declaredSize = 0;

  // Writes every part into the bytes, fixes the byte sum to 0 mod 256.
  std::vector<std::uint8_t> build() const;
  // Builds and writes to `path`.
  void save(const std::string& path) const;

  std::size_t size() const { return size_; }

  // Clock info records position in a built image.
  std::int64_t clockPosition() const;

 private:
  std::size_t size_;
};

// Register values with the given fields set.
struct Type1Fields {
  int controlMode = 2, dutyScale = 255, tmin = 40, tmax = 106, tslope = 0, dutyMin = 38;
  int hysteresis = 24, tminHysteresis = 4, spinUpCycle = 0, spinUpTime = 0;
  int pwmRampOn = 1, pwmRamp = 3;
};
FanRegisters registersFor(const Type1Fields& fields);

void putWord(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value);
void putClock(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value);
void putDword(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value);
std::int64_t sumOf(const std::vector<std::uint8_t>& bytes);

}  // namespace oza::test
