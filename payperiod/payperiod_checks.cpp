#include "payperiod/payperiod_checks.h"

#include "payperiod/payperiod_fields.h"
#include "common/day_number.h"

namespace quorin {

std::optional<Refusal> CheckMonthlyDates(int startDate, int endDate) {
  const CalendarDate start = calendarDate(startDate);
  const CalendarDate end = calendarDate(endDate);
  if (start.month != end.month || start.year != end.year)
    return Refusal{kIncorrectDateTitle, "The Start and End dates entered must be for the same Month", "dtMEndDate"};
  if (start.day > end.day)
    return Refusal{kIncorrectDateTitle, "The Start date entered must be before the End date", "dtMStartDate"};
  return std::nullopt;
}

std::optional<Refusal> CheckDayCounts(PeriodKind kind, int normalDays, int daysWorked) {
  if (kind != PeriodKind::Weekly && kind != PeriodKind::Fortnightly) return std::nullopt;
  const bool weekly = kind == PeriodKind::Weekly;
  if (daysWorked > normalDays)
    return Refusal{kIncorrectDaysTitle,
                   weekly ? "The number of 'Normal work-week' days must be = to or larger than 'This work-week'."
                          : "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.",
                   "cmdCalculate"};
  if (daysWorked < 1)
    return Refusal{kIncorrectDaysTitle,
                   weekly ? "The number of days worked in 'This work week' must be 1 or more."
                          : "The number of days worked in 'This fortnight' must be 1 or more.",
                   PeriodFields(kind).daysWorked};
  return std::nullopt;
}

std::optional<Refusal> CheckPeriodMeasure(PeriodKind kind, const PeriodPayInput& in) {
  if (kind == PeriodKind::Monthly) return CheckMonthlyDates(in.startDate, in.endDate);
  return CheckDayCounts(kind, in.normalDays, in.daysWorked);
}

std::optional<Refusal> CheckAnnualDates(int startDate, int endDate, const tax::TaxYear& year) {
  const AnnualFieldNames& f = kAnnualFields;
  if (auto refusal = checkLimit(f.startDate, StartDateLimit(year.lastDay, year), startDate)) return refusal;
  return checkLimit(f.endDate, EndDateLimit(startDate, startDate, year), endDate);
}

}  // namespace quorin
