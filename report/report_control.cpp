#include "report/report_control.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "report/report_document.h"
#include "report/report_preview_window.h"
#include "widgets/message_sink.h"

namespace quorin {

ReportControl::ReportControl(const SessionState& state, MessageSink& messages, QObject* parent)
    : QObject(parent), state_(state), messages_(messages) {
  printDocument = [this](const ReportPages& pages) -> std::optional<std::string> {
    if (!printerInstalled()) return std::string(kNoPrinterMessage);
    QPrinter& p = printer();
    if (p.outputFormat() != QPrinter::NativeFormat || p.printerName().isEmpty())
      p.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    if (!p.isValid()) return std::string("The printer could not be used");
    p.setDocName(pages.title());
    if (!pages.paint(p)) return std::string("The printer could not be used");
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
  PrintData print = std::move(Data);
  Data = PrintData{};
  ReportLayout layout = printReport(ReportFileName.toStdString(), state_.ReportDatabasePath,
                                    print.record ? &*print.record : nullptr, print.rows ? &*print.rows : nullptr,
                                    print.run);
  if (layout.error) {
    messages_.show(MessageIcon::Error, tr("Report"), QString::fromStdString(*layout.error));
    return false;
  }
  // The window's title without the export hint names the report when its
  // file gives it no title.
  auto pages = std::make_unique<ReportPages>(layout.html, print.run, WindowTitle.section(QStringLiteral(" - "), 0, 0));
  emit reportRun(ReportFileName, Destination);
  return present(std::move(pages), Destination);
}

bool ReportControl::preview(std::unique_ptr<ReportPages> pages, const QString& title) {
  WindowTitle = title;
  return present(std::move(pages), 0);
}

bool ReportControl::present(std::unique_ptr<ReportPages> pages, int destination) {
  if (destination == 1) {
    if (auto error = printDocument(*pages)) {
      messages_.show(MessageIcon::Information, tr("Printer"), QString::fromStdString(*error));
      return false;
    }
    return true;
  }
  auto* preview = new ReportPreviewWindow(std::move(pages), WindowTitle, messages_, previewParent);
  preview_ = preview;
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
  return true;
}

bool launchReport(ReportControl& control, const SessionState& state, const char* reportFile, const QString& title,
                  int choice, PrintData print) {
  control.ReportFileName = QString::fromStdString(state.shippedFile(reportFile));
  control.Data = std::move(print);
  if (choice == 0) {
    control.WindowTitle = title;
    control.Destination = 0;
  } else {
    control.Destination = 1;
  }
  return control.setAction(1);
}

}  // namespace quorin
