#include "finance/daily_balance.h"

#include <string>

#include "finance/finance_fields.h"

namespace quorin {

std::optional<DailyBalanceResult> DayBalCalc(const DailyBalanceInput& in) {
  if (!dayEntered(in.startDate) || !dayEntered(in.endDate)) return std::nullopt;
  if (in.startDate > kLastEnteredDay || in.endDate > kLastEnteredDay) return std::nullopt;
  DailyBalanceResult r;
  r.days = in.endDate - in.startDate;  // dates entered lie within 1800..9999: no overflow
  const long double yearly = static_cast<long double>(in.capital) * in.rate / 100;
  r.interest = static_cast<float>(yearly * r.days / 365);
  return r;
}

namespace {
constexpr const char* kOutOfRangeTitle = "DATE OUT OF RANGE";

FieldLimit dateRange(double minimum, double maximum, std::string message) {
  FieldLimit l;
  l.kind = FieldKind::Date;
  l.minimum = minimum;
  l.maximum = maximum;
  l.title = kOutOfRangeTitle;
  l.message = std::move(message);
  return l;
}

std::optional<Refusal> checkDateText(std::string_view text, const char* field, std::int32_t other,
                                     bool isEnd, std::int32_t& day) {
  day = kDayNotEntered;
  bool blank = true;
  for (char c : text)
    if (c != ' ' && c != '_' && c != '/') blank = false;
  if (blank) return std::nullopt;
  double value = 0;
  if (auto refusal = checkText(field, financeFieldLimit(FinanceWindow::DailyBalance, field), text, value))
    return refusal;
  day = static_cast<std::int32_t>(value);
  return isEnd ? checkEndDate(other, day) : checkStartDate(day, other);
}
}  // namespace

FieldLimit endDateLimit(std::int32_t startDate) {
  return dateRange(startDate, static_cast<double>(startDate) + kDailyBalanceRangeDays,
                   "The date entered is more than 30 years(360 months) after " + formatDay(startDate) + ".");
}

FieldLimit startDateLimit(std::int32_t endDate) {
  return dateRange(static_cast<double>(endDate) - kDailyBalanceRangeDays, static_cast<double>(endDate) - 1,
                   "The date entered is more than 30 years(360 months) before " + formatDay(endDate) + ".");
}

std::optional<Refusal> checkEndDate(std::int32_t startDate, std::int32_t endDate) {
  if (!dayEntered(startDate) || !dayEntered(endDate)) return std::nullopt;
  return checkLimit("dtEndDate", endDateLimit(startDate), endDate);
}

std::optional<Refusal> checkStartDate(std::int32_t startDate, std::int32_t endDate) {
  if (!dayEntered(startDate) || !dayEntered(endDate)) return std::nullopt;
  return checkLimit("dtStartDate", startDateLimit(endDate), startDate);
}

std::optional<Refusal> checkStartDateText(std::string_view text, std::int32_t endDate, std::int32_t& day) {
  return checkDateText(text, "dtStartDate", endDate, false, day);
}

std::optional<Refusal> checkEndDateText(std::string_view text, std::int32_t startDate, std::int32_t& day) {
  return checkDateText(text, "dtEndDate", startDate, true, day);
}

EndDateSpin spinEndDate(std::int32_t startDate, std::int32_t endDate, SpinDirection direction) {
  if (!dayEntered(startDate)) return {endDate, endDate, false};
  const std::int32_t from = dayEntered(endDate) ? endDate : startDate;
  EndDateSpin s;
  if (direction == SpinDirection::Down) {
    s.shown = from - 1;
    s.stored = s.shown < startDate ? startDate : s.shown;
  } else {
    s.shown = s.stored = from + 1;
  }
  return s;
}

SpinStep<float> spinDailyRate(float rate, double step, SpinDirection direction) {
  if (rate == 0) return {rate, false, false};
  SpinStep<float> s;
  double value = static_cast<double>(rate);
  if (direction == SpinDirection::Down) {
    value -= step;
    if (value <= 0) {
      s.beep = true;
      value = 50;
    }
  } else {
    value += step;
    s.beep = value == 0;
    if (value > 50) value = step;
  }
  s.value = static_cast<float>(value);
  return s;
}

}  // namespace quorin
