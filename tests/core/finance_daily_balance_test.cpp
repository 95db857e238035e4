// Daily balance interest: day counts from 30/12/1899, single precision,
// date ranges and their messages, the spin buttons and the record.
#include <gtest/gtest.h>

#include <variant>

#include "finance/finance_records.h"
#include "dates.h"
#include "finance/finance_state.h"

using namespace quorin;

namespace {

using quorin::test::day;

TEST(DailyBalance, WorkedFigures) {
  auto r = DayBalCalc({10000, 10, day(1, 3, 2025), day(31, 3, 2025)});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->days, 30);
  EXPECT_NEAR(r->interest, 82.19f, 0.005f);
  EXPECT_EQ(r->interest, static_cast<float>(10000.0L * 10 / 100 * 30 / 365));
  EXPECT_EQ(day(1, 3, 2025), 45717);
}

TEST(DailyBalance, LeapYearIsStill365Days) {
  auto r = DayBalCalc({1000, 10, day(1, 3, 2027), day(1, 3, 2028)});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->days, 366);
  EXPECT_NEAR(r->interest, 100.27f, 0.005f);
}

TEST(DailyBalance, SinglePrecisionCapital) {
  DailyBalanceState s;
  s.Capital = static_cast<float>(12345678.91);
  EXPECT_EQ(s.Capital, 12345679.0f);
  auto rec = dailyBalRecord({s.Capital, 5, day(1, 3, 2025), day(1, 4, 2025)},
                            *DayBalCalc({s.Capital, 5, day(1, 3, 2025), day(1, 4, 2025)}));
  ASSERT_TRUE(rec);
  EXPECT_EQ(std::get<float>(*rec->find("CapAmount")), 12345679.0f);
}

TEST(DailyBalance, EqualOrReversedDatesAndMissingDates) {
  auto same = DayBalCalc({10000, 10, 45717, 45717});
  ASSERT_TRUE(same);
  EXPECT_EQ(same->days, 0);
  EXPECT_EQ(same->interest, 0);
  EXPECT_FALSE(dailyBalancePrintable(*same));
  auto reversed = DayBalCalc({10000, 10, 45747, 45717});
  ASSERT_TRUE(reversed);
  EXPECT_EQ(reversed->days, -30);
  EXPECT_LT(reversed->interest, 0);
  EXPECT_FALSE(dailyBalRecord({10000, 10, 45747, 45717}, *reversed));
  EXPECT_FALSE(DayBalCalc({10000, 10, kDayNotEntered, 45717}));
  EXPECT_FALSE(DayBalCalc({10000, 10, 45717, kDayNotEntered}));
  EXPECT_FALSE(DayBalCalc(DailyBalanceState{}.input()));
  EXPECT_TRUE(dayEntered(-36520));
  EXPECT_FALSE(dayEntered(-36521));
}

TEST(DailyBalance, Record) {
  DailyBalanceInput in{10000, 10, 45717, 45747};
  auto rec = dailyBalRecord(in, *DayBalCalc(in));
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->table, "DailyBal");
  const char* order[] = {"CapAmount", "StartDate", "EndDate", "IntRate", "ANS1", "ANS2"};
  ASSERT_EQ(rec->fields.size(), 6u);
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(rec->fields[k].name, order[k]);
  EXPECT_EQ(std::get<std::int32_t>(*rec->find("StartDate")), 45717);
  EXPECT_EQ(std::get<std::int32_t>(*rec->find("ANS2")), 30);
  EXPECT_TRUE(std::holds_alternative<float>(*rec->find("ANS1")));
  EXPECT_TRUE(std::holds_alternative<float>(*rec->find("IntRate")));
}

TEST(DailyBalanceDates, EndDateWithin30YearsAfterTheStart) {
  const std::int32_t start = 45717;
  EXPECT_FALSE(checkEndDate(start, start));
  EXPECT_FALSE(checkEndDate(start, start + 10960));
  auto late = checkEndDate(start, start + 10961);
  ASSERT_TRUE(late);
  EXPECT_EQ(late->title, "DATE OUT OF RANGE");
  EXPECT_EQ(late->message, "The date entered is more than 30 years(360 months) after 01/03/2025.");
  EXPECT_EQ(late->field, "dtEndDate");
  EXPECT_TRUE(checkEndDate(start, start - 1));  // before the start: the same message
  EXPECT_FALSE(checkEndDate(kDayNotEntered, start - 1));
}

