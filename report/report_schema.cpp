#include "report/report_schema.h"

#include <type_traits>
#include <variant>

#include "eti/eti_record.h"
#include "package/package_records.h"
#include "payperiod/payperiod_records.h"
#include "vehicle/vehicle_records.h"

namespace quorin {

namespace {

using T = FeedType;

// Builds a column list where every field has one type, for the many
// caption/value tables.
std::vector<FeedColumn> columns(std::initializer_list<FeedColumn> list) { return list; }

std::vector<FeedTableSchema> makeSchema() {
  std::vector<FeedTableSchema> s;

  // RuravUvo
  s.push_back({"kwiktax", false,
               columns({{"AGE", T::Int16},
                        {"TAXINCOME", T::Double},
                        {"TAXTOPAY", T::Double},
                        {"MARGRATE", T::Double},
                        {"PORTION", T::Double},
                        {"TOTTAX", T::Double},
                        {"REBATE", T::Double},
                        {"TAXCOM4", T::Double},
                        {"AVRATE", T::Double},
                        {"AVRATEAFT", T::Double},
                        {"TAXCOM4/2", T::Double}})});

  // Pay-period calculators (monthly, annual, weekly and fortnightly, daily):
  // each table has the fields its record builder writes, in that order and
  // with those types, so the two cannot drift apart.
  {
    const auto tableOf = [](const FeedRecord& record) {
      FeedTableSchema table{record.table, false, {}};
      for (const FeedField& f : record.fields) {
        const FeedType type = std::visit(
            [](const auto& v) {
              using V = std::decay_t<decltype(v)>;
              if constexpr (std::is_same_v<V, std::int16_t>) return T::Int16;
              else if constexpr (std::is_same_v<V, std::int32_t>) return T::Int32;
              else if constexpr (std::is_same_v<V, float>) return T::Single;
              else if constexpr (std::is_same_v<V, double>) return T::Double;
              else if constexpr (std::is_same_v<V, std::string>) return T::Text;
              else return T::Bool;
            },
            f.value);
        table.columns.push_back({f.name, type});
      }
      return table;
    };
    const PeriodTaxResult period;
    s.push_back(tableOf(IRP5Mon(PeriodPayInput{}, period, "", kPrintEnglish)));
    s.push_back(tableOf(IRP5Ann(AnnualPayInput{}, AnnualTaxResult{}, "", kPrintEnglish)));
    s.push_back(tableOf(IRP5Week(PeriodKind::Weekly, PeriodPayInput{}, period, "",
                                 kPrintEnglish)));
    s.push_back(tableOf(IRP5Day(PeriodPayInput{}, period, "", kPrintEnglish)));
    // Salary packages: the gross-to-net record writes every field.
    s.push_back(tableOf(SalPackageRecord(PackageKind::VelmarMonthly, PackageInput{}, PackageResult{}, "")));
    // Employment Tax Incentive: every field is written whatever the inputs.
    s.push_back(tableOf(EtiRecord(EtiInput{}, EtiResult{}, tax::TaxYear{}, "", kPrintEnglish)));
  }

  // Business calculators (loans and schedule, loan buster, loan comparison,
  // inflation, daily balance)
  s.push_back({"Loans", false,
               columns({{"Heading", T::Text},
                        {"Num1", T::Double},
                        {"Num2", T::Double},
                        {"Num3", T::Double},
                        {"Num4", T::Double},
                        {"FinText1", T::Text},
                        {"FinText1A", T::Text},
                        {"FinNum1", T::Double},
                        {"FinText2", T::Text},
                        {"FinNum2", T::Double},
                        {"YearMon", T::Text}})});
  s.push_back({"Amort", true,
               columns({{"Year", T::Int16}, {"Capital", T::Double}, {"Interest", T::Double}, {"Required", T::Double}})});
  s.push_back({"BondBust", false,
               columns({{"PAmt", T::Double},
                        {"Period", T::Int16},
                        {"IntRate", T::Single},
                        {"MonRep", T::Double},
                        {"TotIntPaid", T::Double},
                        {"TotRep", T::Double},
                        {"XtraPay", T::Double},
                        {"Xper", T::Int16},
                        {"XMonRep", T::Double},
                        {"XTotIntPaid", T::Double},
                        {"XTotRep", T::Double},
                        {"XTotSavings", T::Double}})});
  {
    FeedTableSchema comp{"BondComp", false, columns({{"PAmt", T::Double}, {"IntRate", T::Single}})};
    for (int k = 1; k <= 6; ++k)
      for (const char* field : {"MonRep", "IntPaid", "Total"})
        comp.columns.push_back({field + std::to_string(k), T::Double});
    s.push_back(std::move(comp));
  }
  s.push_back({"Inflation", false,
               columns({{"PresCost", T::Double},
                        {"Period", T::Double},
                        {"InflaRate", T::Double},
                        {"Ans1", T::Double},
                        {"Ans2", T::Double}})});
  s.push_back({"DailyBal", false,
               columns({{"CapAmount", T::Single},
                        {"StartDate", T::Int32},
                        {"EndDate", T::Int32},
                        {"IntRate", T::Single},
                        {"ANS1", T::Single},
                        {"ANS2", T::Int32}})});

  // Vehicle calculators (car allowance, company car register)
  for (FeedTableSchema& table : vehicleFeedTables()) s.push_back(std::move(table));

  return s;
}

}  // namespace

const std::vector<FeedTableSchema>& reportSchema() {
  static const std::vector<FeedTableSchema> schema = makeSchema();
  return schema;
}

const FeedTableSchema* findFeedTable(const std::string& name) {
  for (const auto& t : reportSchema())
    if (t.name == name) return &t;
  return nullptr;
}

}  // namespace quorin
