// A command-line test on a temporary copy of the data files: calls with
// --data-dir pointing there, batch files written there, and the report
// database's row counts read back.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "cli_support.h"
#include "test_folder.h"

namespace quorin::test {

struct CliFixture : ::testing::Test {
  TestFolder folder;

  QString dir() const { return QString::fromStdString(folder.path()); }
  // quorin-cli on this test's data folder.
  CliRun call(QStringList args) {
    args << "--data-dir" << dir();
    return runCli(args);
  }
  // A file in the data folder; its path.
  QString write(const char* name, const QByteArray& text) {
    QFile f(folder.qfile(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name;
    f.write(text);
    return folder.qfile(name);
  }
  // The output lines of a batch run over the CSV text.
  QStringList batch(const char* calculator, const QByteArray& csv) {
    CliRun r = call({"batch", calculator, "--input", write("in.csv", csv)});
    EXPECT_EQ(r.status, 0) << r.err;
    return QString::fromStdString(r.out).split("\r\n", Qt::SkipEmptyParts);
  }
  // The rows of a feed table; -1 when it cannot be read.
  int rowCount(const char* table) const {
    int n = -1;
    {
      auto db = QSqlDatabase::addDatabase("QSQLITE", "count");
      db.setDatabaseName(folder.qfile("Rudodeza.db"));
      db.open();
      QSqlQuery q(db);
      q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
      if (q.next()) n = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase("count");
    return n;
  }
};

}  // namespace quorin::test
