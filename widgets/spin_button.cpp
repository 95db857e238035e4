#include "widgets/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace quorin {

SpinButton::SpinButton(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setObjectName(name + QStringLiteral("Up"));
  down_->setObjectName(name + QStringLiteral("Down"));
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (auto* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field, not to the arrows
    b->setFixedSize(18, 11);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, &SpinButton::spunUp);
  connect(down_, &QToolButton::clicked, this, &SpinButton::spunDown);
}

}  // namespace quorin
