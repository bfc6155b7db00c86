// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/card_commands.h"

#include "card/pci_cards.h"
#include "cli/cli_platform.h"
#include "cli/json_text.h"
#include "cli/session_json.h"
#include "platform/replace_question.h"
#include "session/card_loading.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

int listCards(RomAccess& access, std::ostream& out) {
  Json cards = Json::array();
  for (const PciCard& card : listCards(sysfsRoot(), access))
    cards.push_back({{"address", card.address},
                     {"vendor", card.vendorId},
                     {"device", card.deviceId},
                     {"name", card.name.empty() ? Json() : Json(card.name)},
                     {"romReadable", card.romReadable},
                     {"romWindowBytes", card.romWindow ? Json(*card.romWindow) : Json()},
                     {"bootDisplay", card.bootDisplay}});
  out << jsonText(Json{{"cards", std::move(cards)}}) << "\n";
  return 0;
}

// The read ROM is written like a saved image (the same overwrite question and
// the same write path), exactly as the kernel gave it, whole or not.
bool readCard(Session& session, const std::string& address, const std::string& out, RomAccess& access,
              std::optional<CardRom>& rom) {
  Platform& platform = session.platform();
  rom = readCardBios(platform, address, access);
  return rom && askBeforeReplacing(platform, out, cardWriteFailed(out)) &&
         writeCardBios(platform, out, ByteImage(rom->bytes)) && loadBiosFile(session, out);
}

// Whether the copy holds all of the chip, and both sizes to tell.
void addCompleteness(Json& json, const CardRom& rom) {
  const std::string reason = partialCopyReason(rom);
  json["complete"] = reason.empty();
  json["partialReason"] = reason.empty() ? Json() : Json(reason);
  json["bytesRead"] = rom.bytes.size();
  json["romWindowBytes"] = rom.romWindow ? Json(*rom.romWindow) : Json();
  json["bootDisplay"] = rom.bootDisplay;
}

}  // namespace

int runCards(const ParsedCommand&, CliContext& context) { return listCards(context.access, context.out); }

int runReadCard(const ParsedCommand& command, CliContext& context) {
  CliPlatform platform(MessageAnswer::No, command.has("--force"));
  Session session(platform);
  session.start();
  std::optional<CardRom> rom;
  const bool done = readCard(session, command.positionals[0], *command.value("--out"), context.access, rom);
  Json json = sessionJsonValue(session, platform);
  if (rom) {
    addCompleteness(json, *rom);
    if (done && !partialCopyReason(*rom).empty()) context.err << "Warning: " << partialCopyWarning(*rom) << "\n";
  }
  context.out << jsonText(json) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
