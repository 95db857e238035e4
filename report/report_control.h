// The main window's one report control: report file, window title,
// destination (0 preview window, 1 printer) and action (1 runs). Its
// settings stay between prints; a print sets only what it needs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "report/feed_record.h"
#include "report/report_run.h"
#include "shell/session_state.h"

class QPrinter;
class QWidget;

namespace quorin {

class MessageSink;
class ReportPages;
class ReportPreviewWindow;

// What a print hands the report control beside the report file: the record
// and rows it writes (the report is laid out from the tables as this print
// leaves them) and the run's values the printout states.
struct PrintData {
  std::optional<FeedRecord> record;
  std::optional<FeedRows> rows;
  ReportRun run;
};

class ReportControl : public QObject {
  Q_OBJECT
 public:
  ReportControl(const SessionState& state, MessageSink& messages, QObject* parent = nullptr);
  ~ReportControl() override;

  // The printer that direct prints go to, as "Printer Setup" left it.
  QPrinter& printer();

  QString ReportFileName;  // full path
  QString WindowTitle;
  int Destination = 0;
  // The next run's print; a run takes it (a run without one lays out the
  // tables as they stand).
  PrintData Data;

  // Preview windows are top-level windows owned by this widget (the main
  // window), so they close with it.
  QWidget* previewParent = nullptr;

  // Setting the action to 1 runs the report with the current settings.
  // Returns false when it could not run (the user has been told why).
  bool setAction(int action);

  // Shows pages laid out elsewhere (a calculation's working on its own) in
  // a preview window titled title, as a run does; false when not shown.
  bool preview(std::unique_ptr<ReportPages> pages, const QString& title);

  // Sends the laid-out pages to the printer; replaceable so that tests
  // can print without a printer. Returns the error text on failure.
  std::function<std::optional<std::string>(const ReportPages&)> printDocument;

  // The preview window of the last run, if it is still open.
  ReportPreviewWindow* lastPreview() const;

 signals:
  void reportRun(const QString& reportFile, int destination);

 private:
  bool present(std::unique_ptr<ReportPages> pages, int destination);

  const SessionState& state_;
  MessageSink& messages_;
  QPointer<QWidget> preview_;
  std::unique_ptr<QPrinter> printer_;
};

// Whether the system has a printer at all; a default printer object
// without one would silently write nothing.
bool printerInstalled();
inline constexpr const char* kNoPrinterMessage =
    "No printer is installed. Use \"View/Export report\" to see the report and save it as a PDF file.";

// Launches a calculator's report beside the program: preview (with the
// title) when the choice is 0, the printer when it is 1; the print writes
// its record and rows and lays out the report from them.
bool launchReport(ReportControl& control, const SessionState& state, const char* reportFile, const QString& title,
                  int choice, PrintData print = {});

}  // namespace quorin
