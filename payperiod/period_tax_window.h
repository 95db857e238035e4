// frmMonthly, frmWeekly, frmFortNight and frmDaily: one window for the four
// periodic PAYE calculators, its fields and captions chosen by the kind of
// pay period.
#pragma once

#include "payperiod/pay_window.h"
#include "payperiod/period_tax.h"

namespace quorin {

class PeriodTaxWindow : public PayWindow {
  Q_OBJECT
 public:
  PeriodTaxWindow(WindowContext& context, PeriodKind kind);

  bool calculate() override;
  PeriodKind kind() const { return kind_; }
  void taxYearChosen() override;

 protected:
  FeedRecord printRecord(const std::string& employeeName, int printLanguage) const override;
  const PayReportFile& report() const override;

 private:
  PeriodPayInput inputs() const;

  PeriodKind kind_;
  PeriodPayInput calculated_;  // the inputs of the figures shown
  PeriodTaxResult result_;
};

}  // namespace quorin
