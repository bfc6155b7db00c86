#include "image/info_tab_io.h"

#include "image/atom_layout.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "image/info_tab.h"
#include "text/latin1.h"
#include "text/number_text.h"

namespace oza {

bool showSubVendor(InfoTab& tab, const ByteImage& image) {
  try {
    const std::uint16_t id = static_cast<std::uint16_t>(image.word(kSubVendorId));
    const int row = vendorRow(id);
    if (row >= 0) {
      tab.subVendor.setListIndex(row);
    } else {
      tab.subVendor.setText("0x" + hexText(id, 4) + " - (unkown)");
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
      tab.videoCard.setListIndex(row);
    } else {
      tab.videoCard.setText("(unkown)");
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
  tab.infoText[0].setText(latin1ToUtf8(biosDateTime(image).value_or("")));
  tab.infoText[1].setText(latin1ToUtf8(s.biosVersion));
  tab.infoText[2].setText(latin1ToUtf8(s.chipType));
  tab.infoText[3].setText(latin1ToUtf8(s.hardwareSpecs));
  tab.infoText[4].setText(latin1ToUtf8(s.copyright));
  tab.infoText[5].setText(latin1ToUtf8(s.atomBiosVersion));
  tab.infoText[6].setText(latin1ToUtf8(s.powerCableMessage));
  tab.checksum.setText(checksumText);
  tab.biosSize.setText(biosSizeText(image));

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

std::optional<InfoWriteError> saveInfoSettings(ByteImage& image, const InfoStrings& strings,
                                               std::uint16_t loadedCardId, InfoTab& tab) {
  return writeInfoSettings(image, strings, tab.changedSettings(strings, loadedCardId));
}

}  // namespace oza
