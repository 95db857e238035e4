// The field kit: one line-edit field for amounts, whole numbers, dates and
// texts, with the limits of its FieldLimit. What the user types or pastes
// stays as typed. The field keeps the last accepted value; a text that is
// not a number of the field's kind (a fraction in a whole-number field, a
// comma, a letter) or lies outside the limits is not taken, and when the
// user leaves the field it announces the refusal (the window shows the
// message and gives the focus back). A field is never laid out narrower
// than its figures. Display fields show results with the
// window masks ("0.00", "0.000", whole numbers), dot decimal, whatever the
// desktop locale.
#pragma once

#include <QLineEdit>

class QLabel;
#include <optional>

#include "common/field_limits.h"

namespace quorin {

class EntryField : public QLineEdit {
  Q_OBJECT
 public:
  EntryField(const QString& name, const FieldLimit& limit, QWidget* parent = nullptr);

  // A read-only result field showing numbers with the given decimals.
  static EntryField* display(const QString& name, int decimals, QWidget* parent = nullptr);

  double value() const { return value_; }
  int dayNumber() const { return static_cast<int>(value_); }
  void setValue(double v);  // shows the value with the field's mask
  void setDayNumber(int day) { setValue(day); }

  const FieldLimit& limit() const { return limit_; }
  // A new limit keeps the field's caption when it brings none.
  void setLimit(const FieldLimit& limit);

  // The caption the window shows beside the field: its accessible name (a
  // screen reader says "Total tax deduction 4 783.08") and the first words
  // of its refusals. The label is tied to the field (its buddy).
  void setCaption(const QString& caption);
  void setCaption(QLabel* label);
  QString caption() const { return caption_; }
  // The caption as a screen reader and a message say it: no access-key
  // ampersand, no line breaks, no trailing colon.
  static QString plainCaption(const QString& text);

  // Why the current text is refused, if it is.
  std::optional<Refusal> refusal() const;
  bool isDisplay() const { return isReadOnly(); }

  QString maskedText(double v) const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 signals:
  void valueChanged(double value);
  void entered();  // the field got the focus
  void refused(const quorin::Refusal& refusal);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void onTextEdited();
  void onEditingFinished();

  FieldLimit limit_;
  QString caption_;
  double value_ = 0;
  bool announcing_ = false;
};

}  // namespace quorin
