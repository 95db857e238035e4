#include "package/package_working.h"

namespace quorin::package_working {

WorkingStep& byMonths(WorkingStep& step, bool annual) {
  if (!annual) step.by("months", 12, FigureKind::Number);
  return step;
}

void recordTaxAfterRebate(Working& w, bool annual, double scaleTax, double rebate, double taxDue) {
  byMonths(w.add(kTaxAfterRebateStep, taxDue, FigureKind::Money,
                 annual ? "tax on the scale - rebate, not below 0"
                        : "(tax on the scale - rebate, not below 0) / {months}")
               .in("tax on the scale", scaleTax)
               .in("rebate", rebate),
           annual);
}

void recordUIFCeiling(Working& w, bool annual, double monthlyLimit, double ceiling) {
  w.add(kUIFCeilingStep, ceiling, FigureKind::Money,
        annual ? "{monthly limit} a month x 12" : "{monthly limit} a month")
      .by("monthly limit", monthlyLimit, FigureKind::Money);
}

void recordUIF(Working& w, double ceiling, double base, double employeePercent, double employerPercent,
               double employeeUIF, double employerUIF) {
  const char* rule = base > ceiling ? "{percent} % of the ceiling {ceiling}"
                                    : "{percent} % of the UIF remuneration, not above the ceiling {ceiling}";
  w.add(kEmployeeUIFStep, employeeUIF, FigureKind::Money, rule)
      .in("UIF remuneration", base)
      .by("percent", employeePercent, FigureKind::Number)
      .by("ceiling", ceiling, FigureKind::Money);
  w.add(kEmployerUIFStep, employerUIF, FigureKind::Money, rule)
      .in("UIF remuneration", base)
      .by("percent", employerPercent, FigureKind::Number)
      .by("ceiling", ceiling, FigureKind::Money);
}

void recordFundContribution(Working& w, const char* label, double value, double percent, double base,
                            const char* baseName, const char* percentRule) {
  if (percent > 0)
    w.add(label, value, FigureKind::Money, percentRule).in(baseName, base).by("percent", percent, FigureKind::Number);
  else
    w.add(label, value, FigureKind::Money, "the amount typed, no percentage set");
}

}  // namespace quorin::package_working
