// Employment Tax Incentive: every band edge of both tables, the qualifying
// tests and month, the gross-up below 160 hours, the roll-over, the
// refusals, and the eti section of the year files.
#include <gtest/gtest.h>

#include "shipped_years.h"
#include "year_folder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>

#include "dates.h"
#include "eti/eti.h"
#include "eti/eti_fields.h"
#include "eti/eti_record.h"
#include "tax/tax_year_file.h"

using namespace quorin;
using quorin::test::day;

namespace {

namespace fs = std::filesystem;


const tax::TaxYear& year(int y) { return test::shippedYear(y); }

// An employee of 25 employed from the first day of the month claimed.
EtiInput employee(int y, int month, int monthYear, double remuneration) {
  EtiInput in = DefaultEtiInput(year(y));
  in.month = day(1, month, monthYear);
  in.employmentStart = in.month;
  in.age = 25;
  in.remuneration = remuneration;
  return in;
}

EtiResult calculated(const EtiInput& in, int y) {
  EtiResult r;
  const auto refusal = CalculateEti(in, year(y), r);
  EXPECT_FALSE(refusal) << refusal->message;
  return r;
}

}  // namespace

TEST(Eti, EveryBandEdgeOfBothTables) {
  struct Case {
    const char* name;
    int year, month, monthYear;
    int qualifyingMonth;  // 1: first 12 months, 13: second
    double remuneration;
    double eti;
  };
  const Case cases[] = {
      // From 1 April 2025 (the 2027 year): first 12 months.
      {"nothing paid", 2027, 6, 2026, 1, 0, 0},
      {"below the first edge", 2027, 6, 2026, 1, 2499.99, 1499.99},
      {"at the first edge", 2027, 6, 2026, 1, 2500, 1500},
      {"above the first edge", 2027, 6, 2026, 1, 2500.01, 1500},
      {"below the taper edge", 2027, 6, 2026, 1, 5499.99, 1500},
      {"at the taper edge", 2027, 6, 2026, 1, 5500, 1500},
      {"above the taper edge", 2027, 6, 2026, 1, 5500.01, 1499.99},
      {"below the nil edge", 2027, 6, 2026, 1, 7499.99, 0.01},
      {"at the nil edge", 2027, 6, 2026, 1, 7500, 0},
      {"above the nil edge", 2027, 6, 2026, 1, 7500.01, 0},
      // Second 12 months.
      {"2nd below the first edge", 2027, 6, 2026, 13, 2499.99, 750},
      {"2nd at the first edge", 2027, 6, 2026, 13, 2500, 750},
      {"2nd half way down the taper", 2027, 6, 2026, 13, 6500, 375},
      {"2nd above the taper edge", 2027, 6, 2026, 13, 5500.01, 750},
      {"2nd below the nil edge", 2027, 6, 2026, 13, 7499.99, 0},
      {"2nd at the nil edge", 2027, 6, 2026, 13, 7500, 0},
      // March 2025 keeps the table of 1 March 2022.
      {"March 2025 below the first edge", 2026, 3, 2025, 1, 1999.99, 1499.99},
      {"March 2025 at the first edge", 2026, 3, 2025, 1, 2000, 1500},
      {"March 2025 below the taper edge", 2026, 3, 2025, 1, 4499.99, 1500},
      {"March 2025 at the taper edge", 2026, 3, 2025, 1, 4500, 1500},
      {"March 2025 above the taper edge", 2026, 3, 2025, 1, 4500.01, 1499.99},
      {"March 2025 below the nil edge", 2026, 3, 2025, 1, 6499.99, 0.01},
      {"March 2025 at the nil edge", 2026, 3, 2025, 1, 6500, 0},
      {"March 2025 2nd below the first edge", 2026, 3, 2025, 13, 1999.99, 750},
      {"March 2025 2nd at the first edge", 2026, 3, 2025, 13, 2000, 750},
      {"March 2025 2nd below the nil edge", 2026, 3, 2025, 13, 6499.99, 0},
      // March against April 2025.
      {"R2 000 in March 2025", 2026, 3, 2025, 1, 2000, 1500},
      {"R2 000 in April 2025", 2026, 4, 2025, 1, 2000, 1200},
      {"R7 000 in March 2025", 2026, 3, 2025, 1, 7000, 0},
      {"R7 000 in April 2025", 2026, 4, 2025, 1, 7000, 375},
      {"R7 000 in February 2026", 2026, 2, 2026, 1, 7000, 375},
  };
  for (const Case& c : cases) {
    EtiInput in = employee(c.year, c.month, c.monthYear, c.remuneration);
    in.monthsNotQualifying = 0;
    // The start so many months back that the month claimed is the one wanted.
    const CalendarDate m = calendarDate(in.month);
    const int start = m.year * 12 + m.month - 1 - (c.qualifyingMonth - 1);
    in.employmentStart = day(1, start % 12 + 1, start / 12);
    const EtiResult r = calculated(in, c.year);
    EXPECT_EQ(r.QualifyingMonth, c.qualifyingMonth) << c.name;
    EXPECT_EQ(r.ETI, c.eti) << c.name;
    EXPECT_EQ(r.Qualifies, c.remuneration < r.NilEdge) << c.name;
  }
  const EtiResult march = calculated(employee(2026, 3, 2025, 100), 2026);
  const EtiResult april = calculated(employee(2026, 4, 2025, 100), 2026);
  EXPECT_EQ(march.TableFrom, day(1, 3, 2025));
  EXPECT_EQ(april.TableFrom, day(1, 4, 2025));
  EXPECT_EQ(march.ETI, 75);
  EXPECT_EQ(april.ETI, 60);
}

