#include "report/report_store.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "report/report_schema.h"
#include "report/sql_connection.h"

namespace quorin {

namespace {

QVariant toVariant(const FeedValue& v) {
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

std::optional<std::string> inTransaction(SqlConnection& c, const std::function<std::optional<std::string>()>& work) {
  if (!c.db().transaction()) return c.describe(c.db().lastError(), "written");
  auto error = work();
  if (error) {
    c.db().rollback();
    return error;
  }
  if (!c.db().commit()) {
    std::string text = c.describe(c.db().lastError(), "written");
    c.db().rollback();
    return text;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> writeFeedRecord(const std::string& path, const FeedRecord& record) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  if (auto e = checkFields(c, record.table, record)) return e;
  return inTransaction(c, [&]() -> std::optional<std::string> {
    QStringList sets;
    for (const auto& f : record.fields) sets << c.quoted(f.name) + QStringLiteral(" = ?");
    const QString table = c.quoted(record.table);
    QSqlQuery q(c.db());
    q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT min(rowid) FROM %1)").arg(table, sets.join(", ")));
    for (const auto& f : record.fields) q.addBindValue(toVariant(f.value));
    if (!q.exec()) return c.describe(q.lastError(), ("written (table " + record.table + ")").c_str());
    if (q.numRowsAffected() < 1) return "The report table " + record.table + " holds no row to edit";
    return std::nullopt;
  });
}

std::optional<std::string> replaceFeedRows(const std::string& path, const FeedRows& rows) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  FeedRecord probe{rows.table, rows.rows.empty() ? std::vector<FeedField>{} : rows.rows.front().fields};
  if (auto e = checkFields(c, rows.table, probe)) return e;
  return inTransaction(c, [&]() -> std::optional<std::string> {
    QSqlQuery clear(c.db());
    if (!clear.exec(QStringLiteral("DELETE FROM %1").arg(c.quoted(rows.table))))
      return c.describe(clear.lastError(), ("written (table " + rows.table + ")").c_str());
    for (const auto& row : rows.rows) {
      QStringList names, marks;
      for (const auto& f : row.fields) {
        names << c.quoted(f.name);
        marks << QStringLiteral("?");
      }
      QSqlQuery q(c.db());
      q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(c.quoted(rows.table), names.join(", "), marks.join(", ")));
      for (const auto& f : row.fields) q.addBindValue(toVariant(f.value));
      if (!q.exec()) return c.describe(q.lastError(), ("written (table " + rows.table + ")").c_str());
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
  return inTransaction(c, [&]() -> std::optional<std::string> {
    for (const auto& table : reportSchema())
      if (auto e = createTable(c, table)) return e;
    return std::nullopt;
  });
}

std::optional<std::string> migrateReportDatabase(const std::string& path) {
  SqlConnection c(path, true);
  if (c.error()) return c.error();
  const QStringList tables = c.db().tables();
  return inTransaction(c, [&]() -> std::optional<std::string> {
    for (const auto& table : reportSchema()) {
      auto e = tables.contains(QString::fromStdString(table.name)) ? completeTable(c, table) : createTable(c, table);
      if (e) return e;
    }
    return std::nullopt;
  });
}

}  // namespace quorin
