// The working of the pay-period, annual and RuravUvo calculations: on
// random pay the last step is the figure it explains and every shared step
// recomputes from what it states; worked examples read as a clerk would
// check them by hand.
#include <gtest/gtest.h>

#include <random>

#include "common/working_text.h"
#include "dates.h"
#include "payperiod/annual_tax.h"
#include "payperiod/period_tax.h"
#include "tax/ruravuvo.h"
#include "shipped_years.h"
#include "working_checks.h"

using namespace quorin;
using quorin::test::day;

namespace {

const tax::TaxYear& year2027() { return test::shippedYear(2027); }
SettingsRecord standardSetup() { return test::standardPaySetup(); }

std::string text(const Working& w, int language = 0) {
  std::string all;
  for (const auto& line : workingLines(w, language)) all += line + "\n";
  return all;
}

double creditShare(PeriodKind kind) {
  switch (kind) {
    case PeriodKind::Monthly: return 1;
    case PeriodKind::Weekly: return 0.25;
    case PeriodKind::Fortnightly: return 0.5;
    case PeriodKind::Daily: break;
  }
  return 12.0 / 260;
}

// Pay of every shape: nothing, a little, far above the top bracket; with
// and without bonus, travel, funds beyond their limit and medical aid.
struct RandomPay {
  std::mt19937 rng{20261209};
  double amount(double top) {
    if (std::uniform_int_distribution<int>(0, 3)(rng) == 0) return 0;
    return std::round(std::uniform_real_distribution<double>(0, top)(rng) * 100) / 100;
  }
  int pick(std::initializer_list<int> list) {
    return *(list.begin() + std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(rng));
  }
  template <typename Input>
  void fill(Input& in, double scale) {
    in.age = static_cast<std::int16_t>(pick({18, 40, 64, 65, 74, 75, 90}));
    in.salary = amount(150000 * scale);
    in.commission = amount(20000 * scale);
    in.bonus = amount(100000 * scale);
    in.travelAllowance = amount(10000 * scale);
    in.employerRFund = amount(15000 * scale);
    in.employeeRFund = amount(40000 * scale);
    in.employerMedAid = amount(4000 * scale);
    in.employeeMedAid = amount(4000 * scale);
  }
};

}  // namespace

TEST(PayPeriodWorking, OnRandomPayTheStepsRecomputeAndEndWithTheTaxToDeduct) {
  RandomPay random;
  const PeriodKind kinds[] = {PeriodKind::Monthly, PeriodKind::Weekly, PeriodKind::Fortnightly, PeriodKind::Daily};
  for (const tax::TaxYear* year : {&tax::TaxYear2026(), &year2027()}) {
    for (PeriodKind kind : kinds) {
      const double scale = 12.0 / PeriodsPerYear(kind);
      for (int i = 0; i < 150; ++i) {
        PeriodPayInput in = DefaultPeriodPayInput(kind, *year);
        random.fill(in, scale);
        in.beneficiaries = static_cast<std::int16_t>(random.pick({0, 1, 2, 3, 7}));
        if (kind == PeriodKind::Monthly) {
          in.startDate = year->firstDay + random.pick({0, 5, 14});
          in.endDate = year->firstDay + random.pick({20, 30});
        } else if (kind != PeriodKind::Daily) {
          in.normalDays = static_cast<std::int16_t>(kind == PeriodKind::Weekly ? 5 : 10);
          in.daysWorked = static_cast<std::int16_t>(random.pick({1, 3, 5}));
        }
        Working w;
        PeriodTaxResult r;
        ASSERT_FALSE(CalculatePeriod(kind, in, standardSetup(), r, *year, &w));
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << " case " << i);
        ASSERT_FALSE(w.empty());
        EXPECT_STREQ(w.steps().back().label, "Tax to deduct");
        EXPECT_EQ(w.steps().back().value, r.TaxLiability);
        EXPECT_EQ(w.find("Tax of the period")->value, r.PeriodTax);
        EXPECT_EQ(w.find("Employee's UIF")->value, r.EmployeeUIF);
        EXPECT_EQ(w.find("Skills development levy")->value, r.SDL);
        test::checkSharedSteps(w, *year, creditShare(kind));
        const WorkingStep& uif = *w.find("Employee's UIF");
        test::expectSame(std::min(test::figureOf(uif, "UIF remuneration"), test::figureOf(uif, "ceiling")) *
                             test::figureOf(uif, "percent") / 100,
                         uif.value, uif);
      }
    }
  }
}

