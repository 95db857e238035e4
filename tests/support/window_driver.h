// A calculator window opened on a temporary copy of the data files (the
// harness) and driven through its widgets as a user would: typing into a
// field, leaving it, clicking buttons and options.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "window_harness.h"
#include "widgets/entry_field.h"

namespace quorin::test {

template <class Window>
struct WindowDriver : ::testing::Test, WindowHarness {
  std::unique_ptr<Window> window;

  void SetUp() override { open(); }
  // Opens the window afresh (as the menu would after it was closed).
  void open() {
    window = std::make_unique<Window>(context);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    prepare(*window);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // What a fixture sets on a new window before it shows.
  virtual void prepare(Window&) {}

  EntryField* edit(const char* name) const { return window->template findChild<EntryField*>(name); }
  QAbstractButton* button(const char* name) const { return window->template findChild<QAbstractButton*>(name); }
  QWidget* widget(const char* name) const { return window->template findChild<QWidget*>(name); }
  void type(const char* name, const char* text) {
    EntryField* f = edit(name);
    ASSERT_TRUE(f) << name;
    f->setFocus();
    f->clear();
    QTest::keyClicks(f, text);
  }
  // Types and leaves the field, as the user tabbing on.
  void typeAndLeave(const char* name, const char* text) {
    type(name, text);
    emit edit(name)->editingFinished();
  }
  void click(const char* name) {
    QAbstractButton* b = button(name);
    ASSERT_TRUE(b) << name;
    // Option and check boxes react to clicks on their text and mark only.
    if (qobject_cast<QPushButton*>(b))
      QTest::mouseClick(b, Qt::LeftButton);
    else
      b->click();
  }
  QString text(const char* name) const { return edit(name)->text(); }
  bool enabled(const char* name) const { return widget(name)->isEnabled(); }
  bool focused(const char* name) const { return QApplication::focusWidget() == widget(name); }
};

}  // namespace quorin::test
