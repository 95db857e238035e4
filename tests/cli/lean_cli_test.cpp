// quorin-cli starts on Qt Core and Qt SQL alone: the graphical libraries
// come with the PDF printer plugin, loaded only for --pdf; without the
// plugin every other call still works and a print says what is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include "cli_support.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

// The libraries the dynamic loader reports loading (LD_DEBUG=libs), so the
// check also sees those that other libraries and plugins pull in.
CliRun runTracingLibraries(const QStringList& args) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LD_DEBUG", "libs");
  return runProgram(QStringLiteral(QUORIN_CLI), args, env);
}

bool loaded(const CliRun& run, const std::string& library) {
  return run.err.find("calling init: ") != std::string::npos &&
         run.err.find("/" + library) != std::string::npos;
}

bool isPdf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

TEST(LeanCli, OnlyAPdfCallLoadsTheGraphicalLibraries) {
  TestFolder folder;
  const QString dir = QString::fromStdString(folder.path());
  for (const QStringList& call : {QStringList{"monthly", "--salary", "30000"}, QStringList{"settings"},
                                  QStringList{"loans", "--principal", "100000", "--period", "5", "--rate", "10"}}) {
    CliRun run = runTracingLibraries(call + QStringList{"--data-dir", dir});
    ASSERT_EQ(run.status, 0) << call.join(' ').toStdString();
    ASSERT_TRUE(loaded(run, "libQt6Sql.so.6")) << "the loader's trace is missing";
    EXPECT_FALSE(loaded(run, "libQt6Gui.so.6")) << call.join(' ').toStdString();
    EXPECT_FALSE(loaded(run, "libquorin_pdf_printer.so")) << call.join(' ').toStdString();
  }

  const QString pdf = dir + "/monthly.pdf";
  CliRun print = runTracingLibraries({"monthly", "--salary", "30000", "--data-dir", dir, "--pdf", pdf});
  ASSERT_EQ(print.status, 0) << print.err.substr(print.err.size() > 2000 ? print.err.size() - 2000 : 0);
  EXPECT_TRUE(loaded(print, "libquorin_pdf_printer.so"));
  EXPECT_TRUE(loaded(print, "libQt6Gui.so.6"));
  EXPECT_TRUE(isPdf(pdf));
  EXPECT_NEAR(nlohmann::json::parse(print.out)["window"]["numMAns1"].get<double>(), 177.12, 1e-9);
}

// A copy of quorin-cli in a folder of its own, with no plugin beside it.
struct CliWithoutPrinter : ::testing::Test {
  TestFolder data;
  QTemporaryDir install;
  QString program;
  QString pluginPath;

  void SetUp() override {
    ASSERT_TRUE(QDir(install.path()).mkpath("bin"));
    program = install.filePath("bin/quorin-cli");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORIN_CLI), program));
    pluginPath = install.filePath(QUORIN_PLUGIN_DIR "/libquorin_pdf_printer.so");
  }
  CliRun run(QStringList args) {
    args << "--data-dir" << QString::fromStdString(data.path());
    return runProgram(program, args, QProcessEnvironment::systemEnvironment());
  }
  QByteArray reportDatabase() {
    QFile f(data.qfile("Rudodeza.db"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void checkPrintFails(const std::string& reason) {
    const QByteArray before = reportDatabase();
    const QString pdf = data.qfile("monthly.pdf");
    CliRun print = run({"monthly", "--salary", "30000", "--pdf", pdf});
    EXPECT_EQ(print.status, 1);
    EXPECT_TRUE(print.out.empty()) << print.out;
    EXPECT_NE(print.err.find(pluginPath.toStdString()), std::string::npos) << print.err;
    EXPECT_NE(print.err.find(reason), std::string::npos) << print.err;
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(reportDatabase(), before) << "nothing is written for a print that cannot be made";
  }
};

TEST_F(CliWithoutPrinter, EveryOtherCallWorksAndAPrintSaysWhatIsMissing) {
  CliRun plain = run({"monthly", "--salary", "30000"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_NEAR(plain.json()["window"]["numMAns1"].get<double>(), 177.12, 1e-9);
  EXPECT_EQ(run({"settings", "--uif-limit", "17000"}).status, 0);

  checkPrintFails("could not be loaded");
}

TEST_F(CliWithoutPrinter, AFileThatIsNotThePrinterIsRefused) {
  ASSERT_TRUE(QDir(install.path()).mkpath(QUORIN_PLUGIN_DIR));
  {
    QFile junk(pluginPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
  }
  checkPrintFails("could not be loaded");

  // A sound Qt plugin, but another one: the SQLite driver.
  QFile::remove(pluginPath);
  const QString other = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/sqldrivers/libqsqlite.so";
  ASSERT_TRUE(QFile::copy(other, pluginPath)) << other.toStdString();
  checkPrintFails("not the Quorin 2026 PDF printer");
}

}  // namespace
