#include "finance/loan_buster_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "shell/session_state.h"

namespace quorin {

LoanBusterWindow::LoanBusterWindow(WindowContext& context, QWidget* parent)
    : BusinessWindow(context, FinanceWindow::LoanBuster, tr("Loan Buster"), parent) {
  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  LoanBusterState& s = state().loanBuster;
  principal_ = addInput(grid, 0, tr("Principal amount"), "numPrinAmount");
  period_ = addInput(grid, 1, tr("Period"), "numPeriod", tr("months"));
  rate_ = addInput(grid, 2, tr("Interest rate"), "numIntRate", tr("% p.a."));
  connect(principal_, &EntryField::valueChanged, this, [&s](double v) { s.Principal = v; });
  connect(period_, &EntryField::valueChanged, this,
          [this](double v) { periodTyped_ = static_cast<std::int16_t>(std::nearbyint(v)); });
  connect(rate_, &EntryField::valueChanged, this, [&s](double v) { s.Rate = static_cast<float>(v); });
  repayment_ = addResult(grid, 3, 0, tr("Monthly repayment"), QStringLiteral("numMonRePay"));
  auto name = [](int i) { return QStringLiteral("numAns1_%1").arg(i); };
  ans1_[0] = addResult(grid, 4, 0, tr("Total interest"), name(0));
  ans1_[1] = addResult(grid, 5, 0, tr("Total repayments"), name(1));

  auto* extraFrame = new QGroupBox(tr("With extra payments"), this);
  extraFrame->setObjectName(QStringLiteral("fraExtra"));
  auto* x = new QGridLayout(extraFrame);
  extra_ = addInput(x, 0, tr("Extra voluntary payments"), "numXtraPay");
  connect(extra_, &EntryField::valueChanged, this, [&s](double v) { s.Extra = v; });
  ans1_[2] = addResult(x, 1, 0, tr("Principal amount"), name(2));
  ans2_ = addResult(x, 2, 0, tr("Period"), QStringLiteral("numAns2"), 0);
  x->addWidget(new QLabel(tr("months"), extraFrame), 2, 2);
  ans1_[3] = addResult(x, 3, 0, tr("Interest rate"), name(3), 3);
  x->addWidget(new QLabel(tr("% p.a."), extraFrame), 3, 2);
  ans1_[4] = addResult(x, 4, 0, tr("Monthly repayment"), name(4));
  ans1_[5] = addResult(x, 5, 0, tr("Total interest"), name(5));
  ans1_[6] = addResult(x, 6, 0, tr("Total repayments"), name(6));
  ans1_[7] = addResult(x, 7, 0, tr("Total saving"), name(7));
  notCleared_ = new QLabel(tr("The repayment with this extra payment does not clear the loan in 600 months."),
                           extraFrame);
  notCleared_->setObjectName(QStringLiteral("lblNotCleared"));
  notCleared_->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
  notCleared_->setWordWrap(true);
  x->addWidget(notCleared_, 8, 0, 1, 3);
  notCleared_->hide();
  body()->addWidget(extraFrame);

  addCalculateAndPrint();
  addOkAndPrintFrame();
  showInputs();
  BBCalc();
}

LoanBusterInput LoanBusterWindow::input() {
  const LoanBusterState& s = state().loanBuster;
  return {s.Principal, periodTyped_, s.Rate, s.Extra};
}

void LoanBusterWindow::showInputs() {
  const LoanBusterState& s = state().loanBuster;
  principal_->setValue(s.Principal);
  period_->setValue(periodTyped_);
  rate_->setValue(s.Rate);
  extra_->setValue(s.Extra);
}

void LoanBusterWindow::BBCalc() {
  Busy busy;
  result_ = quorin::BBCalc(input(), result_);
  // The extra field shows (and keeps) the extra actually needed to clear the
  // loan in whole months.
  state().loanBuster.Extra = result_.extra;
  extra_->setValue(result_.extra);
  repayment_->setValue(result_.normalRepayment);
  const std::array<double, 8> values = result_.numAns1();
  for (std::size_t i = 0; i < values.size(); ++i) ans1_[i]->setValue(values[i]);
  ans2_->setValue(result_.newPeriod);
  notCleared_->setVisible(result_.outcome == LoanBusterOutcome::NotCleared);
}

void LoanBusterWindow::activated() {
  showInputs();
  BBCalc();
}

std::optional<BusinessWindow::Printout> LoanBusterWindow::printout() {
  return singleRecord(bondBustRecord(input(), result_), kBondBustReport, kBondBustTitle);
}

}  // namespace quorin
