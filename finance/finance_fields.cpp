#include "finance/finance_fields.h"

#include <stdexcept>

#include "finance/daily_balance.h"

namespace quorin {

namespace {

constexpr double kLargestAmount = 99999999999.0;

FieldLimit amount(double maximum = kLargestAmount, int decimals = 2) {
  FieldLimit l;
  l.kind = FieldKind::Amount;
  l.minimum = 0;
  l.maximum = maximum;
  l.decimals = decimals;
  return l;
}

FieldLimit whole(double maximum = kLargestAmount) {
  FieldLimit l = amount(maximum, 0);
  l.kind = FieldKind::Whole;
  return l;
}

FieldLimit withMessage(FieldLimit l, std::string title, std::string message) {
  l.title = std::move(title);
  l.message = std::move(message);
  return l;
}

// The caption the window shows beside the field.
FieldLimit named(FieldLimit l, std::string caption) {
  l.caption = std::move(caption);
  return l;
}

// The message names the maximum; a value below the minimum is told so.
FieldLimit withMinimum(FieldLimit l, std::string message) {
  l.minimumMessage = std::move(message);
  return l;
}

FieldLimit loanRate() {
  return withMinimum(withMessage(amount(50, 3), "Incorrect Interest Rate!", "The maximum interest rate allowed is 50%"),
                     "The minimum interest rate allowed is 0%");
}

FieldLimit loanPeriod() {
  return withMinimum(withMessage(whole(600), "Incorrect Period!", "The maximum period  allowed is 600 months"),
                     "The minimum period allowed is 0 months");
}

FieldLimit dateField() {
  FieldLimit l;
  l.kind = FieldKind::Date;
  l.minimum = kFirstEnteredDay;
  l.maximum = kLastEnteredDay;
  return withMessage(l, "INVALID DATE", "The date entered is invalid please enter a valid date.");
}

FieldLimit inflationRate() {
  FieldLimit l = amount(40, 3);
  l.minimum = -5;
  return withMessage(l, "Incorrect Inflation Rate!", "The range of the Inflation Rate is between -5% and 40%");
}

}  // namespace

const char* financeWindowName(FinanceWindow window) {
  switch (window) {
    case FinanceWindow::Loans: return "frmLoans";
    case FinanceWindow::LoanBuster: return "frmLoanBuster";
    case FinanceWindow::LoanComparison: return "frmLoanComp";
    case FinanceWindow::Inflation: return "frmInflation";
    case FinanceWindow::DailyBalance: return "frmDayBal";
  }
  return "";
}

const std::vector<NamedFieldLimit>& financeFieldLimits(FinanceWindow window) {
  static const std::vector<NamedFieldLimit> loans = {
      {"numPrinAmount", named(amount(), "Principal amount")},
      {"numPeriod", named(loanPeriod(), "Period")},
      {"numIntRate", named(loanRate(), "Interest rate")},
      {"numMonRePay", named(amount(), "Monthly repayment")}};
  static const std::vector<NamedFieldLimit> buster = {
      {"numPrinAmount", named(amount(), "Principal amount")},
      {"numPeriod", named(loanPeriod(), "Period")},
      {"numIntRate", named(loanRate(), "Interest rate")},
      {"numXtraPay", named(amount(), "Extra voluntary payments")}};
  static const std::vector<NamedFieldLimit> comparison = {{"numBAmt", named(amount(), "Bond amount")},
                                                          {"numIntRate", named(loanRate(), "Interest rate")}};
  static const std::vector<NamedFieldLimit> inflation = {
      {"numPresCost", named(whole(), "Present cost R")},
      {"numPeriod", named(withMinimum(withMessage(whole(40), "Incorrect Period!", "The maximum period allowed 40 years"),
                                      "The minimum period allowed is 0 years"),
                          "Period")},
      {"numInflaRate", named(inflationRate(), "Inflation rate")}};
  static const std::vector<NamedFieldLimit> daily = {
      {"numCapAmount", named(amount(), "Capital amount")},
      {"dtStartDate", named(dateField(), "Start date")},
      {"dtEndDate", named(dateField(), "End date")},
      {"numIntRate", named(withMinimum(withMessage(amount(40, 3), "Incorrect Interest Rate!",
                                                   "The maximum Interest Rate allowed is 40%"),
                                       "The minimum Interest Rate allowed is 0%"),
                           "Interest rate")}};
  switch (window) {
    case FinanceWindow::Loans: return loans;
    case FinanceWindow::LoanBuster: return buster;
    case FinanceWindow::LoanComparison: return comparison;
    case FinanceWindow::Inflation: return inflation;
    case FinanceWindow::DailyBalance: return daily;
  }
  return loans;
}

const FieldLimit& financeFieldLimit(FinanceWindow window, std::string_view field) {
  for (const NamedFieldLimit& f : financeFieldLimits(window))
    if (f.field == field) return f.limit;
  throw std::out_of_range(std::string(financeWindowName(window)) + " has no field " + std::string(field));
}

std::optional<Refusal> checkFinanceField(FinanceWindow window, std::string_view field, double value) {
  return checkLimit(std::string(field), financeFieldLimit(window, field), value);
}

std::optional<Refusal> checkLoanInputs(LoanMode mode, const LoanTerms& terms) {
  const std::string solved = loanSolvedField(mode);
  const std::pair<const char*, double> fields[] = {{"numPrinAmount", terms.principal},
                                                   {"numPeriod", terms.period},
                                                   {"numIntRate", terms.rate},
                                                   {"numMonRePay", terms.repayment}};
  for (const auto& [field, value] : fields) {
    if (field == solved) continue;
    if (auto refusal = checkFinanceField(FinanceWindow::Loans, field, value)) return refusal;
  }
  return std::nullopt;
}

}  // namespace quorin
