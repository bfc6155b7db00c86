// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <expected>
#include <optional>

namespace oza::test {

// The error of a result, or nothing when it succeeded: a test compares it
// with the error it expects, or with std::nullopt.
template <typename T, typename E>
std::optional<E> errorOf(const std::expected<T, E>& result) {
  if (result) return std::nullopt;
  return result.error();
}

}  // namespace oza::test
