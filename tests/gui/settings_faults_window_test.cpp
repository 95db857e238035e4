// A tax window opened on a Setup row holding a bad value: the value is
// named, shown in the Setup frame for the user to correct, and no figure is
// worked out from it until it is.
#include "payperiod_window_fixture.h"
#include "payperiod/period_tax_window.h"

using namespace quorin;

namespace {

struct SettingsFaultsWindowTest : test::PayWindowFixture {
  void storeSetting(const QString& sql) {
    ASSERT_FALSE(LoadSettings(state.SettingsDatabasePath).error);
    auto db = QSqlDatabase::addDatabase("QSQLITE", "edit");
    db.setDatabaseName(QString::fromStdString(state.SettingsDatabasePath));
    db.open();
    QSqlQuery(db).exec(sql);
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("edit");
  }
};

TEST_F(SettingsFaultsWindowTest, BadStoredLimitIsShownInTheSetupFrameAndRefused) {
  storeSetting("UPDATE Setup SET UIFLimit = -5");
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_EQ(messages.messages.front().title, "Settings");
  EXPECT_TRUE(messages.messages.front().text.contains("UIFLimit"));
  EXPECT_TRUE(messages.messages.front().text.contains("-5"));
  // The Setup frame shows the stored value where it can be corrected.
  EXPECT_TRUE(window->findChild<QWidget*>("Frame3")->isVisible());
  EXPECT_EQ(shown("numUIFLimit"), "-5");

  // Correcting it lets the window work again, with no UIF of -25.
  type("numUIFLimit", "17712");
  click("cmdSetupOK");
  messages.clear();
  type("numSalRemun", "30000");
  click("cmdCalculate");
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_NEAR(edit("numMAns1")->value(), 177.12, 1e-9);
  EXPECT_EQ(LoadSettings(state.SettingsDatabasePath).record.UIFLimit, 17712);
}

TEST_F(SettingsFaultsWindowTest, StoredTextWhereANumberBelongsIsNeverReadAsZero) {
  storeSetting("UPDATE Setup SET EmployeeUIF = 'abc'");
  open<PeriodTaxWindow>(PeriodKind::Monthly);
  ASSERT_FALSE(messages.messages.empty());  // named at opening
  EXPECT_TRUE(messages.messages.front().text.contains("EmployeeUIF"));
  // The Setup frame is up with the field refused in it; the main buttons
  // wait until it is corrected.
  EXPECT_TRUE(window->findChild<QWidget*>("Frame3")->isVisible());
  EXPECT_EQ(focused(), "numEmpEUIF");
  EXPECT_TRUE(edit("numEmpEUIF")->refusal());
  EXPECT_FALSE(button("cmdCalculate")->isEnabled());
  EXPECT_EQ(edit("numMAns1")->value(), 0);  // no UIF of 0 computed from it
  type("numEmpEUIF", "1");
  click("cmdSetupOK");
  type("numSalRemun", "30000");
  click("cmdCalculate");
  EXPECT_NEAR(edit("numMAns1")->value(), 177.12, 1e-9);
}

}  // namespace
