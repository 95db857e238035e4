#include "eti/eti.h"

#include <algorithm>
#include <cstdio>

#include "common/day_number.h"
#include "common/money.h"
#include "eti/eti_fields.h"

namespace quorin {

namespace {

constexpr const char* kIncorrectValue = "Incorrect Value";
constexpr const char* kIncorrectDate = "Incorrect Date";

// Months counted from year 0: two days' months compare and subtract.
int monthIndex(const CalendarDate& d) { return d.year * 12 + d.month - 1; }
int monthIndex(int day) { return monthIndex(calendarDate(day)); }

// The month claimed, worked out once.
struct Claim {
  CalendarDate first;
  int index;
  int lastDay;
};

Claim claimOf(int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const CalendarDate d = calendarDate(month);
  const bool leap = d.year % 4 == 0 && (d.year % 100 != 0 || d.year % 400 == 0);
  const int days = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
  return {d, monthIndex(d), month - d.day + days};
}

// Age in whole years at the end of the month: every birthday of the month
// has been reached by then.
int ageAtMonthEnd(const CalendarDate& born, const Claim& claim) {
  return claim.first.year - born.year - (claim.first.month < born.month ? 1 : 0);
}

int employedSince2013() { return *dayNumber(2013, 10, 1); }

std::string rand(double v) { return "R " + formatGrouped(v, 2); }

}  // namespace

EtiInput DefaultEtiInput(const tax::TaxYear& year) {
  EtiInput in;
  in.month = year.firstDay;
  in.employmentStart = year.firstDay;
  return in;
}

std::optional<int> ParseEtiMonth(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos || slash == 0 || slash > 2 || text.size() - slash - 1 != 4) return std::nullopt;
  int month = 0;
  int year = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == slash) continue;
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    (i < slash ? month : year) = (i < slash ? month : year) * 10 + (text[i] - '0');
  }
  if (month < 1 || month > 12) return std::nullopt;
  return dayNumber(year, month, 1);
}

std::string FormatEtiMonth(int day) {
  const CalendarDate d = calendarDate(day);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%04d", d.month, d.year);
  return text;
}

const tax::EtiTable* EtiTableFor(const tax::TaxYear& year, int day) {
  for (const tax::EtiTable& t : year.eti)
    if (t.contains(day)) return &t;
  return nullptr;
}

double EtiTableAmount(const tax::EtiTable& t, const tax::EtiBand& band, double m) {
  if (m < t.edges[0]) return band.percent / 100 * m;
  if (m < t.edges[1]) return band.amount;
  if (m < t.edges[2]) return band.amount - band.taper * (m - t.edges[1]);
  return 0;
}

std::optional<Refusal> CheckEti(const EtiInput& in, const tax::TaxYear& year) {
  const EtiFieldNames& f = kEtiFields;
  if (year.eti.empty())
    return Refusal{kIncorrectValue, "No ETI table for the " + std::to_string(year.year) + " tax year", f.taxYear};
  const Claim claim = claimOf(in.month);
  if (!year.contains(in.month) || claim.first.day != 1) return EtiMonthRefusal(year);
  const int monthEnd = claim.lastDay;
  if (in.employmentStart > monthEnd)
    return Refusal{kIncorrectDate,
                   "The employment start (" + formatDay(in.employmentStart) + ") is after the month claimed (" +
                       FormatEtiMonth(in.month) + "): enter a start on or before " + formatDay(monthEnd),
                   f.employmentStart};
  if (in.hours && !(*in.hours > 0 && *in.hours <= kEtiMaxHours))
    return Refusal{kIncorrectValue, kEtiHoursMessage, f.hours};
  if (in.birthDate && *in.birthDate > monthEnd)
    return Refusal{kIncorrectDate,
                   "The birth date (" + formatDay(*in.birthDate) + ") is after the month claimed (" +
                       FormatEtiMonth(in.month) + ")",
                   f.birthDate};
  if (!in.age && !in.birthDate && !in.specialEconomicZone)
    return Refusal{kIncorrectValue,
                   "Enter the age or the birth date: outside a special economic zone the employee must be 18 to 29 "
                   "at the end of the month",
                   f.age};
  if (in.age && in.birthDate) {
    const int fromBirth = ageAtMonthEnd(calendarDate(*in.birthDate), claim);
    if (*in.age != fromBirth)
      return Refusal{kIncorrectValue,
                     "The age (" + std::to_string(*in.age) + ") does not agree with the birth date (" +
                         std::to_string(fromBirth) + " at the end of " + FormatEtiMonth(in.month) +
                         "): correct one of them or leave the age blank",
                     f.age};
  }
  const int employed = claim.index - monthIndex(in.employmentStart) + 1;
  if (in.monthsNotQualifying >= employed)
    return Refusal{kIncorrectValue,
                   "The months not qualifying (" + std::to_string(in.monthsNotQualifying) +
                       ") must be fewer than the months employed (" + std::to_string(employed) + ", from " +
                       FormatEtiMonth(in.employmentStart) + " to " + FormatEtiMonth(in.month) + ")",
                   f.monthsNotQualifying};
  if (!in.paye && in.broughtForward != 0)
    return Refusal{kIncorrectValue, "Enter the PAYE of the month to set the ETI brought forward against it", f.paye};
  return std::nullopt;
}

