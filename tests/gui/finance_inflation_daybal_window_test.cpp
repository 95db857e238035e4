// The inflation and daily balance windows driven through their fields and
// spin buttons: worked figures, wrap and beep rules, limits and date
// messages, printouts and their conditions, values kept for the next
// opening.
#include "finance/daily_balance_window.h"
#include "finance/inflation_window.h"
#include "finance_window_fixture.h"

using namespace quorin;

namespace {

using InflationWindowTest = test::FinanceWindowFixture<InflationWindow>;
using DayBalWindowTest = test::FinanceWindowFixture<DailyBalanceWindow>;

TEST_F(InflationWindowTest, ProjectionPrintAndReopen) {
  type("numPresCost", "10000");
  type("numPeriod", "10");
  type("numInflaRate", "6");
  click("cmdCalculate");
  EXPECT_EQ(text("numAns1"), "17908.48");
  EXPECT_EQ(text("numAns2"), "5583.95");

  click("cmdPrint");
  ASSERT_TRUE(frameShown());
  click("cmdVR");
  EXPECT_EQ(previewTitle(), "Inflation - To export printout click on the suitcase button or goto Help");
  EXPECT_NEAR(single("Inflation", "Ans1").toDouble(), 17908.476965, 1e-6);
  EXPECT_EQ(single("Inflation", "Period").toDouble(), 10);

  window->close();
  open();
  EXPECT_EQ(text("numPresCost"), "10000");
  EXPECT_EQ(text("numInflaRate"), "6.000");
  EXPECT_EQ(text("numAns1"), "17908.48");
}

TEST_F(InflationWindowTest, TooLargeIsNotShownNorPrinted) {
  type("numPresCost", "1000000000");
  type("numPeriod", "40");
  type("numInflaRate", "10");
  click("cmdCalculate");
  EXPECT_TRUE(widget("Label2_12")->isVisible());
  EXPECT_FALSE(widget("numAns1")->isVisible());
  click("cmdPrint");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(focused("cmdOK"));
  EXPECT_EQ(single("Inflation", "Ans1").toDouble(), 0);

  type("numPeriod", "1");
  click("cmdCalculate");
  EXPECT_FALSE(widget("Label2_12")->isVisible());
  EXPECT_TRUE(widget("numAns1")->isVisible());
}

TEST_F(InflationWindowTest, SpinButtonsWrapAndBeep) {
  type("numPresCost", "100");
  type("numInflaRate", "30");
  spin("spInflation", true);
  EXPECT_EQ(text("numInflaRate"), "-5.000");
  EXPECT_EQ(state.inflation.Rate, -5);
  EXPECT_TRUE(focused("cmdOK"));
  spin("spInflation", false);
  EXPECT_EQ(state.inflation.Rate, 30);
  type("numInflaRate", "-0.25");
  spin("spInflation", true);
  EXPECT_EQ(state.inflation.Rate, 0);
  EXPECT_EQ(beeps, 1);

  // The period spins only once a period is set.
  spin("spPeriod", true);
  EXPECT_EQ(state.inflation.Period, 0);
  type("numPeriod", "1");
  spin("spPeriod", false);
  EXPECT_EQ(text("numPeriod"), "40");
  EXPECT_EQ(beeps, 2);
  spin("spPeriod", true);
  EXPECT_EQ(state.inflation.Period, 1);
  EXPECT_EQ(beeps, 2);

  // Rate -5 for one year on 100: the spin recalculates.
  type("numInflaRate", "-4.75");
  spin("spInflation", false);
  EXPECT_EQ(text("numAns1"), "95.00");
  EXPECT_EQ(text("numAns2"), "105.26");
}

TEST_F(InflationWindowTest, TypedLimitsRefuse) {
  edit("numInflaRate")->setFocus();
  edit("numInflaRate")->setText("41");
  emit edit("numInflaRate")->editingFinished();
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->title, "Incorrect Inflation Rate!");
  EXPECT_EQ(messages.last()->text, "Inflation rate: The range of the Inflation Rate is between -5% and 40%");
  EXPECT_TRUE(focused("numInflaRate"));
  EXPECT_EQ(state.inflation.Rate, 0);
  edit("numPeriod")->setFocus();
  edit("numPeriod")->setText("41");
  emit edit("numPeriod")->editingFinished();
  EXPECT_EQ(messages.last()->title, "Incorrect Period!");
  EXPECT_EQ(messages.last()->text, "Period: The maximum period allowed 40 years");
  EXPECT_TRUE(focused("numPeriod"));
}

