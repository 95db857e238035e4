// RuravUvo's worked figures and its printout record.
#include <gtest/gtest.h>

#include "tax/ruravuvo.h"

using namespace quorin;

namespace {

RuravUvoState calc(double income, int age) {
  RuravUvoState s;
  s.TaxableIncome = s.PrintedIncome = income;
  s.Age = static_cast<std::int16_t>(age);
  NEWCALC(s, tax::TaxYear2026());
  return s;
}

TEST(RuravUvo, ThreeHundredThousandAtForty) {
  RuravUvoState s = calc(300000, 40);
  EXPECT_EQ(s.scale.ScaleBaseTax, 42678);
  EXPECT_EQ(s.scale.ScaleRate, 26);
  EXPECT_NEAR(s.scale.ScalePortionTax, 16354, 1e-9);
  EXPECT_NEAR(s.TotalTax, 59032, 1e-9);
  EXPECT_EQ(s.Rebate, 17235);
  EXPECT_NEAR(s.TaxCommitment, 41797, 1e-9);
  EXPECT_NEAR(s.AverageRateBefore, 19.677333, 1e-6);
  EXPECT_NEAR(s.AverageRateAfter, 13.932333, 1e-6);
}

TEST(RuravUvo, AgeRebates) {
  EXPECT_EQ(calc(300000, 65).Rebate, 26679);
  EXPECT_NEAR(calc(300000, 65).TaxCommitment, 32353, 1e-9);
  EXPECT_EQ(calc(300000, 75).Rebate, 29824);
  EXPECT_NEAR(calc(300000, 75).TaxCommitment, 29208, 1e-9);
}

TEST(RuravUvo, BelowThresholdZeroAndNegative) {
  RuravUvoState low = calc(95750, 40);
  EXPECT_NEAR(low.TotalTax, 17235, 1e-9);
  EXPECT_EQ(low.TaxCommitment, 0);
  EXPECT_EQ(low.AverageRateAfter, 0);

  RuravUvoState zero = calc(0, 40);
  EXPECT_EQ(zero.AverageRateBefore, 18);
  EXPECT_EQ(zero.AverageRateAfter, 0);
  EXPECT_EQ(zero.TaxCommitment, 0);
  EXPECT_EQ(zero.TotalTax, 0);

  RuravUvoState negative = calc(-1000, 40);
  EXPECT_EQ(negative.scale.ScalePortionTax, -180);
  EXPECT_EQ(negative.TotalTax, -180);
  EXPECT_EQ(negative.TaxCommitment, 0);
  EXPECT_EQ(negative.AverageRateAfter, 0);
  EXPECT_EQ(negative.AverageRateBefore, 18);
}

TEST(RuravUvo, TopBracket) {
  RuravUvoState s = calc(2000000, 30);
  EXPECT_EQ(s.scale.ScaleRate, 45);
  EXPECT_NEAR(s.scale.ScalePortionTax, 82350, 1e-9);
  EXPECT_NEAR(s.TotalTax, 726839, 1e-9);
  EXPECT_NEAR(s.TaxCommitment, 709604, 1e-9);
}

TEST(RuravUvo, InitialiseAllClearsOnlyTheListedResults) {
  RuravUvoState s = calc(300000, 70);
  s.clearForInitialiseAll();
  EXPECT_EQ(s.scale.ScaleTax, 0);
  EXPECT_EQ(s.TotalTax, 0);
  EXPECT_EQ(s.TaxCommitment, 0);
  EXPECT_EQ(s.AverageRateBefore, 0);
  EXPECT_EQ(s.TaxableIncome, 300000);
  EXPECT_EQ(s.Age, 70);
  EXPECT_EQ(s.Rebate, 26679);
  EXPECT_GT(s.AverageRateAfter, 0);
}

TEST(RuravUvo, KwikTaxRecordInWritingOrder) {
  FeedRecord r = kwikTaxRecord(calc(300000, 40));
  EXPECT_EQ(r.table, "kwiktax");
  ASSERT_EQ(r.fields.size(), 11u);
  const char* order[] = {"AGE", "TAXINCOME", "TAXTOPAY", "MARGRATE", "PORTION", "TOTTAX",
                         "REBATE", "TAXCOM4", "AVRATE", "AVRATEAFT", "TAXCOM4/2"};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(r.fields[i].name, order[i]);
  EXPECT_EQ(std::get<std::int16_t>(*r.find("AGE")), 40);
  EXPECT_NEAR(std::get<double>(*r.find("TAXCOM4")), 41797, 1e-9);
  EXPECT_NEAR(std::get<double>(*r.find("TAXCOM4/2")), 3483.083333, 1e-6);
  EXPECT_EQ(std::get<double>(*r.find("TAXCOM4/2")), std::get<double>(*r.find("TAXCOM4")) / 12);
}

}  // namespace