TEST(Eti, QualifyingMonthAndTheTestsThatFail) {
  struct Case {
    const char* name;
    std::function<void(EtiInput&)> set;
    bool qualifies;
    EtiReason reason;
    int qualifyingMonth;
    int period;
    double eti;
  };
  // February 2027 at R3 000 a month, employed from 1 March 2026: month 12.
  const Case cases[] = {
      {"month 12", [](EtiInput&) {}, true, EtiReason::None, 12, 1, 1500},
      {"month 13", [](EtiInput& in) { in.employmentStart = day(15, 2, 2026); }, true, EtiReason::None, 13, 2, 750},
      {"month 24", [](EtiInput& in) { in.employmentStart = day(1, 3, 2025); }, true, EtiReason::None, 24, 2, 750},
      {"month 25", [](EtiInput& in) { in.employmentStart = day(28, 2, 2025); }, false, EtiReason::MonthsUsed, 25, 0, 0},
      {"months not qualifying bring 25 back to 24",
       [](EtiInput& in) {
         in.employmentStart = day(28, 2, 2025);
         in.monthsNotQualifying = 1;
       },
       true, EtiReason::None, 24, 2, 750},
      {"the month of the 18th birthday, the months before not counted",
       [](EtiInput& in) { in.age.reset(), in.birthDate = day(28, 2, 2009); }, true, EtiReason::None, 1, 1, 1500},
      {"the month before the 18th birthday",
       [](EtiInput& in) {
         in.age.reset();
         in.birthDate = day(1, 3, 2009);
       },
       false, EtiReason::Under18, 0, 0, 0},
      {"months before the 18th birthday do not count",
       [](EtiInput& in) {
         in.age.reset();
         in.birthDate = day(10, 11, 2008);  // 18 in November 2026
       },
       true, EtiReason::None, 4, 1, 1500},
      {"the month before the 30th birthday", [](EtiInput& in) { in.age.reset(), in.birthDate = day(1, 3, 1997); },
       true, EtiReason::None, 12, 1, 1500},
      {"the month of the 30th birthday", [](EtiInput& in) { in.age.reset(), in.birthDate = day(28, 2, 1997); },
       false, EtiReason::Aged30OrOver, 12, 1, 0},
      {"age 30", [](EtiInput& in) { in.age = 30; }, false, EtiReason::Aged30OrOver, 12, 1, 0},
      {"age 17", [](EtiInput& in) { in.age = 17; }, false, EtiReason::Under18, 12, 1, 0},
      {"a zone without age",
       [](EtiInput& in) {
         in.age.reset();
         in.specialEconomicZone = true;
       },
       true, EtiReason::None, 12, 1, 1500},
      {"a zone at 45",
       [](EtiInput& in) {
         in.age = 45;
         in.specialEconomicZone = true;
       },
       true, EtiReason::None, 12, 1, 1500},
      {"employed before 1 October 2013", [](EtiInput& in) { in.employmentStart = day(30, 9, 2013); }, false,
       EtiReason::EmployedBefore2013, 162, 0, 0},
      {"paid the minimum wage for a full month", [](EtiInput& in) { in.minimumWage = 18.75; }, true, EtiReason::None,
       12, 1, 1500},
      {"paid below the minimum wage", [](EtiInput& in) { in.minimumWage = 28.79; }, false,
       EtiReason::BelowMinimumWage, 12, 1, 0},
      {"paid the minimum wage for the hours",
       [](EtiInput& in) {
         in.minimumWage = 28.79;
         in.hours = 100;
       },
       true, EtiReason::None, 12, 1, 937.5},
  };
  for (const Case& c : cases) {
    EtiInput in = employee(2027, 2, 2027, 3000);
    in.employmentStart = day(1, 3, 2026);
    c.set(in);
    const EtiResult r = calculated(in, 2027);
    EXPECT_EQ(r.Qualifies, c.qualifies) << c.name;
    EXPECT_EQ(r.Reason, c.reason) << c.name;
    if (c.reason != EtiReason::Under18) {
      EXPECT_EQ(r.QualifyingMonth, c.qualifyingMonth) << c.name;
    }
    if (c.qualifies) {
      EXPECT_EQ(r.Period, c.period) << c.name;
    }
    EXPECT_EQ(r.ETI, c.eti) << c.name;
    EXPECT_EQ(EtiReasonText(r, 0).empty(), c.qualifies) << c.name;
  }
}

