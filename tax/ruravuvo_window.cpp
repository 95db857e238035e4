#include "tax/ruravuvo_window.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "shell/session_state.h"
#include "shell/window_catalogue.h"
#include "widgets/print_frame.h"

namespace quorin {

RuravUvoWindow::RuravUvoWindow(WindowContext& context, QWidget* parent)
    : CalculatorWindow(context, QStringLiteral("frmKwikTax"), tr("RuravUvo"), parent) {
  auto* grid = new QGridLayout;
  body()->addLayout(grid);
  const FieldLimit income{FieldKind::Amount, -99999999999.0, 99999999999.0, 2};
  const FieldLimit age{FieldKind::Whole, 0, 32767, 0};

  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::TypeWriter);
  auto name = [](int i) { return QStringLiteral("sidbEdit1_%1").arg(i); };

  sidbEdit1_[0] = addField(grid, 0, 0, tr("Taxable Income"), name(0), income);
  sidbEdit1_[1] = addField(grid, 1, 0, tr("Age"), name(1), age);
  sidbEdit1_[2] = addResult(grid, 2, 0, tr("Tax on taxable income   R"), name(2));
  // "+ Portion @ M/Rate (" rate "%) R" portion
  auto* portionLabel = new QLabel(tr("+ Portion @ M/Rate ("), this);
  grid->addWidget(portionLabel, 3, 0);
  sidbEdit1_[3] = EntryField::display(name(3), 2, this);
  sidbEdit1_[3]->setCaption(portionLabel);
  sidbEdit1_[3]->setCaption(tr("Marginal rate %"));
  auto* portionRow = new QHBoxLayout;
  portionRow->addWidget(sidbEdit1_[3]);
  portionRow->addWidget(new QLabel(tr("%) R"), this));
  sidbEdit1_[4] = EntryField::display(name(4), 2, this);
  sidbEdit1_[4]->setCaption(tr("Portion @ M/Rate R"));
  portionRow->addWidget(sidbEdit1_[4]);
  grid->addLayout(portionRow, 3, 1);
  sidbEdit1_[5] = addResult(grid, 4, 0, tr("Total tax   R"), name(5));
  sidbEdit1_[6] = addResult(grid, 5, 0, tr("Less rebates   R"), name(6));
  sidbEdit1_[7] = addResult(grid, 6, 0, tr("Tax commitment   R"), name(7));
  sidbEdit1_[8] = addResult(grid, 7, 0, tr("Average rate before rebates %"), name(8));
  sidbEdit1_[9] = addResult(grid, 8, 0, tr("Average rate after rebates %"), name(9));
  for (auto* f : sidbEdit1_) f->setFont(fixed);

  RuravUvoState& s = state().ruravuvo;
  connect(sidbEdit1_[0], &EntryField::valueChanged, this, [&s](double v) {
    s.TaxableIncome = v;
    s.PrintedIncome = v;
  });
  connect(sidbEdit1_[1], &EntryField::valueChanged, this,
          [&s](double v) { s.Age = static_cast<std::int16_t>(std::nearbyint(v)); });

  PrintFrame::Options printOptions{QStringLiteral("Frame1")};
  printOptions.workingChoice = true;
  frame_ = new PrintFrame(printOptions, this);
  addFrame(frame_);
  connect(frame_, &PrintFrame::viewRequested, this, [this] { printTo(0); });
  connect(frame_, &PrintFrame::printRequested, this, [this] { printTo(1); });
  connect(frame_, &PrintFrame::cancelled, this, [this] { hideFrame(frame_); });

  connect(addButton(QStringLiteral("cmdCalculate"), tr("&Calculate")), &QPushButton::clicked, this,
          &RuravUvoWindow::cmdCalculate_Click);
  connect(addButton(QStringLiteral("cmPrint"), tr("&Print")), &QPushButton::clicked, this,
          [this] { showFrame(frame_); });
  addWorkingButton();
  connect(addButton(QStringLiteral("cmdOk"), tr("&OK")), &QPushButton::clicked, this, &QWidget::close);
  // Opened, it shows the figures of the session's income at once, whether
  // or not the main window is active then.
  activated();
}

void RuravUvoWindow::cmdCalculate_Click() {
  if (!acceptFields()) return;
  RuravUvoState& s = state().ruravuvo;
  s.PrintedIncome = s.TaxableIncome;
  NEWCALC(s, taxYear(), recordWorking());
  keepWorking();
  showFigures();
}

void RuravUvoWindow::showFigures() {
  RuravUvoFields f = ruravUvoFields(state().ruravuvo);
  for (int i = 0; i < 10; ++i)
    if (!sidbEdit1_[i]->hasFocus() || sidbEdit1_[i]->isReadOnly()) sidbEdit1_[i]->setValue(f.values[i]);
}

void RuravUvoWindow::activated() {
  NEWCALC(state().ruravuvo, taxYear(), recordWorking());
  keepWorking();
  showFigures();
}

void RuravUvoWindow::KwikTaxPrint() {
  Print p;
  p.record = kwikTaxRecord(state().ruravuvo);
  p.taxYear = true;
  p.working = workingToPrint(frame_->printWorking());
  print(kKwikTaxReport, QString::fromLatin1(kKwikTaxTitle), state().PrintChoice, std::move(p));
}

void RuravUvoWindow::printTo(int choice) {
  state().PrintChoice = static_cast<std::int16_t>(choice);
  {
    Busy busy;
    KwikTaxPrint();
  }
  hideFrame(frame_);
}

void addTaxWindows(WindowCatalogue& catalogue) {
  catalogue.add(QStringLiteral("frmKwikTax"), [](WindowContext& c) { return new RuravUvoWindow(c); });
}

}  // namespace quorin
