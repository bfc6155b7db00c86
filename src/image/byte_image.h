// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace oza {

// An image: bytes indexed from 0. Every access is checked: a read outside
// the image gives nothing, a write outside it writes nothing and says so.
class ByteImage {
 public:
  ByteImage() = default;
  explicit ByteImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  // Highest index; -1 when empty.
  std::int64_t last() const { return size() - 1; }
  bool contains(std::int64_t position) const { return position >= 0 && position < size(); }
  // Whether [position, position + length) lies inside the image.
  bool holds(std::int64_t position, std::int64_t length) const {
    return position >= 0 && length >= 0 && position <= size() - length;
  }

  std::optional<std::uint8_t> at(std::int64_t position) const;
  // Little-endian fields.
  std::optional<std::uint32_t> word(std::int64_t position) const;
  std::optional<std::uint32_t> clock(std::int64_t position) const;  // 24 bits
  std::optional<std::uint32_t> dword(std::int64_t position) const;

  // Lowest byte first. A field that does not lie wholly inside the image is
  // not written at all: false.
  [[nodiscard]] bool set(std::int64_t position, std::uint8_t value);
  [[nodiscard]] bool setWord(std::int64_t position, std::uint16_t value);
  [[nodiscard]] bool setClock(std::int64_t position, std::uint32_t value);  // the low 24 bits
  [[nodiscard]] bool setDword(std::int64_t position, std::uint32_t value);

  // First position in [from, to] whose byte is `value`; nothing when there
  // is none. Positions outside the image are not looked at.
  std::optional<std::int64_t> find(std::uint8_t value, std::int64_t from, std::int64_t to) const;
  // First position in [from, lastStart] where `pattern` starts.
  std::optional<std::int64_t> find(const std::vector<std::uint8_t>& pattern, std::int64_t from,
                                   std::int64_t lastStart) const;

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::uint32_t field(std::int64_t position, int length) const;
  [[nodiscard]] bool setField(std::int64_t position, int length, std::uint32_t value);
  std::vector<std::uint8_t> bytes_;
};

// Reads the fields of a structure one after the other and remembers whether
// any of them lay outside the image, so that a reader of many fields checks
// once, at its end, instead of after every read. A read outside gives 0.
class ImageReader {
 public:
  explicit ImageReader(const ByteImage& image) : image_(image) {}

  std::uint8_t byte(std::int64_t position) { return take(image_.at(position)); }
  std::uint32_t word(std::int64_t position) { return take(image_.word(position)); }
  std::uint32_t clock(std::int64_t position) { return take(image_.clock(position)); }
  std::uint32_t dword(std::int64_t position) { return take(image_.dword(position)); }

  // Whether every read so far lay inside the image.
  bool ok() const { return ok_; }
  const ByteImage& image() const { return image_; }

 private:
  template <typename T>
  T take(const std::optional<T>& value) {
    if (!value) ok_ = false;
    return value.value_or(T{});
  }
  const ByteImage& image_;
  bool ok_ = true;
};

}  // namespace oza
