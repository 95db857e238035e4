// The stores under faults: a damaged file, a file held by another program
// and a stored setting that is no number or breaks its limit are each
// reported as what they are, naming the file (or the field and the value),
// with nothing half written.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cmath>

#include "report/report_document.h"
#include "report/report_store.h"
#include "settings/settings_store.h"
#include "test_folder.h"

using namespace quorin;

namespace {

// Another program's connection to a database file, holding it.
class OtherProgram {
 public:
  explicit OtherProgram(const QString& path) {
    db_ = QSqlDatabase::addDatabase("QSQLITE", "other-program");
    db_.setDatabaseName(path);
    db_.open();
  }
  bool exec(const QString& sql) { return QSqlQuery(db_).exec(sql); }
  ~OtherProgram() {
    exec("ROLLBACK");
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase("other-program");
  }

 private:
  QSqlDatabase db_;
};

void overwriteWithGarbage(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(QByteArray(8192, '\x5a'));
}

FeedRecord kwikTax() {
  FeedRecord r{"kwiktax", {}};
  r.set("AGE", std::int16_t{40}).set("TAXINCOME", 300000.0);
  return r;
}

TEST(StoreFaults, DamagedReportDatabaseIsCalledDamagedNotMissing) {
  test::TestFolder folder;
  overwriteWithGarbage(folder.qfile("Rudodeza.db"));
  auto error = writeFeedRecord(folder.file("Rudodeza.db"), kwikTax());
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("is damaged"), std::string::npos) << *error;
  EXPECT_NE(error->find(folder.file("Rudodeza.db")), std::string::npos) << *error;
  EXPECT_EQ(error->find("missing"), std::string::npos) << *error;
  // The report layout reads the same file and says the same.
  ReportLayout layout = fillReport(folder.file("kwiktep.rpt"), folder.file("Rudodeza.db"));
  ASSERT_TRUE(layout.error);
  EXPECT_NE(layout.error->find("is damaged"), std::string::npos) << *layout.error;
}

TEST(StoreFaults, ReportDatabaseHeldByAnotherProgramSaysSoAndWritesNothing) {
  test::TestFolder folder;
  OtherProgram other(folder.qfile("Rudodeza.db"));
  ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
  auto error = writeFeedRecord(folder.file("Rudodeza.db"), kwikTax());
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("in use by another program"), std::string::npos) << *error;
  EXPECT_NE(error->find("Close the other program"), std::string::npos) << *error;
  EXPECT_EQ(error->find("missing"), std::string::npos) << *error;
  FeedRows rows{"Amort", {}};
  auto rowsError = replaceFeedRows(folder.file("Rudodeza.db"), rows);
  ASSERT_TRUE(rowsError);
  EXPECT_NE(rowsError->find("in use by another program"), std::string::npos) << *rowsError;
}

TEST(StoreFaults, SettingsDatabaseDamagedOrHeldIsReportedAsSuch) {
  {
    test::TestFolder folder;
    overwriteWithGarbage(folder.qfile("Settings.db"));
    SettingsLoad load = LoadSettings(folder.file("Settings.db"));
    ASSERT_TRUE(load.error);
    EXPECT_NE(load.error->find("is damaged"), std::string::npos) << *load.error;
    auto saved = SaveSettings(folder.file("Settings.db"), SettingsRecord{});
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("is damaged"), std::string::npos) << *saved;
  }
  {
    test::TestFolder folder;
    ASSERT_FALSE(LoadSettings(folder.file("Settings.db")).error);  // made with the defaults
    OtherProgram other(folder.qfile("Settings.db"));
    ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
    SettingsLoad load = LoadSettings(folder.file("Settings.db"));
    ASSERT_TRUE(load.error);
    EXPECT_NE(load.error->find("in use by another program"), std::string::npos) << *load.error;
    EXPECT_EQ(load.error->find("already exists"), std::string::npos) << *load.error;
  }
}

TEST(StoreFaults, StoredSettingThatIsNoNumberOrBreaksItsLimitIsNamed) {
  struct Case {
    const char* sql;
    const char* field;
    const char* says;
  };
  const Case cases[] = {
      {"UPDATE Setup SET UIFLimit = 'abc'", "UIFLimit", "is not a number"},
      {"UPDATE Setup SET UIFLimit = -5", "UIFLimit", "is -5, outside its limits"},
      {"UPDATE Setup SET EmployeeUIF = 500", "EmployeeUIF", "is 500, outside its limits"},
      {"UPDATE Setup SET SkillLevy = NULL", "SkillLevy", "is not a number"},
  };
  for (const Case& c : cases) {
    test::TestFolder folder;
    ASSERT_FALSE(LoadSettings(folder.file("Settings.db")).error);
    {
      OtherProgram edit(folder.qfile("Settings.db"));
      ASSERT_TRUE(edit.exec(QString::fromLatin1(c.sql)));
    }
    SettingsLoad load = LoadSettings(folder.file("Settings.db"));
    EXPECT_FALSE(load.error) << c.sql;
    ASSERT_TRUE(load.invalid) << c.sql;
    EXPECT_EQ(load.invalid->field, c.field);
    EXPECT_EQ(load.invalid->title, "Settings");
    EXPECT_NE(load.invalid->message.find(std::string("The setting ") + c.field + " in Settings.db " + c.says),
              std::string::npos)
        << load.invalid->message;
  }
  // A sound row is read as stored, with nothing to refuse.
  test::TestFolder folder;
  SettingsLoad sound = LoadSettings(folder.file("Settings.db"));
  EXPECT_FALSE(sound.invalid);
  EXPECT_EQ(sound.record.UIFLimit, 17712);
}

}  // namespace
