#include "shell/help_window.h"

#include <QPdfDocument>
#include <QPdfView>
#include <QResizeEvent>

#include "shell/help_view_size.h"

namespace quorin {

HelpWindow::HelpWindow(const QString& manualPdfPath, QWidget* parent)
    : QWidget(parent), document_(new QPdfDocument(this)), view_(new QPdfView(this)) {
  setObjectName(QStringLiteral("frmHelpBrowser"));
  setWindowTitle(tr("Quorin Help"));

  view_->setObjectName(QStringLiteral("webBrowser"));
  view_->setPageMode(QPdfView::PageMode::MultiPage);
  view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  view_->setDocument(document_);

  // The viewer shows what it can; a failed load leaves it empty.
  document_->load(manualPdfPath);

  resize(760, 560);
  sizeView();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  sizeView();
}

// The view fills the inner area less a margin of 100 twips to the right and
// below, measured at this window's own dots per inch.
void HelpWindow::sizeView() {
  const QRect inner = contentsRect();
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  const HelpViewSize size = helpViewSize(pixelsToTwips(inner.width(), dpiX), pixelsToTwips(inner.height(), dpiY));
  view_->setGeometry(inner.left(), inner.top(), twipsToPixels(size.widthTwips, dpiX),
                     twipsToPixels(size.heightTwips, dpiY));
}

}  // namespace quorin
