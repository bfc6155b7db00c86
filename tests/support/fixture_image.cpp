// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fixture_image.h"

#include <fstream>
#include <numeric>
#include <stdexcept>

namespace oza::test {

void putWord(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value) {
  b.at(static_cast<std::size_t>(at)) = value & 0xFF;
  b.at(static_cast<std::size_t>(at + 1)) = (value >> 8) & 0xFF;
}

void putClock(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value) {
  putWord(b, at, value & 0xFFFF);
  b.at(static_cast<std::size_t>(at + 2)) = (value >> 16) & 0xFF;
}

void putDword(std::vector<std::uint8_t>& b, std::int64_t at, std::uint32_t value) {
  putWord(b, at, value & 0xFFFF);
  putWord(b, at + 2, value >> 16);
}

std::int64_t sumOf(const std::vector<std::uint8_t>& bytes) {
  return std::accumulate(bytes.begin(), bytes.end(), std::int64_t{0});
}

namespace {

std::int64_t putText(std::vector<std::uint8_t>& b, std::int64_t at, const std::string& text) {
  for (char c : text) b.at(static_cast<std::size_t>(at++)) = static_cast<std::uint8_t>(c);
  return at;
}

std::int64_t putBytes(std::vector<std::uint8_t>& b, std::int64_t at, std::initializer_list<std::uint8_t> bytes) {
  for (auto v : bytes) b.at(static_cast<std::size_t>(at++)) = v;
  return at;
}

std::uint32_t field(int value, int low) { return static_cast<std::uint32_t>(value) << low; }

}  // namespace

FanRegisters registersFor(const Type1Fields& f) {
  FanRegisters r;
  r.reg0 = field(f.hysteresis, 17) | field(f.spinUpCycle, 8) | field(f.pwmRampOn, 23) | field(f.pwmRamp, 24);
  r.reg1 = field(f.dutyScale, 0) | field(f.tslope, 16) | field(f.dutyMin, 8);
  r.reg2 = field(f.controlMode, 11) | field(f.tmin, 0) | field(f.tmax, 17) | field(f.tminHysteresis, 14) |
           field(f.spinUpTime, 8);
  return r;
}

FixtureImage::FixtureImage(std::size_t size) : size_(size) { registers = registersFor(Type1Fields{}); }

std::int64_t FixtureImage::clockPosition() const {
  if (revision4) return kPowerPlay + 0x20;
  static const int offsets[] = {0, 11, 36, 40, 16};
  return kPowerPlay + 0x100 + offsets[signature];
}

// A PCI data structure ("PCIR") of 24 bytes: vendor 0x1002, `device`, the
// image's length in 512-byte units, its code type and the last-image flag.
void putPciData(std::vector<std::uint8_t>& b, std::int64_t at, std::uint16_t device, std::size_t sectors,
                std::uint8_t codeType, bool last) {
  putBytes(b, at, {'P', 'C', 'I', 'R'});
  putWord(b, at + 4, 0x1002);
  putWord(b, at + 6, device);
  putWord(b, at + 0x0A, 0x18);
  b.at(static_cast<std::size_t>(at + 0x0C)) = 0;
  putBytes(b, at + 0x0D, {0x00, 0x00, 0x03});  // display controller
  putWord(b, at + 0x10, static_cast<std::uint32_t>(sectors));
  b.at(static_cast<std::size_t>(at + 0x14)) = codeType;
  b.at(static_cast<std::size_t>(at + 0x15)) = last ? 0x80 : 0x00;
}

std::vector<std::uint8_t> FixtureImage::build() const {
  std::vector<std::uint8_t> b(size_, 0);
  const std::size_t declared = declaredSize ? declaredSize : size_;
  putBytes(b, 0, {0x55, 0xAA, static_cast<std::uint8_t>((declared / 512) & 0xFF)});
  putWord(b, 0x48, kRomHeader);
  // The PCI data structure of the first image.
  putWord(b, 0x18, kPciData);
  putPciData(b, kPciData, pciDeviceId, declared / 512, 0, declared == size_);
  putText(b, 0x50, (date + std::string(15, ' ')).substr(0, 15));
  b[0x6E] = kStrings;
  putWord(b, 0x7C, subVendor);
  putWord(b, 0x88, cardId);

  // String block.
  std::int64_t p = kStrings;
  for (const std::string* s : {&version, &chipType, &cardInterface, &ramType}) {
    p = putText(b, p, *s);
    b.at(static_cast<std::size_t>(p++)) = 0;
  }
  p = putText(b, p, "\r\n" + hardwareSpecs + "\r\n");
  if (cableMessage) {
    p = putText(b, p, *cableMessage + "\r\n");
    if (!plainCableSeparator) p = putBytes(b, p, {0x00, 0x0D, 0x0A});
  }
  p = putText(b, p, copyright);
  b.at(static_cast<std::size_t>(p++)) = 0;
  p = putText(b, p, atomVersion);
  b.at(static_cast<std::size_t>(p++)) = 0;
  if (p > kRomHeader) throw std::logic_error("string block too long for the fixture");

  // AtomBIOS pointer chain.
  putWord(b, kRomHeader + 0x1E, kMasterCommand);
  putWord(b, kRomHeader + 0x20, kMasterData);
  putWord(b, kMasterData + 0x22, kPowerPlay);
  putWord(b, kMasterCommand + 0x76, kFanTable);
  // The masters are sized for the entries written, so that they do not
  // overlap: the data master through VRAM_Info, the command master through
  // the fan-control table.
  putWord(b, kMasterData, 4 + 2 * 29);
  putWord(b, kMasterCommand, 4 + 2 * 58);
  if (!vramInfo.empty()) {
    putWord(b, kMasterData + 4 + 2 * 28, kVramInfo);
    for (std::size_t i = 0; i < vramInfo.size(); ++i) b.at(static_cast<std::size_t>(kVramInfo) + i) = vramInfo[i];
  }

  // PowerPlay.
  const std::int64_t records = clockPosition();
  if (revision4) {
    const int nonClockSize = 12;
    const std::int64_t stateArray = 0x20 + 16 * static_cast<std::int64_t>(clocks.size()) + 5;
    const std::int64_t nonClock = stateArray + stateEntrySize * static_cast<std::int64_t>(states.size());
    putBytes(b, kPowerPlay + 2, {tableRevision, 1, 0});
    b[kPowerPlay + 5] = static_cast<std::uint8_t>(states.size());
    b[kPowerPlay + 6] = static_cast<std::uint8_t>(stateEntrySize);
    b[kPowerPlay + 7] = clockInfoSize;
    b[kPowerPlay + 8] = nonClockSize;
    putWord(b, kPowerPlay + 0x09, static_cast<std::uint32_t>(stateArray));
    putWord(b, kPowerPlay + 0x0B, 0x20);
    putWord(b, kPowerPlay + 0x0D, static_cast<std::uint32_t>(nonClock));
    for (std::size_t s = 0; s < states.size(); ++s) {
      const std::int64_t entry = kPowerPlay + stateArray + static_cast<std::int64_t>(s) * stateEntrySize;
      b.at(static_cast<std::size_t>(entry)) = static_cast<std::uint8_t>(s);
      for (std::size_t j = 0; j < states[s].clockIndices.size() && static_cast<int>(j) + 1 < stateEntrySize; ++j)
        b.at(static_cast<std::size_t>(entry + 1 + static_cast<std::int64_t>(j))) = states[s].clockIndices[j];
      putWord(b, kPowerPlay + nonClock + static_cast<std::int64_t>(s) * nonClockSize, states[s].classification);
    }
  } else {
    putBytes(b, kPowerPlay + 2, {3, 1, 0});
    const std::int64_t at = kPowerPlay + 0x100;
    switch (signature) {
      case 1: putBytes(b, at, {0x01, 0x02, 0x03, 0x02, 0x04, 0x05, 0x06, 0x03, 0x07, 0x08, 0x09}); break;
      case 2: putBytes(b, at, {0x25, 0x00, 0x2D, 0x00, 0x6D, 0x00}); break;
      case 3: putBytes(b, at, {0x25, 0x00, 0x31, 0x00, 0xA1, 0x00}); break;
      default: putBytes(b, at, {0x31, 0x00, 0x91, 0x00, 0x00, 0x00, 0x01}); break;
    }
  }
  for (std::size_t r = 0; r < clocks.size(); ++r) {
    const std::int64_t at = records + 16 * static_cast<std::int64_t>(r);
    putClock(b, at, clocks[r].gpu);
    putClock(b, at + 3, clocks[r].ram);
    putWord(b, at + 6, clocks[r].voltage);
  }
  if (endSignature)
    putBytes(b, records + 16 * static_cast<std::int64_t>(clocks.size()), {0x08, 0x00, 0x00, 0x00, 0x7A});

  // Overdrive.
  if (overdrive) {
    putBytes(b, kOverdrive, {0x59, 0x00, 0x01, 0x04});
    const std::int64_t q = kOverdrive + 8;
    putClock(b, q, odGpu);
    putClock(b, q + 4, odRam);
    putClock(b, q + 24, odRamLimit);
    putClock(b, q + 28, odGpuLimit);
  }

  // Fan-control command table: three register writes, then the data section.
  p = kFanTable + 4;
  const std::uint32_t firstRegister = rv770Registers ? 0x01DB : 0x0201;
  const std::uint32_t values[] = {registers.reg0, registers.reg1, registers.reg2};
  for (int n = 0; n < 3; ++n) {
    p = putBytes(b, p, {0x01, 0x00});
    putWord(b, p, firstRegister + static_cast<std::uint32_t>(n));
    putDword(b, p + 2, values[n]);
    p += 6;
  }
  p += 4;
  if (secondFanSection) p = putBytes(b, p, {0x7A, 0x08, 0x00, 0x05, 0, 0, 0, 0, 0, 0});
  if (fanType == 1) {
    p = putBytes(b, p, {0x7A, 0x15, 0x00, 0x01, 0x00});
    for (auto t : type1Thresholds) b.at(static_cast<std::size_t>(p++)) = t;
    for (auto s : type1Speeds) b.at(static_cast<std::size_t>(p++)) = s;
  } else if (fanType == 2) {
    p = putBytes(b, p, {0x7A, 40, 0x00, 0x02, 'M', type2ScaleByte, 'O', type2Hysteresis, 'P'});
    for (std::size_t k = 0; k < 8; ++k) p = putBytes(b, p, {type2Thresholds[k], 0x00, type2Speeds[k], 0x00});
  }

  // Filler and checksum of the declared image.
  const std::int64_t filler = static_cast<std::int64_t>(declared) - 0x2000;
  b.at(static_cast<std::size_t>(filler)) = 0x5B;
  for (std::size_t i = static_cast<std::size_t>(filler) + 1; i < declared; ++i) b[i] = 0xFF;
  // A second image (a network boot ROM, say), then padding.
  if (declared < size_) {
    putBytes(b, static_cast<std::int64_t>(declared), {0x55, 0xAA, 0x10});
    for (std::size_t i = declared + 3; i < declared + 0x2000 && i < size_; ++i)
      b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    for (std::size_t i = declared + 0x2000; i < size_; ++i) b[i] = 0xFF;
    putWord(b, static_cast<std::int64_t>(declared) + 0x18, 0x1C);
    putPciData(b, static_cast<std::int64_t>(declared) + 0x1C, secondPciDeviceId, 0x2000 / 512, 3, true);
  }
  b[0x21] = 0;
  const auto declaredSum =
      std::accumulate(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(declared), std::int64_t{0});
  b[0x21] = static_cast<std::uint8_t>((256 - declaredSum % 256) % 256);
  return b;
}

void FixtureImage::save(const std::string& path) const {
  const auto bytes = build();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path);
}

}  // namespace oza::test
