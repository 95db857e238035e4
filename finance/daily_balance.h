// Daily balance interest: simple interest on a capital amount at an annual
// rate between two dates, counted in days on a 365-day year.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "finance/spin.h"
#include "common/day_number.h"
#include "common/field_limits.h"

namespace quorin {

// Day numbers below this mean "no date entered" (the reset value is
// kDayNotEntered, 01/01/1800).
inline constexpr std::int32_t kFirstEnteredDay = -36520;
inline constexpr std::int32_t kLastEnteredDay = 2958465;  // 31/12/9999
inline bool dayEntered(std::int32_t day) { return day >= kFirstEnteredDay; }

// The end date lies at most this many days (30 years) after the start date.
inline constexpr std::int32_t kDailyBalanceRangeDays = 10960;

struct DailyBalanceInput {
  float capital = 0;                         // numCapAmount (single)
  float rate = 0;                            // numIntRate, annual percent (single)
  std::int32_t startDate = kDayNotEntered;   // dtStartDate
  std::int32_t endDate = kDayNotEntered;     // dtEndDate
};

struct DailyBalanceResult {
  std::int32_t days = 0;  // numAnsDB2: end - start (the start day is not counted)
  float interest = 0;     // numAnsDB1
};

// (capital x rate / 100) x days / 365, worked in extended precision and kept
// as a single. Nothing when a date is not entered (or lies past 9999): the
// window's results then keep their values.
std::optional<DailyBalanceResult> DayBalCalc(const DailyBalanceInput& in);

// "&Print" writes the record only when interest and days are both above 0.
inline bool dailyBalancePrintable(const DailyBalanceResult& r) { return r.interest > 0 && r.days > 0; }

// Allowed ranges once the other date is set, with their messages (title
// "DATE OUT OF RANGE"): the end date from the start date to 10 960 days
// after it, the start date from 10 960 days before the end date to the day
// before it.
FieldLimit endDateLimit(std::int32_t startDate);
FieldLimit startDateLimit(std::int32_t endDate);

// Range checks of a date against the other one; nothing to refuse while the
// other date (or this one) is not entered.
std::optional<Refusal> checkEndDate(std::int32_t startDate, std::int32_t endDate);
std::optional<Refusal> checkStartDate(std::int32_t startDate, std::int32_t endDate);

// A typed date: "INVALID DATE" when it is not a date, then the range check
// against the other date. An empty text is no date and raises nothing
// (day receives kDayNotEntered).
std::optional<Refusal> checkStartDateText(std::string_view text, std::int32_t endDate, std::int32_t& day);
std::optional<Refusal> checkEndDateText(std::string_view text, std::int32_t startDate, std::int32_t& day);

// spDate, only while a start date is set (else changed is false). Down
// moves the end date back a day; if that is before the start date the
// stored end date becomes the start date while the field keeps showing the
// day it moved to. Up moves it forward a day. An end date not yet entered
// starts from the start date.
struct EndDateSpin {
  std::int32_t shown = kDayNotEntered;
  std::int32_t stored = kDayNotEntered;
  bool changed = true;
};
EndDateSpin spinEndDate(std::int32_t startDate, std::int32_t endDate, SpinDirection direction);

// spRate, only while the rate is not 0 (else changed is false). Down takes
// off the step; reaching 0 (or going below it) beeps and wraps to 50. Up
// adds the step; exactly 0 beeps; above 50 wraps to the step.
SpinStep<float> spinDailyRate(float rate, double step, SpinDirection direction);

}  // namespace quorin
