// quorin-cli over damaged, held or wrongly filled data files: each fault is
// named as what it is, and no figure is worked out from a bad setting.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "cli_fixture.h"
#include "test_folder.h"

using namespace quorin::test;

namespace {

struct StoreFaultsCliTest : CliFixture {
  CliRun run(QStringList args) { return call(std::move(args)); }
  void execSettings(const QString& sql) {
    {
      auto db = QSqlDatabase::addDatabase("QSQLITE", "edit");
      db.setDatabaseName(folder.qfile("Settings.db"));
      db.open();
      QSqlQuery(db).exec(sql);
      db.close();
    }
    QSqlDatabase::removeDatabase("edit");
  }
};

TEST_F(StoreFaultsCliTest, BadStoredSettingIsRefusedUnlessTheCallOverridesIt) {
  ASSERT_EQ(run({"settings"}).status, 0);  // the row, with the defaults
  execSettings("UPDATE Setup SET UIFLimit = 'abc'");
  CliRun refused = run({"monthly", "--salary", "30000"});
  EXPECT_EQ(refused.status, 2) << refused.out;
  auto e = refused.json()["error"];
  EXPECT_EQ(e["title"], "Settings");
  EXPECT_EQ(e["field"], "UIFLimit");
  EXPECT_NE(e["message"].get<std::string>().find("is not a number"), std::string::npos);
  EXPECT_EQ(refused.out.find("numMAns1"), std::string::npos);  // no figure

  CliRun overridden = run({"monthly", "--salary", "30000", "--uif-limit", "17712"});
  ASSERT_EQ(overridden.status, 0) << overridden.err;
  EXPECT_NEAR(overridden.json()["window"]["numMAns1"].get<double>(), 177.12, 1e-9);

  execSettings("UPDATE Setup SET UIFLimit = -5");
  CliRun negative = run({"monthly", "--salary", "30000"});
  EXPECT_EQ(negative.status, 2);
  EXPECT_NE(negative.json()["error"]["message"].get<std::string>().find("is -5, outside its limits"),
            std::string::npos);
}

TEST_F(StoreFaultsCliTest, DamagedReportDatabaseIsNamedOnPrint) {
  QFile f(folder.qfile("Rudodeza.db"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(QByteArray(4096, 'x'));
  f.close();
  CliRun r = run({"ruravuvo", "--income", "300000", "--age", "40", "--pdf", folder.qfile("k.pdf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("is damaged"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Rudodeza.db"), std::string::npos) << r.err;
}

}  // namespace
