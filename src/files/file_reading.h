// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

#include "text/number_text.h"

namespace oza {

// Why a file could not be read.
enum class ReadProblem {
  NotFound,
  NoPermission,  // the file, or a folder on the way to it
  Folder,
  NotRegular,  // a device, FIFO or socket; or a link where none is taken
  Empty,
  TooLarge,
  Failed,  // any other refusal of the system
};

struct ReadFailure {
  ReadProblem problem = ReadProblem::Failed;
  std::string kindName;      // NotRegular: "a FIFO", "a character device", ...
  std::uintmax_t size = 0;   // TooLarge: the file's size, as far as it is known
  std::uintmax_t limit = 0;  // TooLarge: the largest file taken
  int cause = 0;             // Failed: the system's error number
};

// One sentence for the user on why the file was not read: "It is a folder.",
// "The file is empty.", "The file holds 1,000,001 bytes; at most 1,000,000
// are read.".
std::string readFailureText(const ReadFailure& failure);

struct ReadLimits {
  std::uintmax_t largest = 0;
  bool emptyAllowed = false;
  // A kernel attribute states a nominal size (4096, or the ROM window), not
  // what a read gives: only the read itself is held to the limit then.
  bool sizeStated = true;
};

// Reads a whole regular file of at most `limits.largest` bytes. The file is
// opened without blocking and examined before a byte is read, so that a FIFO
// or a device named by mistake or by someone else never stalls the program or
// feeds it without end. Links are followed, as a user's own path may hold them.
std::expected<std::string, ReadFailure> readRegularFile(const std::string& path, const ReadLimits& limits);
// The same as bytes.
std::expected<std::vector<std::uint8_t>, ReadFailure> readRegularBytes(const std::string& path,
                                                                       const ReadLimits& limits);

// The same for the entry `name` of the open folder `folder`, which must be
// the file itself, never a link (a kernel attribute, say).
std::expected<std::string, ReadFailure> readFolderEntry(int folder, const std::string& name, const ReadLimits& limits);

// "a FIFO", "a character device", "a folder", ... for a file's mode bits.
std::string fileKindName(unsigned mode);

}  // namespace oza
