// The "Annual &Graph" window of the loans calculator: the capital and
// interest paid in each year as stacked bars and the balance at the end of
// each year as a line, drawn with Qt Charts from the annual schedule. A
// dialog of the loans window, centred on it, closed with "&Close" or Esc.
#pragma once

#include <QDialog>

#include "finance/amortisation.h"

class QChart;

namespace quorin {

class LoanGraphWindow : public QDialog {
  Q_OBJECT
 public:
  explicit LoanGraphWindow(QWidget* parent = nullptr);

  // Draws the years of the schedule (the full years and, when the part-year
  // flag is 2, the part year after them).
  void LoanAmortGraph(const AnnualSchedule& schedule);

  QChart* chart() const { return chart_; }

 private:
  QChart* chart_;
};

}  // namespace quorin
