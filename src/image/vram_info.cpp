// SPDX-License-Identifier: GPL-3.0-or-later

#include "image/vram_info.h"

#include <array>

#include "image/hex_fields.h"

namespace oza {

namespace {

constexpr std::int64_t kModuleCount = 19;  // byte, the same place in both revisions
constexpr std::int64_t kFirstModule = 20;
constexpr std::int64_t kModuleSize = 4;  // word, in each module
constexpr std::int64_t kMegabytesPerUnit = 16;

// Where a module of each revision keeps its fields.
struct ModuleLayout {
  std::int64_t type, vendor, timings;
  std::optional<std::int64_t> size;  // bytes of 16 MB
};
constexpr ModuleLayout kRevision3{24, 25, 36, std::nullopt};
constexpr ModuleLayout kRevision4{11, 28, 32, 20};

// The timing entry of the public header is 24 bytes; GDDR5 modules may
// carry the longer entries of the later formats.
constexpr std::array<int, 3> kStrides = {24, 36, 33};

std::vector<MemoryStrap> strapsAt(const ByteImage& image, std::int64_t first, std::int64_t bytes, int stride) {
  std::vector<MemoryStrap> straps;
  for (std::int64_t at = first; at + stride <= first + bytes; at += stride) {
    const auto clock = image.dword(at);
    if (!clock) break;
    straps.push_back({at, *clock});
  }
  return straps;
}

bool rising(const std::vector<MemoryStrap>& straps) {
  for (std::size_t i = 0; i < straps.size(); ++i)
    if (straps[i].upTo == 0 || (i > 0 && straps[i].upTo <= straps[i - 1].upTo)) return false;
  return true;
}

// The entries fill the module after its fields: the stride is the one that
// fills it exactly with rising clocks, else the public one.
void readStraps(const ByteImage& image, const ModuleLayout& layout, MemoryModule& module) {
  const std::int64_t bytes = module.size - layout.timings;
  const std::int64_t first = module.position + layout.timings;
  for (int stride : kStrides) {
    if (bytes <= 0 || bytes % stride != 0) continue;
    auto straps = strapsAt(image, first, bytes, stride);
    if (!rising(straps)) continue;
    module.strapStride = stride;
    module.straps = std::move(straps);
    return;
  }
  module.strapStride = kStrides[0];
  if (bytes > 0) module.straps = strapsAt(image, first, bytes, kStrides[0]);
}

std::optional<MemoryModule> readModule(const ByteImage& image, const ModuleLayout& layout, std::int64_t position) {
  ImageReader read(image);
  MemoryModule module;
  module.position = position;
  module.size = static_cast<int>(read.word(position + kModuleSize));
  module.typeByte = read.byte(position + layout.type);
  module.vendorByte = read.byte(position + layout.vendor);
  if (layout.size) {
    const int units = read.byte(position + *layout.size);
    if (units) module.sizeMb = static_cast<int>(units * kMegabytesPerUnit);
  }
  if (!read.ok()) return std::nullopt;
  readStraps(image, layout, module);
  return module;
}

}  // namespace

std::optional<VramInfo> readVramInfo(const ByteImage& image) {
  const auto header = dataTable(image, DataTable::VramInfo);
  if (!header || header->formatRevision != 1 || (header->contentRevision != 3 && header->contentRevision != 4))
    return std::nullopt;
  const ModuleLayout& layout = header->contentRevision == 3 ? kRevision3 : kRevision4;
  VramInfo info;
  info.header = *header;
  info.declaredModules = image.at(header->position + kModuleCount).value_or(0);
  const std::int64_t end = header->position + header->size;
  std::int64_t position = header->position + kFirstModule;
  for (int i = 0; i < info.declaredModules; ++i) {
    const std::string which = "module " + std::to_string(i);
    const auto size = image.word(position + kModuleSize);
    if (!size || *size < layout.timings) {
      info.problems.push_back(which + " is too short to hold its fields");
      break;
    }
    if (position + *size > end) {
      info.problems.push_back(which + " runs past the end of the table");
      break;
    }
    const auto module = readModule(image, layout, position);
    if (!module) {
      info.problems.push_back(which + " lies outside the image");
      break;
    }
    info.modules.push_back(*module);
    position += *size;
  }
  return info;
}

std::string MemoryModule::vendor() const { return memoryVendorName(vendorId()); }
std::string MemoryModule::type() const { return memoryTypeName(typeByte); }

std::string memoryVendorName(int id) {
  switch (id) {
    case 0x1: return "Samsung";
    case 0x2: return "Infineon/Qimonda";
    case 0x3: return "Elpida";
    case 0x4: return "Etron";
    case 0x5: return "Nanya";
    case 0x6: return "Hynix";
    case 0x7: return "Mosel";
    case 0x8: return "Winbond";
    case 0x9: return "ESMT";
    case 0xF: return "Micron";
    default: return "vendor 0x" + hexText(static_cast<std::uint64_t>(id), 1);
  }
}

std::string memoryTypeName(int typeByte) {
  switch (typeByte >> 4) {
    case 0x1: return "DDR";
    case 0x2: return "DDR2";
    case 0x3: return "GDDR3";
    case 0x4: return "GDDR4";
    case 0x5: return "GDDR5";
    case 0xB: return "DDR3";
    default: return "type 0x" + hexText(static_cast<std::uint64_t>(typeByte >> 4), 1);
  }
}

}  // namespace oza
