// SPDX-License-Identifier: GPL-3.0-or-later

#include "card/pci_cards.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>

#include "files/file_descriptor.h"
#include "files/file_io.h"
#include "files/file_reading.h"
#include "image/id_tables.h"
#include "image/pci_images.h"
#include "text/number_text.h"

namespace oza {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAtiVendor = "0x1002";

fs::path devicesFolder(const std::string& root) { return fs::path(root) / "bus" / "pci" / "devices"; }

// Kernel attributes hold a line or two; anything longer is no attribute.
constexpr std::uintmax_t kLargestAttribute = 4096;

// A small attribute file such as `vendor`, lower case: the device folder's
// own entry, never a link out of it, and never more than a few kilobytes,
// whatever has been put in its place.
std::string attributeText(const fs::path& device, const char* name) {
  const FileDescriptor folder(::open(device.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder) return {};
  auto read = readFolderEntry(folder.get(), name, {kLargestAttribute, true, false});
  if (!read) return {};
  std::transform(read->begin(), read->end(), read->begin(), [](unsigned char c) { return std::tolower(c); });
  return std::move(*read);
}

// Its first line.
std::string attribute(const fs::path& device, const char* name) {
  const std::string text = attributeText(device, name);
  return text.substr(0, text.find_first_of("\r\n"));
}

std::optional<std::uint64_t> hexNumber(const std::string& text) {
  if (text.rfind("0x", 0) != 0) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The size of the device's ROM window: the seventh line of `resource` (one
// line per region: start, end and flags) is the expansion ROM's. Nothing
// when the device has none or the line is no such triple.
std::optional<std::int64_t> romWindow(const fs::path& device) {
  constexpr int kRomLine = 6;
  std::istringstream lines(attributeText(device, "resource"));
  std::string line;
  for (int n = 0; n <= kRomLine; ++n)
    if (!std::getline(lines, line)) return std::nullopt;
  std::istringstream fields(line);
  std::string startText, endText, flagsText;
  if (!(fields >> startText >> endText >> flagsText)) return std::nullopt;
  const auto start = hexNumber(startText), end = hexNumber(endText);
  if (!start || !end || *end <= *start || *end - *start >= std::uint64_t{1} << 32) return std::nullopt;
  return static_cast<std::int64_t>(*end - *start + 1);
}

bool isBootDisplay(const fs::path& device) { return attribute(device, "boot_vga") == "1"; }

bool isAtiDisplay(const fs::path& device) {
  const std::string cardClass = attribute(device, "class");
  return attribute(device, "vendor") == kAtiVendor && cardClass.size() == 8 && cardClass.rfind("0x03", 0) == 0;
}

std::string cardName(const std::string& deviceId) {
  // sysfs writes "0x" and four hexadecimal digits.
  const std::string digits = deviceId.size() == 6 ? deviceId.substr(2) : deviceId;
  std::uint16_t id = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id, 16);
  if (digits.size() != 4 || error != std::errc() || end != digits.data() + digits.size()) return std::string();
  const std::optional<int> row = cardRow(id);
  return row ? cardTable()[static_cast<std::size_t>(*row)].item : std::string();
}

// "0000:01:00.0", or "01:00.0" with the domain left out. Anything else could
// lead out of the device folder.
bool isPciAddress(const std::string& address) {
  const auto colons = std::count(address.begin(), address.end(), ':');
  if (colons < 1 || colons > 2 || address.size() > 16) return false;
  return std::all_of(address.begin(), address.end(),
                     [](unsigned char c) { return std::isxdigit(c) || c == ':' || c == '.'; }) &&
         address.find('.') != std::string::npos;
}

// The device's own `rom` attribute: a regular file in its folder, not a link.
bool isRomAttribute(const fs::path& device) {
  struct stat status {};
  return ::lstat((device / "rom").c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Disables the ROM again however the read ends.
class EnabledRom {
 public:
  EnabledRom(RomAccess& access, std::string path) : access_(access), path_(std::move(path)) {}
  ~EnabledRom() { access_.disable(path_); }
  EnabledRom(const EnabledRom&) = delete;
  EnabledRom& operator=(const EnabledRom&) = delete;

 private:
  RomAccess& access_;
  std::string path_;
};

}  // namespace

std::string sysfsRoot() {
  const char* root = std::getenv("OZA_SYSFS_ROOT");
  return root && *root ? root : "/sys";
}

std::vector<PciCard> listCards(const std::string& root, RomAccess& access) {
  std::vector<PciCard> cards;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(devicesFolder(root), error)) {
    const fs::path device = entry.path();
    if (!isAtiDisplay(device)) continue;
    PciCard card;
    card.address = device.filename().string();
    card.vendorId = kAtiVendor;
    card.deviceId = attribute(device, "device");
    card.name = cardName(card.deviceId);
    card.romReadable = isRomAttribute(device) && access.mayRead((device / "rom").string());
    card.romWindow = romWindow(device);
    card.bootDisplay = isBootDisplay(device);
    cards.push_back(std::move(card));
  }
  std::sort(cards.begin(), cards.end(), [](const PciCard& a, const PciCard& b) { return a.address < b.address; });
  return cards;
}

std::string cardLabel(const PciCard& card) {
  std::string label = card.address + "  ";
  if (!card.name.empty()) label += card.name + " ";
  label += "(" + card.vendorId + ":" + card.deviceId + ")";
  if (card.romWindow) label += ", ROM window " + groupedNumber(static_cast<std::uintmax_t>(*card.romWindow)) + " bytes";
  if (card.bootDisplay) label += ", boot display";
  if (!card.romReadable) label += " - needs administrator rights";
  return label;
}

std::expected<CardRom, std::string> readCardRom(const std::string& root, const std::string& address,
                                                RomAccess& access) {
  const auto refuse = [](std::string message) { return std::unexpected(std::move(message)); };
  const std::string full = std::count(address.begin(), address.end(), ':') == 1 ? "0000:" + address : address;
  const fs::path device = devicesFolder(root) / full;
  std::error_code error;
  if (!isPciAddress(address) || !fs::is_directory(device, error))
    return refuse("There is no PCI device " + address + ".");
  if (!isAtiDisplay(device))
    return refuse("The PCI device " + full + " is not a display device of vendor 0x1002 (ATI/AMD).");
  const std::string rom = (device / "rom").string();
  if (!isRomAttribute(device)) return refuse("The card " + full + " shows no BIOS to read.");

  std::optional<std::vector<std::uint8_t>> content;
  {
    EnabledRom enabled(access, rom);
    switch (access.enable(rom)) {
      case RomStep::Denied: return refuse(kNeedsRootMessage);
      case RomStep::Foreign:
        return refuse("The BIOS of the card " + full + " could not be enabled for reading.\nIts file " + rom +
                      " is not the kernel's own (a file of sysfs with no other name); it was left alone.");
      case RomStep::Failed: return refuse("The BIOS of the card " + full + " could not be enabled for reading.");
      case RomStep::Done: break;
    }
    content = access.read(rom, static_cast<std::size_t>(kLargestImageFile) + 1);
    if (!content) return refuse("Reading the BIOS of the card " + full + " failed before its end.");
  }
  if (content->empty()) return refuse("The BIOS of the card " + full + " reads empty.");
  if (content->size() > static_cast<std::size_t>(kLargestImageFile))
    return refuse("The BIOS of the card " + full + " is longer than 1,000,000 bytes.");
  if (content->size() < 2 || (*content)[0] != 0x55 || (*content)[1] != 0xAA)
    return refuse("What the card " + full + " gives is no video BIOS: it does not begin with 0x55 0xAA.");
  return CardRom{std::move(*content), romWindow(device), isBootDisplay(device)};
}

std::string partialCopyReason(const CardRom& rom) {
  std::vector<std::string> reasons;
  const auto read = static_cast<std::int64_t>(rom.bytes.size());
  if (rom.romWindow && read < *rom.romWindow) {
    // The kernel stops after the chain the ROM declares; a read that ends
    // inside that chain was cut short instead.
    const PciImageChain chain = walkPciImages(ByteImage(rom.bytes));
    const bool wholeChain = !chain.images.empty() && !chain.pastEnd;
    const std::string missing = groupedNumber(static_cast<std::uintmax_t>(*rom.romWindow - read));
    reasons.push_back("the kernel gave " + groupedNumber(static_cast<std::uintmax_t>(read)) + " of the ROM window's " +
                      groupedNumber(static_cast<std::uintmax_t>(*rom.romWindow)) + " bytes, " +
                      (wholeChain ? "only the PCI images the ROM declares: the " + missing +
                                        " bytes after them (memory set-up data on some cards) are missing"
                                  : "fewer than the PCI images the ROM declares: the read was cut short, and the " +
                                        missing + " bytes after them are missing"));
  }
  if (rom.bootDisplay)
    reasons.push_back(
        "the card is the boot display, so the kernel gave the copy of its BIOS in system memory, which the BIOS may "
        "have changed while the system started, not what the chip holds");
  std::string text;
  for (const std::string& reason : reasons) text += (text.empty() ? "" : "; and ") + reason;
  return text;
}

std::string partialCopyWarning(const CardRom& rom) {
  return "This copy of the card's BIOS is partial: " + partialCopyReason(rom) +
         ".\nDo not flash an edit of this copy onto the card: read the whole chip with the card's flashing tool "
         "instead.";
}

}  // namespace oza
