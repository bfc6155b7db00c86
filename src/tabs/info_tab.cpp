// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/info_tab.h"

#include <charconv>

#include "document/loaded_image.h"
#include "image/atom_layout.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "platform/platform.h"
#include "save/checksum.h"
#include "tabs/field_controls.h"
#include "text/latin1.h"
#include "text/number_text.h"

namespace oza {

InfoTab::InfoTab() {
  std::vector<Control*> mine;
  collect(mine);
  describeFields(mine);
}

std::vector<int> InfoTab::whiteLines() const {
  std::vector<int> lines;
  for (int i = kFirstLine; i <= kLastLine; ++i)
    if (lineWhite(i)) lines.push_back(i);
  return lines;
}

void InfoTab::fillIdLists() {
  subVendor.clearItems();
  for (const auto& vendor : vendorTable()) subVendor.addItem(vendor.item);
  videoCard.clearItems();
  for (const auto& card : cardTable()) videoCard.addItem(card.item);
}

void InfoTab::setWhite(int first, int second) {
  white_.at(static_cast<std::size_t>(first - kFirstLine)) = true;
  white_.at(static_cast<std::size_t>(second - kFirstLine)) = true;
}

void InfoTab::show(const LoadedImage& image) {
  if (const std::optional<int> row = vendorRow(image.subVendorId)) {
    subVendor.setListIndex(*row);
  } else {
    subVendor.setText(subVendorText(image.subVendorId));
  }
  if (const std::optional<int> row = cardRow(image.cardId)) {
    videoCard.setListIndex(*row);
  } else {
    videoCard.setText(videoCardText(image.cardId));
  }
  const InfoStrings& s = image.strings;
  const std::string* texts[] = {&image.dateTime, &s.biosVersion,     &s.chipType,         &s.hardwareSpecs,
                                &s.copyright,    &s.atomBiosVersion, &s.powerCableMessage};
  for (int i = 0; i < infoText.size(); ++i) infoText[i].setText(latin1ToUtf8(*texts[i]));
  checksum.setText(checkSumText(image.checkSum));
  biosSize.setText(biosSizeText(image.bytes));
  preModified.setChecked(image.preModified);
  pciImages.setText(pciChainText(image.pciImages));
  cardFacts.setText(cardSummaryText(image.card));
  showDiagram(s);
}

std::string pciChainText(const PciImageChain& chain) {
  std::string text;
  for (std::size_t n = 0; n < chain.images.size(); ++n) {
    const PciImage& image = chain.images[n];
    text += "Image " + std::to_string(n) + ": " + codeTypeName(image.codeType) + ", " + groupedNumber(image.length) +
            " bytes at 0x" + hexText(static_cast<std::uint32_t>(image.offset), 5) + ", " + hexText(image.vendorId, 4) +
            ":" + hexText(image.deviceId, 4) + (image.last ? ", last" : "") + "\r\n";
  }
  if (chain.images.empty()) text += "No PCI image header\r\n";
  if (chain.pastEnd) text += "The chain runs " + groupedNumber(chain.end) + " bytes, past the end of the file\r\n";
  text += "After the images: " + groupedNumber(chain.tailBytes) + " bytes, " + groupedNumber(chain.tailData) +
          " of them data";
  return text;
}

void InfoTab::showDiagram(const InfoStrings& s) {
  white_.fill(false);
  const struct { int value, first; } sizes[] = {{64, 102}, {128, 106}, {256, 110}, {512, 114}, {1024, 118}};
  for (const auto& row : sizes)
    if (s.ramSize == row.value) setWhite(row.first, row.first + 1);

  const std::string ramType = toLower(s.ramType);
  if (ramType == "ddr") setWhite(122, 123);
  const struct {
    const char* part;
    int first;
  } types[] = {{"dr2", 126}, {"dr3", 130}, {"dr4", 134}, {"dr5", 166}};
  for (const auto& row : types)
    if (contains(ramType, row.part)) setWhite(row.first, row.first + 1);

  const struct { int value, first; } widths[] = {{64, 138}, {128, 142}, {256, 146}, {512, 150}};
  for (const auto& row : widths)
    if (s.ramBusWidth == row.value) setWhite(row.first, row.first + 1);

  const std::string bus = toLower(s.cardInterface);
  if (bus == "agp") setWhite(158, 159);
  if (bus == "pci") setWhite(154, 155);
  if (bus == "pci_express") setWhite(162, 163);
}

std::string biosSizeText(const ByteImage& image) { return "0x" + hexText(static_cast<std::uint64_t>(image.size()), 4); }

namespace {

// Two hexadecimal digits; 0 for any other pair.
std::uint8_t hexPair(const char* first) {
  std::uint8_t value = 0;
  const auto [end, error] = std::from_chars(first, first + 2, value, 16);
  return error == std::errc() && end == first + 2 ? value : 0;
}

// A text padded with spaces to `length` characters, and cut to it if `cut`.
std::string fitted(std::string text, std::size_t length, bool cut) {
  const std::size_t current = utf8Length(text);
  if (current < length) return text.append(length - current, ' ');
  if (cut && current > length) return utf8Prefix(text, length);
  return text;
}

// A box's text as a save writes it; what it writes differs from what was
// loaded only when the fitted texts differ. The box keeps what it shows.
std::optional<std::string> fitBox(const Control& box, std::size_t length, bool cut) {
  const std::string text = fitted(box.text(), length, cut);
  const bool changed = text != fitted(box.loadedText(), length, cut);
  return changed ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

InfoChanges InfoTab::changedSettings(const InfoStrings& strings, std::uint16_t loadedCardId) const {
  InfoChanges changes;
  changes.date = fitBox(infoText[0], static_cast<std::size_t>(kDateLength), true);
  const std::string* loaded[kInfoStrings] = {&strings.biosVersion,     &strings.chipType,
                                             &strings.hardwareSpecs,   &strings.copyright,
                                             &strings.atomBiosVersion, &strings.powerCableMessage};
  for (int i = 0; i < kInfoStrings; ++i) {
    const Control& box = infoText[i + 1];
    const std::size_t length = loaded[i]->size();
    if (utf8Length(box.text()) > length) {
      changes.tooLong = i;
      return changes;
    }
    changes.strings[static_cast<std::size_t>(i)] = fitBox(box, length, false);
  }
  changes.subVendorChanged = !subVendor.showsLoaded();
  if (changes.subVendorChanged) changes.subVendorId = subVendorId();
  if (!videoCard.showsLoaded()) changes.cardId = chosenCardId(loadedCardId);
  return changes;
}

std::optional<std::uint16_t> InfoTab::subVendorId() const {
  const std::string text = utf8ToLatin1Lossy(subVendor.text());
  if (text.size() < 6) return std::nullopt;
  return static_cast<std::uint16_t>(hexPair(text.data() + 2) << 8 | hexPair(text.data() + 4));
}

std::optional<std::uint16_t> InfoTab::chosenCardId(std::uint16_t loadedCardId) const {
  const int selected = videoCard.listIndex();
  if (selected < 0 || selected >= static_cast<int>(cardTable().size())) return std::nullopt;
  if (cardRow(loadedCardId) == std::optional<int>(selected)) return loadedCardId;
  return cardTable()[static_cast<std::size_t>(selected)].writtenId;
}

void InfoTab::showMessagesHelp(Platform& platform) const {
  platform.message(
      "All of those messages are defined inside your BIOS file. With OZA, you can change those "
      "messages if you like.\r\n"
      "Just be aware that new/changed messages can't be longer then the original ones, because "
      "this would change the BIOSes length.",
      MessageIcon::Information);
}

void InfoTab::collect(std::vector<Control*>& out) {
  for (Control* c : {&infoFrame, &idFrame}) out.push_back(c);
  infoText.collect(out);
  for (Control* c : {&checksum, &biosSize, &subVendor, &videoCard, &preModified, &messagesHelpLink, &pciImages,
                     &cardFrame, &cardFacts})
    out.push_back(c);
}

}  // namespace oza
