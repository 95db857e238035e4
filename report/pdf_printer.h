// The PDF printer of quorin-cli: the report layout (Mustache fill,
// QTextDocument, PDF writer) and the graphical Qt libraries under it live in
// a plugin of their own, which the command line loads only when a PDF is
// asked for. Every other call then starts on Qt Core and Qt SQL alone.
#pragma once

#include <QtPlugin>
#include <memory>
#include <optional>
#include <string>

#include "report/feed_record.h"
#include "report/report_run.h"

class QCoreApplication;

namespace quorin {

class PdfPrinter {
 public:
  virtual ~PdfPrinter() = default;

  // The application object the layout needs: a QGuiApplication, on the
  // offscreen platform when no other is asked for.
  virtual std::unique_ptr<QCoreApplication> startApplication(int& argc, char** argv) = 0;

  // Writes the print's record and rows (either may be null) into the
  // report database, lays out the report file from the tables as this
  // print left them and saves it as a PDF file, the run's working (if any)
  // on pages after it. Returns the error text.
  virtual std::optional<std::string> printPdf(const std::string& reportFile, const std::string& databasePath,
                                              const FeedRecord* record, const FeedRows* rows, const ReportRun& run,
                                              const std::string& pdfPath) = 0;
};

}  // namespace quorin

// /3: the run carries the working of the calculation.
#define QuorinPdfPrinter_iid "za.co.quorinpayroll.Quorin2026.PdfPrinter/3"
Q_DECLARE_INTERFACE(quorin::PdfPrinter, QuorinPdfPrinter_iid)