TEST(Eti, FewerThan160HoursAreGrossedUpAndScaledDown) {
  struct Case {
    const char* name;
    std::optional<double> hours;
    double remuneration;
    double grossedUp;
    double factor;
    double fullMonth;
    double eti;
  };
  const Case cases[] = {
      {"R4 000 for 80 hours is R8 000 a full month", 80, 4000, 8000, 0.5, 0, 0},
      {"R2 000 for 80 hours", 80, 2000, 4000, 0.5, 1500, 750},
      {"R1 000 for 37.5 hours, rounded once", 37.5, 1000, 1000 * 160 / 37.5, 0.234375, 1500, 351.56},
      {"R1 000 for 159.99 hours", 159.99, 1000, 1000 * 160 / 159.99, 159.99 / 160, 0.6 * 1000 * 160 / 159.99, 600},
      {"R2 000 for 160 hours", 160, 2000, 2000, 1, 1200, 1200},
      {"R2 000 for 200 hours", 200, 2000, 2000, 1, 1200, 1200},
      {"R2 000 for a full month", std::nullopt, 2000, 2000, 1, 1200, 1200},
  };
  for (const Case& c : cases) {
    EtiInput in = employee(2027, 5, 2026, c.remuneration);
    in.hours = c.hours;
    const EtiResult r = calculated(in, 2027);
    EXPECT_DOUBLE_EQ(r.GrossedUpRemuneration, c.grossedUp) << c.name;
    EXPECT_DOUBLE_EQ(r.HoursFactor, c.factor) << c.name;
    EXPECT_DOUBLE_EQ(r.FullMonthETI, c.fullMonth) << c.name;
    EXPECT_EQ(r.ETI, c.eti) << c.name;
  }
}

TEST(Eti, RollOverBringsNothingForwardIntoMarchOrSeptember) {
  struct Case {
    const char* name;
    int month, monthYear;
    double remuneration, paye, broughtForward;
    double usedForward, utilised, carried;
  };
  const Case cases[] = {
      {"PAYE below the ETI", 2, 2027, 3000, 1000, 200, 200, 1000, 700},
      {"PAYE above the ETI and the brought forward", 8, 2026, 3000, 5000, 700, 700, 2200, 0},
      {"March starts a reconciliation period", 3, 2026, 3000, 1000, 700, 0, 1000, 500},
      {"September starts the second", 9, 2026, 3000, 1000, 700, 0, 1000, 500},
      {"October brings forward again", 10, 2026, 3000, 1000, 500, 500, 1000, 1000},
      {"no ETI this month", 10, 2026, 9000, 100, 300, 300, 100, 200},
      {"no PAYE", 10, 2026, 3000, 0, 0, 0, 0, 1500},
  };
  for (const Case& c : cases) {
    EtiInput in = employee(2027, c.month, c.monthYear, c.remuneration);
    in.paye = c.paye;
    in.broughtForward = c.broughtForward;
    const EtiResult r = calculated(in, 2027);
    EXPECT_TRUE(r.RollOver) << c.name;
    EXPECT_EQ(r.BroughtForward, c.usedForward) << c.name;
    EXPECT_EQ(r.Utilised, c.utilised) << c.name;
    EXPECT_EQ(r.CarriedForward, c.carried) << c.name;
  }
  EXPECT_FALSE(calculated(employee(2027, 10, 2026, 3000), 2027).RollOver);
}

