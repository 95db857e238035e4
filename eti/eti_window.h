// frmETI, "Employment Tax Incentive": one employee's incentive for one
// month, with the roll-over against the month's PAYE. The Setup frame
// holds the tax year choice; the print frame the language and the name.
#pragma once

#include "eti/eti.h"
#include "widgets/calculator_window.h"

class QCheckBox;
class QLineEdit;

namespace quorin {

class PrintFrame;
class SetupPanel;

class EtiWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit EtiWindow(WindowContext& context);

  // "&Calculate": the field limits, the checks, the calculation and the
  // results on the window. False when something was refused (its message
  // shown, the focus on the field, no result changed).
  bool calculate();
  void taxYearChosen() override;

 private:
  std::optional<Refusal> inputs(EtiInput& in) const;
  EntryField* entry(const char* name) const;
  std::optional<double> optionalNumber(const char* name) const;
  void showResult(const EtiResult& r);
  void cmdSetupOK_Click();
  void StartPrintout(int choice);

  QCheckBox* zone_ = nullptr;
  QLineEdit* tableFrom_ = nullptr;
  QLineEdit* reason_ = nullptr;
  SetupPanel* setup_ = nullptr;
  PrintFrame* print_ = nullptr;
  bool calculated_ = false;
  EtiInput input_;  // the inputs of the figures shown
  EtiResult result_;
};

}  // namespace quorin