namespace {

// Why the employee does not qualify, as a rule with its figures.
const char* reasonRule(EtiReason reason) {
  switch (reason) {
    case EtiReason::None: break;
    case EtiReason::EmployedBefore2013: return "employed before 1 October 2013: no incentive";
    case EtiReason::Under18: return "younger than 18 at the end of the month: no incentive";
    case EtiReason::Aged30OrOver: return "30 or older at the end of the month, outside a special economic zone: no incentive";
    case EtiReason::NoQualifyingMonth: return "no qualifying month: no incentive";
    case EtiReason::MonthsUsed: return "the 24 qualifying months have been used: no incentive";
    case EtiReason::RemunerationTooHigh: return "remuneration for 160 hours not below {nil edge}: no incentive";
    case EtiReason::BelowMinimumWage: return "paid less than the minimum pay {minimum pay}: no incentive";
  }
  return "qualifies";
}

const char* tableRule(const tax::EtiTable& t, double m) {
  if (m < t.edges[0]) return "below {percent edge}: {percent} % of the remuneration";
  if (m < t.edges[1]) return "{percent edge} to below {taper edge}: the flat {amount}";
  if (m < t.edges[2]) return "{taper edge} to below {nil edge}: {amount} - {taper} x (remuneration - {taper edge})";
  return "from {nil edge}: nil";
}

}  // namespace

