// quorin-cli when a write fails: standard output on a full device, a batch
// output file that cannot be finished (a file size limit stands in for a
// full disk), and settings written by many calls at once.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>
#include <set>

#include "cli_fixture.h"

using namespace quorin::test;

namespace {

struct WriteFaultsCliTest : CliFixture {
  // quorin-cli run by the shell after the given shell commands.
  CliRun shell(const QString& setup, QStringList args) {
    args << "--data-dir" << dir();
    return runProgram("/bin/sh", QStringList{"-c", setup + "; exec \"$0\" \"$@\"", QStringLiteral(QUORIN_CLI)} + args,
                      QProcessEnvironment::systemEnvironment());
  }
  QByteArray payroll(int rows) {
    QByteArray csv = "salary,age\n";
    for (int i = 0; i < rows; ++i) csv += QByteArray::number(20000 + i) + ",40\n";
    return csv;
  }
  QByteArray contents(const char* name) {
    QFile f(folder.qfile(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
  }
};

TEST_F(WriteFaultsCliTest, StandardOutputThatCannotBeWrittenEndsWithExitOne) {
  ASSERT_EQ(call({"settings"}).status, 0);  // the store exists before the runs below
  const QString input = write("in.csv", payroll(3000));
  const QStringList calls[] = {
      {"monthly", "--salary", "30000"},
      {"settings"},
      {"settings", "--uif-limit", "17000"},
      {"batch", "monthly", "--input", input},
  };
  for (const QStringList& args : calls) {
    CliRun r = shell("exec >/dev/full", args);
    EXPECT_EQ(r.status, 1) << args.join(' ').toStdString() << r.err;
    EXPECT_NE(r.err.find("could not be written to standard output"), std::string::npos) << r.err;
  }
}

// The old output file stays whole until the new one is complete; a run
// that cannot finish it leaves the old one and no temporary file behind.
TEST_F(WriteFaultsCliTest, BatchOutputFileIsReplacedOnlyWhenComplete) {
  ASSERT_EQ(call({"settings"}).status, 0);
  const QString input = write("in.csv", payroll(3000));
  const QString output = write("out.csv", "the old results\n");
  const QString unknownColumn = write("bad.csv", "pay\n1\n");
  const QStringList before = QDir(dir()).entryList(QDir::Files);

  // 64 blocks of 512 bytes: far less than the results.
  CliRun cut = shell("trap '' XFSZ; ulimit -f 64", {"batch", "monthly", "--input", input, "--output", output});
  EXPECT_EQ(cut.status, 1) << cut.err;
  EXPECT_NE(cut.err.find("The output file " + output.toStdString() + " could not be written"), std::string::npos)
      << cut.err;
  EXPECT_EQ(contents("out.csv"), "the old results\n");
  EXPECT_EQ(QDir(dir()).entryList(QDir::Files), before);

  CliRun nowhere = call({"batch", "monthly", "--input", input, "--output", folder.qfile("none/out.csv")});
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_NE(nowhere.err.find(folder.file("none/out.csv")), std::string::npos) << nowhere.err;

  CliRun bad = call({"batch", "monthly", "--input", unknownColumn, "--output", output});
  EXPECT_EQ(bad.status, 64);
  EXPECT_EQ(contents("out.csv"), "the old results\n");

  CliRun whole = call({"batch", "monthly", "--input", input, "--output", output});
  ASSERT_EQ(whole.status, 0) << whole.err;
  EXPECT_EQ(contents("out.csv").count("\r\n"), 3001);
  EXPECT_EQ(QDir(dir()).entryList(QDir::Files), before);
}

// Sixteen calls write the settings at once: each waits its turn, every one
// succeeds, and the row holds one of the values written.
TEST_F(WriteFaultsCliTest, SettingsWrittenAtOnceAllSucceed) {
  ASSERT_EQ(call({"settings"}).status, 0);
  std::vector<std::unique_ptr<QProcess>> calls;
  std::set<double> written;
  for (int i = 0; i < 16; ++i) {
    written.insert(17000 + i);
    calls.push_back(std::make_unique<QProcess>());
    calls.back()->start(QStringLiteral(QUORIN_CLI),
                        {"settings", "--uif-limit", QString::number(17000 + i), "--data-dir", dir()});
  }
  for (auto& p : calls) {
    ASSERT_TRUE(p->waitForFinished(60000));
    EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
  }
  CliRun after = call({"settings"});
  ASSERT_EQ(after.status, 0) << after.err;
  EXPECT_EQ(written.count(after.json()["UIFLimit"].get<double>()), 1u) << after.out;
  {
    auto db = QSqlDatabase::addDatabase("QSQLITE", "check");
    db.setDatabaseName(folder.qfile("Settings.db"));
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("PRAGMA integrity_check") && q.next());
    EXPECT_EQ(q.value(0).toString(), "ok");
    ASSERT_TRUE(q.exec("SELECT count(*) FROM Setup") && q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
  }
  QSqlDatabase::removeDatabase("check");
}

}  // namespace
