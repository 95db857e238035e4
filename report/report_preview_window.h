// The preview of a laid-out report, with export to PDF and printing.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

class QTextDocument;
class QPrintPreviewWidget;
class QPrinter;

namespace quorin {

class MessageSink;

class ReportPreviewWindow : public QMainWindow {
  Q_OBJECT
 public:
  ReportPreviewWindow(std::unique_ptr<QTextDocument> document, const QString& title, MessageSink& messages,
                      QWidget* parent = nullptr);
  ~ReportPreviewWindow() override;

  // Writes the report as a PDF file; returns the error text on failure.
  std::optional<std::string> exportPdf(const QString& path);
  QTextDocument& document() { return *document_; }
  int pageCount() const;

 private:
  void askAndExport();
  void printWithDialog();

  std::unique_ptr<QTextDocument> document_;
  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* view_;
  MessageSink& messages_;
};

}  // namespace quorin
