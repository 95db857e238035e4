#include "report/report_control.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "report/report_document.h"
#include "report/report_preview_window.h"
#include "widgets/message_sink.h"

namespace quorin {

ReportControl::ReportControl(const SessionState& state, MessageSink& messages, QObject* parent)
    : QObject(parent), state_(state), messages_(messages) {
  printDocument = [this](QTextDocument& document) -> std::optional<std::string> {
    if (!printerInstalled()) return std::string(kNoPrinterMessage);
    QPrinter& p = printer();
    if (p.outputFormat() != QPrinter::NativeFormat || p.printerName().isEmpty())
      p.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    if (!p.isValid()) return std::string("The printer could not be used");
    document.print(&p);
    return std::nullopt;
  };
}

ReportControl::~ReportControl() = default;

bool printerInstalled() { return !QPrinterInfo::availablePrinters().isEmpty(); }

QPrinter& ReportControl::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

ReportPreviewWindow* ReportControl::lastPreview() const { return static_cast<ReportPreviewWindow*>(preview_.data()); }

bool ReportControl::setAction(int action) {
  if (action != 1) return false;
  ReportLayout layout = fillReport(ReportFileName.toStdString(), state_.ReportDatabasePath);
  if (layout.error) {
    messages_.show(MessageIcon::Error, tr("Report"), QString::fromStdString(*layout.error));
    return false;
  }
  auto document = reportDocument(layout.html);
  emit reportRun(ReportFileName, Destination);
  if (Destination == 1) {
    if (auto error = printDocument(*document)) {
      messages_.show(MessageIcon::Information, tr("Printer"), QString::fromStdString(*error));
      return false;
    }
    return true;
  }
  auto* preview = new ReportPreviewWindow(std::move(document), WindowTitle, messages_, previewParent);
  preview_ = preview;
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
  return true;
}

bool launchReport(ReportControl& control, const SessionState& state, const char* reportFile, const QString& title,
                  int choice) {
  control.ReportFileName = QString::fromStdString(state.shippedFile(reportFile));
  if (choice == 0) {
    control.WindowTitle = title;
    control.Destination = 0;
  } else {
    control.Destination = 1;
  }
  return control.setAction(1);
}

}  // namespace quorin
