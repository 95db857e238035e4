// A business calculator window opened on a temporary copy of the data
// files, driven through its widgets, with its messages and beeps recorded
// and its printouts read back from the report database.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <QVariant>
#include <memory>

#include "finance/business_window.h"
#include "report/report_control.h"
#include "report/report_preview_window.h"
#include "shell/session_state.h"
#include "test_folder.h"
#include "window_harness.h"
#include "widgets/entry_field.h"
#include "widgets/message_sink.h"
#include "widgets/window_context.h"

namespace quorin::test {

template <class Window>
struct FinanceWindowFixture : ::testing::Test, WindowHarness {
  std::unique_ptr<Window> window;
  int beeps = 0;

  void SetUp() override { open(); }
  // Opens the window afresh (as the menu would after it was closed).
  void open() {
    window = std::make_unique<Window>(context);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->beeper = [this] { ++beeps; };
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  EntryField* edit(const char* name) const { return window->template findChild<EntryField*>(name); }
  QAbstractButton* button(const char* name) const { return window->template findChild<QAbstractButton*>(name); }
  QWidget* widget(const char* name) const { return window->template findChild<QWidget*>(name); }
  void type(const char* name, const char* text) {
    EntryField* f = edit(name);
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
  void spin(const char* name, bool up) {
    auto* b = window->template findChild<QToolButton*>(QString::fromLatin1(name) + (up ? "Up" : "Down"));
    ASSERT_TRUE(b) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  QString text(const char* name) const { return edit(name)->text(); }
  bool focused(const char* name) const { return QApplication::focusWidget() == widget(name); }

  QVariant single(const char* table, const char* field) const {
    auto values = column(table, field);
    EXPECT_EQ(values.size(), 1u) << table;
    return values.empty() ? QVariant() : values.front();
  }
  void exec(const QString& sql) const { execSql(sql); }
  bool frameShown() const { return widget("fraPrint")->isVisible(); }
  QString previewTitle() const { return report.lastPreview() ? report.lastPreview()->windowTitle() : QString(); }
};

}  // namespace quorin::test
