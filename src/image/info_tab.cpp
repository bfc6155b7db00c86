#include "image/info_tab.h"

#include <charconv>

#include "image/atom_layout.h"
#include "image/id_tables.h"
#include "text/latin1.h"
#include "platform/platform.h"

namespace oza {

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

void InfoTab::resetInfoLines() { white_.fill(false); }

void InfoTab::setWhite(int first, int second) {
  white_.at(static_cast<std::size_t>(first - kFirstLine)) = true;
  white_.at(static_cast<std::size_t>(second - kFirstLine)) = true;
}

void InfoTab::clearInfoFields() {
  for (int i = 0; i < infoText.size(); ++i) infoText[i].setText("");
  checksum.setText("");
  biosSize.setText("");
  subVendor.setText("");
  videoCard.setText("");
}

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

// Fits a box's text as a save writes it; what it wrote differs from what
// was loaded only when the fitted texts differ.
std::optional<std::string> fitBox(Control& box, std::size_t length, bool cut) {
  const std::string text = fitted(box.text(), length, cut);
  const bool changed = text != fitted(box.loadedText(), length, cut);
  box.setText(text);
  return changed ? std::optional<std::string>(text) : std::nullopt;
}

}  // namespace

InfoChanges InfoTab::changedSettings(const InfoStrings& strings, std::uint16_t loadedCardId) {
  InfoChanges changes;
  changes.date = fitBox(infoText[0], static_cast<std::size_t>(kDateLength), true);
  const std::string* loaded[kInfoStrings] = {&strings.biosVersion,   &strings.chipType,        &strings.hardwareSpecs,
                                             &strings.copyright,     &strings.atomBiosVersion, &strings.powerCableMessage};
  for (int i = 0; i < kInfoStrings; ++i) {
    Control& box = infoText[i + 1];
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
  if (cardRow(loadedCardId) == selected) return loadedCardId;
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
  for (Control* c : {&checksum, &biosSize, &subVendor, &videoCard, &preModified, &messagesHelpLink}) out.push_back(c);
}

}  // namespace oza
