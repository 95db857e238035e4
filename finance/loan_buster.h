// Loan buster: what a regular extra monthly payment does to an amortising
// loan: the shorter period, the repayment that clears it in whole months,
// and the interest saved.
#pragma once

#include <array>
#include <cstdint>

namespace quorin {

struct LoanBusterInput {
  double principal = 0;      // numPrinAmount
  std::int16_t period = 0;   // numPeriod, months as typed
  float rate = 0;            // numIntRate, annual percent (single)
  double extra = 0;          // numXtraPay as typed
};

// How the block with extra payments was reached.
enum class LoanBusterOutcome {
  Shortened,      // the period search found the period and repayment
  NoExtra,        // no extra payment: the block repeats the normal one
  NoLoan,         // principal, period or rate is 0: the block repeats the
                  // normal one (repayment and totals 0, period as typed)
  ExtraTooLarge,  // extra above ten times the normal repayment: the block
                  // keeps the figures of the previous calculation
  NotCleared,     // the repayment with the extra does not clear the loan in
                  // 600 months: period 0, totals and saving 0
  FirstMonth,     // the repayment with the extra clears the loan within the
                  // first month: period 1, repayment principal x (1 + i)
};

// BBCalc's figures, as the window shows them.
struct LoanBusterResult {
  double normalRepayment = 0;     // numMonRePay
  double totalInterest = 0;       // numAns1(0)
  double totalRepaid = 0;         // numAns1(1)
  double principal = 0;           // numAns1(2)
  std::int16_t newPeriod = 0;     // numAns2
  float rate = 0;                 // numAns1(3)
  double newRepayment = 0;        // numAns1(4)
  double newTotalInterest = 0;    // numAns1(5)
  double newTotalRepaid = 0;      // numAns1(6)
  double saving = 0;              // numAns1(7)
  double extra = 0;               // numXtraPay as rewritten
  LoanBusterOutcome outcome = LoanBusterOutcome::NoLoan;

  std::array<double, 8> numAns1() const {
    return {totalInterest, totalRepaid, principal,    static_cast<double>(rate),
            newRepayment,  newTotalInterest, newTotalRepaid, saving};
  }
};

// Normal repayment i x P / (1 - (1 + i)^(-n)) with i from the single rate;
// 0 when principal, period or rate is 0.
double BRPAYMENT(double principal, int months, float rate);
// Principal (1 - (1 + i)^(-n)) x R / i; 0 when rate, period or repayment is 0.
double BPAMOUNT(double repayment, int months, float rate);

// BPER on its own: the period and repayment that clear the principal,
// starting from `repayment` (the working repayment, one cent below the one
// to try first). Period 0 when principal, rate or repayment is 0 or when
// 600 months do not clear the loan (repayment then unchanged); period 1 and
// principal x (1 + i) when the first month clears it.
struct BusterPeriod {
  std::int16_t months = 0;
  double repayment = 0;
  bool notCleared = false;
  bool firstMonth = false;
};
BusterPeriod BPER(double principal, float rate, double repayment);

// BBCalc: the normal block, then the block with extra payments. `previous`
// is the result the window shows now (a fresh window shows zeros); it is
// kept when the extra is above ten times the normal repayment.
LoanBusterResult BBCalc(const LoanBusterInput& in, const LoanBusterResult& previous = {});

// "&Print" writes the record only when the principal is above 0.
inline bool loanBusterPrintable(const LoanBusterInput& in) { return in.principal > 0; }

}  // namespace quorin
