// The pay-period feed records: fields in order, captions in English and
// Afrikaans, values with their types, UIF and SDL as shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payperiod/payperiod_records.h"
#include "common/day_number.h"

using namespace quorin;

namespace {

std::vector<std::string> fieldNames(const FeedRecord& r) {
  std::vector<std::string> names;
  for (const auto& f : r.fields) names.push_back(f.name);
  return names;
}

template <typename T>
T get(const FeedRecord& r, const std::string& name) {
  const FeedValue* v = r.find(name);
  EXPECT_TRUE(v) << name;
  if (!v) return T{};
  EXPECT_TRUE(std::holds_alternative<T>(*v)) << name << " has another type";
  return std::holds_alternative<T>(*v) ? std::get<T>(*v) : T{};
}

std::string text(const FeedRecord& r, const std::string& name) { return get<std::string>(r, name); }

PeriodPayInput seventyYearOld() {
  PeriodPayInput in;
  in.age = 70;
  in.salary = 30000;
  in.commission = 1200;
  in.bonus = 500;
  in.travelAllowance = 5000;
  in.employerRFund = 3000;
  in.employeeRFund = 2250;
  in.employerMedAid = 2000;
  in.employeeMedAid = 1500;
  in.beneficiaries = 3;
  in.startDate = *dayNumber(2025, 3, 1);
  in.endDate = *dayNumber(2025, 3, 15);
  return in;
}

PeriodTaxResult calc(PeriodKind kind, const PeriodPayInput& in) {
  SettingsRecord s;
  s.EmployeeUIF = 1.1;  // figures with more than two decimals
  s.EmployerUIF = 0.9;
  s.SkillLevy = 1.05;
  return CalcPeriodTax(kind, in, s, tax::TaxYear2026());
}

const std::vector<std::string> kMonthlyOrder{
    "TypeAM", "Employee", "Age", "AgeNum", "Sal", "SalNum", "DirFees", "DirFeesNum", "TravAll", "TravOne", "TravTwo",
    "Bonus", "BonusNum", "MedExp", "MedExpNum", "PenCont", "PenContNum", "RACont", "RAContNum", "SDate", "SDateNum",
    "EDate", "EDateNum", "UIFEMPE", "UIFEMPENum", "UIFEMPR", "UIFEMPRNum", "SDL", "SDLNum", "EOE", "Taxliability",
    "Taxliabilitynum", "TaxCredit", "Taxcreditnum", "TaxCreditCons", "TaxcreditnumCons", "EmpERMedAidCont",
    "EmpERMedAidContnum", "EmpEEMedAidCont", "EmpEEMedAidContnum", "AnnCalcBens3", "AnnCalcBens3num", "MedAidBens",
    "TOTAL", "TotalNum"};

TEST(MonthlyRecord, EnglishFieldsInOrder) {
  PeriodPayInput in = seventyYearOld();
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  FeedRecord rec = IRP5Mon(in, r, "J. Smith", kPrintEnglish);
  EXPECT_EQ(rec.table, "IRP5Mon");
  EXPECT_EQ(fieldNames(rec), kMonthlyOrder);

  EXPECT_EQ(text(rec, "TypeAM"), "Monthly Check");
  EXPECT_EQ(text(rec, "Employee"), " For : J. Smith");
  EXPECT_EQ(text(rec, "Age"), "Age : ");
  EXPECT_EQ(get<std::int16_t>(rec, "AgeNum"), 70);
  EXPECT_EQ(text(rec, "Sal"), "Remuneration/salary");
  EXPECT_EQ(get<double>(rec, "SalNum"), 30000);
  EXPECT_EQ(get<double>(rec, "DirFeesNum"), 1200);
  EXPECT_EQ(text(rec, "TravAll"), "Travel allowance ");
  EXPECT_EQ(get<double>(rec, "TravOne"), 5000);
  EXPECT_EQ(get<double>(rec, "TravTwo"), r.TaxableTravelAllowance);
  EXPECT_EQ(get<double>(rec, "BonusNum"), 500);
  EXPECT_EQ(get<double>(rec, "MedExpNum"), 0);
  EXPECT_EQ(text(rec, "PenCont"), "Employer's R/Fund contributions ");
  EXPECT_EQ(get<double>(rec, "PenContNum"), 3000);
  EXPECT_EQ(get<double>(rec, "RAContNum"), 2250);
  EXPECT_EQ(text(rec, "SDateNum"), "01/03/2025");
  EXPECT_EQ(text(rec, "EDateNum"), "15/03/2025");
  EXPECT_EQ(text(rec, "EOE"), "(E.& O.E.)");
  EXPECT_EQ(get<double>(rec, "Taxliabilitynum"), r.PeriodTax);  // unrounded
  EXPECT_EQ(get<double>(rec, "Taxcreditnum"), 974);
  EXPECT_EQ(get<double>(rec, "TaxcreditnumCons"), r.AdditionalCredit);
  EXPECT_EQ(get<double>(rec, "EmpERMedAidContnum"), 2000);
  EXPECT_EQ(get<double>(rec, "EmpEEMedAidContnum"), 1500);
  EXPECT_EQ(get<std::int16_t>(rec, "AnnCalcBens3num"), 3);
  EXPECT_EQ(text(rec, "MedAidBens"), "Med Aid contribution deduction");
  EXPECT_EQ(text(rec, "TOTAL"), "Total tax deduction");
  EXPECT_EQ(get<double>(rec, "TotalNum"), r.TaxLiability);
}

TEST(MonthlyRecord, LeviesAsShownWithTwoDecimals) {
  PeriodPayInput in = seventyYearOld();
  in.salary = 10000;
  in.travelAllowance = in.employerRFund = in.employerMedAid = in.bonus = 0;
  in.commission = 1234.56;
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  // 10 000 x 1.1 % = 110.00000000000001; SDL (10 000 - 2 250 + 1 234.56) x 1.05 %
  FeedRecord rec = IRP5Mon(in, r, "", kPrintEnglish);
  EXPECT_NE(r.SDL, 94.34);
  EXPECT_EQ(get<double>(rec, "SDLNum"), 94.34);
  EXPECT_EQ(get<double>(rec, "UIFEMPENum"), 110);
  EXPECT_EQ(get<double>(rec, "UIFEMPRNum"), 90);
}

TEST(MonthlyRecord, AfrikaansCaptionsSameValues) {
  PeriodPayInput in = seventyYearOld();
  PeriodTaxResult r = calc(PeriodKind::Monthly, in);
  FeedRecord en = IRP5Mon(in, r, "Piet", kPrintEnglish);
  FeedRecord af = IRP5Mon(in, r, "Piet", kPrintAfrikaans);
  EXPECT_EQ(fieldNames(af), kMonthlyOrder);
  const std::vector<std::pair<std::string, std::string>> captions{
      {"TypeAM", "Maandelikse Inkomste"},
      {"Employee", "Vir : Piet"},
      {"Age", "Ouderdom : "},
      {"Sal", "Besoldiging"},
      {"DirFees", "Kommissie"},
      {"TravAll", "Reistoelae "},
      {"Bonus", "Bonus"},
      {"MedExp", "Mediese onkoste"},
      {"PenCont", "Toelaatbare pension bydrae"},
      {"RACont", "Toelaatbare U/T bydrae"},
      {"SDate", "Begin datum"},
      {"EDate", "Eind datum"},
      {"UIFEMPE", "U.I.F. bydrae werknemer"},
      {"UIFEMPR", "U.I.F. bydrae werkgewer"},
      {"SDL", "S.D.L."},
      {"EOE", "(B.& F.W.)"},
      {"Taxliability", "Belasting verpligting"},
      {"TaxCredit", "Belastingkrediete vir begunstigdes"},
      {"TaxCreditCons", "Belastingkrediete vir bydraes"},
      {"EmpERMedAidCont", "Werkgewer se bydrae aan mediesefonds"},
      {"EmpEEMedAidCont", "Werknemer se bydrae aan mediesefonds"},
      {"AnnCalcBens3", "Getal mediesefondslede en afhanklikes"},
      {"MedAidBens", "Mediesfondsbydrae afrekking"},
      {"TOTAL", "Totaal belasting"}};
  for (const auto& [field, caption] : captions) EXPECT_EQ(text(af, field), caption) << field;
  for (std::size_t i = 0; i < en.fields.size(); ++i) {
    const std::string& name = en.fields[i].name;
    bool isCaption = false;
    for (const auto& c : captions) isCaption |= c.first == name;
    if (!isCaption) {
      EXPECT_EQ(en.fields[i].value, af.fields[i].value) << name;
    }
  }
}

const std::vector<std::string> kWeeklyOrder{
    "TypeAM", "Employee", "Age", "AgeNum", "Sal", "SalNum", "DirFees", "DirFeesNum", "TravAll", "RecBefNum", "Bonus",
    "BonusNum", "MedExp", "MedExpNum", "PenCont", "PenContNum", "RACont", "RAContNum", "SDate", "SDateNum", "EDate",
    "EDateNum", "UIFEMPE", "UIFEMPENum", "UIFEMPR", "UIFEMPRNum", "SDL", "SDLNum", "EOE", "Taxliability",
    "Taxliabilitynum", "EmpERMedAidCont", "EmpERMedAidContnum", "EmpEEMedAidCont", "EmpEEMedAidContnum",
    "AnnCalcBens3", "AnnCalcBens3num", "MedAidBens", "TaxCredit", "Taxcreditnum", "TaxCreditCons",
    "TaxcreditnumCons", "TOTAL", "TotalNum"};

TEST(WeekRecord, WeeklyAndFortnightlyShareTheTable) {
  PeriodPayInput in = seventyYearOld();
  in.normalDays = 5;
  in.daysWorked = 3;
  PeriodTaxResult r = calc(PeriodKind::Weekly, in);
  FeedRecord week = IRP5Week(PeriodKind::Weekly, in, r, "", kPrintEnglish);
  EXPECT_EQ(week.table, "IRP5Week");
  EXPECT_EQ(fieldNames(week), kWeeklyOrder);
  EXPECT_EQ(text(week, "TypeAM"), "Weekly Check");
  EXPECT_EQ(text(week, "Employee"), " For : ");
  EXPECT_EQ(text(week, "TravAll"), "Travel allowance ");
  EXPECT_EQ(get<double>(week, "RecBefNum"), 5000);
  EXPECT_EQ(text(week, "SDate"), "Normal work week");
  EXPECT_EQ(get<std::int16_t>(week, "SDateNum"), 5);
  EXPECT_EQ(text(week, "EDate"), "This work week");
  EXPECT_EQ(get<std::int16_t>(week, "EDateNum"), 3);
  EXPECT_EQ(get<double>(week, "UIFEMPENum"), 44.96);  // 4 087.38... x 1.1 %
  EXPECT_EQ(get<double>(week, "Taxcreditnum"), 243.5);
  EXPECT_EQ(get<double>(week, "TotalNum"), r.TaxLiability);

  FeedRecord weekAf = IRP5Week(PeriodKind::Weekly, in, r, "", kPrintAfrikaans);
  EXPECT_EQ(text(weekAf, "TypeAM"), "Weeklikse Inkomste");
  EXPECT_EQ(text(weekAf, "TravAll"), "Reistoelae ontvang");
  EXPECT_EQ(text(weekAf, "SDate"), "Normale werk week");
  EXPECT_EQ(text(weekAf, "EDate"), "Hierdie werk week");
  EXPECT_EQ(text(weekAf, "TOTAL"), "Totaal belasting");

  FeedRecord fortnight = IRP5Week(PeriodKind::Fortnightly, in, r, "", kPrintEnglish);
  EXPECT_EQ(fortnight.table, "IRP5Week");
  EXPECT_EQ(fieldNames(fortnight), kWeeklyOrder);
  EXPECT_EQ(text(fortnight, "TypeAM"), "Fortnightly Check");
  EXPECT_EQ(text(fortnight, "SDate"), "Normal fortnight");
  EXPECT_EQ(text(fortnight, "EDate"), "This fortnight");
  FeedRecord fortnightAf = IRP5Week(PeriodKind::Fortnightly, in, r, "", kPrintAfrikaans);
  EXPECT_EQ(text(fortnightAf, "TypeAM"), "Twee Weeklikse Inkomste");
  EXPECT_EQ(text(fortnightAf, "SDate"), "Normale twee weke");
  EXPECT_EQ(text(fortnightAf, "EDate"), "Hierdie twee weke");
}

TEST(DayRecord, NoPeriodFields) {
  PeriodPayInput in = seventyYearOld();
  PeriodTaxResult r = calc(PeriodKind::Daily, in);
  FeedRecord day = IRP5Day(in, r, "A", kPrintEnglish);
  std::vector<std::string> order = kWeeklyOrder;
  order.erase(order.begin() + 18, order.begin() + 22);
  EXPECT_EQ(day.table, "IRP5Day");
  EXPECT_EQ(fieldNames(day), order);
  EXPECT_EQ(text(day, "TypeAM"), "Daily Check");
  EXPECT_EQ(get<double>(day, "UIFEMPENum"), 8.99);  // 817.48... x 1.1 % = 8.992
  FeedRecord af = IRP5Day(in, r, "A", kPrintAfrikaans);
  EXPECT_EQ(text(af, "TypeAM"), "Daaglikse Inkomste");
  EXPECT_EQ(text(af, "TravAll"), "Reistoelae ");
  EXPECT_EQ(text(af, "Employee"), "Vir : A");
  EXPECT_EQ(fieldNames(PeriodTaxRecord(PeriodKind::Daily, in, r, "A", kPrintEnglish)), order);
  EXPECT_EQ(PeriodTaxRecord(PeriodKind::Monthly, in, r, "A", kPrintEnglish).table, "IRP5Mon");
}

TEST(AnnualRecord, FieldsMonthsAndAfrikaans) {
  AnnualPayInput in;
  in.age = 66;
  in.salary = 360000;
  in.travelAllowance = 12000;
  in.employeeMedAid = 24000;
  in.monthBeneficiaries = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  in.medAidDeduction = 1234;
  in.endDate = *dayNumber(2025, 11, 30);
  AnnualTaxResult r = CalcAnnualTax(in, SettingsRecord{}, tax::TaxYear2026());
  FeedRecord rec = IRP5Ann(in, r, "Sipho", kPrintEnglish);
  EXPECT_EQ(rec.table, "IRP5Ann");
  std::vector<std::string> order{"TypeAM", "Employee", "Age", "AgeNum", "Sal", "SalNum", "DirFees", "DirFeesNum",
                                 "Bonus", "BonusNum", "TravAll", "RecBefNum", "MedExp", "MedExpNum", "PenCont",
                                 "PenContNum", "RACont", "RAContNum", "SDate", "SDateNum", "EDate", "EDateNum",
                                 "SITE", "SITENum", "PAYE", "PAYENum", "Taxliability", "Taxliabilitynum",
                                 "TaxCredit", "Taxcreditnum", "TaxCreditCons", "TaxcreditnumCons", "NumOFBens",
                                 "EmpERMedAidCont", "EmpERMedAidContnum", "EmpEEMedAidCont", "EmpEEMedAidContnum"};
  for (int m : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}) order.push_back("AnnCalcBens" + std::to_string(m));
  for (int m : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}) order.push_back("AnnCalcBens" + std::to_string(m) + "num");
  for (const char* f : {"MedAidBens", "MedAidBensnum", "TOTAL", "TotalNum", "EOE"}) order.push_back(f);
  EXPECT_EQ(fieldNames(rec), order);

  EXPECT_EQ(text(rec, "TypeAM"), "Annual Check");
  EXPECT_EQ(text(rec, "TravAll"), "Travel allowance received");
  EXPECT_EQ(get<double>(rec, "RecBefNum"), 12000);
  EXPECT_EQ(text(rec, "EDateNum"), "30/11/2025");
  EXPECT_EQ(get<double>(rec, "SITENum"), 0);
  EXPECT_EQ(get<double>(rec, "PAYENum"), r.PAYEAfterCredits);
  EXPECT_EQ(get<double>(rec, "Taxliabilitynum"), r.Tax);
  EXPECT_EQ(get<double>(rec, "TotalNum"), r.TaxLiability);
  EXPECT_EQ(get<double>(rec, "Taxcreditnum"), 364 + 728 + 974 + 1220 + 1466 + 1712 + 1958 + 2204 + 2450);
  EXPECT_EQ(text(rec, "AnnCalcBens4"), "Apr ");
  EXPECT_EQ(text(rec, "AnnCalcBens5"), "May");
  EXPECT_EQ(get<std::int16_t>(rec, "AnnCalcBens3num"), 1);
  EXPECT_EQ(get<std::int16_t>(rec, "AnnCalcBens11num"), 9);
  EXPECT_EQ(get<std::int16_t>(rec, "AnnCalcBens12num"), 0);  // outside the period after Calculate
  EXPECT_EQ(get<std::int16_t>(rec, "AnnCalcBens2num"), 0);
  EXPECT_EQ(get<double>(rec, "MedAidBensnum"), 1234);
  EXPECT_EQ(text(rec, "TOTAL"), "Total tax deduction");

  FeedRecord af = IRP5Ann(in, r, "Sipho", kPrintAfrikaans);
  EXPECT_EQ(fieldNames(af), order);
  EXPECT_EQ(text(af, "TypeAM"), "Jaarlikse Inkomste");
  EXPECT_EQ(text(af, "TravAll"), "Reistoelae ontvang");
  EXPECT_EQ(text(af, "SITE"), "SIBW");
  EXPECT_EQ(text(af, "PAYE"), "LBS");
  EXPECT_EQ(text(af, "NumOFBens"), "Getal mediesefondslede en afhanklikes");
  EXPECT_EQ(text(af, "AnnCalcBens5"), "Mei");
  EXPECT_EQ(text(af, "AnnCalcBens10"), "Okt");
  EXPECT_EQ(text(af, "AnnCalcBens4"), "Apr ");
  EXPECT_EQ(text(af, "TOTAL"), "Totaal");
  EXPECT_EQ(text(af, "EOE"), "(B.& F.W.)");
  EXPECT_EQ(get<double>(af, "TotalNum"), r.TaxLiability);
}

TEST(ReportFiles, NamesAndPreviewTitles) {
  EXPECT_STREQ(PeriodReport(PeriodKind::Monthly).file, "Monthly.rpt");
  EXPECT_STREQ(PeriodReport(PeriodKind::Monthly).title,
               "Monthly - To export printout click on the suitcase button or goto Help");
  EXPECT_STREQ(PeriodReport(PeriodKind::Weekly).file, "Weekly.rpt");
  EXPECT_STREQ(PeriodReport(PeriodKind::Fortnightly).file, "FortNightly.rpt");
  EXPECT_STREQ(PeriodReport(PeriodKind::Fortnightly).title,
               "FortNightly - To export printout click on the suitcase button or goto Help");
  EXPECT_STREQ(PeriodReport(PeriodKind::Daily).title,
               "Daily - To export printout click on the suitcase button or goto Help");
  EXPECT_STREQ(kAnnualReport.file, "Annual.rpt");
  EXPECT_STREQ(kAnnualReport.title, "Annual - To export printout click on the suitcase button or goto Help");
}

}  // namespace
