#include "report/report_schema.h"

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

  // Pay-period calculators (monthly, annual, weekly and fortnightly, daily)

  // Business calculators (loans and schedule, loan buster, loan comparison,
  // inflation, daily balance)

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
