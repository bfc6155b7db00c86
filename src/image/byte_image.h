#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace oza {

// Raised by a read or write outside the image; every operation over the image
// catches it at its own boundary and turns it into its failure result.
class OutOfImage : public std::out_of_range {
 public:
  explicit OutOfImage(std::int64_t position);
};

// An image: bytes indexed from 0, every access checked.
class ByteImage {
 public:
  ByteImage() = default;
  explicit ByteImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  // Highest index; -1 when empty.
  std::int64_t last() const { return size() - 1; }
  bool contains(std::int64_t position) const { return position >= 0 && position < size(); }

  std::uint8_t at(std::int64_t position) const;
  void set(std::int64_t position, std::uint8_t value);

  // Little-endian fields.
  std::uint32_t word(std::int64_t position) const;
  std::uint32_t clock(std::int64_t position) const;  // 24 bits
  std::uint32_t dword(std::int64_t position) const;
  // Lowest byte first; a field reaching past the end keeps the bytes stored
  // before OutOfImage.
  void setWord(std::int64_t position, std::uint16_t value);
  void setClock(std::int64_t position, std::uint32_t value);  // the low 24 bits

  // First position in [from, to] whose byte is `value`, or -1. Positions
  // outside the image are not looked at.
  std::int64_t find(std::uint8_t value, std::int64_t from, std::int64_t to) const;
  // First position in [from, lastStart] where `pattern` starts, or -1.
  std::int64_t find(const std::vector<std::uint8_t>& pattern, std::int64_t from,
                    std::int64_t lastStart) const;

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace oza
