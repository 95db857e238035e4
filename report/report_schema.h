// The report database's feed tables: one place that names every table, its
// kind and its typed fields. The build makes Rudodeza.db from it, with the
// one row of each single-row table in place.
#pragma once

#include <string>
#include <vector>

namespace quorin {

enum class FeedType { Int16, Int32, Single, Double, Text, Bool };

struct FeedColumn {
  std::string name;
  FeedType type;
};

struct FeedTableSchema {
  std::string name;
  bool multiRow = false;
  std::vector<FeedColumn> columns;
};

const std::vector<FeedTableSchema>& reportSchema();
const FeedTableSchema* findFeedTable(const std::string& name);

}  // namespace quorin
