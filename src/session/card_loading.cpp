#include "session/card_loading.h"

#include "card/pci_cards.h"
#include "image/file_io.h"
#include "platform/platform.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "shell/version_check.h"

namespace oza {

bool ReadCardBIOS(Platform& platform, const std::string& address, RomAccess& access, ByteImage& image) {
  std::vector<std::uint8_t> bytes;
  const std::string problem = readCardRom(sysfsRoot(), address, access, bytes);
  if (!problem.empty()) {
    platform.message(problem, MessageIcon::Critical);
    return false;
  }
  image = ByteImage(std::move(bytes));
  return true;
}

bool WriteCardBIOS(Platform& platform, const std::string& path, const ByteImage& image) {
  if (!path.empty() && WriteBIOSToFile(path, image)) return true;
  platform.message("The card's BIOS could not be written to \"" + path +
                       "\". Maybe file system error (HD full/write protected)?",
                   MessageIcon::Critical);
  return false;
}

bool LoadBIOSFromCard(Session& session, const std::string& address, RomAccess& access) {
  ByteImage image;
  if (!ReadCardBIOS(session.platform, address, access, image)) return false;
  const std::string path = GetTempFile(session.platform, "oza");
  if (!WriteCardBIOS(session.platform, path, image)) return false;
  return LoadBIOSFile(session, path);
}

}  // namespace oza
