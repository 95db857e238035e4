// Access keys of a calculator window: Alt with the underlined letter of a
// button's caption presses that button. The window's buttons come before
// the main window's menu bar, which keeps the letters no shown, enabled
// button of the active window claims.
#pragma once

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace quorin {

// The shown, enabled button of the window whose caption underlines the
// key's letter (Alt+C for "&Calculate"), or none.
QAbstractButton* accessKeyButton(QWidget* window, const QKeyEvent& key);

// Presses the button as its access key does: the focus to it, then a click
// (a check or option button changes as when clicked).
void pressAccessKey(QAbstractButton* button);

}  // namespace quorin
