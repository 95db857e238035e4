// Lays out a report file from its feed tables. A report file (*.rpt) is a
// Mustache HTML template whose first lines name the tables it reads:
//   {{! feed: IRP5Mon }}   the single-row table, its fields as top-level keys
//   {{! rows: Amort }}     a multi-row table, as the list {{#Amort}}..{{/Amort}}
// Every field is offered as {{NAME}} (amounts "### ### ##0.00", whole
// numbers and texts as they stand), {{NAME:3}}, {{NAME:1}} and {{NAME:0}}
// (three, one and no decimals) and {{NAME:raw}} (the shortest exact form);
// whole numbers also as {{NAME:date}} (a day number as dd/mm/yyyy), texts
// also as the section {{#NAME:set}}..{{/NAME:set}} (shown only when the
// text is not empty).
//
// Beside the fields, the run that prints (report_run.h) is offered as
// {{RunTaxYear}}, {{RunYearStart}}, {{RunYearEnd}} (the section
// {{#RunTaxYear:set}} shows only on tax printouts), {{RunPrinted}},
// {{RunProgram}} and {{RunSettings}}, the section {{#RunAfrikaans}} (an
// Afrikaans print), and the run's extra figures under
// their own names.
//
// The page: A4 with 15 mm margins for preview, printer and PDF alike. The
// <title> of the template is the report's title (PDF title, running title
// on the pages after the first, the name an export proposes). A paragraph
// <p class="note"> (the "E.& O.E." line) is printed in the footer, which
// every page carries with the printed date and time, the program, the tax
// year, the settings and "page n of N". A table that fits on a page is
// never split over two; longer tables repeat their <thead> on every page.
// A run that carries a working (report_run.h) has it printed after the
// report, from a new page, in the run's language (working_page.h).
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/feed_record.h"
#include "report/report_run.h"
#include "report/report_store.h"

class QBuffer;
class QPagedPaintDevice;
class QPdfWriter;
class QTextDocument;

namespace quorin {

struct ReportTemplate {
  struct Table {
    std::string name;
    bool rows = false;  // a multi-row table, laid out as a list
  };
  std::string file;
  QString text;
  std::vector<Table> tables;

  std::vector<std::string> tableNames() const;
};

// Reads a report file and the tables it names; returns the error text.
std::optional<std::string> readReportTemplate(const std::string& reportFile, ReportTemplate& out);

struct ReportLayout {
  std::optional<std::string> error;  // set when the report could not be laid out
  QString html;
};

// The keys of the run offered to every template, besides the feed fields.
const std::vector<std::string>& reportRunKeys();

// Fills the template from the tables as read and the run's values.
ReportLayout fillReport(const ReportTemplate& report, const FeedTables& tables, const ReportRun& run);

// Reads the template and its tables from the report database (writing
// nothing) and fills it.
ReportLayout fillReport(const std::string& reportFile, const std::string& databasePath, const ReportRun& run = {});

// One print: writes the record and rows (either may be null) and lays out
// the report from the tables exactly as this print left them (report_store's
// printFeed). The record is written even when the report file is missing,
// as the report is run only once the record is in place.
ReportLayout printReport(const std::string& reportFile, const std::string& databasePath, const FeedRecord* record,
                         const FeedRows* rows, const ReportRun& run);

// The filled report laid out once into A4 pages, painted page by page onto
// the preview, the printer or a PDF writer with the footer under each page.
class ReportPages {
 public:
  // fallbackTitle: the title when the template has none.
  ReportPages(const QString& html, const ReportRun& run, const QString& fallbackTitle = {});
  ~ReportPages();
  ReportPages(const ReportPages&) = delete;
  ReportPages& operator=(const ReportPages&) = delete;

  // A4, portrait, 15 mm margins.
  static QPageLayout pageLayout();

  int pageCount() const { return pages_; }
  QString title() const { return title_; }
  // The footer of a page (1-based), as plain text.
  QString footerText(int page) const;
  const QTextDocument& document() const { return *document_; }

  // Sets the device's page layout and paints every page onto it (a device
  // already painted on gets a new page first only between pages). Returns
  // false when the device could not be painted on.
  bool paint(QPagedPaintDevice& device) const;

 private:
  void layOut();
  void keepTablesTogether();
  QString footerHtml(int page) const;

  std::unique_ptr<QBuffer> nowhere_;
  std::unique_ptr<QPdfWriter> layoutDevice_;  // fixes the resolution the pages are laid out at
  std::unique_ptr<QTextDocument> document_;
  ReportRun run_;
  QString title_;
  QString note_;  // the footer's note (HTML)
  double bodyHeight_ = 0;  // layout units
  double bodyWidth_ = 0;
  double headerHeight_ = 0;
  double footerHeight_ = 0;
  int pages_ = 1;
};

// Writes the pages as a PDF file: into a temporary file in the same folder
// that replaces the file only once complete and flushed, so that a failed
// write (a full disk, a folder that may not be written) leaves any earlier
// file as it was. Returns the error text, naming the file.
std::optional<std::string> writeReportPdf(const ReportPages& pages, const std::string& pdfPath);

}  // namespace quorin
