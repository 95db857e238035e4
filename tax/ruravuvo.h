// RuravUvo: the tax on an annual taxable income, with its bracket,
// rebate, tax commitment and average rates.
#pragma once

#include <cstdint>

#include "report/feed_record.h"
#include "tax/tax_scale.h"

namespace quorin {

// The RuravUvo figures, kept in the session so they outlive the window.
struct RuravUvoState {
  double TaxableIncome = 0;   // typed income
  double PrintedIncome = 0;   // copy taken on change and at Calculate; feeds the printout
  std::int16_t Age = 0;
  double PrimaryRebate = 0;
  double RebateAddition = 0;
  double Rebate = 0;
  double AverageRateBefore = 0;
  double TotalTax = 0;
  double TaxCommitment = 0;
  double AverageRateAfter = 0;
  double MarginalRate = 0;    // copy of ScaleRate
  tax::ScaleResult scale;     // the last pass through the scale

  // "Initialise All" clears these; the inputs, rebate and average rate
  // after rebates keep their values.
  void clearForInitialiseAll() {
    scale.ScaleTax = 0;
    TotalTax = 0;
    TaxCommitment = 0;
    AverageRateBefore = 0;
  }
};

// Runs the computation on the state's income and age (Calculate also copies
// the income into the printed income first), with the figures of the year.
// With a working, every step is recorded into it.
void NEWCALC(RuravUvoState& s, const tax::TaxYear& year, Working* working = nullptr);

// The ten values of the window's field group sidbEdit1, in index order.
struct RuravUvoFields {
  double values[10];
};
RuravUvoFields ruravUvoFields(const RuravUvoState& s);

// The kwiktax feed record of a print.
FeedRecord kwikTaxRecord(const RuravUvoState& s);

inline constexpr const char* kKwikTaxReport = "kwiktep.rpt";
inline constexpr const char* kKwikTaxTitle =
    "RuravUvo - To export printout click on the suitcase button or goto Help";

}  // namespace quorin
