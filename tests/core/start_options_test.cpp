// The desktop program's command line, read before any display is opened:
// help and version print, the toolkit's own options pass, anything else is a
// usage error that names the argument.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/start_options.h"

using namespace quorin;

namespace {

using Action = StartOptions::Action;

TEST(StartOptions, EachArgumentLeadsToItsAction) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    Action action;
    const char* shown;  // a piece of what is printed
  };
  const Case cases[] = {
      {"no arguments", {}, Action::Run, ""},
      {"long help", {"--help"}, Action::Help, "Usage: quorin [OPTIONS]"},
      {"short help", {"-h"}, Action::Help, "--version"},
      {"version", {"--version"}, Action::Version, "quorin (Quorin 2026) 1."},
      {"short version", {"-v"}, Action::Version, "(Quorin 2026)"},
      {"help after a toolkit option", {"-platform", "offscreen", "--help"}, Action::Help, "Usage:"},
      {"toolkit options", {"-platform", "offscreen", "-style", "Fusion", "-reverse"}, Action::Run, ""},
      {"session restore", {"-session", "1234_5"}, Action::Run, ""},
      {"unknown option", {"--verbose"}, Action::Usage, "Unknown option --verbose."},
      {"toolkit option without its value", {"-platform"}, Action::Usage, "The option -platform needs a value."},
      {"a file", {"payroll.csv"}, Action::Usage, "Unexpected argument payroll.csv"},
  };
  for (const auto& c : cases) {
    const StartOptions o = readStartOptions(c.args);
    EXPECT_EQ(o.action, c.action) << c.name;
    EXPECT_NE(o.text.find(c.shown), std::string::npos) << c.name << ": " << o.text;
    if (c.action == Action::Usage) EXPECT_NE(o.text.find("Usage: quorin"), std::string::npos) << c.name;
  }
}

}  // namespace
