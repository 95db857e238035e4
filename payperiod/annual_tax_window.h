// frmAnnual, "Annual": the employees' tax of a tax year or part of it, with
// the medical aid beneficiaries month by month.
#pragma once

#include <array>

#include "payperiod/annual_tax.h"
#include "payperiod/pay_window.h"

namespace quorin {

class AnnualTaxWindow : public PayWindow {
  Q_OBJECT
 public:
  explicit AnnualTaxWindow(WindowContext& context);

  bool calculate() override;
  void taxYearChosen() override;
  void cmdDuplicate_Click();

 protected:
  FeedRecord printRecord(const std::string& employeeName, int printLanguage) const override;
  const PayReportFile& report() const override { return kAnnualReport; }

 private:
  AnnualPayInput inputs() const;
  void showMonthCounts(const MonthCounts& counts);
  void limitMonth(EntryField* month);
  void showBeneficiaryNotice();

  std::array<EntryField*, 12> months_{};  // tax-year order, March first
  AnnualPayInput calculated_;
  AnnualTaxResult result_;
};

}  // namespace quorin