TEST(PayPeriodWorking, AnnualAndRuravUvoStepsRecomputeAndEndWithTheirResult) {
  RandomPay random;
  for (const tax::TaxYear* year : {&tax::TaxYear2026(), &year2027()}) {
    for (int i = 0; i < 200; ++i) {
      AnnualPayInput in;
      in.setYear(*year);
      random.fill(in, 12);
      for (auto& count : in.monthBeneficiaries) count = static_cast<std::int16_t>(random.pick({0, 1, 2, 4}));
      if (i % 3 == 0) in.startDate = year->firstDay + random.pick({31, 100, 200});
      Working w;
      AnnualTaxResult r;
      ASSERT_FALSE(CalculateAnnual(in, standardSetup(), r, *year, &w));
      SCOPED_TRACE(testing::Message() << "annual case " << i);
      EXPECT_STREQ(w.steps().back().label, "Tax to deduct");
      EXPECT_EQ(w.steps().back().value, r.PAYEAfterCredits);
      test::checkSharedSteps(w, *year);

      RuravUvoState s;
      s.TaxableIncome = random.amount(3'000'000);
      s.Age = in.age;
      Working rw;
      NEWCALC(s, *year, &rw);
      EXPECT_STREQ(rw.steps().back().label, "Tax commitment");
      EXPECT_EQ(rw.steps().back().value, s.TaxCommitment);
      test::checkSharedSteps(rw, *year);
    }
  }
}

TEST(PayPeriodWorking, NoWorkingGivenRecordsNothingAndChangesNoFigure) {
  PeriodPayInput in = DefaultPeriodPayInput(PeriodKind::Monthly, year2027());
  in.salary = 45000;
  in.bonus = 20000;
  in.age = 70;
  in.employeeMedAid = 3000;
  in.beneficiaries = 3;
  Working w;
  const PeriodTaxResult with = CalcPeriodTax(PeriodKind::Monthly, in, standardSetup(), year2027(), &w);
  const PeriodTaxResult without = CalcPeriodTax(PeriodKind::Monthly, in, standardSetup(), year2027());
  for (std::size_t i = 0; i < PeriodDetailFigures(PeriodKind::Monthly, with).size(); ++i)
    EXPECT_EQ(PeriodDetailFigures(PeriodKind::Monthly, with)[i].value,
              PeriodDetailFigures(PeriodKind::Monthly, without)[i].value);
  EXPECT_EQ(with.TaxLiability, without.TaxLiability);
}

// ---- worked examples, as a clerk reads them -----------------------------

namespace {

std::string monthlyAt30000(const tax::TaxYear& year, int language = 0) {
  PeriodPayInput in = DefaultPeriodPayInput(PeriodKind::Monthly, year);
  in.salary = 30000;
  in.age = 40;
  Working w;
  PeriodTaxResult r;
  EXPECT_FALSE(CalculatePeriod(PeriodKind::Monthly, in, standardSetup(), r, year, &w));
  return text(w, language);
}

}  // namespace

