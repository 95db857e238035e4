// A spin button: a small up and down arrow pair beside a field.
#pragma once

#include <QWidget>

class QToolButton;

namespace quorin {

class SpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit SpinButton(const QString& name, QWidget* parent = nullptr);
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void spunUp();
  void spunDown();

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace quorin
