#include "report/report_preview_window.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

#include "report/report_document.h"
#include "widgets/message_sink.h"

namespace quorin {

ReportPreviewWindow::ReportPreviewWindow(std::unique_ptr<ReportPages> pages, const QString& title,
                                         MessageSink& messages, QWidget* parent)
    : QMainWindow(parent, Qt::Window), pages_(std::move(pages)), messages_(messages) {
  setObjectName(QStringLiteral("ReportPreview"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setPageLayout(ReportPages::pageLayout());
  printer_->setDocName(pages_->title());
  view_ = new QPrintPreviewWidget(printer_.get(), this);
  connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { pages_->paint(*p); });
  setCentralWidget(view_);

  QToolBar* bar = addToolBar(tr("Report"));
  bar->setMovable(false);
  QAction* exportAction = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("&Export PDF..."));
  exportAction->setObjectName(QStringLiteral("actExport"));
  exportAction->setToolTip(tr("Export the report to a PDF file"));
  connect(exportAction, &QAction::triggered, this, &ReportPreviewWindow::askAndExport);
  QAction* printAction = bar->addAction(tr("&Print..."));
  printAction->setObjectName(QStringLiteral("actPrint"));
  connect(printAction, &QAction::triggered, this, &ReportPreviewWindow::printWithDialog);
  bar->addSeparator();
  connect(bar->addAction(tr("Zoom &in")), &QAction::triggered, view_, [this] { view_->zoomIn(); });
  connect(bar->addAction(tr("Zoom &out")), &QAction::triggered, view_, [this] { view_->zoomOut(); });
  connect(bar->addAction(tr("&Fit width")), &QAction::triggered, view_, [this] { view_->fitToWidth(); });
  bar->addSeparator();
  connect(bar->addAction(tr("&Close")), &QAction::triggered, this, &QWidget::close);
  resize(820, 900);
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

int ReportPreviewWindow::pageCount() const {
  view_->updatePreview();
  return view_->pageCount();
}

std::optional<std::string> ReportPreviewWindow::exportPdf(const QString& path) {
  return writeReportPdf(*pages_, path.toStdString());
}

QString ReportPreviewWindow::suggestedExportPath() const {
  // A title makes a file name once the characters no file name should hold are gone.
  QString name = pages_->title();
  static const QRegularExpression unsafe(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f]+)"));
  name.replace(unsafe, QStringLiteral(" "));
  name = name.simplified();
  if (name.isEmpty()) name = QStringLiteral("Report");
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void ReportPreviewWindow::askAndExport() {
  QString path =
      QFileDialog::getSaveFileName(this, tr("Export report"), suggestedExportPath(), tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (auto error = exportPdf(path)) messages_.show(MessageIcon::Error, tr("Export report"), QString::fromStdString(*error));
}

void ReportPreviewWindow::printWithDialog() {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    messages_.show(MessageIcon::Information, tr("Printer"),
                   tr("No printer is installed. Use Export PDF to save the report as a PDF file."));
    return;
  }
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  printer.setDocName(pages_->title());
  if (dialog.exec() == QDialog::Accepted && !pages_->paint(printer))
    messages_.show(MessageIcon::Information, tr("Printer"), tr("The printer could not be used."));
}

}  // namespace quorin
