// The disclaimer that must be accepted before a new version is used. Start-up
// shows it modally; the answer lands in SessionState::DisclaimerAccepted.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "shell/session_state.h"

class QCheckBox;
class QPushButton;

namespace quorin {

class DisclaimerWindow : public QDialog {
  Q_OBJECT
 public:
  DisclaimerWindow(quorin::SessionState& state, QWidget* mainWindow);

  QCheckBox* agreeBox() const { return agree_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  // Where a window of the given size goes over the main window: centred
  // horizontally, its top a quarter of the free height below the main
  // window's top.
  static QPoint placeOver(const QRect& mainFrame, const QSize& ownFrame);

  // Every way of refusing (Cancel, Escape, the close box) records the refusal.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void okClicked();

  SessionState& state_;
  QWidget* mainWindow_;
  QCheckBox* agree_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace quorin
