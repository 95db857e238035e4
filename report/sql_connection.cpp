#include "report/sql_connection.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace quorin {

std::string describeSqlError(const std::string& path, const QSqlError& error, const char* action) {
  // SQLite's primary result code: the extended codes keep it in the low byte.
  bool numeric = false;
  const int code = error.nativeErrorCode().toInt(&numeric) & 0xff;
  const std::string detail = error.text().toStdString();
  if (numeric && (code == 26 || code == 11))  // SQLITE_NOTADB, SQLITE_CORRUPT
    return "The database " + path + " is damaged and could not be " + action + " (" + detail +
           "). Replace it with a good copy (a backup, or the file delivered with the program) and try again.";
  if (numeric && (code == 5 || code == 6))  // SQLITE_BUSY, SQLITE_LOCKED
    return "The database " + path + " is in use by another program and could not be " + action +
           ". Close the other program and try again.";
  if (numeric && code == 13)  // SQLITE_FULL
    return "The database " + path + " could not be " + action + ": the disk is full (" + detail +
           "). Nothing was changed; make room on the disk and try again.";
  if (numeric && (code == 8 || code == 14))  // SQLITE_READONLY, SQLITE_CANTOPEN
    return "The database " + path + " could not be " + action + ": " + detail +
           ". Check that the file and its folder may be written to.";
  return "The database " + path + " could not be " + action + ": " + detail;
}

SqlConnection::SqlConnection(const std::string& path, bool mustExist) : path_(path) {
  // The counter's address tells apart the copies of this code in quorin-cli
  // and in its PDF printer plugin, which share Qt's list of connections.
  static std::atomic<int> counter{0};
  name_ = QStringLiteral("quorin-%1-%2").arg(reinterpret_cast<quintptr>(&counter), 0, 16).arg(++counter);
  const QString file = QString::fromStdString(path);
  if (mustExist && !QFileInfo(file).isFile()) {
    error_ = "The database " + path + " could not be found";
    return;
  }
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  db_.setDatabaseName(file);
  db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kSqlBusyWaitMs));
  if (!db_.open()) {
    error_ = describeSqlError(path, db_.lastError(), "opened");
    return;
  }
  // SQLite reads the file only now: garbage, or a lock held by another
  // program, shows here rather than as a table that seems to be missing.
  QSqlQuery probe(db_);
  if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) error_ = describeSqlError(path, probe.lastError(), "read");
}

SqlConnection::~SqlConnection() {
  if (db_.isValid()) db_.close();
  db_ = QSqlDatabase();
  if (QSqlDatabase::contains(name_)) QSqlDatabase::removeDatabase(name_);
}

QString SqlConnection::quoted(const std::string& identifier) const {
  return db_.driver()->escapeIdentifier(QString::fromStdString(identifier), QSqlDriver::FieldName);
}

std::optional<std::string> SqlConnection::writeTransaction(const std::function<std::optional<std::string>()>& work) {
  // BEGIN IMMEDIATE takes the write lock at once, through the busy wait. A
  // plain BEGIN would read first and then find the lock taken, which SQLite
  // reports at once as busy rather than waiting.
  QSqlQuery control(db_);
  if (!control.exec(QStringLiteral("BEGIN IMMEDIATE"))) return describe(control.lastError(), "written");
  std::optional<std::string> error = work();
  if (!error && !control.exec(QStringLiteral("COMMIT"))) error = describe(control.lastError(), "written");
  if (error) control.exec(QStringLiteral("ROLLBACK"));
  return error;
}

}  // namespace quorin