TEST(Eti, InputsThatCannotBeWorkedWithAreRefusedAtTheirField) {
  struct Case {
    const char* name;
    std::function<void(EtiInput&)> set;
    const char* field;
    const char* message;  // a part of it
  };
  const Case cases[] = {
      {"a month before the year", [](EtiInput& in) { in.month = day(1, 2, 2026); }, "txtMonth",
       "please enter a month between 03/2026 and 02/2027"},
      {"a month after the year", [](EtiInput& in) { in.month = day(1, 3, 2027); }, "txtMonth", "03/2026 and 02/2027"},
      {"a month before the employment start", [](EtiInput& in) { in.employmentStart = day(1, 6, 2026); },
       "dtEmploymentStart", "The employment start (01/06/2026) is after the month claimed (05/2026)"},
      {"no hours", [](EtiInput& in) { in.hours = 0; }, "numHours", "above 0 and at most 744"},
      {"more hours than a month has", [](EtiInput& in) { in.hours = 744.01; }, "numHours", "at most 744"},
      {"months not qualifying as many as employed", [](EtiInput& in) { in.monthsNotQualifying = 3; },
       "numMonthsNotQualifying", "(3) must be fewer than the months employed (3, from 03/2026 to 05/2026)"},
      {"no age or birth date outside a zone", [](EtiInput& in) { in.age.reset(); }, "silgAge",
       "Enter the age or the birth date"},
      {"an age the birth date denies", [](EtiInput& in) { in.birthDate = day(1, 1, 2000); }, "silgAge",
       "The age (25) does not agree with the birth date (26 at the end of 05/2026)"},
      {"born after the month", [](EtiInput& in) { in.birthDate = day(1, 6, 2026); }, "txtBirthDate",
       "The birth date (01/06/2026) is after the month claimed (05/2026)"},
      {"brought forward without the PAYE", [](EtiInput& in) { in.broughtForward = 10; }, "numPAYE",
       "Enter the PAYE of the month"},
  };
  for (const Case& c : cases) {
    EtiInput in = employee(2027, 5, 2026, 3000);
    in.employmentStart = day(1, 3, 2026);
    c.set(in);
    EtiResult r;
    r.ETI = 123;
    const auto refusal = CalculateEti(in, year(2027), r);
    ASSERT_TRUE(refusal) << c.name;
    EXPECT_EQ(refusal->field, c.field) << c.name;
    EXPECT_NE(refusal->message.find(c.message), std::string::npos) << c.name << ": " << refusal->message;
    EXPECT_EQ(r.ETI, 123) << c.name;
  }
  EtiInput ok = employee(2027, 5, 2026, 3000);
  ok.hours = 744;
  EXPECT_FALSE(CheckEti(ok, year(2027)));
}

TEST(Eti, MonthTextAndBirthDateText) {
  int month = 0;
  EXPECT_FALSE(ReadEtiMonth("03/2026", year(2027), month));
  EXPECT_EQ(month, day(1, 3, 2026));
  EXPECT_FALSE(ReadEtiMonth("2/2027", year(2027), month));
  EXPECT_EQ(month, day(1, 2, 2027));
  for (const char* bad : {"", "13/2026", "00/2026", "03/26", "03-2026", "3/2026x", "02/2026", "03/2027"}) {
    const auto r = ReadEtiMonth(bad, year(2027), month);
    ASSERT_TRUE(r) << bad;
    EXPECT_EQ(r->message, "The month entered is not correct please enter a month between 03/2026 and 02/2027");
    EXPECT_EQ(r->title, "Incorrect Date");
  }
  std::optional<int> born = 1;
  EXPECT_FALSE(ReadEtiBirthDate("  ", born));
  EXPECT_FALSE(born);
  EXPECT_FALSE(ReadEtiBirthDate("29/02/2008", born));
  EXPECT_EQ(born, day(29, 2, 2008));
  EXPECT_TRUE(ReadEtiBirthDate("29/02/2007", born));
}