TEST(PayPeriodWorkingExamples, MonthlyR30000AtAge40In2026) {
  EXPECT_EQ(monthlyAt30000(tax::TaxYear2026()), R"(Taxable travel allowance                    0.00
    travel allowance 0.00
    0.8 of the allowance
Remuneration                           30 000.00
    salary 30 000.00
    salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's retirement fund
Retirement fund deduction                   0.00
    remuneration 30 000.00
    the contributions: within 27.5 % of the remuneration (8 250.00) and the cap 350 000 a year / 12
Taxable income of the period           30 000.00
    salary 30 000.00
    remuneration without the bonus, less the retirement fund deduction
Annual equivalent                     360 000.00
    taxable income of the period 30 000.00
    x 31 / 31 x 12 months
Annual taxable income with the bonus  360 000.00
    annual equivalent 360 000.00
    annual equivalent + bonus, the bonus not annualised
Rebate by age                          17 235.00
    age 40
    under 65: primary 17 235 of 2026
Tax on the scale with the bonus        74 632.00
    taxable income 360 000.00
    bracket 237 101 - 370 500 of 2026: 42 678 + 26 % above 237 100
Tax on the scale without the bonus     74 632.00
    taxable income 360 000.00
    bracket 237 101 - 370 500 of 2026: 42 678 + 26 % above 237 100
Tax of the period                       4 783.08
    tax with the bonus 74 632.00, tax without the bonus 74 632.00, rebate 17 235.00
    (with the bonus - rebate) - (without - rebate), each not below 0, + (without - rebate) / 12 x 31 / 31
UIF remuneration                       30 000.00
    remuneration 30 000.00
    remuneration without the commission
Employee's UIF                            177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00 a period
Employer's UIF                            177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00 a period
Skills development levy                   300.00
    UIF remuneration 30 000.00
    1 % of (UIF remuneration - retirement fund deduction + commission), no ceiling
Medical scheme fees credit                  0.00
    beneficiaries 0
    only with a medical aid contribution
Additional medical expenses credit          0.00
    age 40
    only from age 65, with a medical scheme fees credit
Tax to deduct                           4 783.08
    tax of the period 4 783.08
    tax of the period less both credits, not below 0
)");
}

