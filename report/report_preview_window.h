// The preview of a laid-out report, with export to PDF and printing: the
// pages it shows are the pages that print and export.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

class QPrintPreviewWidget;
class QPrinter;

namespace quorin {

class MessageSink;
class ReportPages;

class ReportPreviewWindow : public QMainWindow {
  Q_OBJECT
 public:
  ReportPreviewWindow(std::unique_ptr<ReportPages> pages, const QString& title, MessageSink& messages,
                      QWidget* parent = nullptr);
  ~ReportPreviewWindow() override;

  // Writes the report as a PDF file; returns the error text on failure.
  std::optional<std::string> exportPdf(const QString& path);
  const ReportPages& pages() const { return *pages_; }
  // The pages the preview shows.
  int pageCount() const;
  // The file an export proposes: the report's title in the documents folder.
  QString suggestedExportPath() const;

 private:
  void askAndExport();
  void printWithDialog();

  std::unique_ptr<ReportPages> pages_;
  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* view_;
  MessageSink& messages_;
};

}  // namespace quorin
