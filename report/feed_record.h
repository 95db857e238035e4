// A printout's feed record: named, typed fields in the order they are
// written, as a plain value built by each calculator from its figures.
// The windows, the command line and the tests all build the same record.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quorin {

// Field types of the report database: 16-bit integers (ages, counts,
// flags), 32-bit integers (day numbers), singles, doubles, texts, booleans.
using FeedValue = std::variant<std::int16_t, std::int32_t, float, double, std::string, bool>;

struct FeedField {
  std::string name;
  FeedValue value;
};

// One row of a feed table.
struct FeedRecord {
  std::string table;
  std::vector<FeedField> fields;

  FeedRecord& set(std::string name, FeedValue value) {
    fields.push_back({std::move(name), std::move(value)});
    return *this;
  }
  const FeedValue* find(const std::string& name) const {
    for (const auto& f : fields)
      if (f.name == name) return &f.value;
    return nullptr;
  }
};

// The rows of a multi-row feed table, written after emptying the table.
struct FeedRows {
  std::string table;
  std::vector<FeedRecord> rows;
};

}  // namespace quorin
