// Runs quorin-cli as a process for the command-line tests.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <nlohmann/json.hpp>
#include <string>

namespace quorin::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
  nlohmann::json json() const { return nlohmann::json::parse(out); }
};

// Runs a copy of quorin-cli, or the program with extra environment.
inline CliRun runProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                         const QByteArray& input = {}) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  p.waitForStarted();
  if (!input.isEmpty()) p.write(input);
  p.closeWriteChannel();
  p.waitForFinished(60000);
  return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

// The command line's today in the tests: in 2026, the year of the worked
// examples, unless the test names another day.
inline QProcessEnvironment cliEnvironment(const QString& today = QStringLiteral("15/06/2025")) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QUORIN_TODAY"), today);
  return env;
}

inline CliRun runCli(const QStringList& args, const QByteArray& input = {}) {
  QProcess p;
  p.setProcessEnvironment(cliEnvironment());
  p.start(QStringLiteral(QUORIN_CLI), args);
  p.waitForStarted();
  if (!input.isEmpty()) p.write(input);
  p.closeWriteChannel();
  p.waitForFinished(60000);
  return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

}  // namespace quorin::test
