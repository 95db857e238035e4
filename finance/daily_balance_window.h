// frmDayBal, "Daily Balance": simple interest on a capital amount between
// two dates, with the date range rules, a spin button for the end date and
// one for the rate. Its inputs live in the session.
#pragma once

#include "finance/business_window.h"
#include "finance/daily_balance.h"

namespace quorin {

class DailyBalanceWindow : public BusinessWindow {
  Q_OBJECT
 public:
  explicit DailyBalanceWindow(WindowContext& context, QWidget* parent = nullptr);

  void Compute();
  void spinDate(SpinDirection direction);
  void spinRate(SpinDirection direction);

 protected:
  void activated() override;
  std::optional<Printout> printout() override;
  void calculate() override;
  bool acceptInputs() override;

 private:
  void showInputs();
  // The typed date's refusal (invalid, or out of range against the other
  // date); an empty field is no date and is not refused.
  std::optional<Refusal> dateRefusal(EntryField* field, std::int32_t& day);
  void dateTyped(EntryField* field);
  void dateLeft(EntryField* field);

  EntryField* capital_;
  EntryField* start_;
  EntryField* end_;
  EntryField* rate_;
  EntryField* interest_;
  EntryField* days_;
  DailyBalanceResult result_;
  bool announcing_ = false;
  QString spunEnd_;  // the end date as the spin button last showed it
};

}  // namespace quorin
