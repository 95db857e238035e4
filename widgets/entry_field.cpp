#include "widgets/entry_field.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <cmath>

#include "shell/day_number.h"
#include "shell/money.h"

namespace quorin {

namespace {

QValidator* validatorFor(const FieldLimit& limit, QObject* parent) {
  QString pattern;
  switch (limit.kind) {
    case FieldKind::Date:
      pattern = QStringLiteral(R"([0-9/]{0,10})");
      break;
    case FieldKind::Whole:
      pattern = limit.minimum < 0 ? QStringLiteral(R"(-?[0-9 ]*)") : QStringLiteral(R"([0-9 ]*)");
      break;
    case FieldKind::Amount:
      pattern = limit.minimum < 0 ? QStringLiteral(R"(-?[0-9 ]*\.?[0-9]*)") : QStringLiteral(R"([0-9 ]*\.?[0-9]*)");
      break;
    case FieldKind::Text:
      return nullptr;
  }
  return new QRegularExpressionValidator(QRegularExpression(pattern), parent);
}

}  // namespace

EntryField::EntryField(const QString& name, const FieldLimit& limit, QWidget* parent) : QLineEdit(parent) {
  setObjectName(name);
  setLimit(limit);
  setAlignment(limit.kind == FieldKind::Text ? Qt::AlignLeft : Qt::AlignRight);
  connect(this, &QLineEdit::textChanged, this, &EntryField::onTextEdited);
  connect(this, &QLineEdit::editingFinished, this, &EntryField::onEditingFinished);
}

EntryField* EntryField::display(const QString& name, int decimals, QWidget* parent) {
  FieldLimit limit{FieldKind::Amount, -1e300, 1e300, decimals};
  auto* field = new EntryField(name, limit, parent);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  field->setStyleSheet(QStringLiteral("QLineEdit { background: #f0f0f0; }"));
  field->setValue(0);
  return field;
}

void EntryField::setLimit(const FieldLimit& limit) {
  limit_ = limit;
  delete validator();
  setValidator(validatorFor(limit, this));
  if (limit.kind == FieldKind::Text && limit.maxLength > 0) setMaxLength(limit.maxLength);
}

QString EntryField::maskedText(double v) const {
  switch (limit_.kind) {
    case FieldKind::Date:
      return QString::fromStdString(formatDay(static_cast<int>(v)));
    case FieldKind::Whole:
      return QString::fromStdString(formatFixed(v, 0));
    case FieldKind::Amount:
      return QString::fromStdString(formatFixed(v, limit_.decimals));
    case FieldKind::Text:
      break;
  }
  return text();
}

void EntryField::setValue(double v) {
  value_ = v;
  const QSignalBlocker block(this);
  setText(maskedText(v));
}

std::optional<Refusal> EntryField::refusal() const {
  if (limit_.kind == FieldKind::Text || isReadOnly()) return std::nullopt;
  const std::string typed = text().toStdString();
  if (limit_.kind != FieldKind::Date && !parseNumber(typed)) return std::nullopt;  // counts as 0
  double unused = 0;
  return checkText(objectName().toStdString(), limit_, typed, unused);
}

void EntryField::onTextEdited() {
  if (limit_.kind == FieldKind::Text || isReadOnly()) return;
  const std::string typed = text().toStdString();
  double v = 0;
  if (limit_.kind != FieldKind::Date) {
    auto number = parseNumber(typed);
    if (!number) {  // a lone "-" or "." counts as 0
      value_ = 0;
      emit valueChanged(value_);
      return;
    }
  }
  if (checkText(objectName().toStdString(), limit_, typed, v)) return;  // not taken
  if (limit_.kind == FieldKind::Whole) v = std::nearbyint(v);
  value_ = v;
  emit valueChanged(value_);
}

void EntryField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (!isReadOnly() && event->reason() != Qt::PopupFocusReason)
    QTimer::singleShot(0, this, [this] { selectAll(); });  // typing replaces the shown value
}

void EntryField::onEditingFinished() {
  if (announcing_) return;
  if (auto r = refusal()) {
    announcing_ = true;
    emit refused(*r);
    announcing_ = false;
  }
}

}  // namespace quorin
