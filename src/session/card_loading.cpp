// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/card_loading.h"

#include "card/pci_cards.h"
#include "files/file_io.h"
#include "platform/replace_question.h"
#include "platform/platform.h"
#include "platform/temp_file.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "session/unsaved_edits.h"

namespace oza {

namespace {

// The card's BIOS is loaded from a file of its own in the temporary folder;
// the message names that folder, or says that there is none.
void showTempFileFailed(Platform& platform) {
  const std::string folder = tempFolder(platform);
  const std::string text =
      folder.empty()
          ? withReason("The card's BIOS could not be written to a temporary file.",
                       "No folder for temporary files was found: TMPDIR names none, and neither XDG_RUNTIME_DIR "
                       "nor HOME leads to a folder of this user's own.")
          : withReason(cardWriteFailed(folder).text, "No new file could be made in this folder.");
  platform.message(text, MessageIcon::Critical);
}

}  // namespace

std::optional<CardRom> readCardBios(Platform& platform, const std::string& address, RomAccess& access) {
  auto rom = readCardRom(sysfsRoot(), address, access);
  if (!rom) {
    platform.message(rom.error(), MessageIcon::Critical);
    return std::nullopt;
  }
  return std::move(*rom);
}

void warnOfPartialCopy(Platform& platform, const CardRom& rom) {
  if (!partialCopyReason(rom).empty()) platform.message(partialCopyWarning(rom), MessageIcon::Warning);
}

WriteMessage cardWriteFailed(const std::string& path) {
  return {
      "The card's BIOS could not be written to \"" + path + "\". Maybe file system error (HD full/write protected)?",
      MessageIcon::Critical};
}

bool writeCardBios(Platform& platform, const std::string& path, const ByteImage& image) {
  const WriteResult written = writeImageFile(path, image, platform.fileWrites);
  if (!written) showWriteFailure(platform, written.error(), cardWriteFailed(path));
  return written.has_value();
}

bool loadBiosFromCard(Session& session, const std::string& address, RomAccess& access) {
  if (!settleUnsavedEdits(session)) return false;
  const std::optional<CardRom> rom = readCardBios(session.platform(), address, access);
  if (!rom) return false;
  const auto& bytes = rom->bytes;
  const std::string path = writeTempFile(session.platform(), "oza",
                                         std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (path.empty()) {
    showTempFileFailed(session.platform());
    return false;
  }
  if (!loadBiosPath(session, path)) return false;
  warnOfPartialCopy(session.platform(), *rom);
  return true;
}

}  // namespace oza