TEST(Eti, RecordHoldsEveryInputAndResultInBothLanguages) {
  EtiInput in = employee(2027, 10, 2026, 2000);
  in.age.reset();
  in.birthDate = day(5, 4, 2004);
  in.hours = 80;
  in.paye = 400;
  in.broughtForward = 100;
  const EtiResult r = calculated(in, 2027);
  const FeedRecord en = EtiRecord(in, r, year(2027), "T. Mokoena", 0);
  const FeedRecord af = EtiRecord(in, r, year(2027), "T. Mokoena", 1);
  EXPECT_EQ(en.table, "ETI");
  ASSERT_EQ(en.fields.size(), af.fields.size());
  const auto text = [](const FeedRecord& rec, const char* f) { return std::get<std::string>(*rec.find(f)); };
  const auto number = [](const FeedRecord& rec, const char* f) { return std::get<double>(*rec.find(f)); };
  EXPECT_EQ(text(en, "Employee"), " For : T. Mokoena");
  EXPECT_EQ(text(af, "Employee"), "Vir : T. Mokoena");
  EXPECT_EQ(text(en, "EOE"), "(E.& O.E.)");
  EXPECT_EQ(text(af, "EOE"), "(B.& F.W.)");
  EXPECT_EQ(text(en, "MonthText"), "10/2026");
  EXPECT_EQ(text(en, "BirthDateText"), "05/04/2004");
  EXPECT_EQ(text(en, "AgeText"), "22");
  EXPECT_EQ(text(en, "HoursText"), "80.00");
  EXPECT_EQ(text(en, "TableFromText"), "01/03/2026");
  EXPECT_EQ(number(en, "GrossedUpNum"), 4000);
  EXPECT_EQ(number(en, "ETINum"), 750);
  EXPECT_EQ(number(af, "ETINum"), 750);
  EXPECT_EQ(number(en, "UtilisedNum"), 400);
  EXPECT_EQ(number(en, "CarriedFwdNum"), 450);
  EXPECT_EQ(std::get<std::int16_t>(*en.find("TaxYearNum")), 2027);
  EXPECT_EQ(text(en, "RollOver"), "Roll-over against PAYE");
  in.paye.reset();
  in.broughtForward = 0;
  EXPECT_EQ(text(EtiRecord(in, calculated(in, 2027), year(2027), "", 0), "RollOver"), "");
}

// ---------------------------------------------------------------- year files

namespace {

using EtiYearFolder = test::YearFolder;

}  // namespace

TEST(EtiYearFiles, ShippedTablesAreReadByPeriod) {
  ASSERT_EQ(year(2026).eti.size(), 2u);
  ASSERT_EQ(year(2027).eti.size(), 1u);
  const tax::EtiTable& march = year(2026).eti[0];
  EXPECT_EQ(march.from, day(1, 3, 2025));
  EXPECT_EQ(march.to, day(31, 3, 2025));
  EXPECT_EQ(march.edges, (std::array<double, 3>{2000, 4500, 6500}));
  EXPECT_EQ(march.second.percent, 37.5);
  EXPECT_EQ(year(2026).eti[1].from, day(1, 4, 2025));
  EXPECT_EQ(year(2027).eti[0].edges, (std::array<double, 3>{2500, 5500, 7500}));
  EXPECT_NE(year(2027).source.find("Employment Tax Incentive"), std::string::npos);
  EXPECT_NE(year(2026).source.find("Employment Tax Incentive"), std::string::npos);
}

