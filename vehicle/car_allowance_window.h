// frmCarAll1, "Travel Allowance": the deduction claim against a travel
// allowance by the deemed-cost or the actual-cost method, with its method
// options, the two "Include" boxes, the wear-and-tear/lease rule, the date
// rules and the printout. Its inputs live in the session.
#pragma once

#include "vehicle/car_allowance.h"
#include "widgets/calculator_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorin {

class PrintFrame;

class CarAllowanceWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit CarAllowanceWindow(WindowContext& context, QWidget* parent = nullptr);
  void taxYearChosen() override;

  void CarAllowanceCalc();
  void PrintCarAll1(int choice);
  const CarAllowanceResult& result() const { return result_; }

 private:
  TravelAllowanceInput& input();
  void showInputs();
  void chooseMethod(int recordsKept);
  void datesChanged();
  void singlePayment(EntryField* changed, EntryField* other, double value, double& stored);

  QRadioButton* optNo_;
  QRadioButton* optYes_;
  QCheckBox* includeFuel_;
  QCheckBox* includeMaintenance_;
  EntryField* car_;
  EntryField* start_;
  EntryField* end_;
  EntryField* wearAndTear_;
  EntryField* lease_;
  QGroupBox* deemedPane_;
  QGroupBox* actualPane_;
  QLabel* logBookCut_;
  QPushButton* ok_;
  PrintFrame* frame_;
  CarAllowanceResult result_;
};

}  // namespace quorin
