// Loans: the four-way calculator for a loan repaid in equal monthly
// instalments with monthly compounding. Given three of principal, period,
// annual rate and monthly repayment, it solves the fourth.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorin {

// The value being solved (option group optLoanCalc, options 0 to 3).
enum class LoanMode { MonthlyRepayment = 0, PrincipalAmount = 1, RepaymentPeriod = 2, InterestRate = 3 };

// "Monthly repayment", "Principal amount", "Repayment period", "Interest rate":
// the mode's caption, shown beside "Calculate mode" and printed as Heading.
std::string loanModeText(LoanMode mode);
std::optional<LoanMode> loanModeFromText(std::string_view text);

// Window field of the solved value: numMonRePay, numPrinAmount, numPeriod, numIntRate.
const char* loanSolvedField(LoanMode mode);

// LoanTerms: principal P (numPrinAmount), period n in whole months
// (numPeriod), annual rate r in percent (numIntRate) and monthly repayment R
// (numMonRePay). The monthly rate is r / 12 / 100.
struct LoanTerms {
  double principal = 0;
  double period = 0;
  double rate = 0;
  double repayment = 0;
};

// A solved rate above this shows the "Error" indicator.
inline constexpr double kMaxLoanRate = 50;

// R from P, n, r; 0 when any of them is 0.
double RPAYMENT(const LoanTerms& t);
// P from n, r, R; 0 when any of them is 0.
double PAMOUNT(const LoanTerms& t);

struct PeriodSolution {
  double period = 0;
  double repayment = 0;
  bool notFound = false;      // 600 months do not clear the loan: period 0
  bool firstMonth = false;    // the repayment clears the loan in one month
};

// Period from P, r and the repayment as typed. The search starts one cent
// below the typed repayment; the period is the number of whole payments
// that repayment cannot exceed, and the repayment is raised a cent at a
// time until that many payments cover the principal. When P, r or the
// typed repayment is 0: period 0 and the repayment as typed. When 600
// months do not clear the loan: period 0 and the repayment one cent below
// what was typed. When the repayment clears the loan in the first month:
// period 1 and the repayment as typed.
PeriodSolution PER(const LoanTerms& t);

// Largest rate on the 0.01 grid whose repayment does not exceed the one
// entered (t.repayment); 0 when P, n or R is 0. Grid steps are counted as
// whole hundredths, so the answer is exact (9.99 from 2 124.70, 10 from
// the exact repayment at 10 %). Rates of any size end.
double Rate(const LoanTerms& t);

// Total interest R x n - P and total repayments R x n (numAns1, numAns2).
struct FinanceCharges {
  double totalInterest = 0;
  double totalRepayments = 0;
};
FinanceCharges financeCharges(const LoanTerms& t);

// What "&Calculate" leaves on the window.
struct LoanResult {
  LoanTerms terms;            // the four fields, the solved one filled in
  FinanceCharges charges;     // shown only when the finance charges are shown
  bool errorShown = false;    // the "Error" indicator (solved rate above 50)
  bool periodNotFound = false;   // repayment-period mode: 600 months do not clear the loan
  bool firstMonth = false;       // repayment-period mode: cleared in the first month
};

// LoanCalc: solves the mode's value from the other three.
LoanResult LoanCalc(LoanMode mode, const LoanTerms& terms);

}  // namespace quorin
