#include "text/base_convert.h"

#include <cmath>

#include "platform/platform.h"

namespace oza {

namespace {
// Beyond this the double accumulator no longer holds whole numbers exactly.
constexpr double kLargestConvertible = 18446744073709551615.0;
}  // namespace

std::optional<std::string> baseConvert(const std::string& text, int fromBase, int toBase) {
  constexpr std::nullopt_t error = std::nullopt;
  if (text.empty() || fromBase < 2 || fromBase > 36 || toBase < 2 || toBase > 36) return error;

  double accumulator = 0;
  for (char c : text) {
    int digit;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') {
      digit = c - 55;
    } else if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else {
      return error;
    }
    if (digit > fromBase - 1) return error;
    accumulator = accumulator * fromBase + digit;
  }
  if (!std::isfinite(accumulator) || accumulator > kLargestConvertible) return error;

  std::string result;
  do {
    double remainder = accumulator - std::floor(accumulator / toBase) * toBase;
    accumulator = (accumulator - remainder) / toBase;
    const int digit = static_cast<int>(remainder);
    result.insert(result.begin(), static_cast<char>(digit < 10 ? '0' + digit : digit + 55));
  } while (accumulator > 0);
  return result;
}

std::string padLeftZeros(int n, std::string& text, Platform& platform) {
  if (n > 1000) {
    platform.message("Biste bescheuert?");
    return {};
  }
  if (static_cast<int>(text.size()) > n) return {};
  text = padLeft(n, text);
  return text;
}

std::string padLeft(int n, std::string text) {
  if (static_cast<int>(text.size()) > n) return {};
  text.insert(0, static_cast<std::size_t>(n) - text.size(), '0');
  return text;
}

}  // namespace oza
