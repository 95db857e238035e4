// The checks the pay-period calculators make before calculating. Each gives
// the message box of a refusal (title, text, field that gets the focus) or
// nothing when the inputs may be calculated.
#pragma once

#include <optional>

#include "payperiod/period_tax.h"
#include "common/field_limits.h"

namespace quorin {

inline constexpr const char* kIncorrectDateTitle = "Incorrect Date";
inline constexpr const char* kIncorrectDaysTitle = "Incorrect Number of Days";

// Monthly: the start and end dates in the same month (else focus to the end
// date), the start day not after the end day (else focus to the start date).
// Equal days are one day worked.
std::optional<Refusal> CheckMonthlyDates(int startDate, int endDate);

// Weekly and fortnightly: days worked not above the normal period (focus to
// cmdCalculate), and at least one day worked (focus to silgEdit22), so that
// the calculation never divides by zero days. Daily and monthly: nothing.
std::optional<Refusal> CheckDayCounts(PeriodKind kind, int normalDays, int daysWorked);

// The check of the kind's Calculate button; nothing for the daily calculator.
std::optional<Refusal> CheckPeriodMeasure(PeriodKind kind, const PeriodPayInput& in);

// Annual: the start date within the year (dtStartDate), then the end date
// within the start date to the year's last day (dtEndDate), with the date
// fields' own messages. An end before the start is laid at the end date.
std::optional<Refusal> CheckAnnualDates(int startDate, int endDate, const tax::TaxYear& year);

}  // namespace quorin
