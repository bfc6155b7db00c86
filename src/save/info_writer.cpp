#include "save/info_writer.h"

#include <optional>
#include <vector>

#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "image/info_tab.h"
#include "image/latin1.h"

namespace oza {

namespace {

// A text padded with spaces to `length` characters, and cut to it if `cut`.
std::string fitted(std::string text, std::size_t length, bool cut) {
  const std::size_t current = utf8Length(text);
  if (current < length) return text.append(length - current, ' ');
  if (cut && current > length) return utf8Prefix(text, length);
  return text;
}

// Cuts or pads a box's text to `length` characters and puts it back.
void fitText(Control& box, std::size_t length, bool cut) { box.setText(fitted(box.text(), length, cut)); }

// Writes the text's characters over positions first..last; false when the
// text has a character without an 8-bit code, is too short for the range,
// or the range lies outside the image.
bool writeString(ByteImage& image, const std::string& firstField, const std::string& lastField,
                 const std::string& text) {
  const std::optional<std::string> bytes = utf8ToLatin1(text);
  if (!bytes) return false;
  std::int64_t first = 0;
  std::int64_t last = 0;
  if (!parsePosition(firstField, first) || !parsePosition(lastField, last)) return false;
  if (last - first + 1 > static_cast<std::int64_t>(bytes->size())) return false;
  for (std::int64_t p = first; p <= last; ++p)
    image.set(p, static_cast<std::uint8_t>((*bytes)[static_cast<std::size_t>(p - first)]));
  return true;
}

}  // namespace

std::int16_t WriteInfoSettings(ByteImage& image, const InfoStrings& strings, InfoTab& tab,
                               const std::string& VideoCardID) {
  // A text is unchanged when it fills its bytes as the loaded one did, so
  // that the padding a save puts into the box counts as no change.
  const bool dateChanged = fitted(tab.InfoText[0].text(), 14, true) != fitted(tab.InfoText[0].loadedText(), 14, true);
  fitText(tab.InfoText[0], 14, true);
  const struct {
    int box;
    const std::string& loaded;
    std::int16_t code;
  } texts[] = {{1, strings.sBIOSVersion, 3},     {2, strings.sChipType, 4},
               {3, strings.sHardwareSpecs, 5},   {4, strings.sCopyright, 6},
               {5, strings.sAtomBIOSVersion, 7}, {6, strings.sPowerCableMessage, 8}};
  bool changed[7] = {dateChanged};
  for (const auto& t : texts) {
    Control& box = tab.InfoText[t.box];
    if (utf8Length(box.text()) > t.loaded.size()) return t.code;
    changed[t.box] = fitted(box.text(), t.loaded.size(), false) != fitted(box.loadedText(), t.loaded.size(), false);
    fitText(box, t.loaded.size(), false);
  }

  // The positions the load found; the strings are never searched for again.
  const std::vector<std::string> f = splitPositionList(strings.positionList);
  if (f.size() < 16) return 0;
  try {
    const std::optional<std::string> date = utf8ToLatin1(tab.InfoText[0].text());
    if (!date || date->size() < 14) return 0;
    if (changed[0])
      for (std::int64_t p = 0x50; p <= 0x5D; ++p)
        image.set(p, static_cast<std::uint8_t>((*date)[static_cast<std::size_t>(p - 0x50)]));
    const struct {
      int box, field;
    } places[] = {{1, 0}, {2, 2}, {3, 8}, {4, 12}, {5, 14}};
    for (const auto& place : places) {
      const std::size_t i = static_cast<std::size_t>(place.field);
      if (changed[place.box] && !writeString(image, f[i], f[i + 1], tab.InfoText[place.box].text())) return 0;
    }
    if (!strings.sPowerCableMessage.empty() && changed[6] && !writeString(image, f[10], f[11], tab.InfoText[6].text()))
      return 0;
  } catch (const OutOfImage&) {
    return 0;
  }
  if (!tab.Combo1.showsLoaded() && !WriteSubVendor(image, tab)) return 9;
  if (!tab.Combo2.showsLoaded() && !WriteVideoCardID(image, tab, VideoCardID)) return 10;
  return 1;
}

bool WriteSubVendor(ByteImage& image, const InfoTab& tab) {
  const std::string text = utf8ToLatin1Lossy(tab.Combo1.text());
  const std::string id = text.size() > 2 ? text.substr(2, 4) : std::string();
  return WriteWordHex(image, 0x7C, id);
}

bool WriteVideoCardID(ByteImage& image, const InfoTab& tab, const std::string& VideoCardID) {
  const int selected = tab.Combo2.listIndex();
  if (selected < 0 || selected >= static_cast<int>(cardTable().size())) return true;
  // An unedited choice keeps the card's own ID, even where several IDs share
  // one entry of the list.
  if (cardRow(VideoCardID) == selected) return WriteWordHex(image, 0x88, VideoCardID);
  return WriteWordHex(image, 0x88, cardTable()[static_cast<std::size_t>(selected)].writtenId);
}

}  // namespace oza
