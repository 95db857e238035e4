#include "widgets/access_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>

namespace quorin {

QAbstractButton* accessKeyButton(QWidget* window, const QKeyEvent& key) {
  if (!window || key.modifiers() != Qt::AltModifier) return nullptr;
  if (key.key() < Qt::Key_0 || key.key() > Qt::Key_Z) return nullptr;
  const QKeySequence pressed(key.key() | Qt::AltModifier);
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (!b->isVisible() || !b->isEnabled() || !b->isVisibleTo(window)) continue;
    if (QKeySequence::mnemonic(b->text()) == pressed) return b;
  }
  return nullptr;
}

void pressAccessKey(QAbstractButton* button) {
  if (button->focusPolicy() & Qt::TabFocus) button->setFocus(Qt::ShortcutFocusReason);
  button->click();
}

}  // namespace quorin
