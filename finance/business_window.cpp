#include "finance/business_window.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "report/report_control.h"
#include "widgets/print_frame.h"
#include "widgets/spin_button.h"

namespace quorin {

BusinessWindow::BusinessWindow(WindowContext& context, FinanceWindow which, const QString& caption,
                               QWidget* parent)
    : CalculatorWindow(context, QString::fromLatin1(financeWindowName(which)), caption, parent),
      beeper([] { QApplication::beep(); }),
      which_(which) {}

EntryField* BusinessWindow::addInput(QGridLayout* grid, int row, const QString& caption, const char* name,
                                     const QString& unit) {
  EntryField* f = addField(grid, row, 0, caption, QString::fromLatin1(name), financeFieldLimit(which_, name));
  if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, this), row, 2);
  return f;
}

SpinButton* BusinessWindow::addSpin(QGridLayout* grid, int row, const char* name) {
  auto* spin = new SpinButton(QString::fromLatin1(name), this);
  grid->addWidget(spin, row, 3);
  return spin;
}

void BusinessWindow::addCalculateAndPrint() {
  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this, [this] {
    if (!acceptInputs()) return;
    Busy busy;
    calculate();
  });
  connect(addButton(QStringLiteral("cmdPrint"), tr("&Print")), &QPushButton::clicked, this,
          &BusinessWindow::cmdPrint_Click);
}

void BusinessWindow::addOkAndPrintFrame() {
  ok_ = addButton(QStringLiteral("cmdOK"), tr("&OK"));
  connect(ok_, &QPushButton::clicked, this, &QWidget::close);
  PrintFrame::Options options;
  options.cancelName = QStringLiteral("cmdPrintCancel");
  options.cancelCaption = tr("C&ancel");
  frame_ = new PrintFrame(options, this);
  addFrame(frame_);
  connect(frame_, &PrintFrame::viewRequested, this, [this] { runReport(0); });
  connect(frame_, &PrintFrame::printRequested, this, [this] { runReport(1); });
  connect(frame_, &PrintFrame::cancelled, this, [this] { hideFrame(frame_); });
}

void BusinessWindow::cmdPrint_Click() {
  if (writeOnReportButton) {
    if (printCondition && !printCondition()) return focusOk();
    showFrame(frame_);
    return;
  }
  std::optional<Printout> p = printout();
  if (!p) return focusOk();
  {
    Busy busy;
    if (!write(*p)) return;
  }
  pending_ = p->report;
  pendingRecord_ = std::move(p->record);
  pendingRows_ = std::move(p->rows);
  showFrame(frame_);
}

bool BusinessWindow::write(const Printout& p) {
  if (p.record && !writeRecord(*p.record)) return false;
  if (p.rows && !writeRows(*p.rows)) return false;
  return true;
}

void BusinessWindow::runReport(int choice) {
  Busy busy;
  if (writeOnReportButton) {
    std::optional<Printout> p = printout();
    if (!p) {
      hideFrame(frame_);
      return;
    }
    pending_ = p->report;
    pendingRecord_ = std::move(p->record);
    pendingRows_ = std::move(p->rows);
  }
  // An empty title leaves the report control's title as it stands.
  const QString title =
      pending_.title.empty() ? context().report.WindowTitle : QString::fromStdString(pending_.title);
  Print print;
  print.record = pendingRecord_;
  print.rows = pendingRows_;
  this->print(pending_.file.c_str(), title, choice, std::move(print));
  hideFrame(frame_);
}


std::optional<BusinessWindow::Printout> BusinessWindow::singleRecord(std::optional<FeedRecord> record,
                                                                     const char* reportFile, const char* title) {
  if (!record) return std::nullopt;
  return Printout{std::move(record), std::nullopt, {reportFile, title}};
}

void BusinessWindow::beep() {
  if (beeper) beeper();
}

void BusinessWindow::focusOk() {
  if (ok_) ok_->setFocus(Qt::OtherFocusReason);
}

}  // namespace quorin
