// The RuravUvo window driven through its fields and buttons, and its
// printout through the report database and the report control.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "report/report_control.h"
#include "report/report_preview_window.h"
#include "shell/session_state.h"
#include "tax/ruravuvo_window.h"
#include "window_harness.h"
#include "widgets/message_sink.h"

using namespace quorin;

namespace {

struct RuravUvoWindowTest : ::testing::Test, test::WindowHarness {
  std::unique_ptr<RuravUvoWindow> window;

  void SetUp() override {
    window = std::make_unique<RuravUvoWindow>(context);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
  }
  static void type(EntryField* f, const char* text) {
    f->clear();
    QTest::keyClicks(f, text);
  }
  EntryField* edit(int i) { return window->findChild<EntryField*>(QStringLiteral("sidbEdit1_%1").arg(i)); }
  void click(const char* name) { QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton); }
  double rowValue(const char* table, const char* field) {
    auto values = column(table, field);
    EXPECT_EQ(values.size(), 1u);
    return values.empty() ? 0 : values.back().toDouble();
  }
};

TEST_F(RuravUvoWindowTest, TypedIncomeAndAgeGiveTheWorkedFigures) {
  type(edit(0), "300000");
  type(edit(1), "40");
  click("cmdCalculate");
  EXPECT_EQ(edit(0)->text().toStdString(), "300000.00");
  EXPECT_EQ(state.ruravuvo.TaxableIncome, 300000);
  EXPECT_EQ(edit(2)->text(), "42678.00");
  EXPECT_EQ(edit(3)->text(), "26.00");
  EXPECT_EQ(edit(4)->text(), "16354.00");
  EXPECT_EQ(edit(5)->text(), "59032.00");
  EXPECT_EQ(edit(6)->text(), "17235.00");
  EXPECT_EQ(edit(7)->text(), "41797.00");
  EXPECT_EQ(edit(8)->text(), "19.68");
  EXPECT_EQ(edit(9)->text(), "13.93");
  EXPECT_NEAR(state.ruravuvo.AverageRateBefore, 19.677333, 1e-6);
}

TEST_F(RuravUvoWindowTest, ActivationRecomputesFromTheSharedValues) {
  state.ruravuvo.TaxableIncome = 2000000;
  state.ruravuvo.Age = 30;
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.get(), &activate);
  EXPECT_EQ(edit(0)->text(), "2000000.00");
  EXPECT_EQ(edit(7)->text(), "709604.00");
  EXPECT_EQ(state.ruravuvo.TotalTax, 726839);
}

TEST_F(RuravUvoWindowTest, PrintFrameDisablesTheButtonsUntilCancelled) {
  click("cmPrint");
  EXPECT_TRUE(window->findChild<QWidget*>("Frame1")->isVisible());
  EXPECT_FALSE(window->findChild<QPushButton*>("cmdCalculate")->isEnabled());
  click("cmdCancel");
  EXPECT_FALSE(window->findChild<QWidget*>("Frame1")->isVisible());
  EXPECT_TRUE(window->findChild<QPushButton*>("cmdCalculate")->isEnabled());
}

TEST_F(RuravUvoWindowTest, PrintingTwiceLeavesOneRowHoldingTheSecondFigures) {
  type(edit(0), "300000");
  type(edit(1), "40");
  click("cmdCalculate");
  click("cmPrint");
  click("cmdVR");
  ASSERT_TRUE(report.lastPreview());
  EXPECT_EQ(report.lastPreview()->windowTitle(),
            "RuravUvo - To export printout click on the suitcase button or goto Help");
  EXPECT_NEAR(rowValue("kwiktax", "TAXCOM4/2"), 41797.0 / 12, 1e-9);

  edit(0)->setText("2000000");
  click("cmdCalculate");
  click("cmPrint");
  click("cmdPD");
  EXPECT_EQ(state.PrintChoice, 1);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_NE(printed[0].find("kwiktep.rpt"), std::string::npos);
  EXPECT_NEAR(rowValue("kwiktax", "TAXCOM4"), 709604, 1e-9);
  EXPECT_TRUE(messages.messages.empty());

  // The preview exports the report as a PDF.
  const QString pdf = folder.qfile("out.pdf");
  EXPECT_FALSE(report.lastPreview()->exportPdf(pdf));
  EXPECT_GT(QFile(pdf).size(), 1000);
}

TEST_F(RuravUvoWindowTest, MissingTableOrReportFileIsReportedAndTheWindowStaysUsable) {
  execSql("DROP TABLE kwiktax");
  click("cmPrint");
  click("cmdVR");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.last()->text.contains("kwiktax"));
  EXPECT_FALSE(report.lastPreview());
  EXPECT_TRUE(window->findChild<QPushButton*>("cmdCalculate")->isEnabled());

  QFile::remove(folder.qfile("Rudodeza.db"));
  click("cmPrint");
  click("cmdVR");
  EXPECT_TRUE(messages.last()->text.contains("Rudodeza.db"));
}

TEST_F(RuravUvoWindowTest, NoPrinterIsSaidInAMessage) {
  report.printDocument = [](const ReportPages&) -> std::optional<std::string> { return std::string("No printer is installed."); };
  click("cmPrint");
  click("cmdPD");
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->text, "No printer is installed.");
}

}  // namespace

namespace {

TEST_F(RuravUvoWindowTest, LeavingABadFieldForCalculateShowsOneMessage) {
  type(edit(1), "99999");  // above the age field's limit
  window->findChild<QPushButton*>("cmdCalculate")->setFocus();  // leaving the field announces it
  click("cmdCalculate");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.last()->icon, MessageIcon::Error);
  EXPECT_EQ(state.ruravuvo.Age, 9999);  // the last accepted value; nothing recalculated with the bad one
}

}  // namespace
