// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/load_messages.h"

#include "files/file_reading.h"

namespace oza {

bool cannotOpen(const ReadFailure& failure) {
  return failure.problem != ReadProblem::Empty && failure.problem != ReadProblem::TooLarge;
}

std::string readFailureMessage(const ReadFailure& failure) {
  return cannotOpen(failure) ? "Unable to open file. Invalid file name specified?"
                             : "Unable to attain BIOS information. Not an ATI BIOS? - Debug information: "
                               "'ReadBIOSToArray' reported error.";
}

}  // namespace oza
