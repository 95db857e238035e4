// The print frame of a calculator: "&View/Export report", "P&rint directly
// to printer" and a cancel button, with, for the pay-period calculators, the
// English/Afrikaans choice and the employee name, and for the calculators
// that show their working, "Print the workin&g" (the working on pages after
// the printout).
#pragma once

#include <QGroupBox>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace quorin {

class EntryField;

class PrintFrame : public QGroupBox {
  Q_OBJECT
 public:
  struct Options {
    QString name = QStringLiteral("fraPrint");
    bool languageChoice = false;  // Option1 "&English print", Option2 "&Afrikaans print"
    bool employeeName = false;    // at most 50 characters
    QString nameField = QStringLiteral("Text1");
    QString nameCaption = QStringLiteral("Employee name :");
    QString cancelName = QStringLiteral("cmdCancel");
    QString cancelCaption = QStringLiteral("&Cancel");
    bool workingChoice = false;  // chkWorking "Print the workin&g", unticked at first
  };
  PrintFrame(const Options& options, QWidget* parent = nullptr);

  // 0 English, 1 Afrikaans, -1 neither chosen.
  int language() const;
  QString employeeName() const;
  // Whether the working is to follow the printout.
  bool printWorking() const;

  QPushButton* viewButton() const { return view_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* cancelButton() const { return cancel_; }

 signals:
  void viewRequested();
  void printRequested();
  void cancelled();

 private:
  QPushButton* view_;
  QPushButton* print_;
  QPushButton* cancel_;
  QRadioButton* english_ = nullptr;
  QRadioButton* afrikaans_ = nullptr;
  EntryField* name_ = nullptr;
  QCheckBox* working_ = nullptr;
};

}  // namespace quorin
