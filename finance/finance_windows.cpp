// The business calculator windows offered by the main window's menu.
#include "finance/daily_balance_window.h"
#include "finance/inflation_window.h"
#include "finance/loan_buster_window.h"
#include "finance/loan_comparison_window.h"
#include "finance/loans_window.h"
#include "shell/window_catalogue.h"

namespace quorin {

void addFinanceWindows(WindowCatalogue& catalogue) {
  catalogue.add(QStringLiteral("frmLoans"), [](WindowContext& c) { return new LoansWindow(c); });
  catalogue.add(QStringLiteral("frmLoanBuster"), [](WindowContext& c) { return new LoanBusterWindow(c); });
  catalogue.add(QStringLiteral("frmLoanComp"), [](WindowContext& c) { return new LoanComparisonWindow(c); });
  catalogue.add(QStringLiteral("frmInflation"), [](WindowContext& c) { return new InflationWindow(c); });
  catalogue.add(QStringLiteral("frmDayBal"), [](WindowContext& c) { return new DailyBalanceWindow(c); });
}

}  // namespace quorin
