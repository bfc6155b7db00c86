#include "image/info_tab.h"

#include <charconv>

#include "image/atom_layout.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "text/latin1.h"
#include "text/number_text.h"
#include "platform/platform.h"

namespace oza {

std::vector<int> InfoTab::whiteLines() const {
  std::vector<int> lines;
  for (int i = kFirstLine; i <= kLastLine; ++i)
    if (lineWhite(i)) lines.push_back(i);
  return lines;
}

void InfoTab::fillIdLists() {
  Combo1.clearItems();
  for (const auto& vendor : vendorTable()) Combo1.addItem(vendor.item);
  Combo2.clearItems();
  for (const auto& card : cardTable()) Combo2.addItem(card.item);
}

void InfoTab::resetInfoLines() { white_.fill(false); }

void InfoTab::setWhite(int first, int second) {
  white_.at(static_cast<std::size_t>(first - kFirstLine)) = true;
  white_.at(static_cast<std::size_t>(second - kFirstLine)) = true;
}

void InfoTab::clearInfoFields() {
  for (int i = 0; i < InfoText.size(); ++i) InfoText[i].setText("");
  Label24.setText("");
  Label25.setText("");
  Combo1.setText("");
  Combo2.setText("");
}

namespace {

// Two hexadecimal digits; 0 for any other pair.
std::uint8_t hexPair(const char* first) {
  std::uint8_t value = 0;
  const auto [end, error] = std::from_chars(first, first + 2, value, 16);
  return error == std::errc() && end == first + 2 ? value : 0;
}

}  // namespace

std::optional<std::uint16_t> InfoTab::subVendorId() const {
  const std::string text = utf8ToLatin1Lossy(Combo1.text());
  if (text.size() < 6) return std::nullopt;
  return static_cast<std::uint16_t>(hexPair(text.data() + 2) << 8 | hexPair(text.data() + 4));
}

std::optional<std::uint16_t> InfoTab::chosenCardId(std::uint16_t loadedCardId) const {
  const int selected = Combo2.listIndex();
  if (selected < 0 || selected >= static_cast<int>(cardTable().size())) return std::nullopt;
  if (cardRow(loadedCardId) == selected) return loadedCardId;
  const std::string written = cardTable()[static_cast<std::size_t>(selected)].writtenId;
  return static_cast<std::uint16_t>(hexPair(written.data()) << 8 | hexPair(written.data() + 2));
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
  for (Control* c : {&Frame2, &Frame7}) out.push_back(c);
  InfoText.collect(out);
  for (Control* c : {&Label24, &Label25, &Combo1, &Combo2, &Check1, &Label57}) out.push_back(c);
}

bool showSubVendor(InfoTab& tab, const ByteImage& image) {
  try {
    const std::uint16_t id = static_cast<std::uint16_t>(image.word(kSubVendorId));
    const int row = vendorRow(id);
    if (row >= 0) {
      tab.Combo1.setListIndex(row);
    } else {
      tab.Combo1.setText("0x" + hexText(id, 4) + " - (unkown)");
    }
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

std::optional<std::uint16_t> showCardType(InfoTab& tab, const ByteImage& image) {
  try {
    const std::uint16_t cardId = static_cast<std::uint16_t>(image.word(kCardId));
    const int row = cardRow(cardId);
    if (row >= 0) {
      tab.Combo2.setListIndex(row);
    } else {
      tab.Combo2.setText("(unkown)");
    }
    return cardId;
  } catch (const OutOfImage&) {
    return std::nullopt;
  }
}

std::string biosSizeText(const ByteImage& image) {
  return "0x" + hexText(static_cast<std::uint64_t>(image.size()), 4);
}

void showBiosInfo(InfoTab& tab, const ByteImage& image, const InfoStrings& s, const std::string& checksumText) {
  tab.resetInfoLines();
  tab.InfoText[0].setText(latin1ToUtf8(biosDateTime(image).value_or("")));
  tab.InfoText[1].setText(latin1ToUtf8(s.biosVersion));
  tab.InfoText[2].setText(latin1ToUtf8(s.chipType));
  tab.InfoText[3].setText(latin1ToUtf8(s.hardwareSpecs));
  tab.InfoText[4].setText(latin1ToUtf8(s.copyright));
  tab.InfoText[5].setText(latin1ToUtf8(s.atomBiosVersion));
  tab.InfoText[6].setText(latin1ToUtf8(s.powerCableMessage));
  tab.Label24.setText(checksumText);
  tab.Label25.setText(biosSizeText(image));

  const struct {
    int value, first;
  } sizes[] = {{64, 102}, {128, 106}, {256, 110}, {512, 114}, {1024, 118}};
  for (const auto& row : sizes)
    if (s.ramSize == row.value) tab.setWhite(row.first, row.first + 1);

  const std::string ramType = toLower(s.ramType);
  if (ramType == "ddr") tab.setWhite(122, 123);
  const struct {
    const char* part;
    int first;
  } types[] = {{"dr2", 126}, {"dr3", 130}, {"dr4", 134}, {"dr5", 166}};
  for (const auto& row : types)
    if (contains(ramType, row.part)) tab.setWhite(row.first, row.first + 1);

  const struct {
    int value, first;
  } widths[] = {{64, 138}, {128, 142}, {256, 146}, {512, 150}};
  for (const auto& row : widths)
    if (s.ramBusWidth == row.value) tab.setWhite(row.first, row.first + 1);

  const std::string bus = toLower(s.cardInterface);
  if (bus == "agp") tab.setWhite(158, 159);
  if (bus == "pci") tab.setWhite(154, 155);
  if (bus == "pci_express") tab.setWhite(162, 163);
}

}  // namespace oza
