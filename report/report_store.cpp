#include "report/report_store.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <functional>

#include "report/report_schema.h"
#include "report/sql_connection.h"

namespace quorin {

QVariant feedVariant(const FeedValue& v) {
  return std::visit(
      [](const auto& x) -> QVariant {
        using X = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<X, std::string>)
          return QString::fromStdString(x);
        else if constexpr (std::is_same_v<X, float>)
          return static_cast<double>(x);  // singles widen exactly
        else if constexpr (std::is_same_v<X, std::int16_t>)
          return static_cast<int>(x);
        else
          return QVariant::fromValue(x);
      },
      v);
}

namespace {

std::string sqlError(const QSqlQuery& q) { return q.lastError().text().toStdString(); }

// Checks the table and its fields before anything is written, so that the
// message names what is missing.
std::optional<std::string> checkFields(SqlConnection& c, const std::string& table, const FeedRecord& record) {
  if (!c.db().tables().contains(QString::fromStdString(table)))
    return "The report table " + table + " is missing from the report database";
  QSqlRecord columns = c.db().record(QString::fromStdString(table));
  for (const auto& f : record.fields)
    if (columns.indexOf(QString::fromStdString(f.name)) < 0)
      return "The field " + f.name + " is missing from the report table " + table;
  return std::nullopt;
}

}  // namespace

namespace {

bool sameFields(const std::vector<FeedField>& a, const std::vector<FeedField>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const FeedField& x, const FeedField& y) { return x.name == y.name; });
}

std::optional<std::string> updateRecord(SqlConnection& c, const FeedRecord& record) {
  QStringList sets;
  for (const auto& f : record.fields) sets << c.quoted(f.name) + QStringLiteral(" = ?");
  const QString table = c.quoted(record.table);
  QSqlQuery q(c.db());
  q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT min(rowid) FROM %1)").arg(table, sets.join(", ")));
  for (const auto& f : record.fields) q.addBindValue(feedVariant(f.value));
  if (!q.exec()) return c.describe(q.lastError(), ("written (table " + record.table + ")").c_str());
  if (q.numRowsAffected() < 1) return "The report table " + record.table + " holds no row to edit";
  return std::nullopt;
}

std::optional<std::string> refillRows(SqlConnection& c, const FeedRows& rows) {
  QSqlQuery clear(c.db());
  if (!clear.exec(QStringLiteral("DELETE FROM %1").arg(c.quoted(rows.table))))
    return c.describe(clear.lastError(), ("written (table " + rows.table + ")").c_str());
  // Every row normally has the same fields: one statement, prepared once.
  QSqlQuery q(c.db());
  const std::vector<FeedField>* prepared = nullptr;
  for (const auto& row : rows.rows) {
    if (!prepared || !sameFields(*prepared, row.fields)) {
      QStringList names, marks;
      for (const auto& f : row.fields) {
        names << c.quoted(f.name);
        marks << QStringLiteral("?");
      }
      if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(c.quoted(rows.table), names.join(", "), marks.join(", "))))
        return c.describe(q.lastError(), ("written (table " + rows.table + ")").c_str());
      prepared = &row.fields;
    }
    for (std::size_t i = 0; i < row.fields.size(); ++i) q.bindValue(static_cast<int>(i), feedVariant(row.fields[i].value));
    if (!q.exec()) return c.describe(q.lastError(), ("written (table " + rows.table + ")").c_str());
  }
  return std::nullopt;
}

std::optional<std::string> checkRows(SqlConnection& c, const FeedRows& rows) {
  FeedRecord probe{rows.table, rows.rows.empty() ? std::vector<FeedField>{} : rows.rows.front().fields};
  return checkFields(c, rows.table, probe);
}

std::optional<std::string> readRows(SqlConnection& c, const std::string& table, std::vector<QSqlRecord>& into) {
  if (!c.db().tables().contains(QString::fromStdString(table)))
    return "The report table " + table + " is missing from the report database";
  QSqlQuery q(c.db());
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(c.quoted(table))))
    return "The report table " + table + " could not be read: " + q.lastError().text().toStdString();
  while (q.next()) into.push_back(q.record());
  return std::nullopt;
}

}  // namespace

std::optional<std::string> writeFeedRecord(const std::string& path, const FeedRecord& record) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  if (auto e = checkFields(c, record.table, record)) return e;
  return c.writeTransaction([&] { return updateRecord(c, record); });
}

