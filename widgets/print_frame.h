// The print frame of a calculator: "&View/Export report", "P&rint directly
// to printer" and a cancel button, with, for the pay-period calculators, the
// English/Afrikaans choice and the employee name.
#pragma once

#include <QGroupBox>

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
  };
  PrintFrame(const Options& options, QWidget* parent = nullptr);

  // 0 English, 1 Afrikaans, -1 neither chosen.
  int language() const;
  QString employeeName() const;

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
};

}  // namespace quorin
