// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace oza::test {

struct CliRun {
  int exitCode;
  std::string out;
};

// Splits `arguments` into words as a shell would for plain words, '…' and
// "…" quotes and backslash escapes; nothing else of a shell is taken.
inline std::vector<std::string> cliWords(const std::string& arguments) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const char c = arguments[i];
    if (quote) {
      if (c == quote) {
        quote = 0;
      } else if (c == '\\' && quote == '"' && i + 1 < arguments.size()) {
        word += arguments[++i];
      } else {
        word += c;
      }
    } else if (c == '\'' || c == '"') {
      quote = c;
      inWord = true;
    } else if (c == '\\' && i + 1 < arguments.size()) {
      word += arguments[++i];
      inWord = true;
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

// Runs oza-cli itself (no shell) with `arguments` and takes its standard
// output, and its standard error too when `withErrors`. A run that takes
// longer than `seconds` is stopped and gives the exit code -1.
inline CliRun runCli(const std::vector<std::string>& arguments, bool withErrors = false, unsigned seconds = 60) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return {-1, {}};
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(seconds);  // kept across exec
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    const int errors = withErrors ? pipeEnds[1] : ::open("/dev/null", O_WRONLY);
    ::dup2(errors, STDERR_FILENO);
    const int input = ::open("/dev/null", O_RDONLY);
    ::dup2(input, STDIN_FILENO);
    ::close(pipeEnds[0]);
    std::vector<char*> argv;
    std::string program = OZA_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(pipeEnds[1]);
  std::string out;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

inline CliRun runCli(const std::string& arguments, bool withErrors = false, unsigned seconds = 60) {
  return runCli(cliWords(arguments), withErrors, seconds);
}

inline bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace oza::test
