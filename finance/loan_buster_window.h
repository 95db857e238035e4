// frmLoanBuster, "Loan Buster": the normal repayment of a loan and what a
// regular extra monthly payment does to its period, repayment and interest.
// Principal, rate and extra live in the session; the period is the
// window's own.
#pragma once

#include <array>

#include "finance/business_window.h"
#include "finance/loan_buster.h"

class QLabel;

namespace quorin {

class LoanBusterWindow : public BusinessWindow {
  Q_OBJECT
 public:
  explicit LoanBusterWindow(WindowContext& context, QWidget* parent = nullptr);

  void BBCalc();

 protected:
  void activated() override;
  std::optional<Printout> printout() override;
  void calculate() override { BBCalc(); }

 private:
  void showInputs();
  LoanBusterInput input();

  EntryField* principal_;
  EntryField* period_;
  EntryField* rate_;
  EntryField* extra_;
  EntryField* repayment_;
  std::array<EntryField*, 8> ans1_{};
  EntryField* ans2_;
  QLabel* notCleared_;
  std::int16_t periodTyped_ = 0;
  LoanBusterResult result_;
};

}  // namespace quorin
