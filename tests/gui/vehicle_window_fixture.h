// A vehicle calculator window opened on a temporary copy of the data files,
// driven through its widgets, with its messages recorded and its printouts
// read back from the report database.
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
struct VehicleWindowFixture : ::testing::Test, WindowHarness {
  std::unique_ptr<Window> window;

  void SetUp() override { open(); }
  void open() {
    window = std::make_unique<Window>(context);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  EntryField* edit(const char* name) const { return window->template findChild<EntryField*>(name); }
  QAbstractButton* button(const char* name) const { return window->template findChild<QAbstractButton*>(name); }
  QWidget* widget(const char* name) const { return window->template findChild<QWidget*>(name); }
  void type(const char* name, const char* text) {
    EntryField* f = edit(name);
    ASSERT_TRUE(f) << name;
    f->setFocus();
    f->selectAll();
    f->del();
    QTest::keyClicks(f, text);
  }
  void typeAndLeave(const char* name, const char* text) {
    type(name, text);
    emit edit(name)->editingFinished();
  }
  void click(const char* name) {
    QAbstractButton* b = button(name);
    ASSERT_TRUE(b) << name;
    if (qobject_cast<QPushButton*>(b))
      QTest::mouseClick(b, Qt::LeftButton);
    else
      b->click();
  }
  QString text(const char* name) const { return edit(name)->text(); }
  bool enabled(const char* name) const { return widget(name)->isEnabled(); }
  bool focused(const char* name) const { return QApplication::focusWidget() == widget(name); }
  QString lastMessage() const { return messages.last() ? messages.last()->text : QString(); }
  QString lastTitle() const { return messages.last() ? messages.last()->title : QString(); }
};

}  // namespace quorin::test