TEST(DailyBalanceDates, StartDateWithin30YearsBeforeTheEnd) {
  const std::int32_t end = 45747;  // 31/03/2025
  EXPECT_FALSE(checkStartDate(end - 1, end));
  EXPECT_FALSE(checkStartDate(end - 10960, end));
  auto same = checkStartDate(end, end);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->message, "The date entered is more than 30 years(360 months) before 31/03/2025.");
  EXPECT_EQ(same->field, "dtStartDate");
  EXPECT_TRUE(checkStartDate(end - 10961, end));
  FieldLimit l = startDateLimit(end);
  EXPECT_EQ(l.minimum, end - 10960);
  EXPECT_EQ(l.maximum, end - 1);
}

TEST(DailyBalanceDates, TypedText) {
  std::int32_t d = 0;
  EXPECT_FALSE(checkStartDateText("01/03/2025", kDayNotEntered, d));
  EXPECT_EQ(d, 45717);
  auto invalid = checkEndDateText("31/02/2025", 45717, d);
  ASSERT_TRUE(invalid);
  EXPECT_EQ(invalid->title, "INVALID DATE");
  EXPECT_EQ(invalid->message, "End date: The date entered is invalid please enter a valid date.");
  EXPECT_FALSE(checkEndDateText("__/__/____", 45717, d));  // empty: no message
  EXPECT_EQ(d, kDayNotEntered);
  EXPECT_FALSE(checkEndDateText("", 45717, d));
  auto range = checkEndDateText("01/03/2060", 45717, d);
  ASSERT_TRUE(range);
  EXPECT_EQ(range->title, "DATE OUT OF RANGE");
}

TEST(DailyBalanceSpin, EndDate) {
  const std::int32_t start = 45717;
  EndDateSpin up = spinEndDate(start, start + 5, SpinDirection::Up);
  EXPECT_EQ(up.shown, start + 6);
  EXPECT_EQ(up.stored, start + 6);
  EndDateSpin down = spinEndDate(start, start + 5, SpinDirection::Down);
  EXPECT_EQ(down.stored, start + 4);
  EndDateSpin before = spinEndDate(start, start, SpinDirection::Down);
  EXPECT_EQ(before.shown, start - 1);  // the field shows the day moved to
  EXPECT_EQ(before.stored, start);     // but the start date is what counts
  EXPECT_FALSE(spinEndDate(kDayNotEntered, start, SpinDirection::Up).changed);
  EXPECT_EQ(spinEndDate(start, kDayNotEntered, SpinDirection::Up).stored, start + 1);
}

TEST(DailyBalanceSpin, RateWrapsAndBeeps) {
  SpinStep<float> over = spinDailyRate(49.9f, 0.25, SpinDirection::Up);
  EXPECT_EQ(over.value, 0.25f);
  EXPECT_FALSE(over.beep);
  SpinStep<float> zero = spinDailyRate(0.25f, 0.25, SpinDirection::Down);
  EXPECT_EQ(zero.value, 50.0f);
  EXPECT_TRUE(zero.beep);
  SpinStep<float> below = spinDailyRate(0.1f, 0.25, SpinDirection::Down);  // never negative
  EXPECT_EQ(below.value, 50.0f);
  EXPECT_TRUE(below.beep);
  EXPECT_EQ(spinDailyRate(10, 0.25, SpinDirection::Up).value, 10.25f);
  EXPECT_EQ(spinDailyRate(40, 0.25, SpinDirection::Up).value, 40.25f);  // the spin goes past the typed 40
  EXPECT_EQ(spinDailyRate(50, 0.25, SpinDirection::Up).value, 0.25f);
  EXPECT_EQ(spinDailyRate(10, 0.5, SpinDirection::Down).value, 9.5f);
  EXPECT_FALSE(spinDailyRate(0, 0.25, SpinDirection::Up).changed);
}

}  // namespace
