// The report database: single-row records edited in place, multi-row tables
// refilled all or nothing, and every failure reported with nothing written.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "report/report_schema.h"
#include "report/report_store.h"
#include "test_folder.h"

using namespace quorin;

namespace {

struct Sql {
  explicit Sql(const QString& path) {
    db = QSqlDatabase::addDatabase("QSQLITE", "check");
    db.setDatabaseName(path);
    db.open();
  }
  ~Sql() {
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("check");
  }
  QVariant one(const QString& sql) {
    QSqlQuery q(db);
    q.exec(sql);
    return q.next() ? q.value(0) : QVariant();
  }
  void exec(const QString& sql) { QSqlQuery(db).exec(sql); }
  QSqlDatabase db;
};

FeedRecord kwik(double taxcom) {
  FeedRecord r{"kwiktax", {}};
  r.set("AGE", std::int16_t{40}).set("TAXCOM4", taxcom).set("TAXCOM4/2", taxcom / 12);
  return r;
}

// A small multi-row table for the refill tests.
void addRowsTable(const std::string& path) {
  Sql s(QString::fromStdString(path));
  s.exec("CREATE TABLE Lines (Year INTEGER, Capital REAL)");
  s.exec("INSERT INTO Lines VALUES (1, 10), (2, 20)");
}

FeedRows lines(int n) {
  FeedRows rows{"Lines", {}};
  for (int i = 1; i <= n; ++i) {
    FeedRecord r{"Lines", {}};
    r.set("Year", std::int16_t(i)).set("Capital", 100.0 * i);
    rows.rows.push_back(r);
  }
  return rows;
}

TEST(ReportStore, DeliveredDatabaseHoldsEverySingleRowTablesRow) {
  test::TestFolder folder;
  Sql s(folder.qfile("Rudodeza.db"));
  for (const auto& t : reportSchema()) {
    const int rows = s.one(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(QString::fromStdString(t.name))).toInt();
    EXPECT_EQ(rows, t.multiRow ? 0 : 1) << t.name;
  }
}

TEST(ReportStore, SingleRowRecordIsOverwrittenInPlace) {
  test::TestFolder folder;
  ASSERT_FALSE(writeFeedRecord(folder.file("Rudodeza.db"), kwik(41797)));
  ASSERT_FALSE(writeFeedRecord(folder.file("Rudodeza.db"), kwik(709604)));
  Sql s(folder.qfile("Rudodeza.db"));
  EXPECT_EQ(s.one("SELECT count(*) FROM kwiktax").toInt(), 1);
  EXPECT_EQ(s.one("SELECT TAXCOM4 FROM kwiktax").toDouble(), 709604);
  EXPECT_EQ(s.one("SELECT \"TAXCOM4/2\" FROM kwiktax").toDouble(), 709604.0 / 12);
}

TEST(ReportStore, FailuresAreReportedAndNothingIsWritten) {
  test::TestFolder folder;
  const std::string db = folder.file("Rudodeza.db");
  ASSERT_FALSE(writeFeedRecord(db, kwik(1)));

  FeedRecord badField = kwik(2);
  badField.set("NOSUCHFIELD", 1.0);
  auto e = writeFeedRecord(db, badField);
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("NOSUCHFIELD"), std::string::npos);

  FeedRecord badTable{"NoSuchTable", {}};
  badTable.set("X", 1.0);
  e = writeFeedRecord(db, badTable);
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("NoSuchTable"), std::string::npos);
  {
    Sql s(folder.qfile("Rudodeza.db"));
    EXPECT_EQ(s.one("SELECT TAXCOM4 FROM kwiktax").toDouble(), 1);  // the earlier print stays
    s.exec("DELETE FROM kwiktax");
  }
  e = writeFeedRecord(db, kwik(3));
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("no row"), std::string::npos);

  e = writeFeedRecord(folder.file("missing.db"), kwik(4));
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("missing.db"), std::string::npos);
  EXPECT_FALSE(QFile::exists(folder.qfile("missing.db")));  // not created by the attempt
}

TEST(ReportStore, MultiRowRefillReplacesAllRowsOrNone) {
  test::TestFolder folder;
  const std::string db = folder.file("Rudodeza.db");
  addRowsTable(db);
  ASSERT_FALSE(replaceFeedRows(db, lines(5)));
  ASSERT_FALSE(replaceFeedRows(db, lines(3)));
  {
    Sql s(folder.qfile("Rudodeza.db"));
    EXPECT_EQ(s.one("SELECT count(*) FROM Lines").toInt(), 3);
    EXPECT_EQ(s.one("SELECT max(Capital) FROM Lines").toDouble(), 300);
  }
  // A row with an unknown field in the middle: the previous three rows stay.
  FeedRows broken = lines(4);
  broken.rows[2].set("Nope", 1.0);
  EXPECT_TRUE(replaceFeedRows(db, broken));
  Sql s(folder.qfile("Rudodeza.db"));
  EXPECT_EQ(s.one("SELECT count(*) FROM Lines").toInt(), 3);
}

// A database kept from an earlier version: IRP5Mon lacks a field (EOE)
// and holds the user's last print, kwiktax did not exist yet, and a table
// this version does not know is there. Migrating adds what is missing,
// keeps the rest, and a second run changes nothing.
TEST(ReportStore, AnEarlierVersionsDatabaseGainsTheNewTablesAndFieldsAndKeepsItsRows) {
  test::TestFolder folder;
  const std::string db = folder.file("Rudodeza.db");
  {
    Sql s(folder.qfile("Rudodeza.db"));
    s.exec("ALTER TABLE IRP5Mon DROP COLUMN EOE");
    s.exec("UPDATE IRP5Mon SET Sal = ' For : Jane Earlier', SalNum = 45678");
    s.exec("DROP TABLE kwiktax");
    s.exec("CREATE TABLE Retired (Note TEXT)");
    s.exec("INSERT INTO Retired VALUES ('kept')");
    ASSERT_FALSE(s.db.record("IRP5Mon").contains("EOE"));
  }
  for (int run = 1; run <= 2; ++run) {
    ASSERT_FALSE(migrateReportDatabase(db)) << "run " << run;
    Sql s(folder.qfile("Rudodeza.db"));
    EXPECT_EQ(s.one("SELECT count(*) FROM IRP5Mon").toInt(), 1);
    EXPECT_EQ(s.one("SELECT Sal FROM IRP5Mon").toString(), " For : Jane Earlier");
    EXPECT_EQ(s.one("SELECT SalNum FROM IRP5Mon").toDouble(), 45678);
    EXPECT_EQ(s.one("SELECT EOE FROM IRP5Mon").toString(), "") << "the new field is empty in the kept row";
    EXPECT_EQ(s.one("SELECT count(*) FROM kwiktax").toInt(), 1) << "a new single-row table has its row";
    EXPECT_EQ(s.one("SELECT Note FROM Retired").toString(), "kept");
  }
  EXPECT_FALSE(writeFeedRecord(db, kwik(41797)));

  // What cannot be migrated is named, and nothing is made in its place.
  auto e = migrateReportDatabase(folder.file("missing.db"));
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("missing.db"), std::string::npos) << *e;
  EXPECT_FALSE(QFile::exists(folder.qfile("missing.db")));
  {
    QFile damaged(folder.qfile("damaged.db"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
  }
  e = migrateReportDatabase(folder.file("damaged.db"));
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("damaged.db"), std::string::npos) << *e;
}

}  // namespace
