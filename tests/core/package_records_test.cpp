// The SalPackage printout record: fields in the table's order, the rows of
// other expenses, the once-off texts, what each window leaves unwritten,
// titles and report files.
#include <gtest/gtest.h>

#include <algorithm>

#include "package/package_records.h"
#include "report/report_schema.h"

using namespace quorin;

namespace {

template <class T>
T get(const FeedRecord& r, const char* name) {
  const FeedValue* v = r.find(name);
  EXPECT_TRUE(v) << name;
  return v ? std::get<T>(*v) : T{};
}

PackageResult calculated(PackageKind kind, PackageInput& in) {
  PackageResult r;
  EXPECT_FALSE(CalculatePackage(kind, in, SettingsRecord{}, r, tax::TaxYear2026()));
  return r;
}

TEST(SalPackageRecord, OtherExpenseRowsFilledOnlyForAmountsAboveZero) {
  PackageInput in;
  in.amount = 30000;
  in.age = 40;
  in.expenses = {OtherExpense{"Gym", 500, 450}, OtherExpense{"Unused", 0, 0}, OtherExpense{"Phone", 200, 200},
                 OtherExpense{"Negative", -50, 0}};
  PackageResult r = calculated(PackageKind::VelmarMonthly, in);
  FeedRecord rec = SalPackageRecord(PackageKind::VelmarMonthly, in, r, "J Smith");
  EXPECT_EQ(get<std::string>(rec, "OEXPTXT"), "Other Expenses :");
  EXPECT_EQ(get<std::string>(rec, "ODedTxt0"), "Gym");
  EXPECT_EQ(get<std::string>(rec, "ODedR0"), "R");
  EXPECT_EQ(get<double>(rec, "ODedNum0"), 500);
  EXPECT_EQ(get<double>(rec, "ODedNumCC0"), 450);
  EXPECT_EQ(get<std::string>(rec, "ODedTxt2"), "Phone");
  EXPECT_EQ(get<double>(rec, "ODedNum2"), 200);
  for (const char* n : {"1", "3"}) {
    EXPECT_EQ(get<std::string>(rec, ("ODedTxt" + std::string(n)).c_str()), "");
    EXPECT_EQ(get<std::string>(rec, ("ODedR" + std::string(n)).c_str()), "");
    EXPECT_EQ(get<double>(rec, ("ODedNum" + std::string(n)).c_str()), 0);
    EXPECT_EQ(get<double>(rec, ("ODedNumCC" + std::string(n)).c_str()), 0);
  }
  // The group of four per row, row 0 first.
  auto pos = [&](const std::string& name) {
    return std::find_if(rec.fields.begin(), rec.fields.end(), [&](const FeedField& f) { return f.name == name; }) -
           rec.fields.begin();
  };
  EXPECT_EQ(pos("ODedR0"), pos("ODedTxt0") + 1);
  EXPECT_EQ(pos("ODedNumCC0"), pos("ODedTxt0") + 3);
  EXPECT_EQ(pos("ODedTxt1"), pos("ODedNumCC0") + 1);

  // A total of 0 empties every row.
  in.expenses[3].amount = -700;
  rec = SalPackageRecord(PackageKind::VelmarMonthly, in, calculated(PackageKind::VelmarMonthly, in), "");
  EXPECT_EQ(get<std::string>(rec, "OEXPTXT"), "");
  EXPECT_EQ(get<std::string>(rec, "ODedTxt0"), "");
  EXPECT_EQ(get<double>(rec, "ODedNum0"), 0);
}

TEST(SalPackageRecord, OnceOffCarTexts) {
  PackageInput in;
  in.amount = 30000;
  in.carValue = 300000;
  PackageResult r = calculated(PackageKind::VelmarMonthly, in);
  FeedRecord rec = SalPackageRecord(PackageKind::VelmarMonthly, in, r, "");
  EXPECT_EQ(get<std::string>(rec, "PlusCompCar1"), "(plus a 'once-off' cost of R 300000");
  EXPECT_EQ(get<std::string>(rec, "PlusCompCar2"),
            "for the company car and this does not include fuel, maintenance etc).");
  in.employerCarCost = 4000;
  r = calculated(PackageKind::VelmarMonthly, in);
  rec = SalPackageRecord(PackageKind::VelmarMonthly, in, r, "");
  EXPECT_EQ(get<std::string>(rec, "PlusCompCar1"), "");
  EXPECT_EQ(get<std::string>(rec, "PlusCompCar2"), "");
}

TEST(SalPackageRecord, TitlesTextsAndFiguresOfEachWindow) {
  PackageInput in;
  in.amount = 25000;
  in.age = 44;
  in.medical = 1200;
  in.beneficiaries = 3;
  in.additionalBeneficiaries = 1;
  in.raDeduction = 80;
  PackageResult r = calculated(PackageKind::QuorinMonthly, in);
  FeedRecord rec = SalPackageRecord(PackageKind::QuorinMonthly, in, r, "A Person");
  EXPECT_EQ(rec.table, "SalPackage");
  EXPECT_EQ(get<std::string>(rec, "MonAnn"), "Quorin Salary Package Calculation : Monthly");
  EXPECT_EQ(get<std::string>(rec, "TPName"), "A Person");
  EXPECT_EQ(get<std::int32_t>(rec, "TPAge"), 44);
  EXPECT_EQ(get<std::string>(rec, "MonAnnSal"), "Net monthly salary required");
  EXPECT_EQ(get<double>(rec, "NetMonSal"), 25000);
  EXPECT_EQ(get<std::int32_t>(rec, "PMems"), 3);
  EXPECT_EQ(get<std::int32_t>(rec, "AddBens"), 1);
  EXPECT_EQ(get<std::string>(rec, "RADirective"), "Med. aid fund beneficiaries");
  EXPECT_EQ(get<std::string>(rec, "PrinMembers"), "(R 720pm each)");
  EXPECT_EQ(get<std::string>(rec, "BenMembers"), "(R 440pm each)");
  EXPECT_EQ(get<double>(rec, "GSal"), r.GrossSal);
  EXPECT_EQ(get<double>(rec, "TotCostComp"), r.TotCostComp);
  EXPECT_EQ(get<double>(rec, "TaxFreeMedPrint"), 0);
  for (const char* unwritten : {"CostToComp", "ProvDeduct", "ProvDeductCC", "RADeduct"})
    EXPECT_FALSE(rec.find(unwritten)) << unwritten;

  r = calculated(PackageKind::QuorinAnnual, in);
  rec = SalPackageRecord(PackageKind::QuorinAnnual, in, r, "");
  EXPECT_EQ(get<std::string>(rec, "MonAnn"), "Quorin Salary Package Calculation : Annual");
  EXPECT_EQ(get<std::string>(rec, "MonAnnSal"), "Net annual salary required");
  EXPECT_EQ(get<std::string>(rec, "RADirective"), "Medical beneficiaries months");
  EXPECT_EQ(get<double>(rec, "RADeduct"), 80);
  EXPECT_FALSE(rec.find("CostToComp"));

  r = calculated(PackageKind::VelmarAnnual, in);
  rec = SalPackageRecord(PackageKind::VelmarAnnual, in, r, "");
  EXPECT_EQ(get<std::string>(rec, "MonAnn"), "Velmar Salary Package Calculation : Annual");
  EXPECT_EQ(get<std::string>(rec, "MonAnnSal"), "Net annual salary required");
  EXPECT_EQ(get<double>(rec, "CostToComp"), 25000);

  EXPECT_STREQ(PackageReport(PackageKind::VelmarMonthly).file, "Velmrd.rpt");
  EXPECT_STREQ(PackageReport(PackageKind::QuorinAnnual).file, "Quorin.rpt");
  EXPECT_STREQ(PackageReport(PackageKind::QuorinMonthly).title,
               "Quorin2020 Monthly - To export printout click on the suitcase button or goto Help");
  EXPECT_STREQ(PackageReport(PackageKind::VelmarAnnual).title,
               "Velmar2020 Annual - To export printout click on the suitcase button or goto Help");
}

// Each window's record fits the table: its fields are the table's, in the
// table's order, with the table's types.
TEST(SalPackageRecord, EveryWindowsRecordFitsTheTable) {
  const FeedTableSchema* table = findFeedTable("SalPackage");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->columns.size(), 53u);
  for (PackageKind kind : {PackageKind::VelmarMonthly, PackageKind::VelmarAnnual, PackageKind::QuorinMonthly,
                           PackageKind::QuorinAnnual}) {
    PackageInput in;
    FeedRecord rec = SalPackageRecord(kind, in, PackageResult{}, "");
    std::size_t column = 0;
    for (const FeedField& f : rec.fields) {
      while (column < table->columns.size() && table->columns[column].name != f.name) ++column;
      ASSERT_LT(column, table->columns.size()) << f.name << " out of order";
    }
  }
}

}  // namespace
