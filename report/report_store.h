// Writing feed records into the report database. Every call opens the
// database, works inside one transaction and closes it again; a failure
// rolls back, so a table is never left half-written.
#pragma once

#include <QSqlRecord>
#include <QVariant>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "report/feed_record.h"

namespace quorin {

// A feed value as the report database holds it (singles widened to double).
QVariant feedVariant(const FeedValue& value);

// Overwrites the fields of the record in the first row of its table.
// Returns the error text, or nullopt on success.
std::optional<std::string> writeFeedRecord(const std::string& databasePath, const FeedRecord& record);

// Empties the table and adds the rows, all or nothing.
std::optional<std::string> replaceFeedRows(const std::string& databasePath, const FeedRows& rows);

// The rows of the tables a report lays out, by table name.
struct FeedTables {
  std::map<std::string, std::vector<QSqlRecord>> rows;
};

// One print: writes its record and its rows (either may be null) and reads
// back the tables its report lays out, all in one transaction that holds
// the database from the first write to the last read, so that no other
// print can write in between. A database held by another program past the
// busy wait is reported as in use. Returns the error text.
std::optional<std::string> printFeed(const std::string& databasePath, const FeedRecord* record, const FeedRows* rows,
                                     const std::vector<std::string>& tables, FeedTables& out);

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
