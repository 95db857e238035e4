// frmVelmMon, frmVelmAnn, frmQuorinMon and frmQuorinAnn: one window for the
// four salary package calculators, its captions and fields chosen by the
// kind. The window reads its fields, calls the package calculation, shows
// the results and prints the SalPackage record.
#pragma once

#include "package/salary_package.h"
#include "widgets/calculator_window.h"

class QGridLayout;
class QGroupBox;
class QLabel;

namespace quorin {

class PrintFrame;
class SetupPanel;

class PackageWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  PackageWindow(WindowContext& context, PackageKind kind);

  PackageKind kind() const { return kind_; }
  // "&Calculate": false when a field was refused (its message shown, the
  // focus on it, nothing changed) or the calculation was refused (its
  // message shown, the last results kept).
  bool calculate();
  void cmdCalculate_Click() { calculate(); }

 private:
  void addEmployeeColumn(QGridLayout* grid);
  void addCostColumn(QGridLayout* grid);
  void addHeldFields();
  void addPanels();
  // The value of one field is copied into another on every change.
  void copyOnChange(const std::string& from, const std::string& to);

  PackageInput inputs() const;
  void showResults(const PackageInput& in);
  void showWarning(bool warning);
  void updatePrintButton();
  void workingClosed() override { updatePrintButton(); }
  void hidePanel(QWidget* panel);

  void cmdSetupOK_Click();
  void cmdPrint_Click();
  void cmdRAExpl_Click();
  void StartPrintout(int choice);
  // The net-to-gross rule: fund percentages above 27.5 together become 0.
  void checkRFundPercentages();

  EntryField* entry(const std::string& name) const;
  double number(const std::string& name) const;
  std::int16_t whole(const std::string& name) const;

  PackageKind kind_;
  PackageResult kept_;       // the last complete calculation
  PackageInput calculated_;  // its inputs
  SetupPanel* setup_ = nullptr;
  PrintFrame* print_ = nullptr;
  QGroupBox* explanation_ = nullptr;
  QLabel* lineA_ = nullptr;
  QLabel* lineC_ = nullptr;
  QLabel* warning_ = nullptr;
  QWidget* onceOff_ = nullptr;
};

}  // namespace quorin
