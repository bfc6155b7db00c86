// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

namespace oza {

// The two steps of a file write that the tests replace to reach failure paths
// a healthy disk never takes: pushing a written file to storage (fsync), and
// the random part of a temporary file's name. Empty members use the system's.
struct FileWriteSeams {
  std::function<bool(int descriptor)> flush;
  std::function<std::uint64_t()> randomBits;
};

}  // namespace oza
