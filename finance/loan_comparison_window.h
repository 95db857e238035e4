// frmLoanComp, "Loan Comparison": the monthly repayment, total interest and
// total paid of one bond over 5, 10, 15, 20, 25 and 30 years, in a grid.
// Amount and rate live in the session.
#pragma once

#include "finance/business_window.h"
#include "finance/loan_comparison.h"

class QTableWidget;

namespace quorin {

class LoanComparisonWindow : public BusinessWindow {
  Q_OBJECT
 public:
  explicit LoanComparisonWindow(WindowContext& context, QWidget* parent = nullptr);

  void Compare();

 protected:
  void activated() override;
  std::optional<Printout> printout() override;
  void calculate() override { Compare(); }

 private:
  void showInputs();
  void rebuildGrid();
  int twipsToPixels(int twips) const;  // at this window's dpi

  EntryField* amount_;
  EntryField* rate_;
  QTableWidget* grid_;
  LoanComparisonResult result_;
};

}  // namespace quorin