TEST(EtiYearFiles, BadTablesAreRefusedByFileFieldAndValue) {
  struct Damage {
    const char* what;
    std::function<void(nlohmann::json&)> apply;
    const char* expected;  // field and value as the message quotes them
  };
  const Damage damages[] = {
      {"a month uncovered", [](auto& j) { j["eti"][1]["from"] = "01/05/2025"; }, "eti[1].from is 01/05/2025"},
      {"periods that overlap", [](auto& j) { j["eti"][0]["to"] = "30/04/2025"; }, "eti[1].from is 01/04/2025"},
      {"the year's end uncovered", [](auto& j) { j["eti"][1]["to"] = "31/01/2026"; }, "eti[1].to is 31/01/2026"},
      {"past the year's end", [](auto& j) { j["eti"][1]["to"] = "31/03/2026"; }, "eti[1].to is 31/03/2026"},
      {"a period ending mid-month", [](auto& j) { j["eti"][0]["to"] = "15/03/2025"; }, "eti[0].to is 15/03/2025"},
      {"a date that is none", [](auto& j) { j["eti"][0]["from"] = "31/02/2025"; }, "eti[0].from is 31/02/2025"},
      {"edges that do not rise", [](auto& j) { j["eti"][0]["edges"] = {2000, 6500, 4500}; },
       "eti[0].edges is [2000,6500,4500]; it must rise"},
      {"two edges", [](auto& j) { j["eti"][0]["edges"] = {2000, 6500}; }, "eti[0].edges is [2000,6500]"},
      {"a first band that does not join", [](auto& j) { j["eti"][1]["first"]["amount"] = 1600; },
       "eti[1].first.amount is 1600"},
      {"a taper that does not reach nil", [](auto& j) { j["eti"][1]["second"]["taper"] = 0.5; },
       "eti[1].second.taper is 0.5"},
      {"a percent above 100", [](auto& j) { j["eti"][0]["first"]["percent"] = 101; }, "eti[0].first.percent is 101"},
      {"a negative amount", [](auto& j) { j["eti"][0]["wage_floor_160_hours"] = -1; },
       "eti[0].wage_floor_160_hours is -1"},
      {"an amount beyond belief", [](auto& j) { j["eti"][0]["wage_floor_160_hours"] = 2e9; },
       "eti[0].wage_floor_160_hours is 2000000000.0"},
      {"a text for an amount", [](auto& j) { j["eti"][0]["second"]["amount"] = "750"; },
       "eti[0].second.amount is 750; it must be a number"},
      {"a missing band", [](auto& j) { j["eti"][1].erase("second"); }, "eti[1].second is nothing"},
      {"no periods", [](auto& j) { j["eti"] = nlohmann::json::array(); }, "eti is []"},
  };
  for (const Damage& d : damages) {
    EtiYearFolder folder;
    nlohmann::json j = folder.read(2026);
    d.apply(j);
    folder.write(2026, j);
    const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
    EXPECT_EQ(c.offered(), std::vector<int>{2027}) << d.what;
    ASSERT_EQ(c.refused.size(), 1u) << d.what;
    const std::string& message = c.refused.front();
    EXPECT_NE(message.find("2026.json is refused: "), std::string::npos) << message;
    EXPECT_NE(message.find(d.expected), std::string::npos) << d.what << ": " << message;
  }
}

TEST(EtiYearFiles, AValueIsQuotedToAtMost80Characters) {
  EtiYearFolder folder;
  nlohmann::json j = folder.read(2027);
  j["eti"][0]["from"] = std::string(500, '7');
  folder.write(2027, j);
  const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
  ASSERT_EQ(c.refused.size(), 1u);
  EXPECT_NE(c.refused.front().find("eti[0].from is " + std::string(80, '7') + "...;"), std::string::npos)
      << c.refused.front();
  EXPECT_EQ(c.refused.front().find(std::string(81, '7')), std::string::npos);
}

TEST(EtiYearFiles, AYearWithoutTablesRefusesThisCalculatorOnly) {
  EtiYearFolder folder;
  nlohmann::json j = folder.read(2027);
  j.erase("eti");
  folder.write(2027, j);
  const tax::TaxYearCatalogue c = tax::LoadTaxYears(folder.path());
  ASSERT_TRUE(c.refused.empty());
  const tax::TaxYear& y = *c.find(2027);
  EXPECT_TRUE(y.eti.empty());
  EtiResult r;
  const auto refusal = CalculateEti(DefaultEtiInput(y), y, r);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "No ETI table for the 2027 tax year");
  EXPECT_EQ(refusal->field, "cboTaxYear");
}
