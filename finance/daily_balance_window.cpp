#include "finance/daily_balance_window.h"

#include <QGridLayout>
#include <QLabel>

#include "shell/session_state.h"
#include "widgets/spin_button.h"

namespace quorin {

DailyBalanceWindow::DailyBalanceWindow(WindowContext& context, QWidget* parent)
    : BusinessWindow(context, FinanceWindow::DailyBalance, tr("Daily Balance"), parent) {
  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  DailyBalanceState& s = state().dailyBalance;
  capital_ = addInput(grid, 0, tr("Capital amount"), "numCapAmount");
  connect(capital_, &EntryField::valueChanged, this, [&s](double v) { s.Capital = static_cast<float>(v); });

  // The date fields check their text themselves: an empty date is allowed
  // (no date yet), and the range depends on the other date.
  const char* dateNames[] = {"dtStartDate", "dtEndDate"};
  const QString dateCaptions[] = {tr("Start date"), tr("End date")};
  EntryField* dates[2];
  for (int i = 0; i < 2; ++i) {
    dates[i] = new EntryField(QString::fromLatin1(dateNames[i]),
                              financeFieldLimit(FinanceWindow::DailyBalance, dateNames[i]), this);
    dates[i]->setPlaceholderText(QStringLiteral("__/__/____"));
    auto* label = new QLabel(dateCaptions[i], this);
    dates[i]->setCaption(label);
    grid->addWidget(label, i + 1, 0);
    grid->addWidget(dates[i], i + 1, 1);
    EntryField* f = dates[i];
    connect(f, &QLineEdit::textChanged, this, [this, f] { dateTyped(f); });
    connect(f, &QLineEdit::editingFinished, this, [this, f] { dateLeft(f); });
  }
  start_ = dates[0];
  end_ = dates[1];
  SpinButton* spDate = addSpin(grid, 2, "spDate");
  connect(spDate, &SpinButton::spunUp, this, [this] { spinDate(SpinDirection::Up); });
  connect(spDate, &SpinButton::spunDown, this, [this] { spinDate(SpinDirection::Down); });

  rate_ = addInput(grid, 3, tr("Interest rate"), "numIntRate", tr("% p.a."));
  connect(rate_, &EntryField::valueChanged, this, [&s](double v) { s.Rate = static_cast<float>(v); });
  SpinButton* spRate = addSpin(grid, 3, "spRate");
  connect(spRate, &SpinButton::spunUp, this, [this] { spinRate(SpinDirection::Up); });
  connect(spRate, &SpinButton::spunDown, this, [this] { spinRate(SpinDirection::Down); });

  interest_ = addResult(grid, 4, 0, tr("Interest accrued"), QStringLiteral("numAnsDB1"));
  days_ = addResult(grid, 5, 0, tr("Number of days"), QStringLiteral("numAnsDB2"), 0);

  addCalculateAndPrint();
  addOkAndPrintFrame();
  showInputs();
  Compute();
}

void DailyBalanceWindow::showInputs() {
  const DailyBalanceState& s = state().dailyBalance;
  capital_->setValue(s.Capital);
  rate_->setValue(s.Rate);
  // Dates not entered stay empty.
  const QSignalBlocker blockStart(start_);
  const QSignalBlocker blockEnd(end_);
  if (dayEntered(s.StartDate)) start_->setDayNumber(s.StartDate);
  if (dayEntered(s.EndDate)) end_->setDayNumber(s.EndDate);
}

std::optional<Refusal> DailyBalanceWindow::dateRefusal(EntryField* field, std::int32_t& day) {
  const DailyBalanceState& s = state().dailyBalance;
  const std::string text = field->text().toStdString();
  return field == start_ ? checkStartDateText(text, s.EndDate, day) : checkEndDateText(text, s.StartDate, day);
}

void DailyBalanceWindow::dateTyped(EntryField* field) {
  std::int32_t day = kDayNotEntered;
  if (dateRefusal(field, day)) return;  // not taken
  (field == start_ ? state().dailyBalance.StartDate : state().dailyBalance.EndDate) = day;
}

void DailyBalanceWindow::dateLeft(EntryField* field) {
  if (announcing_) return;
  // The spin may show the day before the start while it stores the start
  // itself; that day was not typed and is not refused.
  if (field == end_ && !spunEnd_.isEmpty() && end_->text() == spunEnd_) return;
  std::int32_t day = kDayNotEntered;
  if (auto r = dateRefusal(field, day)) {
    announcing_ = true;
    refuse(*r);
    announcing_ = false;
  }
}

bool DailyBalanceWindow::acceptInputs() {
  for (EntryField* f : {capital_, rate_})
    if (auto r = f->refusal()) {
      refuse(*r);
      return false;
    }
  return true;
}

void DailyBalanceWindow::calculate() {
  if (start_->text().trimmed().isEmpty() || end_->text().trimmed().isEmpty()) return;
  // The ranges were checked when the dates were left; here only a text
  // that is no date is refused.
  for (EntryField* f : {start_, end_})
    if (auto r = f->refusal()) return refuse(*r);
  Compute();
}

void DailyBalanceWindow::Compute() {
  const std::optional<DailyBalanceResult> r = DayBalCalc(state().dailyBalance.input());
  if (!r) return;  // no dates yet: the results keep their values
  Busy busy;
  result_ = *r;
  interest_->setValue(result_.interest);
  days_->setValue(result_.days);
}

void DailyBalanceWindow::spinDate(SpinDirection direction) {
  if (start_->text().trimmed().isEmpty()) return;
  DailyBalanceState& s = state().dailyBalance;
  const EndDateSpin spin = spinEndDate(s.StartDate, s.EndDate, direction);
  if (!spin.changed) return;
  {
    const QSignalBlocker block(end_);
    end_->setDayNumber(spin.shown);
  }
  spunEnd_ = end_->text();
  s.EndDate = spin.stored;
  Compute();
}

void DailyBalanceWindow::spinRate(SpinDirection direction) {
  DailyBalanceState& s = state().dailyBalance;
  const SpinStep<float> step = spinDailyRate(s.Rate, s.RateStep, direction);
  if (!step.changed) return;
  if (step.beep) beep();
  s.Rate = step.value;
  rate_->setValue(step.value);
  Compute();
  focusOk();
}

void DailyBalanceWindow::activated() {
  showInputs();
  Compute();
}

std::optional<BusinessWindow::Printout> DailyBalanceWindow::printout() {
  return singleRecord(dailyBalRecord(state().dailyBalance.input(), result_), kDailyBalReport, kDailyBalTitle);
}

}  // namespace quorin
