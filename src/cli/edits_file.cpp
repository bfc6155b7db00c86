// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/edits_file.h"

#include <optional>
#include <unordered_set>

#include "text/message_text.h"

namespace oza {

namespace {

constexpr std::uint64_t kExactWholeNumbers = 1ull << 53;

// Collects the members of the outermost object; what lies deeper is skipped.
// The library's own object would search its members on every insertion.
class MemberCollector {
 public:
  using Members = std::vector<std::pair<std::string, Json>>;
  Members members;
  std::optional<std::string> duplicate;
  bool object = false;

  bool null() { return value(nullptr); }
  bool boolean(bool flag) { return value(flag); }
  bool number_integer(Json::number_integer_t number) {
    const bool exact = number >= -static_cast<std::int64_t>(kExactWholeNumbers) &&
                       number <= static_cast<std::int64_t>(kExactWholeNumbers);
    return exact ? value(number) : value(std::to_string(number));
  }
  bool number_unsigned(Json::number_unsigned_t number) {
    return number <= kExactWholeNumbers ? value(number) : value(std::to_string(number));
  }
  bool number_float(Json::number_float_t number, const std::string&) { return value(number); }
  bool string(std::string& text) { return value(std::move(text)); }
  bool binary(Json::binary_t&) { return value(Json::array()); }
  bool start_object(std::size_t) { return open(true); }
  bool end_object() { return close(); }
  bool start_array(std::size_t) { return open(false); }
  bool end_array() { return close(); }
  bool key(std::string& name) {
    if (depth_ > 1) return true;
    if (!seen_.insert(name).second) {
      duplicate = name;
      return false;
    }
    members.emplace_back(std::move(name), nullptr);
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

 private:
  bool value(Json json) {
    if (depth_ == 1) members.back().second = std::move(json);
    return depth_ > 0;
  }
  bool open(bool isObject) {
    if (depth_ == 0) {
      if (!isObject) return false;
      object = true;
    }
    if (depth_ == 1) members.back().second = Json::array();
    ++depth_;
    return true;
  }
  bool close() {
    --depth_;
    return true;
  }
  int depth_ = 0;
  std::unordered_set<std::string> seen_;
};

}  // namespace

std::expected<std::vector<std::pair<std::string, Json>>, std::string> jsonMembers(std::string_view text) {
  MemberCollector collector;
  const bool parsed = Json::sax_parse(text, &collector);
  if (collector.duplicate) return std::unexpected("names the key '" + escapeControls(*collector.duplicate) + "' twice");
  if (!parsed || !collector.object) return std::unexpected(std::string("holds no JSON object of keys and values"));
  return std::move(collector.members);
}

}  // namespace oza
