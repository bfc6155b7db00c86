#include "cli/card_commands.h"

#include "card/pci_cards.h"
#include "cli/cli_platform.h"
#include "cli/json_text.h"
#include "cli/session_json.h"
#include "cli/usage.h"
#include "session/replace_question.h"
#include "session/card_loading.h"
#include "session/load_pipeline.h"
#include "session/session.h"
#include "text/message_text.h"

namespace oza {

namespace {

struct ReadOptions {
  std::string address;
  std::string out;
  bool force = false;
};

// What is wrong with the command line, or empty text.
std::string parse(const std::vector<std::string>& args, ReadOptions& options) {
  if (args[0] == "cards") return args.size() > 1 ? "cards takes no arguments" : "";
  bool optionsEnded = false;
  bool outGiven = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg == "--force") {
      options.force = true;
    } else if (!optionsEnded && arg == "--out") {
      if (i + 1 >= args.size()) return "--out needs a value";
      options.out = args[++i];
      if (options.out.empty()) return "--out needs a file name";
      outGiven = true;
    } else if (!optionsEnded && arg.rfind("--", 0) == 0) {
      return "unknown option '" + arg + "'";
    } else if (options.address.empty()) {
      options.address = arg;
    } else {
      return "more than one card given";
    }
  }
  if (options.address.empty()) return "no card address given";
  if (!outGiven) return "read-card needs --out FILE";
  return {};
}

int listCards(RomAccess& access, std::ostream& out) {
  Json cards = Json::array();
  for (const PciCard& card : listCards(sysfsRoot(), access))
    cards.push_back({{"address", card.address},
                     {"vendor", card.vendorId},
                     {"device", card.deviceId},
                     {"name", card.name.empty() ? Json() : Json(card.name)},
                     {"romReadable", card.romReadable}});
  out << jsonText(Json{{"cards", std::move(cards)}}) << "\n";
  return 0;
}

// The read ROM is written like a saved image: the same overwrite question and
// the same write path.
bool readCard(Session& session, const ReadOptions& options, RomAccess& access) {
  Platform& platform = session.platform();
  const std::optional<ByteImage> image = readCardBios(platform, options.address, access);
  return image && askBeforeReplacing(platform, options.out, cardWriteFailed(options.out)) &&
         writeCardBios(platform, options.out, *image) && loadBiosFile(session, options.out);
}

}  // namespace

bool isCardCommand(const std::string& command) { return command == "cards" || command == "read-card"; }

int runCardCommand(const std::vector<std::string>& args, RomAccess& access, std::ostream& out, std::ostream& err) {
  ReadOptions options;
  if (const std::string problem = parse(args, options); !problem.empty()) {
    err << "oza-cli: " << escapeControls(problem) << "\n" << commandHelp(args[0]);
    return 2;
  }
  if (args[0] == "cards") return listCards(access, out);
  CliPlatform platform(MessageAnswer::No, options.force);
  Session session(platform);
  session.start();
  const bool done = readCard(session, options, access);
  out << sessionJson(session, platform) << "\n";
  return done ? 0 : 1;
}

}  // namespace oza