TEST(PayPeriodWorkingExamples, MonthlyR30000AtAge40In2027InEnglishAndAfrikaans) {
  EXPECT_EQ(monthlyAt30000(year2027()), R"(Taxable travel allowance                    0.00
    travel allowance 0.00
    0.8 of the allowance
Remuneration                           30 000.00
    salary 30 000.00
    salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's retirement fund
Retirement fund deduction                   0.00
    remuneration 30 000.00
    the contributions: within 27.5 % of the remuneration (8 250.00) and the cap 430 000 a year / 12
Taxable income of the period           30 000.00
    salary 30 000.00
    remuneration without the bonus, less the retirement fund deduction
Annual equivalent                     360 000.00
    taxable income of the period 30 000.00
    x 31 / 31 x 12 months
Annual taxable income with the bonus  360 000.00
    annual equivalent 360 000.00
    annual equivalent + bonus, the bonus not annualised
Rebate by age                          17 820.00
    age 40
    under 65: primary 17 820 of 2027
Tax on the scale with the bonus        73 992.00
    taxable income 360 000.00
    bracket 245 101 - 383 100 of 2027: 44 118 + 26 % above 245 100
Tax on the scale without the bonus     73 992.00
    taxable income 360 000.00
    bracket 245 101 - 383 100 of 2027: 44 118 + 26 % above 245 100
Tax of the period                       4 681.00
    tax with the bonus 73 992.00, tax without the bonus 73 992.00, rebate 17 820.00
    (with the bonus - rebate) - (without - rebate), each not below 0, + (without - rebate) / 12 x 31 / 31
UIF remuneration                       30 000.00
    remuneration 30 000.00
    remuneration without the commission
Employee's UIF                            177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00 a period
Employer's UIF                            177.12
    UIF remuneration 30 000.00
    1 % of the ceiling 17 712.00 a period
Skills development levy                   300.00
    UIF remuneration 30 000.00
    1 % of (UIF remuneration - retirement fund deduction + commission), no ceiling
Medical scheme fees credit                  0.00
    beneficiaries 0
    only with a medical aid contribution
Additional medical expenses credit          0.00
    age 40
    only from age 65, with a medical scheme fees credit
Tax to deduct                           4 681.00
    tax of the period 4 681.00
    tax of the period less both credits, not below 0
)");
  EXPECT_EQ(monthlyAt30000(year2027(), 1), R"(Belasbare reistoelae                                0.00
    reistoelae 0.00
    0.8 van die toelae
Besoldiging                                    30 000.00
    salaris 30 000.00
    salaris + kommissie + bonus + belasbare reistoelae + werkgewer se mediese fonds + werkgewer se aftreefonds
Aftrekking vir aftreefondsbydraes                   0.00
    besoldiging 30 000.00
    die bydraes: binne 27.5 % van die besoldiging (8 250.00) en die plafon 430 000 per jaar / 12
Belasbare inkomste van die tydperk             30 000.00
    salaris 30 000.00
    besoldiging sonder die bonus, min die aftreefondsaftrekking
Jaarlikse ekwivalent                          360 000.00
    belasbare inkomste van die tydperk 30 000.00
    x 31 / 31 x 12 maande
Jaarlikse belasbare inkomste met die bonus    360 000.00
    jaarlikse ekwivalent 360 000.00
    jaarlikse ekwivalent + bonus, die bonus nie geannualiseer nie
Korting volgens ouderdom                       17 820.00
    ouderdom 40
    onder 65: primêr 17 820 van 2027
Belasting volgens die skaal met die bonus      73 992.00
    belasbare inkomste 360 000.00
    skaal 245 101 - 383 100 van 2027: 44 118 + 26 % bo 245 100
Belasting volgens die skaal sonder die bonus   73 992.00
    belasbare inkomste 360 000.00
    skaal 245 101 - 383 100 van 2027: 44 118 + 26 % bo 245 100
Belasting van die tydperk                       4 681.00
    belasting met die bonus 73 992.00, belasting sonder die bonus 73 992.00, korting 17 820.00
    (met die bonus - korting) - (sonder - korting), elk nie minder as 0 nie, + (sonder - korting) / 12 x 31 / 31
WVF-besoldiging                                30 000.00
    besoldiging 30 000.00
    besoldiging sonder die kommissie
Werknemer se WVF                                  177.12
    WVF-besoldiging 30 000.00
    1 % van die plafon 17 712.00 per tydperk
Werkgewer se WVF                                  177.12
    WVF-besoldiging 30 000.00
    1 % van die plafon 17 712.00 per tydperk
Vaardigheidsontwikkelingsheffing                  300.00
    WVF-besoldiging 30 000.00
    1 % van (WVF-besoldiging - aftreefondsaftrekking + kommissie), geen plafon
Mediese skemabydraekrediet                          0.00
    begunstigdes 0
    slegs met 'n mediesefondsbydrae
Bykomende mediese uitgawekrediet                    0.00
    ouderdom 40
    slegs vanaf 65, met 'n mediese skemabydraekrediet
Belasting af te trek                            4 681.00
    belasting van die tydperk 4 681.00
    belasting van die tydperk min albei krediete, nie minder as 0 nie
)");
}

