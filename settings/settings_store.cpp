#include "settings/settings_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <cmath>

#include "report/sql_connection.h"

namespace quorin {

namespace {

struct Column {
  const char* name;
  std::uint32_t bit;
  bool isBool;
  double SettingsRecord::*number;
};

constexpr Column kColumns[] = {
    {"PensionCont", kPensionCont, false, &SettingsRecord::PensionCont},
    {"EmployerPenCont", kEmployerPenCont, false, &SettingsRecord::EmployerPenCont},
    {"EmployeeUIF", kEmployeeUIF, false, &SettingsRecord::EmployeeUIF},
    {"EmployerUIF", kEmployerUIF, false, &SettingsRecord::EmployerUIF},
    {"SkillLevy", kSkillLevy, false, &SettingsRecord::SkillLevy},
    {"ProvCont", kProvCont, false, &SettingsRecord::ProvCont},
    {"EmployerProvCont", kEmployerProvCont, false, &SettingsRecord::EmployerProvCont},
    {"UIFLimit", kUIFLimit, false, &SettingsRecord::UIFLimit},
    {"TAIncRate8020", kTAIncRate8020, false, &SettingsRecord::TAIncRate8020},
    {"CompCarFBRate8020", kCompCarFBRate8020, false, &SettingsRecord::CompCarFBRate8020},
    {"CompCarMPYesNo", kCompCarMPYesNo, true, nullptr},
};

QVariant valueOf(const SettingsRecord& r, const Column& c) {
  if (c.isBool) return QVariant(r.CompCarMPYesNo);
  return QVariant(r.*(c.number));
}


// Makes sure the table and its row exist; a new row takes the defaults.
std::optional<std::string> ensureRow(SqlConnection& c) {
  QSqlQuery q(c.db());
  if (!c.db().tables().contains(QStringLiteral("Setup"))) {
    QStringList defs;
    for (const auto& col : kColumns) defs << QString::fromLatin1(col.name) + (col.isBool ? " INTEGER" : " REAL");
    if (!q.exec(QStringLiteral("CREATE TABLE Setup (%1)").arg(defs.join(", ")))) return c.describe(q.lastError(), "written");
  }
  if (!q.exec(QStringLiteral("SELECT count(*) FROM Setup")) || !q.next()) return c.describe(q.lastError(), "read");
  if (q.value(0).toInt() > 0) return std::nullopt;
  SettingsRecord defaults;
  QStringList names, marks;
  for (const auto& col : kColumns) {
    names << col.name;
    marks << "?";
  }
  q.prepare(QStringLiteral("INSERT INTO Setup (%1) VALUES (%2)").arg(names.join(", "), marks.join(", ")));
  for (const auto& col : kColumns) q.addBindValue(valueOf(defaults, col));
  if (!q.exec()) return c.describe(q.lastError(), "written");
  return std::nullopt;
}

// A stored number as it is; anything that is not a number (a text, an empty
// value) becomes NaN, so that it is refused rather than read as 0.
double storedNumber(const QVariant& v) {
  if (v.isNull()) return std::nan("");
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? d : std::nan("");
}

}  // namespace

SettingsLoad LoadSettings(const std::string& path) {
  SettingsLoad out;
  SqlConnection c(path, false);
  if (c.error()) {
    out.error = c.error();
    return out;
  }
  // Most calls find the row and only read; a missing table or row is made
  // in a transaction of its own (a call that made it first is waited for).
  QSqlQuery q(c.db());
  const QString select = QStringLiteral("SELECT * FROM Setup ORDER BY rowid LIMIT 1");
  bool found = c.db().tables().contains(QStringLiteral("Setup")) && q.exec(select) && q.next();
  if (!found) {
    q.finish();
    if (auto e = c.writeTransaction([&] { return ensureRow(c); })) {
      out.error = e;
      return out;
    }
    found = q.exec(select) && q.next();
  }
  if (!found) {
    out.error = c.describe(q.lastError(), "read");
    return out;
  }
  QSqlRecord rec = q.record();
  for (const auto& col : kColumns) {
    int i = rec.indexOf(col.name);
    if (i < 0) {
      out.error = std::string("The settings field ") + col.name + " is missing from the Setup table";
      out.record = SettingsRecord{};
      return out;
    }
    if (col.isBool)
      out.record.CompCarMPYesNo = q.value(i).toBool();
    else
      out.record.*(col.number) = storedNumber(q.value(i));
  }
  out.invalid = checkSettings(out.record);
  return out;
}

std::optional<std::string> SaveSettings(const std::string& path, const SettingsRecord& record, std::uint32_t fields) {
  SqlConnection c(path, false);
  if (c.error()) return c.error();
  return c.writeTransaction([&]() -> std::optional<std::string> {
    if (auto e = ensureRow(c)) return e;
    QSqlRecord columns = c.db().record(QStringLiteral("Setup"));
    QStringList sets;
    for (const auto& col : kColumns) {
      if (!(fields & col.bit)) continue;
      if (columns.indexOf(col.name) < 0)
        return std::string("The settings field ") + col.name + " is missing from the Setup table";
      sets << QString::fromLatin1(col.name) + " = ?";
    }
    if (sets.isEmpty()) return std::string("No settings were chosen to save");
    QSqlQuery q(c.db());
    q.prepare(QStringLiteral("UPDATE Setup SET %1 WHERE rowid = (SELECT min(rowid) FROM Setup)").arg(sets.join(", ")));
    for (const auto& col : kColumns)
      if (fields & col.bit) q.addBindValue(valueOf(record, col));
    if (!q.exec()) return c.describe(q.lastError(), "written");
    if (q.numRowsAffected() < 1) return std::string("The Setup table of ") + path + " holds no row to write into";
    return std::nullopt;
  });
}

}  // namespace quorin
