// quorin-cli loans, loan-buster, loan-comparison, inflation and daily-balance.
#include "cli/calculator_command.h"
#include "finance/finance_fields.h"
#include "finance/finance_records.h"

namespace quorin::cli {

namespace {

Flag fieldFlag(const char* name, FinanceWindow window, const char* field, const char* help) {
  return amountFlag(name, field, financeFieldLimit(window, field), help);
}

nlohmann::ordered_json scheduleJson(const FeedRows& rows) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const FeedRecord& r : rows.rows) list.push_back(recordJson(r));
  return list;
}

Calculator loans() {
  const auto W = FinanceWindow::Loans;
  Calculator c;
  c.name = "loans";
  c.description = "Loan repayment, principal, period or interest rate, with amortisation schedules";
  c.flags = {
      choiceFlag("mode", "optLoanCalc", {"repayment", "principal", "period", "rate"}, "value to solve"),
      fieldFlag("principal", W, "numPrinAmount", "principal amount"),
      fieldFlag("period", W, "numPeriod", "period in months"),
      fieldFlag("rate", W, "numIntRate", "interest rate, percent a year"),
      fieldFlag("repayment", W, "numMonRePay", "monthly repayment"),
      switchFlag("fin-charges", "cmdFinCharge", "show the finance charges"),
      choiceFlag("schedule", "chkIncAmort", {"none", "monthly", "annual"}, "amortisation schedule to include"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    const std::string modeFlag = in.text("mode", "repayment");
    const LoanMode mode = modeFlag == "principal" ? LoanMode::PrincipalAmount
                          : modeFlag == "period"  ? LoanMode::RepaymentPeriod
                          : modeFlag == "rate"    ? LoanMode::InterestRate
                                                  : LoanMode::MonthlyRepayment;
    LoansState& s = ctx.session.loans;
    s.setMode(mode);
    s.FinChargesFlag = in.has("fin-charges") ? "DOWN" : "UP";
    s.setTerms({in.number("principal"), in.number("period"), in.number("rate"), in.number("repayment")});
    const LoanResult r = LoanCalc(mode, s.terms());
    s.setTerms(r.terms);

    Outcome out;
    out.window["numPrinAmount"] = r.terms.principal;
    out.window["numPeriod"] = r.terms.period;
    out.window["numIntRate"] = r.terms.rate;
    out.window["numMonRePay"] = r.terms.repayment;
    if (s.finChargesShown()) {
      out.window["numAns1"] = r.charges.totalInterest;
      out.window["numAns2"] = r.charges.totalRepayments;
    }
    out.window["ErrorShown"] = r.errorShown;
    out.detail["PeriodNotFound"] = r.periodNotFound;
    out.detail["FirstMonth"] = r.firstMonth;

    const std::string scheduleFlag = in.text("schedule", "none");
    const ScheduleKind schedule = scheduleFlag == "monthly"  ? ScheduleKind::Monthly
                                  : scheduleFlag == "annual" ? ScheduleKind::Annual
                                                             : ScheduleKind::None;
    if (schedule != ScheduleKind::None) out.detail["schedule"] = scheduleJson(amortRows(schedule, r.terms));
    if (std::optional<LoansPrintout> p = PrintLoans(mode, r.terms, s.finChargesShown(), schedule)) {
      out.record = std::move(p->loans);
      out.rows = std::move(p->amort);
      out.reportFile = p->report.file;
    }
    return out;
  };
  return c;
}

Calculator loanBuster() {
  const auto W = FinanceWindow::LoanBuster;
  Calculator c;
  c.name = "loan-buster";
  c.description = "Shorter period and interest saved by an extra monthly payment on a loan";
  c.flags = {
      fieldFlag("principal", W, "numPrinAmount", "principal amount"),
      fieldFlag("period", W, "numPeriod", "period in months"),
      fieldFlag("rate", W, "numIntRate", "interest rate, percent a year"),
      fieldFlag("extra", W, "numXtraPay", "extra voluntary payment a month"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    LoanBusterState& s = ctx.session.loanBuster;
    s.Principal = in.number("principal");
    s.Rate = static_cast<float>(in.number("rate"));
    s.Extra = in.number("extra");
    const LoanBusterInput input{s.Principal, in.whole("period"), s.Rate, s.Extra};
    const LoanBusterResult r = BBCalc(input);
    s.Extra = r.extra;

    Outcome out;
    out.window["numMonRePay"] = r.normalRepayment;
    out.window["numXtraPay"] = r.extra;
    out.window["numAns1"] = nlohmann::ordered_json::array();
    for (double v : r.numAns1()) out.window["numAns1"].push_back(v);
    out.window["numAns2"] = r.newPeriod;
    out.window["NotCleared"] = r.outcome == LoanBusterOutcome::NotCleared;
    static const char* const outcomes[] = {"Shortened", "NoExtra", "NoLoan", "ExtraTooLarge", "NotCleared",
                                           "FirstMonth"};
    out.detail["Outcome"] = outcomes[static_cast<int>(r.outcome)];
    out.record = bondBustRecord(input, r);
    out.reportFile = kBondBustReport;
    return out;
  };
  return c;
}

Calculator loanComparison() {
  const auto W = FinanceWindow::LoanComparison;
  Calculator c;
  c.name = "loan-comparison";
  c.description = "Repayment, total interest and total paid of a bond over 5 to 30 years";
  c.flags = {
      fieldFlag("amount", W, "numBAmt", "bond amount"),
      fieldFlag("rate", W, "numIntRate", "interest rate, percent a year"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    LoanComparisonState& s = ctx.session.loanComparison;
    s.Amount = in.number("amount");
    s.Rate = static_cast<float>(in.number("rate"));
    const LoanComparisonResult r = CompareLoans(s.input());
    Outcome out;
    out.window["grdPayments"] = nlohmann::ordered_json::array();
    for (const GridRow& row : comparisonGrid(r)) {
      nlohmann::ordered_json cells = nlohmann::ordered_json::array();
      for (const std::string& cell : row) cells.push_back(cell);
      out.window["grdPayments"].push_back(cells);
    }
    nlohmann::ordered_json terms = nlohmann::ordered_json::array();
    for (const ComparisonTerm& t : r.terms)
      terms.push_back({{"Months", t.months},
                       {"Repayment", t.repayment},
                       {"TotalInterest", t.totalInterest},
                       {"TotalPaid", t.totalPaid}});
    out.detail["terms"] = terms;
    out.record = bondCompRecord(s.input(), r);
    out.reportFile = kBondCompReport;
    return out;
  };
  return c;
}

Calculator inflation() {
  const auto W = FinanceWindow::Inflation;
  Calculator c;
  c.name = "inflation";
  c.description = "Future cost of a present cost after years of inflation, and its buying power";
  c.flags = {
      fieldFlag("present-cost", W, "numPresCost", "present cost, whole rand"),
      fieldFlag("period", W, "numPeriod", "period in whole years"),
      fieldFlag("rate", W, "numInflaRate", "inflation rate, percent a year"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    InflationState& s = ctx.session.inflation;
    s.PresentCost = in.number("present-cost");
    s.Period = in.number("period");
    s.Rate = in.number("rate");
    const InflationResult r = InflationProjection(s.input());
    s.FutureCost = r.futureCost;
    s.BuyingPower = r.buyingPower;
    Outcome out;
    out.window["numAns1"] = r.futureCost;
    out.window["numAns2"] = r.buyingPower;
    out.window["TooLarge"] = r.tooLarge;
    out.record = inflationRecord(s.input(), r);
    out.reportFile = kInflationReport;
    return out;
  };
  return c;
}

Calculator dailyBalance() {
  const auto W = FinanceWindow::DailyBalance;
  Calculator c;
  c.name = "daily-balance";
  c.description = "Simple interest on a capital amount between two dates (365-day year)";
  c.flags = {
      fieldFlag("capital", W, "numCapAmount", "capital amount"),
      fieldFlag("start", W, "dtStartDate", "start date dd/mm/yyyy"),
      fieldFlag("end", W, "dtEndDate", "end date dd/mm/yyyy"),
      fieldFlag("rate", W, "numIntRate", "interest rate, percent a year"),
  };
  c.run = [](const Inputs& in, Context& ctx) {
    DailyBalanceState& s = ctx.session.dailyBalance;
    s.Capital = static_cast<float>(in.number("capital"));
    s.Rate = static_cast<float>(in.number("rate"));
    s.StartDate = in.date("start", kDayNotEntered);
    s.EndDate = in.date("end", kDayNotEntered);
    Outcome out;
    // The end date lies within 30 years after the start date, as the
    // window's date fields require.
    if (auto refusal = checkEndDate(s.StartDate, s.EndDate)) {
      out.refusal = refusal;
      return out;
    }
    const std::optional<DailyBalanceResult> r = DayBalCalc(s.input());
    const DailyBalanceResult shown = r.value_or(DailyBalanceResult{});  // a fresh window shows zeros
    out.window["numAnsDB1"] = static_cast<double>(shown.interest);
    out.window["numAnsDB2"] = shown.days;
    out.detail["Calculated"] = r.has_value();
    if (r) out.record = dailyBalRecord(s.input(), *r);
    out.reportFile = kDailyBalReport;
    return out;
  };
  return c;
}

}  // namespace

void addFinanceCalculators(std::vector<Calculator>& list) {
  list.push_back(loans());
  list.push_back(loanBuster());
  list.push_back(loanComparison());
  list.push_back(inflation());
  list.push_back(dailyBalance());
}

}  // namespace quorin::cli
