// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/file_write_seams.h"

namespace oza {

// An open POSIX file descriptor, closed when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor = -1) : descriptor_(descriptor) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  // Closes what it held and takes `descriptor`.
  void reset(int descriptor);
  // Gives up the descriptor without closing it.
  int release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
  }

  int get() const { return descriptor_; }
  explicit operator bool() const { return descriptor_ >= 0; }
  // Closes now; false when the close reports an error (a delayed write
  // failure on some file systems).
  bool close();

 private:
  int descriptor_;
};

// A file made by createExclusive, open for writing, and its name.
struct CreatedFile {
  FileDescriptor file;
  std::string name;
};

// Creates a new file (mode 0600, never through a link) in the open folder
// `folder` under a name `drawName` gives, drawing again while the name is
// taken (a few times); no file on any other failure.
CreatedFile createExclusive(int folder, const std::function<std::string()>& drawName);

// Writes every byte, resuming after partial writes and interruptions.
bool writeAll(int descriptor, std::string_view bytes);
// fsync, resumed after interruptions.
bool syncToStorage(int descriptor);
// Flushes a written file through the seam, or with fsync.
bool flushFile(int descriptor, const FileWriteSeams& seams);
// 64 random bits as 16 hexadecimal digits, from the seam or the system.
std::string randomName(const FileWriteSeams& seams);

}  // namespace oza
