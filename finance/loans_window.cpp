#include "finance/loans_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "finance/loan_graph_window.h"
#include "shell/session_state.h"
#include "widgets/print_frame.h"

namespace quorin {

namespace {
constexpr int kGridVisibleRows = 14;
constexpr int kGridFewestRows = 4;
}

LoansWindow::LoansWindow(WindowContext& context, QWidget* parent)
    : BusinessWindow(context, FinanceWindow::Loans, tr("Loans"), parent) {
  auto* modeFrame = new QGroupBox(tr("Calculate Mode"), this);
  modeFrame->setObjectName(QStringLiteral("fraCalcMode"));
  auto* modeLayout = new QHBoxLayout(modeFrame);
  for (int i = 0; i < 4; ++i) {
    const auto mode = static_cast<LoanMode>(i);
    optLoanCalc_[i] = new QRadioButton(QString::fromStdString(loanModeText(mode)), modeFrame);
    optLoanCalc_[i]->setObjectName(QStringLiteral("optLoanCalc_%1").arg(i));
    modeLayout->addWidget(optLoanCalc_[i]);
    connect(optLoanCalc_[i], &QRadioButton::clicked, this, [this, mode] { chooseMode(mode); });
  }
  body()->addWidget(modeFrame);

  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(new QLabel(tr("Calculate mode"), this));
  modeCaption_ = new QLabel(this);
  modeCaption_->setObjectName(QStringLiteral("lblCalcMode"));
  QFont bold = modeCaption_->font();
  bold.setBold(true);
  modeCaption_->setFont(bold);
  modeRow->addWidget(modeCaption_);
  modeRow->addStretch();
  body()->addLayout(modeRow);

  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  LoansState& s = state().loans;
  connect(addInput(grid, 0, tr("Principal amount"), "numPrinAmount"), &EntryField::valueChanged, this,
          [&s](double v) { s.Principal = v; });
  connect(addInput(grid, 1, tr("Period"), "numPeriod", tr("months.")), &EntryField::valueChanged, this,
          [&s](double v) { s.Period = v; });
  connect(addInput(grid, 2, tr("Interest rate"), "numIntRate", tr("% p.a.")), &EntryField::valueChanged, this,
          [&s](double v) { s.Rate = v; });
  connect(addInput(grid, 3, tr("Monthly repayment"), "numMonRePay"), &EntryField::valueChanged, this,
          [&s](double v) { s.Repayment = v; });

  error_ = new QLineEdit(tr("Error"), this);
  error_->setObjectName(QStringLiteral("Text1"));
  error_->setReadOnly(true);
  error_->setFocusPolicy(Qt::NoFocus);
  error_->setMaximumWidth(60);
  error_->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: red; font-weight: bold; }"));
  grid->addWidget(error_, 2, 3);
  error_->hide();

  finCharges_ = new QWidget(this);
  finCharges_->setObjectName(QStringLiteral("fraFinCharges"));
  auto* finGrid = new QGridLayout(finCharges_);
  finGrid->setContentsMargins(0, 0, 0, 0);
  ans1_ = addResult(finGrid, 0, 0, tr("Total Interest"), QStringLiteral("numAns1"));
  ans2_ = addResult(finGrid, 1, 0, tr("Total Repayments"), QStringLiteral("numAns2"));
  body()->addWidget(finCharges_);

  gridFrame_ = new QGroupBox(tr("Amortisation"), this);
  gridFrame_->setObjectName(QStringLiteral("fraGrid"));
  auto* gridLayout = new QVBoxLayout(gridFrame_);
  grid_ = new QTableWidget(gridFrame_);
  grid_->setObjectName(QStringLiteral("grdPayments"));
  grid_->setColumnCount(4);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  QFont fixed(QStringLiteral("DejaVu Sans Mono"));
  fixed.setStyleHint(QFont::TypeWriter);
  grid_->setFont(fixed);
  gridLayout->addWidget(grid_);
  auto* close = new QPushButton(tr("C&lose"), gridFrame_);
  close->setObjectName(QStringLiteral("cmdGridClose"));
  gridLayout->addWidget(close, 0, Qt::AlignRight);
  connect(close, &QPushButton::clicked, this, [this] {
    gridFrame_->hide();
    fitToContents();
  });
  body()->addWidget(gridFrame_);
  gridFrame_->hide();