// CalcEti, recording its steps or not.
template <bool kRecord>
EtiResult CalcEtiSteps(const EtiInput& in, const tax::TaxYear& year, Working* working) {
  EtiResult r;
  const tax::EtiTable* table = EtiTableFor(year, in.month);
  if (!table) return r;  // CheckEti refuses a month without a table
  r.TableFrom = table->from;
  r.NilEdge = table->edges[2];
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, int year, int month, const tax::EtiTable* table) {
          w.clear();
          w.taxYear = year;
          w.add("ETI table", table->from, FigureKind::Date, "the table in force from {from} to {to}, of {year}")
              .in("month claimed", month, FigureKind::Date)
              .by("from", table->from, FigureKind::Date)
              .by("to", table->to, FigureKind::Date);
        },
        year.year, in.month, table);

  const Claim claim = claimOf(in.month);
  const std::optional<CalendarDate> born =
      in.birthDate ? std::optional<CalendarDate>(calendarDate(*in.birthDate)) : std::nullopt;
  if (born)
    r.AgeAtMonthEnd = ageAtMonthEnd(*born, claim);
  else if (in.age)
    r.AgeAtMonthEnd = *in.age;

  // Months from the start to the month claimed, both counted, less those
  // that did not qualify and, outside a zone, those before the month of
  // the 18th birthday.
  const int start = monthIndex(in.employmentStart);
  const int claimed = claim.index;
  r.MonthsEmployed = claimed - start + 1;
  int beforeEighteen = 0;
  if (born && !in.specialEconomicZone) {
    const int eighteenth = (born->year + 18) * 12 + born->month - 1;
    beforeEighteen = std::clamp(eighteenth, start, claimed + 1) - start;
  }
  r.QualifyingMonth = r.MonthsEmployed - in.monthsNotQualifying - beforeEighteen;
  r.Period = r.QualifyingMonth >= 1 && r.QualifyingMonth <= 12 ? 1 : r.QualifyingMonth >= 13 && r.QualifyingMonth <= 24 ? 2 : 0;
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const EtiResult* r, const EtiInput* in, int beforeEighteen) {
          if (r->AgeAtMonthEnd >= 0) {
            WorkingStep& age = w.add("Age at the end of the month", r->AgeAtMonthEnd, FigureKind::Number,
                                     in->birthDate ? "whole years from the birth date" : "as entered");
            if (in->birthDate) age.in("birth date", *in->birthDate, FigureKind::Date);
            age.in("month claimed", in->month, FigureKind::Date);
          }
          w.add("Months employed", r->MonthsEmployed, FigureKind::Number,
                "from the start to the month claimed, both counted")
              .in("employment start", in->employmentStart, FigureKind::Date)
              .in("month claimed", in->month, FigureKind::Date);
          w.add("Qualifying month", r->QualifyingMonth, FigureKind::Number,
                "months employed - months not qualifying - months before the 18th birthday")
              .in("months employed", r->MonthsEmployed, FigureKind::Number)
              .in("months not qualifying", in->monthsNotQualifying, FigureKind::Number)
              .in("months before the 18th birthday", beforeEighteen, FigureKind::Number);
          w.add("Period", r->Period, FigureKind::Number, "1: qualifying months 1 to 12; 2: months 13 to 24")
              .in("qualifying month", r->QualifyingMonth, FigureKind::Number);
        },
        &r, &in, beforeEighteen);

  // Fewer than 160 hours: the remuneration grossed up to 160 hours, the
  // table's amount scaled back down.
  const bool shortMonth = in.hours && *in.hours < kEtiFullMonthHours;
  r.HoursFactor = shortMonth ? *in.hours / kEtiFullMonthHours : 1;
  r.GrossedUpRemuneration = shortMonth ? in.remuneration * kEtiFullMonthHours / *in.hours : in.remuneration;
  if (in.minimumWage) r.MinimumPay = roundAsShown(*in.minimumWage * in.hours.value_or(kEtiFullMonthHours), 2);
  if constexpr (kRecord)
    recordWith(
        *working,
        [](Working& w, const EtiResult* r, const EtiInput* in, bool shortMonth) {
          WorkingStep& m = w.add("Remuneration for 160 hours", r->GrossedUpRemuneration, FigureKind::Money,
                                 shortMonth ? "remuneration x 160 / hours" : "160 hours or more: the remuneration");
          m.in("remuneration", in->remuneration);
          if (in->hours) m.in("hours", *in->hours, FigureKind::Number);
          if (in->minimumWage)
            w.add("Minimum pay", r->MinimumPay, FigureKind::Money,
                  "minimum wage x hours (160 when not entered), to the cent")
                .in("minimum wage", *in->minimumWage)
                .in("hours", in->hours.value_or(kEtiFullMonthHours), FigureKind::Number);
        },
        &r, &in, shortMonth);

  if (in.employmentStart < employedSince2013())
    r.Reason = EtiReason::EmployedBefore2013;
  else if (!in.specialEconomicZone && r.AgeAtMonthEnd < 18)
    r.Reason = EtiReason::Under18;
  else if (!in.specialEconomicZone && r.AgeAtMonthEnd >= 30)
    r.Reason = EtiReason::Aged30OrOver;
  else if (r.QualifyingMonth < 1)
    r.Reason = EtiReason::NoQualifyingMonth;
  else if (r.QualifyingMonth > 24)
    r.Reason = EtiReason::MonthsUsed;
  else if (!(r.GrossedUpRemuneration < table->edges[2]))
    r.Reason = EtiReason::RemunerationTooHigh;
  else if (in.minimumWage && in.remuneration < r.MinimumPay)
    r.Reason = EtiReason::BelowMinimumWage;
  r.Qualifies = r.Reason == EtiReason::None;
  if (kRecord && !r.Qualifies)
    recordWith(
        *working,
        [](Working& w, const EtiResult* r, const tax::EtiTable* table) {
          WorkingStep& step = w.add("Qualifies", 0, FigureKind::Number, reasonRule(r->Reason));
          if (r->AgeAtMonthEnd >= 0) step.in("age at the end of the month", r->AgeAtMonthEnd, FigureKind::Number);
          step.in("qualifying month", r->QualifyingMonth, FigureKind::Number)
              .in("remuneration for 160 hours", r->GrossedUpRemuneration)
              .by("nil edge", table->edges[2])
              .by("minimum pay", r->MinimumPay, FigureKind::Money);
        },
        &r, table);

  if (r.Qualifies) {
    const tax::EtiBand& band = r.Period == 1 ? table->first : table->second;
    r.FullMonthETI = EtiTableAmount(*table, band, r.GrossedUpRemuneration);
    r.ETI = roundAsShown(r.FullMonthETI * r.HoursFactor, 2);
    if constexpr (kRecord)
      recordWith(
          *working,
          [](Working& w, const EtiResult* r, const tax::EtiTable* table, const tax::EtiBand* band) {
            w.add("ETI for a full month", r->FullMonthETI, FigureKind::Money,
                  tableRule(*table, r->GrossedUpRemuneration))
                .in("remuneration for 160 hours", r->GrossedUpRemuneration)
                .in("period", r->Period, FigureKind::Number)
                .by("percent edge", table->edges[0])
                .by("taper edge", table->edges[1])
                .by("nil edge", table->edges[2])
                .by("percent", band->percent, FigureKind::Number)
                .by("amount", band->amount)
                .by("taper", band->taper, FigureKind::Number);
            w.add("Employment Tax Incentive", r->ETI, FigureKind::Money,
                  "ETI for a full month x hours factor {hours factor}, to the cent")
                .in("ETI for a full month", r->FullMonthETI)
                .by("hours factor", r->HoursFactor, FigureKind::Number);
          },
          &r, table, &band);
  }

  // The roll-over: what is brought forward plus this month's ETI reduces
  // the PAYE; the rest is carried forward. March and September start the
  // reconciliation periods, so nothing is brought forward into them.
  if (in.paye) {
    const int calendarMonth = claim.first.month;
    r.RollOver = true;
    r.BroughtForward = calendarMonth == 3 || calendarMonth == 9 ? 0 : in.broughtForward;
    const double available = r.BroughtForward + r.ETI;
    r.Utilised = roundAsShown(std::min(available, *in.paye), 2);
    r.CarriedForward = roundAsShown(available - r.Utilised, 2);
    if constexpr (kRecord)
      recordWith(
          *working,
          [](Working& w, const EtiResult* r, const EtiInput* in) {
            w.add("ETI brought forward", r->BroughtForward, FigureKind::Money,
                  r->BroughtForward != in->broughtForward ? "nothing is brought forward into March or September"
                                                          : "as entered")
                .in("brought forward entered", in->broughtForward);
            w.add("ETI utilised", r->Utilised, FigureKind::Money,
                  "the smaller of brought forward + ETI and the PAYE, to the cent")
                .in("ETI brought forward", r->BroughtForward)
                .in("Employment Tax Incentive", r->ETI)
                .in("PAYE", *in->paye);
            w.add("ETI carried forward", r->CarriedForward, FigureKind::Money,
                  "brought forward + ETI - utilised, to the cent")
                .in("ETI brought forward", r->BroughtForward)
                .in("Employment Tax Incentive", r->ETI)
                .in("ETI utilised", r->Utilised);
          },
          &r, &in);
  }
  return r;
}

