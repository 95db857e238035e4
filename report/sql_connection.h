// A short-lived SQLite connection for one operation: opened on
// construction, closed and removed on destruction.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace quorin {

// What went wrong with a database, told as what it is: a damaged file, a
// file held by another program, or any other failure, naming the file and
// what to do. action: what was being done ("read", "written").
std::string describeSqlError(const std::string& path, const QSqlError& error, const char* action);

// How long an operation waits for a file that another program holds.
inline constexpr int kSqlBusyWaitMs = 2000;

class SqlConnection {
 public:
  // mustExist: report a missing file instead of letting SQLite create it.
  // The file is opened and read once, so that a damaged file or one held
  // by another program is reported as such before anything else is done.
  SqlConnection(const std::string& path, bool mustExist);
  ~SqlConnection();
  SqlConnection(const SqlConnection&) = delete;
  SqlConnection& operator=(const SqlConnection&) = delete;

  const std::optional<std::string>& error() const { return error_; }
  QSqlDatabase& db() { return db_; }
  QString quoted(const std::string& identifier) const;
  const std::string& path() const { return path_; }
  std::string describe(const QSqlError& error, const char* action) const {
    return describeSqlError(path_, error, action);
  }

  // Runs work as one transaction that writes: the file is claimed for
  // writing at the start (another call writing it is waited for, up to the
  // busy wait), work's error or a failed commit rolls everything back.
  // Returns the error text.
  std::optional<std::string> writeTransaction(const std::function<std::optional<std::string>()>& work);

 private:
  std::string path_;
  QString name_;
  QSqlDatabase db_;
  std::optional<std::string> error_;
};

}  // namespace quorin
