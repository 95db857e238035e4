// Writing feed records into the report database. Every call opens the
// database, works inside one transaction and closes it again; a failure
// rolls back, so a table is never left half-written.
#pragma once

#include <optional>
#include <string>

#include "report/feed_record.h"

namespace quorin {

// Overwrites the fields of the record in the first row of its table.
// Returns the error text, or nullopt on success.
std::optional<std::string> writeFeedRecord(const std::string& databasePath, const FeedRecord& record);

// Empties the table and adds the rows, all or nothing.
std::optional<std::string> replaceFeedRows(const std::string& databasePath, const FeedRows& rows);

// Creates a fresh report database at the path from the schema, each
// single-row table holding its one row of zeros and empty texts.
std::optional<std::string> createReportDatabase(const std::string& databasePath);

// Brings a report database kept from an earlier version up to this one's
// feed tables: a missing table is made (with its empty row), a missing field
// is added to every row with its empty value; the rows, their values and any
// table or field this version does not know stay as they are. Nothing is
// written when nothing is missing.
std::optional<std::string> migrateReportDatabase(const std::string& databasePath);

}  // namespace quorin
