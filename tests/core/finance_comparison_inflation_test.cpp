// Loan comparison rows and record; inflation projection, its spin buttons
// and its display and print limits.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "finance/finance_records.h"

using namespace quorin;

namespace {

TEST(LoanComparison, WorkedRows) {
  LoanComparisonResult r = CompareLoans({100000, 12});
  EXPECT_EQ(r.terms[0].months, 60);
  EXPECT_NEAR(r.terms[0].repayment, 2224.44, 0.005);
  EXPECT_EQ(r.terms[3].months, 240);
  EXPECT_NEAR(r.terms[3].repayment, 1101.09, 0.005);
  EXPECT_NEAR(r.terms[3].totalPaid, 264260.67, 0.005);
  EXPECT_NEAR(r.terms[3].totalInterest, 164260.67, 0.005);
  for (std::size_t k = 1; k < r.terms.size(); ++k) {
    EXPECT_LT(r.terms[k].repayment, r.terms[k - 1].repayment);
    EXPECT_GT(r.terms[k].totalInterest, r.terms[k - 1].totalInterest);
  }
}

TEST(LoanComparison, GridAsShown) {
  auto grid = comparisonGrid(CompareLoans({100000, 12}));
  ASSERT_EQ(grid.size(), 7u);
  EXPECT_EQ(grid[0], (GridRow{" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "}));
  EXPECT_EQ(grid[1][0], "5 yrs.");
  EXPECT_EQ(grid[1][1], "2 224.44 ");
  EXPECT_EQ(grid[4], (GridRow{"20 yrs.", "1 101.09 ", "164 260.67 ", "264 260.67 "}));
  EXPECT_EQ(grid[6][0], "30 yrs.");
}

TEST(LoanComparison, ZeroRateOrAmount) {
  auto grid = comparisonGrid(CompareLoans({100000, 0}));
  for (std::size_t row = 1; row < 7; ++row) {
    EXPECT_EQ(grid[row][1], "0.00 ");
    EXPECT_EQ(grid[row][2], "-100 000.00 ");  // no clamping: minus the bond amount
    EXPECT_EQ(grid[row][3], "0.00 ");
  }
  EXPECT_EQ(comparisonGrid(CompareLoans({0, 12}))[2][2], "0.00 ");
  EXPECT_FALSE(bondCompRecord({100000, 0}, CompareLoans({100000, 0})));
  EXPECT_FALSE(bondCompRecord({0, 12}, CompareLoans({0, 12})));
}

TEST(LoanComparison, BondCompRecord) {
  LoanComparisonInput in{100000, 12};
  LoanComparisonResult r = CompareLoans(in);
  auto rec = bondCompRecord(in, r);
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->table, "BondComp");
  ASSERT_EQ(rec->fields.size(), 20u);
  EXPECT_EQ(rec->fields[0].name, "PAmt");
  EXPECT_EQ(std::get<float>(rec->fields[1].value), 12.0f);
  EXPECT_EQ(rec->fields[2].name, "MonRep1");
  EXPECT_EQ(rec->fields[3].name, "IntPaid1");
  EXPECT_EQ(rec->fields[4].name, "Total1");
  EXPECT_EQ(rec->fields[19].name, "Total6");
  EXPECT_EQ(std::get<double>(*rec->find("MonRep4")), r.terms[3].repayment);
}

TEST(Inflation, WorkedProjections) {
  InflationResult r = InflationProjection({10000, 10, 6});
  EXPECT_NEAR(r.futureCost, 17908.48, 0.005);
  EXPECT_NEAR(r.buyingPower, 5583.95, 0.005);
  EXPECT_FALSE(r.tooLarge);
  InflationResult down = InflationProjection({100, 1, -5});
  EXPECT_DOUBLE_EQ(down.futureCost, 95);
  EXPECT_NEAR(down.buyingPower, 105.263158, 5e-7);
  for (InflationInput same : {InflationInput{10000, 10, 0}, InflationInput{10000, 0, 6}}) {
    InflationResult s = InflationProjection(same);
    EXPECT_EQ(s.futureCost, 10000);
    EXPECT_EQ(s.buyingPower, 10000);
  }
}

TEST(Inflation, AnyPeriodEnds) {
  // far beyond the field's 40 years; the projection still returns
  InflationResult r = InflationProjection({100, 1e12, 0.0001});
  EXPECT_GT(r.futureCost, 100);
  EXPECT_EQ(InflationProjection({100, 1e12, 0}).futureCost, 100);
  EXPECT_TRUE(std::isfinite(InflationProjection({100, 5, -100}).buyingPower));  // no division by zero
}

TEST(Inflation, TooLargeToDisplayOrPrint) {
  InflationResult big = InflationProjection({99999999999.0, 40, 40});
  EXPECT_TRUE(big.tooLarge);
  EXPECT_FALSE(inflationRecord({99999999999.0, 40, 40}, big));
  InflationResult edge = InflationProjection({9999999999.0, 0, 0});
  EXPECT_FALSE(edge.tooLarge);
  EXPECT_TRUE(inflationPrintable(edge));
  EXPECT_FALSE(inflationPrintable(InflationProjection({0, 10, 6})));
}

TEST(Inflation, Record) {
  InflationInput in{10000, 10, 6};
  auto rec = inflationRecord(in, InflationProjection(in));
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->table, "Inflation");
  const char* order[] = {"PresCost", "Period", "InflaRate", "Ans1", "Ans2"};
  ASSERT_EQ(rec->fields.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(rec->fields[k].name, order[k]);
    EXPECT_TRUE(std::holds_alternative<double>(rec->fields[k].value));
  }
  EXPECT_NEAR(std::get<double>(*rec->find("Ans1")), 17908.48, 0.005);
}

TEST(InflationSpin, RateWrapsAndBeeps) {
  struct Case { double from; SpinDirection dir; double to; bool beep; };
  for (Case c : {Case{30, SpinDirection::Up, -5, false}, Case{-5, SpinDirection::Down, 30, false},
                 Case{-0.25, SpinDirection::Up, 0, true}, Case{0, SpinDirection::Down, -0.25, false},
                 Case{6, SpinDirection::Up, 6.25, false}, Case{29.75, SpinDirection::Up, 30, false},
                 Case{-4.75, SpinDirection::Down, -5, false}, Case{35, SpinDirection::Up, -5, false}}) {
    SpinStep<double> s = spinInflationRate(c.from, c.dir);
    EXPECT_EQ(s.value, c.to) << c.from;
    EXPECT_EQ(s.beep, c.beep) << c.from;
  }
}

TEST(InflationSpin, PeriodWrapsAndBeeps) {
  SpinStep<double> down = spinInflationPeriod(1, SpinDirection::Down);
  EXPECT_EQ(down.value, 40);
  EXPECT_TRUE(down.beep);
  SpinStep<double> up = spinInflationPeriod(40, SpinDirection::Up);
  EXPECT_EQ(up.value, 1);
  EXPECT_FALSE(up.beep);
  EXPECT_EQ(spinInflationPeriod(10, SpinDirection::Up).value, 11);
  EXPECT_EQ(spinInflationPeriod(10, SpinDirection::Down).value, 9);
  SpinStep<double> idle = spinInflationPeriod(0, SpinDirection::Up);
  EXPECT_FALSE(idle.changed);
  EXPECT_EQ(idle.value, 0);
}

}  // namespace
