// What the five pay-period windows share: the Setup frame with the five
// settings (read at opening, saved by its "O&K"), the print frame with the
// English/Afrikaans choice and the employee name, the information frame and
// the buttons. A window adds its fields, its calculation and its record.
#pragma once

#include <optional>
#include <string>

#include "payperiod/payperiod_fields.h"
#include "payperiod/payperiod_records.h"
#include "widgets/calculator_window.h"

class QGridLayout;
class QGroupBox;

namespace quorin {

class PrintFrame;
class SetupPanel;

class PayWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  PayWindow(WindowContext& context, const QString& name, const QString& caption);

  // "&Calculate": the field limits, the window's checks, the calculation and
  // the results on the window. False when something was refused (its
  // message shown, the focus on the field, no result changed).
  virtual bool calculate() = 0;
  void cmdCalculate_Click() { calculate(); }

 protected:
  // Called at the end of the window's constructor: every input not yet
  // shown set to 0, the frames and buttons, the settings read from the
  // store, and one Calculate.
  void finishWindow();

  // The settings in force: the Setup frame's current values.
  SettingsRecord setup() const;

  // The record a print writes now (after a successful calculate()).
  virtual FeedRecord printRecord(const std::string& employeeName, int printLanguage) const = 0;
  virtual const PayReportFile& report() const = 0;

  // The pay items every pay-period window asks for, in the grid from row 0
  // down (the travel allowance last, in the row returned), and read back.
  template <class Names>
  int addPayItems(QGridLayout* grid, const Names& f, const PayPeriodLimits& limits, const QString& travelCaption) {
    int row = 0;
    // Captioned as their limits are, so that the command line's messages
    // name them as the window does.
    for (const char* name : {f.age, f.salary, f.employerMedAid, f.employeeMedAid, f.employerRFund, f.employeeRFund,
                             f.commission, f.bonus})
      addLimited(grid, row++, 0, tr(limits.at(name).caption.c_str()), name, limits);
    addLimited(grid, row, 0, travelCaption, f.travelAllowance, limits);
    return row;
  }
  template <class Names, class Input>
  void readPayItems(const Names& f, Input& in) const {
    in.age = whole(f.age);
    in.salary = number(f.salary);
    in.commission = number(f.commission);
    in.bonus = number(f.bonus);
    in.travelAllowance = number(f.travelAllowance);
    in.employerRFund = number(f.employerRFund);
    in.employeeRFund = number(f.employeeRFund);
    in.employerMedAid = number(f.employerMedAid);
    in.employeeMedAid = number(f.employeeMedAid);
  }

  // An entry field with the limit the field list gives it.
  EntryField* addLimited(QGridLayout* grid, int row, int column, const QString& caption, const char* name,
                         const PayPeriodLimits& limits);
  EntryField* entry(const char* name) const;
  double number(const char* name) const;
  std::int16_t whole(const char* name) const;
  void showFigure(const char* name, double value) const;

 private:
  void cmdSetupOK_Click();
  void StartPrintout(int choice);

  SetupPanel* setup_ = nullptr;
  PrintFrame* print_ = nullptr;
  QGroupBox* info_ = nullptr;
};

}  // namespace quorin
