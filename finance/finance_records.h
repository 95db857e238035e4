// What the business calculators print: their feed records, the report file
// and the preview window title of each printout, and the print conditions
// that decide whether anything is written at all.
#pragma once

#include <optional>
#include <string>

#include "finance/amortisation.h"
#include "finance/daily_balance.h"
#include "finance/inflation.h"
#include "finance/loan_buster.h"
#include "finance/loan_comparison.h"
#include "finance/loans.h"
#include "report/feed_record.h"

namespace quorin {

// A report file beside the program and the preview window title to set;
// an empty title sets none.
struct ReportChoice {
  std::string file;
  std::string title;
};

inline constexpr const char* kBondBustReport = "loanbuster.rpt";
inline constexpr const char* kBondBustTitle = "Loan Buster";
inline constexpr const char* kBondCompReport = "LoanComparison.rpt";
inline constexpr const char* kBondCompTitle = "Loan Comparison";
inline constexpr const char* kInflationReport = "Inflatin.rpt";
inline constexpr const char* kInflationTitle =
    "Inflation - To export printout click on the suitcase button or goto Help";
inline constexpr const char* kDailyBalReport = "DayBal.rpt";
inline constexpr const char* kDailyBalTitle = "Daily Balance Calculation";

// Loans: "Lonrepa.rpt", "LonPrAm.rpt", "LonRPer.rpt", "LonInRt.rpt" by
// mode without a schedule (no title), the same names with "A" before
// ".rpt" with a monthly or an annual schedule, each with its own title.
ReportChoice loansReport(LoanMode mode, ScheduleKind schedule);

// PrintLoans writes nothing unless P, n, r and R are all non-zero.
bool loansPrintable(const LoanTerms& t);

// The single row of Loans, the rows of Amort (after emptying it; only with
// a schedule) and the report to run.
struct LoansPrintout {
  FeedRecord loans;
  std::optional<FeedRows> amort;
  ReportChoice report;
};

// PrintLoans on the terms the window shows. The finance fields are filled
// when the finance charges are shown, else empty texts and zeros; YearMon
// is written only with a schedule. Nothing when the print condition fails.
std::optional<LoansPrintout> PrintLoans(LoanMode mode, const LoanTerms& terms, bool finChargesShown,
                                        ScheduleKind schedule);

// Amort rows (Year, Capital, Interest, Required) of the schedule: one per
// month 1..n, or one per year including the part year.
FeedRows amortRows(ScheduleKind schedule, const LoanTerms& terms);

// Single-row records; nothing when the window's print condition fails.
std::optional<FeedRecord> bondBustRecord(const LoanBusterInput& in, const LoanBusterResult& r);
std::optional<FeedRecord> bondCompRecord(const LoanComparisonInput& in, const LoanComparisonResult& r);
std::optional<FeedRecord> inflationRecord(const InflationInput& in, const InflationResult& r);
std::optional<FeedRecord> dailyBalRecord(const DailyBalanceInput& in, const DailyBalanceResult& r);

}  // namespace quorin
