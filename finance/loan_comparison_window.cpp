#include "finance/loan_comparison_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "shell/session_state.h"
#include "common/twips.h"

namespace quorin {

LoanComparisonWindow::LoanComparisonWindow(WindowContext& context, QWidget* parent)
    : BusinessWindow(context, FinanceWindow::LoanComparison, tr("Loan Comparison"), parent) {
  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  LoanComparisonState& s = state().loanComparison;
  amount_ = addInput(grid, 0, tr("Bond amount"), "numBAmt");
  rate_ = addInput(grid, 1, tr("Interest rate"), "numIntRate", tr("%p.a."));
  connect(amount_, &EntryField::valueChanged, this, [&s](double v) { s.Amount = v; });
  connect(rate_, &EntryField::valueChanged, this, [&s](double v) { s.Rate = static_cast<float>(v); });

  grid_ = new QTableWidget(7, 4, this);
  grid_->setObjectName(QStringLiteral("grdPayments"));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont fixed(QStringLiteral("DejaVu Sans Mono"));
  fixed.setStyleHint(QFont::TypeWriter);
  grid_->setFont(fixed);
  body()->addWidget(grid_);

  addCalculateAndPrint();
  addOkAndPrintFrame();
  showInputs();
  Compare();
}

int LoanComparisonWindow::twipsToPixels(int twips) const { return quorin::twipsToPixels(twips, logicalDpiX()); }

void LoanComparisonWindow::showInputs() {
  const LoanComparisonState& s = state().loanComparison;
  amount_->setValue(s.Amount);
  rate_->setValue(s.Rate);
}

void LoanComparisonWindow::Compare() {
  result_ = CompareLoans(state().loanComparison.input());
  rebuildGrid();
}

void LoanComparisonWindow::rebuildGrid() {
  Busy busy;
  const std::vector<GridRow> rows = comparisonGrid(result_);
  grid_->setRowCount(static_cast<int>(rows.size()));
  grid_->setColumnCount(4);
  QFont bold = grid_->font();
  bold.setBold(true);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][static_cast<std::size_t>(c)]));
      // Headings of all columns and the cells of columns 1 to 3 are centred.
      if (r == 0 || c > 0) item->setTextAlignment(Qt::AlignCenter);
      if (r == 0) item->setFont(bold);
      grid_->setItem(static_cast<int>(r), c, item);
    }
  // Column 0 is 1.2 times the width of its heading; the others have their
  // set widths. No column is narrower than its widest text, heading included.
  const int labelWidth = static_cast<int>(
      std::lround(kComparisonLabelColumnFactor * grid_->fontMetrics().horizontalAdvance(QStringLiteral(" Period "))));
  const int setWidths[4] = {labelWidth, twipsToPixels(kComparisonRepaymentColumnWidth),
                            twipsToPixels(kComparisonTotalColumnWidth), twipsToPixels(kComparisonTotalColumnWidth)};
  const QFontMetrics plainMetrics(grid_->font());
  const QFontMetrics boldMetrics(bold);
  const int padding = 2 * grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 8;
  for (int c = 0; c < 4; ++c) {
    int widest = setWidths[c];
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const QString text = QString::fromStdString(rows[r][static_cast<std::size_t>(c)]);
      widest = std::max(widest, (r == 0 ? boldMetrics : plainMetrics).horizontalAdvance(text) + padding);
    }
    grid_->setColumnWidth(c, widest);
  }
  const int rowHeight = std::max(twipsToPixels(kComparisonTopRowHeight), grid_->fontMetrics().height() + 2);
  for (int r = 0; r < grid_->rowCount(); ++r) grid_->setRowHeight(r, rowHeight);
  int width = twipsToPixels(kComparisonGridExtraWidth) + 2 * grid_->frameWidth();
  for (int c = 0; c < 4; ++c) width += grid_->columnWidth(c);
  // The rows as they came out (the style may not make a row as low as asked).
  int height = 2 * grid_->frameWidth();
  for (int r = 0; r < grid_->rowCount(); ++r) height += grid_->rowHeight(r);
  grid_->setFixedSize(width, height);
}

void LoanComparisonWindow::activated() {
  showInputs();
  Compare();
}

std::optional<BusinessWindow::Printout> LoanComparisonWindow::printout() {
  return singleRecord(bondCompRecord(state().loanComparison.input(), result_), kBondCompReport, kBondCompTitle);
}

}  // namespace quorin