EtiResult CalcEti(const EtiInput& in, const tax::TaxYear& year, Working* working) {
  if (working) [[unlikely]]
    return CalcEtiSteps<true>(in, year, working);
  return CalcEtiSteps<false>(in, year, working);
}

std::optional<Refusal> CalculateEti(const EtiInput& in, const tax::TaxYear& year, EtiResult& out,
                                    Working* working) {
  if (auto refusal = CheckEti(in, year)) return refusal;
  out = CalcEti(in, year, working);
  return std::nullopt;
}

std::string EtiReasonText(const EtiResult& r, int language) {
  const bool af = language == 1;
  switch (r.Reason) {
    case EtiReason::None: return {};
    case EtiReason::EmployedBefore2013:
      return af ? "In diens geneem voor 1 Oktober 2013" : "Employed before 1 October 2013";
    case EtiReason::Under18:
      return af ? "Jonger as 18 aan die einde van die maand" : "Younger than 18 at the end of the month";
    case EtiReason::Aged30OrOver:
      return af ? "30 of ouer aan die einde van die maand, buite 'n spesiale ekonomiese sone"
                : "30 or older at the end of the month, outside a special economic zone";
    case EtiReason::NoQualifyingMonth:
      return af ? "Geen kwalifiserende maand nie: geen maand in diens het gekwalifiseer nie"
                : "No qualifying month: none of the months employed qualified";
    case EtiReason::MonthsUsed:
      return af ? "Kwalifiserende maand " + std::to_string(r.QualifyingMonth) + ": die 24 maande is gebruik"
                : "Qualifying month " + std::to_string(r.QualifyingMonth) + ": the 24 months have been used";
    case EtiReason::RemunerationTooHigh:
      return af ? "Maandelikse besoldiging (" + rand(r.GrossedUpRemuneration) + " vir 160 uur) nie onder " +
                      rand(r.NilEdge) + " nie"
                : "Monthly remuneration (" + rand(r.GrossedUpRemuneration) + " for 160 hours) not below " +
                      rand(r.NilEdge);
    case EtiReason::BelowMinimumWage:
      return af ? "Minder as die minimum loon vir die ure betaal (" + rand(r.MinimumPay) + ")"
                : "Paid less than the minimum wage for the hours (" + rand(r.MinimumPay) + ")";
  }
  return {};
}

std::vector<EtiFigure> EtiWindowFigures(const EtiResult& r) {
  const EtiFieldNames& f = kEtiFields;
  return {{f.qualifyingMonth, static_cast<double>(r.QualifyingMonth)},
          {f.period, static_cast<double>(r.Period)},
          {f.grossedUp, r.GrossedUpRemuneration},
          {f.fullMonthEti, r.FullMonthETI},
          {f.hoursFactor, r.HoursFactor},
          {f.eti, r.ETI},
          {f.utilised, r.Utilised},
          {f.carriedForward, r.CarriedForward}};
}

}  // namespace quorin
