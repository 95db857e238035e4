// What every window test needs around the window: a temporary program
// folder, the session, a message recorder, the report control (printing
// recorded instead of sent to a printer) and the report database to read
// back.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <string>
#include <vector>

#include "report/report_control.h"
#include "report/report_document.h"
#include "report/report_preview_window.h"
#include "shell/session_state.h"
#include "test_folder.h"
#include "widgets/message_sink.h"
#include "widgets/window_context.h"

namespace quorin::test {

struct WindowHarness {
  TestFolder folder;
  SessionState state;
  RecordingMessageSink messages;
  ReportControl report{state, messages};
  WindowContext context{state, messages, report};
  std::vector<std::string> printed;  // report files sent to the printer

  WindowHarness() {
    state.setProgramFolder(folder.path());
    report.printDocument = [this](const ReportPages&) -> std::optional<std::string> {
      printed.push_back(report.ReportFileName.toStdString());
      return std::nullopt;
    };
  }
  ~WindowHarness() {
    if (auto* p = report.lastPreview()) delete p;
  }

  // One field of every row of a feed table, in row order.
  std::vector<QVariant> column(const char* table, const char* field) const {
    std::vector<QVariant> values;
    withDatabase([&](QSqlDatabase& db) {
      QSqlQuery q(db);
      q.exec(QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid").arg(field, table));
      while (q.next()) values.push_back(q.value(0));
    });
    return values;
  }
  void execSql(const QString& sql) const {
    withDatabase([&](QSqlDatabase& db) { QSqlQuery(db).exec(sql); });
  }
  template <class F>
  void withDatabase(F&& work) const {
    {
      auto db = QSqlDatabase::addDatabase("QSQLITE", "harness");
      db.setDatabaseName(folder.qfile("Rudodeza.db"));
      db.open();
      work(db);
      db.close();
    }
    QSqlDatabase::removeDatabase("harness");
  }
};

}  // namespace quorin::test
