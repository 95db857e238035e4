// frmLoans, "Loans": the four-way loan calculator with its finance charges,
// the monthly and annual amortisation grids, the annual graph and the loan
// printouts with or without a schedule. Its figures live in the session.
#pragma once

#include <QPointer>
#include <array>

#include "finance/amortisation.h"
#include "finance/business_window.h"
#include "finance/loan_graph_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace quorin {



class LoansWindow : public BusinessWindow {
  Q_OBJECT
 public:
  explicit LoansWindow(WindowContext& context, QWidget* parent = nullptr);

  void LoanCalc();
  void showSchedule(ScheduleKind kind);  // cmdMonAmort, cmdAnnAmort
  void cmdLoanGraph_Click();
  void cmdFinCharge_Click();
  LoanGraphWindow* graphWindow() const { return graph_; }

 protected:
  std::optional<Printout> printout() override;
  void calculate() override { LoanCalc(); }

 private:
  void chooseMode(LoanMode mode);
  void applyMode();
  void showTerms();
  void showFinanceCharges();
  EntryField* termField(const char* name) const;

  std::array<QRadioButton*, 4> optLoanCalc_{};
  QLabel* modeCaption_;
  QLineEdit* error_;
  EntryField* ans1_;
  EntryField* ans2_;
  QWidget* finCharges_;
  QGroupBox* gridFrame_;
  QTableWidget* grid_;
  QCheckBox* includeAmort_;
  QGroupBox* amortChoice_;
  QRadioButton* optAnnual_;
  QRadioButton* optMonthly_;
  QPointer<LoanGraphWindow> graph_;
};

}  // namespace quorin
