#include "finance/inflation_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/session_state.h"
#include "widgets/spin_button.h"

namespace quorin {

InflationWindow::InflationWindow(WindowContext& context, QWidget* parent)
    : BusinessWindow(context, FinanceWindow::Inflation, tr("Inflation"), parent) {
  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  InflationState& s = state().inflation;
  presentCost_ = addInput(grid, 0, tr("Present cost  R"), "numPresCost");
  period_ = addInput(grid, 1, tr("Period"), "numPeriod", tr("year/s."));
  rate_ = addInput(grid, 2, tr("Inflation rate"), "numInflaRate", tr("% p.a."));
  connect(presentCost_, &EntryField::valueChanged, this, [&s](double v) { s.PresentCost = v; });
  connect(period_, &EntryField::valueChanged, this, [&s](double v) { s.Period = v; });
  connect(rate_, &EntryField::valueChanged, this, [&s](double v) { s.Rate = v; });
  SpinButton* spPeriod = addSpin(grid, 1, "spPeriod");
  SpinButton* spInflation = addSpin(grid, 2, "spInflation");
  connect(spPeriod, &SpinButton::spunUp, this, [this] { spinPeriod(SpinDirection::Up); });
  connect(spPeriod, &SpinButton::spunDown, this, [this] { spinPeriod(SpinDirection::Down); });
  connect(spInflation, &SpinButton::spunUp, this, [this] { spinRate(SpinDirection::Up); });
  connect(spInflation, &SpinButton::spunDown, this, [this] { spinRate(SpinDirection::Down); });

  futureCost_ = addResult(grid, 3, 0, tr("Future value/cost  R"), QStringLiteral("numAns1"));
  tooLarge_ = new QLabel(tr("Amount too large to display"), this);
  tooLarge_->setObjectName(QStringLiteral("Label2_12"));
  tooLarge_->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
  grid->addWidget(tooLarge_, 3, 1, 1, 3);
  tooLarge_->hide();
  buyingPower_ = addResult(grid, 4, 0, tr("Buying power  R"), QStringLiteral("numAns2"));

  addCalculateAndPrint();
  addOkAndPrintFrame();
  showInputs();
  Projection();
}

void InflationWindow::showInputs() {
  const InflationState& s = state().inflation;
  presentCost_->setValue(s.PresentCost);
  period_->setValue(s.Period);
  rate_->setValue(s.Rate);
}

void InflationWindow::Projection() {
  Busy busy;
  InflationState& s = state().inflation;
  result_ = InflationProjection(s.input());
  s.FutureCost = result_.futureCost;
  s.BuyingPower = result_.buyingPower;
  tooLarge_->setVisible(result_.tooLarge);
  futureCost_->setVisible(!result_.tooLarge);
  if (!result_.tooLarge) futureCost_->setValue(result_.futureCost);
  buyingPower_->setValue(result_.buyingPower);
}

void InflationWindow::spinRate(SpinDirection direction) {
  const SpinStep<double> step = spinInflationRate(state().inflation.Rate, direction);
  if (!step.changed) return;
  state().inflation.Rate = step.value;
  rate_->setValue(step.value);
  afterSpin(step.beep);
}

void InflationWindow::spinPeriod(SpinDirection direction) {
  const SpinStep<double> step = spinInflationPeriod(state().inflation.Period, direction);
  if (!step.changed) return;
  state().inflation.Period = step.value;
  period_->setValue(step.value);
  afterSpin(step.beep);
}

void InflationWindow::afterSpin(bool sound) {
  if (sound) beep();
  Projection();
  focusOk();
}

void InflationWindow::activated() {
  showInputs();
  Projection();
}

std::optional<BusinessWindow::Printout> InflationWindow::printout() {
  return singleRecord(inflationRecord(state().inflation.input(), result_), kInflationReport, kInflationTitle);
}

}  // namespace quorin
