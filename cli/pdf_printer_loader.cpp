#include "cli/pdf_printer_loader.h"

#include <QPluginLoader>

#include "install/install_layout.h"
#include "report/pdf_printer.h"

namespace quorin::cli {

PdfPrinterLoad loadPdfPrinter(const std::string& programFolder) {
  const std::string path = pdfPrinterPath(programFolder);
  // A loader going out of scope leaves its plugin loaded, as the
  // application object the plugin makes needs it until the end.
  QPluginLoader loader(QString::fromStdString(path));
  QObject* instance = loader.instance();
  auto* printer = qobject_cast<PdfPrinter*>(instance);
  if (printer) return {printer, std::nullopt};
  const std::string reason = instance ? "it is not the Quorin 2026 PDF printer" : loader.errorString().toStdString();
  return {nullptr, "Printing to PDF needs the report printer " + path + ", which could not be loaded (" + reason +
                       "). Reinstall Quorin 2026; calls without --pdf work without it."};
}

}  // namespace quorin::cli
