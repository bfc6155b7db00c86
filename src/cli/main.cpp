// SPDX-License-Identifier: GPL-3.0-or-later

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

#include "cli/cli.h"

namespace {

// A standard stream the caller closed is filled with /dev/null, so that no
// file the program opens takes its number and receives the report; true when
// it had been closed.
bool fillClosed(int descriptor) {
  if (::fcntl(descriptor, F_GETFD) >= 0) return false;
  const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  if (null >= 0 && null != descriptor) {
    ::dup2(null, descriptor);
    ::close(null);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  fillClosed(STDIN_FILENO);
  const bool outputClosed = fillClosed(STDOUT_FILENO);
  fillClosed(STDERR_FILENO);
  std::vector<std::string> args(argv + 1, argv + argc);
  const int code = oza::runCli(args, std::cout, std::cerr);
  // A report that did not arrive is a failure, whatever the command did.
  errno = 0;
  std::cout.flush();
  if (outputClosed || !std::cout || std::fflush(stdout) != 0) {
    const int cause = outputClosed ? EBADF : errno;
    std::cerr << "oza-cli: cannot write to standard output" << (cause ? std::string(": ") + std::strerror(cause) : "")
              << "\n";
    return 1;
  }
  return code;
}
