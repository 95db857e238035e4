// frmCompCar, "Full use of Company Car": the register of company cars shown
// one vehicle at a time (Add, Delete, Back, Forward), the enabling rule
// keyed on the registration number, the auto split of the 3802 total, the
// date rules with the close refused on a bad date, and the printout of
// every vehicle. The register lives in the session.
#pragma once

#include <map>

#include "vehicle/company_car.h"
#include "widgets/calculator_window.h"

class QCheckBox;
class QCloseEvent;
class QPushButton;

namespace quorin {

class PrintFrame;

class CompanyCarWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  explicit CompanyCarWindow(WindowContext& context, QWidget* parent = nullptr);

  void CompCarCalc();
  void cmdCalculate_Click();
  void cmdAdd_Click();
  void cmdDelete_Click();
  void cmdBack_Click();
  void cmdForward_Click();
  void CompCarPrint(int choice);
  const CompanyCarRun& run() const { return run_; }

 public:
  void taxYearChosen() override { datesChanged(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CompanyCarRegister& reg();
  void showVehicle();
  void applyControls(bool focusRegistration);
  void workingClosed() override { applyControls(false); }
  void showResults();
  void datesChanged();

  std::map<QString, QWidget*> inputs_;  // by field name
  EntryField* regNumber_;
  EntryField* start_;
  EntryField* end_;
  EntryField* actual3802_;
  EntryField* fb3802_;
  QCheckBox* autoSplit_;
  QCheckBox* sarsTable_;
  QPushButton* add_;
  QPushButton* delete_;
  QPushButton* back_;
  QPushButton* forward_;
  QPushButton* calculate_;
  QPushButton* print_;
  QPushButton* ok_;
  PrintFrame* frame_;
  CompanyCarRun run_;
  bool showing_ = false;
};

}  // namespace quorin
