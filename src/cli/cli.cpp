// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/cli.h"

#include "card/rom_access.h"
#include "cli/command_table.h"

namespace oza {

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SysfsRomAccess access;
  CliContext context{out, err, access};
  return runCommandLine(args, context);
}

}  // namespace oza
