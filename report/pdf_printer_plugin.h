// The plugin behind PdfPrinter, built as quorin_pdf_printer.
#pragma once

#include <QObject>

#include "report/pdf_printer.h"

namespace quorin {

class PdfPrinterPlugin : public QObject, public PdfPrinter {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QuorinPdfPrinter_iid)
  Q_INTERFACES(quorin::PdfPrinter)

 public:
  std::unique_ptr<QCoreApplication> startApplication(int& argc, char** argv) override;
  std::optional<std::string> printPdf(const std::string& reportFile, const std::string& databasePath,
                                      const FeedRecord* record, const FeedRows* rows, const ReportRun& run,
                                      const std::string& pdfPath) override;
};

}  // namespace quorin
