// The help viewer "Quorin Help": the user manual (a PDF beside the program)
// in a scrolling page view.
#pragma once

#include <QString>
#include <QWidget>

class QPdfDocument;
class QPdfView;

namespace quorin {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Opens the manual at once. A missing or unreadable file is not reported:
  // the view simply stays empty.
  explicit HelpWindow(const QString& manualPdfPath, QWidget* parent = nullptr);

  QPdfDocument* document() const { return document_; }
  QPdfView* view() const { return view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void sizeView();

  QPdfDocument* document_;
  QPdfView* view_;
};

}  // namespace quorin