  addCalculateAndPrint();
  connect(addButton(QStringLiteral("cmdMonAmort"), tr("Mo&nthly Amort.")), &QPushButton::clicked, this,
          [this] { showSchedule(ScheduleKind::Monthly); });
  connect(addButton(QStringLiteral("cmdAnnAmort"), tr("&Annual Amort.")), &QPushButton::clicked, this,
          [this] { showSchedule(ScheduleKind::Annual); });
  connect(addButton(QStringLiteral("cmdLoanGraph"), tr("Annual &Graph")), &QPushButton::clicked, this,
          &LoansWindow::cmdLoanGraph_Click);
  connect(addButton(QStringLiteral("cmdFinCharge"), tr("&Fin. charges")), &QPushButton::clicked, this,
          &LoansWindow::cmdFinCharge_Click);
  writeOnReportButton = true;
  printCondition = [this] { return loansPrintable(state().loans.terms()); };
  addOkAndPrintFrame();

  // The print frame's schedule choice.
  auto* frameGrid = static_cast<QGridLayout*>(printFrame()->layout());
  includeAmort_ = new QCheckBox(tr("Include Amortization"), printFrame());
  includeAmort_->setObjectName(QStringLiteral("chkIncAmort"));
  amortChoice_ = new QGroupBox(printFrame());
  amortChoice_->setObjectName(QStringLiteral("fraAmort"));
  auto* choiceLayout = new QHBoxLayout(amortChoice_);
  optAnnual_ = new QRadioButton(tr("Annual"), amortChoice_);
  optAnnual_->setObjectName(QStringLiteral("optAnnual"));
  optMonthly_ = new QRadioButton(tr("Monthly "), amortChoice_);
  optMonthly_->setObjectName(QStringLiteral("optMonthly"));
  choiceLayout->addWidget(optAnnual_);
  choiceLayout->addWidget(optMonthly_);
  amortChoice_->setEnabled(false);
  frameGrid->addWidget(includeAmort_, 10, 0);
  frameGrid->addWidget(amortChoice_, 10, 1, 1, 2);
  connect(includeAmort_, &QCheckBox::toggled, this, [this](bool on) {
    amortChoice_->setEnabled(on);
    if (on) optAnnual_->setChecked(true);
  });

  // Opening shows the last mode, values and finance charges.
  applyMode();
  showTerms();
  showFinanceCharges();
}

EntryField* LoansWindow::termField(const char* name) const { return field<EntryField>(QString::fromLatin1(name)); }

void LoansWindow::chooseMode(LoanMode mode) {
  state().loans.setMode(mode);
  applyMode();
  const char* first = mode == LoanMode::PrincipalAmount ? "numPeriod" : "numPrinAmount";
  termField(first)->setFocus(Qt::OtherFocusReason);
}

void LoansWindow::applyMode() {
  const LoanMode mode = state().loans.mode();
  optLoanCalc_[static_cast<int>(mode)]->setChecked(true);
  modeCaption_->setText(QString::fromStdString(loanModeText(mode)));
  const QString solved = QString::fromLatin1(loanSolvedField(mode));
  for (const char* name : {"numPrinAmount", "numPeriod", "numIntRate", "numMonRePay"}) {
    EntryField* f = termField(name);
    const bool isSolved = f->objectName() == solved;
    f->setReadOnly(isSolved);
    f->setFocusPolicy(isSolved ? Qt::NoFocus : Qt::StrongFocus);
    f->setStyleSheet(isSolved ? QStringLiteral("QLineEdit { background: yellow; }")
                              : QStringLiteral("QLineEdit { background: white; }"));
  }
}

void LoansWindow::showTerms() {
  const LoansState& s = state().loans;
  termField("numPrinAmount")->setValue(s.Principal);
  termField("numPeriod")->setValue(s.Period);
  termField("numIntRate")->setValue(s.Rate);
  termField("numMonRePay")->setValue(s.Repayment);
}

