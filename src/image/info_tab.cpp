#include "image/info_tab.h"

#include "image/base_convert.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "image/latin1.h"
#include "image/number_text.h"
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

void InfoTab::ResetInfoLines() { white_.fill(false); }

void InfoTab::setWhite(int first, int second) {
  white_.at(static_cast<std::size_t>(first - kFirstLine)) = true;
  white_.at(static_cast<std::size_t>(second - kFirstLine)) = true;
}

void InfoTab::ClearInfoFields() {
  for (int i = 0; i < InfoText.size(); ++i) InfoText[i].setText("");
  Label24.setText("");
  Label25.setText("");
  Combo1.setText("");
  Combo2.setText("");
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

bool GetSubVendor(InfoTab& tab, const ByteImage& image) {
  try {
    const std::string id = padLeft(4, ReadWordHex(image, 0x7C));
    const int row = vendorRow(id);
    if (row >= 0) {
      tab.Combo1.setListIndex(row);
    } else {
      tab.Combo1.setText("0x" + id + " - (unkown)");
    }
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

bool GetReportedVideoCardType(InfoTab& tab, const ByteImage& image, std::string& videoCardID) {
  try {
    videoCardID = padLeft(4, ReadWordHex(image, 0x88));
    const int row = cardRow(videoCardID);
    if (row >= 0) {
      tab.Combo2.setListIndex(row);
    } else {
      tab.Combo2.setText("(unkown)");
    }
    return true;
  } catch (const OutOfImage&) {
    return false;
  }
}

void ShowBIOSInfo(InfoTab& tab, const ByteImage& image, const InfoStrings& s,
                  const std::string& checksumText) {
  tab.ResetInfoLines();
  tab.InfoText[0].setText(latin1ToUtf8(GetBIOSDateTime(image)));
  tab.InfoText[1].setText(latin1ToUtf8(s.sBIOSVersion));
  tab.InfoText[2].setText(latin1ToUtf8(s.sChipType));
  tab.InfoText[3].setText(latin1ToUtf8(s.sHardwareSpecs));
  tab.InfoText[4].setText(latin1ToUtf8(s.sCopyright));
  tab.InfoText[5].setText(latin1ToUtf8(s.sAtomBIOSVersion));
  tab.InfoText[6].setText(latin1ToUtf8(s.sPowerCableMessage));
  tab.Label24.setText(checksumText);
  tab.Label25.setText(GetBIOSSize(image, 0));

  const struct {
    int value, first;
  } sizes[] = {{64, 102}, {128, 106}, {256, 110}, {512, 114}, {1024, 118}};
  for (const auto& row : sizes)
    if (s.RAMSize == row.value) tab.setWhite(row.first, row.first + 1);

  const std::string ramType = toLower(s.sRAMType);
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
    if (s.RAMBusWidth == row.value) tab.setWhite(row.first, row.first + 1);

  const std::string bus = toLower(s.sCardInterface);
  if (bus == "agp") tab.setWhite(158, 159);
  if (bus == "pci") tab.setWhite(154, 155);
  if (bus == "pci_express") tab.setWhite(162, 163);
}

}  // namespace oza
