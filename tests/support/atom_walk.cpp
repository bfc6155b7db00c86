// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/atom_walk.h"

namespace oza::test {

namespace {

struct Reader {
  const std::vector<std::uint8_t>& bytes;
  bool ok = true;
  std::uint32_t byte(std::size_t at) {
    if (at >= bytes.size()) {
      ok = false;
      return 0;
    }
    return bytes[at];
  }
  std::uint32_t word(std::size_t at) { return byte(at) | byte(at + 1) << 8; }
  std::uint32_t triple(std::size_t at) { return word(at) | byte(at + 2) << 16; }
};

}  // namespace

std::optional<std::vector<WalkedClock>> walkClockInfos(const std::vector<std::uint8_t>& bytes) {
  Reader read{bytes};
  const std::size_t romHeader = read.word(0x48);
  const std::size_t masterData = read.word(romHeader + 0x20);
  // The PowerPlay table is the 16th entry after the table's 4-byte header.
  const std::size_t table = read.word(masterData + 4 + 15 * 2);
  const std::uint32_t revision = read.byte(table + 2);
  const std::uint32_t recordSize = read.byte(table + 7);
  const std::size_t states = table + read.word(table + 0x09);
  const std::size_t clocks = table + read.word(table + 0x0B);
  const std::size_t nonClock = table + read.word(table + 0x0D);
  if (!read.ok || (revision != 4 && revision != 5) || recordSize != 16) return std::nullopt;

  std::size_t end = bytes.size();
  for (std::size_t next : {states, nonClock})
    if (next > clocks && next < end) end = next;
  std::vector<WalkedClock> records;
  for (std::size_t at = clocks; at + 16 <= end; at += 16)
    records.push_back({read.triple(at), read.triple(at + 3), static_cast<std::uint16_t>(read.word(at + 6))});
  if (!read.ok) return std::nullopt;
  return records;
}

std::vector<WalkedPciImage> walkPciChain(const std::vector<std::uint8_t>& bytes) {
  std::vector<WalkedPciImage> chain;
  Reader read{bytes};
  for (std::size_t at = 0;;) {
    if (read.word(at) != 0xAA55) break;
    const std::size_t pcir = at + read.word(at + 0x18);
    if (read.word(pcir) != ('P' | 'C' << 8) || read.word(pcir + 2) != ('I' | 'R' << 8) || !read.ok) break;
    WalkedPciImage image{at, read.word(pcir + 0x10) * std::size_t{512}, read.byte(pcir + 0x14), read.word(pcir + 6),
                         (read.byte(pcir + 0x15) & 0x80) != 0};
    if (!read.ok) break;
    chain.push_back(image);
    if (image.length == 0 || image.last) break;
    at += image.length;
  }
  return chain;
}

}  // namespace oza::test
