// A pay-period window opened on a temporary copy of the data files, driven
// through its widgets, with its messages recorded and its printouts read
// back from the report database.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QVariant>
#include <deque>
#include <memory>

#include "report/report_control.h"
#include "report/report_preview_window.h"
#include "settings/settings_store.h"
#include "shell/session_state.h"
#include "test_folder.h"
#include "window_harness.h"
#include "widgets/entry_field.h"
#include "widgets/message_sink.h"
#include "widgets/window_context.h"

namespace quorin::test {

struct PayWindowFixture : ::testing::Test, WindowHarness {
  std::unique_ptr<QWidget> window;

  void TearDown() override { window.reset(); }
  template <class W, class... Args>
  W* open(Args... args) {
    auto* w = new W(context, args...);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    window.reset(w);
    w->show();
    return w;
  }

  EntryField* edit(const char* name) const {
    auto* f = window->findChild<EntryField*>(QString::fromLatin1(name));
    EXPECT_TRUE(f) << name;
    return f;
  }
  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(QString::fromLatin1(name)); }
  void type(const char* name, const char* text) const {
    EntryField* f = edit(name);
    f->clear();
    QTest::keyClicks(f, QString::fromLatin1(text));
  }
  // Typing and then leaving the field with Enter.
  void enter(const char* name, const char* text) const {
    type(name, text);
    QTest::keyClick(edit(name), Qt::Key_Return);
  }
  void click(const char* name) const {
    QPushButton* b = button(name);
    ASSERT_TRUE(b) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // An option button, clicked as the user would (on its text).
  void choose(const char* name) const {
    auto* b = window->findChild<QRadioButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(b) << name;
    b->click();
  }
  // The caption beside an entry field.
  QString caption(const char* name) const {
    for (auto* label : window->findChildren<QLabel*>())
      if (label->buddy() == edit(name)) return label->text();
    return {};
  }
  QString shown(const char* name) const { return edit(name)->text(); }
  QString focused() const { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }

  // Every value of the one row of a feed table, by field name.
  std::map<QString, QVariant> row(const char* table, int* rows = nullptr) const {
    std::map<QString, QVariant> values;
    int count = 0;
    withDatabase([&](QSqlDatabase& db) {
      QSqlQuery q(db);
      q.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
      while (q.next()) {
        ++count;
        for (int i = 0; i < q.record().count(); ++i) values[q.record().fieldName(i)] = q.value(i);
      }
    });
    if (rows) *rows = count;
    return values;
  }
};

}  // namespace quorin::test
