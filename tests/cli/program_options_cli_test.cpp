// Both programs answer --help and --version, and refuse what they do not
// know, without a display: as a packaging script or a terminal without
// graphics would call them.
#include <gtest/gtest.h>

#include "cli_support.h"

using namespace quorin::test;

namespace {

TEST(ProgramOptions, HelpVersionAndUnknownOptionsWithoutADisplay) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  const QString quorin = QStringLiteral(QUORIN_BIN_DIR "/quorin");
  const QString cli = QStringLiteral(QUORIN_CLI);
  struct Case {
    const char* name;
    QString program;
    QStringList args;
    int status;
    std::string out;  // a piece of standard output
    std::string err;  // a piece of standard error
  };
  const Case cases[] = {
      {"quorin --help", quorin, {"--help"}, 0, "Usage: quorin [OPTIONS]", ""},
      {"quorin --version", quorin, {"--version"}, 0, "quorin (Quorin 2026) 1.", ""},
      {"quorin, unknown option", quorin, {"--calculate"}, 64, "", "Unknown option --calculate."},
      {"quorin, no display", quorin, {}, 1, "", "needs a graphical display"},
      {"quorin-cli --version", cli, {"--version"}, 0, "quorin-cli (Quorin 2026) 1.", ""},
      {"quorin-cli --help", cli, {"--help"}, 0, "monthly", ""},
      {"quorin-cli calculator --help", cli, {"monthly", "--help"}, 0, "--pdf FILE", ""},
      {"quorin-cli, unknown option", cli, {"monthly", "--calculate"}, 64, "", "--calculate"},
  };
  for (const auto& c : cases) {
    const CliRun r = runProgram(c.program, c.args, env);
    EXPECT_EQ(r.status, c.status) << c.name << "\n" << r.err;
    EXPECT_NE(r.out.find(c.out), std::string::npos) << c.name << "\n" << r.out;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.name << "\n" << r.err;
  }
}

}  // namespace
