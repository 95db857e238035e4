// The Setup row: created with the 2026 defaults when missing, saved field by
// field in one transaction, failures reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "settings/settings_store.h"
#include "test_folder.h"

using namespace quorin;

namespace {

void execSql(const QString& path, const QString& sql) {
  {
    auto db = QSqlDatabase::addDatabase("QSQLITE", "raw");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery(db).exec(sql);
    db.close();
  }
  QSqlDatabase::removeDatabase("raw");
}

TEST(SettingsStore, MissingFileOrRowIsCreatedWithThe2026Defaults) {
  test::TestFolder folder;
  const std::string path = folder.file("Settings.db");
  SettingsLoad load = LoadSettings(path);
  ASSERT_FALSE(load.error) << *load.error;
  EXPECT_EQ(load.record.EmployeeUIF, 1);
  EXPECT_EQ(load.record.EmployerUIF, 1);
  EXPECT_EQ(load.record.SkillLevy, 1);
  EXPECT_EQ(load.record.UIFLimit, 17712);
  EXPECT_EQ(load.record.TAIncRate8020, 0.8);
  EXPECT_EQ(load.record.CompCarFBRate8020, 0.8);
  EXPECT_FALSE(load.record.CompCarMPYesNo);
  EXPECT_EQ(load.record.PensionCont, 0);
  EXPECT_EQ(load.record.EmployerPenCont, 0);

  execSql(folder.qfile("Settings.db"), "DELETE FROM Setup");
  EXPECT_EQ(LoadSettings(path).record.UIFLimit, 17712);
  execSql(folder.qfile("Settings.db"), "SELECT count(*) FROM Setup");
}

TEST(SettingsStore, PayPeriodSaveLeavesTheOtherFieldsAlone) {
  test::TestFolder folder;
  const std::string path = folder.file("Settings.db");
  SettingsRecord all = LoadSettings(path).record;
  all.PensionCont = 7.5;
  all.EmployerPenCont = 10;
  all.ProvCont = 2;
  all.EmployerProvCont = 3;
  all.CompCarFBRate8020 = 0.2;
  all.CompCarMPYesNo = true;
  ASSERT_FALSE(SaveSettings(path, all, kAllSettings));

  SettingsRecord payPeriod;  // a window's copy with other values in the six fields
  payPeriod.EmployeeUIF = 2;
  payPeriod.EmployerUIF = 3;
  payPeriod.SkillLevy = 0.5;
  payPeriod.UIFLimit = 20000;
  payPeriod.TAIncRate8020 = 0.5;
  ASSERT_FALSE(SaveSettings(path, payPeriod, kPayPeriodSettings));
  SettingsRecord r = LoadSettings(path).record;
  EXPECT_EQ(r.EmployeeUIF, 2);
  EXPECT_EQ(r.EmployerUIF, 3);
  EXPECT_EQ(r.SkillLevy, 0.5);
  EXPECT_EQ(r.UIFLimit, 20000);
  EXPECT_EQ(r.TAIncRate8020, 0.5);
  EXPECT_EQ(r.PensionCont, 7.5);
  EXPECT_EQ(r.EmployerPenCont, 10);
  EXPECT_EQ(r.ProvCont, 2);
  EXPECT_EQ(r.EmployerProvCont, 3);
  EXPECT_EQ(r.CompCarFBRate8020, 0.2);
  EXPECT_TRUE(r.CompCarMPYesNo);
}

TEST(SettingsStore, FailuresAreReportedAndTheRowIsUntouched) {
  test::TestFolder folder;
  const std::string path = folder.file("Settings.db");
  LoadSettings(path);
  execSql(folder.qfile("Settings.db"), "ALTER TABLE Setup DROP COLUMN SkillLevy");
  SettingsRecord r;
  r.EmployeeUIF = 9;
  auto e = SaveSettings(path, r, kPayPeriodSettings);
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("SkillLevy"), std::string::npos);
  EXPECT_TRUE(LoadSettings(path).error);
  // the fields that do exist were not half-saved
  execSql(folder.qfile("Settings.db"), "ALTER TABLE Setup ADD COLUMN SkillLevy REAL");
  EXPECT_EQ(LoadSettings(path).record.EmployeeUIF, 1);

  const std::string nowhere = folder.path() + "/no/such/folder/Settings.db";
  EXPECT_TRUE(LoadSettings(nowhere).error);
  EXPECT_TRUE(SaveSettings(nowhere, r));
}

}  // namespace