void LoansWindow::showFinanceCharges() {
  const bool shown = state().loans.finChargesShown();
  finCharges_->setVisible(shown);
  if (!shown) return;
  const FinanceCharges c = financeCharges(state().loans.terms());
  ans1_->setValue(c.totalInterest);
  ans2_->setValue(c.totalRepayments);
}

void LoansWindow::LoanCalc() {
  error_->hide();
  LoansState& s = state().loans;
  const LoanResult r = quorin::LoanCalc(s.mode(), s.terms());
  s.setTerms(r.terms);
  showTerms();
  if (r.errorShown) {
    error_->show();
    error_->raise();
  }
  showFinanceCharges();
}

void LoansWindow::cmdFinCharge_Click() {
  LoansState& s = state().loans;
  s.FinChargesFlag = s.finChargesShown() ? "UP" : "DOWN";
  showFinanceCharges();
}

void LoansWindow::showSchedule(ScheduleKind kind) {
  const LoanTerms t = state().loans.terms();
  const bool offered = kind == ScheduleKind::Monthly ? monthlyScheduleOffered(t) : annualScheduleOffered(t);
  if (!offered) {
    gridFrame_->hide();
    termField("numPrinAmount")->setFocus(Qt::OtherFocusReason);
    return;
  }
  Busy busy;
  const std::vector<AmortLine> lines =
      kind == ScheduleKind::Monthly ? buildMonthlySchedule(t).lines : CalcAnnAmort(t).lines;
  const std::vector<GridRow> rows = scheduleGrid(kind, lines);
  grid_->clear();
  grid_->setRowCount(static_cast<int>(rows.size()) - 1);
  QStringList headings;
  for (const std::string& h : rows.front()) headings << QString::fromStdString(h);
  grid_->setHorizontalHeaderLabels(headings);
  for (std::size_t r = 1; r < rows.size(); ++r)
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][static_cast<std::size_t>(c)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(static_cast<int>(r) - 1, c, item);
    }
  grid_->resizeColumnsToContents();
  grid_->resizeRowsToContents();
  // Every column shown; up to a screenful of rows where the main window has
  // room, fewer (the grid scrolls) where it has not.
  int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < 4; ++c) width += grid_->columnWidth(c);
  const int header = 2 * grid_->frameWidth() + grid_->horizontalHeader()->sizeHint().height();
  const int rowHeight = grid_->rowCount() > 0 ? grid_->rowHeight(0) : grid_->fontMetrics().height();
  grid_->setMinimumSize(width, header + rowHeight * std::min(grid_->rowCount(), kGridFewestRows));
  grid_->setMaximumHeight(header + rowHeight * std::min(grid_->rowCount(), kGridVisibleRows));
  grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  gridFrame_->setTitle(kind == ScheduleKind::Monthly ? tr("Monthly amortisation") : tr("Annual amortisation"));
  gridFrame_->show();
  fitToContents(Fit::Grow);
}

void LoansWindow::cmdLoanGraph_Click() {
  const LoanTerms t = state().loans.terms();
  if (!annualScheduleOffered(t)) {
    termField("numPrinAmount")->setFocus(Qt::OtherFocusReason);
    return;
  }
  Busy busy;
  const AnnualSchedule schedule = CalcAnnAmort(t);
  if (!graph_) graph_ = new LoanGraphWindow(this);
  graph_->LoanAmortGraph(schedule);
  graph_->show();
  graph_->raise();
}

std::optional<BusinessWindow::Printout> LoansWindow::printout() {
  ScheduleKind schedule = ScheduleKind::None;
  if (includeAmort_->isChecked()) schedule = optMonthly_->isChecked() ? ScheduleKind::Monthly : ScheduleKind::Annual;
  const LoansState& s = state().loans;
  std::optional<LoansPrintout> p = PrintLoans(s.mode(), s.terms(), s.finChargesShown(), schedule);
  if (!p) return std::nullopt;
  return Printout{std::move(p->loans), std::move(p->amort), std::move(p->report)};
}

}  // namespace quorin
