// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include "save/checksum.h"

namespace oza {

namespace {

const char* const kUnread = "the file could not be read";

}  // namespace

void checkLoads(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.error(file.failure);
  std::string detail = "loaded as the window loads it";
  // A load may go on past a message (the Overdrive limits, for one).
  for (const std::string& said : file.said) detail += "; it said: " + said;
  found.passed(detail);
}

void checkFileLength(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.bytes) return found.notRun(kUnread);
  const std::int64_t size = file.bytes->size();
  found.note("size_bytes", double(size));
  if (size == k64k || size == k128k)
    found.passed(byteCount(size));
  else
    found.error(byteCount(size) + ", neither 65536 nor 131072");
}

void checkDeclaredLength(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.bytes) return found.notRun(kUnread);
  const std::int64_t declared = declaredLength(*file.bytes);
  found.note("declared_bytes", double(declared));
  if (declared > file.bytes->size())
    found.error(byteCount(declared) + " declared, the file holds " + byteCount(file.bytes->size()));
  else
    found.passed(byteCount(declared) + " declared");
}

void checkDeclaredChecksum(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.bytes) return found.notRun(kUnread);
  const ByteImage& b = *file.bytes;
  const std::int64_t declared = declaredLength(b);
  if (declared > b.size()) return found.notRun("the declared image is not all in the file");
  const std::int64_t sum = rangeSum(b, 0, declared - 1).value_or(0);
  found.note("declared_sum_mod_256", double(sum % 256));
  if (sum % 256 == 0)
    found.passed("sums to 0 modulo 256");
  else
    found.error("sums to " + std::to_string(sum % 256) + " modulo 256, not 0");
}

}  // namespace oza
