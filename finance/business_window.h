// The common frame of the business calculators (loans, loan buster, loan
// comparison, inflation, daily balance): the buttons "&Calculate",
// "&Print" and "&OK", and the print frame fraPrint whose buttons run the
// report. "&Print" writes the printout and shows the frame; when the
// window's print condition fails nothing is written, no frame shows and the
// focus goes to "&OK".
#pragma once

#include <functional>
#include <optional>

#include "finance/finance_fields.h"
#include "finance/finance_records.h"
#include "widgets/calculator_window.h"

class QPushButton;

namespace quorin {

class PrintFrame;
class SpinButton;

class BusinessWindow : public CalculatorWindow {
  Q_OBJECT
 public:
  BusinessWindow(WindowContext& context, FinanceWindow which, const QString& caption, QWidget* parent = nullptr);

  // Sounds the spin buttons' beep; tests replace it to count beeps.
  std::function<void()> beeper;

  void cmdPrint_Click();

 protected:
  // What a print writes now; nothing when the print condition fails.
  struct Printout {
    std::optional<FeedRecord> record;
    std::optional<FeedRows> rows;
    ReportChoice report;
  };
  virtual std::optional<Printout> printout() = 0;
  virtual void calculate() = 0;
  // The printout of a single-row record, nothing when there is no record.
  static std::optional<Printout> singleRecord(std::optional<FeedRecord> record, const char* reportFile,
                                              const char* title);
  // Checks the typed inputs before "&Calculate" (every field by default).
  virtual bool acceptInputs() { return acceptFields(); }

  // A field of this window with its caption and its limit from the
  // business calculators' limits table.
  EntryField* addInput(QGridLayout* grid, int row, const QString& caption, const char* name,
                       const QString& unit = {});
  // A spin button placed beside a field in the grid (column 3).
  SpinButton* addSpin(QGridLayout* grid, int row, const char* name);

  // The buttons "&Calculate" and "&Print", then extra buttons, then "&OK".
  void addCalculateAndPrint();
  void addOkAndPrintFrame();

  // Set before addOkAndPrintFrame: the printout is made and written when a
  // report button is pressed, not by "&Print" (the loans window, whose
  // frame holds the schedule choice). "&Print" then only checks that the
  // print condition holds.
  bool writeOnReportButton = false;
  std::function<bool()> printCondition;

  void beep();
  void focusOk();
  PrintFrame* printFrame() const { return frame_; }

 private:
  bool write(const Printout& p);
  void runReport(int choice);

  FinanceWindow which_;
  PrintFrame* frame_ = nullptr;
  QPushButton* ok_ = nullptr;
  // What "&Print" wrote: the report runs from it (written again with the
  // reading, so that it shows this window's figures whatever printed since).
  ReportChoice pending_;
  std::optional<FeedRecord> pendingRecord_;
  std::optional<FeedRows> pendingRows_;
};

}  // namespace quorin
