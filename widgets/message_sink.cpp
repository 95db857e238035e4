#include "widgets/message_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>

namespace quorin {

QString unbreakableNumbers(const QString& text) {
  static const QRegularExpression groupGap(QStringLiteral("(?<=\\d) (?=\\d)"));
  QString shown = text;
  return shown.replace(groupGap, QStringLiteral("\u00A0"));
}

void BoxMessageSink::show(MessageIcon icon, const QString& title, const QString& text) {
  int busy = 0;
  while (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
    ++busy;
  }
  QMessageBox::Icon boxIcon = icon == MessageIcon::Error     ? QMessageBox::Critical
                              : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                             : QMessageBox::Information;
  QMessageBox box(boxIcon, title, unbreakableNumbers(text), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
  while (busy-- > 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace quorin
