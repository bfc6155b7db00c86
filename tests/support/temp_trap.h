// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza::test {

// A temporary folder laid with traps by another user of the machine: names a
// weak generator would choose ("OZA" + a number below 65,535 + ".tmp"; every
// 64th of them, which keeps the test quick and still spans the range) are
// taken, alternately by links to files that do not exist yet (in
// `victims()`) and by regular files holding "planted". Names given to
// plant() get the same treatment.
class TempTrap {
 public:
  explicit TempTrap(const std::string& folder);
  const std::string& folder() const { return folder_; }
  std::string victims() const { return folder_ + "/victims"; }
  // A link to a missing victim at `name`, and a planted file at `fileName`.
  void plant(const std::string& linkName, const std::string& fileName) const;
  // Empty when no victim was created, every planted file holds what it
  // held and nothing else is left in the folder; else what is wrong.
  std::string damage() const;

 private:
  std::string folder_;
};

}  // namespace oza::test
