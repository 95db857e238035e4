#include "finance/loan_graph_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

namespace quorin {

LoanGraphWindow::LoanGraphWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmLoanGraph"));
  setWindowTitle(tr("Loan amortisation by year"));
  setAttribute(Qt::WA_DeleteOnClose);
  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  auto* view = new QChartView(chart_, this);
  view->setObjectName(QStringLiteral("chartView"));
  view->setRenderHint(QPainter::Antialiasing);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("cmdGraphClose"));
  close->setText(tr("&Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);  // Esc too
  layout->addWidget(buttons);
  setModal(false);
  resize(760, 500);
}

void LoanGraphWindow::LoanAmortGraph(const AnnualSchedule& schedule) {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  const int years = schedule.partYearFlag == 2 ? schedule.fullYears + 1 : schedule.fullYears;
  const int shown = std::min(years, schedule.lastYear());

  auto* capital = new QBarSet(tr("Capital"));
  auto* interest = new QBarSet(tr("Interest"));
  auto* balance = new QLineSeries;
  balance->setName(tr("Balance"));
  balance->setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2.5));  // apart from the bars' colours
  QStringList categories;
  double largestPayment = 0;
  double largestBalance = 0;
  for (int y = 0; y < shown; ++y) {
    const AmortLine& line = schedule.lines[static_cast<std::size_t>(y)];
    *capital << line.capital;
    *interest << line.interest;
    balance->append(y, line.balance);
    categories << QString::number(line.number);
    largestPayment = std::max(largestPayment, line.capital + line.interest);
    largestBalance = std::max(largestBalance, line.balance);
  }
  auto* bars = new QStackedBarSeries;
  bars->setName(tr("Payments"));
  bars->append(capital);
  bars->append(interest);
  chart_->addSeries(bars);
  chart_->addSeries(balance);

  auto* yearAxis = new QBarCategoryAxis;
  yearAxis->append(categories);
  yearAxis->setTitleText(tr("Year"));
  chart_->addAxis(yearAxis, Qt::AlignBottom);
  bars->attachAxis(yearAxis);
  balance->attachAxis(yearAxis);

  auto* paymentAxis = new QValueAxis;
  paymentAxis->setTitleText(tr("Paid in the year (R)"));
  paymentAxis->setRange(0, largestPayment > 0 ? largestPayment * 1.1 : 1);
  paymentAxis->applyNiceNumbers();  // ticks at round amounts
  paymentAxis->setLabelFormat(QStringLiteral("%.0f"));
  chart_->addAxis(paymentAxis, Qt::AlignLeft);
  bars->attachAxis(paymentAxis);

  auto* balanceAxis = new QValueAxis;
  balanceAxis->setTitleText(tr("Balance at year end (R)"));
  balanceAxis->setRange(0, largestBalance > 0 ? largestBalance * 1.1 : 1);
  balanceAxis->applyNiceNumbers();
  balanceAxis->setLabelFormat(QStringLiteral("%.0f"));
  chart_->addAxis(balanceAxis, Qt::AlignRight);
  balance->attachAxis(balanceAxis);

  chart_->setTitle(schedule.partYearFlag == 2
                       ? tr("%1 full years and a part year").arg(schedule.fullYears)
                       : tr("%1 full years").arg(schedule.fullYears));
}

}  // namespace quorin