TEST(PayPeriodWorkingExamples, WeeklyThreeDaysOfFiveAtAge70WithMedicalAidAndABonus) {
  PeriodPayInput in = DefaultPeriodPayInput(PeriodKind::Weekly, year2027());
  in.salary = 6000;
  in.bonus = 5000;
  in.age = 70;
  in.employeeMedAid = 900;
  in.beneficiaries = 3;
  in.normalDays = 5;
  in.daysWorked = 3;
  Working w;
  PeriodTaxResult r;
  ASSERT_FALSE(CalculatePeriod(PeriodKind::Weekly, in, standardSetup(), r, year2027(), &w));
  EXPECT_EQ(text(w), R"(Taxable travel allowance                    0.00
    travel allowance 0.00
    0.8 of the allowance
Remuneration                           11 000.00
    salary 6 000.00, bonus 5 000.00
    salary + commission + bonus + taxable travel allowance + employer's medical aid + employer's retirement fund
Retirement fund deduction                   0.00
    remuneration 11 000.00
    the contributions: within 27.5 % of the remuneration (3 025.00) and the cap 430 000 a year / 52
Taxable income of the period            6 000.00
    salary 6 000.00
    remuneration without the bonus, less the retirement fund deduction
Annual equivalent                     520 000.00
    taxable income of the period 6 000.00
    x 52 weeks x 5 / 3
Annual taxable income with the bonus  525 000.00
    annual equivalent 520 000.00, bonus 5 000.00
    annual equivalent + bonus, the bonus not annualised
Rebate by age                          27 585.00
    age 70
    from age 65: primary 17 820 + secondary 9 765 of 2027
Tax on the scale with the bonus       123 987.00
    taxable income 525 000.00
    bracket 383 101 - 530 200 of 2027: 79 998 + 31 % above 383 100
Tax on the scale without the bonus    122 437.00
    taxable income 520 000.00
    bracket 383 101 - 530 200 of 2027: 79 998 + 31 % above 383 100
Tax of the period                       2 644.45
    tax with the bonus 123 987.00, tax without the bonus 122 437.00, rebate 27 585.00
    (with the bonus - without) + (without - rebate) / 52 x 3 / 5, not below 0
UIF remuneration                       11 000.00
    remuneration 11 000.00
    remuneration without the commission
Employee's UIF                             40.87
    UIF remuneration 11 000.00
    1 % of the ceiling 4 087.38 a period
Employer's UIF                             40.87
    UIF remuneration 11 000.00
    1 % of the ceiling 4 087.38 a period
Skills development levy                   110.00
    UIF remuneration 11 000.00
    1 % of (UIF remuneration - retirement fund deduction + commission), no ceiling
Medical scheme fees credit                251.50
    beneficiaries 3
    a quarter of the month's credit: 376 for each of the first two beneficiaries and 254 for each further one, of 2027
Additional medical expenses credit         48.45
    age 70, employee's medical contribution 900.00, medical scheme fees credit 251.50
    from age 65: (contributions - 3 x the credit) x 0.333, not below 0
Tax to deduct                           2 344.49
    tax of the period 2 644.45, medical scheme fees credit 251.50, additional medical expenses credit 48.45
    tax of the period less both credits, not below 0
)");
}

TEST(PayPeriodWorkingExamples, AnnualFromJuneWithTravelAndMedicalAid) {
  AnnualPayInput in;
  in.setYear(year2027());
  in.startDate = day(1, 6, 2026);
  in.age = 66;
  in.salary = 360000;
  in.bonus = 30000;
  in.travelAllowance = 48000;
  in.employeeRFund = 30000;
  in.employeeMedAid = 27000;
  in.monthBeneficiaries.fill(2);
  Working w;
  AnnualTaxResult r;
  ASSERT_FALSE(CalculateAnnual(in, standardSetup(), r, year2027(), &w));
  EXPECT_EQ(text(w), R"(Remuneration                            428 400.00
    salary 360 000.00, bonus 30 000.00, travel allowance 48 000.00
    salary + commission + bonus + 0.8 of the travel allowance + employer's medical aid + employer's retirement fund
Retirement fund deduction                30 000.00
    contributions 30 000.00, remuneration 428 400.00
    the contributions: within 27.5 % of the remuneration (117 810.00) and the cap 430 000 a year
Taxable income of the period            368 400.00
    remuneration 428 400.00, bonus 30 000.00, retirement fund deduction 30 000.00
    remuneration without the bonus, less the retirement fund deduction
Annual equivalent                       492 549.45
    taxable income of the period 368 400.00
    x 365 / 273 days of the period
Rebate by age                            27 585.00
    age 66
    from age 65: primary 17 820 + secondary 9 765 of 2027
Tax on the scale with the bonus         123 227.33
    taxable income 522 549.45
    bracket 383 101 - 530 200 of 2027: 79 998 + 31 % above 383 100
Tax on the scale without the bonus      113 927.33
    taxable income 492 549.45
    bracket 383 101 - 530 200 of 2027: 79 998 + 31 % above 383 100
Tax after the rebate with the bonus      95 642.00
    rebate 27 585.00
    tax on the scale less the rebate, cut to whole rand (travel allowance or commission), not below 0
Tax after the rebate without the bonus   86 342.00
    rebate 27 585.00
    tax on the scale less the rebate, cut to whole rand (travel allowance or commission), not below 0
Tax on the bonus                          9 300.00
    with the bonus 95 642.00, without the bonus 86 342.00
    with the bonus - without, not pro-rated
Tax of the period                        73 879.08
    tax without the bonus 86 342.00, tax on the bonus 9 300.00
    tax without the bonus x 273 / 365 + tax on the bonus
Medical scheme fees credit                6 768.00
    June 2, July 2, August 2, September 2, October 2, November 2, December 2, January 2, February 2
    the month's credit for each month of the period: 376 for each of the first two beneficiaries and 254 for each further one, of 2027
Additional medical expenses credit        2 229.77
    age 66, employee's medical contribution 27 000.00, medical scheme fees credit 6 768.00
    from age 65: (contributions - 3 x the credit) x 0.333, not below 0
Tax to deduct                            64 881.32
    tax of the period 73 879.08, medical scheme fees credit 6 768.00, additional medical expenses credit 2 229.77
    tax of the period less both credits, not below 0
)");
}

