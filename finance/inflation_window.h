// frmInflation, "Inflation": the future cost of a present cost after some
// years of inflation and what the present amount will then buy, with spin
// buttons for the period and the rate. Its figures live in the session.
#pragma once

#include "finance/business_window.h"
#include "finance/inflation.h"

class QLabel;

namespace quorin {

class InflationWindow : public BusinessWindow {
  Q_OBJECT
 public:
  explicit InflationWindow(WindowContext& context, QWidget* parent = nullptr);

  void Projection();
  void spinRate(SpinDirection direction);
  void spinPeriod(SpinDirection direction);

 protected:
  void activated() override;
  std::optional<Printout> printout() override;
  void calculate() override { Projection(); }

 private:
  void showInputs();
  void afterSpin(bool beep);

  EntryField* presentCost_;
  EntryField* period_;
  EntryField* rate_;
  EntryField* futureCost_;
  EntryField* buyingPower_;
  QLabel* tooLarge_;
  InflationResult result_;
};

}  // namespace quorin
