// The command line of the desktop program, read before any window or
// display is touched: --help and --version print and end the program, Qt's
// own options are passed on to the toolkit, anything else is a usage error.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct StartOptions {
  enum class Action { Run, Help, Version, Usage };
  Action action = Action::Run;
  std::string text;  // what Help, Version and Usage print
};

// args: the arguments after the program name.
StartOptions readStartOptions(const std::vector<std::string>& args);

// The help text of `quorin --help`; the manual page is made from it.
std::string startHelpText();

// "quorin-cli (Quorin 2026) 1.00.001": the --version line of both programs.
std::string versionLine(const std::string& program);

inline constexpr int kExitUsage = 64;

}  // namespace quorin
