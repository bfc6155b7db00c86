#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace oza::test {

struct CliRun {
  int exitCode;
  std::string out;
};

// Runs oza-cli with `arguments` (shell words) and takes its standard output.
inline CliRun runCli(const std::string& arguments) {
  const std::string command = std::string(OZA_CLI_PATH) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WEXITSTATUS(status), out};
}

inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace oza::test
