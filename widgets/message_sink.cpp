#include "widgets/message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace quorin {

void BoxMessageSink::show(MessageIcon icon, const QString& title, const QString& text) {
  int busy = 0;
  while (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
    ++busy;
  }
  QMessageBox::Icon boxIcon = icon == MessageIcon::Error     ? QMessageBox::Critical
                              : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                             : QMessageBox::Information;
  QMessageBox box(boxIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
  while (busy-- > 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace quorin
