#include "widgets/entry_field.h"

#include <QFocusEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

namespace {

// What the widest typical text of a field looks like, so that no layout
// squeezes a field below the width of its figures.
QString sampleText(const FieldLimit& limit) {
  switch (limit.kind) {
    case FieldKind::Date:
      return QStringLiteral("00/00/00000");
    case FieldKind::Text:
      return QString(std::clamp(limit.maxLength, 8, 20), QLatin1Char('x'));
    case FieldKind::Whole:
    case FieldKind::Amount:
      break;
  }
  const double largest = std::min(std::max(std::fabs(limit.maximum), std::fabs(limit.minimum)), 999999999.0);
  const int decimals = limit.kind == FieldKind::Whole ? 0 : limit.decimals;
  return QString::fromStdString(formatGrouped(largest, decimals)).replace(QRegularExpression("[1-9]"), "0") +
         (limit.minimum < 0 ? QStringLiteral("-") : QString());
}

bool lonePunctuation(const std::string& typed) {
  std::string compact;
  for (char c : typed)
    if (c != ' ') compact.push_back(c);
  return compact == "-" || compact == "." || compact == "-." || compact == "+";
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
  if (limit_.caption.empty()) limit_.caption = caption_.toStdString();
  if (limit.kind == FieldKind::Text && limit.maxLength > 0) setMaxLength(limit.maxLength);
}

QString EntryField::plainCaption(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
  plain = plain.simplified();  // line breaks and tabs become single blanks
  while (plain.endsWith(QLatin1Char(':'))) plain = plain.chopped(1).trimmed();
  return plain;
}

void EntryField::setCaption(const QString& caption) {
  caption_ = plainCaption(caption);
  setAccessibleName(caption_);
  // The window's caption names the field in its messages, unless its limit
  // already carries the same one.
  limit_.caption = caption_.toStdString();
}

void EntryField::setCaption(QLabel* label) {
  label->setBuddy(this);
  setCaption(label->text());
}

QString EntryField::maskedText(double v) const {
  // No number at all (a stored setting that is text): shown as such, so
  // that the field refuses it instead of showing a 0 it does not hold.
  if (std::isnan(v) && !isReadOnly() && limit_.kind != FieldKind::Text) return QStringLiteral("?");
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
  {
    const QSignalBlocker block(this);
    setText(maskedText(v));
  }
  updateGeometry();
}

std::optional<Refusal> EntryField::refusal() const {
  if (isReadOnly()) return std::nullopt;
  double unused = 0;
  // What was typed is checked as typed: a fraction in a whole-number field,
  // a comma or any other stray character is refused, never dropped.
  return checkText(objectName().toStdString(), limit_, text().toStdString(), unused);
}

void EntryField::onTextEdited() {
  updateGeometry();
  if (limit_.kind == FieldKind::Text || isReadOnly()) return;
  const std::string typed = text().toStdString();
  double v = 0;
  if (limit_.kind != FieldKind::Date && lonePunctuation(typed)) {  // half-typed: counts as 0 for now
    value_ = 0;
    emit valueChanged(value_);
    return;
  }
  if (checkText(objectName().toStdString(), limit_, typed, v)) return;  // not taken
  if (limit_.kind == FieldKind::Whole) v = std::nearbyint(v);
  value_ = v;
  emit valueChanged(value_);
}

void EntryField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit entered();
  if (!isReadOnly() && event->reason() != Qt::PopupFocusReason)
    QTimer::singleShot(0, this, [this] { selectAll(); });  // typing replaces the shown value
}

QSize EntryField::minimumSizeHint() const {
  QSize hint = QLineEdit::minimumSizeHint();
  const QFontMetrics metrics(font());
  const int textWidth = std::max(metrics.horizontalAdvance(text()), metrics.horizontalAdvance(sampleText(limit_)));
  const QMargins margins = textMargins() + contentsMargins();
  // The frame and the line edit's own inner margin on both sides.
  const int width = textWidth + margins.left() + margins.right() + 2 * 2 + 2 * 4;
  hint.setWidth(std::max(hint.width(), width));
  return hint;
}

QSize EntryField::sizeHint() const {
  QSize hint = QLineEdit::sizeHint();
  hint.setWidth(std::max(hint.width(), minimumSizeHint().width()));
  return hint;
}

void EntryField::onEditingFinished() {
  if (announcing_) return;
  if (limit_.kind == FieldKind::Date && !isReadOnly()) {
    // Digits typed without the slashes are shown in the dd/mm/yyyy mask.
    if (auto day = parseDay(text().toStdString()); day && !text().contains(QLatin1Char('/')))
      setText(QString::fromStdString(formatDay(*day)));
  }
  if (auto r = refusal()) {
    announcing_ = true;
    emit refused(*r);
    announcing_ = false;
  }
}

}  // namespace quorin