TEST(PayPeriodWorkingExamples, RuravUvoR750000AtAge76) {
  RuravUvoState s;
  s.TaxableIncome = 750000;
  s.Age = 76;
  Working w;
  NEWCALC(s, year2027(), &w);
  EXPECT_EQ(text(w), R"(Rebate by age                    30 834.00
    age 76
    from age 75: primary 17 820 + secondary and tertiary 13 014 of 2027, whole rand
Tax on the scale                206 353.00
    taxable income 750 000.00
    bracket 695 801 - 887 000 of 2027: 185 215 + 39 % above 695 800
Average rate before the rebate     27.5137
    tax on the scale 206 353.00, taxable income 750 000.00
    tax on the scale / taxable income x 100
Average rate after the rebate      23.4025
    tax on the scale 206 353.00, rebate 30 834.00, taxable income 750 000.00
    (tax on the scale - rebate) / taxable income x 100, not below 0
Tax commitment                  175 519.00
    tax on the scale 206 353.00, rebate 30 834.00
    tax on the scale less the rebate, not below 0
)");
}

TEST(PayPeriodWorking, EveryWordOfThePayPeriodWorkingHasItsAfrikaans) {
  RandomPay random;
  auto expectAfrikaans = [](const Working& w) {
    for (const WorkingStep& s : w.steps()) {
      EXPECT_TRUE(afrikaansWorkingWord(s.label)) << s.label;
      if (*s.rule) {
        EXPECT_TRUE(afrikaansWorkingWord(s.rule)) << s.rule;
      }
      for (const WorkingFigure& f : s.inputs) EXPECT_TRUE(afrikaansWorkingWord(f.name)) << f.name;
    }
  };
  for (PeriodKind kind : {PeriodKind::Monthly, PeriodKind::Weekly, PeriodKind::Fortnightly, PeriodKind::Daily})
    for (int i = 0; i < 60; ++i) {
      PeriodPayInput in = DefaultPeriodPayInput(kind, year2027());
      random.fill(in, 1);
      in.beneficiaries = static_cast<std::int16_t>(random.pick({0, 1, 3}));
      Working w;
      CalcPeriodTax(kind, in, standardSetup(), year2027(), &w);
      expectAfrikaans(w);
      AnnualPayInput annual;
      annual.setYear(year2027());
      random.fill(annual, 12);
      annual.monthBeneficiaries.fill(static_cast<std::int16_t>(random.pick({0, 1, 3})));
      if (i % 2) annual.startDate += 40;
      Working aw;
      CalcAnnualTax(annual, standardSetup(), year2027(), &aw);
      expectAfrikaans(aw);
    }
  EXPECT_STREQ(afrikaansWorkingWord("How these figures were worked out"), "Hoe hierdie syfers bereken is");
}
