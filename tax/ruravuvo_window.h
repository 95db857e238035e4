// frmKwikTax, "RuravUvo": the tax on an annual taxable income. Its figures
// live in the session, so they outlive the window; every activation
// recalculates.
#pragma once

#include <array>

#include "widgets/calculator_window.h"

namespace quorin {

class PrintFrame;

class RuravUvoWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit RuravUvoWindow(WindowContext& context, QWidget* parent = nullptr);

  void cmdCalculate_Click();
  void KwikTaxPrint();

 protected:
  void activated() override;

 private:
  void showFigures();
  void printTo(int choice);

  std::array<EntryField*, 10> sidbEdit1_{};
  PrintFrame* frame_;
};

}  // namespace quorin
