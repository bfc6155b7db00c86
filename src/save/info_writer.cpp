#include "save/info_writer.h"

#include <optional>

#include "image/atom_layout.h"
#include "image/info_tab.h"
#include "text/latin1.h"

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

// Writes the text's characters over the range; false when the text has a
// character without an 8-bit code or is too short for the range. OutOfImage
// when the range lies outside the image.
bool writeString(ByteImage& image, const StringRange& range, const std::string& text) {
  const std::optional<std::string> bytes = utf8ToLatin1(text);
  if (!bytes) return false;
  if (range.last - range.first + 1 > static_cast<std::int64_t>(bytes->size())) return false;
  for (std::int64_t p = range.first; p <= range.last; ++p)
    image.set(p, static_cast<std::uint8_t>((*bytes)[static_cast<std::size_t>(p - range.first)]));
  return true;
}

}  // namespace

std::string infoWriteMessage(InfoWriteError error) {
  // In the order of InfoWriteError; the code is the one the message has
  // always named.
  static const struct {
    const char* what;
    int code;
  } texts[] = {
      {"Error writing BIOS information. Maybe no BIOS loaded before?", 0},
      {"Error writing BIOS version string.", 3},
      {"Error writing reported chip type.", 4},
      {"Error writing hardware specs string.", 5},
      {"Error writing copyright message.", 6},
      {"Error writing ATOM BIOS version.", 7},
      {"Error writing power cable error message.", 8},
      {"Error writing sub vendor ID.", 9},
      {"Error writing video card ID.", 10},
  };
  const auto& text = texts[static_cast<std::size_t>(error)];
  const bool tooLong = error >= InfoWriteError::BiosVersionTooLong && error <= InfoWriteError::PowerCableMessageTooLong;
  return std::string(text.what) + (tooLong ? " Maybe string too long (can't be longer than original one)?" : "") +
         " - Debug information: 'WriteInfoSettings' reported " + std::to_string(text.code) + ".";
}

std::optional<InfoWriteError> writeInfoSettings(ByteImage& image, const InfoStrings& strings, InfoTab& tab,
                                                std::uint16_t loadedCardId) {
  // A text is unchanged when it fills its bytes as the loaded one did, so
  // that the padding a save puts into the box counts as no change.
  const bool dateChanged =
      fitted(tab.infoText[0].text(), kDateLength, true) != fitted(tab.infoText[0].loadedText(), kDateLength, true);
  fitText(tab.infoText[0], kDateLength, true);
  const std::optional<StringPositions>& positions = strings.positions;
  const struct {
    int box;
    const std::string& loaded;
    InfoWriteError tooLong;
  } texts[] = {{1, strings.biosVersion, InfoWriteError::BiosVersionTooLong},
               {2, strings.chipType, InfoWriteError::ChipTypeTooLong},
               {3, strings.hardwareSpecs, InfoWriteError::HardwareSpecsTooLong},
               {4, strings.copyright, InfoWriteError::CopyrightTooLong},
               {5, strings.atomBiosVersion, InfoWriteError::AtomBiosVersionTooLong},
               {6, strings.powerCableMessage, InfoWriteError::PowerCableMessageTooLong}};
  bool changed[7] = {dateChanged};
  for (const auto& t : texts) {
    Control& box = tab.infoText[t.box];
    if (utf8Length(box.text()) > t.loaded.size()) return t.tooLong;
    changed[t.box] = fitted(box.text(), t.loaded.size(), false) != fitted(box.loadedText(), t.loaded.size(), false);
    fitText(box, t.loaded.size(), false);
  }

  // The positions the load found; the strings are never searched for again.
  if (!positions) return InfoWriteError::Failed;
  try {
    const std::optional<std::string> date = utf8ToLatin1(tab.infoText[0].text());
    if (!date || static_cast<std::int64_t>(date->size()) < kDateLength) return InfoWriteError::Failed;
    if (changed[0])
      for (std::int64_t i = 0; i < kDateLength; ++i)
        image.set(kDateFirst + i, static_cast<std::uint8_t>((*date)[static_cast<std::size_t>(i)]));
    const struct {
      int box;
      const StringRange& range;
    } places[] = {{1, positions->biosVersion},
                  {2, positions->chipType},
                  {3, positions->hardwareSpecs},
                  {4, positions->copyright},
                  {5, positions->atomBiosVersion}};
    for (const auto& place : places)
      if (changed[place.box] && !writeString(image, place.range, tab.infoText[place.box].text()))
        return InfoWriteError::Failed;
    if (!strings.powerCableMessage.empty() && changed[6] &&
        (!positions->powerCableMessage || !writeString(image, *positions->powerCableMessage, tab.infoText[6].text())))
      return InfoWriteError::Failed;
  } catch (const OutOfImage&) {
    return InfoWriteError::Failed;
  }
  try {
    if (!tab.subVendor.showsLoaded()) {
      const std::optional<std::uint16_t> subVendor = tab.subVendorId();
      if (!subVendor) return InfoWriteError::SubVendor;
      image.setWord(kSubVendorId, *subVendor);
    }
  } catch (const OutOfImage&) {
    return InfoWriteError::SubVendor;
  }
  try {
    if (!tab.videoCard.showsLoaded())
      if (const std::optional<std::uint16_t> cardId = tab.chosenCardId(loadedCardId)) image.setWord(kCardId, *cardId);
  } catch (const OutOfImage&) {
    return InfoWriteError::CardId;
  }
  return std::nullopt;
}

}  // namespace oza