std::optional<std::string> replaceFeedRows(const std::string& path, const FeedRows& rows) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  if (auto e = checkRows(c, rows)) return e;
  return c.writeTransaction([&] { return refillRows(c, rows); });
}

std::optional<std::string> printFeed(const std::string& path, const FeedRecord* record, const FeedRows* rows,
                                     const std::vector<std::string>& tables, FeedTables& out) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  if (record)
    if (auto e = checkFields(c, record->table, *record)) return e;
  if (rows)
    if (auto e = checkRows(c, *rows)) return e;
  // The write lock is taken at the start (waiting for another print to end),
  // which keeps every other writer out until the tables have been read back.
  return c.writeTransaction([&]() -> std::optional<std::string> {
    if (record)
      if (auto e = updateRecord(c, *record)) return e;
    if (rows)
      if (auto e = refillRows(c, *rows)) return e;
    for (const auto& table : tables) {
      auto& into = out.rows[table];
      into.clear();
      if (auto e = readRows(c, table, into)) return e;
    }
    return std::nullopt;
  });
}

namespace {

QString columnDefinition(const SqlConnection& c, const FeedColumn& col) {
  const bool text = col.type == FeedType::Text;
  const bool real = col.type == FeedType::Single || col.type == FeedType::Double;
  return c.quoted(col.name) + (text ? " TEXT" : real ? " REAL" : " INTEGER");
}

QString emptyValue(const FeedColumn& col) { return col.type == FeedType::Text ? "''" : "0"; }

// A single-row table gets its one row of zeros and empty texts.
std::optional<std::string> fillEmptyRow(SqlConnection& c, const FeedTableSchema& table) {
  QStringList names, zeros;
  for (const auto& col : table.columns) {
    names << c.quoted(col.name);
    zeros << emptyValue(col);
  }
  QSqlQuery q(c.db());
  if (!q.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(c.quoted(table.name), names.join(", "), zeros.join(", "))))
    return "Could not fill " + table.name + ": " + sqlError(q);
  return std::nullopt;
}

std::optional<std::string> createTable(SqlConnection& c, const FeedTableSchema& table) {
  QStringList defs;
  for (const auto& col : table.columns) defs << columnDefinition(c, col);
  QSqlQuery q(c.db());
  if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(c.quoted(table.name), defs.join(", "))))
    return "Could not create " + table.name + ": " + sqlError(q);
  return table.multiRow ? std::nullopt : fillEmptyRow(c, table);
}

// Adds what the table lacks: its fields (every row gets the empty value)
// and, for a single-row table, its row.
std::optional<std::string> completeTable(SqlConnection& c, const FeedTableSchema& table) {
  const QSqlRecord present = c.db().record(QString::fromStdString(table.name));
  for (const auto& col : table.columns) {
    if (present.indexOf(QString::fromStdString(col.name)) >= 0) continue;
    QSqlQuery q(c.db());
    if (!q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 DEFAULT %3")
                    .arg(c.quoted(table.name), columnDefinition(c, col), emptyValue(col))))
      return c.describe(q.lastError(), ("brought up to date (table " + table.name + ")").c_str());
  }
  if (table.multiRow) return std::nullopt;
  QSqlQuery rows(c.db());
  if (!rows.exec(QStringLiteral("SELECT count(*) FROM %1").arg(c.quoted(table.name))) || !rows.next())
    return c.describe(rows.lastError(), "read");
  return rows.value(0).toInt() == 0 ? fillEmptyRow(c, table) : std::nullopt;
}

}  // namespace

std::optional<std::string> createReportDatabase(const std::string& path) {
  QFile::remove(QString::fromStdString(path));
  SqlConnection c(path, false);
  if (c.error()) return c.error();
  return c.writeTransaction([&]() -> std::optional<std::string> {
    for (const auto& table : reportSchema())
      if (auto e = createTable(c, table)) return e;
    return std::nullopt;
  });
}

std::optional<std::string> migrateReportDatabase(const std::string& path) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  const QStringList tables = c.db().tables();
  return c.writeTransaction([&]() -> std::optional<std::string> {
    for (const auto& table : reportSchema()) {
      auto e = tables.contains(QString::fromStdString(table.name)) ? completeTable(c, table) : createTable(c, table);
      if (e) return e;
    }
    return std::nullopt;
  });
}

}  // namespace quorin
