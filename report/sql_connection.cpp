#include "report/sql_connection.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <atomic>

namespace quorin {

SqlConnection::SqlConnection(const std::string& path, bool mustExist) {
  static std::atomic<int> counter{0};
  name_ = QStringLiteral("quorin-%1").arg(++counter);
  const QString file = QString::fromStdString(path);
  if (mustExist && !QFileInfo(file).isFile()) {
    error_ = "The database " + path + " could not be found";
    return;
  }
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  db_.setDatabaseName(file);
  if (!db_.open()) error_ = "The database " + path + " could not be opened: " + db_.lastError().text().toStdString();
}

SqlConnection::~SqlConnection() {
  if (db_.isValid()) db_.close();
  db_ = QSqlDatabase();
  if (QSqlDatabase::contains(name_)) QSqlDatabase::removeDatabase(name_);
}

QString SqlConnection::quoted(const std::string& identifier) const {
  return db_.driver()->escapeIdentifier(QString::fromStdString(identifier), QSqlDriver::FieldName);
}

}  // namespace quorin
