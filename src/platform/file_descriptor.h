#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_write_seams.h"

namespace oza {

// An open POSIX file descriptor, closed when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor = -1) : descriptor_(descriptor) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  // Closes what it held and takes `descriptor`.
  void reset(int descriptor);

  int get() const { return descriptor_; }
  explicit operator bool() const { return descriptor_ >= 0; }
  // Closes now; false when the close reports an error (a delayed write
  // failure on some file systems).
  bool close();

 private:
  int descriptor_;
};

// Writes every byte, resuming after partial writes and interruptions.
bool writeAll(int descriptor, std::string_view bytes);
// fsync, resumed after interruptions.
bool syncToStorage(int descriptor);
// Flushes a written file through the seam, or with fsync.
bool flushFile(int descriptor, const FileWriteSeams& seams);
// 64 random bits as 16 hexadecimal digits, from the seam or the system.
std::string randomName(const FileWriteSeams& seams);

}  // namespace oza