TEST_F(DayBalWindowTest, InterestBetweenTwoDatesAndItsPrintout) {
  type("numCapAmount", "10000");
  type("numIntRate", "10");
  type("dtStartDate", "01/03/2025");
  type("dtEndDate", "31/03/2025");
  click("cmdCalculate");
  EXPECT_EQ(text("numAnsDB2"), "30");
  EXPECT_EQ(text("numAnsDB1"), "82.19");
  click("cmdPrint");
  ASSERT_TRUE(frameShown());
  click("cmdVR");
  EXPECT_EQ(previewTitle(), "Daily Balance Calculation");
  EXPECT_EQ(single("DailyBal", "StartDate").toInt(), 45717);
  EXPECT_EQ(single("DailyBal", "EndDate").toInt(), 45747);
  EXPECT_EQ(single("DailyBal", "ANS2").toInt(), 30);
  EXPECT_NEAR(single("DailyBal", "ANS1").toDouble(), 82.19178, 1e-5);

  // A whole leap year.
  type("numCapAmount", "1000");
  type("dtEndDate", "01/03/2028");  // the later date first, so each lies within the other's range
  type("dtStartDate", "01/03/2027");
  click("cmdCalculate");
  EXPECT_EQ(text("numAnsDB2"), "366");
  EXPECT_EQ(text("numAnsDB1"), "100.27");

  // Equal dates: 0 days, and printing is refused.
  type("dtEndDate", "01/03/2027");
  click("cmdCalculate");
  EXPECT_EQ(text("numAnsDB2"), "0");
  click("cmdPrint");
  EXPECT_FALSE(frameShown());
  EXPECT_TRUE(focused("cmdOK"));
  EXPECT_EQ(single("DailyBal", "ANS2").toInt(), 30);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DayBalWindowTest, DateMessagesAndEmptyDates) {
  type("numCapAmount", "10000");
  type("numIntRate", "10");
  type("dtStartDate", "01/03/2025");
  EXPECT_EQ(state.dailyBalance.StartDate, 45717);
  click("cmdCalculate");  // no end date: nothing computed, no message
  EXPECT_EQ(state.dailyBalance.StartDate, 45717);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(text("numAnsDB2"), "0");

  typeAndLeave("dtEndDate", "31/02/2025");
  ASSERT_TRUE(messages.last());
  EXPECT_EQ(messages.last()->title, "INVALID DATE");
  EXPECT_EQ(messages.last()->text, "End date: The date entered is invalid please enter a valid date.");
  EXPECT_TRUE(focused("dtEndDate"));

  typeAndLeave("dtEndDate", "04/03/2055");  // 10 960 days after the start: allowed
  EXPECT_EQ(state.dailyBalance.EndDate, 45717 + 10960);
  typeAndLeave("dtEndDate", "05/03/2055");
  EXPECT_EQ(messages.last()->title, "DATE OUT OF RANGE");
  EXPECT_EQ(messages.last()->text, "End date: The date entered is more than 30 years(360 months) after 01/03/2025.");
  EXPECT_TRUE(focused("dtEndDate"));
  EXPECT_NE(state.dailyBalance.EndDate, 45717 + 10961);  // not taken

  typeAndLeave("dtEndDate", "28/02/2025");  // before the start: out of range too
  EXPECT_EQ(messages.last()->title, "DATE OUT OF RANGE");

  const std::size_t before = messages.messages.size();
  typeAndLeave("dtEndDate", "31/03/2025");
  EXPECT_EQ(messages.messages.size(), before);
  edit("dtStartDate")->setFocus();
  edit("dtStartDate")->setText("31/03/2025");  // the start must lie before the end
  emit edit("dtStartDate")->editingFinished();
  EXPECT_EQ(messages.last()->text, "Start date: The date entered is more than 30 years(360 months) before 31/03/2025.");
  EXPECT_TRUE(focused("dtStartDate"));
  EXPECT_EQ(state.dailyBalance.StartDate, 45717);

  // An emptied date is no date and raises nothing.
  const std::size_t count = messages.messages.size();
  typeAndLeave("dtStartDate", "");
  EXPECT_EQ(messages.messages.size(), count);

  typeAndLeave("numIntRate", "41");
  EXPECT_EQ(messages.last()->title, "Incorrect Interest Rate!");
  EXPECT_EQ(messages.last()->text, "Interest rate: The maximum Interest Rate allowed is 40%");
}

TEST_F(DayBalWindowTest, SpinButtonsMoveTheEndDateAndStepTheRate) {
  type("numCapAmount", "10000");
  type("numIntRate", "10");
  spin("spDate", true);  // no start date: nothing
  EXPECT_TRUE(text("dtEndDate").isEmpty());

  type("dtStartDate", "01/03/2025");
  type("dtEndDate", "02/03/2025");
  spin("spDate", true);
  EXPECT_EQ(text("dtEndDate"), "03/03/2025");
  EXPECT_EQ(text("numAnsDB2"), "2");
  spin("spDate", false);
  spin("spDate", false);
  spin("spDate", false);  // one day before the start: shown, but the start is kept
  EXPECT_EQ(text("dtEndDate"), "28/02/2025");
  EXPECT_EQ(state.dailyBalance.EndDate, 45717);
  EXPECT_EQ(text("numAnsDB2"), "0");
  edit("dtEndDate")->setFocus();  // leaving the day the spin showed raises nothing
  edit("numCapAmount")->setFocus();
  EXPECT_TRUE(messages.messages.empty());

  state.dailyBalance.Rate = 49.9f;  // typed rates stop at 40; the spin goes on to 50
  spin("spRate", true);  // 50.15 wraps to the step
  EXPECT_EQ(text("numIntRate"), "0.250");
  EXPECT_TRUE(focused("cmdOK"));
  EXPECT_EQ(beeps, 0);
  spin("spRate", false);  // 0 beeps and wraps to 50
  EXPECT_EQ(state.dailyBalance.Rate, 50);
  EXPECT_EQ(beeps, 1);
}

TEST_F(DayBalWindowTest, ReopeningShowsTheDatesAndACapitalInSinglePrecision) {
  type("numCapAmount", "12345678.91");
  type("numIntRate", "10");
  type("dtStartDate", "01/03/2025");
  window->close();
  open();
  EXPECT_EQ(state.dailyBalance.Capital, 12345679.0f);
  EXPECT_EQ(text("numCapAmount"), "12345679.00");
  EXPECT_EQ(text("dtStartDate"), "01/03/2025");
  EXPECT_TRUE(text("dtEndDate").isEmpty());  // not entered
  state.reset();
  window->close();
  open();
  EXPECT_TRUE(text("dtStartDate").isEmpty());
}

}  // namespace
