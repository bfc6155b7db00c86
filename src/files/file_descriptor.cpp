// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/file_descriptor.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace oza {

FileDescriptor::~FileDescriptor() { close(); }

bool FileDescriptor::close() {
  if (descriptor_ < 0) return true;
  const int descriptor = descriptor_;
  descriptor_ = -1;
  // A close interrupted by a signal has still released the descriptor on
  // Linux, so it is never repeated.
  return ::close(descriptor) == 0 || errno == EINTR;
}

void FileDescriptor::reset(int descriptor) {
  close();
  descriptor_ = descriptor;
}

CreatedFile createExclusive(int folder, const std::function<std::string()>& drawName) {
  constexpr int kNameAttempts = 16;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = drawName();
    const int file = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file >= 0) return {FileDescriptor(file), std::move(name)};
    if (errno != EEXIST) break;
  }
  return {FileDescriptor(), std::string()};
}

bool writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool syncToStorage(int descriptor) {
  while (::fsync(descriptor) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool flushFile(int descriptor, const FileWriteSeams& seams) {
  return seams.flush ? seams.flush(descriptor) : syncToStorage(descriptor);
}

std::string randomName(const FileWriteSeams& seams) {
  std::uint64_t bits = 0;
  if (seams.randomBits) {
    bits = seams.randomBits();
  } else {
    std::random_device device;
    bits = (std::uint64_t{device()} << 32) ^ device();
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  return text;
}

}  // namespace oza
