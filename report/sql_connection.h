// A short-lived SQLite connection for one operation: opened on
// construction, closed and removed on destruction.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <string>

namespace quorin {

class SqlConnection {
 public:
  // mustExist: report a missing file instead of letting SQLite create it.
  SqlConnection(const std::string& path, bool mustExist);
  ~SqlConnection();
  SqlConnection(const SqlConnection&) = delete;
  SqlConnection& operator=(const SqlConnection&) = delete;

  const std::optional<std::string>& error() const { return error_; }
  QSqlDatabase& db() { return db_; }
  QString quoted(const std::string& identifier) const;

 private:
  QString name_;
  QSqlDatabase db_;
  std::optional<std::string> error_;
};

}  // namespace quorin
