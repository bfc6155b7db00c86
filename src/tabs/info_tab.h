// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_array.h"
#include "image/byte_image.h"
#include "image/info_settings.h"
#include "image/info_strings.h"
#include "image/pci_images.h"

namespace oza {

class Platform;
struct LoadedImage;

// The information tab of the main window: the strings, IDs, checksum and
// size of the image and the diagram of its memory and bus.
class InfoTab {
 public:
  InfoTab();
  InfoTab(const InfoTab&) = delete;
  InfoTab& operator=(const InfoTab&) = delete;
  Control infoFrame{"Frame2", ControlKind::Frame, "BIOS information"};
  Control idFrame{"Frame7", ControlKind::Frame, "Sub vendor ID/Video card ID"};
  ControlArray infoText{"InfoText", ControlKind::TextBox, 7};
  Control checksum{"Label24", ControlKind::Label};
  Control biosSize{"Label25", ControlKind::Label};
  Control subVendor{"Combo1", ControlKind::ComboBox};
  Control videoCard{"Combo2", ControlKind::ComboBox};
  Control preModified{"Check1", ControlKind::CheckBox, "BIOS had been pre-modified using OZA"};
  Control messagesHelpLink{"Label57", ControlKind::Label, "What are all those messages for?"};
  // The file's chain of PCI images, a line each, and what follows it.
  Control pciImages{"PciImages", ControlKind::Label};
  // What the driver takes from the card's own tables: regulator, PLLs, thermal controller.
  Control cardFrame{"CardFrame", ControlKind::Frame, "Card"};
  Control cardFacts{"CardFacts", ControlKind::Label};

  // Diagram lines `Linie`(100..167): true where drawn white.
  static constexpr int kFirstLine = 100;
  static constexpr int kLastLine = 167;
  bool lineWhite(int index) const { return white_.at(static_cast<std::size_t>(index - kFirstLine)); }
  std::vector<int> whiteLines() const;

  // Fills the vendor and card lists (start of the main window).
  void fillIdLists();
  // Shows a loaded image: the strings, the IDs, the checksum and size, the
  // pre-modified mark and the diagram of what the strings name.
  void show(const LoadedImage& image);
  // The sub vendor ID subVendor's text names in its characters 3 to 6; nothing
  // when the text is shorter. A pair that is no hexadecimal number counts as 00.
  std::optional<std::uint16_t> subVendorId() const;
  // The card ID a save writes for the card chosen in videoCard; nothing without
  // a choice. The entry the loaded ID selects keeps that ID, even where
  // several IDs share one entry.
  std::optional<std::uint16_t> chosenCardId(std::uint16_t loadedCardId) const;
  // What a save writes: the fields whose boxes no longer show what was
  // loaded. Each text is fitted to the bytes it replaces (the date cut or
  // padded to its length, the strings padded), so padding counts as no
  // change; the boxes keep what they show. Nothing after the first string
  // longer than the one it replaces.
  InfoChanges changedSettings(const InfoStrings& strings, std::uint16_t loadedCardId) const;
  // The messages help of messagesHelpLink.
  void showMessagesHelp(Platform& platform) const;

  void collect(std::vector<Control*>& out);

 private:
  void showDiagram(const InfoStrings& strings);
  void setWhite(int first, int second);
  std::array<bool, kLastLine - kFirstLine + 1> white_{};
};

// "0x" and the image size in hexadecimal, at least four digits.
std::string biosSizeText(const ByteImage& image);

// The chain as the information tab shows it: "Image 0: x86, 63,488 bytes at
// 0x00000, 1002:944A", a line each, then "After the images: ...".
std::string pciChainText(const PciImageChain& chain);

}  // namespace oza
