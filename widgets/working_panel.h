// The working panel of a calculator window (fraWorking): the steps of the
// last calculation in a scrollable page (txtWorking), "&View/Export report"
// (cmdWorkingView) to preview, print or export them, and "C&lose"
// (cmdWorkingClose). The window keeps the working; the panel shows it.
#pragma once

#include <QGroupBox>

class QPushButton;
class QTextBrowser;

namespace quorin {

class Working;

class WorkingPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit WorkingPanel(QWidget* parent = nullptr);

  // Shows the working (nullptr or empty: that nothing was calculated yet).
  void setWorking(const Working* working);

  QTextBrowser* text() const { return text_; }

 signals:
  void viewRequested();
  void closeRequested();

 private:
  QTextBrowser* text_;
  QPushButton* view_;
};

}  // namespace quorin
