// The working of the Employment Tax Incentive: on random employees the
// table step recomputes from its band, the last step is the figure it
// explains, every word has its Afrikaans; and one worked month read whole.
#include <gtest/gtest.h>

#include <random>

#include "common/working_text.h"
#include "dates.h"
#include "eti/eti.h"
#include "shipped_years.h"
#include "working_checks.h"

using namespace quorin;
using quorin::test::day;

namespace {

const tax::TaxYear& year2027() { return test::shippedYear(2027); }

}  // namespace

TEST(EtiWorking, OnRandomEmployeesTheStepsRecomputeAndEndWithTheirFigure) {
  std::mt19937 rng(21);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < 400; ++i) {
    EtiInput in = DefaultEtiInput(year2027());
    in.month = day(1, pick(3, 12), 2026);
    in.employmentStart = day(1, pick(1, 12), pick(2012, 2025));
    in.age = pick(16, 32);
    in.remuneration = pick(0, 90000) / 10.0;
    if (i % 3 == 0) in.hours = pick(40, 200);
    if (i % 4 == 0) in.minimumWage = 28.79;
    if (i % 2 == 0) {
      in.paye = pick(0, 2000);
      in.broughtForward = pick(0, 800);
    }
    Working w;
    EtiResult r;
    if (CalculateEti(in, year2027(), r, &w)) continue;
    SCOPED_TRACE(testing::Message() << "case " << i);
    const WorkingStep& last = w.steps().back();
    EXPECT_EQ(last.value, in.paye ? r.CarriedForward : r.Qualifies ? r.ETI : 0) << last.label;
    if (const WorkingStep* s = w.find("ETI for a full month")) {
      const double m = test::figureOf(*s, "remuneration for 160 hours");
      const double amount = test::figureOf(*s, "amount");
      const double expected = m < test::figureOf(*s, "percent edge") ? test::figureOf(*s, "percent") / 100 * m
                              : m < test::figureOf(*s, "taper edge")
                                  ? amount
                                  : amount - test::figureOf(*s, "taper") * (m - test::figureOf(*s, "taper edge"));
      test::expectSame(expected, s->value, *s);
      EXPECT_EQ(r.FullMonthETI, s->value);
    }
    for (const WorkingStep& s : w.steps()) {
      EXPECT_TRUE(afrikaansWorkingWord(s.label)) << s.label;
      EXPECT_TRUE(afrikaansWorkingWord(s.rule)) << s.rule;
      for (const WorkingFigure& f : s.inputs) EXPECT_TRUE(afrikaansWorkingWord(f.name)) << f.name;
    }
  }
}

TEST(EtiWorking, AShortMonthInTheTaperWithTheRollOver) {
  EtiInput in = DefaultEtiInput(year2027());
  in.month = day(1, 6, 2026);
  in.employmentStart = day(1, 1, 2026);
  in.age = 22;
  in.remuneration = 4500;
  in.hours = 120;
  in.paye = 300;
  in.broughtForward = 200;
  Working w;
  EtiResult r;
  ASSERT_FALSE(CalculateEti(in, year2027(), r, &w));
  std::string text;
  for (const auto& line : workingLines(w, 0)) text += line + "\n";
  EXPECT_EQ(text, R"(ETI table                    01/03/2026
    month claimed 01/06/2026
    the table in force from 01/03/2026 to 28/02/2027, of 2027
Age at the end of the month          22
    month claimed 01/06/2026
    as entered
Months employed                       6
    employment start 01/01/2026, month claimed 01/06/2026
    from the start to the month claimed, both counted
Qualifying month                      6
    months employed 6, months not qualifying 0, months before the 18th birthday 0
    months employed - months not qualifying - months before the 18th birthday
Period                                1
    qualifying month 6
    1: qualifying months 1 to 12; 2: months 13 to 24
Remuneration for 160 hours     6 000.00
    remuneration 4 500.00, hours 120
    remuneration x 160 / hours
ETI for a full month           1 125.00
    remuneration for 160 hours 6 000.00, period 1
    5 500 to below 7 500: 1 500 - 0.75 x (remuneration - 5 500)
Employment Tax Incentive         843.75
    ETI for a full month 1 125.00
    ETI for a full month x hours factor 0.75, to the cent
ETI brought forward              200.00
    brought forward entered 200.00
    as entered
ETI utilised                     300.00
    ETI brought forward 200.00, Employment Tax Incentive 843.75, PAYE 300.00
    the smaller of brought forward + ETI and the PAYE, to the cent
ETI carried forward              743.75
    ETI brought forward 200.00, Employment Tax Incentive 843.75, ETI utilised 300.00
    brought forward + ETI - utilised, to the cent
)");
}
