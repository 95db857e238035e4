#include "finance/finance_records.h"

#include <array>

namespace quorin {

namespace {
constexpr const char* kExport = " - To export printout click on the suitcase button or goto Help";

struct LoansReports {
  const char* plain;
  const char* withSchedule;
  const char* annualTitle;
  const char* monthlyTitle;
};

constexpr std::array<LoansReports, 4> kLoansReports = {{
    {"Lonrepa.rpt", "LonrepaA.rpt", "Annual repayment of Loan with Amortisation",
     "Annual repayment of Loan with Monthly Amortisation"},
    {"LonPrAm.rpt", "LonPrAmA.rpt", "Principal calculation of Loan with Annual Amortisation",
     "Principal calculation of Loan with Monthly Amortisation"},
    {"LonRPer.rpt", "LonRPerA.rpt", "Repayment period calculation of Loan with Annual Amortisation",
     "Repayment period calculation of Loan with Monthly Amortisation"},
    {"LonInRt.rpt", "LonInRtA.rpt", "Interest rate calculation of Loan with Annual Amortisation",
     "Interest rate calculation of Loan with Monthly Amortisation"},
}};
}  // namespace

ReportChoice loansReport(LoanMode mode, ScheduleKind schedule) {
  const LoansReports& r = kLoansReports[static_cast<int>(mode)];
  switch (schedule) {
    case ScheduleKind::None: return {r.plain, ""};
    case ScheduleKind::Annual: return {r.withSchedule, std::string(r.annualTitle) + kExport};
    case ScheduleKind::Monthly: return {r.withSchedule, std::string(r.monthlyTitle) + kExport};
  }
  return {r.plain, ""};
}

bool loansPrintable(const LoanTerms& t) { return monthlyScheduleOffered(t); }

FeedRows amortRows(ScheduleKind schedule, const LoanTerms& terms) {
  FeedRows rows{"Amort", {}};
  std::vector<AmortLine> lines;
  if (schedule == ScheduleKind::Monthly) lines = buildMonthlySchedule(terms).lines;
  if (schedule == ScheduleKind::Annual) lines = CalcAnnAmort(terms).lines;
  for (const AmortLine& l : lines) {
    FeedRecord row{"Amort", {}};
    row.set("Year", static_cast<std::int16_t>(l.number))
        .set("Capital", l.capital)
        .set("Interest", l.interest)
        .set("Required", l.balance);
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<LoansPrintout> PrintLoans(LoanMode mode, const LoanTerms& t, bool finChargesShown,
                                        ScheduleKind schedule) {
  if (!loansPrintable(t)) return std::nullopt;
  LoansPrintout p;
  const FinanceCharges charges = financeCharges(t);
  p.loans.table = "Loans";
  p.loans.set("Heading", loanModeText(mode))
      .set("Num1", t.principal)
      .set("Num2", t.period)
      .set("Num3", t.rate)
      .set("Num4", t.repayment)
      .set("FinText1", std::string(finChargesShown ? "Total Interest" : ""))
      .set("FinText1A", std::string(finChargesShown ? ": R" : ""))
      .set("FinNum1", finChargesShown ? charges.totalInterest : 0.0)
      .set("FinText2", std::string(finChargesShown ? "Total Repayments" : ""))
      .set("FinNum2", finChargesShown ? charges.totalRepayments : 0.0);
  if (schedule != ScheduleKind::None) {
    p.loans.set("YearMon", std::string(schedule == ScheduleKind::Monthly ? "Month" : "Year"));
    p.amort = amortRows(schedule, t);
  }
  p.report = loansReport(mode, schedule);
  return p;
}

std::optional<FeedRecord> bondBustRecord(const LoanBusterInput& in, const LoanBusterResult& r) {
  if (!loanBusterPrintable(in)) return std::nullopt;
  FeedRecord rec{"BondBust", {}};
  rec.set("PAmt", in.principal)
      .set("Period", in.period)
      .set("IntRate", in.rate)
      .set("MonRep", r.normalRepayment)
      .set("TotIntPaid", r.totalInterest)
      .set("TotRep", r.totalRepaid)
      .set("XtraPay", r.extra)
      .set("Xper", r.newPeriod)
      .set("XMonRep", r.newRepayment)
      .set("XTotIntPaid", r.newTotalInterest)
      .set("XTotRep", r.newTotalRepaid)
      .set("XTotSavings", r.saving);
  return rec;
}

std::optional<FeedRecord> bondCompRecord(const LoanComparisonInput& in, const LoanComparisonResult& r) {
  if (!loanComparisonPrintable(in)) return std::nullopt;
  FeedRecord rec{"BondComp", {}};
  rec.set("PAmt", in.amount).set("IntRate", in.rate);
  for (std::size_t k = 0; k < r.terms.size(); ++k) {
    const std::string n = std::to_string(k + 1);
    rec.set("MonRep" + n, r.terms[k].repayment)
        .set("IntPaid" + n, r.terms[k].totalInterest)
        .set("Total" + n, r.terms[k].totalPaid);
  }
  return rec;
}

std::optional<FeedRecord> inflationRecord(const InflationInput& in, const InflationResult& r) {
  if (!inflationPrintable(r)) return std::nullopt;
  FeedRecord rec{"Inflation", {}};
  rec.set("PresCost", in.presentCost)
      .set("Period", in.period)
      .set("InflaRate", in.rate)
      .set("Ans1", r.futureCost)
      .set("Ans2", r.buyingPower);
  return rec;
}

std::optional<FeedRecord> dailyBalRecord(const DailyBalanceInput& in, const DailyBalanceResult& r) {
  if (!dailyBalancePrintable(r)) return std::nullopt;
  FeedRecord rec{"DailyBal", {}};
  rec.set("CapAmount", in.capital)
      .set("StartDate", in.startDate)
      .set("EndDate", in.endDate)
      .set("IntRate", in.rate)
      .set("ANS1", r.interest)
      .set("ANS2", r.days);
  return rec;
}

}  // namespace quorin
