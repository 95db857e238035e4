#include "report/pdf_printer_plugin.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>

#include "report/report_document.h"

namespace quorin {

std::unique_ptr<QCoreApplication> PdfPrinterPlugin::startApplication(int& argc, char** argv) {
  // Printing needs fonts, not a screen.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    namespace fs = std::filesystem;
    fs::path runtime = fs::temp_directory_path() / ("quorin-runtime-" + std::to_string(getuid()));
    std::error_code ec;
    fs::create_directories(runtime, ec);
    fs::permissions(runtime, fs::perms::owner_all, ec);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<std::string> PdfPrinterPlugin::printPdf(const std::string& reportFile, const std::string& databasePath,
                                                      const FeedRecord* record, const FeedRows* rows,
                                                      const ReportRun& run, const std::string& pdfPath) {
  ReportLayout layout = printReport(reportFile, databasePath, record, rows, run);
  if (layout.error) return layout.error;
  ReportPages pages(layout.html, run);
  return writeReportPdf(pages, pdfPath);
}

}  // namespace quorin
