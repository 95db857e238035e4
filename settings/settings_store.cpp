#include "settings/settings_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

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

std::string failure(const char* what, const QString& detail) {
  return std::string("The settings database could not be ") + what + ": " + detail.toStdString();
}

// Makes sure the table and its row exist; a new row takes the defaults.
std::optional<std::string> ensureRow(SqlConnection& c) {
  QSqlQuery q(c.db());
  if (!c.db().tables().contains(QStringLiteral("Setup"))) {
    QStringList defs;
    for (const auto& col : kColumns) defs << QString::fromLatin1(col.name) + (col.isBool ? " INTEGER" : " REAL");
    if (!q.exec(QStringLiteral("CREATE TABLE Setup (%1)").arg(defs.join(", ")))) return failure("created", q.lastError().text());
  }
  if (!q.exec(QStringLiteral("SELECT count(*) FROM Setup")) || !q.next()) return failure("read", q.lastError().text());
  if (q.value(0).toInt() > 0) return std::nullopt;
  SettingsRecord defaults;
  QStringList names, marks;
  for (const auto& col : kColumns) {
    names << col.name;
    marks << "?";
  }
  q.prepare(QStringLiteral("INSERT INTO Setup (%1) VALUES (%2)").arg(names.join(", "), marks.join(", ")));
  for (const auto& col : kColumns) q.addBindValue(valueOf(defaults, col));
  if (!q.exec()) return failure("written", q.lastError().text());
  return std::nullopt;
}

}  // namespace

SettingsLoad LoadSettings(const std::string& path) {
  SettingsLoad out;
  SqlConnection c(path, false);
  if (c.error()) {
    out.error = c.error();
    return out;
  }
  if (!c.db().transaction()) {
    out.error = failure("opened", c.db().lastError().text());
    return out;
  }
  if (auto e = ensureRow(c)) {
    c.db().rollback();
    out.error = e;
    return out;
  }
  QSqlQuery q(c.db());
  if (!q.exec(QStringLiteral("SELECT * FROM Setup ORDER BY rowid LIMIT 1")) || !q.next()) {
    out.error = failure("read", q.lastError().text());
    q.finish();
    c.db().rollback();
    return out;
  }
  QSqlRecord rec = q.record();
  for (const auto& col : kColumns) {
    int i = rec.indexOf(col.name);
    if (i < 0) {
      out.error = std::string("The settings field ") + col.name + " is missing from the Setup table";
      continue;
    }
    if (col.isBool)
      out.record.CompCarMPYesNo = q.value(i).toBool();
    else
      out.record.*(col.number) = q.value(i).toDouble();
  }
  q.finish();
  if (out.error || !c.db().commit()) {
    if (!out.error) out.error = failure("written", c.db().lastError().text());
    c.db().rollback();
    out.record = SettingsRecord{};
  }
  return out;
}

std::optional<std::string> SaveSettings(const std::string& path, const SettingsRecord& record, std::uint32_t fields) {
  SqlConnection c(path, false);
  if (c.error()) return c.error();
  if (!c.db().transaction()) return failure("opened", c.db().lastError().text());
  auto fail = [&](std::string e) -> std::optional<std::string> {
    c.db().rollback();
    return e;
  };
  if (auto e = ensureRow(c)) return fail(*e);
  QSqlRecord columns = c.db().record(QStringLiteral("Setup"));
  QStringList sets;
  for (const auto& col : kColumns) {
    if (!(fields & col.bit)) continue;
    if (columns.indexOf(col.name) < 0) return fail(std::string("The settings field ") + col.name + " is missing from the Setup table");
    sets << QString::fromLatin1(col.name) + " = ?";
  }
  if (sets.isEmpty()) return fail("No settings were chosen to save");
  QSqlQuery q(c.db());
  q.prepare(QStringLiteral("UPDATE Setup SET %1 WHERE rowid = (SELECT min(rowid) FROM Setup)").arg(sets.join(", ")));
  for (const auto& col : kColumns)
    if (fields & col.bit) q.addBindValue(valueOf(record, col));
  if (!q.exec()) return fail(failure("written", q.lastError().text()));
  q.finish();
  if (!c.db().commit()) return fail(failure("written", c.db().lastError().text()));
  return std::nullopt;
}

}  // namespace quorin
