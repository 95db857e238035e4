#include "package/net_to_gross.h"

#include <algorithm>
#include <cmath>

#include "package/package_working.h"
#include "tax/tax_scale.h"

namespace quorin {

namespace {

// The UIF base of a candidate; it rises with the gross.
double uifBase(const NetToGrossModel& m, double g, double employerRFund) {
  return m.carFringeBenefit + g + m.taxableTravel + m.otherFringe + m.otherExpenses + m.employerMedical +
         employerRFund - m.credits;
}

double employerRFundAt(const NetToGrossModel& m, double g) {
  if (m.employerPercent > 0) return (g + m.medical + m.employerMedical - m.credits) * m.employerPercent / 100;
  return m.typedEmployer;
}

// The first whole rand from 1 whose UIF base is above the ceiling.
double firstAboveCeiling(const NetToGrossModel& m) {
  auto above = [&](double g) { return uifBase(m, g, employerRFundAt(m, g)) > m.uifCeiling; };
  if (above(1)) return 1;
  const double slope = 1 + (m.employerPercent > 0 ? m.employerPercent / 100 : 0);
  const double atZero = uifBase(m, 0, employerRFundAt(m, 0));
  double g = std::ceil((m.uifCeiling - atZero) / slope);
  g = std::clamp(g, 1.0, kMaxCandidate);
  while (g > 1 && above(g - 1)) --g;
  while (!above(g) && g < kMaxCandidate) ++g;
  return g;
}

}  // namespace

namespace {

using namespace package_working;

[[gnu::cold, gnu::noinline]] void recordFunds(Working& w, const NetToGrossModel& m, const CandidateFigures& c,
                                              double base) {
  w.add(kFundBaseStep, base, FigureKind::Money,
        "gross salary + employee's and employer's medical contributions - tax credit")
      .in("gross salary", c.gross)
      .in("employee's medical contribution", m.medical)
      .in("employer's medical contribution", m.employerMedical)
      .in("tax credit", m.credits);
  recordFundContribution(w, kEmployeeFundStep, c.employeeRFund, m.employeePercent, base, "retirement fund base",
                         "{percent} % of the retirement fund base");
  recordFundContribution(w, kEmployerFundStep, c.employerRFund, m.employerPercent, base, "retirement fund base",
                         "{percent} % of the retirement fund base");
}

[[gnu::cold, gnu::noinline]] void recordTaxable(Working& w, const NetToGrossModel& m, const CandidateFigures& c) {
  byMonths(w.add(kTaxableIncomeStep, c.taxableIncome, FigureKind::Money,
                 m.annual ? "gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + "
                            "other expenses + both medical contributions - employee's retirement fund - medical "
                            "deductions - tax credit, not below 0"
                          : "(gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + "
                            "other expenses + both medical contributions - employee's retirement fund - medical "
                            "deductions - tax credit) x {months}, not below 0")
               .in("gross salary", c.gross)
               .in("car fringe benefit", m.carFringeBenefit)
               .in("taxable travel allowance", m.taxableTravel)
               .in("other fringe benefits", m.otherFringe)
               .in("other expenses", m.otherExpenses)
               .in("employee's medical contribution", m.medical)
               .in("employer's medical contribution", m.employerMedical)
               .in("employee's retirement fund", c.employeeRFund)
               .in("medical deductions", m.medicalDeductions)
               .in("tax credit", m.credits),
           m.annual);
}

[[gnu::cold, gnu::noinline]] void recordUIFAndLevy(Working& w, const NetToGrossModel& m, const CandidateFigures& c) {
  w.add(kUIFBaseStep, c.uifBase, FigureKind::Money,
        "gross salary + car fringe benefit + taxable travel allowance + other fringe benefits + other expenses + "
        "employer's medical contribution + employer's retirement fund - tax credit")
      .in("gross salary", c.gross)
      .in("car fringe benefit", m.carFringeBenefit)
      .in("taxable travel allowance", m.taxableTravel)
      .in("other fringe benefits", m.otherFringe)
      .in("other expenses", m.otherExpenses)
      .in("employer's medical contribution", m.employerMedical)
      .in("employer's retirement fund", c.employerRFund)
      .in("tax credit", m.credits);
  recordUIF(w, m.uifCeiling, c.uifBase, m.employeeUIFPercent, m.employerUIFPercent, c.employeeUIF, c.employerUIF);
  w.add(kSkillsLevyStep, c.skillsLevy, FigureKind::Money,
        "{percent} % of (UIF remuneration - both retirement fund contributions), no ceiling")
      .in("UIF remuneration", c.uifBase)
      .in("employee's retirement fund", c.employeeRFund)
      .in("employer's retirement fund", c.employerRFund)
      .by("percent", m.skillsLevyPercent, FigureKind::Number);
}

[[gnu::cold, gnu::noinline]] void recordNet(Working& w, const NetToGrossModel& m, const CandidateFigures& c) {
  w.add(kNetAtGrossStep, c.net, FigureKind::Money,
        m.credits >= c.taxDue
            ? "gross salary + travel allowance - employee's retirement fund - medical deductions - tax after the "
              "rebate - employee's UIF - (tax credit - tax after the rebate), the credit being above the tax"
            : "gross salary + travel allowance - employee's retirement fund - medical deductions - tax after the "
              "rebate - employee's UIF; a tax credit not above the tax changes nothing")
      .in("gross salary", c.gross)
      .in("travel allowance", m.travelAllowance)
      .in("employee's retirement fund", c.employeeRFund)
      .in("medical deductions", m.medicalDeductions)
      .in("tax after the rebate", c.taxDue)
      .in("employee's UIF", c.employeeUIF)
      .in("tax credit", m.credits);
}

// Every figure of a candidate, and its steps when given a working. Inlined
// into the searches with none, where the tests of the pointer fold away.
[[gnu::always_inline]] inline CandidateFigures evaluate(const NetToGrossModel& m, double g, Working* working) {
  CandidateFigures c;
  c.gross = g;
  const double base = g + m.medical + m.employerMedical - m.credits;
  c.employeeRFund = m.employeePercent > 0 ? base * m.employeePercent / 100 : m.typedEmployee;
  c.employerRFund = m.employerPercent > 0 ? base * m.employerPercent / 100 : m.typedEmployer;
  if (working) recordFunds(*working, m, c, base);

  const double taxable = m.carFringeBenefit + g + m.taxableTravel + m.otherFringe + m.otherExpenses -
                         c.employeeRFund - m.medicalDeductions + m.medical - m.credits + m.employerMedical;
  const double perYear = m.annual ? 1 : tax::kMonthsPerYear;
  c.taxableIncome = taxable * perYear;
  if (c.taxableIncome < 0) c.taxableIncome = 0;
  if (working) recordTaxable(*working, m, c);
  const double scaleTax = tax::ApplyTaxScale(c.taxableIncome, *m.year, working).ScaleTax;
  c.taxDue = tax::TaxAfterRebate(scaleTax, m.rebate) / perYear;
  if (working) recordTaxAfterRebate(*working, m.annual, scaleTax, m.rebate, c.taxDue);

  c.uifBase = uifBase(m, g, c.employerRFund);
  const double uifPay = c.uifBase > m.uifCeiling ? m.uifCeiling : c.uifBase;
  c.employeeUIF = uifPay * m.employeeUIFPercent / 100;
  c.employerUIF = uifPay * m.employerUIFPercent / 100;
  c.skillsLevy = (c.uifBase - (c.employeeRFund + c.employerRFund)) * m.skillsLevyPercent / 100;
  if (working) recordUIFAndLevy(*working, m, c);

  // The credits reduce the take-home only as far as they exceed the tax.
  c.net = g + m.travelAllowance - c.employeeRFund - m.medicalDeductions - c.taxDue - c.employeeUIF;
  if (m.credits >= c.taxDue) c.net -= m.credits - c.taxDue;
  if (working) recordNet(*working, m, c);
  return c;
}

}  // namespace

CandidateFigures EvaluateCandidate(const NetToGrossModel& m, double g, Working* working) {
  return evaluate(m, g, working);
}

double CandidateNet(const NetToGrossModel& m, double gross) { return evaluate(m, gross, nullptr).net; }

NetSlopeBounds NetSlopes(const NetToGrossModel& m) {
  // Per rand of gross: the employee's contribution takes e, the tax at most
  // the top rate of what is left, UIF below the ceiling u x (1 + r).
  const double e = m.employeePercent > 0 ? m.employeePercent / 100 : 0;
  const double r = m.employerPercent > 0 ? m.employerPercent / 100 : 0;
  const double u = m.employeeUIFPercent / 100;
  NetSlopeBounds s;
  if (e >= 1 || r < 0) {  // the net cannot be shown to rise anywhere
    s.aboveCeiling = s.belowCeiling = -1;
    return s;
  }
  s.aboveCeiling = (1 - e) * (1 - m.year->topRate() / 100);
  s.belowCeiling = s.aboveCeiling - std::max(0.0, u * (1 + r));
  return s;
}

SearchOutcome SearchOneRand(const NetToGrossModel& m, double required, std::int64_t maxSteps) {
  SearchOutcome out;
  double g = 0;
  while (out.evaluations < maxSteps) {
    g = g + 1;
    ++out.evaluations;
    if (CandidateNet(m, g) > required) {
      out.candidate = g;
      return out;
    }
  }
  out.stop = SearchStop::StepLimit;
  return out;
}

namespace {

// The first candidate from lo on whose net exceeds required, where the net
// rises with every rand from lo: doubling, bisection, then the neighbours.
SearchOutcome firstRising(const NetToGrossModel& m, double required, double lo, SearchOutcome out) {
  auto exceeds = [&](double g) {
    ++out.evaluations;
    return CandidateNet(m, g) > required;
  };
  if (exceeds(lo)) {
    out.candidate = lo;
    return out;
  }
  double below = lo;  // its net is not above required
  double above = 0;
  for (double step = 1;; step *= 2) {
    const double g = std::min(lo + step, kMaxCandidate);
    if (exceeds(g)) {
      above = g;
      break;
    }
    if (g >= kMaxCandidate) {
      out.stop = SearchStop::CandidateLimit;
      return out;
    }
    below = g;
  }
  while (above - below > 1) {
    const double mid = below + std::floor((above - below) / 2);
    (exceeds(mid) ? above : below) = mid;
  }
  // The candidate the one-rand steps stop at: its net exceeds required and
  // the one before does not.
  double g = above;
  while (g > lo && exceeds(g - 1)) --g;
  while (!exceeds(g)) ++g;
  out.candidate = g;
  return out;
}

}  // namespace

SearchOutcome SearchFast(const NetToGrossModel& m, double required) {
  const NetSlopeBounds slopes = NetSlopes(m);
  if (slopes.aboveCeiling < kProvenSlope) return SearchOneRand(m, required);
  if (slopes.belowCeiling >= kProvenSlope) return firstRising(m, required, 1, SearchOutcome{});

  // Below the UIF ceiling the net may fall: one-rand steps there.
  const double ceilingFrom = firstAboveCeiling(m);
  const double steps = ceilingFrom - 1;
  SearchOutcome out = SearchOneRand(m, required, static_cast<std::int64_t>(std::min<double>(steps, kMaxOneRandSteps)));
  if (out.stop == SearchStop::Found) return out;
  if (steps > kMaxOneRandSteps) return out;  // StepLimit
  out.stop = SearchStop::Found;
  return firstRising(m, required, ceilingFrom, out);
}

}  // namespace quorin
